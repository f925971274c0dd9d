// Clipboard text of a grid: tab-separated cells, rows ended by CR.
#pragma once

#include <string>
#include <string_view>

namespace zivu {

class Grade;
class Sistema;

// Cells of the rectangle, a TAB between two cells of a row and a CR between
// two rows; texts as they are.
std::string Copia_Grade(const Grade& grade, int left, int top, int right, int bottom);

// Pastes `texto` into the sheet from the worksheet's current cell, raising
// its extent. TAB ends a cell; CR, LF or CR LF end a row. Stops with the
// "Falha!" message when the text runs past the last column or row, keeping
// what was stored. Returns false when it stopped.
bool Cola_Grade(Sistema& sis, std::string_view texto);

// The worksheet's "Copiar": the selection's text.
std::string CopiarClick(const Sistema& sis);
// The worksheet's "Colar": pastes, then the results can no longer be adjusted.
void ColarClick(Sistema& sis, std::string_view texto);

}  // namespace zivu
