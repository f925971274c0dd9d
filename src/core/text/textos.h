// Small text services: trimming, capitals, separators, key filter.
#pragma once

#include <string>
#include <string_view>

namespace zivu {

// Removes U+0000..U+0020 from both ends.
std::string apara(std::string_view s);
// ASCII a-z raised; accented letters stay.
std::string capitais(std::string_view s);
// Every "." then every "," removed.
std::string Tira_Separadores(std::string_view s);
// Key filter: returns the key to keep, 0 when the key is discarded.
char32_t Filtra_Tecla(bool numerico, char32_t tecla);
// Pasted text through the same filter, character by character (a backspace
// in it erases nothing and is dropped).
std::string Filtra_Texto(bool numerico, std::string_view texto);
// Last n characters (code points) of the text; the whole text when n >= length.
std::string Direita(std::string_view s, int n);
// Length in characters (code points) of a UTF-8 text.
int comprimento(std::string_view s);
// Letter of a sheet column (1 -> "A"); column 0 or out of range gives "".
std::string letra_coluna(int coluna);
// Cell address such as "C12".
std::string endereco(int coluna, int linha);
// "A".."Z" -> 1..26; anything else 27.
int NumColuna(std::string_view s);
// Pads on the right with spaces to `largura` characters.
void acrescenta_alinhado(std::string& destino, std::string_view s, int largura);

}  // namespace zivu
