// The DoDo formulas shared by the simple and the quartile methods.
#pragma once

#include <optional>
#include <vector>

#include "core/worksheet/regiao.h"

namespace zivu {

class Origem;

struct ProjecaoDoDo {
  double Ai, Bi, P;
};

// Ai = (p1 - p0) / (B1 - B0), Bi = p0 - Ai * B0, P = Ai * PX + Bi; nullopt
// when a step is not finite (equal base populations, for instance).
std::optional<ProjecaoDoDo> projecao_dodo(double B0, double B1, double PX, double p0, double p1);

// A block of the simple method: the row of its line (the principal line in
// "DoDo geral", where every data area is one block; else the secondary line
// paired with its data area) and its data areas, cut to the sheet's rows.
struct BlocoDoDo {
  int base = 0;
  std::vector<Regiao> regioes;
};
std::vector<BlocoDoDo> blocos_dodo(const Origem& o);

// Annual growth rate in percent: (razao ^ expoente - 1) * 100; nullopt when
// the power or the result cannot be computed.
std::optional<double> taxa_crescimento(double razao, double expoente);

}  // namespace zivu
