// "Calcular": every check in its order with its message, the parameters it
// prepares and the projected-year lists.
#include "core/worksheet/validacao.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/engine/calculo.h"
#include "core/engine/simples_auxiliar.h"

namespace zivu::teste {
namespace {

TEST(Valida, EveryCharacterMustBeAllowedAndTheTextNotEmpty) {
  EXPECT_TRUE(valida("1.234,5"));
  EXPECT_FALSE(valida(""));
  EXPECT_FALSE(valida(" 12"));
  EXPECT_FALSE(valida("-5"));
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
