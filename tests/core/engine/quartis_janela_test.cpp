// Quartile year: records and exceptions, both orderings, the union, its
// adjustment table and the year's files. The quartile window around the
// engine: loading a stored year, header rows, exports, a whole run from
// "Calcular"; the statistics of one data area: quartile positions, the
// cross-table, the records by group, and the window's rules around the table.
#include "core/engine/calculo.h"
#include "core/results/quartis_comandos.h"
#include "core/engine/escolha_ano.h"
#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"
#include "core/files/gravador.h"
#include "core/worksheet/validacao.h"

#include <functional>
#include <random>
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
  EXPECT_EQ(a.plat.dialogos[0].filtro, kFiltrosArquivos);

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

// quartis_geral.csv, threshold 500: 499 inhabitants is a record, 500 an
// exception; the row above the second area is blank ("2 - <vazio>"); "Iota",
// written "2.000", projects negative and only its rate cell says "Erro".
// Blocks never mix in either ordering; the union holds the records in
// population order, then each block's exceptions, with masked rates. The
// adjustment gives the whole -958 (sums 2443 and -185 against 1300) to the
// largest of all blocks, the 690 of block 1.
TEST(QuartisCalculo, GeneralWorksheet) {
  AmbienteQuartis a("quartis_geral.csv", "0.000");
  a.plat.situacoes.clear();
  a.sis.status("2005 ");
  a.q().Sel_Area.posicao = 5;
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  // Each step adds its word to the status text as it stands.
  EXPECT_EQ(a.plat.situacoes, (V{"2005 ", "2005 Separando...", "2005 Separando...Ordenando..."}));
  espera_dourado("quartis_geral_2005.txt", a.texto_ano("2005"));
  EXPECT_EQ(a.q().Tab_Descricao.linhas(), a.q().Tab_Quartil.linhas());
  EXPECT_EQ(a.q().pagina, PaginaQuartis::DUniao);
  EXPECT_TRUE(a.plat.mensagens.empty());
  // The track bar follows the data areas.
  EXPECT_TRUE(a.q().Sel_Area.habilitado);
  EXPECT_EQ(a.q().Sel_Area.maximo, 2);
  EXPECT_EQ(a.q().Sel_Area.posicao, 2);

  // 2003: 36 months after September 2000, whatever the target year.
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2003"));
  EXPECT_EQ(a.q().Tab_excecoes.cel(10, 1), "1.49275739061074");
  EXPECT_EQ(a.q().Tab_Uniao.cel(10, 1), "3.707");
  EXPECT_EQ(a.q().Tab_Uniao.cel(10, 5), "1.49275739061074");

  a.o().AreasDados.resize(1);
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  EXPECT_FALSE(a.q().Sel_Area.habilitado);
  EXPECT_EQ(a.q().Sel_Area.maximo, 1);
  EXPECT_EQ(a.q().Sel_Area.posicao, 1);
}

// Block 1 does not take the exceptions of blocks 10 and 11; each block
// projects against its own line and total and is adjusted to it.
TEST(QuartisCalculo, BlockWorksheet) {
  AmbienteQuartis a("quartis_blocos.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  espera_dourado("quartis_blocos_2005.txt", a.texto_ano("2005"));
  a.q().Sel_Area.posicao = 10;
  ASSERT_TRUE(Sel_AreaChange(a.sis));
  EXPECT_EQ(a.q().Sel_Area.hint, "Área 10 - Bloco 10");
  EXPECT_EQ(a.q().Tab_Descricao.cel(10, 1), "280");

  // Fewer blocks afterwards: no row of the earlier table is left over.
  a.o().AreasDados.resize(2);
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  EXPECT_EQ(a.q().Tab_DUniao.linhas(), 3);

  // Two trailing data areas without rows: no row is added after an empty
  // label, so the last block's figures land on the row of the one before.
  a.o().AreasDados.resize(4);
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  ASSERT_EQ(a.q().Tab_DUniao.linhas(), 4);
  const std::string apos = std::to_string(a.q().Tab_Uniao.linhas());
  EXPECT_EQ(AmbienteQuartis::linha(a.q().Tab_DUniao, 3), (V{"4", "", "1600", "0", "0", "1600", apos}));
  EXPECT_TRUE(AdaptarClick_Quartis(a.sis));
}

TEST(QuartisCalculo, SeparatorsInPopulationsAndUncheckedIdentifiers) {
  AmbienteQuartis a("quartis_estatisticas.csv");
  // The same population with a thousands separator gives the same record.
  a.o().DadosEntrada.cel(3, 4) = "5.00";
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  EXPECT_EQ(AmbienteQuartis::linha(a.q().Tab_Quartil, 1, 1),
            (V{"1 - Bloco Um", "<vazio>", "<vazio>", "1a", "Area a", "500", "550", "0.9576582776887"}));
}

TEST(QuartisOrdenacao, ExchangeRuleOrdersEqualKeysAsItExchanges) {
  // 2a and 2b are never exchanged with each other, but 2a goes to the end
  // when 1 takes its place: a stable sort would keep 2a first.
  std::vector<int32_t> idx{0, 1, 2};
  std::vector<double> chave{2, 2, 1};
  ordena_por_trocas(idx, chave, 0, 3);
  EXPECT_EQ(idx, (std::vector<int32_t>{2, 1, 0}));
  EXPECT_EQ(chave, (std::vector<double>{1, 2, 2}));
}

// The rule itself, exchanging whole records, as the reference.
TEST(QuartisOrdenacao, IndicesMatchExchangingWholeRecords) {
  struct Reg {
    int id;
    double chave;
  };
  std::mt19937 gerador(7);
  for (int rodada = 0; rodada < 300; ++rodada) {
    const size_t n = 1 + gerador() % 120;
    const size_t ini = gerador() % 4, fim = n - (n > ini + 1 ? gerador() % (n - ini) : 0);
    // From nearly all keys equal to nearly all distinct.
    std::uniform_int_distribution<int> valores(0, 1 + rodada % 40);
    std::vector<Reg> regs;
    for (size_t i = 0; i < n; ++i) {
      double chave = valores(gerador);
      if (rodada % 7 == 0) chave = -chave / 4;  // negative rates too
      if (rodada % 11 == 0) chave = static_cast<double>(n - i) / 3;  // descending
      regs.push_back({static_cast<int>(i), chave});
    }
    std::vector<int32_t> idx;
    std::vector<double> chave;
    for (const Reg& r : regs) {
      idx.push_back(r.id);
      chave.push_back(r.chave);
    }
    for (size_t i = ini; i + 1 < fim; ++i)
      for (size_t j = i + 1; j < fim; ++j)
        if (regs[i].chave > regs[j].chave) std::swap(regs[i], regs[j]);
    ordena_por_trocas(idx, chave, ini, fim);
    for (size_t i = 0; i < n; ++i) {
      ASSERT_EQ(idx[i], regs[i].id) << "round " << rodada << " position " << i;
      ASSERT_EQ(chave[i], regs[i].chave) << "round " << rodada << " position " << i;
    }
  }
}

// A union of one block with the projected populations given.
void uniao_de_um_bloco(Quartis& q, const std::vector<std::string>& valores) {
  q.Tab_Uniao.limpa();
  q.Tab_Uniao.redimensiona(11, static_cast<int>(valores.size()) + 1);
  for (size_t i = 0; i < valores.size(); ++i) {
    q.Tab_Uniao.cel(1, static_cast<int>(i) + 1) = "1 - Bloco";
    q.Tab_Uniao.cel(9, static_cast<int>(i) + 1) = valores[i];
  }
}

TEST(QuartisAjuste, LargestIsTheFirstMetAndMayBeTheFirstRow) {
  AmbienteQuartis a("quartis_geral.csv");
  a.o().AreasDados.resize(1);
  a.o().TotalPrincipal = 1000;
  const std::pair<V, V> casos[] = {{{"300", "600", "103"}, {"1000", "1003", "600", "597", "2"}},
                                   {{"450", "450", "103"}, {"1000", "1003", "450", "447", "1"}}};
  for (const auto& [uniao, ajuste] : casos) {
    uniao_de_um_bloco(a.q(), uniao);
    ASSERT_TRUE(Monta_Ajuste(a.sis));
    EXPECT_EQ(AmbienteQuartis::linha(a.q().Tab_DUniao, 1, 2), ajuste);
  }
  // Nothing to adjust leaves Adaptar disabled.
  a.o().TotalPrincipal = 1003;
  a.q().Adaptar = false;
  uniao_de_um_bloco(a.q(), {"300", "600", "103"});
  ASSERT_TRUE(Monta_Ajuste(a.sis));
  EXPECT_EQ(AmbienteQuartis::linha(a.q().Tab_DUniao, 1, 4), (V{"600", "600", "2"}));
  EXPECT_FALSE(a.q().Adaptar);
}

TEST(QuartisAjuste, AdaptarAppliesTheTableAndStoresTheYearAgain) {
  AmbienteQuartis a("quartis_geral.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  a.q().Ano_Projetado_hint = "2005";
  const std::string antes = a.q().Tab_Uniao.cel(9, 5);
  a.q().Tab_DUniao.cel(6, 2) = "9x";
  EXPECT_FALSE(AdaptarClick_Quartis(a.sis));
  EXPECT_EQ(a.plat.mensagens.back().texto, "'9x' não é um valor inteiro válido.");
  EXPECT_EQ(a.q().Tab_Uniao.cel(9, 5), antes);
  EXPECT_TRUE(a.q().Adaptar);

  a.q().Tab_DUniao.cel(6, 2) = "9";
  ASSERT_TRUE(AdaptarClick_Quartis(a.sis));
  EXPECT_EQ(AmbienteQuartis::coluna(a.q().Tab_Uniao, 9),
            (V{"145", "185", "300", "573", "-268", "550", "5", "-50", "110", "-250"}));
  EXPECT_FALSE(a.q().Adaptar);
  EXPECT_EQ(le_tudo(a.pasta / "QA2005"), "nao adaptar");
  EXPECT_NE(le_tudo(a.pasta / "QU2005.CSV").find("\"Gama\";\"600\";\"660\";\"0.9576582776887\";\"-268\";"),
            std::string::npos);
}

// Each failure cancels the year without files; a text that is no integer
// gives the conversion message instead.
TEST(QuartisFalha, CancelsTheYearWithoutFiles) {
  const std::tuple<int, int, const char*, const char*> casos[] = {
      {5, 4, "0", "Algum problema no cálculo. Tarefa cancelada."},  // record without first population
      {5, 6, "0", "Algum problema no cálculo. Tarefa cancelada."},  // exception without it
      {6, 2, "1.000", "Algum problema no cálculo. Tarefa cancelada."},  // base equal in both surveys
      {6, 11, "0", "Algum problema no cálculo. Tarefa cancelada."},  // record without second population
      {6, 5, "19o", "'19o' não é um valor inteiro válido."}};
  for (const auto& [c, r, texto, mensagem] : casos) {
    AmbienteQuartis a("quartis_geral.csv");
    a.o().DadosEntrada.cel(c, r) = texto;
    EXPECT_FALSE(Projeta_Ano_Quartis(a.sis, "2005"));
    EXPECT_EQ(a.plat.retira_mensagens(), "! Erro!|" + std::string(mensagem) + "\n") << texto;
    EXPECT_FALSE(existe(a.pasta / "QU2005.CSV"));
    EXPECT_FALSE(existe(a.pasta / "Q22005.CSV"));
    EXPECT_FALSE(existe(a.pasta / "QA2005"));
    EXPECT_FALSE(a.plat.espera);
  }
}

}  // namespace
}  // namespace zivu::teste
