// The quartile window around the engine: loading a stored year, header rows,
// exports, a whole run from "Calcular"; the statistics of one data area:
// quartile positions, the cross-table, the records by group, and the
// window's rules around the table.
#include "core/engine/calculo.h"
#include "core/results/quartis_comandos.h"
#include "core/engine/escolha_ano.h"
#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"
#include "core/worksheet/validacao.h"

#include <functional>
#include <tuple>

namespace zivu::teste {
namespace {

using V = std::vector<std::string>;

class QuartisAno : public ::testing::Test {
 protected:
  AmbienteQuartis a{"quartis_geral.csv", "0.000"};
  void SetUp() override {
    a.o().Outros_totaisClick();
    a.q().Esc_Ano_Projetado = a.sis.simples.Esc_Ano_Projetado = {"2004", "2005"};
    ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
    a.q().Esc_Ano_Projetado_indice = 1;
    Ano_ProjetadoClick(a.q());
  }
};

TEST_F(QuartisAno, AcceptingAYearLoadsItsStoredFiles) {
  a.q().Tab_Uniao.cel(9, 5) = "1";
  a.q().Tab_DUniao.cel(5, 1) = "x";
  a.q().Adaptar = false;
  ASSERT_TRUE(Aceitar_anoClick_Quartis(a.sis));
  EXPECT_EQ(a.q().Tab_Uniao.cel(9, 5), "690");
  EXPECT_EQ(a.q().Tab_DUniao.cel(5, 1), "-268");
  EXPECT_TRUE(a.q().Adaptar);
  EXPECT_EQ(a.q().Ano_Projetado_hint, "2005");
  EXPECT_FALSE(a.q().Anos_visivel);
  EXPECT_TRUE(a.q().barra3_habilitado);
  // Column 10's heading after the reload.
  EXPECT_EQ(a.q().Tab_Uniao.cel(10, 0), "Taxa 2000/2005");
  EXPECT_TRUE(a.plat.mensagens.empty());
}

// The years of the surveys and of the year shown name the columns.
TEST_F(QuartisAno, HeaderRowsOfTheListingGrids) {
  a.q().Ano_Projetado_hint = "2005";
  Titulos_Quartis(a.sis);
  std::string t;
  for (const Grade* g : {&a.q().Tab_quartil_ordem_tax, &a.q().Tab_Descricao, &a.q().Tab_excecoes, &a.q().Tab_DUniao,
                         &a.q().Tab_Estatisticas})
    t += texto_grade(g->nome(), *g, 1);
  espera_dourado("quartis_titulos.txt", t);
}

TEST_F(QuartisAno, MissingMarkerKeepsTheChooserOpen) {
  a.q().Esc_Ano_Projetado_indice = 0;
  EXPECT_FALSE(Aceitar_anoClick_Quartis(a.sis));
  EXPECT_EQ(a.plat.retira_mensagens(),
            "! Derova ZiVu 1.0|Não foi possível abrir o arquivo " + (a.pasta / "QA2004") + ".\n");
  EXPECT_TRUE(a.q().Anos_visivel);
}

class QuartisExportacao : public QuartisAno {
 protected:
  void escolhe(const std::string& nome, int filtro) { a.plat.escolhas.push_back(EscolhaArquivo{nome, filtro}); }
};

TEST_F(QuartisExportacao, ExceptionsAsCsvAndAsDatAfterACancelledDialog) {
  EXPECT_FALSE(Exportar_excClick(a.sis));
  ASSERT_EQ(a.plat.dialogos.size(), 1u);
  EXPECT_EQ(a.plat.dialogos[0].filtro,
            "CSV (Arq. separado por ';')|*.csv|DAT (Arq. de dados SAS - separado por espaços)|*.DAT");

  escolhe(a.pasta / "exc", 1);
  ASSERT_TRUE(Exportar_excClick(a.sis));
  const std::string csv = le_tudo(a.pasta / "exc.CSV");
  EXPECT_EQ(csv.substr(csv.rfind("\r\n", csv.size() - 3) + 2),
            "\"2 - <vazio>\";\"43\";\"Estado\";\"203\";\"Iota\";\"2000\";\"500\";\"-12.9449436703876\";\"-250\";"
            "\"Erro\";\r\n");
  escolhe(a.pasta / "exc", 2);
  ASSERT_TRUE(Exportar_excClick(a.sis));
  EXPECT_TRUE(existe(a.pasta / "exc.DAT"));
}

TEST_F(QuartisExportacao, UnionIsCsvWhateverTheFilter) {
  escolhe(a.pasta / "uniao", 2);
  ASSERT_TRUE(Exportar_UniaoClick(a.sis));
  EXPECT_FALSE(existe(a.pasta / "uniao.DAT"));
  EXPECT_EQ(le_tudo(a.pasta / "uniao.CSV"), le_tudo(a.pasta / "QU2005.CSV"));
}

TEST_F(QuartisExportacao, ListingKeepsItsPopulationsAndRate) {
  a.q().tabela_partida = TabelaPartida::OrdemTax;
  escolhe(a.pasta / "tp", 1);
  ASSERT_TRUE(Exportar_TPClick(a.sis));
  const std::string csv = le_tudo(a.pasta / "tp.CSV");
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "\"1 - Norte\";\"43\";\"Estado\";\"102\";\"Beta\";\"200\";\"190\";\"-0.511619689182374\";");
  // Rows over the worksheet's extent; columns widened to the listing's own.
  const Grade& g = a.q().tabela_partida_atual();
  const int linhas = std::max<int>(a.o().UltimaLinha, g.linhas() - 1);
  const int colunas = std::max<int>(a.o().UltimaColuna, g.colunas() - 1);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), linhas);
  EXPECT_EQ(std::count(csv.begin(), csv.begin() + csv.find("\r\n"), ';'), colunas);
  EXPECT_GT(a.o().UltimaLinha, g.linhas() - 1);
}

TEST_F(QuartisExportacao, StatisticsOfTheAreaShown) {
  a.q().Ano_Projetado_hint = "2005";
  ASSERT_TRUE(Sel_AreaChange(a.sis));
  escolhe(a.pasta / "est.csv", 1);
  ASSERT_TRUE(Exportar_EstClick(a.sis));
  const std::string csv = le_tudo(a.pasta / "est.csv");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 16);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "\"0\";\"1\";\"1\";\"0\";\"0\";\"2\";");
}

TEST(QuartisCalculo, CalcularRunsEveryStepAndShowsTheLastYear) {
  AmbienteQuartis a("quartis_geral.csv");
  a.o().cfg.MetodoQuartis = true;
  ASSERT_TRUE(Calcular(a.sis));
  const Quartis& q = a.q();
  EXPECT_TRUE(a.plat.mensagens.empty());
  EXPECT_EQ(q.Ano_Projetado_hint, "2005");
  EXPECT_TRUE(existe(a.pasta / "QU2005.CSV"));
  EXPECT_EQ(q.Tab_Uniao.cel(9, 0), "2005");
  // Statistics of area 1: four records, quartile positions 1, 2 and 3.
  EXPECT_EQ(q.Sel_Area.hint, "Área 1 - A");
  EXPECT_EQ(q.Tab_Estatisticas.cel(2, 12), "Posições 1, 2 e 3");
  EXPECT_EQ(q.Tab_Descricao.cel(5, 1), "102");
  EXPECT_EQ(a.sis.princ.situacao.rfind("Calculado, levando ", 0), 0u);
}

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
