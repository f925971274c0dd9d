// Main-menu items enabled by the page being shown.
#pragma once

#include "core/principal.h"

namespace zivu {

// The pages that set the main menu: the worksheet's data, the simple
// window's two grids and the quartile window's four listings.
enum class PaginaMenu {
  Planilha, Resultados, Variaveis, TabelaPartida, Estatisticas, Descricao, Excecoes
};

void Liga_Menus(Princ& princ);
void Desliga_Menus(Princ& princ);
void Habilita_Menus(Princ& princ, PaginaMenu pagina);

}  // namespace zivu
