// Back-test ("Avaliação retrospectiva"): the worksheet's two surveys project
// the year of a later survey held in one more column of the sheet (the test
// column), by the simple DoDo and by three yardsticks, and each projection is
// compared with what that survey observed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/engine/avaliacao_resultado.h"

namespace zivu {

class Origem;
class Sistema;

// Summary of (projected, observed) pairs, each observed value > 0.
ResumoErros resume_erros(const std::vector<std::pair<double, double>>& pares);

// Column of a letter A..Z in either case; 0 for any other text.
int coluna_teste(std::string_view letra);

// Checks of the test column and year against a worksheet that passed the
// checks of "Calcular": the message, or nothing when they are fine.
std::optional<std::string> confere_coluna_teste(const Origem& o, std::string_view letra);
std::optional<std::string> confere_ano_teste(const Origem& o, std::string_view ano);

// The back-test of checked parameters, or the message when the DoDo cannot
// project a block (equal or unreadable base populations, an unreadable area).
std::variant<Avaliacao, std::string> avalia(const Origem& o, int coluna, int64_t ano);

// "Avaliar": checks the column and year, computes, and keeps the result in
// the simple window's state. False when refused (the message was shown and
// the previous result stays).
bool AvaliarClick(Sistema& sis, const std::string& coluna, const std::string& ano);

}  // namespace zivu
