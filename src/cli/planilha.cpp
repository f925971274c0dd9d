#include "cli/planilha.h"

#include <iostream>

#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"
#include "core/worksheet/validacao.h"

namespace zivu::cli {

bool importa_e_valida(Sistema& sis, const std::string& planilha, bool quartis) {
  if (!Importa_Arquivo(sis, planilha)) return false;
  sis.origem.MetodoQuartisClick(quartis);
  sis.origem.ListaObs();
  if (!sis.origem.Observacoes.empty()) {
    for (const std::string& linha : sis.origem.Observacoes) std::cerr << linha << '\n';
    return false;
  }
  return ProcessaClick(sis);
}

}  // namespace zivu::cli
