// Marking, refusing and removing regions; the checklist; emptying, a new
// sheet and cell editing. The worksheet after each step is kept in one golden
// file (marks, totals, checklist, the total panel and the cursor). Copying a
// selection as text and pasting text into the sheet.
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
