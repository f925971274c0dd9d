// The text that names a small area in lists and reports.
#pragma once

#include <string>

namespace zivu {

class Origem;

// The row's small-area code and name from the reference-point columns when
// either is marked, else its non-empty title cells; trimmed texts joined by
// one space.
std::string titulo_da_linha(const Origem& o, int linha);

}  // namespace zivu
