// The worksheet's export command with its totals file.
#include <unistd.h>

#include "core/files/arquivos.h"
#include "core/files/gravador.h"
#include "core/files/gravador_interno.h"
#include "core/worksheet/sistema.h"

namespace zivu {

namespace {

// The ".TOT" beside the export: written while intermediate years are
// projected, otherwise a stale one is removed.
bool grava_totais(Sistema& sis, const std::string& nome) {
  const std::string arquivo = nome + ".TOT";
  Origem& o = sis.origem;
  try {
    if (o.cfg.Anos_intermediarios) {
      o.Outros_totaisClick();
      std::string texto;
      acrescenta_linhas_totais(texto, o.Grade_totais);
      grava_texto(arquivo, texto);
    } else if (existe_arquivo(arquivo)) {
      ::unlink(arquivo.c_str());  // a failed deletion is silent
    }
  } catch (const ErroArquivo&) {
    sis.plat.mensagem(arquivo + "\rEste é o arquivo de totais, que pode estar em uso.", "Alerta!",
                      Botoes::OK, Icone::Aviso);
    return false;
  }
  return true;
}

}  // namespace

void ExportarClick(Sistema& sis) {
  DialogoArquivo dialogo;
  dialogo.filtro = kFiltrosArquivos;
  dialogo.titulo = "Exportar";
  dialogo.pasta_do_usuario = true;
  if (auto escolha = sis.plat.salvar_arquivo(dialogo)) Exporta_Planilha(sis, escolha->nome, escolha->filtro);
}

bool Exporta_Planilha(Sistema& sis, const std::string& nome, int filtro) {
  Origem& o = sis.origem;
  try {
    if (filtro == 1) {
      Grava_CSV(sis, nome, "CSV", o.DadosEntrada, o.UltimaLinha, o.UltimaColuna);
      o.tela.legenda_pagina = "DoDo :: " + nome + ".CSV";
    } else if (filtro == 2) {
      Grava_DAT(nome + ".DAT", o.DadosEntrada);
      o.tela.legenda_pagina = "DoDo :: " + nome + ".DAT";
    }
  } catch (const ErroArquivo& e) {
    // Reaches the general error report; the export goes no further.
    sis.plat.erro_geral(e.what());
    return false;
  }
  return grava_totais(sis, nome);
}

}  // namespace zivu
