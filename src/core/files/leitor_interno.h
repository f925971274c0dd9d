// Pieces of the worksheet reader shared by its files, the fuzz targets and
// the tests; not for other callers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/files/leitor.h"

namespace zivu {

class Sistema;
class Grade;

// Lines of a decoded text: CR LF, LF and CR each end a line; a final line end
// adds no empty line.
std::vector<std::string_view> divide_linhas(std::string_view texto);

// Reads the configuration block from the first lines of the file into the
// worksheet. False when a number in it is malformed (what was read before
// stays applied).
bool Le_Configuracao(Sistema& sis, const std::vector<std::string_view>& linhas);

// Le_Arquivo on bytes already read from the file `nome`.
bool Le_Conteudo(Sistema& sis, const std::string& nome, std::string_view bytes, ModoLeitura modo,
                 Grade& grade);

}  // namespace zivu
