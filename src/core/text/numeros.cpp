#include "core/text/numeros.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace zivu {

namespace {

std::atomic<char> ds_global{'.'};

// Rounding of a digit text cut after the digits kept, ties away from zero.
// `resto` holds the next digits of a text correctly rounded at its own last
// digit, so "5000..." may hide a value just below the tie: then only the
// exact digits can tell.
enum class Resto { abaixo, acima, duvida };

Resto avalia(std::string_view resto)
{
    if (resto.empty() || resto[0] < '5') return Resto::abaixo;
    if (resto[0] > '5' || resto.find_first_not_of('0', 1) != std::string_view::npos) return Resto::acima;
    return Resto::duvida;
}

// Adds one unit at the last digit of [p, q), skipping a '.'; true when the
// carry runs out of the first digit.
bool incrementa(char* p, char* q)
{
    while (q != p) {
        --q;
        if (*q == '.') continue;
        if (*q != '9') {
            ++*q;
            return false;
        }
        *q = '0';
    }
    return true;
}

std::string nao_finito(double x)
{
    return std::isnan(x) ? "NAN" : x < 0 ? "-INF" : "INF";
}

// The 15 significant digits of x > 0, rounded half away from zero, and its
// decimal exponent, by exact integer arithmetic: x = m / 2^sh, and
// m * 10^s / 2^sh is cut and rounded with 128 bits. This covers 1e-8 <= x <
// 1e15 (the rates and populations), at a fraction of the cost of a long
// decimal text; false elsewhere.
bool digitos_exatos_15(double x, char* dig, int& expoente)
{
    if (!(x >= 1e-8 && x < 1e15)) return false;
    int e2 = 0;
    const double f = std::frexp(x, &e2);
    const auto m = static_cast<uint64_t>(std::ldexp(f, 53));
    const int sh = 53 - e2;  // x = m / 2^sh; x < 1e15 < 2^53 keeps sh > 0
    using u128 = unsigned __int128;
    constexpr uint64_t kMenor = 100000000000000;  // 10^14
    static constexpr auto potencias = [] {
        std::array<u128, 23> p{};
        p[0] = 1;
        for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
        return p;
    }();
    // 2^(e2-1) <= x < 2^e2: log10(2) * (e2 - 1) is the decimal exponent or
    // one below it.
    int e10 = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398120));
    for (int tentativa = 0; tentativa < 3; ++tentativa) {
        const int s = 14 - e10;
        if (s < 0 || s > 22) return false;
        const u128 n = static_cast<u128>(m) * potencias[static_cast<size_t>(s)];  // < 2^53 * 10^22 < 2^127
        const u128 q = n >> sh;
        // The estimate may be one off.
        if (q < kMenor) {
            --e10;
            continue;
        }
        if (q >= 10 * kMenor) {
            ++e10;
            continue;
        }
        const u128 resto = n - (q << sh);
        auto d = static_cast<uint64_t>(q);
        if (2 * resto >= (u128{1} << sh)) ++d;
        if (d == 10 * kMenor) {
            d = kMenor;
            ++e10;
        }
        for (int i = 14; i >= 0; --i, d /= 10) dig[i] = static_cast<char>('0' + d % 10);
        expoente = e10;
        return true;
    }
    return false;
}

// Enough digits to print any double exactly: at most 767 significant digits,
// and 1074 decimals for the smallest.
constexpr int digitos_exatos = 800;
constexpr int decimais_exatos = 1075;

}  // namespace

char separador_decimal() { return ds_global.load(std::memory_order_relaxed); }
void definir_separador_decimal(char ds) { ds_global.store(ds, std::memory_order_relaxed); }

std::string texto_geral(double x)
{
    if (!finito(x)) return nao_finito(x);
    if (x == 0) return "0";
    const double ax = std::fabs(x);
    // Whole numbers of 15 digits or fewer (the populations) are their own text.
    if (ax < 1e15 && ax == std::floor(ax)) {
        char buf[24];
        return {buf, std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(x)).ptr};
    }
    char dig[15];
    int expoente = 0;
    if (!digitos_exatos_15(ax, dig, expoente)) {
        // d.ddd (24 decimals) e±dd: 15 digits kept, 10 more to decide the rounding.
        char buf[40];
        const auto fim = std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::scientific, 24).ptr;
        dig[0] = buf[0];
        std::copy(buf + 2, buf + 16, dig + 1);
        std::from_chars(buf + 28, fim, expoente);
        if (buf[27] == '-') expoente = -expoente;

        Resto r = avalia({buf + 16, 10});
        if (r == Resto::duvida) {
            std::string exato(digitos_exatos + 16, '\0');
            std::to_chars(exato.data(), exato.data() + exato.size(), ax, std::chars_format::scientific, digitos_exatos);
            r = exato[16] >= '5' ? Resto::acima : Resto::abaixo;
        }
        if (r == Resto::acima && incrementa(dig, dig + 15)) {
            dig[0] = '1';
            ++expoente;
        }
    }
    int n = 15;
    while (dig[n - 1] == '0') --n;

    // At most a sign, "0.0000" and 15 digits, or d.ddd with "E-324".
    const char ds = separador_decimal();
    char buf[32];
    char* p = buf;
    if (x < 0) *p++ = '-';
    if (expoente >= -5 && expoente < 15) {
        if (expoente >= 0) {
            const int inteiros = expoente + 1;
            p = std::copy_n(dig, std::min(n, inteiros), p);
            if (n < inteiros) p = std::fill_n(p, inteiros - n, '0');
            if (n > inteiros) {
                *p++ = ds;
                p = std::copy(dig + inteiros, dig + n, p);
            }
        } else {
            *p++ = '0';
            *p++ = ds;
            p = std::fill_n(p, -expoente - 1, '0');
            p = std::copy_n(dig, n, p);
        }
    } else {
        *p++ = dig[0];
        if (n > 1) {
            *p++ = ds;
            p = std::copy(dig + 1, dig + n, p);
        }
        *p++ = 'E';
        p = std::to_chars(p, buf + sizeof buf, expoente).ptr;
    }
    return {buf, p};
}

std::string texto_decimais(double x, int casas)
{
    if (!finito(x)) return nao_finito(x);
    casas = std::max(casas, 0);
    const double ax = std::fabs(x);
    char pilha[400];
    std::string grande;
    auto fixo = [&](int precisao) -> std::string_view {
        const std::size_t tamanho = 320 + static_cast<std::size_t>(precisao);
        char* b = pilha;
        if (tamanho > sizeof pilha) {
            grande.resize(tamanho);
            b = grande.data();
        }
        return {b, std::to_chars(b, b + tamanho, ax, std::chars_format::fixed, precisao).ptr};
    };

    std::string_view t = fixo(casas + 10);
    const std::size_t corte = t.find('.') + 1 + casas;
    Resto r = avalia(t.substr(corte));
    if (r == Resto::duvida) {
        t = fixo(std::max(casas + 10, decimais_exatos));
        r = t[corte] >= '5' ? Resto::acima : Resto::abaixo;
    }

    std::string s;
    s.reserve(corte + 2);
    if (x < 0) s += '-';
    const std::size_t inicio = s.size();
    s.append(t.substr(0, casas > 0 ? corte : corte - 1));
    if (r == Resto::acima && incrementa(s.data() + inicio, s.data() + s.size())) s.insert(inicio, 1, '1');
    if (inicio > 0 && s.find_first_not_of("0.", inicio) == std::string::npos) s.erase(0, inicio);
    if (casas > 0) s[s.find('.')] = separador_decimal();
    return s;
}

std::string texto_mascara(double x, std::string_view mascara)
{
    if (mascara.size() > 2 && mascara.starts_with("0.") &&
        mascara.find_first_not_of('0', 2) == std::string_view::npos)
        return texto_decimais(x, static_cast<int>(mascara.size() - 2));
    return texto_geral(x);
}

std::string texto_0_cerquilhas(double x)
{
    std::string s = texto_decimais(x, 2);
    const char ds = separador_decimal();
    if (s.find(ds) != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == ds) s.pop_back();
    }
    return s;
}

std::string texto_inteiro(int64_t v)
{
    char buf[24];
    return {buf, std::to_chars(buf, buf + sizeof buf, v).ptr};
}

std::optional<int64_t> para_inteiro(std::string_view texto)
{
    std::size_t i = texto.find_first_not_of(' ');
    if (i == std::string_view::npos) return std::nullopt;
    bool negativo = false;
    if (texto[i] == '+' || texto[i] == '-') negativo = texto[i++] == '-';
    uint64_t u = 0;
    const char* fim = texto.data() + texto.size();
    const auto [p, ec] = std::from_chars(texto.data() + i, fim, u);
    if (ec != std::errc{} || p != fim) return std::nullopt;
    constexpr uint64_t maximo = std::numeric_limits<int64_t>::max();
    if (negativo) {
        if (u > maximo + 1) return std::nullopt;
        return static_cast<int64_t>(0 - u);
    }
    if (u > maximo) return std::nullopt;
    return static_cast<int64_t>(u);
}

std::optional<double> para_real(std::string_view texto)
{
    auto digito = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0, n = texto.size();
    while (i < n && texto[i] == ' ') ++i;
    while (n > i && texto[n - 1] == ' ') --n;

    // Rebuilt in the "C" form that from_chars reads: '.' as the decimal mark,
    // no '+'; on the stack unless the text is long. Never longer than the
    // text, plus the final NUL strtod needs.
    char curto[64];
    std::string longo;
    char* s = curto;
    if (n - i + 1 > sizeof curto) {
        longo.resize(n - i + 1);
        s = longo.data();
    }
    std::size_t k = 0;
    if (i < n && (texto[i] == '+' || texto[i] == '-')) {
        if (texto[i] == '-') s[k++] = '-';
        ++i;
    }
    const char ds = separador_decimal();
    bool separador = false;
    const std::size_t inicio_digitos = k;
    std::size_t digitos = 0;
    for (; i < n; ++i) {
        const char c = texto[i];
        if (digito(c)) {
            s[k++] = c;
            ++digitos;
        } else if (c == ds && !separador) {
            s[k++] = '.';
            separador = true;
        } else {
            break;
        }
    }
    if (digitos == 0) return std::nullopt;
    // Whole numbers of up to 15 digits, most cells of a sheet, are exact as
    // integers.
    if (i == n && !separador && digitos <= 15) {
        uint64_t u = 0;
        std::from_chars(s + inicio_digitos, s + k, u);
        const double v = static_cast<double>(u);
        return inicio_digitos > 0 ? -v : v;
    }
    if (i < n) {
        if (texto[i] != 'E' && texto[i] != 'e') return std::nullopt;
        s[k++] = 'e';
        if (++i < n && (texto[i] == '+' || texto[i] == '-')) s[k++] = texto[i++];
        if (i == n) return std::nullopt;
        for (; i < n; ++i) {
            if (!digito(texto[i])) return std::nullopt;
            s[k++] = texto[i];
        }
    }
    s[k] = '\0';

    double v = 0;
    const auto [p, ec] = std::from_chars(s, s + k, v);
    if (ec == std::errc::result_out_of_range) {
        // Overflow or underflow: the "C" locale's strtod tells them apart
        // (infinity, or zero / a denormal with the sign kept).
        static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
        v = strtod_l(s, nullptr, c_locale);
    } else if (ec != std::errc{} || p != s + k) {
        return std::nullopt;
    }
    if (!finito(v)) return std::nullopt;
    return v;
}

double arredonda(double x) { return std::nearbyint(x); }

std::optional<double> potencia(double x, double y)
{
    if (y == 0) return 1.0;
    if (x == 0 && y > 0) return 0.0;
    double r;
    if (y == std::trunc(y) && y >= std::numeric_limits<int32_t>::min() && y <= std::numeric_limits<int32_t>::max()) {
        const int64_t e = static_cast<int64_t>(y);
        uint64_t bits = static_cast<uint64_t>(e < 0 ? -e : e);
        double fator = x;
        r = 1.0;
        for (; bits != 0; bits >>= 1) {
            if (bits & 1) r *= fator;
            fator *= fator;
        }
        if (e < 0) {
            if (x == 0) return std::nullopt;
            r = 1.0 / r;
        }
    } else {
        if (!(x > 0)) return std::nullopt;
        r = std::exp(y * std::log(x));
    }
    if (!finito(r)) return std::nullopt;
    return r;
}

std::string msg_inteiro_invalido(std::string_view texto)
{
    return "'" + std::string(texto) + "' não é um valor inteiro válido.";
}

std::string msg_real_invalido(std::string_view texto)
{
    return "'" + std::string(texto) + "' não é um valor real válido.";
}

}  // namespace zivu
