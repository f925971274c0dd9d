// Marks drawn in cells and keys typed on the sheet; the grid it shows; its
// printed pages.
#include <gtest/gtest.h>

#include "core/files/impressao.h"
#include "core/text/textos.h"
#include "core/worksheet/grade.h"
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

// The grid stores only what was written, but reads as the full sheet does:
// row numbers and letters, written cells, emptied rows, cells kept on resize
// and in a copy.
TEST(Grade, ReadsAsAFullGridWhateverItStores) {
  Grade g("g", 10, 12);
  g.escreve_cabecalhos_planilha();
  g.cel(9, 3) = "nove";
  g.cel(0, 5) = "x";
  Grade copia = g;
  const Grade& lida = copia;
  EXPECT_EQ(lida.cel(0, 3), "3");
  EXPECT_EQ(lida.cel(0, 4), "4");
  EXPECT_EQ(lida.cel(0, 5), "x");
  EXPECT_EQ(lida.cel(0, 0), "");
  EXPECT_EQ(lida.cel(9, 0), "I");
  EXPECT_EQ(lida.cel(9, 3), "nove");
  EXPECT_EQ(lida.cel(8, 3), "");
  EXPECT_EQ(lida.le(10, 3), "");

  g.redimensiona(9, 4);
  g.redimensiona(10, 12);
  EXPECT_EQ(g.le(9, 3), "");
  EXPECT_EQ(g.le(0, 3), "3");
  EXPECT_EQ(g.le(0, 8), "");
  g.limpa();
  EXPECT_EQ(g.le(0, 2), "");
  EXPECT_EQ(g.le(1, 0), "");
  EXPECT_EQ(copia.le(9, 3), "nove");
}

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
