// Statistics of one block: the quartile positions, the 4 x 5 cross-table of
// population class by rate class, and the records listed group by group.
#include <algorithm>
#include <optional>

#include "core/engine/quartis_calculo.h"
#include "core/engine/aritmetica.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/validacao.h"

namespace zivu {

const char* const kTitulosColunasEstatisticas[6] = {
    "T <= Q1 (T>=0)", "T <= Q1 (T<0)", "Q1 < T <= Q2 (T>=0)", "Q2 < T <= Q3 (T>=0)", "T > Q3 (T>=0)",
    "Totais Qt/%"};
const char* const kTitulosLinhasEstatisticas[7] = {"0 <= P00", "e <= Q1", "Q1 < P00", "e <= Q2",
                                                   "Q2 < P00", "e <= Q3", "Q3 < P00"};

int classe_taxa(double r, const std::array<double, 3>& T) {
  if (r <= T[0] && r >= 0) return 0;
  if (r <= T[0] && r < 0) return 1;
  if (T[0] < r && r <= T[1]) return 2;
  if (r >= 0 && T[1] < r && r <= T[2]) return 3;
  if (r > 0 && r >= T[2]) return 4;
  return -1;
}

std::optional<LimitesQuartis> limites_quartis(const Quartis& q, int32_t bloco) {
  const size_t total = q.AreaDoRegistro.size();
  if (q.ordem_pop.size() != total || q.ordem_tax.size() != total || q.RegistrosQuartis.size() != total)
    return std::nullopt;
  size_t f = 0;
  while (f < total && q.AreaDoRegistro[f] != bloco) ++f;
  if (f == total) return std::nullopt;
  size_t l = f;
  while (l + 1 < total && q.AreaDoRegistro[l + 1] == bloco) ++l;
  LimitesQuartis lim;
  lim.inicio = f;
  lim.fim = l;
  const size_t quarto = (l - f + 1) / 4;
  for (int i = 0; i < 3; ++i) {
    const size_t P = f + static_cast<size_t>(i + 1) * quarto;
    lim.P[i] = static_cast<int32_t>(P);
    lim.Q[i] = q.RegistrosQuartis[q.ordem_pop[P]].pop1;
    lim.T[i] = q.RegistrosQuartis[q.ordem_tax[P]].taxa;
  }
  return lim;
}

int classe_populacao(const LimitesQuartis& l, size_t j) {
  int pc = 0;
  while (pc < 3 && j > static_cast<size_t>(l.P[pc])) ++pc;
  return pc;
}

namespace {

void textos_fixos(Grade& e, const std::string& divisor) {
  for (int c = 1; c <= 6; ++c) e.cel(c, 0) = kTitulosColunasEstatisticas[c - 1];
  for (int r = 1; r <= 7; ++r) e.cel(0, r) = kTitulosLinhasEstatisticas[r - 1];
  e.cel(0, 8) = "e < " + divisor;
  e.cel(0, 9) = "Total Qt.";
  e.cel(0, 10) = "Total %";
  e.cel(1, 12) = "Os quartis";
  static const char* const nomes[] = {"Mínimo", "Mediano", "Máximo"};
  static const char* const qs[] = {"Q1 =", "Q2 =", "Q3 ="};
  static const char* const ts[] = {"T1 =", "T2 =", "T3 ="};
  for (int i = 0; i < 3; ++i) {
    e.cel(0, 13 + i) = nomes[i];
    e.cel(1, 13 + i) = qs[i];
    e.cel(3, 13 + i) = ts[i];
  }
}

std::string percentual(int64_t contagem, int64_t N) {
  if (N == 0) return {};
  return texto_geral(static_cast<double>(contagem * 100) / static_cast<double>(N));
}

void descreve(Sistema& sis, size_t f, size_t l) {
  const Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  Grade& d = q.Tab_Descricao;
  for (int r = 1; r < d.linhas(); ++r)
    for (int c = 0; c < d.colunas(); ++c) d.cel(c, r).clear();
  if (d.colunas() < kColunasDescricao || d.linhas() < static_cast<int>(l - f) + 2)
    d.redimensiona(kColunasDescricao, std::max(d.linhas(), static_cast<int>(l - f) + 2));

  const std::optional<int64_t> ano = para_inteiro(apara(q.Ano_Projetado_hint));
  const int64_t meses = ano ? MesesAteAno(o, *ano) : o.MesesProjecao;
  const size_t bloco = static_cast<size_t>(q.AreaDoRegistro[f]);
  const Base base = base_do_bloco(sis, bloco);
  const std::string rotulo = rotulo_area(q, bloco);

  int linha = 0;
  for (int32_t g = 0; g < 20; ++g) {
    for (size_t j = f; j <= l; ++j) {
      if (q.grupo_pop[j] != g) continue;
      const RegistroQuartil& reg = q.RegistrosQuartis[q.ordem_pop[j]];
      ++linha;
      d.cel(0, linha) = std::to_string(linha);
      d.cel(1, linha) = std::to_string(g + 1);
      d.cel(2, linha) = rotulo;
      for (int i = 0; i < 4; ++i) d.cel(3 + i, linha) = reg.ident[i];
      d.cel(7, linha) = texto_geral(reg.pop0);
      d.cel(8, linha) = texto_geral(reg.pop1);
      d.cel(9, linha) = texto_geral(reg.taxa);
      const double p0 = le_numero(d, 7, linha);
      const double p1 = le_numero(d, 8, linha);
      const double R = arredonda_resultado(projeta(base, p0, p1));
      d.cel(10, linha) = texto_geral(R);
      const double razao = divide(R, p1);
      const std::string texto = texto_geral(taxa_anual(razao < 0 ? -razao : razao, meses));
      // Kept as users know it: the sign goes in front even of a negative rate.
      d.cel(11, linha) = razao < 0 ? "-" + texto : texto;
    }
  }
}

void processa(Sistema& sis) {
  const Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  const std::optional<LimitesQuartis> lim = limites_quartis(q, q.Sel_Area.posicao - 1);
  if (!lim)
    throw Cancelamento{
        "Não há registros que sofrem a divisão em quartis nesta área. (" + q.Sel_Area.hint + ")",
        "Atenção!", true};
  const size_t total = q.AreaDoRegistro.size();
  const size_t f = lim->inicio, l = lim->fim;
  if (q.grupo_pop.size() != total) q.grupo_pop.assign(total, 0);

  const size_t P[3] = {static_cast<size_t>(lim->P[0]), static_cast<size_t>(lim->P[1]),
                       static_cast<size_t>(lim->P[2])};
  for (int i = 0; i < 3; ++i) {
    q.Posicoes[i] = lim->P[i];
    q.QuartisPop[i] = lim->Q[i];
    q.QuartisTax[i] = lim->T[i];
    const std::string marca = " - Q" + std::to_string(i + 1);
    for (Grade* g : {&q.Tab_quartil_ordem_pop, &q.Tab_quartil_ordem_tax})
      if (g->dentro(0, static_cast<int>(P[i]) + 1)) g->cel(0, static_cast<int>(P[i]) + 1) += marca;
  }

  const double divisor = static_cast<double>(le_inteiro(o.cfg.Div_habitantes));
  for (auto& linha : q.Contagens) linha.fill(0);
  const size_t inicio[4] = {f, P[0] + 1, P[1] + 1, P[2] + 1};
  const size_t fim[4] = {P[0], P[1], P[2], l};
  for (int pc = 0; pc < 4; ++pc) {
    for (size_t j = inicio[pc]; j <= fim[pc] && j <= l; ++j) {
      const double r = q.RegistrosQuartis[q.ordem_pop[j]].taxa;
      if (!(divisor > r)) continue;
      const int tc = classe_taxa(r, q.QuartisTax);
      if (tc < 0) continue;  // not counted; keeps its group number
      ++q.Contagens[pc][tc];
      q.grupo_pop[j] = 5 * pc + tc;
    }
  }

  Grade& e = q.Tab_Estatisticas;
  int64_t N = 0;
  int64_t coluna[5] = {};
  for (int pc = 0; pc < 4; ++pc)
    for (int tc = 0; tc < 5; ++tc) {
      N += q.Contagens[pc][tc];
      coluna[tc] += q.Contagens[pc][tc];
    }
  for (int pc = 0; pc < 4; ++pc) {
    const int rq = 1 + 2 * pc, rp = 2 + 2 * pc;
    int64_t soma = 0;
    for (int tc = 0; tc < 5; ++tc) {
      const int32_t v = q.Contagens[pc][tc];
      soma += v;
      e.cel(1 + tc, rq) = std::to_string(v);
      e.cel(1 + tc, rp) = percentual(v, N);
    }
    e.cel(6, rq) = std::to_string(soma);
    e.cel(6, rp) = percentual(soma, N);
  }
  for (int tc = 0; tc < 5; ++tc) {
    e.cel(1 + tc, 9) = std::to_string(coluna[tc]);
    e.cel(1 + tc, 10) = percentual(coluna[tc], N);
  }
  e.cel(2, 12) = "Posições " + std::to_string(P[0]) + ", " + std::to_string(P[1]) + " e " +
                 std::to_string(P[2]);
  for (int i = 0; i < 3; ++i) {
    e.cel(2, 13 + i) = texto_geral(q.QuartisPop[i]);
    e.cel(4, 13 + i) = texto_geral(q.QuartisTax[i]);
  }

  descreve(sis, f, l);
  Tab_EstatisticasClick(q);
}

}  // namespace

bool ProcessaQuartis(Sistema& sis) {
  try {
    processa(sis);
  } catch (const Cancelamento& c) {
    mostra_cancelamento(sis, c);
    return false;
  }
  return true;
}

bool Sel_AreaChange(Sistema& sis) {
  const Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  const int p = q.Sel_Area.posicao;
  // An empty slot's first row is 0, the letters' row; a position past the
  // list (as in "DoDo geral") names no title.
  std::string titulo;
  if (p >= 1 && static_cast<size_t>(p) <= o.Secundarias.size())
    titulo = o.DadosEntrada.le(1, o.Secundarias[p - 1].Y0);
  q.Sel_Area.hint = "Área " + std::to_string(p) + " - " + titulo;

  const std::optional<int64_t> divisor = para_inteiro(o.cfg.Div_habitantes);
  if (!divisor || *divisor <= 0) {
    sis.plat.cursor_espera(false);
    if (!divisor) sis.origem.CampoInvalido = "Div_habitantes";
    if (!divisor)
      sis.plat.mensagem(msg_inteiro_invalido(o.cfg.Div_habitantes), "Erro!", Botoes::OK, Icone::Erro);
    else
      sis.plat.mensagem("Valor divisório de habitantes deve ser maior que 0.", "Erro", Botoes::OK,
                        Icone::Erro);
    return false;
  }

  sis.plat.cursor_espera(true);
  const int registros = static_cast<int>(q.RegistrosQuartis.size());
  for (Grade* g : {&q.Tab_quartil_ordem_pop, &q.Tab_quartil_ordem_tax})
    for (int r = 1; r <= registros && r < g->linhas(); ++r) g->cel(0, r) = std::to_string(r);
  q.Tab_Estatisticas.redimensiona(kColunasEstatisticas, kLinhasEstatisticas);
  textos_fixos(q.Tab_Estatisticas, o.cfg.Div_habitantes);

  const bool ok = ProcessaQuartis(sis);
  sis.plat.cursor_espera(false);
  return ok;
}

void Tab_EstatisticasSeleciona(Quartis& q, int coluna, int linha) {
  q.est_col = coluna;
  q.est_lin = linha;
  Tab_EstatisticasClick(q);
}

void Tab_EstatisticasClick(Quartis& q) {
  Grade& e = q.Tab_Estatisticas;
  e.escreve(0, 0, std::to_string(q.est_col) + " x " + std::to_string(q.est_lin));
  q.Ver_grupo = false;
  if (q.est_col < 6 && q.est_lin < 9) q.Ver_grupo = e.le(q.est_col, q.est_lin) != "0";
}

int grupo_da_celula(int coluna, int linha) {
  if (coluna < 1 || coluna > 5 || linha < 1 || linha > 8) return 0;
  return 5 * ((linha - 1) / 2) + coluna;
}

}  // namespace zivu
