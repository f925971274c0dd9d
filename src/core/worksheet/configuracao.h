// Settings of the configuration page, as the controls hold them: edit texts as
// typed, check boxes, option buttons and month indexes.
#pragma once

#include <string>

namespace zivu {

struct Configuracao {
  // "Marcação padrão"
  std::string LinhaAnoInicial;
  std::string LinhaInicial;
  std::string ColunaInicial;
  bool LinhaP = true;
  bool Col_Ant = false;
  bool Nao_Marcar = true;
  bool Cols_Ant = false;

  // "Gerais"
  std::string AnoProj;
  bool Anos_intermediarios = false;
  bool DoDo_geral = true;
  bool DoDo_bloco = false;
  bool Aproximar = false;
  std::string NCasasDec = "3";
  std::string LinRel = "40";

  // "Meses": list indexes 0..11
  int Mes_Ano0 = 7;
  int Mes_Ano1 = 8;
  int Mes_AnoX = 0;

  // "Quartis"
  std::string Div_habitantes = "100000";
  bool Existe_cd_maior = false;
  bool Existe_nome_maior = false;
  bool Existe_cd_menor = false;
  bool Existe_nome_menor = false;
  std::string Cd_maior = "A";
  std::string Nome_maior = "B";
  std::string Cd_menor = "C";
  std::string Nome_menor = "D";

  // Worksheet toolbar check box.
  bool MetodoQuartis = false;
};

// The projection method a run uses ("Quartis" checked or not).
enum class Metodo { Simples, Quartis };
inline Metodo metodo_escolhido(const Configuracao& cfg) {
  return cfg.MetodoQuartis ? Metodo::Quartis : Metodo::Simples;
}

// The twelve items of the month lists.
extern const char* const kMeses[12];

}  // namespace zivu
