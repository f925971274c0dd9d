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

struct Recusa {
  const char* nome;
  std::function<void(AmbienteSimples&)> altera;
  std::string texto;
  std::string titulo = "Impossível continuar.";
};

const char* const kCorrija = "\r\rCorrija e tente novamente.";
const char* const kSigma = "\rAcesse a guia Configuração e/ou a opção SIGMA.";

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
  const std::vector<Recusa> casos = {
      {"sem ano", [](auto& a) { a.o().cfg.AnoProj = " "; }, std::string("Informe o ano final.\r") + kSigma},
      {"ano 0 sem total",
       [](auto& a) {
         a.o().cfg.AnoProj = "0";
         a.o().TotalPrincipal = 0;
       },
       std::string("Informe o ano final.\rInforme a população do ano final.\r") + kSigma},
      {"subtotal", blocos(3, 0), std::string("Informe a populacao do subtotal1.\r") + kSigma},
      {"quantidade", blocos(2, 20),
       "Você especificou uma quantidade de\rárea de dados diferente da de área\rsecundária.\r"},
      {"ano invalido", cel(3, 1, "2000a"), std::string("Ano inválido.\r\rCélula C1") + kCorrija},
      {"anos iguais", cel(3, 1, "1990"),
       std::string("Os Anos devem ser diferentes.\r\rCélula B1\r\rCélula C1") + kCorrija},
      {"separador no ano", cel(3, 1, "2.000"), "'2.000' não é um valor inteiro válido.", "Erro!"},
      {"anos fora de ordem", cel(2, 1, "2001"),
       "A diferença entre os anos das duas pesquisas deve ser\nmaior que zero.\n\nAno da primeira pesquisa é "
       "2001\nAno da segunda pesquisa é 2000\n\nVolte à planilha de entrada de dados e corrija.",
       "Erro!"},
      {"projetado antes", [](auto& a) { a.o().cfg.AnoProj = "1999"; },
       "A diferença entre Ano a Projetar e o da última pesquisa deve ser\nmaior ou igual a zero.\n\n"
       "Ano da última pesquisa é 2000\nAno a Projetar é 1999\n\nPoderá corrigir isso voltando à planilha de "
       "entrada de dados\nacessando a guia Configurações - Gerais.",
       "Erro!"},
      {"linha principal", cel(3, 2, ""), std::string("Valor inválido na Linha Principal.\r\rCélula C2") + kCorrija},
      {"secundaria",
       [](auto& a) {
         a.linha(6, {"S", "1", "x"});
         a.secundaria(2, 6, 3, 10);
       },
       std::string("Valor inválido em Área secundária.\r\rCélula C6") + kCorrija},
      {"dados", cel(2, 4, "9OO"), std::string("Valor inválido em Área de dados.\r\rCélula B4") + kCorrija},
      {"casas", [](auto& a) {
         a.o().cfg.Aproximar = true;
         a.o().cfg.NCasasDec = "40";
       },
       "O número de casas decimais deve ser no máximo 20."},
      {"intermediarios",
       [](auto& a) {
         a.o().define_Anos_intermediarios(true);
         a.o().cfg.AnoProj = "2003";
       },
       "Falta algum total intermediário.\r\rAcesse \"3 - Totais\", uma sub-guia de Dados de Origem.\r", "Erro!"},
      // Absurd ranges are refused before anything is built for them.
      {"anos demais",
       [](auto& a) {
         a.o().define_Anos_intermediarios(true);
         a.o().cfg.AnoProj = "99999999";
       },
       "São anos intermediários demais: no máximo 9999 anos podem ser projetados."},
      {"ano de 64 bits", [](auto& a) { a.o().cfg.AnoProj = "9999999999"; },
       "'9999999999' não é um valor inteiro válido.", "Erro!"},
      {"meses demais",
       [](auto& a) {
         a.o().cfg.AnoProj = "2000000000";
         a.o().DadosEntrada.cel(2, 1) = "1";
         a.o().DadosEntrada.cel(3, 1) = "2000000000";
       },
       "A diferença entre os anos é grande demais para o cálculo.", "Erro!"},
  };
  for (const Recusa& caso : casos) {
    AmbienteSimples a;
    a.exemplo();
    caso.altera(a);
    EXPECT_FALSE(ProcessaClick(a.sis)) << caso.nome;
    ASSERT_FALSE(a.plat.mensagens.empty()) << caso.nome;
    EXPECT_EQ(a.plat.mensagens.back().texto, caso.texto) << caso.nome;
    EXPECT_EQ(a.plat.mensagens.back().titulo, caso.titulo) << caso.nome;
    EXPECT_FALSE(a.plat.espera) << caso.nome;
    EXPECT_FALSE(existe(a.temp(""))) << caso.nome;
  }
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
  EXPECT_EQ(a.plat.mensagens[0].texto, std::string("A coluna do primeiro ano deve ser V ou anterior.\r\rCélula W1") + kCorrija);
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
