// Text helpers: trimming, keys, columns, file encodings and elapsed time.
#include "core/text/codificacao.h"
#include "core/text/tempo.h"
#include "core/text/textos.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace zivu;
using namespace std::literals;

namespace {

TEST(Textos, AparaECapitais) {
    EXPECT_EQ(apara("\0\t x y \r\n "sv), "x y");
    EXPECT_EQ(apara(" \x1F "), "");
    EXPECT_EQ(apara("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is text
    EXPECT_EQ(capitais("ação abc-z"), "AçãO ABC-Z");
}

TEST(Textos, TiraSeparadores) {
    EXPECT_EQ(Tira_Separadores("1.234.567"), "1234567");
    EXPECT_EQ(Tira_Separadores("1,234,567"), "1234567");
    EXPECT_EQ(Tira_Separadores("1.000,50"), "100050");
    EXPECT_EQ(Tira_Separadores(" 12,5"), " 125");
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
    EXPECT_EQ(Direita("ab", 4), "ab");
    EXPECT_EQ(Direita("dados.csv", 4), ".csv");
    EXPECT_EQ(Direita("população", 3), "ção");
    EXPECT_EQ(Direita("abc", 0), "");
    EXPECT_EQ(comprimento("população"), 9);
    EXPECT_EQ(comprimento(""), 0);
}

TEST(Textos, ColunasEEnderecos) {
    EXPECT_EQ(letra_coluna(1), "A");
    EXPECT_EQ(letra_coluna(26), "Z");
    EXPECT_EQ(letra_coluna(0), "");
    EXPECT_EQ(letra_coluna(27), "");
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
