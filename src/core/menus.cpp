#include "core/menus.h"

#include "core/sistema.h"

namespace zivu {

void Liga_Menus(Princ& princ) { princ.menus.fill(true); }

void Desliga_Menus(Princ& princ) { princ.menus.fill(false); }

void Habilita_Menus(Princ& princ, int pagina) {
  Liga_Menus(princ);
  if (pagina == 2 || pagina == 3) {
    Desliga_Menus(princ);
    princ.menus[Exportar1] = princ.menus[Copiar1] = princ.menus[Imprimir1] = true;
  } else if (pagina > 3) {
    Desliga_Menus(princ);
    princ.menus[Exportar1] = princ.menus[Imprimir1] = true;
  }
}

}  // namespace zivu
