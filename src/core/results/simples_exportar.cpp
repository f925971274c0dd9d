// Exports of the simple results window: CSV over the worksheet's extent, or
// DAT of the grid's filled part.
#include "core/results/simples_exportar.h"

#include <algorithm>

#include "core/files/arquivos.h"
#include "core/files/gravador.h"
#include "core/sistema.h"

namespace zivu {

namespace {

bool exporta(Sistema& sis, const Grade& grade, int colunas) {
  DialogoArquivo dialogo;
  dialogo.filtro = kFiltrosArquivos;
  dialogo.titulo = "Exportar";
  const auto escolha = sis.plat.salvar_arquivo(dialogo);
  if (!escolha) return false;
  try {
    if (escolha->filtro == 1)
      Grava_CSV(sis, escolha->nome, "CSV", grade, sis.origem.UltimaLinha, colunas);
    else if (escolha->filtro == 2)
      Grava_DAT(escolha->nome + ".DAT", grade);
    else
      return false;
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

}  // namespace

int colunas_variaveis(const Sistema& sis) {
  const Origem& o = sis.origem;
  const int c0 = o.CelulasAno.empty() ? 0 : o.CelulasAno[0].X;
  return std::max<int>(o.UltimaColuna, c0 > 0 ? c0 + 4 : 0);
}

bool Exportar_RClick(Sistema& sis) {
  return exporta(sis, sis.simples.DadosSaida, sis.origem.UltimaColuna);
}

bool Exportar_VClick(Sistema& sis) {
  return exporta(sis, sis.simples.DadosVariaveis, colunas_variaveis(sis));
}

}  // namespace zivu
