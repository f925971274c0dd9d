#include "core/results/quartis.h"

namespace zivu {

Quartis::Quartis()
    : Tab_Quartil("Tab_Quartil", kColunasQuartil, 2),
      Tab_quartil_ordem_pop("Tab_quartil_ordem_pop", kColunasQuartil, 2),
      Tab_quartil_ordem_tax("Tab_quartil_ordem_tax", kColunasQuartil, 2),
      Tab_Estatisticas("Tab_Estatisticas", kColunasEstatisticas, kLinhasEstatisticas),
      Tab_Descricao("Tab_Descricao", kColunasDescricao, 2),
      Tab_excecoes("Tab_excecoes", kColunasExcecoes, 2),
      Tab_Uniao("Tab_Uniao", kColunasExcecoes, 2),
      Tab_DUniao("Tab_DUniao", kColunasDUniao, 2) {}

Grade& Quartis::tabela_partida_atual() {
  switch (tabela_partida) {
    case TabelaPartida::OrdemPop: return Tab_quartil_ordem_pop;
    case TabelaPartida::OrdemTax: return Tab_quartil_ordem_tax;
    case TabelaPartida::Original: break;
  }
  return Tab_Quartil;
}

}  // namespace zivu
