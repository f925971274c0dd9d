// A grid of text cells with a fixed header row 0 and column 0, addressed as
// (column, row) like the sheet.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace zivu {

// Storage costs only what was written: cells are made on their first write
// (by rows, in blocks of columns), a row never written holds nothing, and the
// sheet's row numbers are shared by every grid rather than stored in each.
class Grade {
 public:
  explicit Grade(std::string nome = {}, int colunas = 0, int linhas = 0);
  Grade(const Grade& outra);
  Grade& operator=(const Grade& outra);
  Grade(Grade&&) noexcept = default;
  Grade& operator=(Grade&&) noexcept = default;

  const std::string& nome() const { return nome_; }
  int colunas() const { return colunas_; }
  int linhas() const { return linhas_; }

  // Resizes keeping the cells that still fit.
  void redimensiona(int colunas, int linhas);
  void define_colunas(int colunas) { redimensiona(colunas, linhas_); }
  void define_linhas(int linhas) { redimensiona(colunas_, linhas); }

  bool dentro(int c, int r) const { return c >= 0 && r >= 0 && c < colunas_ && r < linhas_; }
  // A cell to write: its row and its block of columns are made here when
  // they have none yet. A cell stays where it is until the grid is resized.
  std::string& cel(int c, int r) {
    Linha& linha = linhas_cel_[static_cast<size_t>(r)];
    if (linha.empty()) cria_linha(r);
    auto& bloco = linha[static_cast<size_t>(c) / kBloco];
    if (!bloco) bloco = std::make_unique<std::string[]>(kBloco);
    return bloco[static_cast<size_t>(c) % kBloco];
  }
  const std::string& cel(int c, int r) const {
    const Linha& linha = linhas_cel_[static_cast<size_t>(r)];
    if (!linha.empty()) {
      const auto& bloco = linha[static_cast<size_t>(c) / kBloco];
      return bloco ? bloco[static_cast<size_t>(c) % kBloco] : vazio();
    }
    return c == 0 && r > 0 && r < numeradas_ ? numero_linha(r) : vazio();
  }
  // Safe read: empty text outside the grid.
  const std::string& le(int c, int r) const { return dentro(c, r) ? cel(c, r) : vazio(); }
  // Safe write: ignored outside the grid.
  void escreve(int c, int r, std::string texto);
  // Safe emptying of one cell that makes no row: one never written is empty.
  void apaga(int c, int r) {
    if (!dentro(c, r)) return;
    if (!linhas_cel_[static_cast<size_t>(r)].empty() || (c == 0 && r > 0 && r < numeradas_))
      cel(c, r).clear();
  }

  // Empties every cell (headers too); only rows written are touched, and
  // they keep their storage for the next run.
  void limpa();
  // Row numbers in column 0 and letters in row 0, as the sheet has them.
  void escreve_cabecalhos_planilha();

 private:
  void cria_linha(int r);
  size_t blocos() const;
  static const std::string& vazio();
  // "r", shared by every grid.
  static const std::string& numero_linha(int r);

  std::string nome_;
  int colunas_ = 0;
  int linhas_ = 0;
  // Rows 1..numeradas_-1 read their number in column 0 until written.
  int numeradas_ = 0;
  // Cells of a row in blocks of kBloco columns, each made on its first write;
  // a row never written has no blocks.
  static constexpr size_t kBloco = 9;
  using Linha = std::vector<std::unique_ptr<std::string[]>>;
  std::vector<Linha> linhas_cel_;
  // Rows made, so that limpa and a change of width touch only those.
  std::vector<int> escritas_;
};

// Size of the sheet and of the grids that mirror it.
inline constexpr int kLinhasPlanilha = 10001;
inline constexpr int kColunasPlanilha = 27;

}  // namespace zivu
