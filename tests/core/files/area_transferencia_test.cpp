// Copying a selection as text and pasting text into the sheet.
#include <gtest/gtest.h>

#include <tuple>

#include "core/files/area_transferencia.h"
#include "core/files/auxiliar_arquivos.h"
#include "core/text/textos.h"
#include "core/worksheet/sistema.h"
#include "dourado.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

class AreaTransferencia : public TesteSistema {
 protected:
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

// The sheet after each paste, in one golden file: from the current cell,
// raising the extent, which never shrinks; CR LF or a lone LF end a line and
// a blank line still counts as a row; a final row end (CR, LF or CR LF) ends
// the paste and leaves the row below alone, even on the last row; columns or
// rows past the limit stop with a message naming where the paste began, after
// writing what fits; an empty text changes nothing.
TEST_F(AreaTransferencia, ColagensSucessivas) {
  std::string t;
  const std::tuple<int, int, const char*> colagens[] = {
      {4, 5, "1\t2\r3\t4"}, {1, 1, "x"},        {1, 1, "a\tb\r\nc\td\ne"}, {1, 10, "x\r\n\r\ny"},
      {3, 7, "a\tb\r"},     {3, 7, "c\n"},      {3, 7, "d\r\n"},           {2, 2, ""},
      {25, 3, "1\t2\t3"},   {2, 9999, "a\rb\rc"}, {2, 10000, "z\r\n"}};
  g.escreve(3, 8, "antigo");
  g.escreve(4, 8, "fica");
  for (const auto& [c, r, texto] : colagens) {
    o.vai_para(c, r);
    const bool ok = Cola_Grade(sis, texto);
    t += "=== " + endereco(c, r) + " " + std::to_string(ok) + "\n";
    for (const auto& m : plat.mensagens) t += "! " + m.titulo + "|" + m.texto + "\n";
    plat.mensagens.clear();
    const int ultima = o.UltimaLinha;
    o.UltimaLinha = std::min(ultima, 14);  // the rows near 10000 are shown apart
    t += texto_origem(o).substr(texto_origem(o).find("usada")) + g.le(2, 9999) + "|" + g.le(2, 10000) + "\n";
    o.UltimaLinha = ultima;
    t += "usada de fato " + std::to_string(o.UltimaColuna) + "x" + std::to_string(ultima) + "\n";
  }
  espera_dourado("colagens.txt", t);
}

TEST_F(AreaTransferencia, ColarDesabilitaAdaptar) {
  o.vai_para(2, 2);
  sis.simples.Adaptar = sis.quartis.Adaptar = true;
  ColarClick(sis, "5");
  EXPECT_EQ(g.le(2, 2), "5");
  EXPECT_EQ(o.Celula, "5");
  EXPECT_FALSE(sis.simples.Adaptar);
  EXPECT_FALSE(sis.quartis.Adaptar);
}

}  // namespace
}  // namespace zivu::teste
