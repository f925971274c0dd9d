// State of the quartile results window "DoDo em Quartis".
#pragma once

#include <string>
#include <vector>

namespace zivu {

struct Quartis {
  bool Adaptar = false;
  bool Ano_Projetado_habilitado = false;
  bool Unir_resultados_habilitado = false;
  std::string Ano_Projetado_hint;
  std::vector<std::string> Esc_Ano_Projetado;
  int Esc_Ano_Projetado_indice = -1;
};

}  // namespace zivu
