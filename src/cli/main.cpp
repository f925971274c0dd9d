// zivu-cli: the core without a display, one command per run.
#include <iostream>
#include <string>
#include <vector>

#include "cli/subcomandos.h"
#include "core/memoria.h"

namespace {

using zivu::cli::Subcomando;

void ajuda_geral(std::ostream& saida) {
  saida << "Derova ZiVu 1.0 - projeção da população de pequenas áreas pelo método DoDo.\n\n"
        << "Uso: zivu-cli COMANDO [ARGUMENTOS]\n"
        << "     zivu-cli --help\n\n"
        << "Comandos:\n";
  for (const Subcomando* sub : zivu::cli::subcomandos())
    saida << "\nzivu-cli " << sub->nome << " " << sub->uso << "\n" << sub->ajuda;
  saida << "\nAs mensagens do sistema vão para a saída de erros: o título numa linha e o\n"
        << "texto abaixo. Situação de saída: 0 sucesso, 1 quando uma mensagem encerrou o\n"
        << "comando, 2 erro de uso.\n";
}

}  // namespace

int main(int argc, char** argv) {
  zivu::prepara_memoria();
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
  if (args.empty()) {
    std::cerr << "zivu-cli: falta o comando.\n"
              << "Use 'zivu-cli --help' para mais informações.\n";
    return zivu::cli::kErroUso;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "ajuda") {
    ajuda_geral(std::cout);
    return zivu::cli::kSucesso;
  }
  for (const Subcomando* sub : zivu::cli::subcomandos())
    if (args[0] == sub->nome) return sub->executa({args.begin() + 1, args.end()});
  std::cerr << "zivu-cli: comando desconhecido: " << args[0] << "\n"
            << "Use 'zivu-cli --help' para mais informações.\n";
  return zivu::cli::kErroUso;
}
