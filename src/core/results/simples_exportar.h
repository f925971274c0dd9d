// Exports of the simple results window.
#pragma once

namespace zivu {

class Sistema;

// Save dialog, then CSV (worksheet extent) or DAT. False when cancelled or
// the file could not be written.
bool Exportar_RClick(Sistema& sis);
bool Exportar_VClick(Sistema& sis);

}  // namespace zivu
