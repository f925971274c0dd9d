// A grid of text cells with a fixed header row 0 and column 0, addressed as
// (column, row) like the sheet.
#pragma once

#include <string>
#include <vector>

namespace zivu {

class Grade {
 public:
  explicit Grade(std::string nome = {}, int colunas = 0, int linhas = 0);

  const std::string& nome() const { return nome_; }
  int colunas() const { return colunas_; }
  int linhas() const { return linhas_; }

  // Resizes keeping the cells that still fit.
  void redimensiona(int colunas, int linhas);
  void define_colunas(int colunas) { redimensiona(colunas, linhas_); }
  void define_linhas(int linhas) { redimensiona(colunas_, linhas); }

  bool dentro(int c, int r) const { return c >= 0 && r >= 0 && c < colunas_ && r < linhas_; }
  std::string& cel(int c, int r) { return celulas_[static_cast<size_t>(r) * colunas_ + c]; }
  const std::string& cel(int c, int r) const { return celulas_[static_cast<size_t>(r) * colunas_ + c]; }
  // Safe read: empty text outside the grid.
  const std::string& le(int c, int r) const;
  // Safe write: ignored outside the grid.
  void escreve(int c, int r, std::string texto);

  // Empties every cell (headers too).
  void limpa();
  // Row numbers in column 0 and letters in row 0, as the sheet has them.
  void escreve_cabecalhos_planilha();

 private:
  std::string nome_;
  int colunas_ = 0;
  int linhas_ = 0;
  std::vector<std::string> celulas_;
};

// Size of the sheet and of the grids that mirror it.
inline constexpr int kLinhasPlanilha = 10001;
inline constexpr int kColunasPlanilha = 27;

}  // namespace zivu
