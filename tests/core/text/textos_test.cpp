// Number texts and conversions; text helpers: trimming, keys, columns, file
// encodings and elapsed time.
#include "core/text/numeros.h"
#include "core/text/codificacao.h"
#include "core/text/tempo.h"
#include "core/text/textos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>

using namespace zivu;
using namespace std::literals;

namespace {

class Numeros : public ::testing::Test {
protected:
    void SetUp() override { definir_separador_decimal('.'); }
    void TearDown() override { definir_separador_decimal('.'); }
};

using Casos = std::initializer_list<std::pair<double, const char*>>;

TEST_F(Numeros, TextoGeralFixoECientificoArredondadoAntesDaNotacao) {
    const Casos casos = {
        {145, "145"}, {0.15, "0.15"}, {-50, "-50"}, {2.0 / 3, "0.666666666666667"}, {1e-6, "1E-6"},
        {-1.2345e-6, "-1.2345E-6"}, {0.000012345, "0.000012345"}, {1e14, "100000000000000"}, {1e15, "1E15"},
        {12345678901234567890.0, "1.23456789012346E19"}, {5e-324, "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"}, {0.0, "0"}, {-0.0, "0"},
        {999999999999999.9, "1E15"}, {9.999999999999999e-6, "0.00001"},
        {9.99999999999999e-6, "9.99999999999999E-6"}, {0.9999999999999999, "1"},
        // Exact halves at the 16th digit go away from zero.
        {1000000000000005.0, "1.00000000000001E15"}, {-1000000000000005.0, "-1.00000000000001E15"},
        {123456789012345.5, "123456789012346"}, {std::nextafter(123456789012345.5, 0.0), "123456789012345"}};
    for (const auto& [x, t] : casos) EXPECT_EQ(texto_geral(x), t);
}

TEST_F(Numeros, TextoGeralConcordaComArredondamentoExatoAleatorio) {
    // Random bit patterns are never exact ties, so printf's rounding to 15
    // digits names the same decimal; reading our text back must give it.
    // Besides random bits (17 digits mostly), decimals of 15 digits or fewer
    // and their neighbours, whose digits past the 15th lie near the tie,
    // mostly between 1e-8 and 1e15.
    std::mt19937_64 gerador(20240611);
    for (int i = 0; i < 60000; ++i) {
        double x;
        const uint64_t bits = gerador();
        std::memcpy(&x, &bits, sizeof x);
        if (i % 3 != 0) {
            char dec[40];
            uint64_t mantissa = gerador() % 1000000000000000;
            for (uint64_t k = bits % 15; k > 0; --k) mantissa /= 10;
            std::snprintf(dec, sizeof dec, "%llue%d", static_cast<unsigned long long>(mantissa),
                          static_cast<int>((bits >> 32) % 60) - 30);
            x = std::strtod(dec, nullptr);
            x = i % 3 == 1 ? x : std::nextafter(x, (bits >> 60) & 1 ? 0.0 : 1e300);
        }
        if (!std::isfinite(x) || x == 0) continue;
        // Exact ties, where printf goes to even, are in the table above.
        char longo[48];
        std::snprintf(longo, sizeof longo, "%.30e", std::fabs(x));
        if (longo[16] == '5' && std::strspn(longo + 17, "0") == 15) continue;
        char ref[40];
        std::snprintf(ref, sizeof ref, "%.14e", x);
        const double esperado = std::strtod(ref, nullptr);
        const std::string t = texto_geral(x);
        ASSERT_EQ(para_real(t), esperado) << t;
        const bool fixo = std::fabs(esperado) >= 1e-5 && std::fabs(esperado) < 1e15;
        ASSERT_EQ(t.find('E') == std::string::npos, fixo) << t;
        const std::string mantissa = t.substr(0, t.find('E'));
        if (mantissa.find('.') != std::string::npos) {
            ASSERT_NE(mantissa.back(), '0') << t;
        }
    }
}

TEST_F(Numeros, TextoDecimaisArredondaOValorBinarioExato) {
    // 5e-16 is stored just above the tie, its neighbour below just below it.
    const std::initializer_list<std::tuple<double, int, const char*>> casos = {
        {0.125, 2, "0.13"}, {0.0625, 3, "0.063"}, {2.675, 2, "2.67"}, {2.5, 0, "3"}, {-2.5, 0, "-3"},
        {9.9996, 3, "10.000"}, {-9.9996, 3, "-10.000"}, {-0.0004, 3, "0.000"}, {-0.4, 0, "0"},
        {145, 2, "145.00"}, {5e-16, 15, "0.000000000000001"},
        {std::nextafter(5e-16, 0.0), 15, "0.000000000000000"}, {1e20, 1, "100000000000000000000.0"}};
    for (const auto& [x, casas, t] : casos) EXPECT_EQ(texto_decimais(x, casas), t) << x;
}

TEST_F(Numeros, TextoDecimaisConcordaComPrintfForaDosEmpates) {
    std::mt19937_64 gerador(7);
    std::uniform_real_distribution<double> valor(-1e7, 1e7);
    for (int i = 0; i < 20000; ++i) {
        const double x = valor(gerador) * std::pow(10.0, -static_cast<int>(i % 12));
        const int casas = i % 8;
        char ref[64];
        std::snprintf(ref, sizeof ref, "%.*f", casas, x);
        std::string esperado = ref;
        if (esperado[0] == '-' && esperado.find_first_not_of("-0.") == std::string::npos) esperado.erase(0, 1);
        ASSERT_EQ(texto_decimais(x, casas), esperado) << x;
    }
}

TEST_F(Numeros, MascaraECerquilhas) {
    EXPECT_EQ(texto_mascara(0.125, "0.00"), "0.13");
    EXPECT_EQ(texto_mascara(2.0 / 3, ""), "0.666666666666667");
    EXPECT_EQ(texto_mascara(2.0 / 3, "0."), "0.666666666666667");
    const Casos casos = {{1.5, "1.5"}, {1.004, "1"}, {-0.001, "0"}, {-0.005, "-0.01"}, {100, "100"}};
    for (const auto& [x, t] : casos) EXPECT_EQ(texto_0_cerquilhas(x), t);
    EXPECT_EQ(texto_inteiro(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST_F(Numeros, SeparadorVirgulaEmTextosELeitura) {
    definir_separador_decimal(',');
    EXPECT_EQ(texto_geral(-1.25), "-1,25");
    EXPECT_EQ(texto_geral(1.5e-7), "1,5E-7");
    EXPECT_EQ(texto_mascara(0.0625, "0.000"), "0,063");
    EXPECT_EQ(texto_0_cerquilhas(2.10), "2,1");
    EXPECT_EQ(texto_0_cerquilhas(1000), "1000");
    EXPECT_EQ(para_real("1,5"), 1.5);
    EXPECT_EQ(para_real("1.5"), std::nullopt);
    EXPECT_EQ(para_real(texto_geral(2.0 / 3)), 0.666666666666667);
}

TEST_F(Numeros, ParaInteiro) {
    EXPECT_EQ(para_inteiro("  -12"), -12);
    EXPECT_EQ(para_inteiro("+7"), 7);
    EXPECT_EQ(para_inteiro("9223372036854775807"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(para_inteiro("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    for (const char* t : {"", "  ", "-", "12 ", "1.0", "1,0", "9223372036854775808", "-9223372036854775809",
                          "+-1", "- 5", "0x10", "\t5", "1e3", "٣"})
        EXPECT_EQ(para_inteiro(t), std::nullopt) << t;
}

TEST_F(Numeros, ParaReal) {
    const std::initializer_list<std::pair<std::string, double>> casos = {
        {"5", 5.0}, {"5.", 5.0}, {".5", 0.5}, {"  -1.5E+3  ", -1500.0}, {"+2e-2", 0.02},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()}, {"4e-320", 4e-320}, {"1e-400", 0.0},
        {" 007 ", 7.0}, {"-123456789012345", -123456789012345.0}, {"12345678901234567", 12345678901234567.0},
        {"0." + std::string(70, '0') + "25e72", 25.0}};
    for (const auto& [t, x] : casos) EXPECT_EQ(para_real(t), x) << t;
    const auto menos_zero = para_real("-1e-400");
    ASSERT_TRUE(menos_zero.has_value());
    EXPECT_TRUE(*menos_zero == 0.0 && std::signbit(*menos_zero));
    for (const char* t : {"", " ", ".", "-", "1e", "1e+", "e5", ".e5", "1.2.3", "1,5", "inf", "nan", "0x1p3",
                          "1e400", "-1e400", "1 000", "1d5", "++1", "1e5.0", "\t1"})
        EXPECT_EQ(para_real(t), std::nullopt) << t;
}

TEST_F(Numeros, ArredondaMetadesParaOParEPotencia) {
    const std::initializer_list<std::pair<double, double>> metades = {
        {2.5, 2.0}, {3.5, 4.0}, {-2.5, -2.0}, {0.5, 0.0}, {2.500001, 3.0}};
    for (const auto& [x, y] : metades) EXPECT_EQ(arredonda(x), y) << x;

    const std::initializer_list<std::tuple<double, double, double>> potencias = {
        {0, 0, 1.0}, {0, 3, 0.0}, {0, 0.5, 0.0}, {-2, 3, -8.0}, {2, -2, 0.25}};
    for (const auto& [b, e, r] : potencias) EXPECT_EQ(potencia(b, e), r) << b << "^" << e;
    // Beyond 32 bits the exponent goes through exp/log, and overflows.
    for (const auto& [b, e] : {std::pair{0.0, -2.0}, {0.0, -0.5}, {-2.0, 0.5}, {10.0, 400.0}, {2.0, 2147483648.0}})
        EXPECT_EQ(potencia(b, e), std::nullopt) << b << "^" << e;
    // Binary exponentiation: 1.1^10 = 1.1^2 * 1.1^8, each square rounded.
    const double f2 = 1.1 * 1.1, f8 = (f2 * f2) * (f2 * f2);
    EXPECT_EQ(potencia(1.1, 10), f2 * f8);
}

TEST(Textos, AparaECapitais) {
    EXPECT_EQ(apara("\0\t x y \r\n "sv), "x y");
    EXPECT_EQ(apara(" \x1F "), "");
    EXPECT_EQ(apara("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is text
    EXPECT_EQ(capitais("ação abc-z"), "AçãO ABC-Z");
}

TEST(Textos, TiraSeparadores) {
    for (const auto& [t, r] : {std::pair{"1.234.567", "1234567"}, {"1,234,567", "1234567"}, {"1.000,50", "100050"},
                               {" 12,5", " 125"}})
        EXPECT_EQ(Tira_Separadores(t), r) << t;
}

TEST(Textos, FiltraTecla) {
    // Digits only in number fields, ASCII letters raised in letter fields,
    // backspace in both.
    const std::initializer_list<std::tuple<bool, char32_t, char32_t>> casos = {
        {true, U'7', U'7'},  {true, U',', 0},  {true, U'-', 0},    {true, U'a', 0},   {false, U'c', U'C'},
        {false, U'Z', U'Z'}, {false, U'1', 0}, {false, U'ç', 0},   {false, U' ', 0},  {true, 8, 8},
        {false, 8, 8},       {true, 13, 0}};
    for (const auto& [numero, tecla, filtrada] : casos)
        EXPECT_EQ(Filtra_Tecla(numero, tecla), filtrada) << numero << " " << static_cast<uint32_t>(tecla);
    // Pasted text keeps what typing would keep.
    EXPECT_EQ(Filtra_Texto(true, "abc;20\b2\r\n5"), "2025");
    EXPECT_EQ(Filtra_Texto(false, "a1 Ção;z\b"), "AOZ");
}

TEST(Textos, DireitaEComprimentoContamCaracteres) {
    for (const auto& [t, n, r] : {std::tuple{"ab", 4, "ab"}, {"dados.csv", 4, ".csv"}, {"população", 3, "ção"},
                                  {"abc", 0, ""}})
        EXPECT_EQ(Direita(t, n), r) << t;
    EXPECT_EQ(comprimento("população"), 9);
    EXPECT_EQ(comprimento(""), 0);
}

TEST(Textos, ColunasEEnderecos) {
    for (const auto& [c, t] : {std::pair{1, "A"}, {26, "Z"}, {0, ""}, {27, ""}}) EXPECT_EQ(letra_coluna(c), t) << c;
    EXPECT_EQ(endereco(3, 12), "C12");
    EXPECT_EQ(NumColuna("A"), 1);
    EXPECT_EQ(NumColuna("Z"), 26);
    for (const char* t : {"", "a", "AB", "[", "@", "É"}) EXPECT_EQ(NumColuna(t), 27) << t;
}

TEST(Textos, AcrescentaAlinhado) {
    std::string linha = "1 ";
    acrescenta_alinhado(linha, "é", 3);
    acrescenta_alinhado(linha, "longo", 2);
    EXPECT_EQ(linha, "1 é  longo");
}

TEST(Codificacao, LeWindows1252OuUtf8ComOuSemMarca) {
    // Valid UTF-8 apart from one stray byte: the whole file is Windows-1252.
    for (const auto& [bytes, texto] : {std::pair{"Popula\xE7\xE3o;\x80;\x81\x8D\x8F\x90\x9D;\xFF",
                                                 "População;€;\u0081\u008D\u008F\u0090\u009D;ÿ"},
                                       {"\x93x\x94", "\u201Cx\u201D"}, {"ascii;1;2\r\n", "ascii;1;2\r\n"},
                                       {"ação \xE9", "aÃ§Ã£o é"}, {"ação €", "ação €"}, {"\xEF\xBB\xBFx;y", "x;y"},
                                       {"\xEF\xBB\xBF" "a\xE9z", "a\uFFFDz"}})
        EXPECT_EQ(decodifica_arquivo(bytes), texto) << bytes;
}

// The writer that encodes in the text's own storage.
std::string no_lugar(std::string t) { return codifica_no_lugar(t) ? t : "recusado: " + t; }

TEST(Codificacao, NaoAsciiEmQualquerPosicaoDoBloco) {
    for (std::size_t pos = 0; pos < 20; ++pos) {
        std::string utf8(20, 'a'), cp(20, 'a');
        utf8.replace(pos, 1, "é");
        cp[pos] = '\xE9';
        EXPECT_EQ(decodifica_arquivo(utf8), utf8) << pos;
        EXPECT_EQ(decodifica_arquivo(cp), utf8) << pos;
        EXPECT_EQ(codifica_arquivo(utf8), cp) << pos;
        EXPECT_EQ(no_lugar(utf8), cp) << pos;
    }
}

TEST(Codificacao, Utf8Valido) {
    EXPECT_TRUE(utf8_valido("a\xF0\x9F\x98\x80z"));
    for (const char* t : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF4\x90\x80\x80", "\x80", "\xFF"})
        EXPECT_FALSE(utf8_valido(t)) << t;
}

TEST(Codificacao, GravaWindows1252QuandoCabe) {
    EXPECT_EQ(codifica_arquivo("População;€;\u0081;ÿ\r\n"), "Popula\xE7\xE3o;\x80;\x81;\xFF\r\n");
    EXPECT_EQ(no_lugar("População;€;\u0081;ÿ\r\n"), "Popula\xE7\xE3o;\x80;\x81;\xFF\r\n");
    std::string todos;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    EXPECT_EQ(codifica_arquivo(cp1252_para_utf8(todos)), todos);
    EXPECT_EQ(no_lugar(cp1252_para_utf8(todos + todos)), todos + todos);
}

TEST(Codificacao, GravaUtf8ComMarcaQuandoNaoCabe) {
    EXPECT_EQ(codifica_arquivo("ação 日本"), "\xEF\xBB\xBF" "ação 日本");
    EXPECT_EQ(codifica_arquivo("x\u0080"), "\xEF\xBB\xBFx\u0080");  // C1 control, no Windows-1252 byte
    for (const char* t : {"ação 日本", "x\u0080", "a\xE9z"}) EXPECT_EQ(no_lugar(t), "recusado: " + std::string(t));
    EXPECT_EQ(decodifica_arquivo(codifica_arquivo("ação 日本")), "ação 日本");
}

TEST(Tempo, DecorridoEmHorasMinutosSegundos) {
    for (const auto& [de, ate, texto] : {std::tuple{100, 100, "00:00:00"}, {86000, 50, "00:00:00"},
                                         {0, 3725, "01:02:05"}, {0, 59, "00:00:59"},
                                         {10, 10 + 7 * 3600 + 60, "07:01:00"}, {0, 100 * 3600 + 1, "100:00:01"}})
        EXPECT_EQ(Tempo_Decorrido(de, ate), texto) << de << " " << ate;
}

TEST(Tempo, RelogiosDentroDoIntervalo) {
    const int32_t agora = Hora_em_Segundos();
    EXPECT_GE(agora, 0);
    EXPECT_LT(agora, 86400);
    const int64_t a = segundos_monotonicos();
    EXPECT_LE(a, segundos_monotonicos());
}

}  // namespace
