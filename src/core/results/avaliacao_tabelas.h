// The back-test's tables as the "Avaliação" page shows them and as files:
// the summary, the summaries by block and size class, the areas; the areas
// ordered by error and the points of the error chart.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/engine/avaliacao_resultado.h"

namespace zivu {

class Sistema;

enum class TabelaAvaliacao { Resumo, Grupos, Areas };

// "PREFIXO_resumo.CSV", "PREFIXO_grupos.CSV", "PREFIXO_areas.CSV".
std::string nome_arquivo_avaliacao(const std::string& prefixo, TabelaAvaliacao t);

// A table as CSV text (UTF-8; ";" between fields, CR LF after each line).
// Numbers have two decimals and the decimal separator in force; a summary
// without areas leaves its measures empty; an area without observation reads
// "sem observação" and has no errors.
std::string texto_csv_avaliacao(const Avaliacao& a, TabelaAvaliacao t);
// "Projeção de 2005 comparada com a coluna D (h = 0,5); áreas sem
// observação: 1."
std::string descricao_avaliacao(const Avaliacao& a);
// A measure with two decimals; empty when it is not a number.
std::string texto_medida(double x);

// Writes one table, or the three under a prefix, as the program's other CSV
// files are written (Windows-1252, through a temporary file). Throws
// ErroArquivo.
void grava_tabela_avaliacao(const Avaliacao& a, TabelaAvaliacao t, const std::string& caminho);
void grava_avaliacao(const Avaliacao& a, const std::string& prefixo);

// Export of one table of the "Avaliação" page: the save dialog, then the
// table, ".CSV" added to a name without it. A write error goes to the
// general error report. False without a back-test, when cancelled or failed.
bool Exportar_Avaliacao(Sistema& sis, TabelaAvaliacao t);

// Indexes of the areas with an error for the method, largest APE first
// (worksheet order among equals).
std::vector<size_t> areas_por_ape(const Avaliacao& a, MetodoAvaliacao m);

// The chart of PE against the last survey's population on a log axis: one
// point (p1, PE) per area with an error and p1 > 0; the areas with an error
// that a log axis cannot show are counted. The band is +-kFaixaPE.
struct PontosPE {
  std::vector<std::pair<double, double>> pontos;
  int fora = 0;
};
inline constexpr double kFaixaPE = 10;
PontosPE pontos_pe(const Avaliacao& a, MetodoAvaliacao m);

}  // namespace zivu
