#include "cli/separador.h"

#include <clocale>
#include <cstring>

#include "core/text/numeros.h"

namespace zivu::cli {

void separador_do_ambiente() {
  char ds = '.';
  if (std::setlocale(LC_NUMERIC, "")) {
    const char* ponto = std::localeconv()->decimal_point;
    if (ponto && std::strlen(ponto) == 1) ds = ponto[0];
    std::setlocale(LC_NUMERIC, "C");
  }
  definir_separador_decimal(ds);
}

bool define_separador(std::string_view valor) {
  if (valor != "," && valor != ".") return false;
  definir_separador_decimal(valor[0]);
  return true;
}

}  // namespace zivu::cli
