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

TEST(Conducao, AMissingFolderIsCreated) {
  AmbienteSimples a;
  a.exemplo();
  ASSERT_FALSE(existe(a.temp("")));
  ASSERT_TRUE(ProcessaClick(a.sis));
  EXPECT_TRUE(existe(a.temp("SO2005")));
}

TEST(Conducao, OnlyTheChosenMethodsFilesAreRemoved) {
  AmbienteSimples a;
  a.exemplo();
  std::filesystem::create_directories(a.temp(""));
  for (const char* nome : {"SR1999.CSV", "so1999", "QU1999.CSV", "QA1999", "outro.txt"})
    escreve_tudo(a.temp(nome), "x");
  ASSERT_TRUE(ProcessaClick(a.sis));
  EXPECT_FALSE(existe(a.temp("SR1999.CSV")));
  EXPECT_FALSE(existe(a.temp("so1999")));
  EXPECT_TRUE(existe(a.temp("QU1999.CSV")));
  EXPECT_TRUE(existe(a.temp("QA1999")));
  EXPECT_TRUE(existe(a.temp("outro.txt")));

  // The quartile method, even refusing its parameters, clears its own.
  a.o().MetodoQuartisClick(true);
  a.o().cfg.Div_habitantes = "0";
  a.plat.mensagens.clear();
  EXPECT_FALSE(ProcessaClick(a.sis));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "Informe um número maior que 0 em valor divisório (Configuração - Quartis)");
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Alerta");
  EXPECT_FALSE(existe(a.temp("QU1999.CSV")));
  EXPECT_TRUE(existe(a.temp("SR2005.CSV")));
  EXPECT_EQ(a.plat.situacoes.back().rfind("Calculado, levando ", 0), 0u);
  EXPECT_FALSE(a.plat.espera);
}

TEST(Conducao, QuartilesNeedSomeReferencePoint) {
  AmbienteSimples a;
  a.exemplo();
  a.o().MetodoQuartisClick(true);
  EXPECT_FALSE(ProcessaClick(a.sis));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto,
            "Não existe referência sobre algum identificador de linha (Condiguração - Quartis - Pontos de "
            "referência)");
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Alerta");
}

TEST(Conducao, AFileThatCannotBeDeletedStopsTheRun) {
  if (::geteuid() == 0) GTEST_SKIP() << "root deletes from a read-only folder";
  AmbienteSimples a;
  a.exemplo();
  std::filesystem::create_directories(a.temp(""));
  escreve_tudo(a.temp("SR1999.CSV"), "x");
  std::filesystem::permissions(a.temp(""), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(ProcessaClick(a.sis));
  std::filesystem::permissions(a.temp(""), std::filesystem::perms::owner_all);
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto,
            "A pasta\r\r" + a.pasta.caminho() +
                "Temp\r\rcontém algum arquivo em uso, e é necessário apagá-lo para continuar.");
  EXPECT_EQ(a.plat.mensagens[0].titulo, "Erro!");
  EXPECT_FALSE(a.plat.espera);
  EXPECT_TRUE(existe(a.temp("SR1999.CSV")));
}

TEST(Conducao, AFolderThatCannotBeMadeStopsTheRun) {
  AmbienteSimples a;
  a.exemplo();
  escreve_tudo(a.pasta / "arquivo", "x");
  a.sis.princ.PastaTemp = a.pasta / "arquivo";
  EXPECT_FALSE(ProcessaClick(a.sis));
  ASSERT_EQ(a.plat.mensagens.size(), 1u);
  EXPECT_EQ(a.plat.mensagens[0].texto, "Não foi possível criar a pasta\r\r" + (a.pasta / "arquivo"));
}

TEST(Conducao, StatusTextsAndProgress) {
  AmbienteSimples a;
  a.exemplo();
  a.o().UltimaLinha = 10000;
  a.plat.situacoes.clear();
  ASSERT_TRUE(ProcessaClick(a.sis));
  const auto& s = a.plat.situacoes;
  ASSERT_GE(s.size(), 4u);
  EXPECT_EQ(s[0], "Aguarde...");
  EXPECT_EQ(s[1], "Esvaziando planilhas e calculando...");
  EXPECT_EQ(s[s.size() - 2], "Pronto. Veja as guias de resultados.");
  EXPECT_TRUE(std::regex_match(s.back(), std::regex("Calculado, levando \\d\\d:\\d\\d:\\d\\d h")));
  EXPECT_EQ(a.plat.progresso_maximo, 10000);
  // Positions only when the percentage changes.
  EXPECT_LE(a.plat.progresso_chamadas, 101);
  EXPECT_GE(a.plat.progresso_chamadas, 100);
  EXPECT_FALSE(a.plat.progresso_visivel);
  EXPECT_FALSE(a.plat.espera);
}

TEST(Conducao, GridsAreEmptiedOverTheColumnsTheVariablesTake) {
  AmbienteSimples a;
  a.exemplo();
  a.linha(6, {"fim"});
  a.vars().cel(6, 6) = "velho";
  a.saida().cel(2, 6) = "velho";
  ASSERT_TRUE(ProcessaClick(a.sis));
  EXPECT_EQ(a.vars().cel(6, 6), "");
  EXPECT_EQ(a.saida().cel(2, 6), "");
}

// Three years; the second one cancels the run: its first area turns from a
// negative projection into one without a population to grow from.
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

TEST(Conducao, ACancelledRunRestoresTheTargetTotalsAndKeepsEarlierYears) {
  AmbienteSimples a;
  tres_anos_cancelados(a, false);
  EXPECT_FALSE(ProcessaClick(a.sis));
  EXPECT_EQ(a.plat.mensagens.back().texto, "Algum problema no cálculo. Tarefa cancelada.");
  EXPECT_EQ(a.o().TotalPrincipal, 1200);
  EXPECT_TRUE(existe(a.temp("SR2001.CSV")));
  EXPECT_FALSE(existe(a.temp("SR2002.CSV")));
  EXPECT_FALSE(existe(a.temp("SO2002")));
  EXPECT_EQ(a.s().Ano_Projetado_hint, "2001");
}

TEST(Conducao, BlockModeRestoresTheBlockTotalsButNotTheirSum) {
  AmbienteSimples a;
  tres_anos_cancelados(a, true);
  EXPECT_FALSE(ProcessaClick(a.sis));
  EXPECT_EQ(a.o().TotaisSecundarios, std::vector<int64_t>{1200});
  EXPECT_EQ(a.o().TotalPrincipal, 1100);
}

TEST(Conducao, RatesOfIntermediateYearsCountTheirOwnMonths) {
  AmbienteSimples a;
  a.exemplo();
  a.o().cfg.AnoProj = "2004";
  a.o().define_Anos_intermediarios(true);
  a.o().Outros_totaisClick();
  for (int c = 2; c <= 4; ++c) a.o().Grade_totais.cel(c, 1) = "1300";
  ASSERT_TRUE(ProcessaClick(a.sis));
  // 2004 is shown: 48 months, so the rate is the fourth root of 145/130.
  EXPECT_EQ(a.vars().cel(6, 3).substr(0, 6), "2.7675");
  const std::string sv2002 = le_tudo(a.temp("SV2002.CSV"));
  // 2002: 24 months, the square root of 145/130.
  EXPECT_NE(sv2002.find("\"5.6117"), std::string::npos) << sv2002;
}

}  // namespace
}  // namespace zivu::teste
