// Output files for other systems: the all-years file for Vardex and the
// translation file, for the simple and the quartile window.
#pragma once

#include <string>

namespace zivu {

class Sistema;

inline constexpr const char* kAvisoReferencias =
    "Para esta operação, deve haver:\rCódigo da área maior e\rCódigo da área menor\r\r"
    "Acesse Configuração-Quartis-Pontos de referência.";

// Where the all-years file goes: "Unir resultados" or "&Gravar para Vardex".
enum class DestinoUniao { Unir, Vardex };

// The all-years file. True when the file was written.
bool Salva_Uniao(Sistema& sis, DestinoUniao destino);
bool Salva_Uniao_Quartis(Sistema& sis, DestinoUniao destino);
// "&Gravar para ser traduzido". True when the file was written.
bool DoDo_TradutorClick(Sistema& sis);
bool DoDo_TradutorClick_Quartis(Sistema& sis);

}  // namespace zivu
