// Reader of worksheet files (semicolon-separated text with an optional
// configuration block) and of the per-year result files.
#pragma once

#include <string>

namespace zivu {

class Sistema;
class Grade;

// Loads a file into `grade`. In worksheet mode (princ.Recarga_Ano == 0) it
// also resets the worksheet and reads the configuration block; in reload mode
// it only loads cells. Messages go through the platform. Returns false when a
// message ended the read (file unreadable, too many rows or columns).
bool Le_Arquivo(Sistema& sis, const std::string& nome, const std::string& extensao, Grade& grade);

// Import command: the open dialog, then Importa_Arquivo.
void ImportarClick(Sistema& sis);
// Steps after the dialog: "Criar", the extension rule with its question, the
// read, Adaptar disabled, checklist. Returns false when a message ended it
// or the question was answered No.
bool Importa_Arquivo(Sistema& sis, const std::string& nome);

}  // namespace zivu
