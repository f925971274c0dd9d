// Pieces of the worksheet reader shared by its files, the fuzz targets and
// the tests; not for other callers.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/leitor.h"

namespace zivu {

class Sistema;
class Grade;

// The first CR or LF at or after `de`, or npos. find_first_of tests every
// byte against the set with a call of its own; two memchr scans over a
// window are many times faster, and the window keeps a file of CR-only
// line ends from being searched to its end for an LF on every line.
inline size_t fim_de_linha(std::string_view t, size_t de) {
  constexpr size_t kJanela = 1024;
  while (de < t.size()) {
    const char* p = t.data() + de;
    const size_t n = std::min(kJanela, t.size() - de);
    const void* lf = std::memchr(p, '\n', n);
    const size_t ate = lf ? static_cast<size_t>(static_cast<const char*>(lf) - p) : n;
    if (const void* cr = std::memchr(p, '\r', ate))
      return de + static_cast<size_t>(static_cast<const char*>(cr) - p);
    if (lf) return de + ate;
    de += n;
  }
  return std::string_view::npos;
}

// No byte outside ASCII: the same text in UTF-8 and Windows-1252.
inline bool so_ascii(std::string_view s) {
  unsigned char bits = 0;
  for (const char c : s) bits |= static_cast<unsigned char>(c);
  return bits < 0x80;
}

// Lines of a decoded text: CR LF, LF and CR each end a line; a final line end
// adds no empty line.
std::vector<std::string_view> divide_linhas(std::string_view texto);

// Reads the configuration block from the first lines of the file into the
// worksheet. False when a number in it is malformed (what was read before
// stays applied). With `cp1252` the lines are the file's Windows-1252 bytes,
// decoded as they are read.
bool Le_Configuracao(Sistema& sis, const std::vector<std::string_view>& linhas, bool cp1252 = false);

// A worksheet file is read only as far as it can still be one: a line longer
// than this, or a line after the sheet's last row, ends the read.
inline constexpr size_t kMaxBytesLinha = size_t{1} << 20;
// Lines a configuration block may take before its "[FIM]": while none has
// been seen, every line may still be part of the block.
inline constexpr size_t kMaxLinhasBloco = 100000;
// Bytes looked at for a NUL, the mark of a file that is not text.
inline constexpr size_t kBytesBinario = size_t{64} << 10;

// Where a bounded read stopped before the end of the file.
enum class Corte { Nenhum, Linhas, LinhaLonga };

struct ArquivoLido {
  enum class Estado { Lido, Ilegivel, Binario } estado = Estado::Ilegivel;
  std::string bytes;
  Corte corte = Corte::Nenhum;
};

// Reads the file `nome` as a stream within the bounds above. Only regular
// files are opened (a folder, FIFO or device is Ilegivel, never waited on);
// with `recusa_binario` a NUL in the first kBytesBinario bytes ends the read
// as Binario.
ArquivoLido le_limitado(const std::string& nome, bool recusa_binario);

// Le_Arquivo on a file already read.
bool Le_Lido(Sistema& sis, const std::string& nome, const ArquivoLido& arquivo, ModoLeitura modo,
             Grade& grade);

// Le_Arquivo on bytes already read from the file `nome`; `corte` says where
// a bounded read stopped, so that the load ends with that bound's message.
bool Le_Conteudo(Sistema& sis, const std::string& nome, std::string_view bytes, ModoLeitura modo,
                 Grade& grade, Corte corte = Corte::Nenhum);

}  // namespace zivu
