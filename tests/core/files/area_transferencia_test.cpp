// Copying a selection as text and pasting text into the sheet.
#include <gtest/gtest.h>

#include "core/files/area_transferencia.h"
#include "core/worksheet/sistema.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class AreaTransferencia : public ::testing::Test {
 protected:
  teste::PlataformaTeste plat;
  Sistema sis{plat};
  Origem& o = sis.origem;
  Grade& g = o.DadosEntrada;
};

TEST_F(AreaTransferencia, CopiaSelecaoComTabEntreCelulasECrEntreLinhas) {
  g.escreve(2, 2, "1");
  g.escreve(3, 2, "2");
  g.escreve(2, 3, " 3 ");
  g.escreve(3, 3, "4");
  o.vai_para(2, 2);
  o.seleciona(2, 2, 3, 3);
  EXPECT_EQ(CopiarClick(sis), "1\t2\r 3 \t4");
  // Empty cells leave the separators alone.
  EXPECT_EQ(Copia_Grade(g, 5, 5, 6, 6), "\t\r\t");
  EXPECT_EQ(Copia_Grade(g, 2, 2, 2, 2), "1");
}

TEST_F(AreaTransferencia, ColaAPartirDaCelulaAtualEAmpliaExtensao) {
  o.vai_para(4, 5);
  EXPECT_TRUE(Cola_Grade(sis, "1\t2\r3\t4"));
  EXPECT_EQ(g.le(4, 5), "1");
  EXPECT_EQ(g.le(5, 5), "2");
  EXPECT_EQ(g.le(4, 6), "3");
  EXPECT_EQ(g.le(5, 6), "4");
  EXPECT_EQ(o.UltimaColuna, 5);
  EXPECT_EQ(o.UltimaLinha, 6);
  EXPECT_TRUE(plat.mensagens.empty());
  // The extent never shrinks.
  o.vai_para(1, 1);
  Cola_Grade(sis, "x");
  EXPECT_EQ(o.UltimaColuna, 5);
  EXPECT_EQ(o.UltimaLinha, 6);
}

TEST_F(AreaTransferencia, FimDeLinhaCrLfOuLfSozinhoSemLfNasCelulas) {
  o.vai_para(1, 1);
  Cola_Grade(sis, "a\tb\r\nc\td\ne");
  EXPECT_EQ(g.le(1, 1), "a");
  EXPECT_EQ(g.le(2, 1), "b");
  EXPECT_EQ(g.le(1, 2), "c");
  EXPECT_EQ(g.le(2, 2), "d");
  EXPECT_EQ(g.le(1, 3), "e");
  EXPECT_EQ(o.UltimaLinha, 3);
  // A blank line between rows still counts as a row.
  o.vai_para(1, 10);
  Cola_Grade(sis, "x\r\n\r\ny");
  EXPECT_EQ(g.le(1, 10), "x");
  EXPECT_EQ(g.le(1, 12), "y");
  // A final CR writes an empty cell on the next row.
  g.escreve(3, 8, "antigo");
  g.escreve(4, 8, "fica");
  o.vai_para(3, 7);
  Cola_Grade(sis, "a\tb\r");
  EXPECT_EQ(g.le(3, 7), "a");
  EXPECT_EQ(g.le(4, 7), "b");
  EXPECT_EQ(g.le(3, 8), "");
  EXPECT_EQ(g.le(4, 8), "fica");
}

TEST_F(AreaTransferencia, ColunasOuLinhasAlemDoLimiteParamComMensagemNomeandoOInicio) {
  o.vai_para(25, 3);
  EXPECT_FALSE(Cola_Grade(sis, "1\t2\t3"));
  EXPECT_EQ(g.le(25, 3), "1");
  EXPECT_EQ(g.le(26, 3), "2");
  EXPECT_EQ(o.UltimaColuna, 26);
  o.vai_para(2, 9999);
  EXPECT_FALSE(Cola_Grade(sis, "a\rb\rc"));
  EXPECT_EQ(g.le(2, 9999), "a");
  EXPECT_EQ(g.le(2, 10000), "b");
  EXPECT_EQ(o.UltimaLinha, 10000);
  ASSERT_EQ(plat.mensagens.size(), 2u);
  EXPECT_EQ(plat.mensagens[0].titulo, "Falha!");
  EXPECT_EQ(plat.mensagens[0].texto,
            "A partir da coluna Y não\né possível colar, pois a quantidade de colunas\n"
            "a colar extrapola o limite da tabela.");
  EXPECT_EQ(plat.mensagens[1].titulo, "Falha!");
  EXPECT_EQ(plat.mensagens[1].texto,
            "A partir da linha 9999 não\né possível colar, pois a quantidade de linhas\n"
            "a colar extrapola o limite da tabela.");
}

TEST_F(AreaTransferencia, TextoVazioNaoMudaNadaEColarDesabilitaAdaptar) {
  o.vai_para(2, 2);
  EXPECT_TRUE(Cola_Grade(sis, ""));
  EXPECT_EQ(o.UltimaColuna, 0);
  EXPECT_EQ(o.UltimaLinha, 0);
  sis.simples.Adaptar = sis.quartis.Adaptar = true;
  ColarClick(sis, "5");
  EXPECT_EQ(g.le(2, 2), "5");
  EXPECT_FALSE(sis.simples.Adaptar);
  EXPECT_FALSE(sis.quartis.Adaptar);
}

}  // namespace
}  // namespace zivu
