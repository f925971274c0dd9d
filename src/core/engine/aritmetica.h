// The engine's arithmetic for both methods: reading worksheet numbers,
// rounding projections, the base of a block, and the one way a step cancels
// the year. C++ does not raise on a division by zero or an overflow, so every
// step checks its result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zivu {

class Sistema;
class Grade;

inline constexpr const char* kMsgProblema = "Algum problema no cálculo. Tarefa cancelada.";

// Thrown inside a step to cancel it; the catcher shows it with
// mostra_cancelamento.
struct Cancelamento {
  std::string texto;
  std::string titulo;
  bool aviso = false;  // a warning's icon instead of an error's
};

// Cancels with kMsgProblema.
[[noreturn]] void falha_calculo();
// The cancellation's message, the wait cursor off first.
void mostra_cancelamento(Sistema& sis, const Cancelamento& c);

// Each fails (throws the calculation problem) on a division by zero or a
// value that is not finite.
double confere(double x);
double divide(double a, double b);
// ((razao ^ (12 / meses)) - 1) * 100
double taxa_anual(double razao, int64_t meses);

// A population or total cell of the sheet: separators removed, then the
// floating conversion; nullopt when it does not convert.
std::optional<double> valor_planilha(std::string_view texto);
// The same, cancelling with the conversion message on failure.
double le_numero(const Grade& g, int c, int r);
// Integer conversion with the conversion message on failure.
int64_t le_inteiro(std::string_view texto);
// The projected year of a year text.
int64_t ano_de(std::string_view texto);

// round(P), halves to even; nullopt for a result whose plain text would not
// read back as an integer (10^15 and beyond).
std::optional<int64_t> populacao_inteira(double P);
// The same, failing instead of nullopt.
int64_t arredonda_resultado(double P);

// Population and projected total of the base line of block k: the principal
// line in "DoDo geral", the block's secondary line in "DoDo por blocos".
struct Base {
  double B0 = 0, B1 = 0, PX = 0;
};
Base base_do_bloco(const Sistema& sis, size_t k);
// P = Ai * PX + Bi with Ai = (p1 - p0) / (B1 - B0), Bi = p0 - Ai * B0.
double projeta(const Base& base, double p0, double p1);

}  // namespace zivu
