// Chart data: a real two-year run of the worked example for the simple
// window's charts, the statistics fixture for the quartile chart, and the
// histogram's classes on plain numbers.
#include "core/results/graficos.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/engine/calculo.h"
#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"
#include "core/engine/simples_auxiliar.h"

namespace zivu::teste {
namespace {

using P = std::vector<Ponto>;
constexpr double kSet = 8 / 12.0;  // September

std::vector<std::pair<double, int>> classes(const Histograma& h) {
  std::vector<std::pair<double, int>> v;
  for (const ClasseHistograma& c : h.classes) v.emplace_back(c.de, c.areas);
  return v;
}

TEST(Graficos, HistogramClasses) {
  struct Caso {
    std::vector<double> valores;
    RegraClasses regra;
    std::vector<std::pair<double, int>> classes;  // start and count of each
    double fim;
  };
  const Caso casos[] = {
      // IQR 3.75 - 1.25: width 5 / 6^(1/3) = 2.75, 4 classes of 2.5.
      {{0, 1, 2, 3, 4, 10}, RegraClasses::FreedmanDiaconis, {{0, 3}, {2.5, 2}, {5, 0}, {7.5, 1}}, 10},
      // IQR 0: ceil(log2 5) + 1 = 4 classes of 1.
      {{1, 1, 5, 1, 1}, RegraClasses::Sturges, {{1, 4}, {2, 0}, {3, 0}, {4, 1}}, 5},
      {{7, 7, 7}, RegraClasses::ValorUnico, {{6.5, 3}}, 7.5},
      {{NAN, INFINITY}, RegraClasses::Nenhuma, {}, 0},
  };
  for (const Caso& c : casos) {
    const Histograma h = monta_histograma(c.valores);
    EXPECT_EQ(h.regra, c.regra);
    EXPECT_EQ(classes(h), c.classes);
    if (!h.classes.empty()) {
      EXPECT_DOUBLE_EQ(h.classes.back().ate, c.fim);
    }
  }
  // One far value would ask for 469 classes: 50 of 200.
  std::vector<double> v{10000};
  for (int i = 0; i < 100; ++i) v.push_back(i);
  const Histograma h = monta_histograma(v);
  ASSERT_EQ(h.classes.size(), 50u);
  EXPECT_EQ(h.classes.front().areas, 100);
  EXPECT_EQ(h.classes.back().areas, 1);
  EXPECT_DOUBLE_EQ(h.classes.back().ate, 10000);
}

// Chart data as text for a golden file, numbers with six decimals.
std::string n(double v) {
  char b[40];
  std::snprintf(b, sizeof b, "%.6f", v);
  return b;
}
std::string texto(const P& v) {
  std::string t;
  for (const Ponto& p : v) t += " (" + n(p.x) + " " + n(p.y) + ")";
  return t + "\n";
}
std::string texto(const Eixo& e) {
  return std::to_string(int(e.escala)) + " " + n(e.minimo) + " " + n(e.maximo) + " " + e.titulo + "\n";
}
std::string texto(const std::vector<Referencia>& v) {
  std::string t;
  for (const Referencia& r : v) t += "ref " + r.nome + texto(P{r.de, r.ate});
  return t;
}
std::string texto(const DadosEvolucao& d) {
  return "evolucao " + d.titulo + "\npesquisas" + texto(d.pesquisas) + "projecao" + texto(d.projecao) +
         "esperado" + texto(d.esperado) + "x " + texto(d.x) + "y " + texto(d.y) + "y2 " + texto(d.y2) +
         "legenda " + d.legenda + "\n";
}
std::string texto(const DadosAntesDepois& d) {
  std::string t = "antes/depois " + d.titulo + "\n";
  for (const SerieBloco& s : d.series) {
    t += "serie " + std::to_string(s.bloco) + " " + s.nome + texto(s.pontos) + "linhas";
    for (int32_t l : s.linhas) t += " " + std::to_string(l);
    t += "\n";
  }
  for (const AreaOmitida& o : d.omitidas)
    t += "omitida " + o.area + " " + std::to_string(o.linha) + " " + o.motivo + "\n";
  return t + texto(d.referencias) + "x " + texto(d.x) + "y " + texto(d.y) + "legenda " + d.legenda + "\n";
}
std::string texto(const DadosTaxas& d) {
  std::string t = "taxas " + d.titulo + "\nregra " + std::to_string(int(d.histograma.regra));
  for (const ClasseHistograma& c : d.histograma.classes)
    t += " [" + n(c.de) + " " + n(c.ate) + " " + std::to_string(c.areas) + "]";
  return t + "\n" + texto(d.referencias) + "x " + texto(d.x) + "y " + texto(d.y) + "legenda " + d.legenda + "\n";
}
std::string texto(const DadosQuartis& d) {
  std::string t = "quartis " + d.titulo + "\nQ " + n(d.Q[0]) + " " + n(d.Q[1]) + " " + n(d.Q[2]) + "\n";
  for (const SerieQuartil& s : d.series) {
    const ClasseQuartil& c = s.classe;
    t += "classe " + std::to_string(int(c.tipo)) + " q" + std::to_string(c.quartil_pop) + "/" +
         std::to_string(c.quartil_taxa) + " cel " + std::to_string(c.coluna) + "," + std::to_string(c.linha) +
         " cores " + std::to_string(int(c.cor_linha)) + "," + std::to_string(int(c.cor_coluna)) + " " + c.nome +
         texto(s.pontos) + "indices";
    for (int32_t i : s.indices) t += " " + std::to_string(i);
    t += "\n";
  }
  return t + texto(d.referencias) + "x " + texto(d.x) + "y " + texto(d.y) + "legenda " + d.legenda + "\n";
}

// The worked example projected to 2001 (total 1250) and 2002 (1300): Mun 1
// 100, 130 -> 138, 145; Mun 2 900, 1070 -> 1112, 1155. 2002 is on screen.
// Every chart of the simple window, then again with the file of 2001 lost and
// Mun 1 projected to -5 (out of the block's sum, of the log axes and of the
// rates): the lost year is left out and each chart says what it left out.
TEST(GraficosSimples, EveryChartOfTheWorkedExample) {
  AmbienteSimples a;
  a.exemplo();
  a.o().cfg.AnoProj = "2002";
  a.o().define_Anos_intermediarios(true);
  a.o().Outros_totaisClick();
  a.o().Grade_totais.cel(2, 1) = "1250";
  ASSERT_TRUE(Calcular(a.sis));
  std::string t;
  auto graficos = [&](const std::string& passo, int bloco) {
    const ProjecoesAnos p = Le_Projecoes(a.sis);
    t += "=== " + passo + "\n";
    for (const ItemArea& i : Lista_Areas(a.sis))
      t += "area " + i.texto + " " + std::to_string(i.bloco) + " " + std::to_string(i.linha) + "\n" +
           texto(Grafico_Evolucao(a.sis, p, i));
    t += texto(Grafico_Antes_Depois(a.sis)) + texto(Grafico_Taxas(a.sis, bloco));
  };
  graficos("calculado", -1);
  std::filesystem::remove(a.temp("SR2001.CSV"));
  a.saida().cel(2, 3) = "-5";
  a.vars().cel(6, 3) = "Pop. negativa";
  graficos("sem 2001, Mun 1 negativa", 0);
  espera_dourado("graficos_simples.txt", t);

  a.o().cfg.Existe_cd_menor = a.o().cfg.Existe_nome_menor = true;
  a.o().cfg.Cd_menor = "B";
  a.o().cfg.Nome_menor = "A";
  EXPECT_EQ(Lista_Areas(a.sis)[1].texto, "100 - Mun 1");
  AmbienteSimples vazio;
  EXPECT_EQ(Grafico_Taxas(vazio.sis, -1).legenda, "Não há resultados: calcule a projeção primeiro.");
}

// The statistics fixture: the points in the cells of the statistics page,
// then the exceptions' area, then nine equal records and one of population 0.
TEST(GraficoQuartis, PointsInTheCellsOfTheStatisticsPageAndTheLimits) {
  AmbienteQuartis a{"quartis_estatisticas.csv"};
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  ASSERT_TRUE(Sel_AreaChange(a.sis));
  const DadosQuartis g = Grafico_Quartis(a.sis);
  EXPECT_EQ(g.T, a.q().QuartisTax);
  // Each cell holds what the page counts there.
  for (const SerieQuartil& s : g.series) {
    ASSERT_EQ(s.classe.tipo, TipoClasseQuartil::Celula);
    EXPECT_EQ(s.pontos.size(), size_t(a.q().Contagens[s.classe.quartil_pop - 1][s.classe.coluna - 1]));
  }
  // "Area b", 20 -> 10: the smallest, with a rate below T1 and below 0.
  const auto b = std::find_if(g.series.begin(), g.series.end(),
                              [](const SerieQuartil& s) { return s.classe.coluna == 2 && s.classe.linha == 1; });
  ASSERT_NE(b, g.series.end());
  a.q().tabela_partida = TabelaPartida::OrdemPop;
  EXPECT_EQ(Clique_Ponto_Quartis(a.sis, *b, 0), 1);
  EXPECT_EQ(a.q().pagina, PaginaQuartis::Tab_Partida);
  EXPECT_EQ(a.q().RegistrosQuartis[size_t(b->indices[0])].ident[3], "Area b");
  std::string t = texto(g);

  a.q().Sel_Area.posicao = 3;  // "Grande a" and "Grande b", both exceptions
  const DadosQuartis e = Grafico_Quartis(a.sis);
  ASSERT_EQ(e.series.size(), 1u);
  EXPECT_EQ(Clique_Ponto_Quartis(a.sis, e.series[0], 1), 2);
  EXPECT_EQ(a.q().pagina, PaginaQuartis::Excecoes);
  t += texto(e);

  a.q().Sel_Area.posicao = 1;
  for (RegistroQuartil& r : a.q().RegistrosQuartis) r.pop1 = r.area == 0 ? 300 : r.pop1, r.taxa = 1;
  a.q().RegistrosQuartis[1].pop1 = 0;
  Ordem_por_Pop(a.q());
  Ordem_por_Tax(a.q());
  espera_dourado("graficos_quartis.txt", t + texto(Grafico_Quartis(a.sis)));
}

}  // namespace
}  // namespace zivu::teste
