#include "core/text/textos.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace zivu;
using namespace std::literals;

namespace {

TEST(Textos, AparaECapitais)
{
    EXPECT_EQ(apara("\0\t x y \r\n "sv), "x y");
    EXPECT_EQ(apara(" \x1F "), "");
    EXPECT_EQ(apara("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is text
    EXPECT_EQ(capitais("ação abc-z"), "AçãO ABC-Z");
}

TEST(Textos, TiraSeparadores)
{
    EXPECT_EQ(Tira_Separadores("1.234.567"), "1234567");
    EXPECT_EQ(Tira_Separadores("1,234,567"), "1234567");
    EXPECT_EQ(Tira_Separadores("1.000,50"), "100050");
    EXPECT_EQ(Tira_Separadores(" 12,5"), " 125");
}

TEST(Textos, FiltraTecla)
{
    // Digits only in number fields, ASCII letters raised in letter fields,
    // backspace in both.
    const std::initializer_list<std::tuple<bool, char32_t, char32_t>> casos = {
        {true, U'7', U'7'},  {true, U',', 0},  {true, U'-', 0},    {true, U'a', 0},   {false, U'c', U'C'},
        {false, U'Z', U'Z'}, {false, U'1', 0}, {false, U'ç', 0},   {false, U' ', 0},  {true, 8, 8},
        {false, 8, 8},       {true, 13, 0}};
    for (const auto& [numero, tecla, filtrada] : casos)
        EXPECT_EQ(Filtra_Tecla(numero, tecla), filtrada) << numero << " " << static_cast<uint32_t>(tecla);
}

TEST(Textos, DireitaEComprimentoContamCaracteres)
{
    EXPECT_EQ(Direita("ab", 4), "ab");
    EXPECT_EQ(Direita("dados.csv", 4), ".csv");
    EXPECT_EQ(Direita("população", 3), "ção");
    EXPECT_EQ(Direita("abc", 0), "");
    EXPECT_EQ(comprimento("população"), 9);
    EXPECT_EQ(comprimento(""), 0);
}

TEST(Textos, ColunasEEnderecos)
{
    EXPECT_EQ(letra_coluna(1), "A");
    EXPECT_EQ(letra_coluna(26), "Z");
    EXPECT_EQ(letra_coluna(0), "");
    EXPECT_EQ(letra_coluna(27), "");
    EXPECT_EQ(endereco(3, 12), "C12");
    EXPECT_EQ(NumColuna("A"), 1);
    EXPECT_EQ(NumColuna("Z"), 26);
    for (const char* t : {"", "a", "AB", "[", "@", "É"}) EXPECT_EQ(NumColuna(t), 27) << t;
}

TEST(Textos, AcrescentaAlinhado)
{
    std::string linha = "1 ";
    acrescenta_alinhado(linha, "é", 3);
    acrescenta_alinhado(linha, "longo", 2);
    EXPECT_EQ(linha, "1 é  longo");
}

}  // namespace
