#include "core/engine/formulas.h"

#include "core/text/numeros.h"

namespace zivu {

std::optional<ProjecaoDoDo> projecao_dodo(double B0, double B1, double PX, double p0, double p1) {
  const double Ai = (p1 - p0) / (B1 - B0);
  const double Bi = p0 - Ai * B0;
  const double P = Ai * PX + Bi;
  if (!finito(Ai) || !finito(Bi) || !finito(P)) return std::nullopt;
  return ProjecaoDoDo{Ai, Bi, P};
}

std::optional<double> taxa_crescimento(double razao, double expoente) {
  if (!finito(razao)) return std::nullopt;
  const auto p = potencia(razao, expoente);
  if (!p) return std::nullopt;
  const double t = (*p - 1) * 100;
  if (!finito(t)) return std::nullopt;
  return t;
}

}  // namespace zivu
