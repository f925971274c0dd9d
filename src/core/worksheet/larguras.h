// How wide each column of a grid must be to show its texts whole, drawn as a
// spreadsheet draws them: a text whose right neighbour is empty runs over
// into it and does not widen its column; a number always fits its column.
#pragma once

#include <string_view>
#include <vector>

namespace zivu {

class Grade;

// The text of cell (c, r) must fit in column c: it is a number, its right
// neighbour is filled, or c is the grid's last column.
bool cabe_na_coluna(const Grade& g, int c, int r);

struct LarguraColuna {
  int caracteres = 0;        // longest text that must fit, in characters
  std::vector<int> linhas;   // rows of its longest such texts, longest first
};

// For every column from `c0` on, over the rows from `r0` on: the longest text
// that must fit and the rows of up to `quantas` of the longest ones (the
// front end measures those few in its font instead of every row).
std::vector<LarguraColuna> larguras_colunas(const Grade& g, int c0, int r0, int quantas);

}  // namespace zivu
