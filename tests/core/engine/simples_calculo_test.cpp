// The simple DoDo computation of a year: the formulas, both passes, the
// observations and the failures that cancel a run.
#include "core/engine/simples_calculo.h"

#include <gtest/gtest.h>

#include "core/engine/simples_auxiliar.h"
#include "core/worksheet/validacao.h"

namespace zivu::teste {
namespace {

const char* const kRodape =
    "Veja abaixo o resultado das principais variáveis:\n\n"
    "Para serem considerados válidos, Ai deve tender a 1 e Bi a 0.\n";

TEST(Projeta_Linha, WorkedExample) {
  AmbienteSimples a;
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1200, 1300, 100, 130), "145");
  EXPECT_EQ(a.vars().cel(2, 3), "145");
  EXPECT_EQ(a.vars().cel(3, 3), "0.15");
  EXPECT_EQ(a.vars().cel(4, 3), "-50");
}

TEST(Projeta_Linha, MaskRoundsTheTextsOnly) {
  AmbienteSimples a;
  a.o().MascaraDecimais = "0.000";
  // Ai = 1/3: the population uses the unrounded coefficient.
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1300, 1900, 100, 200), "400");
  EXPECT_EQ(a.vars().cel(2, 3), "400.000");
  EXPECT_EQ(a.vars().cel(3, 3), "0.333");
  EXPECT_EQ(a.vars().cel(4, 3), "-233.333");
}

TEST(Projeta_Linha, EqualBasePopulationsGiveErroAndLeaveTheCells) {
  AmbienteSimples a;
  a.vars().cel(2, 3) = "antes";
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1000, 1300, 100, 130), "Erro");
  EXPECT_EQ(a.vars().cel(2, 3), "antes");
  // Zero by zero fails too.
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1000, 1300, 100, 100), "Erro");
}

TEST(Projeta_Linha, HalvesRoundToEven) {
  AmbienteSimples a;
  // P = 0.5 * 1301 = 650.5 and 0.5 * 1303 = 651.5.
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1200, 1301, 500, 600), "650");
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1200, 1303, 500, 600), "652");
}

class ProjecaoSimples : public ::testing::Test {
 protected:
  AmbienteSimples a;
  bool calcula() {
    a.plat.mensagens.clear();
    return ProcessaClick(a.sis);
  }
};

TEST_F(ProjecaoSimples, WorkedExampleFillsBothGridsAndTheRates) {
  a.exemplo();
  ASSERT_TRUE(calcula());
  EXPECT_EQ(a.saida().cel(2, 1), "2005");
  EXPECT_EQ(a.saida().cel(2, 2), "1300");  // block sum above the data area
  EXPECT_EQ(a.saida().cel(2, 3), "145");
  EXPECT_EQ(a.saida().cel(2, 4), "1155");
  EXPECT_EQ(a.saida().cel(1, 3), "Mun 1");  // titles carried along
  EXPECT_EQ(a.vars().cel(1, 4), "Mun 2");

  // Rates of the worked example, to 12 significant digits.
  EXPECT_EQ(a.vars().cel(5, 3).substr(0, 13), "2.65836313042");
  EXPECT_EQ(a.vars().cel(6, 3).substr(0, 13), "2.20800938152");
  // Headers, and the block's sums on the row above its data area.
  EXPECT_EQ(a.vars().cel(2, 1), "População");
  EXPECT_EQ(a.vars().cel(3, 1), "Ai");
  EXPECT_EQ(a.vars().cel(4, 1), "Bi");
  EXPECT_EQ(a.vars().cel(5, 1), "Taxa 1990/2000");
  EXPECT_EQ(a.vars().cel(6, 1), "Taxa 2000/2005");
  EXPECT_EQ(a.vars().cel(2, 2), "1300");
  EXPECT_EQ(a.vars().cel(3, 2), "1");
  EXPECT_EQ(a.vars().cel(4, 2), "0");

  EXPECT_FALSE(a.s().Adaptar);
  EXPECT_EQ(a.o().Diferenca, 0);
  EXPECT_EQ(a.s().Ano_Projetado_hint, "2005");
  EXPECT_EQ(a.s().Texto_Obs, std::string("População projetada para 2005\n\n") + kRodape +
                                 "Área principal\n"
                                 "  -> Somatório de Ai = 1\n"
                                 "  -> Somatório de Bi = 0\n"
                                 "  -> Total esperado é : 1300\n"
                                 "  -> Total obtido é : 1300\n");
}

TEST_F(ProjecaoSimples, DecimalSeparatorOfTheTexts) {
  definir_separador_decimal(',');
  a.exemplo();
  a.o().cfg.Aproximar = true;
  a.o().cfg.NCasasDec = "2";
  ASSERT_TRUE(calcula());
  EXPECT_EQ(a.vars().cel(3, 3), "0,15");
  EXPECT_EQ(a.vars().cel(5, 3), "2,66");
  EXPECT_EQ(a.vars().cel(6, 4), "1,54");
  EXPECT_EQ(a.vars().cel(3, 2), "1");
  definir_separador_decimal('.');
}

TEST_F(ProjecaoSimples, ADifferingTotalReplacesTheTextAndEnablesAdaptar) {
  a.exemplo(1301, {{"100", "130"}, {"400", "470"}, {"500", "600"}});
  ASSERT_TRUE(calcula());
  // 145.15, 505.35 and 650.5 round to 145, 505 and 650.
  EXPECT_EQ(a.saida().cel(2, 5), "650");
  EXPECT_TRUE(a.s().Adaptar);
  EXPECT_EQ(a.o().Diferenca, 1);
  EXPECT_EQ(a.s().Texto_Obs, std::string("O resultado final é diferente do esperado.\n"
                                         "Corrija o valor da população projetada para 2005\n"
                                         "ou clique em Adaptar, na guia Resultado, para\n"
                                         "diminuir/somar 1 da maior população.\n\n\n") +
                                 kRodape +
                                 "Área principal\n"
                                 "  -> Somatório de Ai = 1\n"
                                 "  -> Somatório de Bi = 0\n"
                                 "  -> Total esperado é : 1301\n"
                                 "  -> Total obtido é : 1300\n");
}

TEST_F(ProjecaoSimples, NegativeResultsAreCountedShownAndKeptOutOfTheBlockSum) {
  // -25 and 1525 against 1500: the totals agree, negatives included.
  a.exemplo(1500, {{"100", "50"}, {"900", "1150"}});
  ASSERT_TRUE(calcula());
  EXPECT_EQ(a.saida().cel(2, 3), "-25");
  EXPECT_EQ(a.vars().cel(6, 3), "Pop. negativa");
  EXPECT_EQ(a.saida().cel(2, 2), "1525");
  EXPECT_EQ(a.vars().cel(2, 2), "1500");
  EXPECT_FALSE(a.s().Adaptar);
  EXPECT_EQ(a.s().Texto_Obs.substr(0, a.s().Texto_Obs.find("Veja")),
            "População projetada para 2005\n\nHá resultado negativo.\n\n"
            "O total de população calculada para 2005 não é compatível com a população esperada, que é de "
            "1500.\n\n");
}

TEST_F(ProjecaoSimples, TwoNegativeResults) {
  a.exemplo(1600, {{"50", "25"}, {"50", "25"}, {"900", "1150"}});
  ASSERT_TRUE(calcula());
  EXPECT_NE(a.s().Texto_Obs.find("Há resultados negativos.\n\n"), std::string::npos);
}

TEST_F(ProjecaoSimples, ZeroPopulations) {
  // An area without change, one that vanishes at the second survey, and a
  // projected population of exactly 0.
  a.exemplo(1400, {{"300", "300"}, {"100", "0"}, {"100", "50"}, {"500", "850"}});
  ASSERT_TRUE(calcula());
  EXPECT_EQ(a.saida().cel(2, 3), "300");
  EXPECT_EQ(a.vars().cel(3, 3), "0");
  EXPECT_EQ(a.vars().cel(4, 3), "300");
  EXPECT_EQ(a.vars().cel(5, 3), "0");
  EXPECT_EQ(a.vars().cel(5, 4), "-100");
  EXPECT_EQ(a.saida().cel(2, 5), "0");
  EXPECT_EQ(a.vars().cel(6, 5), "-100");
}

TEST_F(ProjecaoSimples, FailuresCancelTheRunWithoutFiles) {
  struct Caso {
    const char* base0;
    const char* p0;
  };
  // Equal base populations, a zero first-survey population.
  for (const Caso& caso : {Caso{"1200", "100"}, Caso{"1000", "0"}}) {
    AmbienteSimples b;
    b.exemplo();
    b.o().DadosEntrada.cel(2, 2) = caso.base0;
    b.o().DadosEntrada.cel(2, 3) = caso.p0;
    EXPECT_FALSE(ProcessaClick(b.sis));
    ASSERT_EQ(b.plat.mensagens.size(), 1u);
    EXPECT_EQ(b.plat.mensagens[0].texto, "Algum problema no cálculo. Tarefa cancelada.");
    EXPECT_EQ(b.plat.mensagens[0].titulo, "Erro!");
    EXPECT_FALSE(existe(b.temp("SR2005.CSV")));
    EXPECT_EQ(b.o().TotalPrincipal, 1300);
    EXPECT_EQ(b.plat.situacoes.back().rfind("Calculado, levando ", 0), 0u);
    EXPECT_FALSE(b.plat.espera);
    EXPECT_FALSE(b.plat.progresso_visivel);
  }
}

TEST_F(ProjecaoSimples, ErroIsShownInTheResultsOfACancelledRun) {
  a.exemplo();
  a.o().DadosEntrada.cel(2, 2) = "1200";
  EXPECT_FALSE(calcula());
  EXPECT_EQ(a.saida().cel(2, 3), "Erro");
}

TEST_F(ProjecaoSimples, ZeroMonthsToTheYearCancelsOnlyWhereARateNeedsThem) {
  a.exemplo();
  a.o().cfg.AnoProj = "2000";
  EXPECT_FALSE(calcula());
  EXPECT_EQ(a.plat.mensagens.back().texto, "Algum problema no cálculo. Tarefa cancelada.");
}

// Two blocks; the secondary lines sit together at the top, away from their
// data areas, so each block's sums are read from the row above its data area.
void dois_blocos(AmbienteSimples& a) {
  a.linha(1, {"Nome", "1990", "2000"});
  a.linha(2, {"Bloco 1", "1000", "1200"});
  a.linha(3, {"Bloco 2", "500", "400"});
  a.linha(4, {"-- 1 --"});
  a.linha(5, {"A", "100", "130"});
  a.linha(6, {"B", "900", "1070"});
  a.linha(7, {"-- 2 --"});
  a.linha(8, {"C", "200", "100"});
  a.linha(9, {"D", "300", "300"});
  a.o().define_DoDo_bloco(true);
  a.o().Ano(2, 1);
  a.o().Ano(3, 1);
  a.secundaria(2, 2, 3, 1300);
  a.secundaria(2, 3, 3, 350);
  a.o().Dados(2, 5, 3, 6);
  a.o().Dados(2, 8, 3, 9);
}

TEST_F(ProjecaoSimples, BlocksReportTheirOwnSumsWhereverTheirLinesLie) {
  dois_blocos(a);
  ASSERT_TRUE(calcula());
  // Block 2: Ai = 1 and 0, Bi = -300 and 300; 350 gives 50 and 300.
  EXPECT_EQ(a.saida().cel(2, 8), "50");
  EXPECT_EQ(a.saida().cel(2, 7), "350");
  EXPECT_EQ(a.vars().cel(3, 7), "1");
  EXPECT_EQ(a.o().TotaisObtidos, (std::vector<int64_t>{1300, 350}));
  EXPECT_EQ(a.o().TotalPrincipal, 1650);
  EXPECT_EQ(a.s().Texto_Obs, std::string("População projetada para 2005\n\n") + kRodape +
                                 "\nÁrea secundária 1\n"
                                 "  -> Somatório de Ai = 1\n"
                                 "  -> Somatório de Bi = 0\n"
                                 "  -> Total esperado é : 1300\n"
                                 "  -> Total obtido é : 1300\n"
                                 "\nÁrea secundária 2\n"
                                 "  -> Somatório de Ai = 1\n"
                                 "  -> Somatório de Bi = 0\n"
                                 "  -> Total esperado é : 350\n"
                                 "  -> Total obtido é : 350\n");
}

TEST(PegandoNovosTotais, GeneralModeReadsTheYearsColumnOfRowP) {
  AmbienteSimples a;
  a.exemplo();
  a.s().Esc_Ano_Projetado = {"2001", "2002"};
  Grade& g = a.o().Grade_totais;
  g.redimensiona(3, 2);
  g.cel(1, 0) = "2002";
  g.cel(2, 0) = "2001";
  g.cel(0, 1) = "p";
  g.cel(1, 1) = "1400";
  g.cel(2, 1) = "1350";
  ASSERT_TRUE(PegandoNovosTotais(a.sis, 0));
  EXPECT_EQ(a.o().TotalPrincipal, 1350);
  EXPECT_EQ(a.vars().cel(6, 1), "Taxa 2000/2001");
  ASSERT_TRUE(PegandoNovosTotais(a.sis, 1));
  EXPECT_EQ(a.o().TotalPrincipal, 1400);

  // A year missing from the sheet lands on the labels.
  a.s().Esc_Ano_Projetado = {"2009"};
  EXPECT_FALSE(PegandoNovosTotais(a.sis, 0));
  EXPECT_EQ(a.plat.mensagens.back().texto, "'p' não é um valor inteiro válido.");
  EXPECT_EQ(a.o().TotalPrincipal, 1400);
}

TEST(PegandoNovosTotais, BlockModeReadsFromTheFirstSRowAndSumsThePrincipal) {
  AmbienteSimples a;
  dois_blocos(a);
  a.s().Esc_Ano_Projetado = {"2005"};
  Grade& g = a.o().Grade_totais;
  g.redimensiona(3, 4);
  g.cel(1, 0) = "2005";
  g.cel(0, 1) = "P";
  g.cel(1, 1) = "9";
  g.cel(0, 2) = "S1";
  g.cel(1, 2) = "700";
  g.cel(0, 3) = "S2";
  g.cel(1, 3) = "80";
  ASSERT_TRUE(PegandoNovosTotais(a.sis, 0));
  EXPECT_EQ(a.o().TotaisSecundarios, (std::vector<int64_t>{700, 80}));
  EXPECT_EQ(a.o().TotalPrincipal, 780);
}

TEST(Adaptar, GeneralModeGivesTheDifferenceToTheLargest) {
  AmbienteSimples a;
  a.exemplo(1000, {{"1", "1"}, {"1", "1"}, {"1", "1"}});
  std::filesystem::create_directories(a.temp(""));
  a.s().Ano_Projetado_hint = "2005";
  a.saida().cel(2, 2) = "1003";
  a.saida().cel(2, 3) = "203";
  a.saida().cel(2, 4) = "600";
  a.saida().cel(2, 5) = "200";
  a.s().Adaptar = true;
  ASSERT_TRUE(AdaptarClick(a.sis));
  EXPECT_EQ(a.saida().cel(2, 4), "597");
  EXPECT_EQ(a.saida().cel(2, 2), "1000");
  EXPECT_EQ(a.saida().cel(2, 3), "203");
  EXPECT_FALSE(a.s().Adaptar);
  EXPECT_EQ(le_tudo(a.temp("SA2005")), "nao adaptar");
  EXPECT_NE(le_tudo(a.temp("SR2005.CSV")).find("\"597\";"), std::string::npos);
}

TEST(Adaptar, TheUpperOfTwoLargestAbsorbsAndSecondaryLinesFollow) {
  AmbienteSimples a;
  a.exemplo(1000, {{"1", "1"}, {"1", "1"}});
  a.linha(6, {"S", "1", "1"});
  a.linha(7, {"x", "1", "1"});
  a.secundaria(2, 6, 3, 0);
  a.o().Dados(2, 7, 3, 7);
  std::filesystem::create_directories(a.temp(""));
  a.s().Ano_Projetado_hint = "2005";
  // The first data area (rows 3-4) holds the largest twice.
  a.saida().cel(2, 3) = "500";
  a.saida().cel(2, 4) = "500";
  a.saida().cel(2, 6) = "2";
  a.saida().cel(2, 7) = "2";
  ASSERT_TRUE(AdaptarClick(a.sis));
  EXPECT_EQ(a.saida().cel(2, 3), "498");
  EXPECT_EQ(a.saida().cel(2, 4), "500");
  // Data area 0 pairs with secondary line 0 (row 6).
  EXPECT_EQ(a.saida().cel(2, 6), "0");
  EXPECT_EQ(a.saida().cel(2, 2), "1000");
}

TEST(Adaptar, BlockModeCorrectsEachBlockAndSumsThePrincipal) {
  AmbienteSimples a;
  dois_blocos(a);
  a.linha(10, {"Estado", "1500", "1600"});
  a.principal(2, 10, 3, 0);
  std::filesystem::create_directories(a.temp(""));
  a.s().Ano_Projetado_hint = "2005";
  a.saida().cel(2, 2) = "1302";
  a.saida().cel(2, 3) = "347";
  a.saida().cel(2, 5) = "145";
  a.saida().cel(2, 6) = "1157";
  a.saida().cel(2, 8) = "47";
  a.saida().cel(2, 9) = "300";
  ASSERT_TRUE(AdaptarClick(a.sis));
  EXPECT_EQ(a.saida().cel(2, 6), "1155");
  EXPECT_EQ(a.saida().cel(2, 2), "1300");
  EXPECT_EQ(a.saida().cel(2, 9), "303");
  EXPECT_EQ(a.saida().cel(2, 3), "350");
  EXPECT_EQ(a.saida().cel(2, 10), "1650");
}

TEST(Adaptar, ABlockWithoutPositivePopulationIsLeftAsItIs) {
  AmbienteSimples a;
  dois_blocos(a);
  std::filesystem::create_directories(a.temp(""));
  a.s().Ano_Projetado_hint = "2005";
  a.saida().cel(2, 2) = "1300";
  a.saida().cel(2, 5) = "145";
  a.saida().cel(2, 6) = "1155";
  a.saida().cel(2, 3) = "-7";
  a.saida().cel(2, 8) = "-3";
  a.saida().cel(2, 9) = "0";
  ASSERT_TRUE(AdaptarClick(a.sis));
  EXPECT_EQ(a.saida().cel(2, 3), "-7");
  EXPECT_EQ(a.saida().cel(2, 8), "-3");
  EXPECT_EQ(a.saida().cel(2, 9), "0");
}

TEST(Adaptar, ACellThatIsNoIntegerChangesNothing) {
  AmbienteSimples a;
  dois_blocos(a);
  a.saida().cel(2, 2) = "1300";
  a.saida().cel(2, 5) = "140";
  a.saida().cel(2, 6) = "1155";
  a.saida().cel(2, 3) = "";
  a.saida().cel(2, 8) = "50";
  a.saida().cel(2, 9) = "300";
  a.s().Adaptar = true;
  EXPECT_FALSE(AdaptarClick(a.sis));
  EXPECT_EQ(a.plat.mensagens.back().texto, "'' não é um valor inteiro válido.");
  EXPECT_EQ(a.plat.mensagens.back().titulo, "Erro!");
  EXPECT_EQ(a.saida().cel(2, 6), "1155");
  EXPECT_EQ(a.saida().cel(2, 2), "1300");
  EXPECT_TRUE(a.s().Adaptar);
}

}  // namespace
}  // namespace zivu::teste
