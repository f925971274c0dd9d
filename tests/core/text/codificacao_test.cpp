#include "core/text/codificacao.h"

#include <gtest/gtest.h>

using namespace zivu;

namespace {

TEST(Codificacao, LeWindows1252)
{
    EXPECT_EQ(decodifica_arquivo("Popula\xE7\xE3o;\x80;\x81\x8D\x8F\x90\x9D;\xFF"),
              "População;€;\u0081\u008D\u008F\u0090\u009D;ÿ");
    EXPECT_EQ(decodifica_arquivo("\x93x\x94"), "\u201Cx\u201D");
    EXPECT_EQ(decodifica_arquivo("ascii;1;2\r\n"), "ascii;1;2\r\n");
    // Valid UTF-8 apart from one stray byte: the whole file is Windows-1252.
    EXPECT_EQ(decodifica_arquivo("ação \xE9"), "aÃ§Ã£o é");
}

TEST(Codificacao, LeUtf8ComOuSemMarca)
{
    EXPECT_EQ(decodifica_arquivo("ação €"), "ação €");
    EXPECT_EQ(decodifica_arquivo("\xEF\xBB\xBFx;y"), "x;y");
    EXPECT_EQ(decodifica_arquivo("\xEF\xBB\xBF" "a\xE9z"), "a\uFFFDz");
}

TEST(Codificacao, NaoAsciiEmQualquerPosicaoDoBloco)
{
    for (std::size_t pos = 0; pos < 20; ++pos) {
        std::string utf8(20, 'a'), cp(20, 'a');
        utf8.replace(pos, 1, "é");
        cp[pos] = '\xE9';
        EXPECT_EQ(decodifica_arquivo(utf8), utf8) << pos;
        EXPECT_EQ(decodifica_arquivo(cp), utf8) << pos;
        EXPECT_EQ(codifica_arquivo(utf8), cp) << pos;
    }
}

TEST(Codificacao, Utf8Valido)
{
    EXPECT_TRUE(utf8_valido("a\xF0\x9F\x98\x80z"));
    for (const char* t : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF4\x90\x80\x80", "\x80", "\xFF"})
        EXPECT_FALSE(utf8_valido(t)) << t;
}

TEST(Codificacao, GravaWindows1252QuandoCabe)
{
    EXPECT_EQ(codifica_arquivo("População;€;\u0081;ÿ\r\n"), "Popula\xE7\xE3o;\x80;\x81;\xFF\r\n");
    std::string todos;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    EXPECT_EQ(codifica_arquivo(cp1252_para_utf8(todos)), todos);
}

TEST(Codificacao, GravaUtf8ComMarcaQuandoNaoCabe)
{
    EXPECT_EQ(codifica_arquivo("ação 日本"), "\xEF\xBB\xBF" "ação 日本");
    EXPECT_EQ(codifica_arquivo("x\u0080"), "\xEF\xBB\xBFx\u0080");  // C1 control, no Windows-1252 byte
    EXPECT_EQ(decodifica_arquivo(codifica_arquivo("ação 日本")), "ação 日本");
}

}  // namespace
