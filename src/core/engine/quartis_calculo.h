// Quartile method: one projected year, statistics of the chosen data area,
// the adjustment table and the quartile window's year loading.
#pragma once

#include <string>

namespace zivu {

class Sistema;

// Computes year `ano` with the quartile method and stores its files.
// False when the run must be cancelled (the message was shown).
bool Projeta_Ano_Quartis(Sistema& sis, const std::string& ano);
// Statistics of the data area at the track bar's position.
void Sel_AreaChange(Sistema& sis);
// Loads the year selected in the quartile window's year list.
void Aceitar_anoClick_Quartis(Sistema& sis);
// Applies the adjustment table to the union table and stores the year again.
void AdaptarClick_Quartis(Sistema& sis);

}  // namespace zivu
