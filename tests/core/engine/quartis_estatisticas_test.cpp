// Statistics of one data area: quartile positions, the cross-table, the
// records by group, and the window's rules around the table.
#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"
#include "core/results/quartis_comandos.h"

#include <tuple>

namespace zivu::teste {
namespace {

using V = std::vector<std::string>;

class QuartisEstatisticas : public ::testing::Test {
 protected:
  AmbienteQuartis a{"quartis_estatisticas.csv"};
  void SetUp() override {
    ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
    a.q().Ano_Projetado_hint = "2005";
  }
  bool area(int p) {
    a.q().Sel_Area.posicao = p;
    return Sel_AreaChange(a.sis);
  }
  const Grade& e() { return a.q().Tab_Estatisticas; }
};

TEST_F(QuartisEstatisticas, TenRecordsGiveQuartilePositionsTwoFourSix) {
  ASSERT_TRUE(area(1));
  EXPECT_EQ(a.q().Sel_Area.hint, "Área 1 - A");
  EXPECT_EQ(e().cel(2, 12), "Posições 2, 4 e 6");
  EXPECT_EQ(AmbienteQuartis::linha(e(), 13, 1), (V{"Q1 =", "220", "T1 =", "-5.80317407861738", "", ""}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 14, 1), (V{"Q2 =", "440", "T2 =", "0", "", ""}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 15, 1), (V{"Q3 =", "660", "T3 =", "0.9576582776887", "", ""}));

  // Population classes of 3, 2, 2 and 3 records; the rates equal to T1 are
  // in "T <= Q1 (T<0)", the zero rate above a negative T1 in the third column.
  EXPECT_EQ(AmbienteQuartis::linha(e(), 1), (V{"0 <= P00", "0", "3", "0", "0", "0", "3"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 2), (V{"e <= Q1", "0", "30", "0", "0", "0", "30"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 3), (V{"Q1 < P00", "0", "1", "0", "1", "0", "2"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 5), (V{"Q2 < P00", "0", "0", "0", "1", "1", "2"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 7), (V{"Q3 < P00", "0", "0", "1", "1", "1", "3"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 8), (V{"e < 1000", "0", "0", "10", "10", "10", "30"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 9), (V{"Total Qt.", "0", "4", "1", "3", "2", ""}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 10), (V{"Total %", "0", "40", "10", "30", "20", ""}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 0, 1),
            (V{"T <= Q1 (T>=0)", "T <= Q1 (T<0)", "Q1 < T <= Q2 (T>=0)", "Q2 < T <= Q3 (T>=0)",
               "T > Q3 (T>=0)", "Totais Qt/%"}));
  EXPECT_EQ(e().cel(1, 12), "Os quartis");
  EXPECT_EQ(AmbienteQuartis::coluna(e(), 0)[12], "Mínimo");

  // Quartile rows marked in both ordered grids.
  EXPECT_EQ(AmbienteQuartis::coluna(a.q().Tab_quartil_ordem_pop, 0)[2], "3 - Q1");
  EXPECT_EQ(AmbienteQuartis::coluna(a.q().Tab_quartil_ordem_tax, 0)[4], "5 - Q2");
  EXPECT_EQ(AmbienteQuartis::coluna(a.q().Tab_quartil_ordem_pop, 0)[6], "7 - Q3");
}

TEST_F(QuartisEstatisticas, DescriptionListsTheRecordsGroupByGroup) {
  ASSERT_TRUE(area(1));
  const Grade& d = a.q().Tab_Descricao;
  EXPECT_EQ(AmbienteQuartis::coluna(d, 5),
            (V{"1b", "1d", "1g", "1i", "1f", "1a", "1j", "1c", "1h", "1e", "", "", "", "", ""}));
  EXPECT_EQ(AmbienteQuartis::coluna(d, 1)[3], "7");
  EXPECT_EQ(AmbienteQuartis::linha(d, 1),
            (V{"1", "2", "1 - Bloco Um", "<vazio>", "<vazio>", "1b", "Area b", "20", "10", "-6.69670084631926", "0",
               "-100"}));
  // A negative projection: the sign goes in front of the negative rate.
  EXPECT_EQ(AmbienteQuartis::linha(d, 4, 7), (V{"1000", "440", "-7.881837238746", "-120", "--22.8837835023239"}));
  EXPECT_EQ(AmbienteQuartis::linha(d, 10, 10), (V{"1530", "9.09660785014497"}));
}

TEST_F(QuartisEstatisticas, FewerThanFourRecordsAndRatesNoRuleCounts) {
  ASSERT_TRUE(area(2));
  EXPECT_EQ(e().cel(2, 12), "Posições 10, 10 e 10");
  // Class 0 holds only the first record, class 3 the rest; -5.17 and -0.95
  // lie above T2 = T1 and are not counted.
  EXPECT_EQ(AmbienteQuartis::linha(e(), 1, 1), (V{"0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 7, 1), (V{"0", "1", "0", "0", "0", "1"}));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 8, 1), (V{"0", "100", "0", "0", "0", "100"}));
  // Records no rule counts are listed under group 1.
  const Grade& d = a.q().Tab_Descricao;
  EXPECT_EQ(AmbienteQuartis::coluna(d, 1)[0], "1");
  EXPECT_EQ(AmbienteQuartis::coluna(d, 1)[1], "1");
  EXPECT_EQ(AmbienteQuartis::coluna(d, 1)[2], "17");
  EXPECT_EQ(AmbienteQuartis::linha(d, 3, 5), (V{"2B", "Area B", "560", "200", "-9.7838692462488", "-160",
                                               "--4.3647500209963"}));
}

TEST_F(QuartisEstatisticas, NoCountedRecordLeavesThePercentagesEmpty) {
  a.o().cfg.Div_habitantes = "1";
  ASSERT_TRUE(area(4));
  EXPECT_EQ(AmbienteQuartis::linha(e(), 1, 1), (V{"0", "0", "0", "0", "0", "0"}));
  for (int r : {2, 4, 6, 8, 10}) EXPECT_EQ(AmbienteQuartis::linha(e(), r, 1), (V{"", "", "", "", "", ""})) << r;
  EXPECT_EQ(e().cel(0, 8), "e < 1");
}

TEST_F(QuartisEstatisticas, AreaOfExceptionsOnlyKeepsThePreviousStatistics) {
  ASSERT_TRUE(area(1));
  EXPECT_FALSE(area(3));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "Não há registros que sofrem a divisão em quartis nesta área. (Área 3 - )");
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Atenção!");
  EXPECT_EQ(e().cel(2, 12), "Posições 2, 4 e 6");
  EXPECT_FALSE(a.plat.espera);
}

TEST_F(QuartisEstatisticas, MovingTheTrackBarRemovesTheEarlierMarks) {
  ASSERT_TRUE(area(1));
  ASSERT_TRUE(area(2));
  const V pop = AmbienteQuartis::coluna(a.q().Tab_quartil_ordem_pop, 0);
  EXPECT_EQ(pop[2], "3");
  EXPECT_EQ(pop[10], "11 - Q1 - Q2 - Q3");
}

TEST_F(QuartisEstatisticas, ThresholdNotAboveZeroComputesNothing) {
  a.o().cfg.Div_habitantes = "0";
  EXPECT_FALSE(area(1));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "Valor divisório de habitantes deve ser maior que 0.");
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Erro");
  EXPECT_EQ(e().cel(2, 12), "");
}

TEST_F(QuartisEstatisticas, NewTableAfterTheRunRefusesWithoutHarm) {
  a.o().CriarClick();
  EXPECT_FALSE(area(1));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "Algum problema no cálculo. Tarefa cancelada.");
  EXPECT_FALSE(a.plat.espera);
}

TEST(QuartisEstatisticasBlocos, HintNamesTheSecondaryLine) {
  AmbienteQuartis a("quartis_blocos.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  a.q().Sel_Area.posicao = 10;
  ASSERT_TRUE(Sel_AreaChange(a.sis));
  EXPECT_EQ(a.q().Sel_Area.hint, "Área 10 - Bloco 10");
  EXPECT_EQ(a.q().Tab_Descricao.cel(10, 1), "280");
}

TEST_F(QuartisEstatisticas, ClickEnablesVerGrupoOnlyForCountCellsNotZero) {
  ASSERT_TRUE(area(1));
  Quartis& q = a.q();
  // The statistics end with the click on the current cell (1, 1), a "0".
  EXPECT_EQ(e().cel(0, 0), "1 x 1");
  EXPECT_FALSE(q.Ver_grupo);
  // Counts and percentages that are not zero; not the totals row or column.
  for (const auto& [c, r, ver] : {std::tuple{4, 6, true}, {3, 6, false}, {2, 2, true}, {6, 1, false},
                                  {2, 9, false}, {1, 3, false}}) {
    Tab_EstatisticasSeleciona(q, c, r);
    EXPECT_EQ(e().cel(0, 0), std::to_string(c) + " x " + std::to_string(r));
    EXPECT_EQ(q.Ver_grupo, ver) << c << "," << r;
  }
}

TEST_F(QuartisEstatisticas, VerGrupoJumpsToTheGroupsFirstRecord) {
  ASSERT_TRUE(area(1));
  Quartis& q = a.q();
  q.pagina = PaginaQuartis::Estatisticas;
  Tab_EstatisticasSeleciona(q, 4, 5);  // group 14
  Ver_grupoClick(a.sis);
  EXPECT_EQ(q.desc_lin, 6);
  EXPECT_EQ(q.desc_col, 2);
  EXPECT_EQ(q.pagina, PaginaQuartis::Registros_descritos);
  EXPECT_TRUE(a.plat.mensagens.empty());

  // A group without records: the scan stops at the first empty row.
  Tab_EstatisticasSeleciona(q, 1, 1);
  Ver_grupoClick(a.sis);
  EXPECT_EQ(q.desc_lin, 6);
  EXPECT_TRUE(a.plat.mensagens.empty());

  // ... and reports it only when the grid is full.
  q.Tab_Descricao.redimensiona(12, 11);
  Ver_grupoClick(a.sis);
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "Fim da tabela atingido e nada encontrado.");
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Erro!");
}

TEST(QuartisJanela, GroupOfACountCell) {
  for (const auto& [c, r, g] : {std::tuple{1, 1, 1}, {3, 6, 13}, {5, 8, 20}, {2, 2, 2}, {6, 1, 0}, {1, 9, 0}})
    EXPECT_EQ(grupo_da_celula(c, r), g) << c << "," << r;
}

TEST(QuartisJanela, StatisticsColouring) {
  using C = CorEstatistica;
  auto cor = [](int c, int r) { return Tab_EstatisticasDrawCell(c, r); };
  EXPECT_FALSE(cor(1, 1).propria);
  EXPECT_FALSE(cor(6, 9).propria);
  for (const auto& [c, r, esperada] :
       {std::tuple{1, 0, C::BrancoSobrePreto}, {2, 0, C::AmareloSobreCinza}, {5, 0, C::BrancoSobrePreto},
        {0, 6, C::BrancoSobrePreto}, {0, 7, C::AmareloSobreCinza}, {4, 12, C::BrancoNegritoSobreVermelho}})
    EXPECT_EQ(cor(c, r).cor, esperada) << c << "," << r;
  // Painted here, with the grid's own colours.
  for (auto [c, r] : {std::pair{0, 0}, {6, 0}, {0, 9}, {5, 12}, {0, 12}}) {
    EXPECT_TRUE(cor(c, r).propria) << c << "," << r;
    EXPECT_EQ(cor(c, r).cor, C::Grade) << c << "," << r;
  }
}

}  // namespace
}  // namespace zivu::teste
