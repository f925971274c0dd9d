// "Calcular": every check in its order with its message, the parameters it
// prepares and the projected-year lists.
#include "core/worksheet/validacao.h"

#include <gtest/gtest.h>

#include "core/engine/simples_auxiliar.h"

namespace zivu::teste {
namespace {

class Validacao : public ::testing::Test {
 protected:
  AmbienteSimples a;
  void SetUp() override { a.exemplo(); }

  // Runs "Calcular" and returns the last message shown (empty when none).
  MensagemGravada roda(bool esperado = false) {
    a.plat.mensagens.clear();
    EXPECT_EQ(ProcessaClick(a.sis), esperado);
    if (esperado) EXPECT_TRUE(a.plat.mensagens.empty()) << a.plat.mensagens[0].texto;
    return a.plat.mensagens.empty() ? MensagemGravada{} : a.plat.mensagens.back();
  }
};

TEST(Valida, EveryCharacterMustBeAllowedAndTheTextNotEmpty) {
  EXPECT_TRUE(valida("1.234,5"));
  EXPECT_FALSE(valida(""));
  EXPECT_FALSE(valida(" 12"));
  EXPECT_FALSE(valida("-5"));
  EXPECT_TRUE(valida("ab", "abc"));
}

TEST_F(Validacao, AWorksheetThatPassesRunsWithTheMonthCountsAndYearLists) {
  roda(true);
  EXPECT_EQ(a.o().MesesPesquisas, 120);
  EXPECT_EQ(a.o().MesesProjecao, 60);
  EXPECT_EQ(a.o().MascaraDecimais, "");
  EXPECT_EQ(a.s().Esc_Ano_Projetado, std::vector<std::string>{"2005"});
  EXPECT_EQ(a.sis.quartis.Esc_Ano_Projetado, std::vector<std::string>{"2005"});
  EXPECT_EQ(a.saida().cel(2, 3), "145");
}

TEST_F(Validacao, DefaultMonthsGive107MonthsBetween1991And2000) {
  a.o().DadosEntrada.cel(2, 1) = "1991";
  a.o().cfg.Mes_Ano0 = 7;  // Agosto
  a.o().cfg.Mes_Ano1 = 8;  // Setembro
  roda(true);
  EXPECT_EQ(a.o().MesesPesquisas, 107);
}

TEST_F(Validacao, MissingTargetYearAndTotals) {
  a.o().cfg.AnoProj = " ";
  auto m = roda();
  EXPECT_EQ(m.texto, "Informe o ano final.\r\rAcesse a guia Configuração e/ou a opção SIGMA.");
  EXPECT_EQ(m.titulo, "Impossível continuar.");

  a.o().cfg.AnoProj = "0";
  a.o().TotalPrincipal = 0;
  EXPECT_EQ(roda().texto,
            "Informe o ano final.\rInforme a população do ano final.\r\rAcesse a guia Configuração e/ou a "
            "opção SIGMA.");
}

TEST_F(Validacao, BlockModeNamesOnlyTheFirstSecondaryLineWithoutTotal) {
  a.linha(5, {"S1", "1", "1"});
  a.linha(6, {"S2", "1", "1"});
  a.linha(7, {"S3", "1", "1"});
  a.o().define_DoDo_bloco(true);
  a.secundaria(2, 5, 3, 10);
  a.secundaria(2, 6, 3, 0);
  a.secundaria(2, 7, 3, 0);
  EXPECT_EQ(roda().texto,
            "Informe a populacao do subtotal1.\r\rAcesse a guia Configuração e/ou a opção SIGMA.");
}

TEST_F(Validacao, BlockModeNeedsAsManyDataAreasAsSecondaryLines) {
  a.linha(5, {"S1", "1", "1"});
  a.linha(6, {"S2", "1", "1"});
  a.o().define_DoDo_bloco(true);
  a.secundaria(2, 5, 3, 10);
  a.secundaria(2, 6, 3, 20);
  auto m = roda();
  EXPECT_EQ(m.texto, "Você especificou uma quantidade de\rárea de dados diferente da de área\rsecundária.\r");
  EXPECT_EQ(m.titulo, "Impossível continuar.");
}

TEST_F(Validacao, YearCells) {
  a.o().DadosEntrada.cel(3, 1) = "2000a";
  EXPECT_EQ(roda().texto, "Ano inválido.\r\rCélula C1\r\rCorrija e tente novamente.");
  // Each rebuild of the totals sheet has said so first.
  ASSERT_EQ(a.plat.mensagens.size(), 3u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "Ano da última pesquisa é inválido.");

  a.o().DadosEntrada.cel(3, 1) = "1990";
  auto m = roda();
  EXPECT_EQ(m.texto, "Os Anos devem ser diferentes.\r\rCélula B1\r\rCélula C1\r\rCorrija e tente novamente.");
  EXPECT_EQ(m.titulo, "Impossível continuar.");

  // A separator passes the character check but is no whole number.
  a.o().DadosEntrada.cel(3, 1) = "2.000";
  m = roda();
  EXPECT_EQ(m.texto, "'2.000' não é um valor inteiro válido.");
  EXPECT_EQ(m.titulo, "Erro!");
}

TEST_F(Validacao, FirstYearColumnMustLeaveRoomForTheVariables) {
  AmbienteSimples b;
  b.o().DadosEntrada.cel(23, 1) = "1990";  // W1
  b.o().DadosEntrada.cel(24, 1) = "2000";
  b.o().DadosEntrada.cel(23, 2) = "1000";
  b.o().DadosEntrada.cel(24, 2) = "1200";
  b.o().DadosEntrada.cel(23, 3) = "100";
  b.o().DadosEntrada.cel(24, 3) = "130";
  b.o().UltimaColuna = 24;
  b.o().UltimaLinha = 3;
  b.o().Ano(23, 1);
  b.o().Ano(24, 1);
  b.principal(23, 2, 24, 1300);
  b.o().Dados(23, 3, 24, 3);
  EXPECT_FALSE(ProcessaClick(b.sis));
  ASSERT_EQ(b.plat.mensagens.size(), 1u);
  EXPECT_EQ(b.plat.mensagens[0].texto,
            "A coluna do primeiro ano deve ser V ou anterior.\r\rCélula W1\r\rCorrija e tente novamente.");
  EXPECT_EQ(b.plat.mensagens[0].titulo, "Impossível continuar.");
}

TEST_F(Validacao, SurveyYearsOutOfOrderAndTargetBeforeSecondSurvey) {
  a.o().DadosEntrada.cel(2, 1) = "2001";
  auto m = roda();
  EXPECT_EQ(m.texto,
            "A diferença entre os anos das duas pesquisas deve ser\nmaior que zero.\n\n"
            "Ano da primeira pesquisa é 2001\nAno da segunda pesquisa é 2000\n\n"
            "Volte à planilha de entrada de dados e corrija.");
  EXPECT_EQ(m.titulo, "Erro!");

  a.o().DadosEntrada.cel(2, 1) = "1990";
  a.o().cfg.AnoProj = "1999";
  m = roda();
  EXPECT_EQ(m.texto,
            "A diferença entre Ano a Projetar e o da última pesquisa deve ser\nmaior ou igual a zero.\n\n"
            "Ano da última pesquisa é 2000\nAno a Projetar é 1999\n\n"
            "Poderá corrigir isso voltando à planilha de entrada de dados\n"
            "acessando a guia Configurações - Gerais.");
  EXPECT_EQ(m.titulo, "Erro!");
}

TEST_F(Validacao, TargetEqualToSecondSurveyPassesWithNegativeMonths) {
  a.o().cfg.AnoProj = "2000";
  a.o().cfg.Mes_AnoX = 11;  // Dezembro, three months after September
  roda(true);
  EXPECT_EQ(a.o().MesesProjecao, -3);
}

TEST_F(Validacao, InvalidValuesNameTheirCell) {
  a.o().DadosEntrada.cel(3, 2) = "";
  EXPECT_EQ(roda().texto, "Valor inválido na Linha Principal.\r\rCélula C2\r\rCorrija e tente novamente.");
  a.o().DadosEntrada.cel(3, 2) = "1200";

  a.o().DadosEntrada.cel(2, 4) = "9OO";
  auto m = roda();
  EXPECT_EQ(m.texto, "Valor inválido em Área de dados.\r\rCélula B4\r\rCorrija e tente novamente.");
  EXPECT_EQ(m.titulo, "Impossível continuar.");
  a.o().DadosEntrada.cel(2, 4) = "900";

  a.linha(6, {"S1", "1", "x"});
  a.secundaria(2, 6, 3, 10);
  EXPECT_EQ(roda().texto, "Valor inválido em Área secundária.\r\rCélula C6\r\rCorrija e tente novamente.");
}

TEST_F(Validacao, OnlyTheYearColumnsOfADataAreaAreChecked) {
  a.o().Desmarcando(1, 3);  // the titles
  a.o().Dados(1, 3, 1, 4);  // the names themselves become a data area
  roda(true);
}

TEST_F(Validacao, DecimalMask) {
  a.o().cfg.Aproximar = true;
  a.o().cfg.NCasasDec = " 3 ";
  roda(true);
  EXPECT_EQ(a.o().MascaraDecimais, "0.000");

  a.o().cfg.NCasasDec = "0";
  roda(true);
  EXPECT_EQ(a.o().MascaraDecimais, "");

  a.o().cfg.NCasasDec = "40";
  auto m = roda();
  EXPECT_EQ(m.texto, "O número de casas decimais deve ser no máximo 20.");
  EXPECT_FALSE(a.plat.espera);
}

TEST_F(Validacao, IntermediateYearsNeedEveryTotal) {
  a.o().define_Anos_intermediarios(true);
  a.o().cfg.AnoProj = "2003";
  auto m = roda();
  EXPECT_EQ(m.texto, "Falta algum total intermediário.\r\rAcesse \"3 - Totais\", uma sub-guia de Dados de Origem.\r");
  EXPECT_EQ(m.titulo, "Erro!");
  EXPECT_EQ(a.s().Esc_Ano_Projetado, (std::vector<std::string>{"2001", "2002", "2003"}));

  // Separators typed in the sheet are removed before the check.
  a.o().Grade_totais.cel(2, 1) = "1.300";
  a.o().Grade_totais.cel(3, 1) = "1,300";
  roda(true);
  EXPECT_EQ(a.o().Grade_totais.cel(2, 1), "1300");
  EXPECT_EQ(a.sis.quartis.Esc_Ano_Projetado, (std::vector<std::string>{"2001", "2002", "2003"}));
}

TEST_F(Validacao, OneIntermediateYearIgnoresThePaddingColumn) {
  a.o().define_Anos_intermediarios(true);
  a.o().cfg.AnoProj = "2001";
  roda(true);
  EXPECT_EQ(a.o().Grade_totais.colunas(), 3);
  EXPECT_EQ(a.s().Esc_Ano_Projetado, std::vector<std::string>{"2001"});
}

TEST_F(Validacao, IntermediateYearsUpToTheSecondSurveyStillProjectTheTarget) {
  a.o().define_Anos_intermediarios(true);
  a.o().cfg.AnoProj = "2000";
  a.o().cfg.Mes_AnoX = 11;
  roda(true);
  EXPECT_EQ(a.s().Esc_Ano_Projetado, std::vector<std::string>{"2000"});
  EXPECT_TRUE(existe(a.temp("SR2000.CSV")));
}

TEST_F(Validacao, AbsurdYearRangesAreRefusedWithoutBuildingThem) {
  a.o().define_Anos_intermediarios(true);
  a.o().cfg.AnoProj = "99999999";
  auto m = roda();
  EXPECT_EQ(m.texto, "São anos intermediários demais: no máximo 9999 anos podem ser projetados.");
  EXPECT_EQ(m.titulo, "Impossível continuar.");
  EXPECT_TRUE(a.s().Esc_Ano_Projetado.empty());

  a.o().define_Anos_intermediarios(false);
  a.o().cfg.AnoProj = "9999999999";
  EXPECT_EQ(roda().texto, "'9999999999' não é um valor inteiro válido.");

  a.o().cfg.AnoProj = "2000000000";
  a.o().DadosEntrada.cel(2, 1) = "1";
  a.o().DadosEntrada.cel(3, 1) = "2000000000";
  EXPECT_EQ(roda().texto, "A diferença entre os anos é grande demais para o cálculo.");
}

TEST_F(Validacao, AnIncompleteChecklistRunsNothing) {
  a.o().Desmarcando(2, 3);
  EXPECT_FALSE(ProcessaClick(a.sis));
  EXPECT_TRUE(a.plat.mensagens.empty());
  EXPECT_FALSE(existe(a.temp("SR2005.CSV")));
}

}  // namespace
}  // namespace zivu::teste
