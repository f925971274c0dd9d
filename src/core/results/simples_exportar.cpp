// Exports of the simple results window: CSV over the worksheet's extent, or
// DAT of the grid's filled part.
#include "core/results/simples_exportar.h"

#include <algorithm>

#include "core/files/gravador.h"
#include "core/worksheet/sistema.h"

namespace zivu {

bool Exportar_RClick(Sistema& sis) {
  return Exporta_Grade(sis, sis.simples.DadosSaida, sis.origem.UltimaLinha, sis.origem.UltimaColuna);
}

bool Exportar_VClick(Sistema& sis) {
  return Exporta_Grade(sis, sis.simples.DadosVariaveis, sis.origem.UltimaLinha, colunas_variaveis(sis.origem));
}

}  // namespace zivu
