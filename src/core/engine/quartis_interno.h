// Shared pieces of the quartile engine: the arithmetic with its failure
// checks, the base of a block and the labels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zivu {

class Sistema;
class Grade;
struct Quartis;

namespace quartis_interno {

inline constexpr const char* kMsgProblema = "Algum problema no cálculo. Tarefa cancelada.";

// Thrown inside a step to cancel it; the catcher shows the message.
struct Cancelamento {
  std::string texto;
  std::string titulo;
};

[[noreturn]] void falha_calculo();

// Each fails (throws the calculation problem) on a division by zero or a
// value that is not finite.
double confere(double x);
double divide(double a, double b);
// ((razao ^ (12 / meses)) - 1) * 100
double taxa_anual(double razao, int64_t meses);

// Population and projected-total of the base area of block k.
struct Base {
  double B0 = 0, B1 = 0, PX = 0;
};
Base base_do_bloco(const Sistema& sis, size_t k);
// P = Ai * PX + Bi with Ai = (p1 - p0) / (B1 - B0), Bi = p0 - Ai * B0.
double projeta(const Base& base, double p0, double p1);
// round(P), halves to even; a result whose plain text would not read back as
// an integer (10^15 and beyond) fails.
double arredonda_resultado(double P);

// A worksheet number: separators removed, then the floating conversion; a
// failure cancels with the conversion message.
double le_numero(const Grade& g, int c, int r);
// Integer conversion with the conversion message on failure.
int64_t le_inteiro(std::string_view texto);
// The projected year of a year text.
int64_t ano_de(std::string_view texto);

// (k + 1) + " - " + NomesAreas[k]
std::string rotulo_area(const Quartis& q, size_t k);

}  // namespace quartis_interno
}  // namespace zivu
