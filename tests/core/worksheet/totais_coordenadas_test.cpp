// The totals sheet, the coordinates page and the block-total panel.
#include <gtest/gtest.h>

#include "core/worksheet/sistema.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class TotaisCoordenadas : public ::testing::Test {
 protected:
  teste::PlataformaTeste plat;
  Sistema sis{plat};
  Origem& o = sis.origem;

  void anos(const char* t0, const char* t1) {
    o.DadosEntrada.cel(3, 2) = t0;
    o.DadosEntrada.cel(4, 2) = t1;
    o.Ano(3, 2);
    o.Ano(4, 2);
  }
  std::vector<std::string> linha_totais(int r) {
    std::vector<std::string> v;
    for (int c = 0; c < o.Grade_totais.colunas(); ++c) v.push_back(o.Grade_totais.cel(c, r));
    return v;
  }
};

TEST_F(TotaisCoordenadas, GradeDeTotaisComAnosIntermediarios) {
  anos("1991", "2000");
  o.cfg.AnoProj = "2005";
  o.Principal(2, 3, 4, 3);
  o.TotalPrincipal = 180000;
  o.SubDivisao(2, 5, 4, 5);
  o.TotaisSecundarios[0] = 90000;
  o.SubDivisao(2, 9, 4, 9);
  o.TotaisSecundarios[1] = 90000;
  o.Outros_totaisClick();
  using V = std::vector<std::string>;
  EXPECT_EQ(linha_totais(0), (V{"Áreas", "2005", "2001", "2002", "2003", "2004"}));
  EXPECT_EQ(linha_totais(1), (V{"P", "180000", "0", "0", "0", "0"}));
  EXPECT_EQ(linha_totais(3), (V{"S2", "90000", "0", "0", "0", "0"}));
  EXPECT_TRUE(o.tela.Grade_totais_editavel);

  // Typed values survive a refresh; only column 1 follows the totals.
  o.Grade_totais.cel(3, 1) = "170000";
  o.TotalPrincipal = 181000;
  o.Outros_totaisClick();
  EXPECT_EQ(linha_totais(1), (V{"P", "181000", "0", "170000", "0", "0"}));
}

TEST_F(TotaisCoordenadas, SecundariaSemTotalNaoDeixaBuraco) {
  anos("1991", "2000");
  o.cfg.AnoProj = "2002";
  o.SubDivisao(2, 5, 4, 5);
  o.SubDivisao(2, 9, 4, 9);
  o.TotaisSecundarios[1] = 500;
  o.Outros_totaisClick();
  EXPECT_EQ(o.Grade_totais.linhas(), 2);
  EXPECT_EQ(o.Grade_totais.cel(0, 1), "S2");
  EXPECT_EQ(o.Grade_totais.cel(1, 1), "500");
}

TEST_F(TotaisCoordenadas, TotalDeUmaSecundariaApagadaPelaLimpezaNaoViraLinha) {
  o.SubDivisao(2, 5, 4, 5);
  o.TotaisSecundarios[0] = 700;
  o.EsvaziaPlanilhas();
  anos("1991", "2000");
  o.cfg.AnoProj = "2002";
  o.Principal(2, 3, 4, 3);
  o.TotalPrincipal = 1000;
  o.Outros_totaisClick();
  EXPECT_EQ(o.Grade_totais.linhas(), 2);
  EXPECT_EQ(linha_totais(1), (std::vector<std::string>{"P", "1000", "0"}));
}

TEST_F(TotaisCoordenadas, AnoInvalidoDaUltimaPesquisaAvisa) {
  o.Outros_totaisClick();
  ASSERT_EQ(plat.mensagens.size(), 1u);
  EXPECT_EQ(plat.mensagens[0].texto, "Ano da última pesquisa é inválido.");
  EXPECT_EQ(plat.mensagens[0].titulo, "Erro!");
  anos("1991", "dois mil");
  o.Outros_totaisClick();
  EXPECT_EQ(plat.mensagens.size(), 2u);
  EXPECT_EQ(o.Grade_totais.colunas(), 3);
}

TEST_F(TotaisCoordenadas, SemAnoIntermediarioOuComAnoAbsurdoTresColunasSemEdicao) {
  anos("1991", "2000");
  o.Principal(2, 3, 4, 3);
  // An absurd year must not exhaust the memory.
  for (const char* ano : {"2001", "999999999", "abc"}) {
    o.cfg.AnoProj = ano;
    o.Outros_totaisClick();
    EXPECT_EQ(o.Grade_totais.colunas(), 3) << ano;
    EXPECT_FALSE(o.tela.Grade_totais_editavel) << ano;
    EXPECT_EQ(o.Grade_totais.cel(2, 0), "") << ano;
  }
  EXPECT_TRUE(plat.mensagens.empty());
}

TEST_F(TotaisCoordenadas, IncluirAnoEAreaPelaPaginaDeCoordenadas) {
  o.coord.Secoes = 0;
  o.SecoesClick();
  EXPECT_FALSE(o.coord.X1_habilitado);
  o.coord.X0 = "C";
  o.coord.Y0 = "2";
  o.AdicionaClick();
  EXPECT_EQ(o.coord.Areas, (std::vector<std::string>{"C2"}));
  EXPECT_EQ(o.coord.X0, "C");
  EXPECT_EQ(o.coord.Y0, "2");

  // Corners in any order.
  o.coord.Secoes = 3;
  o.SecoesClick();
  o.coord.X0 = "F";
  o.coord.Y0 = "9";
  o.coord.X1 = "B";
  o.coord.Y1 = "6";
  o.AdicionaClick();
  EXPECT_EQ(o.coord.Areas, (std::vector<std::string>{"B6..F9"}));
  EXPECT_EQ(o.coord.Y1, "9");
  o.DiminuiClick();
  EXPECT_TRUE(o.coord.Areas.empty());
  EXPECT_TRUE(o.AreasDados[0].vazia());
}

TEST_F(TotaisCoordenadas, LinhaForaDosLimitesMostraErro) {
  o.coord.Secoes = 3;
  o.SecoesClick();
  o.coord.X0 = "B";
  o.coord.Y0 = "10001";
  o.coord.X1 = "C";
  o.coord.Y1 = "5";
  o.AdicionaClick();
  EXPECT_EQ(o.coord.Y0, "Erro");
  EXPECT_EQ(o.coord.foco, CampoCoordenada::Y0);
  o.coord.Y0 = "5";
  o.coord.Y1 = "0";
  o.AdicionaClick();
  EXPECT_EQ(o.coord.Y1, "Erro");
  EXPECT_TRUE(o.AreasDados[0].vazia());
  // An empty row is a conversion failure with its message.
  o.coord.Y0 = "";
  o.AdicionaClick();
  ASSERT_FALSE(plat.mensagens.empty());
  EXPECT_EQ(plat.mensagens.back().texto, "'' não é um valor inteiro válido.");
  EXPECT_EQ(plat.mensagens.back().titulo, "Erro!");
}

TEST_F(TotaisCoordenadas, AceitarTotalDaSegundaSecundaria) {
  o.SubDivisao(2, 5, 4, 5);
  o.SubDivisao(2, 9, 4, 9);
  o.coord.Secoes = 2;
  o.SecoesClick();
  EXPECT_TRUE(o.coord.Coord_Total_habilitado);
  o.coord.Areas_selecionado = 1;
  o.AreasClick();
  EXPECT_EQ(o.coord.X0, "B");
  EXPECT_EQ(o.coord.Y0, "9");
  o.coord.Coord_Total = "5000";
  o.Aceitar_TotalClick();
  EXPECT_EQ(o.TotaisSecundarios, (std::vector<int64_t>{0, 5000}));
  o.coord.Areas_selecionado = -1;
  o.coord.Coord_Total = "7";
  o.Aceitar_TotalClick();
  EXPECT_EQ(o.TotaisSecundarios, (std::vector<int64_t>{0, 5000}));
}

TEST_F(TotaisCoordenadas, PainelDeTotalPeloBotao) {
  o.SubDivisao(2, 5, 4, 5);
  o.Cancelar_TotalClick();
  o.TotaisSecundarios[0] = 321;
  o.vai_para(10, 10);
  o.TotaisClick();
  EXPECT_FALSE(sis.princ.tela_totais.visivel);
  o.vai_para(3, 5);
  o.TotaisClick();
  EXPECT_TRUE(sis.princ.tela_totais.visivel);
  EXPECT_EQ(sis.princ.tela_totais.Janela_Total, "321");
  EXPECT_EQ(sis.princ.tela_totais.Tot_Coord, "C5");
  sis.princ.tela_totais.Janela_Total = "1.234.567";
  o.OK_TotalClick();
  EXPECT_EQ(o.TotaisSecundarios[0], 1234567);
  EXPECT_FALSE(sis.princ.tela_totais.visivel);

  // An empty text keeps the panel open.
  o.Principal(2, 3, 4, 3);
  sis.princ.tela_totais.Janela_Total = "";
  o.OK_TotalClick();
  EXPECT_TRUE(sis.princ.tela_totais.visivel);
  EXPECT_EQ(o.TotalPrincipal, 0);
  EXPECT_EQ(plat.mensagens.back().texto, "'' não é um valor inteiro válido.");
}

TEST_F(TotaisCoordenadas, PainelDeLinhaRemovidaNaoEscreveForaDaLista) {
  o.SubDivisao(2, 5, 4, 5);
  o.SubDivisao(2, 9, 4, 9);
  o.Desmarcando(2, 9);
  sis.princ.tela_totais.Janela_Total = "10";
  o.OK_TotalClick();  // the panel still names the removed second line
  EXPECT_EQ(o.TotaisSecundarios, (std::vector<int64_t>{0}));
}

}  // namespace
}  // namespace zivu
