// Reader of worksheet files (semicolon-separated text with an optional
// configuration block) and of the per-year result files.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zivu {

class Sistema;
class Grade;

// How a file is loaded: as the worksheet (the sheet is reset and the
// configuration block read), or as a stored result year (cells only).
enum class ModoLeitura { Planilha, Recarga };

// Loads a file into `grade`. Messages go through the platform. Returns false
// when a message ended the read (file unreadable, too many rows or columns).
bool Le_Arquivo(Sistema& sis, const std::string& nome, ModoLeitura modo, Grade& grade);

// The reading failure message of `nome`, caption "Erro!".
void mensagem_em_uso(Sistema& sis, const std::string& nome);

// One column of a per-year result file, rows 1..linhas: each cell as a reload
// by Le_Arquivo would place it ("" where the file has no such cell). No state
// changes and no messages; nullopt when the file cannot be read.
std::optional<std::vector<std::string>> Le_Coluna(const std::string& nome, int coluna, int linhas);

// Import command: the open dialog, then Importa_Arquivo.
void ImportarClick(Sistema& sis);
// Steps after the dialog: "Criar", the extension rule with its question, the
// read, Adaptar disabled, checklist. Returns false when a message ended it
// or the question was answered No.
bool Importa_Arquivo(Sistema& sis, const std::string& nome);

}  // namespace zivu
