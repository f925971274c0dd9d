#include "cli/subcomandos.h"

#include <iostream>

namespace zivu::cli {

namespace {
// A new command is added here, after its own file defines it.
const Subcomando* const kTabela[] = {&kExportar, &kCalcular, &kAvaliar};
}  // namespace

std::span<const Subcomando* const> subcomandos() { return kTabela; }

int erro_uso(const Subcomando& sub, const std::string& motivo) {
  std::cerr << "zivu-cli " << sub.nome << ": " << motivo << "\n"
            << "Uso: zivu-cli " << sub.nome << " " << sub.uso << "\n"
            << "Use 'zivu-cli --help' para mais informações.\n";
  return kErroUso;
}

int mostra_ajuda(const Subcomando& sub) {
  std::cout << "Uso: zivu-cli " << sub.nome << " " << sub.uso << "\n\n" << sub.ajuda;
  return kSucesso;
}

}  // namespace zivu::cli
