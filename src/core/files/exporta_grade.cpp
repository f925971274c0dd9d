#include "core/files/arquivos.h"
#include "core/files/gravador.h"
#include "core/worksheet/sistema.h"

namespace zivu {

bool Exporta_Grade(Sistema& sis, const Grade& grade, int linhas, int colunas, bool sempre_csv) {
  DialogoArquivo dialogo;
  dialogo.filtro = kFiltrosArquivos;
  dialogo.titulo = "Exportar";
  const auto escolha = sis.plat.salvar_arquivo(dialogo);
  if (!escolha) return false;
  try {
    if (sempre_csv || escolha->filtro == 1)
      Grava_CSV(sis, escolha->nome, "CSV", grade, linhas, colunas);
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

}  // namespace zivu
