// The simple DoDo computation of one projected year and the simple window's
// total adjustment.
#pragma once

#include <string>

namespace zivu {

class Sistema;

// One small area: the DoDo formulas. Writes the unrounded population, Ai and
// Bi into the variables grid (columns c0..c0+2 of row r) and returns the
// rounded population as text, or "Erro" when a step fails.
std::string Projeta_Linha(Sistema& sis, int r, int c0, double B0, double B1, double PX,
                          double p0, double p1);

// Computes year `ano` and stores its files. False when the run must be
// cancelled ("Algum problema no cálculo. Tarefa cancelada." was shown, or a
// file could not be written).
bool Projeta_Ano_Simples(Sistema& sis, const std::string& ano);
// As above without storing the files (for measurements and tests).
bool Projeta_Ano_Simples_sem_gravar(Sistema& sis, const std::string& ano);

// "Adaptar" of the simple window: gives each difference to the largest
// population and stores the year shown again. False when a cell did not
// convert or the files could not be written (nothing changed then).
bool AdaptarClick(Sistema& sis);

}  // namespace zivu
