// The calculation driver: the "Temp" folder, the run of the chosen method over
// every projected year, the saved totals and the elapsed time.
#pragma once

#include <string>

namespace zivu {

class Sistema;

// "Calcular": the checks before a run, then the run. False when a check
// stopped it or the run did not complete (the message was shown).
bool Calcular(Sistema& sis);

// Runs the chosen method. False when the run did not complete: the folder
// could not be emptied, the quartile parameters were refused, or a year was
// cancelled (the message was shown in each case).
bool Inicia_Calculo(Sistema& sis);
bool Calcula_Simples(Sistema& sis);
bool Calcula_Quartis(Sistema& sis);

// Loads the expected totals of projected year `ano` from the totals sheet
// and writes the fifth header of the variables grid. False when a totals
// cell did not convert (the message was shown).
bool PegandoNovosTotais(Sistema& sis, const std::string& ano);

// Keep the target-year totals while each year's totals are swapped in.
void SalvaValores(Sistema& sis);
void RecuperaValores(Sistema& sis);

}  // namespace zivu
