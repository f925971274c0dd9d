// Marking, refusing and removing regions; the checklist.
#include <gtest/gtest.h>

#include "core/worksheet/sistema.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class Marcas : public ::testing::Test {
 protected:
  teste::PlataformaTeste plat;
  Sistema sis{plat};
  Origem& o = sis.origem;
};

TEST_F(Marcas, AnosGuardamDoisEIgnoramOTerceiro) {
  o.Ano(3, 3);
  o.Ano(4, 3);
  o.Ano(5, 3);
  ASSERT_EQ(o.QtdAnos, 2);
  EXPECT_EQ(o.CelulasAno, (std::vector<CelulaAno>{{3, 3}, {4, 3}}));
  o.Desmarcando(3, 3);
  ASSERT_EQ(o.QtdAnos, 1);
  EXPECT_EQ(o.CelulasAno, (std::vector<CelulaAno>{{4, 3}}));
  EXPECT_EQ(o.Observacoes.front(), "Informe o segundo Ano de partida.");
  o.Desmarcando(4, 3);
  EXPECT_EQ(o.QtdAnos, 1);
  EXPECT_TRUE(o.CelulasAno[0].vazia());
  EXPECT_EQ(o.Observacoes[0], "Informe primeiro Ano de partida.");
  EXPECT_EQ(o.Observacoes[1], "Informe o segundo Ano de partida.");
}

TEST_F(Marcas, LinhaPrincipalUsaPrimeiraLinhaDaSelecaoEAbrePainel) {
  o.vai_para(2, 5);
  o.seleciona(2, 5, 6, 9);
  o.PrincipalClick();
  EXPECT_EQ(o.LinhaPrincipal, (Regiao{2, 5, 6, 5}));
  EXPECT_TRUE(sis.princ.tela_totais.visivel);
  EXPECT_EQ(sis.princ.tela_totais.Janela_Total, "0");
  EXPECT_EQ(sis.princ.tela_totais.Tot_Coord, "B5");
  EXPECT_EQ(o.TipoTotal, 0);

  // A data area touching the line is refused; one below it is accepted.
  o.Dados(2, 5, 6, 9);
  EXPECT_TRUE(o.AreasDados[0].vazia());
  o.Dados(2, 6, 6, 9);
  EXPECT_EQ(o.AreasDados[0], (Regiao{2, 6, 6, 9}));
  EXPECT_EQ(o.QtdDados, 1);
}

TEST_F(Marcas, NovaLinhaPrincipalSubstituiAAnteriorEMantemTotal) {
  o.Principal(2, 5, 6, 5);
  o.TotalPrincipal = 4800;
  o.Principal(2, 8, 6, 8);
  EXPECT_EQ(o.LinhaPrincipal, (Regiao{2, 8, 6, 8}));
  EXPECT_EQ(o.TotalPrincipal, 4800);
  EXPECT_FALSE(o.Sobrescreve(3, 5, 3, 5));
}

TEST_F(Marcas, RemoverSecundariaDoMeioMantemOrdemETotais) {
  o.SubDivisao(1, 1, 3, 1);
  o.TotaisSecundarios[0] = 100;
  o.SubDivisao(1, 2, 3, 2);
  o.TotaisSecundarios[1] = 200;
  o.SubDivisao(1, 3, 3, 3);
  o.TotaisSecundarios[2] = 300;
  ASSERT_EQ(o.QtdSecundarias, 3);
  EXPECT_EQ(o.IndiceTotal, 2);
  o.Desmarcando(2, 2);
  ASSERT_EQ(o.QtdSecundarias, 2);
  EXPECT_EQ(o.Secundarias, (std::vector<Regiao>{{1, 1, 3, 1}, {1, 3, 3, 3}}));
  EXPECT_EQ(o.TotaisSecundarios, (std::vector<int64_t>{100, 300}));
  o.Desmarcando(1, 1);
  o.Desmarcando(1, 3);
  EXPECT_EQ(o.QtdSecundarias, 1);
  ASSERT_EQ(o.Secundarias.size(), 1u);
  EXPECT_TRUE(o.Secundarias[0].vazia());
}

TEST_F(Marcas, RemoverUnicaAreaDeDadosDeixaSlotVazio) {
  o.Dados(6, 9, 2, 6);  // corners in any order
  o.Dados(8, 6, 9, 9);
  o.Desmarcando(20, 20);  // a free cell changes nothing
  EXPECT_EQ(o.AreasDados, (std::vector<Regiao>{{2, 6, 6, 9}, {8, 6, 9, 9}}));
  o.Desmarcando(3, 7);
  EXPECT_EQ(o.AreasDados, (std::vector<Regiao>{{8, 6, 9, 9}}));
  o.Desmarcando(9, 9);
  EXPECT_EQ(o.QtdDados, 1);
  EXPECT_TRUE(o.AreasDados[0].vazia());
  EXPECT_EQ(o.Observacoes.back(), "Informe área(s) de dados a calcular.");
}

TEST_F(Marcas, ChecklistHabilitaCalculoQuandoCompleto) {
  EXPECT_EQ(o.Observacoes,
            (std::vector<std::string>{"Informe primeiro Ano de partida.", "Informe o segundo Ano de partida.",
                                      "Informe linha básica de comparação.",
                                      "Informe área(s) de dados a calcular."}));
  EXPECT_FALSE(o.tela.Processa_habilitado);
  EXPECT_FALSE(sis.princ.Calcular1_habilitado);
  o.Ano(3, 2);
  o.Ano(4, 2);
  o.Principal(2, 3, 4, 3);
  o.Dados(2, 4, 4, 10);
  EXPECT_TRUE(o.Observacoes.empty());
  EXPECT_TRUE(o.tela.Processa_habilitado);
  EXPECT_TRUE(o.tela.MetodoQuartis_habilitado);
  EXPECT_TRUE(sis.princ.Calcular1_habilitado);
  EXPECT_TRUE(sis.princ.Quartis1_habilitado);

  o.define_DoDo_bloco(true);
  EXPECT_EQ(o.Observacoes, (std::vector<std::string>{"Informe linha(s) secundári(s) de comparação."}));
  EXPECT_FALSE(sis.princ.Calcular1_habilitado);
  o.define_DoDo_geral(true);
  EXPECT_TRUE(o.Observacoes.empty());
}

TEST_F(Marcas, EsvaziaPlanilhasLimpaCelulasMarcasEGradesDeResultado) {
  o.DadosEntrada.cel(3, 4) = "x";
  sis.simples.DadosSaida.cel(3, 4) = "y";
  o.DadosEntrada.cel(26, 4) = "fora";  // beyond the extent + 3 columns
  o.UltimaColuna = 3;
  o.UltimaLinha = 4;
  o.Dados(2, 4, 4, 10);
  o.TotalPrincipal = 77;
  o.EsvaziaPlanilhas();
  EXPECT_EQ(o.DadosEntrada.cel(3, 4), "");
  EXPECT_EQ(sis.simples.DadosSaida.cel(3, 4), "");
  EXPECT_EQ(o.DadosEntrada.cel(26, 4), "fora");
  EXPECT_TRUE(o.AreasDados[0].vazia());
  EXPECT_EQ(o.TotalPrincipal, 77);
  EXPECT_EQ(o.UltimaColuna, 0);
  EXPECT_EQ(o.UltimaLinha, 0);
  EXPECT_EQ(sis.princ.situacao, "Pronto!");
  EXPECT_FALSE(plat.progresso_visivel);
  EXPECT_EQ(plat.progresso_maximo, 4);
  EXPECT_EQ(sis.simples.Texto_Obs,
            "Área reservada a observações e informações referentes ao resultado do cálculo.");
  EXPECT_EQ(o.Grade_totais.colunas(), 3);
  EXPECT_EQ(o.Grade_totais.linhas(), 2);
  EXPECT_EQ(o.Grade_totais.cel(0, 0), "Áreas");
  // A position only when the percentage changes.
  o.UltimaColuna = 26;
  o.UltimaLinha = 10000;
  plat.progresso_chamadas = 0;
  o.EsvaziaPlanilhas();
  EXPECT_LE(plat.progresso_chamadas, 101);
  EXPECT_GE(plat.progresso_chamadas, 100);
}

TEST_F(Marcas, CriarDeixaPlanilhaNovaEDesligaAdaptar) {
  sis.simples.Adaptar = sis.quartis.Adaptar = true;
  o.tela.legenda_pagina = "DoDo :: x.csv";
  o.vai_para(5, 7);
  o.CriarClick();
  EXPECT_FALSE(sis.simples.Adaptar);
  EXPECT_FALSE(sis.quartis.Adaptar);
  EXPECT_EQ(o.tela.legenda_pagina, "DoDo");
  EXPECT_EQ(o.Col, 1);
  EXPECT_EQ(o.Row, 1);
  EXPECT_EQ(o.tela.Cruz, "A1");
}

TEST_F(Marcas, EdicaoAceitaEElevaExtensao) {
  o.vai_para(3, 5);
  EXPECT_EQ(o.tela.Cruz, "C5");
  o.Celula = "1234";
  o.Edite_OKClick();
  EXPECT_EQ(o.DadosEntrada.cel(3, 5), "1234");
  EXPECT_EQ(o.UltimaColuna, 3);
  EXPECT_EQ(o.UltimaLinha, 5);
  o.Celula = "outro";
  o.Edite_KOClick();
  EXPECT_EQ(o.Celula, "1234");
  o.Celula = "";
  o.Edite_OKClick();
  EXPECT_EQ(o.DadosEntrada.cel(3, 5), "");
  EXPECT_EQ(o.UltimaLinha, 5);
}

}  // namespace
}  // namespace zivu
