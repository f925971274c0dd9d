// Writers of grids: CSV (with the configuration block for the sheet) and DAT,
// and the worksheet export with its totals file.
#pragma once

#include <string>
#include <string_view>

namespace zivu {

class Sistema;
class Grade;

inline constexpr const char* kFiltrosArquivos =
    "CSV (Arq. separado por ';')|*.csv|DAT (Arq. de dados SAS - separado por espaços)|*.DAT";

// Rows 1..linhas and columns 1..colunas (cut to 26). Writes only when the
// extension in capitals is "CSV"; appends ".CSV" unless the name ends in it.
// Throws ErroArquivo when the file cannot be written.
void Grava_CSV(Sistema& sis, std::string nome, std::string_view extensao, const Grade& grade,
               int linhas, int colunas);
// The grid's filled part, space-aligned; no file when the grid is empty.
void Grava_DAT(const std::string& nome, const Grade& grade);

// The configuration block text as written before the sheet's cells (CR LF
// line ends), exposed for tests.
std::string bloco_configuracao(Sistema& sis);

// Worksheet export: dialog, then Exporta_Planilha.
void ExportarClick(Sistema& sis);
// filtro 1 = CSV, 2 = DAT. Returns false when an error message was shown.
bool Exporta_Planilha(Sistema& sis, const std::string& nome, int filtro);

}  // namespace zivu

namespace zivu {

// Export of a results grid: the save dialog, then CSV (filter 1, rows and
// columns as given) or DAT (filter 2, name + ".DAT"); `sempre_csv` writes CSV
// whatever the filter. A write error goes to the general error report.
// False when cancelled or failed.
bool Exporta_Grade(Sistema& sis, const Grade& grade, int linhas, int colunas, bool sempre_csv = false);

}  // namespace zivu
