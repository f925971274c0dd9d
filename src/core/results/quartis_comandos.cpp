#include "core/results/quartis_comandos.h"

#include <algorithm>

#include "core/engine/quartis_calculo.h"
#include "core/files/gravador.h"
#include "core/menus.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"

namespace zivu {

// ---- "Estatísticas" page

PinturaEstatistica Tab_EstatisticasDrawCell(int c, int r) {
  PinturaEstatistica p;
  if (c != 0 && r != 0 && r != 12) return p;
  p.propria = true;
  if (r == 0 && (c == 1 || c == 3 || c == 5))
    p.cor = CorEstatistica::BrancoSobrePreto;
  else if (r == 0 && (c == 2 || c == 4))
    p.cor = CorEstatistica::AmareloSobreCinza;
  else if (c == 0 && (r == 1 || r == 2 || r == 5 || r == 6))
    p.cor = CorEstatistica::BrancoSobrePreto;
  else if (c == 0 && (r == 3 || r == 4 || r == 7 || r == 8))
    p.cor = CorEstatistica::AmareloSobreCinza;
  else if (r == 12 && c >= 1 && c <= 4)
    p.cor = CorEstatistica::BrancoNegritoSobreVermelho;
  return p;
}

void Ver_grupoClick(Sistema& sis) {
  Quartis& q = sis.quartis;
  const int g = grupo_da_celula(q.est_col, q.est_lin);
  const Grade& d = q.Tab_Descricao;
  if (g != 0) {
    int r = 1;
    for (; r < d.linhas() && !d.cel(1, r).empty(); ++r) {
      if (para_inteiro(d.cel(1, r)) == g) {
        q.desc_col = 2;
        q.desc_lin = r;
        break;
      }
    }
    if (r >= d.linhas())
      sis.plat.mensagem("Fim da tabela atingido e nada encontrado.", "Erro!", Botoes::OK, Icone::Erro);
  }
  mostra_pagina(sis, PaginaQuartis::Registros_descritos);
}

// ---- window and pages

void QuartisShow(Sistema& sis) {
  Quartis& q = sis.quartis;
  q.Ano_Projetado_habilitado = q.Unir_resultados_habilitado = sis.origem.cfg.Anos_intermediarios;
  mostra_pagina(sis, q.pagina);
}

void mostra_pagina(Sistema& sis, PaginaQuartis pagina) {
  sis.quartis.pagina = pagina;
  switch (pagina) {
    case PaginaQuartis::Tab_Partida: Habilita_Menus(sis.princ, PaginaMenu::TabelaPartida); break;
    case PaginaQuartis::Estatisticas: Habilita_Menus(sis.princ, PaginaMenu::Estatisticas); break;
    case PaginaQuartis::Registros_descritos: Habilita_Menus(sis.princ, PaginaMenu::Descricao); break;
    case PaginaQuartis::Excecoes: Habilita_Menus(sis.princ, PaginaMenu::Excecoes); break;
    case PaginaQuartis::RUniao:
    case PaginaQuartis::DUniao: break;
  }
}

// ---- exports

namespace {

bool exporta_grade(Sistema& sis, const Grade& g, bool sempre_csv = false) {
  return Exporta_Grade(sis, g, g.linhas() - 1, g.colunas() - 1, sempre_csv);
}

}  // namespace

// The listing is written over the worksheet's extent, widened to the grid's
// own when the sheet is narrower or shorter: the extent alone would cut the
// populations and the rate off a narrow worksheet.
bool Exportar_TPClick(Sistema& sis) {
  const Grade& g = sis.quartis.tabela_partida_atual();
  return Exporta_Grade(sis, g, std::max<int>(sis.origem.UltimaLinha, g.linhas() - 1),
                       std::max<int>(sis.origem.UltimaColuna, g.colunas() - 1));
}
bool Exportar_EstClick(Sistema& sis) { return exporta_grade(sis, sis.quartis.Tab_Estatisticas); }
bool Exportar_DescClick(Sistema& sis) { return exporta_grade(sis, sis.quartis.Tab_Descricao); }
bool Exportar_excClick(Sistema& sis) { return exporta_grade(sis, sis.quartis.Tab_excecoes); }
bool Exportar_UniaoClick(Sistema& sis) { return exporta_grade(sis, sis.quartis.Tab_Uniao, true); }

}  // namespace zivu
