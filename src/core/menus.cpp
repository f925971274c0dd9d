#include "core/menus.h"

namespace zivu {

void Liga_Menus(Princ& princ) { princ.menus.fill(true); }

void Desliga_Menus(Princ& princ) { princ.menus.fill(false); }

void Habilita_Menus(Princ& princ, PaginaMenu pagina) {
  switch (pagina) {
    case PaginaMenu::Planilha:
      Liga_Menus(princ);
      return;
    case PaginaMenu::Resultados:
    case PaginaMenu::Variaveis:
      Desliga_Menus(princ);
      princ.menus[Exportar1] = princ.menus[Copiar1] = princ.menus[Imprimir1] = true;
      return;
    case PaginaMenu::TabelaPartida:
    case PaginaMenu::Estatisticas:
    case PaginaMenu::Descricao:
    case PaginaMenu::Excecoes:
      Desliga_Menus(princ);
      princ.menus[Exportar1] = princ.menus[Imprimir1] = true;
      return;
  }
}

}  // namespace zivu
