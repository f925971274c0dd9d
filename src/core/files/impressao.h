// Page layout of a printed grid: fixed-width text pages with a dated title,
// the header row on every page and a page-number footer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zivu {

class Grade;
class Sistema;

// The grid laid out as the DAT file is: the header line from row 0 and one
// line per row up to the last filled one. Both empty when nothing is filled.
struct LinhasTabela {
  std::string cabecalho;
  std::vector<std::string> dados;
};
LinhasTabela Linhas_Tabela(const Grade& grade);

// One printed page, line by line; its last line is the footer "Página N".
using Pagina = std::vector<std::string>;

// Pages of `linrel` data lines each, the last one padded with empty lines so
// every footer stands at the same place. `data_titulo` is the date followed
// by the caller's title. A `linrel` below 1 puts every line on one page.
std::vector<Pagina> Paginas_Tabela(const LinhasTabela& linhas, std::string_view data_titulo,
                                   int linrel);

// The grid in bands of columns for paper `caracteres` wide: each band's lines
// start with the row numbers (column 0) and fit the paper. Columns are as
// wide as their texts that must fit (see `cabe_na_coluna`); a longer text
// runs over the empty cells to its right, as on screen. A band holds at least
// one column, however wide.
std::vector<LinhasTabela> Faixas_Tabela(const Grade& grade, int caracteres);

// What "Imprimir" sends to the printer for `grade`: no pages when nothing is
// filled; when the worksheet's "Linhas de relatório" is not a whole number
// the conversion message is shown and no pages are returned. With paper
// `caracteres` wide, columns that do not fit continue on further pages: all
// the pages of the first band of columns, then those of the next (down, then
// over), numbered in that order. Without it every line is whole.
std::vector<Pagina> Imprime_Tabela(Sistema& sis, const Grade& grade, std::string_view data,
                                   std::string_view titulo, int caracteres = 0);

}  // namespace zivu
