// Output files for other systems: the all-years file for Vardex and the
// translation file, for the simple and the quartile window.
#pragma once

#include <string>

namespace zivu {

class Sistema;

inline constexpr const char* kAvisoReferencias =
    "Para esta operação, deve haver:\rCódigo da área maior e\rCódigo da área menor\r\r"
    "Acesse Configuração-Quartis-Pontos de referência.";

// Mode 0 "Unir resultados", mode 1 "&Gravar para Vardex". True when the file
// was written.
bool Salva_Uniao(Sistema& sis, int modo);
bool Salva_Uniao_Quartis(Sistema& sis, int modo);
// "&Gravar para ser traduzido". True when the file was written.
bool DoDo_TradutorClick(Sistema& sis);
bool DoDo_TradutorClick_Quartis(Sistema& sis);

}  // namespace zivu
