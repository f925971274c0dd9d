// Defaults, entry rules, red marks and the standard marking.
#include <gtest/gtest.h>

#include "core/menus.h"
#include "core/worksheet/sistema.h"
#include "core/text/textos.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class Configuracoes : public teste::TesteSistema {
 protected:

  void linha(int r, std::initializer_list<const char*> textos, int c0 = 1) {
    int c = c0;
    for (const char* t : textos) o.DadosEntrada.cel(c++, r) = t;
  }
};

TEST_F(Configuracoes, MarcasVermelhasSeguemOsCampos) {
  for (const char* t : {"0", "10001", "-5", "abc"}) {
    o.LinhaAnoInicialChange(t);
    EXPECT_TRUE(o.tela.X_Anos) << t;
  }
  o.LinhaAnoInicialChange("2");
  EXPECT_FALSE(o.tela.X_Anos);
  EXPECT_TRUE(o.tela.MarcaPadrao_habilitado);

  o.ColunaInicialChange("C");
  EXPECT_TRUE(o.tela.X_Dados);
  o.LinhaInicialChange("3");
  EXPECT_FALSE(o.tela.X_Dados);
  o.LinhaInicialChange("");
  EXPECT_TRUE(o.tela.X_Dados);

  o.Cols_AntClick();
  EXPECT_FALSE(o.tela.X_Titulos);
  EXPECT_FALSE(o.cfg.Nao_Marcar);
  o.Nao_MarcarClick();
  EXPECT_TRUE(o.tela.X_Titulos);

  o.PadroesClick();
  EXPECT_TRUE(o.tela.X_Anos && o.tela.X_Dados && o.tela.X_Titulos);
  EXPECT_FALSE(o.tela.MarcaPadrao_habilitado);
}

TEST_F(Configuracoes, SaidaDeCampoVazioRestauraPadrao) {
  o.cfg.AnoProj = "  ";
  o.cfg.NCasasDec = "";
  o.cfg.LinRel = "";
  o.AnoProjExit();
  o.NCasasDecExit();
  o.LinRelExit();
  EXPECT_EQ(o.cfg.AnoProj, "2026");
  EXPECT_EQ(o.cfg.NCasasDec, "3");
  EXPECT_EQ(o.cfg.LinRel, "40");
}

TEST_F(Configuracoes, AnosIntermediariosLigamTotaisEBotoesDosResultados) {
  o.define_Anos_intermediarios(true);
  EXPECT_TRUE(o.tela.Outros_totais_habilitado);
  EXPECT_TRUE(o.tela.Grade_totais_habilitada);
  EXPECT_TRUE(sis.simples.Ano_Projetado_habilitado);
  EXPECT_TRUE(sis.quartis.Unir_resultados_habilitado);
  o.define_Anos_intermediarios(false);
  EXPECT_FALSE(o.tela.Outros_totais_habilitado);
  EXPECT_FALSE(sis.quartis.Ano_Projetado_habilitado);
}

TEST_F(Configuracoes, MarcacaoPadraoDeAnosAceitaSeparadoresEIgnora1900) {
  linha(2, {"Código", "Nome", "1900", "abc"});
  o.LinhaAnoInicialChange("2");
  o.MarcaPadraoClick();
  EXPECT_TRUE(o.CelulasAno[0].vazia());
  linha(2, {"1.991", "2000"}, 4);
  o.MarcaPadraoClick();
  EXPECT_EQ(o.QtdAnos, 2);
  EXPECT_EQ(o.CelulasAno, (std::vector<CelulaAno>{{4, 2}, {5, 2}}));
}

TEST_F(Configuracoes, MarcacaoPadraoDeDadosPrincipalETitulos) {
  for (int r = 3; r <= 40; ++r)
    for (int c = 3; c <= 6; ++c) o.DadosEntrada.cel(c, r) = "1";
  o.LinhaInicialChange("3");
  o.ColunaInicialChange("C");
  o.Col_AntClick();
  o.MarcaPadraoClick();
  EXPECT_EQ(o.LinhaPrincipal, (Regiao{3, 3, 6, 3}));
  EXPECT_EQ(o.AreasDados[0], (Regiao{3, 4, 6, 40}));
  EXPECT_EQ(o.Titulos[0], (Regiao{2, 4, 2, 40}));
  EXPECT_EQ(o.coord.Informativo, "Devem ser informadas duas células, uma para Ano Inicial e outra para Ano Final.");

  o.Cols_AntClick();
  o.MarcaPadraoClick();
  EXPECT_EQ(o.Titulos[0], (Regiao{1, 4, 2, 40}));
}

TEST_F(Configuracoes, MarcacaoPadraoComCelulaInicialVaziaOuNaColunaA) {
  o.LinhaInicialChange("3");
  o.ColunaInicialChange("A");
  o.MarcaPadraoClick();
  EXPECT_TRUE(o.AreasDados[0].vazia());
  EXPECT_TRUE(o.LinhaPrincipal.vazia());
  // Column A has no titles; an empty cell below the start makes the data
  // area begin below its last row.
  o.DadosEntrada.cel(1, 3) = "1";
  o.Cols_AntClick();
  o.MarcaPadraoClick();
  EXPECT_TRUE(o.Titulos[0].vazia());
  EXPECT_EQ(o.AreasDados[0], (Regiao{1, 4, 1, 3}));
}

TEST(Menus, PaginasHabilitamItens) {
  Princ p;
  Habilita_Menus(p, PaginaMenu::Planilha);
  for (bool b : p.menus) EXPECT_TRUE(b);
  Habilita_Menus(p, PaginaMenu::Estatisticas);
  EXPECT_TRUE(p.menus[Exportar1]);
  EXPECT_TRUE(p.menus[Imprimir1]);
  EXPECT_FALSE(p.menus[Copiar1]);
  for (int i = Ano1; i <= Desmarcar1; ++i) EXPECT_FALSE(p.menus[i]);
  Habilita_Menus(p, PaginaMenu::Resultados);
  EXPECT_TRUE(p.menus[Copiar1]);
  EXPECT_FALSE(p.menus[Colar1]);
}

}  // namespace
}  // namespace zivu
