#include "core/text/textos.h"

namespace zivu {

namespace {

bool continuacao(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string apara(std::string_view s)
{
    auto branco = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t i = 0, n = s.size();
    while (i < n && branco(s[i])) ++i;
    while (n > i && branco(s[n - 1])) --n;
    return std::string(s.substr(i, n - i));
}

std::string capitais(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return r;
}

std::string Tira_Separadores(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (char c : s)
        if (c != '.' && c != ',') r += c;
    return r;
}

char32_t Filtra_Tecla(bool numerico, char32_t tecla)
{
    if (tecla >= U'a' && tecla <= U'z') tecla -= 32;
    if (tecla == 8) return tecla;
    const bool passa = numerico ? tecla >= U'0' && tecla <= U'9' : tecla >= U'A' && tecla <= U'Z';
    return passa ? tecla : 0;
}

std::string Filtra_Texto(bool numerico, std::string_view texto)
{
    // Every byte of a multi-byte character is above ASCII and dropped.
    std::string fica;
    for (const unsigned char c : texto) {
        const char32_t k = c == 8 ? 0 : Filtra_Tecla(numerico, c);
        if (k != 0) fica += static_cast<char>(k);
    }
    return fica;
}

int comprimento(std::string_view s)
{
    int n = 0;
    for (char c : s) n += !continuacao(c);
    return n;
}

std::string Direita(std::string_view s, int n)
{
    if (n >= comprimento(s)) return std::string(s);
    std::size_t i = s.size();
    for (int k = 0; k < n && i > 0;) {
        --i;
        k += !continuacao(s[i]);
    }
    return std::string(n > 0 ? s.substr(i) : std::string_view{});
}

std::string letra_coluna(int coluna)
{
    if (coluna < 1 || coluna > 26) return {};
    return std::string(1, static_cast<char>('A' + coluna - 1));
}

std::string endereco(int coluna, int linha) { return letra_coluna(coluna) + std::to_string(linha); }

int NumColuna(std::string_view s)
{
    if (s.size() == 1 && s[0] >= 'A' && s[0] <= 'Z') return s[0] - 'A' + 1;
    return 27;
}

void acrescenta_alinhado(std::string& destino, std::string_view s, int largura)
{
    destino += s;
    const int falta = largura - comprimento(s);
    if (falta > 0) destino.append(static_cast<std::size_t>(falta), ' ');
}

}  // namespace zivu
