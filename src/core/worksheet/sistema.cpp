#include "core/worksheet/sistema.h"

namespace zivu {

Sistema::Sistema(Plataforma& plataforma) : plat(plataforma), origem(*this) {}

void Sistema::status(const std::string& texto) {
  princ.situacao = texto;
  plat.status(texto);
}

}  // namespace zivu
