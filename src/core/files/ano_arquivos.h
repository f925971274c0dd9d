// Per-year result files: stored after each computed year and after an
// adjustment, loaded back by the year choosers.
#pragma once

#include <string>

namespace zivu {

class Sistema;

// Folder of the per-year files, ending with "/": princ.PastaTemp when set,
// else the work folder's "Temp/".
std::string pasta_temp(const Sistema& sis);

// Stores the year's files: kind 'S' (any case) the simple window's SR, SV,
// SA and SO files; any other kind the quartile window's QU, Q2 and QA files.
// Throws ErroArquivo when a file cannot be written.
void Grava_Ano(Sistema& sis, const std::string& ano, char tipo);
void Grava_Ano_Quartis(Sistema& sis, const std::string& ano);

// Marker file text: "adaptar" or "nao adaptar", without line end.
std::string texto_marcador(bool adaptar);
// The reading loop of the marker files: the last line read decides, and an
// empty line stops the loop.
bool le_marcador(const std::string& texto);

// Year chooser of the simple window: loads the year selected in its list.
// Does nothing without a selection. False when a file could not be read (its
// message was shown; the chooser stays open).
bool Aceitar_anoClick(Sistema& sis);
void Ano_ProjetadoClick(Sistema& sis);
void Cancelar_anoClick(Sistema& sis);

}  // namespace zivu
