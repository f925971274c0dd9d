// Commands of the quartile results window: the statistics grid's clicks and
// painting, the jump to a group, the pages and the exports.
#pragma once

#include "core/results/quartis.h"

namespace zivu {

class Sistema;

// ---- "Estatísticas" page

// How a cell of Tab_Estatisticas is painted. Cells not `propria` keep the
// grid's own painting; painted cells draw their text 5 pixels in.
enum class CorEstatistica { Grade, BrancoSobrePreto, AmareloSobreCinza, BrancoNegritoSobreVermelho };
struct PinturaEstatistica {
  bool propria = false;
  CorEstatistica cor = CorEstatistica::Grade;
};
PinturaEstatistica Tab_EstatisticasDrawCell(int coluna, int linha);
inline constexpr int kMargemTextoEstatistica = 5;

// "Ver Grupo": the first description row of the selected cell's group
// becomes the current cell; shows "Registros descritos".
void Ver_grupoClick(Sistema& sis);

// ---- window and pages
// FormShow: the year chooser and "Unir resultados" only with intermediate
// years; then the page showing runs its show handler.
void QuartisShow(Sistema& sis);
// Brings a page to the front; the four listing pages set the main menu's
// export and print items.
void mostra_pagina(Sistema& sis, PaginaQuartis pagina);

// ---- exports; false when cancelled or the file could not be written
bool Exportar_TPClick(Sistema& sis);
bool Exportar_EstClick(Sistema& sis);
bool Exportar_DescClick(Sistema& sis);
bool Exportar_excClick(Sistema& sis);
bool Exportar_UniaoClick(Sistema& sis);

}  // namespace zivu
