// The adjustment table of the union and its application.
#include "core/engine/quartis_auxiliar.h"
#include "core/engine/quartis_calculo.h"

namespace zivu::teste {
namespace {

using V = std::vector<std::string>;

// A union of one block with the projected populations given.
void uniao_de_um_bloco(Quartis& q, const std::vector<std::string>& valores) {
  q.Tab_Uniao.limpa();
  q.Tab_Uniao.redimensiona(11, static_cast<int>(valores.size()) + 1);
  for (size_t i = 0; i < valores.size(); ++i) {
    q.Tab_Uniao.cel(1, static_cast<int>(i) + 1) = "1 - Bloco";
    q.Tab_Uniao.cel(9, static_cast<int>(i) + 1) = valores[i];
  }
}

TEST(QuartisAjuste, GeneralModeGivesTheWholeDifferenceToTheLargestOfAllBlocks) {
  AmbienteQuartis a("quartis_geral.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const Grade& d = a.q().Tab_DUniao;
  ASSERT_EQ(d.linhas(), 3);
  EXPECT_EQ(AmbienteQuartis::linha(d, 0),
            (V{"", "Área", "Pop. esperada", "Pop. resultante", "Maior Pop.", "Passar para", "Linha"}));
  // Sums 2443 and -185 against 1300: the 690 of block 1 takes all of -958.
  EXPECT_EQ(AmbienteQuartis::linha(d, 1), (V{"1", "1 - Norte", "1485", "2443", "690", "-268", "5"}));
  EXPECT_EQ(AmbienteQuartis::linha(d, 2), (V{"2", "2 - <vazio>", "-185", "-185", "110", "110", "9"}));
  EXPECT_TRUE(a.q().Adaptar);
}

TEST(QuartisAjuste, BlockModeAdjustsEachBlockToItsOwnTotal) {
  AmbienteQuartis a("quartis_blocos.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const Grade& d = a.q().Tab_DUniao;
  ASSERT_EQ(d.linhas(), 12);
  EXPECT_EQ(AmbienteQuartis::linha(d, 1), (V{"1", "1 - Bloco 1", "1300", "835", "690", "1155", "2"}));
  EXPECT_EQ(AmbienteQuartis::linha(d, 10), (V{"10", "10 - Bloco 10", "2200", "1240", "960", "1920", "20"}));
  EXPECT_TRUE(a.q().Adaptar);
}

TEST(QuartisAjuste, TableIsRebuiltFromEmptyOnEveryBuild) {
  AmbienteQuartis a("quartis_blocos.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  ASSERT_TRUE(Monta_Ajuste(a.sis));
  EXPECT_EQ(a.q().Tab_DUniao.linhas(), 12);

  // Fewer blocks afterwards: no row of the earlier build is left over.
  a.o().AreasDados.resize(2);
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  EXPECT_EQ(a.q().Tab_DUniao.linhas(), 3);
  EXPECT_EQ(a.q().Tab_DUniao.cel(1, 2), "2 - Bloco 2");
}

TEST(QuartisAjuste, BlocksPastTheUnionsEndShareTheLastRow) {
  AmbienteQuartis a("quartis_blocos.csv");
  // Two trailing data areas without rows: no row is added after an empty
  // label, so the last block's figures land on the row of the one before.
  a.o().AreasDados.resize(2);
  a.o().AreasDados.resize(4);
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  const Grade& d = a.q().Tab_DUniao;
  ASSERT_EQ(d.linhas(), 4);
  EXPECT_EQ(d.cel(1, 2), "2 - Bloco 2");
  const std::string apos = std::to_string(a.q().Tab_Uniao.linhas());
  EXPECT_EQ(AmbienteQuartis::linha(d, 3), (V{"4", "", "1600", "0", "0", "1600", apos}));
  EXPECT_TRUE(AdaptarClick_Quartis(a.sis));
}

TEST(QuartisAjuste, LargestIsTheFirstMetAndMayBeTheFirstRow) {
  AmbienteQuartis a("quartis_geral.csv");
  a.o().AreasDados.resize(1);
  a.o().TotalPrincipal = 1000;

  uniao_de_um_bloco(a.q(), {"300", "600", "103"});
  ASSERT_TRUE(Monta_Ajuste(a.sis));
  EXPECT_EQ(AmbienteQuartis::linha(a.q().Tab_DUniao, 1, 2), (V{"1000", "1003", "600", "597", "2"}));

  uniao_de_um_bloco(a.q(), {"450", "450", "103"});
  ASSERT_TRUE(Monta_Ajuste(a.sis));
  EXPECT_EQ(AmbienteQuartis::linha(a.q().Tab_DUniao, 1, 2), (V{"1000", "1003", "450", "447", "1"}));

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
  ASSERT_TRUE(AdaptarClick_Quartis(a.sis));
  EXPECT_EQ(AmbienteQuartis::coluna(a.q().Tab_Uniao, 9),
            (V{"145", "185", "300", "573", "-268", "550", "5", "-50", "110", "-250"}));
  EXPECT_FALSE(a.q().Adaptar);
  EXPECT_EQ(le_tudo(a.pasta / "QA2005"), "nao adaptar");
  const std::string qu = le_tudo(a.pasta / "QU2005.CSV");
  EXPECT_NE(qu.find("\"Gama\";\"600\";\"660\";\"0.9576582776887\";\"-268\";"), std::string::npos);
}

TEST(QuartisAjuste, AdaptarRefusesATableRowThatIsNotARowNumber) {
  AmbienteQuartis a("quartis_geral.csv");
  ASSERT_TRUE(Projeta_Ano_Quartis(a.sis, "2005"));
  a.q().Ano_Projetado_hint = "2005";
  a.q().Tab_DUniao.cel(6, 2) = "9x";
  const std::string antes = a.q().Tab_Uniao.cel(9, 5);
  EXPECT_FALSE(AdaptarClick_Quartis(a.sis));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "'9x' não é um valor inteiro válido.");
  EXPECT_EQ(a.q().Tab_Uniao.cel(9, 5), antes);
  EXPECT_TRUE(a.q().Adaptar);
}

}  // namespace
}  // namespace zivu::teste
