// Exports of the simple results window.
#pragma once

namespace zivu {

class Sistema;

// Save dialog, then CSV (worksheet extent) or DAT. False when cancelled or
// the file could not be written.
bool Exportar_RClick(Sistema& sis);
bool Exportar_VClick(Sistema& sis);
// Columns written for the variables grid: the worksheet's extent, widened so
// that Bi and both rates of the first year column are kept.
int colunas_variaveis(const Sistema& sis);

}  // namespace zivu
