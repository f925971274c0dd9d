#include "core/worksheet/larguras.h"

#include <algorithm>

#include "core/text/textos.h"
#include "core/worksheet/grade.h"

namespace zivu {

namespace {

bool parece_numero(std::string_view t) {
  size_t i = t.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  if (t[i] == '-' || t[i] == '+') ++i;
  if (i < t.size() && (t[i] == '.' || t[i] == ',')) ++i;
  return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

}  // namespace

bool cabe_na_coluna(const Grade& g, int c, int r) {
  return c + 1 >= g.colunas() || !g.le(c + 1, r).empty() || parece_numero(g.le(c, r));
}

std::vector<LarguraColuna> larguras_colunas(const Grade& g, int c0, int r0, int quantas) {
  std::vector<LarguraColuna> larguras(static_cast<size_t>(std::max(0, g.colunas() - c0)));
  // Per column, (length, row) of its longest texts, kept as a small sorted list.
  std::vector<std::vector<std::pair<int, int>>> melhores(larguras.size());
  for (int r = std::max(0, r0); r < g.linhas(); ++r)
    for (int c = std::max(0, c0); c < g.colunas(); ++c) {
      const std::string& t = g.cel(c, r);
      if (t.empty()) continue;
      auto& m = melhores[static_cast<size_t>(c - c0)];
      // Byte length first: cheap, and no shorter in characters than it counts.
      if (static_cast<int>(m.size()) == quantas && static_cast<int>(t.size()) <= m.back().first) continue;
      if (!cabe_na_coluna(g, c, r)) continue;
      const int n = comprimento(t);
      if (static_cast<int>(m.size()) == quantas && n <= m.back().first) continue;
      auto pos = std::find_if(m.begin(), m.end(), [n](const auto& p) { return p.first < n; });
      m.insert(pos, {n, r});
      if (static_cast<int>(m.size()) > quantas) m.pop_back();
    }
  for (size_t i = 0; i < larguras.size(); ++i) {
    if (melhores[i].empty()) continue;
    larguras[i].caracteres = melhores[i].front().first;
    for (const auto& [n, r] : melhores[i]) larguras[i].linhas.push_back(r);
  }
  return larguras;
}

}  // namespace zivu
