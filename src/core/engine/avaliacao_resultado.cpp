#include "core/engine/avaliacao_resultado.h"

#include "core/text/numeros.h"

namespace zivu {

const char* nome_metodo(MetodoAvaliacao m) {
  switch (m) {
    case MetodoAvaliacao::ParcelaConstante: return "Parcela constante";
    case MetodoAvaliacao::TendenciaLinear: return "Tendência linear";
    case MetodoAvaliacao::TendenciaExponencial: return "Tendência exponencial";
    case MetodoAvaliacao::DoDo: break;
  }
  return "DoDo";
}

std::optional<double> AreaAvaliada::PE(MetodoAvaliacao m) const {
  const auto& P = projecao[static_cast<size_t>(m)];
  if (!P || !observado) return std::nullopt;
  const double pe = 100.0 * (*P - *observado) / *observado;
  if (!finito(pe)) return std::nullopt;
  return pe;
}

}  // namespace zivu
