// Statistics of one data area: quartile positions, the cross-table, the
// records by group, and the window's rules around the table.
#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"
#include "core/results/quartis_comandos.h"

#include <functional>
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

// Area 1: ten records give quartile positions 2, 4 and 6 (Q 220, 440, 660);
// population classes of 3, 2, 2 and 3 records; the rates equal to T1 are in
// "T <= Q1 (T<0)", the zero rate above a negative T1 in the third column.
// The description lists the records group by group, a negative projection
// with the sign in front of its negative rate; the quartile rows are marked
// in both ordered grids.
// Area 2: fewer than four records, positions 10, 10 and 10; -5.17 and -0.95
// lie above T2 = T1 and no rule counts them: they are listed under group 1.
// Area 4 with threshold 1: no counted record leaves the percentages empty.
TEST_F(QuartisEstatisticas, PagesOfThreeAreas) {
  ASSERT_TRUE(area(1));
  std::string t = a.texto_estatisticas();
  ASSERT_TRUE(area(2));  // moving the track bar removes the earlier marks
  t += a.texto_estatisticas();
  a.o().cfg.Div_habitantes = "1";
  ASSERT_TRUE(area(4));
  t += texto_grade("Tab_Estatisticas", e());
  espera_dourado("quartis_estatisticas_areas.txt", t);
}

// Refusals keep the statistics shown before.
TEST_F(QuartisEstatisticas, RefusalsKeepThePreviousStatistics) {
  const std::tuple<std::function<void()>, int, const char*, const char*> casos[] = {
      {[] {}, 3, "Não há registros que sofrem a divisão em quartis nesta área. (Área 3 - )", "Atenção!"},
      {[this] { a.o().cfg.Div_habitantes = "0"; }, 1, "Valor divisório de habitantes deve ser maior que 0.",
       "Erro"},
      {[this] {
         a.o().cfg.Div_habitantes = "1000";
         a.o().CriarClick();
       },
       1, "Algum problema no cálculo. Tarefa cancelada.", "Erro!"}};
  ASSERT_TRUE(area(1));
  for (const auto& [altera, area_nova, texto, titulo] : casos) {
    a.plat.mensagens.clear();
    altera();
    EXPECT_FALSE(area(area_nova));
    EXPECT_EQ(a.plat.retira_mensagens(), "! " + std::string(titulo) + "|" + texto + "\n");
    EXPECT_EQ(e().cel(2, 12), "Posições 2, 4 e 6");
    EXPECT_FALSE(a.plat.espera);
  }
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
  EXPECT_EQ(a.plat.retira_mensagens(), "! Erro!|Fim da tabela atingido e nada encontrado.\n");
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
