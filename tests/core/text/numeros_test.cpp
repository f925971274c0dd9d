#include "core/text/numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>

using namespace zivu;

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

}  // namespace
