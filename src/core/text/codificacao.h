// Text file encodings: Windows-1252 or UTF-8 in, Windows-1252 (or UTF-8 with
// BOM when needed) out.
#pragma once

#include <string>
#include <string_view>

namespace zivu {

// Bytes of a text file to UTF-8: UTF-8 when it starts with a BOM (removed) or
// is valid UTF-8 with a non-ASCII byte, else Windows-1252.
std::string decodifica_arquivo(std::string_view bytes);
// UTF-8 text to the bytes to write: Windows-1252 when every character fits,
// else UTF-8 with a BOM.
std::string codifica_arquivo(std::string_view texto);
// The same, in the text's own storage (Windows-1252 is never longer); false,
// with the text untouched, when some character has no Windows-1252 byte.
bool codifica_no_lugar(std::string& texto);
// Windows-1252 bytes to UTF-8 (the five undefined bytes map to U+0081...).
std::string cp1252_para_utf8(std::string_view bytes);
bool utf8_valido(std::string_view bytes);
// Code points of a UTF-8 text (a malformed byte reads as U+FFFD) and back,
// for work by character such as cutting printed lines.
std::u32string utf8_para_u32(std::string_view s);
std::string u32_para_utf8(std::u32string_view s);

}  // namespace zivu
