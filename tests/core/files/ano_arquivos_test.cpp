// Per-year result files: their bytes, the marker reading loop, and the simple
// window's year chooser loading them back.
#include "core/engine/calculo.h"
#include "core/engine/escolha_ano.h"
#include "core/files/ano_arquivos.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "core/engine/simples_auxiliar.h"
#include "dourado.h"
#include "core/engine/simples_calculo.h"
#include "core/worksheet/validacao.h"

namespace zivu::teste {
namespace {

// The worked example's four files: results, variables four columns right of
// the first year's (past the worksheet's extent), marker, observations.
TEST(ArquivosDoAno, BytesOfTheFourSimpleFiles) {
  AmbienteSimples a;
  a.exemplo();
  ASSERT_TRUE(Calcular(a.sis));
  std::string t;
  for (const char* nome : {"SR2005.CSV", "SV2005.CSV", "SA2005", "SO2005"})
    t += std::string("== ") + nome + "\n" + le_tudo(a.temp(nome)) + "\n";
  espera_dourado("simples_exemplo_2005.txt", t);
}

TEST(ArquivosDoAno, MarkerReadingLoop) {
  EXPECT_TRUE(le_marcador("ADAPTAR"));
  EXPECT_TRUE(le_marcador("Adaptar\r\n"));
  EXPECT_FALSE(le_marcador("NAO ADAPTAR"));
  // The empty line decides and ends the loop.
  EXPECT_FALSE(le_marcador("adaptar\r\n\r\nadaptar"));
  EXPECT_TRUE(le_marcador("nao adaptar\nadaptar"));
  EXPECT_FALSE(le_marcador(" adaptar"));
}

// Intermediate years 2001 to 2003 with three areas; 2002 expects one more
// person than its areas round to.
class EscolhaDoAno : public ::testing::Test {
 protected:
  AmbienteSimples a;
  void SetUp() override {
    a.exemplo(1300, {{"100", "130"}, {"400", "470"}, {"500", "600"}});
    a.o().cfg.AnoProj = "2003";
    a.o().define_Anos_intermediarios(true);
    a.o().Outros_totaisClick();
    a.o().Grade_totais.cel(2, 1) = "1300";
    a.o().Grade_totais.cel(3, 1) = "1301";
    ASSERT_TRUE(Calcular(a.sis));
    a.plat.mensagens.clear();
  }
  bool escolhe(int i) {
    Ano_ProjetadoClick(a.s());
    a.s().Esc_Ano_Projetado_indice = i;
    return Aceitar_anoClick(a.sis);
  }
};

// 2001: twelve months from the second survey, the annual rate is the whole
// change; 2002 needs Adaptar, its total 1301 and its whole text come back.
TEST_F(EscolhaDoAno, LoadingAYearRestoresItsGridsRatesAndObservations) {
  ASSERT_TRUE(escolhe(0));
  EXPECT_FALSE(a.s().Anos_visivel);
  const std::string t = a.texto();
  ASSERT_TRUE(escolhe(1));
  espera_dourado("simples_escolha_ano.txt", t + "=== 2002\n" + a.texto());
  // The chooser opens on the year on screen.
  a.s().Esc_Ano_Projetado_indice = 2;
  Ano_ProjetadoClick(a.s());
  EXPECT_EQ(a.s().Esc_Ano_Projetado_indice, 1);
}

TEST_F(EscolhaDoAno, AnAdjustedYearReloadsAdjusted) {
  ASSERT_TRUE(escolhe(1));
  ASSERT_TRUE(AdaptarClick(a.sis));
  EXPECT_EQ(a.saida().cel(2, 5), "651");
  const std::string obs = a.s().Texto_Obs;
  ASSERT_TRUE(escolhe(2));
  EXPECT_EQ(a.saida().cel(2, 5), "650");
  ASSERT_TRUE(escolhe(1));
  EXPECT_EQ(a.saida().cel(2, 5), "651");
  EXPECT_EQ(a.saida().cel(2, 2), "1301");
  EXPECT_FALSE(a.s().Adaptar);
  EXPECT_EQ(a.s().Texto_Obs, obs);
}

TEST_F(EscolhaDoAno, AMissingGridFileGivesTheReadersMessage) {
  std::filesystem::remove(a.temp("SR2001.CSV"));
  EXPECT_FALSE(escolhe(0));
  ASSERT_FALSE(a.plat.mensagens.empty());
  EXPECT_EQ(a.plat.mensagens.back().texto,
            "O arquivo " + a.temp("SR2001.CSV") + " pode estar em uso por outro programa/usuário.");
  EXPECT_EQ(a.plat.mensagens.back().titulo, "Erro!");
  EXPECT_TRUE(a.s().Anos_visivel);
  // Nothing of the year half-loaded: the last year stays on screen.
  EXPECT_EQ(a.s().Ano_Projetado_hint, "2003");
  EXPECT_EQ(a.saida().cel(2, 1), "2003");
}

TEST(ArquivosDoAno, ARunRemovesOnlyItsOwnMethodsFiles) {
  AmbienteSimples a;
  a.exemplo();
  std::filesystem::create_directories(a.temp(""));
  const std::vector<std::pair<std::string, bool>> nomes = {
      {"Salarios.xlsx", false}, {"Sumario.txt", false}, {"S.csv", false}, {"SR.CSV", false},
      {"SR20x5.CSV", false},    {"SA2005.CSV", false},  {"QU1999.CSV", false}, {"QA1999", false},
      {"sr1999.csv", true},     {"SV1999.CSV", true},   {"Sa1999", true},      {"SO1999", true}};
  for (const auto& [nome, _] : nomes) escreve_tudo(a.temp(nome), "x");
  ASSERT_TRUE(Calcular(a.sis));
  for (const auto& [nome, do_metodo] : nomes) EXPECT_EQ(existe(a.temp(nome)), !do_metodo) << nome;
  EXPECT_TRUE(arquivo_do_metodo("q21999.csv", Metodo::Quartis));
  EXPECT_FALSE(arquivo_do_metodo("Q21999.CSV", Metodo::Simples));
}

TEST(ArquivosDoAno, AFailedWriteLeavesNoTornFile) {
  AmbienteSimples a;
  a.exemplo();
  // Files past 40 bytes cannot be written: the results file is longer.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit antes{};
  getrlimit(RLIMIT_FSIZE, &antes);
  rlimit pequeno = antes;
  pequeno.rlim_cur = 40;
  setrlimit(RLIMIT_FSIZE, &pequeno);
  const bool calculou = Calcular(a.sis);
  setrlimit(RLIMIT_FSIZE, &antes);
  EXPECT_FALSE(calculou);
  EXPECT_EQ(a.plat.mensagens.back().texto,
            "Não foi possível gravar o arquivo " + a.temp("SR2005.CSV") + ".\rErro original: File too large");
  for (const auto& e : std::filesystem::directory_iterator(a.temp(""))) ADD_FAILURE() << e.path();
}

TEST_F(EscolhaDoAno, AMissingMarkerReachesTheGeneralReportAndNoSelectionDoesNothing) {
  std::filesystem::remove(a.temp("SA2001"));
  EXPECT_FALSE(escolhe(0));
  EXPECT_EQ(a.plat.retira_mensagens(),
            "! Derova ZiVu 1.0|Não foi possível abrir o arquivo " + a.temp("SA2001") + ".\n");
  a.vars().cel(6, 3) = "marca";
  EXPECT_TRUE(escolhe(-1));
  EXPECT_EQ(a.vars().cel(6, 3), "marca");
}

}  // namespace
}  // namespace zivu::teste
