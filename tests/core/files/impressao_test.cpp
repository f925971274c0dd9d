// Printed pages of a grid.
#include <gtest/gtest.h>

#include "core/files/impressao.h"
#include "core/text/textos.h"
#include "core/worksheet/sistema.h"
#include "dourado.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class Impressao : public teste::TesteSistema {
 protected:
  Grade& g = sis.origem.DadosEntrada;

  void preenche(int linhas) {
    for (int r = 1; r <= linhas; ++r) g.escreve(1, r, "L" + std::to_string(r));
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

// 85 rows on pages of 40: three pages with the footer in the same place.
TEST_F(Impressao, OitentaECincoLinhasEmTresPaginasComRodapeNoMesmoLugar) {
  preenche(85);
  std::string texto;
  for (const Pagina& p : Imprime_Tabela(sis, g, "01/02/2026", " - Dados de Entrada"))
    for (const std::string& l : p) texto += l + "\n";
  teste::espera_dourado("impressao_85_linhas.txt", texto);
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
  EXPECT_EQ(plat.retira_mensagens(), "! Erro!|'4x' não é um valor inteiro válido.\n");
}

// Paper narrower than the grid: bands of whole columns, a long title running
// over its empty neighbours, nothing lost, pages numbered down then over.
TEST_F(Impressao, ColunasQueNaoCabemContinuamEmFaixas) {
  const std::string titulo = "Título longo da tabela toda";
  g.escreve(1, 1, titulo);
  const std::vector<std::vector<std::string>> linhas = {{"Norte", "123456789", "987654321"}, {"Sul", "1", "2"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) g.escreve(c + 1, r + 2, linhas[r][c]);
  // The title does not widen A: its whole row is empty after it.
  EXPECT_EQ(Faixas_Tabela(g, 200).front().cabecalho, "  A     B         C");
  for (int largura : {200, 24, 12, 6}) {
    const auto faixas = Faixas_Tabela(g, largura);
    EXPECT_EQ(faixas.size() == 1, largura == 200) << largura;
    std::vector<std::string> juntas(3);
    for (const LinhasTabela& f : faixas) {
      ASSERT_EQ(f.dados.size(), 3u);
      for (size_t r = 0; r < 3; ++r) {
        EXPECT_LE(comprimento(f.dados[r]), std::max(largura, 3)) << f.dados[r];
        EXPECT_EQ(f.dados[r].substr(0, 2), std::to_string(r + 1) + " ");
        juntas[r] += f.dados[r].substr(2);
      }
    }
    auto sem_espacos = [](std::string t) { return std::erase(t, ' '), t; };
    EXPECT_EQ(sem_espacos(juntas[0]), sem_espacos(titulo)) << largura;
    EXPECT_EQ(sem_espacos(juntas[1]), "Norte123456789987654321") << largura;
    EXPECT_EQ(sem_espacos(juntas[2]), "Sul12") << largura;
    const auto paginas = Imprime_Tabela(sis, g, "d", "", largura);
    ASSERT_EQ(paginas.size(), faixas.size());
    EXPECT_EQ(paginas.back().back(), "Página " + std::to_string(faixas.size()));
    EXPECT_EQ(paginas.back()[3], faixas.back().dados[0]);
  }
}

}  // namespace
}  // namespace zivu
