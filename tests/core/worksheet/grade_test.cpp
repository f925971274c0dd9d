#include "core/worksheet/grade.h"

#include <gtest/gtest.h>

namespace zivu::teste {
namespace {

// The grid stores only what was written, but reads as the full sheet does:
// row numbers and letters, written cells, emptied rows, cells kept on resize
// and in a copy.
TEST(Grade, ReadsAsAFullGridWhateverItStores) {
  Grade g("g", 10, 12);
  g.escreve_cabecalhos_planilha();
  g.cel(9, 3) = "nove";
  g.cel(0, 5) = "x";
  Grade copia = g;
  const Grade& lida = copia;
  EXPECT_EQ(lida.cel(0, 3), "3");
  EXPECT_EQ(lida.cel(0, 4), "4");
  EXPECT_EQ(lida.cel(0, 5), "x");
  EXPECT_EQ(lida.cel(0, 0), "");
  EXPECT_EQ(lida.cel(9, 0), "I");
  EXPECT_EQ(lida.cel(9, 3), "nove");
  EXPECT_EQ(lida.cel(8, 3), "");
  EXPECT_EQ(lida.le(10, 3), "");

  g.redimensiona(9, 4);
  g.redimensiona(10, 12);
  EXPECT_EQ(g.le(9, 3), "");
  EXPECT_EQ(g.le(0, 3), "3");
  EXPECT_EQ(g.le(0, 8), "");
  g.limpa();
  EXPECT_EQ(g.le(0, 2), "");
  EXPECT_EQ(g.le(1, 0), "");
  EXPECT_EQ(copia.le(9, 3), "nove");
}

}  // namespace
}  // namespace zivu::teste
