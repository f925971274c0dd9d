// Golden files: the expected bytes of a result live in tests/data/esperado.
// ZIVU_ATUALIZA=1 writes them from the result instead (review the diff).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/worksheet/grade.h"

namespace zivu::teste {

inline std::string dados(const std::string& nome) { return std::string(ZIVU_TEST_DATA) + "/" + nome; }

inline std::string le_tudo(const std::filesystem::path& caminho) {
  std::ifstream f(caminho, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

inline void espera_dourado(const std::string& nome, const std::string& obtido) {
  const std::filesystem::path caminho = std::filesystem::path(ZIVU_TEST_DATA) / "esperado" / nome;
  if (std::getenv("ZIVU_ATUALIZA")) {
    std::filesystem::create_directories(caminho.parent_path());
    std::ofstream(caminho, std::ios::binary) << obtido;
  }
  ASSERT_TRUE(std::filesystem::exists(caminho)) << "missing " << caminho;
  EXPECT_EQ(obtido, le_tudo(caminho)) << caminho;
}

// A grid as text: a title line, then its rows (the first `linhas` if
// given) with a tab between cells.
inline std::string texto_grade(const std::string& titulo, const Grade& g, int linhas = -1) {
  std::string t = "== " + titulo + "\n";
  for (int r = 0; r < (linhas < 0 ? g.linhas() : std::min(linhas, g.linhas())); ++r) {
    for (int c = 0; c < g.colunas(); ++c) t += (c ? "\t" : "") + g.cel(c, r);
    t += "\n";
  }
  return t;
}

}  // namespace zivu::teste
