#include "core/files/arquivos.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/files/auxiliar_arquivos.h"

namespace zivu::teste {
namespace {

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
