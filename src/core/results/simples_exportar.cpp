// Exports of the simple results window: CSV over the worksheet's extent, or
// DAT of the grid's filled part.
#include "core/results/simples_exportar.h"

#include <algorithm>

#include "core/files/gravador.h"
#include "core/sistema.h"

namespace zivu {

int colunas_variaveis(const Sistema& sis) {
  const Origem& o = sis.origem;
  const int c0 = o.CelulasAno.empty() ? 0 : o.CelulasAno[0].X;
  return std::max<int>(o.UltimaColuna, c0 > 0 ? c0 + 4 : 0);
}

bool Exportar_RClick(Sistema& sis) {
  return Exporta_Grade(sis, sis.simples.DadosSaida, sis.origem.UltimaLinha, sis.origem.UltimaColuna);
}

bool Exportar_VClick(Sistema& sis) {
  return Exporta_Grade(sis, sis.simples.DadosVariaveis, sis.origem.UltimaLinha, colunas_variaveis(sis));
}

}  // namespace zivu
