// Marks drawn in cells and keys typed on the sheet.
#include <gtest/gtest.h>

#include "core/worksheet/sistema.h"
#include "core/worksheet/planilha_tela.h"
#include "dourado.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class PlanilhaTela : public teste::TesteSistema {};

// The marks of columns A..G and rows 1..10 as a map, one letter a kind
// ("." none, Ano, Principal, Secundaria, Dados, Titulo).
std::string mapa(const Origem& o) {
  std::string t;
  for (int r = 1; r <= 10; ++r) {
    for (int c = 1; c <= 7; ++c) t += ".APSDT"[static_cast<int>(marca_da_celula(o, c, r))];
    t += "\n";
  }
  return t + "\n";
}

// Each kind in its region; overlapping regions (the standard marking and the
// reader write the lists without the overlap test) show the later kind; the
// last slot left empty draws nothing.
TEST_F(PlanilhaTela, CadaTipoNaSuaRegiao) {
  o.Ano(3, 2);
  o.Ano(4, 2);
  o.Principal(2, 3, 5, 3);
  o.SubDivisao(2, 4, 5, 4);
  o.Dados(2, 5, 5, 9);
  o.Fixos(1, 5, 1, 9);
  std::string t = mapa(o);
  o.LinhaPrincipal = {2, 2, 4, 2};
  o.AreasDados[0] = {2, 2, 4, 6};
  o.Titulos[0] = {4, 2, 4, 6};
  t += mapa(o);
  o.LinhaPrincipal = o.Titulos[0] = {};
  o.QtdDados = o.QtdAnos = 2;
  o.AreasDados = {{2, 2, 3, 3}, {}};
  o.CelulasAno = {{5, 5}, {}};
  teste::espera_dourado("marcas_mapa.txt", t + mapa(o));
}

TEST_F(PlanilhaTela, CtrlGEsvaziaACelulaSemMudarExtensaoEEnterPedeEdicao) {
  o.vai_para(3, 5);
  o.Celula = "77";
  o.Edite_OKClick();
  ASSERT_EQ(o.UltimaLinha, 5);
  EXPECT_FALSE(DadosEntradaKeyPress(o, 7));
  EXPECT_EQ(o.DadosEntrada.le(3, 5), "");
  EXPECT_EQ(o.Celula, "");
  EXPECT_EQ(o.UltimaColuna, 3);
  EXPECT_EQ(o.UltimaLinha, 5);
  EXPECT_TRUE(DadosEntradaKeyPress(o, 13));
  EXPECT_FALSE(DadosEntradaKeyPress(o, U'a'));
}

}  // namespace
}  // namespace zivu
