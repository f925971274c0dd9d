// Marks drawn in cells and keys typed on the sheet.
#include <gtest/gtest.h>

#include "core/worksheet/sistema.h"
#include "core/worksheet/planilha_tela.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class PlanilhaTela : public ::testing::Test {
 protected:
  teste::PlataformaTeste plat;
  Sistema sis{plat};
  Origem& o = sis.origem;
};

TEST_F(PlanilhaTela, CadaTipoNaSuaRegiao) {
  o.Ano(3, 2);
  o.Ano(4, 2);
  o.Principal(2, 3, 5, 3);
  o.SubDivisao(2, 4, 5, 4);
  o.Dados(2, 5, 5, 9);
  o.Fixos(1, 5, 1, 9);
  EXPECT_EQ(marca_da_celula(o, 3, 2), TipoMarca::Ano);
  EXPECT_EQ(marca_da_celula(o, 4, 2), TipoMarca::Ano);
  EXPECT_EQ(marca_da_celula(o, 5, 2), TipoMarca::Nenhuma);
  EXPECT_EQ(marca_da_celula(o, 5, 3), TipoMarca::Principal);
  EXPECT_EQ(marca_da_celula(o, 6, 3), TipoMarca::Nenhuma);
  EXPECT_EQ(marca_da_celula(o, 2, 4), TipoMarca::Secundaria);
  EXPECT_EQ(marca_da_celula(o, 5, 9), TipoMarca::Dados);
  EXPECT_EQ(marca_da_celula(o, 1, 7), TipoMarca::Titulo);
  EXPECT_EQ(marca_da_celula(o, 1, 10), TipoMarca::Nenhuma);
}

TEST_F(PlanilhaTela, RegioesSobrepostasMostramOTipoPosterior) {
  // The standard marking and the reader write the lists without the overlap test.
  o.QtdAnos = 2;
  o.CelulasAno = {{2, 2}, {3, 2}};
  o.LinhaPrincipal = {2, 2, 4, 2};
  o.AreasDados[0] = {2, 2, 4, 6};
  o.Titulos[0] = {4, 2, 4, 6};
  EXPECT_EQ(marca_da_celula(o, 2, 2), TipoMarca::Dados);
  EXPECT_EQ(marca_da_celula(o, 4, 2), TipoMarca::Titulo);
}

TEST_F(PlanilhaTela, UltimaVagaVaziaNaoDesenhaOTipo) {
  o.QtdDados = 2;
  o.AreasDados = {{2, 2, 3, 3}, {}};
  EXPECT_EQ(marca_da_celula(o, 2, 2), TipoMarca::Nenhuma);
  o.QtdAnos = 2;
  o.CelulasAno = {{5, 5}, {}};
  EXPECT_EQ(marca_da_celula(o, 5, 5), TipoMarca::Nenhuma);
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
