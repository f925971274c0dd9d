#include "core/worksheet/grade.h"

#include "core/text/textos.h"

namespace zivu {

Grade::Grade(std::string nome, int colunas, int linhas) : nome_(std::move(nome)) {
  redimensiona(colunas, linhas);
}

void Grade::redimensiona(int colunas, int linhas) {
  if (colunas < 0) colunas = 0;
  if (linhas < 0) linhas = 0;
  if (colunas == colunas_ && linhas == linhas_) return;
  if (colunas == colunas_) {
    celulas_.resize(static_cast<size_t>(colunas) * linhas);
    linhas_ = linhas;
    return;
  }
  std::vector<std::string> novas(static_cast<size_t>(colunas) * linhas);
  for (int r = 0; r < linhas && r < linhas_; ++r)
    for (int c = 0; c < colunas && c < colunas_; ++c)
      novas[static_cast<size_t>(r) * colunas + c] = std::move(cel(c, r));
  celulas_ = std::move(novas);
  colunas_ = colunas;
  linhas_ = linhas;
}

const std::string& Grade::le(int c, int r) const {
  static const std::string vazio;
  return dentro(c, r) ? cel(c, r) : vazio;
}

void Grade::escreve(int c, int r, std::string texto) {
  if (dentro(c, r)) cel(c, r) = std::move(texto);
}

void Grade::limpa() {
  for (auto& s : celulas_) s.clear();
}

void Grade::escreve_cabecalhos_planilha() {
  for (int r = 1; r < linhas_; ++r) cel(0, r) = std::to_string(r);
  for (int c = 1; c < colunas_; ++c) cel(c, 0) = letra_coluna(c);
}

}  // namespace zivu
