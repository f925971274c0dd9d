// The 60-byte binary configuration file (".CFG").
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zivu {

class Sistema;

using RegistroConfiguracao = std::array<uint8_t, 60>;

void SalvaConfClick(Sistema& sis);
void AbreConfClick(Sistema& sis);
// The steps after the dialogs; false when the failure message was shown.
bool Salva_Configuracao(Sistema& sis, const std::string& nome);
bool Abre_Configuracao(Sistema& sis, const std::string& nome);

}  // namespace zivu
