// The per-year result store: the files each computed year leaves in the
// per-year folder, written after a year is computed or adjusted and read back
// by the year choosers.
#pragma once

#include <string>
#include <string_view>

#include "core/worksheet/configuracao.h"

namespace zivu {

class Sistema;

// The files of one year: results, variables, adjustment marker and
// observations of the simple method; union, union description and
// adjustment marker of the quartile method.
enum class ArquivoAno { SR, SV, SA, SO, QU, Q2, QA };

// "SR2005.CSV", "SA2005", "Q22005.CSV"...
std::string nome_arquivo_ano(ArquivoAno tipo, std::string_view ano);

// Folder of the per-year files, ending with "/": princ.PastaTemp when set,
// else the work folder's "Temp/".
std::string pasta_temp(const Sistema& sis);
std::string caminho_arquivo_ano(const Sistema& sis, ArquivoAno tipo, std::string_view ano);

// True when `nome` is a file a run of `metodo` writes: one of its kinds, a
// year of digits only, ".CSV" where the kind has it; letter case ignored.
bool arquivo_do_metodo(std::string_view nome, Metodo metodo);
// Removes the method's per-year files from `pasta` and nothing else. True
// when none is left; false as soon as one cannot be removed.
bool Apaga_Arquivos_Ano(const std::string& pasta, Metodo metodo);

// Stores the year's files from the method's results window. Each file is
// whole or absent. Throws ErroArquivo when a file cannot be written.
void Grava_Ano(Sistema& sis, const std::string& ano, Metodo metodo);

// Loads stored year `ano` into the method's results window (marker, grids
// and, for the simple method, the observations). Every file is checked
// first: the first that cannot be read gets its message and nothing changes.
bool Le_Ano(Sistema& sis, const std::string& ano, Metodo metodo);

// Marker file text: "adaptar" or "nao adaptar", without line end.
std::string texto_marcador(bool adaptar);
// The reading loop of the marker files: the last line read decides, and an
// empty line stops the loop.
bool le_marcador(const std::string& texto);

}  // namespace zivu
