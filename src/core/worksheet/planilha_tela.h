// What the sheet shows in a cell and what its keys do.
#pragma once

namespace zivu {

class Origem;

// Kinds of mark a cell can show, in drawing order.
enum class TipoMarca { Nenhuma, Ano, Principal, Secundaria, Dados, Titulo };

// The mark drawn in cell (coluna, linha): the last kind, in drawing order,
// whose marked region holds the cell.
TipoMarca marca_da_celula(const Origem& origem, int coluna, int linha);

// A character typed on the sheet. Ctrl+G (7) empties the current cell; Enter
// (13) asks for the editing field. Returns true when the editing field should
// take the focus.
bool DadosEntradaKeyPress(Origem& origem, char32_t tecla);

}  // namespace zivu
