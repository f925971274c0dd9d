// Defaults, entry rules, red marks and the standard marking; the totals
// sheet, the coordinates page and the block-total panel.
#include <gtest/gtest.h>

#include "core/menus.h"
#include "core/worksheet/sistema.h"
#include "core/text/textos.h"
#include "dourado.h"
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
}

class TotaisCoordenadas : public teste::TesteSistema {
 protected:

  void anos(const char* t0, const char* t1) {
    o.DadosEntrada.cel(3, 2) = t0;
    o.DadosEntrada.cel(4, 2) = t1;
    o.Ano(3, 2);
    o.Ano(4, 2);
  }
};

// The totals sheet after each step, in one golden file:
// - intermediate years 2001..2004 after the target 2005, rows P, S1, S2;
// - typed values survive a refresh, only column 1 follows the totals;
// - a secondary line without a total leaves no hole;
// - a total of a secondary line the emptying removed is no row;
// - without intermediate years, or with an absurd target year (which must
//   not exhaust the memory), three columns and no editing;
// - an invalid year of the last survey gives its message.
TEST_F(TotaisCoordenadas, GradeDeTotais) {
  std::string t;
  auto passo = [&](const std::string& nome) {
    t += teste::texto_grade(nome, o.Grade_totais) + "editavel " + std::to_string(o.tela.Grade_totais_editavel) + "\n" +
         plat.retira_mensagens();
  };
  o.Outros_totaisClick();
  passo("sem anos");
  anos("1991", "dois mil");
  o.Outros_totaisClick();
  passo("ano invalido");
  anos("1991", "2000");
  o.cfg.AnoProj = "2005";
  o.Principal(2, 3, 4, 3);
  o.TotalPrincipal = 180000;
  o.SubDivisao(2, 5, 4, 5);
  o.TotaisSecundarios[0] = 90000;
  o.SubDivisao(2, 9, 4, 9);
  o.TotaisSecundarios[1] = 90000;
  o.Outros_totaisClick();
  passo("intermediarios");
  o.Grade_totais.cel(3, 1) = "170000";
  o.TotalPrincipal = 181000;
  o.Outros_totaisClick();
  passo("valor digitado");
  o.TotaisSecundarios[0] = 0;
  o.Desmarcando(2, 3);
  o.cfg.AnoProj = "2002";
  o.Outros_totaisClick();
  passo("secundaria sem total");
  o.EsvaziaPlanilhas();
  anos("1991", "2000");
  o.Principal(2, 3, 4, 3);
  o.TotalPrincipal = 1000;
  o.Outros_totaisClick();
  passo("secundaria apagada");
  for (const char* ano : {"2001", "999999999", "abc"}) {
    o.cfg.AnoProj = ano;
    o.Outros_totaisClick();
    passo(ano);
  }
  teste::espera_dourado("grade_totais.txt", t);
}

// The coordinates page and the total panel after each step, in one golden
// file: a year cell, then an area with corners in any order, and its
// removal; rows out of bounds show "Erro" and take the focus, an empty row is
// a conversion failure; the second secondary line's total accepted (none
// without a selection); the panel by the button only on a line, "1.234.567"
// accepted, an empty text keeps it open; a panel naming a removed line
// writes nothing.
TEST_F(TotaisCoordenadas, PaginaDeCoordenadasEPainel) {
  std::string t;
  auto passo = [&](const std::string& nome) {
    const auto& c = o.coord;
    const auto& p = sis.princ.tela_totais;
    t += "=== " + nome + "\n" + c.X0 + " " + c.Y0 + " " + c.X1 + " " + c.Y1 + " x1 " +
         std::to_string(c.X1_habilitado) + " total " + std::to_string(c.Coord_Total_habilitado) + " foco " +
         std::to_string(static_cast<int>(c.foco)) + " areas";
    for (const std::string& a : c.Areas) t += " " + a;
    t += "\ndados " + std::to_string(o.AreasDados[0].X0) + "," + std::to_string(o.AreasDados[0].Y0) + " totais";
    for (int64_t v : o.TotaisSecundarios) t += " " + std::to_string(v);
    t += " principal " + std::to_string(o.TotalPrincipal) + " painel " + std::to_string(p.visivel) + " " +
         p.Janela_Total + " " + p.Tot_Coord + "\n" + plat.retira_mensagens();
  };
  o.coord.Secoes = 0;
  o.SecoesClick();
  o.coord.X0 = "C";
  o.coord.Y0 = "2";
  o.AdicionaClick();
  passo("ano");
  o.coord.Secoes = 3;
  o.SecoesClick();
  o.coord.X0 = "F";
  o.coord.Y0 = "9";
  o.coord.X1 = "B";
  o.coord.Y1 = "6";
  o.AdicionaClick();
  passo("area");
  o.DiminuiClick();
  passo("removida");
  for (const auto& [y0, y1] : {std::pair{"10001", "5"}, {"5", "0"}, {"", "5"}}) {
    o.coord.X0 = "B";
    o.coord.Y0 = y0;
    o.coord.X1 = "C";
    o.coord.Y1 = y1;
    o.AdicionaClick();
    passo(std::string("linhas ") + y0 + " " + y1);
  }
  o.SubDivisao(2, 5, 4, 5);
  o.SubDivisao(2, 9, 4, 9);
  o.coord.Secoes = 2;
  o.SecoesClick();
  o.coord.Areas_selecionado = 1;
  o.AreasClick();
  o.coord.Coord_Total = "5000";
  o.Aceitar_TotalClick();
  passo("total da segunda");
  o.coord.Areas_selecionado = -1;
  o.coord.Coord_Total = "7";
  o.Aceitar_TotalClick();
  passo("sem selecao");
  o.Cancelar_TotalClick();
  o.vai_para(10, 10);
  o.TotaisClick();
  passo("botao fora de linha");
  o.TotaisSecundarios[0] = 321;
  o.vai_para(3, 5);
  o.TotaisClick();
  passo("botao na primeira");
  sis.princ.tela_totais.Janela_Total = "1.234.567";
  o.OK_TotalClick();
  passo("aceito");
  o.Principal(2, 3, 4, 3);
  sis.princ.tela_totais.Janela_Total = "";
  o.OK_TotalClick();
  passo("vazio");
  o.Cancelar_TotalClick();
  o.vai_para(3, 9);
  o.TotaisClick();
  o.Desmarcando(2, 9);
  sis.princ.tela_totais.Janela_Total = "10";
  o.OK_TotalClick();  // the panel still names the removed second line
  passo("linha removida");
  teste::espera_dourado("coordenadas_painel.txt", t);
}

}  // namespace
}  // namespace zivu
