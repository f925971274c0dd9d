#include "core/text/codificacao.h"

#include <cstdint>
#include <cstring>

namespace zivu {

namespace {

constexpr std::string_view bom = "\xEF\xBB\xBF";

// Windows-1252 0x80..0x9F; the five bytes it leaves undefined keep their own number.
constexpr char16_t cp1252_alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Length of the ASCII run that starts at i, eight bytes at a time.
std::size_t fim_ascii(std::string_view s, std::size_t i)
{
    for (; i + 8 <= s.size(); i += 8) {
        uint64_t bloco;
        std::memcpy(&bloco, s.data() + i, 8);
        if (bloco & 0x8080808080808080ull) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

// Decodes the UTF-8 sequence at i; returns its length, 0 when it is not
// well formed (overlong forms, surrogates and values above U+10FFFF refused).
int decodifica(std::string_view s, std::size_t i, char32_t& cp)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = b(i);
    int n;
    char32_t minimo;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1F, minimo = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0F, minimo = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07, minimo = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - i < static_cast<std::size_t>(n)) return 0;
    for (int k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void acrescenta_utf8(std::string& r, char32_t cp)
{
    if (cp < 0x80) {
        r += static_cast<char>(cp);
    } else if (cp < 0x800) {
        r += static_cast<char>(0xC0 | (cp >> 6));
        r += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        r += static_cast<char>(0xE0 | (cp >> 12));
        r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        r += static_cast<char>(0xF0 | (cp >> 18));
        r += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-8 with every malformed byte replaced by U+FFFD, so that a file marked
// as UTF-8 never brings broken text into the program.
std::string utf8_reparado(std::string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t j = fim_ascii(s, i);
        r.append(s.substr(i, j - i));
        if ((i = j) == s.size()) break;
        char32_t cp;
        const int n = decodifica(s, i, cp);
        if (n > 0) {
            r.append(s.substr(i, n));
            i += n;
        } else {
            acrescenta_utf8(r, 0xFFFD);
            ++i;
        }
    }
    return r;
}

// The Windows-1252 byte of a character, or -1 when it has none.
int byte_cp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int k = 0; k < 32; ++k)
        if (cp1252_alto[k] == cp) return 0x80 + k;
    return -1;
}

}  // namespace

bool utf8_valido(std::string_view bytes)
{
    for (std::size_t i = 0; (i = fim_ascii(bytes, i)) < bytes.size();) {
        char32_t cp;
        const int n = decodifica(bytes, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string cp1252_para_utf8(std::string_view bytes)
{
    std::string r;
    r.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t j = fim_ascii(bytes, i);
        r.append(bytes.substr(i, j - i));
        if ((i = j) == bytes.size()) break;
        const unsigned c = static_cast<unsigned char>(bytes[i]);
        acrescenta_utf8(r, c < 0xA0 ? cp1252_alto[c - 0x80] : c);
    }
    return r;
}

std::string decodifica_arquivo(std::string_view bytes)
{
    if (bytes.starts_with(bom)) return utf8_reparado(bytes.substr(bom.size()));
    if (utf8_valido(bytes)) return std::string(bytes);  // ASCII alone reads the same either way
    return cp1252_para_utf8(bytes);
}

std::string codifica_arquivo(std::string_view texto)
{
    std::string r(texto);
    if (codifica_no_lugar(r)) return r;
    return std::string(bom) + std::string(texto);
}

std::u32string utf8_para_u32(std::string_view s)
{
    std::u32string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp;
        const int n = decodifica(s, i, cp);
        r += n > 0 ? cp : U'\uFFFD';
        i += n > 0 ? static_cast<std::size_t>(n) : 1;
    }
    return r;
}

std::string u32_para_utf8(std::u32string_view s)
{
    std::string r;
    r.reserve(s.size());
    for (const char32_t c : s) acrescenta_utf8(r, c);
    return r;
}

bool codifica_no_lugar(std::string& texto)
{
    const std::string_view v = texto;
    for (std::size_t i = 0; (i = fim_ascii(v, i)) < v.size();) {
        char32_t cp;
        const int n = decodifica(v, i, cp);
        if (n == 0 || byte_cp1252(cp) < 0) return false;
        i += n;
    }
    // Writing never overtakes reading: each character shrinks or stays.
    char* d = texto.data();
    std::size_t w = fim_ascii(v, 0);
    for (std::size_t i = w; i < v.size();) {
        const std::size_t j = fim_ascii(v, i);
        std::memmove(d + w, d + i, j - i);
        w += j - i;
        if ((i = j) == v.size()) break;
        char32_t cp;
        i += decodifica(v, i, cp);
        d[w++] = static_cast<char>(byte_cp1252(cp));
    }
    texto.resize(w);
    return true;
}

}  // namespace zivu
