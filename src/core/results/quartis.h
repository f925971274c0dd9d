// State of the quartile results window "DoDo em Quartis": its grids, the
// record lists of the last computed year, the statistics of the chosen data
// area, the track bar, the year chooser, and the window's own commands
// (statistics clicks, the jump to a group, exports).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/worksheet/grade.h"

namespace zivu {

class Sistema;

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

// ---- "Estatísticas" page

// Selects a cell of Tab_Estatisticas and runs its click rule.
void Tab_EstatisticasSeleciona(Quartis& q, int coluna, int linha);
// Writes "column x row" into the corner and sets Ver_grupo's enabled state.
void Tab_EstatisticasClick(Quartis& q);

// How a cell of Tab_Estatisticas is painted. Cells not `propria` keep the
// grid's own painting; painted cells draw their text 5 pixels in.
enum class CorEstatistica { Grade, BrancoSobrePreto, AmareloSobreCinza, BrancoNegritoSobreVermelho };
struct PinturaEstatistica {
  bool propria = false;
  CorEstatistica cor = CorEstatistica::Grade;
};
PinturaEstatistica Tab_EstatisticasDrawCell(int coluna, int linha);
inline constexpr int kMargemTextoEstatistica = 5;

// Group (1..20) of a count cell, 0 for any other cell.
int grupo_da_celula(int coluna, int linha);
// "Ver Grupo": the first description row of the selected cell's group
// becomes the current cell; shows "Registros descritos".
void Ver_grupoClick(Sistema& sis);

// ---- window and pages
// FormShow: the year chooser and "Unir resultados" only with intermediate
// years; then the page showing runs its show handler.
void QuartisShow(Sistema& sis);
// Brings a page to the front; the four listing pages set the main menu's
// export and print items (page codes 4 to 7).
void mostra_pagina(Sistema& sis, PaginaQuartis pagina);

// ---- exports; false when cancelled or the file could not be written
bool Exportar_TPClick(Sistema& sis);
bool Exportar_EstClick(Sistema& sis);
bool Exportar_DescClick(Sistema& sis);
bool Exportar_excClick(Sistema& sis);
bool Exportar_UniaoClick(Sistema& sis);

}  // namespace zivu
