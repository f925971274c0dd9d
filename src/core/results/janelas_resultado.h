// What the results windows decide besides their grids: the show handlers of
// "DoDo simples", the titles of the quartile window's prints, and which
// results window a "Calcular" brings forward.
#pragma once

#include <functional>
#include <string>

namespace zivu {

class Sistema;
struct Quartis;

inline constexpr const char* kTituloImpRes = " - Resultado";
inline constexpr const char* kTituloImpVar = " - Variáveis";
inline constexpr const char* kTituloImpUniao = " - União dos registros de quartil e exceção.";
inline constexpr const char* kSituacaoResultados = "Apresenta o resultado da projeção dos dados de entrada";

// FormShow of "DoDo simples": the year chooser and "Unir resultados" only
// when the intermediate years are projected.
void SimplesShow(Sistema& sis);
// Page "Resultados" shown: its status text; export, copy and print only.
void ResultadosShow(Sistema& sis);
// Page "Variáveis" shown: export, copy and print only.
void VariaveisShow(Sistema& sis);
// The results windows created: each shows its results page once, which
// leaves that page's status text. Its commands (export, copy, print) would
// act on results not yet calculated, so the menus stay off.
void ResultadosCriados(Sistema& sis);

// Print titles of the quartile window: the listing of the checked radio
// button, the statistics and the description of the data area chosen on the
// track bar, the exceptions with the dividing value.
std::string Titulo_ImpTab(const Quartis& q);
std::string Titulo_ImpEstat(const Quartis& q);
std::string Titulo_ImpDesc(const Quartis& q);
std::string Titulo_ImpExc(const Sistema& sis);

// Runs a command of a results window with the expected totals of the year
// that window shows, then puts the marked totals back. Loading a year and
// adjusting it need that year's totals; but the marked totals are the
// target year's, and a later run or the totals sheet must find them again.
// False when the command failed or the shown year's totals did not convert.
bool comando_de_resultados(Sistema& sis, bool quartis, const std::function<bool()>& comando);

enum class JanelaResultado { Nenhuma, Simples, Quartis };

// "Calcular": the checks, then the run. The results window of the method
// comes forward whenever the run itself began, also when it refused the
// quartile parameters or a year was cancelled; Nenhuma when a check or the
// "Temp" folder stopped it first.
JanelaResultado CalcularClick(Sistema& sis);

}  // namespace zivu
