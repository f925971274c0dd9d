#include "core/engine/formulas.h"

#include <algorithm>

#include "core/text/numeros.h"
#include "core/worksheet/origem.h"

namespace zivu {

std::optional<ProjecaoDoDo> projecao_dodo(double B0, double B1, double PX, double p0, double p1) {
  const double Ai = (p1 - p0) / (B1 - B0);
  const double Bi = p0 - Ai * B0;
  const double P = Ai * PX + Bi;
  if (!finito(Ai) || !finito(Bi) || !finito(P)) return std::nullopt;
  return ProjecaoDoDo{Ai, Bi, P};
}

std::vector<BlocoDoDo> blocos_dodo(const Origem& o) {
  std::vector<BlocoDoDo> blocos;
  auto acrescenta = [](BlocoDoDo& b, Regiao d) {
    d.Y1 = std::min(d.Y1, kLinhasPlanilha - 1);
    if (!d.vazia() && d.Y0 >= 1 && d.Y0 <= d.Y1) b.regioes.push_back(d);
  };
  if (o.cfg.DoDo_geral) {
    BlocoDoDo b{o.LinhaPrincipal.Y0, {}};
    for (const Regiao& d : o.AreasDados) acrescenta(b, d);
    blocos.push_back(std::move(b));
    return blocos;
  }
  for (size_t k = 0; k < o.AreasDados.size() && k < o.Secundarias.size(); ++k) {
    BlocoDoDo b{o.Secundarias[k].Y0, {}};
    acrescenta(b, o.AreasDados[k]);
    blocos.push_back(std::move(b));
  }
  return blocos;
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
