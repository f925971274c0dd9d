// "Calcular": every check in its order with its message, the parameters it
// prepares and the projected-year lists. The simple DoDo computation of a
// year: the formulas, both passes, the observations, the failures that cancel
// a run, and "Adaptar". The whole state a run leaves is kept in golden files,
// one per scenario. The driver around it: the "Temp" folder, the grids
// emptied before a run, the totals kept safe, progress and status.
#include "core/engine/calculo.h"
#include "core/engine/simples_calculo.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <regex>

#include "core/engine/simples_auxiliar.h"
#include "core/worksheet/validacao.h"

namespace zivu::teste {
namespace {

TEST(Projeta_Linha, FormulasMaskAndFailure) {
  AmbienteSimples a;
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1200, 1300, 100, 130), "145");
  EXPECT_EQ(a.vars().cel(3, 3), "0.15");
  EXPECT_EQ(a.vars().cel(4, 3), "-50");
  // Halves go to the even neighbour: 650.5 and 651.5.
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1200, 1301, 500, 600), "650");
  EXPECT_EQ(Projeta_Linha(a.sis, 3, 2, 1000, 1200, 1303, 500, 600), "652");
  // The mask rounds the texts, never the values used for P (Ai = 1/3).
  a.o().MascaraDecimais = "0.000";
  EXPECT_EQ(Projeta_Linha(a.sis, 4, 2, 1000, 1300, 1900, 100, 200), "400");
  EXPECT_EQ(a.vars().cel(3, 4), "0.333");
  EXPECT_EQ(a.vars().cel(4, 4), "-233.333");
  // Equal base populations: "Erro", the cells left as they were.
  EXPECT_EQ(Projeta_Linha(a.sis, 4, 2, 1000, 1000, 1300, 100, 100), "Erro");
  EXPECT_EQ(a.vars().cel(2, 4), "400.000");
}

// The worked example: Mun 1 100 -> 130 -> 145, rates 2.658% a year over 120
// months and 2.208% over 60; no difference, Adaptar off. With 1301 expected
// and "," as separator, three areas: the text asks for Adaptar.
// -25 and 1525 against 1500: the totals agree, negatives included (the block
// sum leaves them out); two negatives say so in the plural; no change, gone
// by the second survey, and projections of exactly 0 and -1.
TEST(ProjecaoSimples, WorkedExampleDifferingTotalNegativeAndZero) {
  const std::vector<std::pair<int64_t, std::vector<std::pair<const char*, const char*>>>> casos = {
      {1300, {{"100", "130"}, {"900", "1070"}}},
      {1301, {{"100", "130"}, {"400", "470"}, {"500", "600"}}},
      {1500, {{"100", "50"}, {"900", "1150"}}},
      {1600, {{"50", "25"}, {"50", "25"}, {"900", "1150"}}},
      {1400, {{"300", "300"}, {"100", "0"}, {"100", "50"}, {"500", "850"}}},
      {1500, {{"4", "2"}, {"996", "1198"}}}};  // exactly -1
  std::string t;
  for (const auto& [total, areas] : casos) {
    AmbienteSimples a;
    definir_separador_decimal(total == 1301 ? ',' : '.');
    a.exemplo(total, areas);
    EXPECT_TRUE(Calcular(a.sis)) << total;
    t += "=== " + std::to_string(total) + "\n" + a.texto();
  }
  definir_separador_decimal('.');
  espera_dourado("simples_projecoes.txt", t);
}

TEST(ProjecaoSimples, FailuresCancelTheRunWithoutFiles) {
  // Equal base populations, a zero first-survey population, zero months.
  const std::vector<std::function<void(AmbienteSimples&)>> casos = {
      [](auto& a) { a.o().DadosEntrada.cel(2, 2) = "1200"; },
      [](auto& a) { a.o().DadosEntrada.cel(2, 3) = "0"; },
      [](auto& a) { a.o().cfg.AnoProj = "2000"; }};
  for (size_t i = 0; i < casos.size(); ++i) {
    AmbienteSimples a;
    a.exemplo();
    casos[i](a);
    EXPECT_FALSE(Calcular(a.sis));
    EXPECT_EQ(a.plat.retira_mensagens(), "! Erro!|Algum problema no cálculo. Tarefa cancelada.\n") << i;
    EXPECT_FALSE(existe(a.temp("SR" + a.s().Esc_Ano_Projetado[0] + ".CSV")));
    EXPECT_EQ(a.plat.situacoes.back().rfind("Calculado, levando ", 0), 0u);
    EXPECT_FALSE(a.plat.espera);
    EXPECT_FALSE(a.plat.progresso_visivel);
    if (i == 0) {
      EXPECT_EQ(a.saida().cel(2, 3), "Erro");
    }
  }
}

// Two blocks whose secondary lines sit together at the top, away from their
// data areas: each block's sums are read from the row above its data area.
void dois_blocos(AmbienteSimples& a) {
  a.linha(1, {"Nome", "1990", "2000"});
  a.linha(2, {"Bloco 1", "1000", "1200"});
  a.linha(3, {"Bloco 2", "500", "400"});
  a.linha(5, {"A", "100", "130"});
  a.linha(6, {"B", "900", "1070"});
  a.linha(8, {"C", "200", "100"});
  a.linha(9, {"D", "300", "300"});
  a.o().define_DoDo_bloco(true);
  a.o().Ano(2, 1);
  a.o().Ano(3, 1);
  a.secundaria(2, 2, 3, 1300);
  a.secundaria(2, 3, 3, 350);
  a.o().Dados(2, 5, 3, 6);
  a.o().Dados(2, 8, 3, 9);
  std::filesystem::create_directories(a.temp(""));
  a.s().Ano_Projetado_hint = "2005";
}

// Each block's sums are read from the row above its data area.
// Ai = 10^15 and Bi = -10^18 exactly: the summary sums are integer digits
// even past 10^15; P = 0.
TEST(ProjecaoSimples, BlocksAndHugeSums) {
  AmbienteSimples a;
  dois_blocos(a);
  ASSERT_TRUE(Calcular(a.sis));
  AmbienteSimples b;
  b.linha(1, {"Nome", "1990", "2000"});
  b.linha(2, {"Estado", "1000", "1001"});
  b.linha(3, {"Mun", "5", "1000000000000005"});
  b.o().Ano(2, 1);
  b.o().Ano(3, 1);
  b.principal(2, 2, 3, 1000);
  b.o().Dados(2, 3, 3, 3);
  ASSERT_TRUE(Calcular(b.sis));
  espera_dourado("simples_blocos_somas.txt", a.texto() + "=== somas\n" + b.texto());
}

TEST(PegandoNovosTotais, ReadsTheYearsColumn) {
  AmbienteSimples a;
  a.exemplo();
  a.s().Esc_Ano_Projetado = {"2001", "2009"};
  Grade& g = a.o().Grade_totais;
  g.redimensiona(3, 2);
  g.cel(2, 0) = "2001";
  g.cel(0, 1) = "p";
  g.cel(2, 1) = "1350";
  ASSERT_TRUE(PegandoNovosTotais(a.sis, "2001"));
  EXPECT_EQ(a.o().TotalPrincipal, 1350);
  EXPECT_EQ(a.vars().cel(6, 1), "Taxa 2000/2001");
  // A year missing from the sheet lands on the labels.
  EXPECT_FALSE(PegandoNovosTotais(a.sis, "2009"));
  EXPECT_EQ(a.plat.mensagens.back().texto, "'p' não é um valor inteiro válido.");

  AmbienteSimples b;
  dois_blocos(b);
  b.s().Esc_Ano_Projetado = {"2005"};
  b.o().Grade_totais.redimensiona(3, 4);
  for (int r = 0; r < 4; ++r) {
    const char* linha[4][2] = {{"", "2005"}, {"P", "9"}, {"S1", "700"}, {"S2", "80"}};
    b.o().Grade_totais.cel(0, r) = linha[r][0];
    b.o().Grade_totais.cel(1, r) = linha[r][1];
  }
  ASSERT_TRUE(PegandoNovosTotais(b.sis, "2005"));
  EXPECT_EQ(b.o().TotaisSecundarios, (std::vector<int64_t>{700, 80}));
  EXPECT_EQ(b.o().TotalPrincipal, 780);
}

void resultados(AmbienteSimples& a, std::initializer_list<std::pair<int, const char*>> celulas) {
  for (const auto& [r, t] : celulas) a.saida().cel(2, r) = t;
}

// General mode: 1400 against 1000, the first of the equal largest (600)
// absorbs, and so does the line of its area; the year is stored again.
// Block mode corrects each block and sums the principal; a block without a
// positive population has no largest and is left as it is.
TEST(Adaptar, GeneralAndBlockModes) {
  AmbienteSimples a;
  a.exemplo(1000, {{"1", "1"}, {"1", "1"}, {"1", "1"}});
  a.linha(7, {"S", "1", "1"});
  a.secundaria(2, 7, 3, 0);
  std::filesystem::create_directories(a.temp(""));
  a.s().Ano_Projetado_hint = "2005";
  resultados(a, {{2, "1400"}, {3, "200"}, {4, "600"}, {5, "600"}, {7, "1400"}});
  a.s().Adaptar = true;
  ASSERT_TRUE(AdaptarClick(a.sis));
  EXPECT_NE(le_tudo(a.temp("SR2005.CSV")).find("\"200\";\"\";\r\n\"\";\"600\""), std::string::npos);

  AmbienteSimples b;
  dois_blocos(b);
  b.linha(10, {"Estado", "1500", "1600"});
  b.principal(2, 10, 3, 0);
  resultados(b, {{2, "1302"}, {3, "347"}, {5, "145"}, {6, "1157"}, {8, "47"}, {9, "300"}});
  ASSERT_TRUE(AdaptarClick(b.sis));
  std::string t = a.texto() + "=== blocos\n" + b.texto();
  resultados(b, {{2, "1300"}, {3, "-7"}, {8, "-3"}, {9, "0"}});
  ASSERT_TRUE(AdaptarClick(b.sis));
  espera_dourado("simples_adaptar.txt", t + "=== sem maior\n" + b.texto());
}

TEST(Adaptar, ACellThatIsNoIntegerChangesNothing) {
  AmbienteSimples a;
  dois_blocos(a);
  resultados(a, {{2, "1300"}, {3, ""}, {5, "140"}, {6, "1155"}, {8, "50"}, {9, "300"}});
  a.s().Adaptar = true;
  EXPECT_FALSE(AdaptarClick(a.sis));
  EXPECT_EQ(a.plat.retira_mensagens(), "! Erro!|'' não é um valor inteiro válido.\n");
  EXPECT_EQ(a.saida().cel(2, 6), "1155");
  EXPECT_EQ(a.saida().cel(2, 2), "1300");
  EXPECT_TRUE(a.s().Adaptar);
}

TEST(Conducao, TheFolderIsCreatedOrClearedOfTheChosenMethodsFiles) {
  AmbienteSimples a;
  a.exemplo();
  ASSERT_TRUE(Calcular(a.sis));
  EXPECT_TRUE(existe(a.temp("SO2005")));

  for (const char* nome : {"SR1999.CSV", "so1999", "QU1999.CSV", "outro.txt"}) escreve_tudo(a.temp(nome), "x");
  ASSERT_TRUE(Calcular(a.sis));
  EXPECT_FALSE(existe(a.temp("SR1999.CSV")));
  EXPECT_FALSE(existe(a.temp("so1999")));
  EXPECT_TRUE(existe(a.temp("QU1999.CSV")));
  EXPECT_TRUE(existe(a.temp("outro.txt")));

  // The quartile method clears its own, even when it then refuses to run.
  a.o().MetodoQuartisClick(true);
  a.o().cfg.Div_habitantes = "0";
  a.plat.mensagens.clear();
  EXPECT_FALSE(Calcular(a.sis));
  EXPECT_EQ(a.plat.retira_mensagens(),
            "! Alerta|Informe um número maior que 0 em valor divisório (Configuração - Quartis)\n");
  EXPECT_FALSE(existe(a.temp("QU1999.CSV")));
  EXPECT_TRUE(existe(a.temp("SR2005.CSV")));
  EXPECT_EQ(a.plat.situacoes.back().rfind("Calculado, levando ", 0), 0u);

  a.o().cfg.Div_habitantes = "10";
  EXPECT_FALSE(Calcular(a.sis));
  EXPECT_EQ(a.plat.mensagens.back().texto,
            "Não existe referência sobre algum identificador de linha (Condiguração - Quartis - Pontos de referência)");
}

TEST(Conducao, AFolderThatCannotBeUsedStopsTheRun) {
  AmbienteSimples a;
  a.exemplo();
  if (::geteuid() != 0) {  // root deletes from a read-only folder
    std::filesystem::create_directories(a.temp(""));
    escreve_tudo(a.temp("SR1999.CSV"), "x");
    std::filesystem::permissions(a.temp(""), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(Calcular(a.sis));
    std::filesystem::permissions(a.temp(""), std::filesystem::perms::owner_all);
    EXPECT_EQ(a.plat.retira_mensagens(),
              "! Erro!|A pasta\r\r" + a.pasta.caminho() +
                  "Temp\r\rcontém algum arquivo em uso, e é necessário apagá-lo para continuar.\n");
    EXPECT_FALSE(a.plat.espera);
  }
  escreve_tudo(a.pasta / "arquivo", "x");
  a.sis.princ.PastaTemp = a.pasta / "arquivo";
  EXPECT_FALSE(Calcular(a.sis));
  EXPECT_EQ(a.plat.retira_mensagens(), "! Erro!|Não foi possível criar a pasta\r\r" + (a.pasta / "arquivo") + "\n");
}

TEST(Conducao, StatusProgressAndGridsEmptiedBeforeTheRun) {
  AmbienteSimples a;
  a.exemplo();
  a.o().UltimaLinha = 10000;
  // Stale results past the worksheet's columns, where the variables go.
  a.vars().cel(6, 6) = "velho";
  a.plat.situacoes.clear();
  ASSERT_TRUE(Calcular(a.sis));
  EXPECT_EQ(a.vars().cel(6, 6), "");
  const auto& s = a.plat.situacoes;
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0], "Aguarde...");
  EXPECT_EQ(s[1], "Esvaziando planilhas e calculando...");
  EXPECT_EQ(s[2], "Pronto. Veja as guias de resultados.");
  EXPECT_TRUE(std::regex_match(s[3], std::regex("Calculado, levando \\d\\d:\\d\\d:\\d\\d h")));
  EXPECT_EQ(a.plat.progresso_maximo, 10000);
  // A position only when the percentage changes.
  EXPECT_LE(a.plat.progresso_chamadas, 101);
  EXPECT_FALSE(a.plat.progresso_visivel);
  EXPECT_FALSE(a.plat.espera);
}

// Three years; the second cancels the run: its first area turns from a
// negative projection into one with no population to grow from.
void tres_anos_cancelados(AmbienteSimples& a, bool blocos) {
  a.linha(1, {"Nome", "1990", "2000"});
  a.linha(2, {"Base", "1000", "1200"});
  a.linha(3, {"A", "100", "0"});
  a.linha(4, {"B", "900", "1200"});
  a.o().define_DoDo_bloco(blocos);
  a.o().Ano(2, 1);
  a.o().Ano(3, 1);
  if (blocos)
    a.secundaria(2, 2, 3, 1200);
  else
    a.principal(2, 2, 3, 1200);
  a.o().Dados(2, 3, 3, 4);
  a.o().cfg.AnoProj = "2003";
  a.o().define_Anos_intermediarios(true);
  a.o().Outros_totaisClick();
  a.o().Grade_totais.cel(2, 1) = "1300";
  a.o().Grade_totais.cel(3, 1) = "1100";
}

// The target totals come back and the earlier years stay; block mode
// restores the block totals but not their sum.
TEST(Conducao, ACancelledRunRestoresTheTargetTotalsAndKeepsEarlierYears) {
  std::string t;
  for (const bool blocos : {false, true}) {
    AmbienteSimples a;
    tres_anos_cancelados(a, blocos);
    EXPECT_FALSE(Calcular(a.sis));
    t += a.texto();
  }
  espera_dourado("simples_cancelado.txt", t);
}

TEST(Conducao, RatesOfIntermediateYearsCountTheirOwnMonths) {
  AmbienteSimples a;
  a.exemplo();
  a.o().cfg.AnoProj = "2004";
  a.o().define_Anos_intermediarios(true);
  a.o().Outros_totaisClick();
  for (int c = 2; c <= 4; ++c) a.o().Grade_totais.cel(c, 1) = "1300";
  ASSERT_TRUE(Calcular(a.sis));
  // 2004: 48 months, the fourth root of 145/130; 2002: its square root.
  EXPECT_EQ(a.vars().cel(6, 3).substr(0, 6), "2.7675");
  EXPECT_NE(le_tudo(a.temp("SV2002.CSV")).find("\"5.6117"), std::string::npos);
}

TEST(Valida, EveryCharacterMustBeAllowedAndTheTextNotEmpty) {
  EXPECT_TRUE(valida("1.234,5"));
  for (const char* t : {"", " 12", "-5"}) EXPECT_FALSE(valida(t)) << t;
}

// Each check stops the run with its message (kept in a golden file), before
// any folder is made.
TEST(Validacao, EachCheckStopsWithItsMessage) {
  auto cel = [](int c, int r, const char* t) { return [=](AmbienteSimples& a) { a.o().DadosEntrada.cel(c, r) = t; }; };
  auto blocos = [](int linhas, int64_t segundo) {
    return [=](AmbienteSimples& a) {
      a.o().define_DoDo_bloco(true);
      for (int k = 0; k < linhas; ++k) {
        a.linha(6 + k, {"S", "1", "1"});
        a.secundaria(2, 6 + k, 3, k == 0 ? 10 : segundo);
      }
    };
  };
  const std::vector<std::pair<const char*, std::function<void(AmbienteSimples&)>>> casos = {
      {"sem ano", [](auto& a) { a.o().cfg.AnoProj = " "; }},
      {"ano 0 sem total",
       [](auto& a) {
         a.o().cfg.AnoProj = "0";
         a.o().TotalPrincipal = 0;
       }},
      {"subtotal", blocos(3, 0)},
      {"quantidade", blocos(2, 20)},
      {"ano invalido", cel(3, 1, "2000a")},
      {"anos iguais", cel(3, 1, "1990")},
      {"separador no ano", cel(3, 1, "2.000")},
      {"anos fora de ordem", cel(2, 1, "2001")},
      {"projetado antes", [](auto& a) { a.o().cfg.AnoProj = "1999"; }},
      {"linha principal", cel(3, 2, "")},
      {"secundaria",
       [](auto& a) {
         a.linha(6, {"S", "1", "x"});
         a.secundaria(2, 6, 3, 10);
       }},
      {"dados", cel(2, 4, "9OO")},
      {"casas",
       [](auto& a) {
         a.o().cfg.Aproximar = true;
         a.o().cfg.NCasasDec = "40";
       }},
      {"intermediarios",
       [](auto& a) {
         a.o().define_Anos_intermediarios(true);
         a.o().cfg.AnoProj = "2003";
       }},
      // Absurd ranges are refused before anything is built for them.
      {"anos demais",
       [](auto& a) {
         a.o().define_Anos_intermediarios(true);
         a.o().cfg.AnoProj = "99999999";
       }},
      {"ano de 64 bits", [](auto& a) { a.o().cfg.AnoProj = "9999999999"; }},
      {"meses demais",
       [](auto& a) {
         a.o().cfg.AnoProj = "2000000000";
         a.o().DadosEntrada.cel(2, 1) = "1";
         a.o().DadosEntrada.cel(3, 1) = "2000000000";
       }},
  };
  std::string t;
  for (const auto& [nome, altera] : casos) {
    AmbienteSimples a;
    a.exemplo();
    altera(a);
    EXPECT_FALSE(ProcessaClick(a.sis)) << nome;
    ASSERT_FALSE(a.plat.mensagens.empty()) << nome;
    t += std::string("== ") + nome + "\n" + a.plat.mensagens.back().titulo + "|" + a.plat.mensagens.back().texto + "\n";
    EXPECT_FALSE(a.plat.espera) << nome;
    EXPECT_FALSE(existe(a.temp(""))) << nome;
  }
  espera_dourado("validacao_mensagens.txt", t);
}

TEST(Validacao, FirstYearColumnMustLeaveRoomForTheVariables) {
  AmbienteSimples a;
  for (int r = 1; r <= 3; ++r) {
    a.o().DadosEntrada.cel(23, r) = std::to_string(r == 1 ? 1990 : r == 2 ? 1000 : 100);
    a.o().DadosEntrada.cel(24, r) = std::to_string(r == 1 ? 2000 : r == 2 ? 1200 : 130);
  }
  a.o().Ano(23, 1);
  a.o().Ano(24, 1);
  a.principal(23, 2, 24, 1300);
  a.o().Dados(23, 3, 24, 3);
  EXPECT_FALSE(ProcessaClick(a.sis));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "A coluna do primeiro ano deve ser V ou anterior.\r\rCélula W1\r\rCorrija e tente novamente.");
}

TEST(Validacao, ParametersAndYearLists) {
  AmbienteSimples a;
  a.exemplo();
  a.o().DadosEntrada.cel(2, 1) = "1991";
  a.o().cfg.Mes_Ano0 = 7;  // Agosto to Setembro
  a.o().cfg.Aproximar = true;
  a.o().cfg.NCasasDec = " 3 ";
  ASSERT_TRUE(ProcessaClick(a.sis));
  EXPECT_EQ(a.o().MesesPesquisas, 107);
  EXPECT_EQ(a.o().MesesProjecao, 60);
  EXPECT_EQ(a.o().MascaraDecimais, "0.000");
  EXPECT_EQ(a.sis.quartis.Esc_Ano_Projetado, std::vector<std::string>{"2005"});

  a.o().cfg.NCasasDec = "0";
  a.o().cfg.AnoProj = "2000";  // the second survey's year passes
  a.o().cfg.Mes_AnoX = 11;
  ASSERT_TRUE(ProcessaClick(a.sis));
  EXPECT_EQ(a.o().MascaraDecimais, "");
  EXPECT_EQ(a.o().MesesProjecao, -3);

  // Intermediate years: separators typed in the totals sheet are removed.
  a.o().cfg.AnoProj = "2003";
  a.o().define_Anos_intermediarios(true);
  a.o().Outros_totaisClick();
  a.o().Grade_totais.cel(2, 1) = "1.300";
  a.o().Grade_totais.cel(3, 1) = "1,300";
  ASSERT_TRUE(ProcessaClick(a.sis));
  EXPECT_EQ(a.sis.quartis.Esc_Ano_Projetado, (std::vector<std::string>{"2001", "2002", "2003"}));
  EXPECT_EQ(a.o().Grade_totais.cel(3, 1), "1300");
}

TEST(Validacao, IntermediateYearsUpToOneYearAfterTheSecondSurvey) {
  // One year: the sheet's padding column holds no total and is not checked;
  // none at all: the target year itself is projected.
  for (const char* ano : {"2001", "2000"}) {
    AmbienteSimples a;
    a.exemplo();
    a.o().define_Anos_intermediarios(true);
    a.o().cfg.AnoProj = ano;
    a.o().cfg.Mes_AnoX = 11;
    ASSERT_TRUE(Calcular(a.sis)) << ano;
    EXPECT_EQ(a.s().Esc_Ano_Projetado, std::vector<std::string>{ano});
    EXPECT_TRUE(existe(a.temp("SR" + std::string(ano) + ".CSV")));
  }
}

TEST(Validacao, AnIncompleteChecklistRunsNothing) {
  AmbienteSimples a;
  a.exemplo();
  a.o().Desmarcando(2, 3);
  EXPECT_FALSE(ProcessaClick(a.sis));
  EXPECT_TRUE(a.plat.mensagens.empty());
}

}  // namespace
}  // namespace zivu::teste
