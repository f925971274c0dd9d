// Printed pages of a grid.
#include <gtest/gtest.h>

#include "core/files/impressao.h"
#include "core/worksheet/sistema.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class Impressao : public ::testing::Test {
 protected:
  teste::PlataformaTeste plat;
  Sistema sis{plat};
  Grade& g = sis.origem.DadosEntrada;

  void preenche(int linhas) {
    for (int r = 1; r <= linhas; ++r) g.escreve(1, r, "L" + std::to_string(r));
  }
  static void confere_pagina(const Pagina& p, int numero, int dados, int total_linrel) {
    ASSERT_EQ(p.size(), static_cast<size_t>(3 + total_linrel + 2));
    EXPECT_EQ(p[0], "01/02/2026 - Dados de Entrada");
    EXPECT_EQ(p[1], "");
    EXPECT_EQ(p.back(), "Página " + std::to_string(numero));
    EXPECT_EQ(p[p.size() - 2], "");
    for (int i = 0; i < total_linrel; ++i)
      EXPECT_EQ(p[3 + i].empty(), i >= dados) << "linha " << i;
  }
};

TEST_F(Impressao, LinhasAlinhadasComoODat) {
  g.escreve(2, 1, "  ab ");
  g.escreve(3, 1, "x");
  g.escreve(2, 3, "Município");
  const LinhasTabela t = Linhas_Tabela(g);
  // Column 0 holds the row numbers; widths count characters, not bytes.
  EXPECT_EQ(t.cabecalho, "  A B         C");
  ASSERT_EQ(t.dados.size(), 3u);
  EXPECT_EQ(t.dados[0], "1   ab        x");
  EXPECT_EQ(t.dados[1], "2              ");
  EXPECT_EQ(t.dados[2], "3   Município  ");
}

TEST_F(Impressao, UltimaColunaSoContaAsLinhasImpressasEPlanilhaVaziaNaoImprime) {
  g.escreve(3, 4, "   ");
  EXPECT_TRUE(Linhas_Tabela(g).dados.empty());
  sis.origem.cfg.LinRel = "abc";
  EXPECT_TRUE(Imprime_Tabela(sis, g, "01/02/2026", " - Dados de Entrada").empty());
  EXPECT_TRUE(plat.mensagens.empty());
  g.escreve(1, 2, "a");
  g.escreve(4, 2, "  ");
  const LinhasTabela t = Linhas_Tabela(g);
  EXPECT_EQ(t.cabecalho, "  A");
  ASSERT_EQ(t.dados.size(), 2u);
  EXPECT_EQ(t.dados[1], "2 a");
}

TEST_F(Impressao, OitentaECincoLinhasEmTresPaginasComRodapeNoMesmoLugar) {
  preenche(85);
  const auto paginas = Imprime_Tabela(sis, g, "01/02/2026", " - Dados de Entrada");
  ASSERT_EQ(paginas.size(), 3u);
  confere_pagina(paginas[0], 1, 40, 40);
  confere_pagina(paginas[1], 2, 40, 40);
  confere_pagina(paginas[2], 3, 5, 40);
  EXPECT_EQ(paginas[0][2], "   A  ");
  EXPECT_EQ(paginas[1][2], "   A  ");
  EXPECT_EQ(paginas[0][3], "1  L1 ");
  EXPECT_EQ(paginas[1][3], "41 L41");
  EXPECT_EQ(paginas[2][7], "85 L85");

  // A full last page gets no empty page after it.
  for (int r = 81; r <= 85; ++r) g.escreve(1, r, "");
  ASSERT_EQ(Imprime_Tabela(sis, g, "01/02/2026", " - Dados de Entrada").size(), 2u);
}

TEST_F(Impressao, LinhasDeRelatorioDaConfiguracao) {
  preenche(5);
  sis.origem.cfg.LinRel = "2";
  auto paginas = Imprime_Tabela(sis, g, "d", " - Resultado");
  ASSERT_EQ(paginas.size(), 3u);
  EXPECT_EQ(paginas[0][0], "d - Resultado");
  EXPECT_EQ(paginas[2], (Pagina{"d - Resultado", "", "  A ", "5 L5", "", "", "Página 3"}));

  // Zero lines per page would divide by zero: everything goes on one page.
  sis.origem.cfg.LinRel = "0";
  paginas = Imprime_Tabela(sis, g, "d", "");
  ASSERT_EQ(paginas.size(), 1u);
  EXPECT_EQ(paginas[0].size(), 3u + 5u + 2u);

  sis.origem.cfg.LinRel = "4x";
  EXPECT_TRUE(Imprime_Tabela(sis, g, "d", "").empty());
  ASSERT_EQ(plat.mensagens.size(), 1u);
  EXPECT_EQ(plat.mensagens[0].texto, "'4x' não é um valor inteiro válido.");
  EXPECT_EQ(plat.mensagens[0].titulo, "Erro!");
}

}  // namespace
}  // namespace zivu
