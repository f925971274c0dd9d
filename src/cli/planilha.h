// The worksheet of a command that calculates: imported and checked as the
// desktop program does before a run.
#pragma once

#include <string>

namespace zivu {
class Sistema;
}

namespace zivu::cli {

// Imports PLANILHA, chooses the method and runs the checks of "Calcular":
// the checklist's lines or the refusing check's message go to standard error.
// False when one of them stopped the command.
bool importa_e_valida(Sistema& sis, const std::string& planilha, bool quartis);

}  // namespace zivu::cli
