// The decimal separator of the command line: LC_NUMERIC, or the option.
#pragma once

#include <string_view>

namespace zivu::cli {

// Takes the separator from the user's LC_NUMERIC and sets it process-wide;
// the C library's own number formatting stays in the "C" locale.
void separador_do_ambiente();
// The value of --separador-decimal: one character, "," or ".". False when
// the value is not one of them.
bool define_separador(std::string_view valor);

}  // namespace zivu::cli
