// State of the simple results window "DoDo simples".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/engine/avaliacao_resultado.h"
#include "core/worksheet/grade.h"

namespace zivu {

inline constexpr const char* kTextoObsInicial =
    "Área reservada a observações e informações referentes \nao resultado do cálculo.";

struct Simples {
  Simples();
  Grade DadosSaida;
  Grade DadosVariaveis;
  std::string Texto_Obs = kTextoObsInicial;
  bool Adaptar = false;
  bool Ano_Projetado_habilitado = false;
  bool Unir_resultados_habilitado = false;
  std::string Ano_Projetado_hint;
  std::vector<std::string> Esc_Ano_Projetado;
  int Esc_Ano_Projetado_indice = -1;
  bool Anos_visivel = false;  // the year chooser panel is open
  // The last back-test ("Avaliar"), until the next run.
  std::optional<Avaliacao> avaliacao;
};

}  // namespace zivu
