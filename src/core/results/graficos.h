// Data of the results windows' charts, computed when a chart is shown (never
// during a run) from the state the grids show: series of points, axes with
// their kind and range, reference lines, colour classes and a caption saying
// what was left out. A window draws them as they are.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/results/quartis.h"
#include "core/results/quartis_comandos.h"

namespace zivu {

class Sistema;

struct Ponto {
  double x = 0, y = 0;
  bool operator==(const Ponto&) const = default;
};

enum class Escala { Linear, Logaritmica };

struct Eixo {
  Escala escala = Escala::Linear;
  double minimo = 0, maximo = 1;  // both above 0 on a logarithmic axis
  std::string titulo;
};

// A straight line across the plot: the 1:1 line, a quartile limit, a marked rate.
struct Referencia {
  std::string nome;
  Ponto de, ate;
};

// ---- "Evolução" (simple window)

// An entry of the "Área" chooser: each block (linha 0) followed by its areas.
// An area is named by its reference-point columns when any is marked, else by
// the first non-empty title cell of its row, else "Linha <n>".
struct ItemArea {
  std::string texto;
  int32_t bloco = -1;  // index of the data area
  int32_t linha = 0;   // sheet row; 0 for the whole block
};
std::vector<ItemArea> Lista_Areas(const Sistema& sis);

// The projected population of every row in every year of the list: the year
// on screen from the grid, the others from their stored SR files. Read once
// when the chart page opens; an area switch then costs nothing.
struct ProjecoesAnos {
  std::vector<std::string> anos;            // years read, in list order
  std::vector<double> x;                    // their dates as decimal years
  std::vector<std::vector<double>> valores; // [year][sheet row]; NaN without a number
  std::vector<std::string> sem_arquivo;     // years whose file could not be read
};
ProjecoesAnos Le_Projecoes(const Sistema& sis);

// x is the decimal year (year + month index / 12) of each survey or projected
// year. A block sums its areas; negative projections stay out of the sum, as
// they stay out of the obtained total. The expected total is that of the
// area's line: the principal line in "DoDo geral", the block's secondary line
// otherwise.
struct DadosEvolucao {
  std::string titulo;
  std::vector<Ponto> pesquisas;  // points on the left axis
  std::vector<Ponto> projecao;   // line (with markers: it may hold one point) on the left axis
  std::vector<Ponto> esperado;   // line on the right axis
  Eixo x, y, y2;
  std::string legenda;
};
DadosEvolucao Grafico_Evolucao(const Sistema& sis, const ProjecoesAnos& p, const ItemArea& item);

// ---- "Taxas" (simple window)

// Classes of a histogram. Width by Freedman–Diaconis (2 IQR / n^(1/3), the
// quartiles interpolated between order statistics); Sturges' count
// (ceil(log2 n) + 1) when the IQR is 0; at most kMaxClasses classes. The
// width is then raised to the next 1, 2, 2.5 or 5 times a power of ten and the
// first class starts at a multiple of it; the last class holds its upper edge.
// All values equal: one class of width 1 centred on them.
enum class RegraClasses { Nenhuma, FreedmanDiaconis, Sturges, ValorUnico };
inline constexpr int kMaxClasses = 50;
struct ClasseHistograma {
  double de = 0, ate = 0;
  int32_t areas = 0;
};
struct Histograma {
  RegraClasses regra = RegraClasses::Nenhuma;
  std::vector<ClasseHistograma> classes;
};
Histograma monta_histograma(std::vector<double> valores);

// The annual rate to the year on screen (the variables grid) of every area, or
// of one block (bloco >= 0); "Pop. negativa" and cells without a number are
// counted out. The mark is the overall rate of the same areas: their summed
// projection over their summed last survey.
struct DadosTaxas {
  std::string titulo;
  Histograma histograma;  // bars
  std::vector<Referencia> referencias;
  Eixo x, y;
  std::string legenda;
};
DadosTaxas Grafico_Taxas(const Sistema& sis, int32_t bloco);

// ---- "Antes e depois" (simple window)

// One series per block (colour class = block index), x the last survey, y the
// projection of the year on screen, both logarithmic. Areas with a value that
// is not a number or not above 0 are listed apart, never in a series.
struct SerieBloco {
  int32_t bloco = 0;
  std::string nome;
  std::vector<Ponto> pontos;
  std::vector<int32_t> linhas;  // sheet row of each point
};
struct AreaOmitida {
  std::string area;
  int32_t linha = 0;
  std::string motivo;
};
struct DadosAntesDepois {
  std::string titulo;
  std::vector<SerieBloco> series;
  std::vector<Referencia> referencias;  // the 1:1 line over the drawn points
  Eixo x, y;
  std::vector<AreaOmitida> omitidas;
  std::string legenda;
};
DadosAntesDepois Grafico_Antes_Depois(const Sistema& sis);

// ---- "Gráfico" (quartile window)

// Points are coloured by their cell of the statistics page: population class
// (row 1, 3, 5 or 7) by rate class (column 1..5, the first two being the
// first rate quartile split by sign), as counted there; records the page does
// not count and the exceptions have their own classes.
enum class TipoClasseQuartil { Celula, NaoContado, Excecao };
struct ClasseQuartil {
  TipoClasseQuartil tipo = TipoClasseQuartil::Celula;
  int32_t quartil_pop = 0, quartil_taxa = 0;  // 1..4 in a cell
  int32_t coluna = 0, linha = 0;              // its count cell on the statistics page
  CorEstatistica cor_linha = CorEstatistica::Grade;   // how the page paints that row's header
  CorEstatistica cor_coluna = CorEstatistica::Grade;  // and that column's header
  std::string nome;                                   // legend text, from the page's headers
};
// indices: the record (RegistrosQuartis) of each point, or for the exceptions
// its row of "Exceções".
struct SerieQuartil {
  ClasseQuartil classe;
  std::vector<Ponto> pontos;
  std::vector<int32_t> indices;
};
// The records of the data area on the track bar: x the population of the
// second survey (logarithmic), y the rate between the surveys; the limits
// Q1..Q3 as vertical and T1..T3 as horizontal lines.
struct DadosQuartis {
  std::string titulo;
  std::vector<SerieQuartil> series;
  std::vector<Referencia> referencias;
  std::array<double, 3> Q{}, T{};
  Eixo x, y;
  std::string legenda;
};
DadosQuartis Grafico_Quartis(const Sistema& sis);

// A click on point i of a series: shows "Tabela de Partida" (or "Exceções"
// for an exception) and returns the row to select there, in the listing of
// the checked radio button; 0 when the point is not in the data.
int Clique_Ponto_Quartis(Sistema& sis, const SerieQuartil& serie, size_t i);

}  // namespace zivu
