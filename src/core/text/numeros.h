// Number texts and conversions shared by every file and every grid.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zivu {

// The process-wide decimal separator ("DS"). The GUI takes it from the locale,
// the CLI from LC_NUMERIC or an option, tests set it explicitly.
char separador_decimal();
void definir_separador_decimal(char ds);

// Plain (general) text: 15 significant digits, ties away from zero.
std::string texto_geral(double x);
// Masked text: mask "0." + n zeros gives exactly n decimals; empty mask gives
// the plain text; any other mask is treated as the plain text too.
std::string texto_mascara(double x, std::string_view mascara);
// Fixed text with exactly `casas` decimals (casas >= 0).
std::string texto_decimais(double x, int casas);
// "0.##": two decimals at most, trailing zeros removed.
std::string texto_0_cerquilhas(double x);
// Integer text.
std::string texto_inteiro(int64_t v);

// Integer conversion: leading spaces, optional sign, digits, nothing else.
std::optional<int64_t> para_inteiro(std::string_view texto);
// Floating conversion with the process-wide separator.
std::optional<double> para_real(std::string_view texto);

// Round to a whole number, exact halves to the even neighbour.
double arredonda(double x);

// x ^ y as the engine needs it; nullopt on failure.
std::optional<double> potencia(double x, double y);

// True when the value can be used (not NaN, not infinite).
inline bool finito(double x) { return x - x == 0.0; }

// Messages shown when a conversion fails inside a command.
std::string msg_inteiro_invalido(std::string_view texto);
std::string msg_real_invalido(std::string_view texto);

}  // namespace zivu
