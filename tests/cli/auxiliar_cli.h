// Runs zivu-cli in a temporary folder of its own and reads back what it wrote.
#pragma once

#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "dourado.h"

namespace zivu::teste {

namespace fs = std::filesystem;

struct Execucao {
  int status = -1;
  std::string saida, erros;
};

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string modelo = (fs::temp_directory_path() / "zivu-cli-XXXXXX").string();
    pasta = ::mkdtemp(modelo.data());
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(pasta, ec);
  }

  // Runs the program inside the folder, its work folder there too;
  // `argumentos` is shell text.
  Execucao roda(const std::string& argumentos) {
    const std::string comando = "cd '" + pasta.string() + "' && ZIVU_HOME=casa LC_ALL=C '" + ZIVU_CLI_PATH +
                                "' " + argumentos + " > .saida 2> .erros";
    const int st = std::system(comando.c_str());
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, le_tudo(pasta / ".saida"), le_tudo(pasta / ".erros")};
  }
  std::string em(const std::string& nome) const { return (pasta / nome).string(); }
  bool existe(const std::string& nome) const { return fs::exists(pasta / nome); }

  fs::path pasta;
};

}  // namespace zivu::teste
