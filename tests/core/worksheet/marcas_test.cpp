// Marking, refusing and removing regions; the checklist; emptying, a new
// sheet and cell editing. The worksheet after each step is kept in one golden
// file (marks, totals, checklist, the total panel and the cursor).
#include <gtest/gtest.h>

#include "core/files/auxiliar_arquivos.h"
#include "core/worksheet/sistema.h"
#include "dourado.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

class Marcas : public TesteSistema {
 protected:
  std::string t;

  void passo(const std::string& nome) {
    const auto& p = sis.princ.tela_totais;
    t += "=== " + nome + "\n" + texto_origem(o) + "obs:";
    for (const std::string& l : o.Observacoes) t += " [" + l + "]";
    t += "\nprocessa " + std::to_string(o.tela.Processa_habilitado) + " calcular " +
         std::to_string(sis.princ.Calcular1_habilitado) + " quartis " + std::to_string(o.tela.MetodoQuartis_habilitado) +
         std::to_string(sis.princ.Quartis1_habilitado) + " painel " + std::to_string(p.visivel) + " " +
         p.Janela_Total + " " + p.Tot_Coord + " tipo " + std::to_string(o.TipoTotal) + " indice " +
         std::to_string(o.IndiceTotal) + " cursor " + o.tela.Cruz + " celula " + o.Celula + "\n";
  }
};

TEST_F(Marcas, StepByStep) {
  passo("nova: a lista pede tudo");
  // Years keep two and ignore the third; removing them asks for them again.
  o.Ano(3, 3);
  o.Ano(4, 3);
  o.Ano(5, 3);
  passo("tres anos");
  o.Desmarcando(3, 3);
  passo("sem o primeiro");
  o.Desmarcando(4, 3);
  passo("sem anos");
  // The principal line takes the selection's first row and opens the panel.
  o.vai_para(2, 5);
  o.seleciona(2, 5, 6, 9);
  o.PrincipalClick();
  passo("linha principal");
  // A data area touching the line is refused; one below it is accepted.
  o.Dados(2, 5, 6, 9);
  o.Dados(2, 6, 6, 9);
  passo("dados");
  // A new principal line replaces the old one and keeps its total.
  o.TotalPrincipal = 4800;
  o.Principal(2, 3, 6, 3);
  EXPECT_FALSE(o.Sobrescreve(3, 5, 3, 5));
  o.Ano(3, 2);
  o.Ano(4, 2);
  passo("nova principal, anos: lista completa");
  o.define_DoDo_bloco(true);
  passo("por blocos: pede secundarias");
  o.define_DoDo_geral(true);
  // Removing the middle secondary line keeps the order and the totals.
  for (int r = 11; r <= 13; ++r) {
    o.SubDivisao(1, r, 3, r);
    o.TotaisSecundarios[size_t(r - 11)] = 100 * (r - 10);
  }
  passo("tres secundarias");
  o.Desmarcando(2, 12);
  passo("sem a do meio");
  o.Desmarcando(1, 11);
  o.Desmarcando(1, 13);
  // Corners in any order; a free cell changes nothing; the only area left
  // leaves an empty slot.
  o.Dados(9, 20, 8, 15);
  o.Desmarcando(20, 20);
  o.Desmarcando(3, 7);
  passo("dados em outra ordem");
  o.Desmarcando(9, 20);
  passo("sem dados");
  espera_dourado("marcas_passos.txt", t);
}

TEST_F(Marcas, EmptyingNewSheetAndEditing) {
  o.DadosEntrada.cel(3, 4) = "x";
  sis.simples.DadosSaida.cel(3, 4) = "y";
  o.DadosEntrada.cel(26, 4) = "fora";  // beyond the extent + 3 columns
  o.UltimaColuna = 3;
  o.UltimaLinha = 4;
  o.Dados(2, 4, 4, 10);
  o.TotalPrincipal = 77;
  o.EsvaziaPlanilhas();
  EXPECT_EQ(sis.simples.DadosSaida.cel(3, 4), "");
  EXPECT_EQ(o.DadosEntrada.cel(26, 4), "fora");
  EXPECT_EQ(sis.princ.situacao, "Pronto!");
  EXPECT_FALSE(plat.progresso_visivel);
  EXPECT_EQ(plat.progresso_maximo, 4);
  EXPECT_EQ(sis.simples.Texto_Obs, "Área reservada a observações e informações referentes ao resultado do cálculo.");
  passo("esvaziada: marcas e celulas, o total fica");
  // A position only when the percentage changes.
  o.UltimaColuna = 26;
  o.UltimaLinha = 10000;
  plat.progresso_chamadas = 0;
  o.EsvaziaPlanilhas();
  EXPECT_LE(plat.progresso_chamadas, 101);
  EXPECT_GE(plat.progresso_chamadas, 100);

  // A new sheet turns Adaptar off and goes to A1.
  sis.simples.Adaptar = sis.quartis.Adaptar = true;
  o.tela.legenda_pagina = "DoDo :: x.csv";
  o.vai_para(5, 7);
  o.CriarClick();
  EXPECT_FALSE(sis.simples.Adaptar);
  EXPECT_FALSE(sis.quartis.Adaptar);
  EXPECT_EQ(o.tela.legenda_pagina, "DoDo");
  passo("nova");
  // An edit is accepted and raises the extent; cancelling restores the
  // text; an emptied cell keeps the extent.
  o.vai_para(3, 5);
  o.Celula = "1234";
  o.Edite_OKClick();
  passo("editada");
  o.Celula = "outro";
  o.Edite_KOClick();
  o.Celula = "";
  o.Edite_OKClick();
  passo("desfeita e esvaziada");
  espera_dourado("marcas_esvaziar.txt", t);
}

}  // namespace
}  // namespace zivu::teste
