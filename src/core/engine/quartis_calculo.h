// Quartile method: one projected year, statistics of the chosen data area,
// the adjustment table and the quartile window's year loading.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zivu {

class Sistema;
struct Quartis;

// Computes year `ano` with the quartile method and stores its files.
// False when the run must be cancelled (the message was shown).
bool Projeta_Ano_Quartis(Sistema& sis, const std::string& ano);
// Statistics of the data area at the track bar's position. False when they
// could not be made (the message was shown; the previous ones stay).
bool Sel_AreaChange(Sistema& sis);
// Applies the adjustment table to the union table and stores the year again.
// False when the table could not be applied or the files not written.
bool AdaptarClick_Quartis(Sistema& sis);

// Steps of a year, callable on their own.
void Ordem_por_Pop(Quartis& q);
void Ordem_por_Tax(Quartis& q);
// Builds Tab_Uniao and then the adjustment table; false when a rate could
// not be computed (the message was shown).
bool Une_Quartis_Excecoes(Sistema& sis, const std::string& ano);
// The adjustment table; false when a projected population is not an integer
// (the message was shown).
bool Monta_Ajuste(Sistema& sis);
// Statistics of block Sel_Area.posicao - 1; false when it has no records or
// a rate could not be computed (the message was shown).
bool ProcessaQuartis(Sistema& sis);
// "k - name" of data area k (0-based): its number and the title above it.
std::string rotulo_area(const Quartis& q, size_t k);
// ---- the statistics grid's selection
// Selects a cell of Tab_Estatisticas and runs its click rule.
void Tab_EstatisticasSeleciona(Quartis& q, int coluna, int linha);
// Writes "column x row" into the corner and sets Ver_grupo's enabled state.
void Tab_EstatisticasClick(Quartis& q);

// Group (1..20) of a count cell, 0 for any other cell.
int grupo_da_celula(int coluna, int linha);
// Header rows of the quartile listing grids for the year on screen.
void Titulos_Quartis(Sistema& sis);

// The quartiles of one block's records: the block's run [inicio, fim] of the
// ordered copies, the positions P1..P3 in them (a quarter of the run apart)
// and the population and the rate found there. nullopt without records.
struct LimitesQuartis {
  size_t inicio = 0, fim = 0;
  std::array<int32_t, 3> P{};
  std::array<double, 3> Q{}, T{};
};
std::optional<LimitesQuartis> limites_quartis(const Quartis& q, int32_t bloco);
// Population class 0..3 of position j of the population-ordered copy.
int classe_populacao(const LimitesQuartis& l, size_t j);
// Rate class 0..4 (the statistics page's columns 1..5) by the first rule that
// holds; -1 when none does and the record is not counted.
int classe_taxa(double taxa, const std::array<double, 3>& T);
// Captions of the statistics page: rate classes (row 0, columns 1..6) and
// population classes (column 0, rows 1..7; row 8 adds the dividing value).
extern const char* const kTitulosColunasEstatisticas[6];
extern const char* const kTitulosLinhasEstatisticas[7];

// The exchange rule on one block's run [ini, fim) of a copy: for each i, for
// each later j, exchange i and j when key(i) > key(j). Exchanges the indices
// and keeps `chave` (the keys in copy order) in step.
void ordena_por_trocas(std::vector<int32_t>& indices, std::vector<double>& chave, size_t ini,
                       size_t fim);

}  // namespace zivu
