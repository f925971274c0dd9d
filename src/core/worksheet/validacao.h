// Checks made by "Calcular" before a run, and the values they prepare.
#pragma once

#include <cstdint>
#include <string_view>

namespace zivu {

class Sistema;
class Origem;

// Characters a number cell may hold.
inline constexpr std::string_view kCaracteresNumero = "0123456789.,";

// True when the text is not empty and every character is in `permitidos`.
bool valida(std::string_view texto, std::string_view permitidos = kCaracteresNumero);

// The checks "Calcular" makes before a run, in their fixed order; on success
// the run's parameters (month counts, number mask, projected-year lists) are
// set. False when a check stopped it (its message was shown).
bool ProcessaClick(Sistema& sis);

// Months from the second survey to projected year `ano`:
// 12 * (ano - T1) - (mX - m1). For the target year this is MesesProjecao.
int64_t MesesAteAno(const Origem& origem, int64_t ano);

// Most years a run may project with intermediate years on (one totals-sheet
// column each).
inline constexpr int64_t kMaxAnosProjetados = 9999;

}  // namespace zivu
