// The quartile window around the engine: loading a stored year, header rows,
// exports, and a whole run from "Calcular".
#include "core/engine/calculo.h"
#include "core/results/quartis_comandos.h"
#include "core/engine/escolha_ano.h"
#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"
#include "core/worksheet/validacao.h"

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

}  // namespace
}  // namespace zivu::teste
