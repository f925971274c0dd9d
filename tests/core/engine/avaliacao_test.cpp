// Back-test: the worked example's figures, block totals taken from the areas,
// the refused test columns and years, and its tables' export.
#include "core/engine/avaliacao.h"

#include <gtest/gtest.h>

#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor.h"
#include "core/results/avaliacao_tabelas.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

struct AmbienteAvaliacao {
  PlataformaTeste plat;
  Sistema sis{plat};
  explicit AmbienteAvaliacao(const std::string& planilha) {
    definir_separador_decimal('.');
    EXPECT_TRUE(Importa_Arquivo(sis, dados("avaliacao/" + planilha)));
    EXPECT_TRUE(ProcessaClick(sis));
  }
  const Avaliacao& avalia(const char* coluna, const char* ano) {
    EXPECT_TRUE(AvaliarClick(sis, coluna, ano));
    return *sis.simples.avaliacao;
  }
};

std::vector<std::string> textos(const ResumoErros& r) {
  std::vector<std::string> v{std::to_string(r.areas)};
  for (double x : {r.MAPE, r.MedAPE, r.MALPE, r.WAPE, r.EPA10}) v.push_back(texto_medida(x));
  return v;
}

// exemplo.csv surveys September 1990 and 2000 and observes September 2005 in
// column D, so h = 60 / 120 = 0.5; the line observes PX = 1392.
//
//          p0   p1    O     DoDo   Parcela  Linear   Exponencial
// Aldeia  100  121  150    137     137.61   137.01   141.08
// Barra   400  400  360    400     454.90   416.77   423.97
// Campo   400  484  600    547     550.43   548.05   564.30
// Dores     0   75  100    131      85.29   117.22    79.49
// Vila    100  144  n/d    177     163.76   172.96   183.16   (sem observação)
//
// DoDo: Ai = (p1 - p0) / (1224 - 1000), P = Ai * 1392 + Bi = p0 + 1.75 (p1 - p0),
//   rounded: 136.75 -> 137, 131.25 -> 131. PE: -26/3, 100/9, -53/6, 31.
//   MAPE = (26/3 + 100/9 + 53/6 + 31) / 4 = 1073/72 = 14.90; MedAPE = (53/6 + 100/9) / 2 = 359/36
//   = 9.97; MALPE = 443/72 = 6.15; WAPE = 100 (13 + 40 + 53 + 31) / 1210 = 11.32; EPA>10% = 2/4.
// Parcela constante: p1 * 1392 / 1224 = p1 * 58/51; PE -8.26, 26.36, -8.26, -14.71.
// Tendência linear: p1 + (p1 - p0) / 2 = 131.5, 400, 526, 112.5, 166 (sum 1336), times 1392/1336.
// Tendência exponencial: p1 * sqrt(p1 / p0) = 133.1, 400, 532.4, 172.8 and, with p0 = 0, p1 = 75
//   (sum 1313.3), times 1392/1313.3.
TEST(Avaliacao, WorkedExample) {
  AmbienteAvaliacao e("exemplo.csv");
  const Avaliacao& a = e.avalia("d", "2005");
  EXPECT_EQ(a.h, 0.5);
  EXPECT_EQ(a.PX, std::vector<double>{1392});
  EXPECT_EQ(a.sem_observacao, 1);
  using T = std::vector<std::string>;
  EXPECT_EQ(textos(a.resumo[0]), (T{"4", "14.90", "9.97", "6.15", "11.32", "50.00"}));
  EXPECT_EQ(textos(a.resumo[1]), (T{"4", "14.40", "11.48", "-1.22", "14.18", "50.00"}));
  EXPECT_EQ(textos(a.resumo[2]), (T{"4", "12.58", "12.21", "3.92", "11.48", "50.00"}));
  EXPECT_EQ(textos(a.resumo[3]), (T{"4", "12.54", "11.86", "-3.66", "10.67", "50.00"}));
  // Size classes: p1 of the observed areas 75, 121, 400, 484; Q1 = 75 + 0.75 * 46 = 109.5,
  // Q2 = (121 + 400) / 2 = 260.5, Q3 = 400 + 0.25 * 84 = 421: one area in each.
  EXPECT_EQ(a.limites_classes, (std::array<double, 3>{109.5, 260.5, 421}));
  std::vector<int> classes;
  for (const AreaAvaliada& x : a.areas) classes.push_back(x.classe);
  EXPECT_EQ(classes, (std::vector<int>{2, 3, 4, 1, 0}));
  // The areas by APE for the DoDo, largest first: Dores, Barra, Campo, Aldeia.
  EXPECT_EQ(areas_por_ape(a, MetodoAvaliacao::DoDo), (std::vector<size_t>{3, 1, 2, 0}));
}

// blocos.csv: three blocks observed in column E in 2005.
TEST(Avaliacao, BlockTargetsComeFromTheLineOrFromTheObservedAreas) {
  AmbienteAvaliacao e("blocos.csv");
  const Avaliacao& a = e.avalia("E", "2005");
  // Block 1's line is empty: 40 + 620 (Campo has none); block 2's line says
  // 365; block 3 observes only 0 and nothing, so its target is 0.
  EXPECT_EQ(a.PX, (std::vector<double>{660, 365, 0}));
  EXPECT_EQ(a.sem_observacao, 3);
  // Block 2, DoDo: P = p0 + 1.3 (p1 - p0) = 113, 126, 126 against 108, 126, 124:
  // APE 500/108, 0, 200/124; an odd count's median is the middle one.
  EXPECT_EQ(texto_medida(a.blocos[1].resumo[0].MedAPE), "1.61");
  EXPECT_EQ(texto_medida(a.blocos[1].resumo[0].MAPE), "2.08");
  // Block 3: every yardstick is controlled to 0, nothing is evaluated.
  for (int m = 0; m < kMetodosAvaliacao; ++m) {
    EXPECT_EQ(a.blocos[2].resumo[m].areas, 0);
    EXPECT_EQ(a.areas.back().projecao[m], 0.0);
  }
}

TEST(Avaliacao, RefusedColumnsAndYears) {
  AmbienteAvaliacao e("exemplo.csv");
  const struct {
    const char *coluna, *ano, *mensagem;
  } casos[] = {
      {"DD", "2005", "Coluna de teste inválida: 'DD'.\nInforme a letra de uma coluna da planilha, de A a Z."},
      {"C", "2005",
       "A coluna de teste C é a de uma das pesquisas.\nInforme a coluna que traz a população da pesquisa posterior."},
      {"E", "2005", "A coluna de teste E não tem nenhum número nas áreas de dados."},
      {"D", "2005a",
       "Ano de teste inválido: '2005a'.\nInforme um ano posterior ao da segunda pesquisa (2000)."},
      {"D", "2000", "O ano de teste deve ser posterior ao da segunda pesquisa (2000)."},
  };
  for (const auto& c : casos) {
    e.plat.mensagens.clear();
    EXPECT_FALSE(AvaliarClick(e.sis, c.coluna, c.ano)) << c.coluna << " " << c.ano;
    EXPECT_EQ(e.plat.retira_mensagens(), "! Impossível continuar.|" + std::string(c.mensagem) + "\n");
  }
  EXPECT_FALSE(e.sis.simples.avaliacao);
}

TEST(Avaliacao, TheTablesAreWrittenOnlyWhenABackTestIsKept) {
  AmbienteAvaliacao e("exemplo.csv");
  definir_separador_decimal(',');
  PastaTemporaria pasta;
  e.plat.escolhas.push_back(EscolhaArquivo{pasta / "ex", 1});
  EXPECT_FALSE(Exportar_Avaliacao(e.sis, TabelaAvaliacao::Grupos));
  EXPECT_TRUE(e.plat.dialogos.empty());
  e.avalia("D", "2005");
  EXPECT_TRUE(Exportar_Avaliacao(e.sis, TabelaAvaliacao::Grupos));
  EXPECT_EQ(le_tudo(pasta / "ex.CSV"), le_tudo(dados("avaliacao/exemplo_grupos.CSV")));
  EXPECT_FALSE(Exportar_Avaliacao(e.sis, TabelaAvaliacao::Grupos));
}

}  // namespace
}  // namespace zivu::teste
