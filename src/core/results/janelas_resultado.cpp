#include "core/results/janelas_resultado.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/engine/calculo.h"
#include "core/menus.h"
#include "core/worksheet/sistema.h"
#include "core/worksheet/validacao.h"

namespace zivu {

void SimplesShow(Sistema& sis) {
  Simples& s = sis.simples;
  s.Ano_Projetado_habilitado = s.Unir_resultados_habilitado = sis.origem.cfg.Anos_intermediarios;
}

void ResultadosShow(Sistema& sis) {
  sis.status(kSituacaoResultados);
  Habilita_Menus(sis.princ, PaginaMenu::Resultados);
}

void VariaveisShow(Sistema& sis) { Habilita_Menus(sis.princ, PaginaMenu::Variaveis); }

void ResultadosCriados(Sistema& sis) {
  ResultadosShow(sis);
  Desliga_Menus(sis.princ);
}

std::string Titulo_ImpTab(const Quartis& q) {
  switch (q.tabela_partida) {
    case TabelaPartida::OrdemPop: return " - Registros para quartil - ordem: populacao";
    case TabelaPartida::OrdemTax: return " - Registros para quartil - ordem: taxa";
    case TabelaPartida::Original: break;
  }
  return " - Registros para quartil - ordem: original";
}

std::string Titulo_ImpEstat(const Quartis& q) { return " - Tabela de estatísticas - " + q.Sel_Area.hint; }

std::string Titulo_ImpDesc(const Quartis& q) {
  return " - Descrição dos registros (quartil) - " + q.Sel_Area.hint;
}

std::string Titulo_ImpExc(const Sistema& sis) {
  return " - Registros que possuem a partir de " + sis.origem.cfg.Div_habitantes + " - " +
         sis.quartis.Sel_Area.hint;
}

bool comando_de_resultados(Sistema& sis, bool quartis, const std::function<bool()>& comando) {
  Origem& o = sis.origem;
  const int64_t principal = o.TotalPrincipal;
  const std::vector<int64_t> secundarios = o.TotaisSecundarios;
  struct Restaura {
    Origem& o;
    int64_t principal;
    const std::vector<int64_t>& secundarios;
    ~Restaura() {
      o.TotalPrincipal = principal;
      o.TotaisSecundarios = secundarios;
    }
  } restaura{o, principal, secundarios};

  // The target year is the last of the list: its totals are the marked ones.
  const std::string& ano = quartis ? sis.quartis.Ano_Projetado_hint : sis.simples.Ano_Projetado_hint;
  const std::vector<std::string>& anos = quartis ? sis.quartis.Esc_Ano_Projetado : sis.simples.Esc_Ano_Projetado;
  const auto it = std::find(anos.begin(), anos.end(), ano);
  if (it != anos.end() && it + 1 != anos.end() && !PegandoNovosTotais(sis, ano)) return false;
  return comando();
}

JanelaResultado CalcularClick(Sistema& sis) {
  // The driver ends every run it began with the elapsed-time text, and the
  // checks before it never set that text. The kept copy of the status is
  // blanked for the command, so an earlier run's text cannot be taken for
  // this one's, and put back when nothing replaced it.
  constexpr std::string_view kCalculado = "Calculado, levando ";
  std::string antes = std::move(sis.princ.situacao);
  sis.princ.situacao.clear();
  try {
    Calcular(sis);
  } catch (...) {
    if (sis.princ.situacao.empty()) sis.princ.situacao = std::move(antes);
    throw;
  }
  const bool rodou = sis.princ.situacao.starts_with(kCalculado);
  if (sis.princ.situacao.empty()) sis.princ.situacao = std::move(antes);
  if (!rodou) return JanelaResultado::Nenhuma;
  return sis.origem.cfg.MetodoQuartis ? JanelaResultado::Quartis : JanelaResultado::Simples;
}

}  // namespace zivu
