// State of the quartile results window "DoDo em Quartis": its grids, the
// record lists of the last computed year, the statistics of the chosen data
// area, the track bar and the year chooser. Its commands are in
// quartis_comandos.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/worksheet/grade.h"

namespace zivu {

// One small area below the threshold, as read from the worksheet.
struct RegistroQuartil {
  int32_t area = 0;                    // block index, 0-based
  std::array<std::string, 4> ident;    // larger-area code and name, small-area code and name
  double pop0 = 0, pop1 = 0, taxa = 0; // populations at T0 and T1, rate T0/T1
};

// Track bar "Área de dados atual".
struct BarraSelecao {
  int posicao = 1;
  int minimo = 1;
  int maximo = 1;
  bool habilitado = false;
  std::string hint = "Área de dados atual";
};

enum class TabelaPartida { Original, OrdemPop, OrdemTax };

enum class PaginaQuartis { Tab_Partida, Estatisticas, Registros_descritos, Excecoes, RUniao, DUniao };

inline constexpr int kColunasQuartil = 9;
inline constexpr int kColunasExcecoes = 11;
inline constexpr int kColunasDescricao = 12;
inline constexpr int kColunasEstatisticas = 7;
inline constexpr int kLinhasEstatisticas = 17;
inline constexpr int kColunasDUniao = 7;

struct Quartis {
  Quartis();

  Grade Tab_Quartil;
  Grade Tab_quartil_ordem_pop;
  Grade Tab_quartil_ordem_tax;
  Grade Tab_Estatisticas;
  Grade Tab_Descricao;
  Grade Tab_excecoes;
  Grade Tab_Uniao;
  Grade Tab_DUniao;

  // Records of the last computed year, in worksheet order. The two ordered
  // copies are index permutations of it, each ordered within its blocks.
  std::vector<RegistroQuartil> RegistrosQuartis;
  std::vector<int32_t> AreaDoRegistro;
  std::vector<int32_t> ordem_pop;
  std::vector<int32_t> ordem_tax;
  // Group number of each position of the population-ordered copy.
  std::vector<int32_t> grupo_pop;
  // Per data area: the title above it, or "<vazio>".
  std::vector<std::string> NomesAreas;

  // Statistics of the area shown.
  std::array<int32_t, 3> Posicoes{};        // P1, P2, P3 (0-based record positions)
  std::array<double, 3> QuartisPop{};       // Q1, Q2, Q3
  std::array<double, 3> QuartisTax{};       // T1, T2, T3
  std::array<std::array<int32_t, 5>, 4> Contagens{};

  BarraSelecao Sel_Area;
  bool Ver_grupo = false;  // enabled state
  bool Estat_geral = false;
  bool Adaptar = false;    // enabled state
  bool Ano_Projetado_habilitado = false;
  bool Unir_resultados_habilitado = false;
  std::string Ano_Projetado_hint;  // the year on screen
  std::vector<std::string> Esc_Ano_Projetado;
  int Esc_Ano_Projetado_indice = -1;
  bool Anos_visivel = false;   // year chooser panel
  bool barra3_habilitado = true;

  TabelaPartida tabela_partida = TabelaPartida::Original;
  PaginaQuartis pagina = PaginaQuartis::Tab_Partida;
  // Current cells (column, row).
  int est_col = 1, est_lin = 1;
  int desc_col = 2, desc_lin = 1;

  // Grid of the checked radio button of "Tabela de Partida".
  Grade& tabela_partida_atual();
};

}  // namespace zivu
