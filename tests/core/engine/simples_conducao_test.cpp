// The calculation driver around the simple method: the "Temp" folder, the
// grids emptied before a run, the totals kept safe, progress and status.
#include "core/engine/calculo.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>

#include "core/engine/simples_auxiliar.h"
#include "core/worksheet/validacao.h"

namespace zivu::teste {
namespace {

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

}  // namespace
}  // namespace zivu::teste
