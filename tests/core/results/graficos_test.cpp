// Chart data: a real two-year run of the worked example for the simple
// window's charts, the statistics fixture for the quartile chart, and the
// histogram's classes on plain numbers.
#include "core/results/graficos.h"

#include <cmath>

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

// The worked example projected to 2001 (total 1250) and 2002 (1300): Mun 1
// 100, 130 -> 138, 145; Mun 2 900, 1070 -> 1112, 1155. 2002 is on screen.
class GraficosSimples : public ::testing::Test {
 protected:
  AmbienteSimples a;
  void SetUp() override {
    a.exemplo();
    a.o().cfg.AnoProj = "2002";
    a.o().define_Anos_intermediarios(true);
    a.o().Outros_totaisClick();
    a.o().Grade_totais.cel(2, 1) = "1250";
    ASSERT_TRUE(Calcular(a.sis));
  }
};

TEST_F(GraficosSimples, EvolutionOfAnAreaAndOfItsBlockFromTheStoredYears) {
  const std::vector<ItemArea> itens = Lista_Areas(a.sis);
  ASSERT_EQ(itens.size(), 3u);
  EXPECT_EQ(itens[0].texto, "Bloco 1 - Estado");
  EXPECT_EQ(itens[1].texto, "Mun 1");
  EXPECT_EQ(itens[2].linha, 4);
  a.o().cfg.Existe_cd_menor = a.o().cfg.Existe_nome_menor = true;
  a.o().cfg.Cd_menor = "B";
  a.o().cfg.Nome_menor = "A";
  EXPECT_EQ(Lista_Areas(a.sis)[1].texto, "100 - Mun 1");

  const ProjecoesAnos p = Le_Projecoes(a.sis);
  const DadosEvolucao area = Grafico_Evolucao(a.sis, p, itens[1]);
  EXPECT_EQ(area.pesquisas, (P{{1990 + kSet, 100}, {2000 + kSet, 130}}));
  EXPECT_EQ(area.projecao, (P{{2001 + kSet, 138}, {2002 + kSet, 145}}));
  EXPECT_EQ(area.esperado, (P{{2001 + kSet, 1250}, {2002 + kSet, 1300}}));
  EXPECT_EQ(area.y2.titulo, "Total esperado da linha principal");
  EXPECT_EQ(area.legenda, "");
  const DadosEvolucao bloco = Grafico_Evolucao(a.sis, p, itens[0]);
  EXPECT_EQ(bloco.pesquisas, (P{{1990 + kSet, 1000}, {2000 + kSet, 1200}}));
  EXPECT_EQ(bloco.projecao, (P{{2001 + kSet, 1250}, {2002 + kSet, 1300}}));

  // A lost year file leaves its year out and says so; a negative projection
  // stays out of the block's sum.
  std::filesystem::remove(a.temp("SR2001.CSV"));
  a.saida().cel(2, 3) = "-5";
  const ProjecoesAnos sem = Le_Projecoes(a.sis);
  EXPECT_EQ(Grafico_Evolucao(a.sis, sem, itens[1]).projecao, (P{{2002 + kSet, -5}}));
  const DadosEvolucao b = Grafico_Evolucao(a.sis, sem, itens[0]);
  EXPECT_EQ(b.projecao, (P{{2002 + kSet, 1155}}));
  EXPECT_EQ(b.legenda,
            "Sem os arquivos de 2001: fora do gráfico.\n"
            "1 população negativa ficou fora da soma do bloco, como do total obtido.");
}

TEST_F(GraficosSimples, BeforeAndAfterOnLogAxesListsWhatTheyCannotHold) {
  DadosAntesDepois d = Grafico_Antes_Depois(a.sis);
  ASSERT_EQ(d.series.size(), 1u);
  EXPECT_EQ(d.series[0].pontos, (P{{130, 145}, {1070, 1155}}));
  ASSERT_EQ(d.referencias.size(), 1u);
  EXPECT_EQ(d.referencias[0].de, (Ponto{130, 130}));
  EXPECT_EQ(d.referencias[0].ate, (Ponto{1155, 1155}));
  EXPECT_EQ(d.x.escala, Escala::Logaritmica);
  EXPECT_TRUE(d.y.minimo > 0 && d.y.minimo < 130 && d.y.maximo > 1155);

  a.saida().cel(2, 3) = "-5";
  d = Grafico_Antes_Depois(a.sis);
  EXPECT_EQ(d.series[0].pontos, (P{{1070, 1155}}));
  EXPECT_EQ(d.referencias[0].de, (Ponto{1070, 1070}));
  ASSERT_EQ(d.omitidas.size(), 1u);
  EXPECT_EQ(d.omitidas[0].area, "Mun 1");
  EXPECT_EQ(d.omitidas[0].motivo, "projeção para 2002 = -5");
  EXPECT_EQ(d.legenda,
            "1 área fora do gráfico, listada ao lado: a escala logarítmica não aceita zero nem valor negativo.");
  EXPECT_GT(d.x.minimo, 0);
}

TEST_F(GraficosSimples, RatesToTheYearOnScreenWithTheOverallRateMarked) {
  // 5.61% and 3.90% a year: FD asks for 2 classes, of width 1 from 3.
  DadosTaxas t = Grafico_Taxas(a.sis, -1);
  EXPECT_EQ(t.titulo, "Taxas 2000/2002");
  EXPECT_EQ(classes(t.histograma), (std::vector<std::pair<double, int>>{{3, 1}, {4, 0}, {5, 1}}));
  ASSERT_EQ(t.referencias.size(), 1u);
  EXPECT_EQ(t.referencias[0].nome, "Taxa do conjunto: 4.08%");  // sqrt(1300 / 1200) - 1
  EXPECT_EQ(t.legenda, "");

  a.vars().cel(6, 3) = "Pop. negativa";
  t = Grafico_Taxas(a.sis, 0);
  EXPECT_EQ(t.histograma.regra, RegraClasses::ValorUnico);
  EXPECT_EQ(t.referencias[0].nome, "Taxa do bloco: 3.90%");
  EXPECT_EQ(t.legenda, "1 área com população negativa fora do histograma.\nUma só área: uma só classe.");

  AmbienteSimples vazio;
  EXPECT_EQ(Grafico_Taxas(vazio.sis, -1).legenda, "Não há resultados: calcule a projeção primeiro.");
}

class GraficoQuartis : public ::testing::Test {
 protected:
  AmbienteQuartis a{"quartis_estatisticas.csv"};
  void SetUp() override {
    ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
    ASSERT_TRUE(Sel_AreaChange(a.sis));
  }
  const SerieQuartil* serie(const DadosQuartis& g, int coluna, int linha) {
    for (const SerieQuartil& s : g.series)
      if (s.classe.coluna == coluna && s.classe.linha == linha) return &s;
    return nullptr;
  }
};

TEST_F(GraficoQuartis, PointsInTheCellsOfTheStatisticsPageAndTheLimits) {
  const DadosQuartis g = Grafico_Quartis(a.sis);
  EXPECT_EQ(g.Q, (std::array<double, 3>{220, 440, 660}));
  EXPECT_EQ(g.T, a.q().QuartisTax);
  ASSERT_EQ(g.referencias.size(), 6u);
  EXPECT_EQ(g.referencias[0].nome, "Q1 = 220");
  EXPECT_EQ(g.referencias[0].de.x, 220);
  EXPECT_EQ(g.referencias[1].nome, "T1 = -5.80317407861738");
  // Each cell holds what the page counts there.
  size_t pontos = 0;
  for (const SerieQuartil& s : g.series) {
    ASSERT_EQ(s.classe.tipo, TipoClasseQuartil::Celula);
    EXPECT_EQ(s.pontos.size(), size_t(a.q().Contagens[s.classe.quartil_pop - 1][s.classe.coluna - 1]));
    pontos += s.pontos.size();
  }
  EXPECT_EQ(pontos, 10u);
  // "Area b", 20 -> 10: the smallest, with a rate below T1 and below 0.
  const SerieQuartil* b = serie(g, 2, 1);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->classe.nome, "0 <= P00 e <= Q1 / T <= Q1 (T<0)");
  EXPECT_EQ(b->classe.quartil_taxa, 1);
  EXPECT_EQ(b->classe.cor_linha, CorEstatistica::BrancoSobrePreto);
  EXPECT_EQ(b->classe.cor_coluna, CorEstatistica::AmareloSobreCinza);
  ASSERT_EQ(b->indices.size(), 3u);
  a.q().tabela_partida = TabelaPartida::OrdemPop;
  EXPECT_EQ(Clique_Ponto_Quartis(a.sis, *b, 0), 1);
  EXPECT_EQ(a.q().pagina, PaginaQuartis::Tab_Partida);
  EXPECT_EQ(a.q().RegistrosQuartis[size_t(b->indices[0])].ident[3], "Area b");
}

TEST_F(GraficoQuartis, ExceptionsAndWhatTheLogAxisCannotHold) {
  a.q().Sel_Area.posicao = 3;  // "Grande a" and "Grande b", both exceptions
  const DadosQuartis e = Grafico_Quartis(a.sis);
  ASSERT_EQ(e.series.size(), 1u);
  EXPECT_EQ(e.series[0].classe.tipo, TipoClasseQuartil::Excecao);
  EXPECT_EQ(e.series[0].classe.nome, "Exceções: a partir de 1000");
  EXPECT_EQ(e.series[0].pontos.size(), 2u);
  EXPECT_EQ(e.legenda, "Não há registros que sofrem a divisão em quartis nesta área.");
  EXPECT_EQ(Clique_Ponto_Quartis(a.sis, e.series[0], 1), 2);
  EXPECT_EQ(a.q().pagina, PaginaQuartis::Excecoes);

  // Nine equal records and one of population 0.
  a.q().Sel_Area.posicao = 1;
  for (RegistroQuartil& r : a.q().RegistrosQuartis) r.pop1 = r.area == 0 ? 300 : r.pop1, r.taxa = 1;
  a.q().RegistrosQuartis[1].pop1 = 0;
  Ordem_por_Pop(a.q());
  Ordem_por_Tax(a.q());
  const DadosQuartis g = Grafico_Quartis(a.sis);
  EXPECT_EQ(g.legenda,
            "1 valor fora do gráfico: a escala logarítmica não aceita população zero nem negativa.\n"
            "Os 9 pontos coincidem.");
  EXPECT_TRUE(g.x.minimo > 0 && g.x.minimo < 300 && g.x.maximo > 300 && g.y.minimo < 1 && g.y.maximo > 1);
}

}  // namespace
}  // namespace zivu::teste
