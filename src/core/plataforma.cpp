#include "core/plataforma.h"

#include <ctime>

namespace zivu {

void Plataforma::erro_geral(const std::string& texto) {
  mensagem(texto, "Derova ZiVu 1.0", Botoes::OK, Icone::Erro);
}

Data Plataforma::hoje() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return Data{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

}  // namespace zivu
