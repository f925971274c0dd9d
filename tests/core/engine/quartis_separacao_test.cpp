// Quartile year: records and exceptions, both orderings, the union and the
// year's files.
#include <random>

#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"

namespace zivu::teste {
namespace {

using V = std::vector<std::string>;

const char* const kProblema = "Algum problema no cálculo. Tarefa cancelada.";

TEST(QuartisSeparacao, ThresholdSplitsRecordsFromExceptions) {
  AmbienteQuartis a("quartis_geral.csv", "0.000");
  a.plat.situacoes.clear();
  a.sis.status("2005 ");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const Quartis& q = a.q();
  // Each step adds its word to the status text as it stands.
  EXPECT_EQ(a.plat.situacoes, (V{"2005 ", "2005 Separando...", "2005 Separando...Ordenando..."}));

  // 499 inhabitants is a record, 500 (the threshold) an exception.
  ASSERT_EQ(q.Tab_Quartil.linhas(), 8);
  EXPECT_EQ(AmbienteQuartis::linha(q.Tab_Quartil, 1),
            (V{"1", "1 - Norte", "43", "Estado", "101", "Alfa", "300", "300", "0"}));
  EXPECT_EQ(AmbienteQuartis::linha(q.Tab_Quartil, 4),
            (V{"4", "1 - Norte", "43", "Estado", "106", "Zeta", "351", "499", "3.58081955108422"}));
  // The row above the second area is blank: its label says so.
  EXPECT_EQ(AmbienteQuartis::linha(q.Tab_Quartil, 5),
            (V{"5", "2 - <vazio>", "43", "Estado", "201", "Eta", "50", "20", "-8.75564634445192"}));
  EXPECT_EQ(q.AreaDoRegistro, (std::vector<int32_t>{0, 0, 0, 0, 1, 1, 1}));

  ASSERT_EQ(q.Tab_excecoes.linhas(), 4);
  EXPECT_EQ(AmbienteQuartis::linha(q.Tab_excecoes, 1),
            (V{"1", "1 - Norte", "43", "Estado", "103", "Gama", "600", "660", "0.9576582776887", "690",
               "0.892998907199627"}));
  EXPECT_EQ(AmbienteQuartis::linha(q.Tab_excecoes, 2, 5),
            (V{"Delta", "400", "500", "2.25651825635729", "550", "1.92448764914566"}));
  // Written "2.000" on the sheet; a negative projection has no rate to a
  // fractional power, and only that cell says so.
  EXPECT_EQ(AmbienteQuartis::linha(q.Tab_excecoes, 3),
            (V{"3", "2 - <vazio>", "43", "Estado", "203", "Iota", "2000", "500", "-12.9449436703876", "-250",
               "Erro"}));
  EXPECT_TRUE(a.plat.mensagens.empty());
}

TEST(QuartisSeparacao, TrackBarFollowsTheDataAreas) {
  AmbienteQuartis a("quartis_geral.csv");
  a.q().Sel_Area.posicao = 5;
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  EXPECT_TRUE(a.q().Sel_Area.habilitado);
  EXPECT_EQ(a.q().Sel_Area.maximo, 2);
  EXPECT_EQ(a.q().Sel_Area.posicao, 2);

  a.o().AreasDados.resize(1);
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  EXPECT_FALSE(a.q().Sel_Area.habilitado);
  EXPECT_EQ(a.q().Sel_Area.maximo, 1);
  EXPECT_EQ(a.q().Sel_Area.posicao, 1);
}

TEST(QuartisSeparacao, UncheckedIdentifiersAndSeparatorsInPopulations) {
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

TEST(QuartisOrdenacao, BlocksNeverMixAndTheTwoOrdersAreIndependent) {
  AmbienteQuartis a("quartis_geral.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const Quartis& q = a.q();
  EXPECT_EQ(AmbienteQuartis::coluna(q.Tab_quartil_ordem_pop, 5),
            (V{"Épsilon", "Beta", "Alfa", "Zeta", "Eta", "Teta", "Kapa"}));
  EXPECT_EQ(AmbienteQuartis::coluna(q.Tab_quartil_ordem_tax, 5),
            (V{"Beta", "Alfa", "Épsilon", "Zeta", "Teta", "Eta", "Kapa"}));
  EXPECT_EQ(AmbienteQuartis::coluna(q.Tab_quartil_ordem_pop, 0), (V{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(AmbienteQuartis::linha(q.Tab_quartil_ordem_tax, 1, 1),
            AmbienteQuartis::linha(q.Tab_Quartil, 2, 1));
  EXPECT_EQ(q.Tab_Descricao.linhas(), q.Tab_Quartil.linhas());
  EXPECT_EQ(q.Tab_Descricao.colunas(), 12);
}

TEST(QuartisUniao, RecordsInPopulationOrderThenTheBlocksExceptions) {
  AmbienteQuartis a("quartis_geral.csv", "0.000");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const Grade& u = a.q().Tab_Uniao;
  ASSERT_EQ(u.linhas(), 11);
  EXPECT_EQ(u.colunas(), 11);
  EXPECT_EQ(AmbienteQuartis::linha(u, 1),
            (V{"1", "1 - Norte", "43", "Estado", "105", "Épsilon", "100", "130", "2.6583631304232", "145",
               "2.208"}));
  EXPECT_EQ(AmbienteQuartis::coluna(u, 5),
            (V{"Épsilon", "Beta", "Alfa", "Zeta", "Gama", "Delta", "Eta", "Teta", "Kapa", "Iota"}));
  EXPECT_EQ(AmbienteQuartis::coluna(u, 0), (V{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(AmbienteQuartis::coluna(u, 9), (V{"145", "185", "300", "573", "690", "550", "5", "-50", "110", "-250"}));
  // Masked rates of the records; the exceptions keep their plain texts.
  EXPECT_EQ(AmbienteQuartis::coluna(u, 10), (V{"2.208", "-0.532", "0.000", "2.804", "0.892998907199627",
                                              "1.92448764914566", "-24.214", "--12.945", "1.924", "Erro"}));
  EXPECT_EQ(AmbienteQuartis::linha(u, 10, 1), AmbienteQuartis::linha(a.q().Tab_excecoes, 3, 1));
  EXPECT_TRUE(a.q().Adaptar);
  EXPECT_EQ(a.q().pagina, PaginaQuartis::DUniao);
}

TEST(QuartisUniao, BlockOneDoesNotTakeTheExceptionsOfBlocksTenAndEleven) {
  AmbienteQuartis a("quartis_blocos.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const Grade& u = a.q().Tab_Uniao;
  ASSERT_EQ(u.linhas(), 23);
  for (int k = 1; k <= 11; ++k) {
    const std::string rotulo = std::to_string(k) + " - Bloco " + std::to_string(k);
    EXPECT_EQ(u.cel(1, 2 * k - 1), rotulo);
    EXPECT_EQ(u.cel(4, 2 * k - 1), std::to_string(k) + "01");
    EXPECT_EQ(u.cel(1, 2 * k), rotulo);
    EXPECT_EQ(u.cel(4, 2 * k), std::to_string(k) + "02");
  }
  // Each block projects against its own line and total (1300 for block 1,
  // 2200 for block 10).
  EXPECT_EQ(u.cel(9, 1), "145");
  EXPECT_EQ(u.cel(9, 2), "690");
  EXPECT_EQ(u.cel(9, 19), "280");
  EXPECT_EQ(u.cel(9, 20), "960");
}

TEST(QuartisUniao, IntermediateYearRatesCountTheirOwnMonths) {
  AmbienteQuartis a("quartis_geral.csv", "0.000");
  // 2003: 36 months after September 2000, whatever the target year.
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2003"));
  EXPECT_EQ(a.q().Tab_excecoes.cel(10, 1), "1.49275739061074");
  EXPECT_EQ(a.q().Tab_Uniao.cel(10, 1), "3.707");
  EXPECT_EQ(a.q().Tab_Uniao.cel(10, 5), "1.49275739061074");
}

TEST(QuartisArquivos, TheYearIsStoredAsUnionAdjustmentAndMarker) {
  AmbienteQuartis a("quartis_geral.csv", "0.000");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const std::string qu = le_tudo(a.pasta / "QU2005.CSV");
  EXPECT_EQ(qu.substr(0, qu.find("\r\n") + 2),
            "\"1 - Norte\";\"43\";\"Estado\";\"105\";\"\xC9psilon\";\"100\";\"130\";\"2.6583631304232\";\"145\";"
            "\"2.208\";\r\n");
  EXPECT_EQ(le_tudo(a.pasta / "Q22005.CSV"),
            "\"1 - Norte\";\"1485\";\"2443\";\"690\";\"-268\";\"5\";\r\n"
            "\"2 - <vazio>\";\"-185\";\"-185\";\"110\";\"110\";\"9\";\r\n");
  EXPECT_EQ(le_tudo(a.pasta / "QA2005"), "adaptar");
}

struct Falha {
  const char* nome;
  int coluna, linha;
  const char* texto;
};

class QuartisFalha : public ::testing::TestWithParam<Falha> {};

TEST_P(QuartisFalha, CancelsTheYearWithoutFiles) {
  AmbienteQuartis a("quartis_geral.csv");
  a.o().DadosEntrada.cel(GetParam().coluna, GetParam().linha) = GetParam().texto;
  EXPECT_FALSE(Projeta_Ano_Quartis(a.sis, "2005"));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, kProblema);
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Erro!");
  EXPECT_FALSE(existe(a.pasta / "QU2005.CSV"));
  EXPECT_FALSE(existe(a.pasta / "Q22005.CSV"));
  EXPECT_FALSE(existe(a.pasta / "QA2005"));
  EXPECT_FALSE(a.plat.espera);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, QuartisFalha,
    ::testing::Values(Falha{"RecordWithoutFirstSurveyPopulation", 5, 4, "0"},
                      Falha{"ExceptionWithoutFirstSurveyPopulation", 5, 6, "0"},
                      Falha{"BaseEqualInBothSurveys", 6, 2, "1.000"},
                      Falha{"RecordWithoutSecondSurveyPopulation", 6, 11, "0"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(QuartisConversao, FailureShowsTheConversionMessage) {
  AmbienteQuartis a("quartis_geral.csv");
  a.o().DadosEntrada.cel(6, 5) = "19o";
  EXPECT_FALSE(Projeta_Ano_Quartis(a.sis, "2005"));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "'19o' não é um valor inteiro válido.");
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Erro!");
}

}  // namespace
}  // namespace zivu::teste
