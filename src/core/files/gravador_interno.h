// Shared by the writers of the configuration block and of the totals file.
#pragma once

#include <string>

namespace zivu {

class Grade;

// One line per row of the totals sheet, every cell followed by ";", CR LF.
void acrescenta_linhas_totais(std::string& destino, const Grade& totais);

}  // namespace zivu
