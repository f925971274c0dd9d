// File system services: whole-file reads, safe writes, the work folder and
// emptying a folder by mask.
#pragma once

#include <optional>
#include <utility>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zivu {

// A file that could not be written or read where no command-specific message
// exists; reaches the general error report.
class ErroArquivo : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  ErroArquivo(const std::string& texto, std::string original)
      : std::runtime_error(texto), original_(std::move(original)) {}
  // The platform's own words for the failure ("No such file or directory"),
  // for messages that name the file their own way; the whole text when none.
  std::string original() const { return original_.empty() ? what() : original_; }

 private:
  std::string original_;
};

// Whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> le_bytes(const std::string& caminho);
// Writes through a temporary file in the same folder renamed over the target,
// so a failed write never leaves a truncated file. Throws ErroArquivo.
void grava_seguro(const std::string& caminho, std::string_view bytes);
// Text file: UTF-8 text encoded as the files are (Windows-1252 or UTF-8 BOM).
void grava_texto(const std::string& caminho, std::string_view texto_utf8);
// The same, encoding in the text's own storage rather than in a copy.
void grava_texto_no_lugar(const std::string& caminho, std::string&& texto_utf8);

bool existe_arquivo(const std::string& caminho);
// A regular file that can be opened for reading (never blocks on a FIFO).
bool arquivo_legivel(const std::string& caminho);

// $ZIVU_HOME, else ~/.local/share/derova-zivu; ends with "/".
std::string pasta_trabalho();
// Folder of the running executable, ending with "/".
std::string pasta_sistema();
// A read-only file of the program (the help file): `nome` beside the program in
// `pasta` (a build tree), else in `pasta`../share/derova-zivu/ (an installed
// tree); the first that exists, or "" when neither does.
std::string arquivo_sistema(const std::string& pasta, std::string_view nome);

// Deletes the files of `pasta` matching `mascara` ("S*.*"), compared without
// regard to case and with "*.*" also matching names without a dot. True when
// no matching file is left; false as soon as one cannot be deleted.
bool Esvazia_Pasta(const std::string& pasta, const std::string& mascara);
// Mask match as a Windows file list does it.
bool casa_mascara(std::string_view nome, std::string_view mascara);

}  // namespace zivu
