// Files in general: whole reads, safe writes, the work and system folders,
// masks. Per-year result files: their bytes, the marker reading loop, and the
// simple window's year chooser loading them back.
#include "core/engine/calculo.h"
#include "core/engine/escolha_ano.h"
#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "core/engine/simples_auxiliar.h"
#include "core/engine/simples_calculo.h"
#include "core/files/auxiliar_arquivos.h"
#include "core/worksheet/validacao.h"
#include "dourado.h"

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

// The empty line decides and ends the loop.
TEST(ArquivosDoAno, MarkerReadingLoop) {
  for (const auto& [texto, adaptar] : {std::pair{"ADAPTAR", true}, {"Adaptar\r\n", true}, {"NAO ADAPTAR", false},
                                       {"adaptar\r\n\r\nadaptar", false}, {"nao adaptar\nadaptar", true},
                                       {" adaptar", false}})
    EXPECT_EQ(le_marcador(texto), adaptar) << texto;
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
  EXPECT_EQ(a.plat.retira_mensagens(),
            "! Erro!|O arquivo " + a.temp("SR2001.CSV") + " pode estar em uso por outro programa/usuário.\n");
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

TEST(Arquivos, ReadsWholeFileOrNothingAndExistsMeansAFile) {
  PastaTemporaria pasta;
  const std::string bytes("a\0b\r\n\xFF", 6);
  escreve_tudo(pasta / "f", bytes);
  EXPECT_EQ(le_bytes(pasta / "f"), bytes);
  EXPECT_EQ(le_bytes(pasta / "nao"), std::nullopt);
  EXPECT_EQ(le_bytes(pasta.caminho()), std::nullopt);  // a folder
  EXPECT_TRUE(existe_arquivo(pasta / "f"));
  EXPECT_FALSE(existe_arquivo(pasta / "g"));
  EXPECT_FALSE(existe_arquivo(pasta.caminho()));
}

TEST(Arquivos, SafeWriteReplacesTheFileOrTheLinkedFileAndLeavesNoTemporaryFile) {
  PastaTemporaria pasta;
  escreve_tudo(pasta / "real.csv", "old contents");
  std::filesystem::create_symlink(pasta / "real.csv", pasta / "link.csv");
  grava_seguro(pasta / "real.csv", "new");
  EXPECT_EQ(le_tudo(pasta / "real.csv"), "new");
  grava_seguro(pasta / "link.csv", "newer");
  EXPECT_TRUE(std::filesystem::is_symlink(pasta / "link.csv"));
  EXPECT_EQ(le_tudo(pasta / "real.csv"), "newer");
  EXPECT_EQ(conteudo(pasta.caminho()), (std::vector<std::string>{"link.csv", "real.csv"}));
  grava_seguro(pasta / std::string(250, 'n'), "long name");
  EXPECT_EQ(le_tudo(pasta / std::string(250, 'n')), "long name");
}

TEST(Arquivos, FailedSafeWriteThrowsAndLeavesFolderAsItWas) {
  PastaTemporaria pasta;
  std::filesystem::create_directory(pasta / "alvo");
  EXPECT_THROW(grava_seguro(pasta / "alvo", "x"), ErroArquivo);
  EXPECT_EQ(conteudo(pasta.caminho()), (std::vector<std::string>{"alvo"}));
  EXPECT_THROW(grava_seguro(pasta / "falta/f", "x"), ErroArquivo);
}

TEST(Arquivos, TextIsWrittenInFileEncoding) {
  PastaTemporaria pasta;
  grava_texto(pasta / "a", "Áreas\r\n");
  EXPECT_EQ(le_tudo(pasta / "a"), "\xC1reas\r\n");
  grava_texto(pasta / "b", "€Ω");
  EXPECT_EQ(le_tudo(pasta / "b"), "\xEF\xBB\xBF€Ω");
}

TEST(Arquivos, WorkFolderFromEnvironmentIsCreated) {
  PastaTemporaria pasta;
  const char* antes = std::getenv("ZIVU_HOME");
  const std::string guardado = antes ? antes : "";
  ::setenv("ZIVU_HOME", (pasta / "home/zivu").c_str(), 1);
  EXPECT_EQ(pasta_trabalho(), pasta / "home/zivu/");
  EXPECT_TRUE(std::filesystem::is_directory(pasta / "home/zivu"));
  if (antes)
    ::setenv("ZIVU_HOME", guardado.c_str(), 1);
  else
    ::unsetenv("ZIVU_HOME");
}

TEST(Arquivos, SystemFolderIsTheExecutablesFolder) {
  const std::string pasta = pasta_sistema();
  ASSERT_FALSE(pasta.empty());
  EXPECT_EQ(pasta.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(pasta + "zivu_core_tests"));
}

TEST(Arquivos, SystemFileIsBesideTheProgramElseInTheInstalledTree) {
  PastaTemporaria pasta;
  std::filesystem::create_directories(pasta / "usr/bin");
  std::filesystem::create_directories(pasta / "usr/share/derova-zivu");
  EXPECT_EQ(arquivo_sistema(pasta / "usr/bin/", "DoDo.html"), "");
  escreve_tudo(pasta / "usr/share/derova-zivu/DoDo.html", "x");
  EXPECT_EQ(arquivo_sistema(pasta / "usr/bin/", "DoDo.html"), pasta / "usr/share/derova-zivu/DoDo.html");
  escreve_tudo(pasta / "usr/bin/DoDo.html", "x");
  EXPECT_EQ(arquivo_sistema(pasta / "usr/bin/", "DoDo.html"), pasta / "usr/bin/DoDo.html");
}

TEST(Mascara, MatchesAsAWindowsFileList) {
  // No dot still matches "*.*"; any case; "?" is one character.
  for (const auto& [nome, mascara] : {std::pair{"SR2005.CSV", "S*.*"}, {"SA2005", "S*.*"}, {"sa2005", "S*.*"},
                                      {"S", "S*.*"}, {"qr2005.csv", "Q*.*"}, {"a.b.c", "*.c"}, {"ção.x", "??o.*"}})
    EXPECT_TRUE(casa_mascara(nome, mascara)) << nome << " " << mascara;
  for (const auto& [nome, mascara] :
       {std::pair{"QA2005", "S*.*"}, {"XS2005", "S*.*"}, {"abc", "*.c"}, {"ção.x", "?o.*"}})
    EXPECT_FALSE(casa_mascara(nome, mascara)) << nome << " " << mascara;
}

TEST(Mascara, EmptyingAFolderRemovesOnlyMatchingFiles) {
  PastaTemporaria pasta;
  for (const char* n : {"SA2005", "SO2005", "SR2005.CSV", "sr2006.csv", "QA2005", "QR2005.CSV"})
    escreve_tudo(pasta / n, "x");
  std::filesystem::create_directory(pasta / "Sub");
  EXPECT_TRUE(Esvazia_Pasta(pasta.caminho(), "S*.*"));
  EXPECT_EQ(conteudo(pasta.caminho()), (std::vector<std::string>{"QA2005", "QR2005.CSV", "Sub"}));
  EXPECT_TRUE(Esvazia_Pasta(pasta / "nao_existe", "S*.*"));
  // The folder may be given without its final "/".
  std::string sem_barra = pasta.caminho();
  sem_barra.pop_back();
  EXPECT_TRUE(Esvazia_Pasta(sem_barra, "Q*.*"));
  EXPECT_EQ(conteudo(pasta.caminho()), (std::vector<std::string>{"Sub"}));
}

// An immutable file cannot be deleted even by root; needs a file system that
// supports the flag.
bool torna_imutavel(const std::string& caminho, bool imutavel) {
  const int fd = ::open(caminho.c_str(), O_RDONLY);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = imutavel ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

TEST(Mascara, EmptyingStopsAtTheFirstFileThatCannotBeDeleted) {
  PastaTemporaria pasta;
  for (const char* n : {"SA", "SB", "SC"}) escreve_tudo(pasta / n, "x");
  if (!torna_imutavel(pasta / "SB", true)) GTEST_SKIP() << "no immutable files here";
  const bool resultado = Esvazia_Pasta(pasta.caminho(), "S*.*");
  torna_imutavel(pasta / "SB", false);
  EXPECT_FALSE(resultado);
  EXPECT_EQ(conteudo(pasta.caminho()), (std::vector<std::string>{"SB", "SC"}));
}

}  // namespace
}  // namespace zivu::teste
