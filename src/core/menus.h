// Main-menu items enabled by the page being shown.
#pragma once

namespace zivu {

struct Princ;

void Liga_Menus(Princ& princ);
void Desliga_Menus(Princ& princ);
// Page codes 1..7: worksheet data, simple results, simple variables, the four
// quartile pages.
void Habilita_Menus(Princ& princ, int pagina);

}  // namespace zivu
