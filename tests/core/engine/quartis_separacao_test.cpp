// Quartile year: records and exceptions, both orderings, the union, its
// adjustment table and the year's files.
#include <random>

#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"

namespace zivu::teste {
namespace {

using V = std::vector<std::string>;

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
