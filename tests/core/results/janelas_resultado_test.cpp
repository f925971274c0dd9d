// The results windows' own rules: show handlers of the simple window, print
// titles of the quartile window, and which window "Calcular" brings forward.
// The run report of both methods against golden pages, what it says once
// "Adaptar" was applied, its list of negative areas cut short, and the name a
// dialog's choice becomes. The back-test: the worked example's figures, block
// totals taken from the areas, the refused test columns and years, and its
// tables' export.
#include "core/engine/calculo.h"
#include "core/engine/escolha_ano.h"
#include "core/results/avaliacao_tabelas.h"
#include "core/results/janelas_resultado.h"
#include "core/results/relatorio.h"

#include <gtest/gtest.h>

#include "core/engine/avaliacao.h"
#include "core/engine/simples_auxiliar.h"
#include "core/engine/simples_calculo.h"
#include "core/files/ano_arquivos.h"
#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

TEST(JanelasResultado, SimpleWindowFollowsIntermediateYearsAndItsPagesSetTheMenus) {
  AmbienteSimples a;
  a.s().Ano_Projetado_habilitado = a.s().Unir_resultados_habilitado = true;
  SimplesShow(a.sis);
  EXPECT_FALSE(a.s().Ano_Projetado_habilitado);
  EXPECT_FALSE(a.s().Unir_resultados_habilitado);
  a.o().cfg.Anos_intermediarios = true;
  SimplesShow(a.sis);
  EXPECT_TRUE(a.s().Ano_Projetado_habilitado);
  EXPECT_TRUE(a.s().Unir_resultados_habilitado);

  // Both pages set the same menu items; only the results page says so.
  for (const auto mostra : {ResultadosShow, VariaveisShow}) {
    a.sis.princ.menus.fill(mostra == ResultadosShow);
    a.plat.situacoes.clear();
    mostra(a.sis);
    const std::string situacao = "Apresenta o resultado da projeção dos dados de entrada";
    EXPECT_EQ(a.plat.situacoes, std::vector<std::string>(mostra == ResultadosShow, situacao));
    for (int i = 0; i < kItensMenu; ++i)
      EXPECT_EQ(a.sis.princ.menus[i], i == Exportar1 || i == Copiar1 || i == Imprimir1) << i;
  }
}

TEST(JanelasResultado, QuartilePrintTitles) {
  AmbienteSimples a;
  Quartis& q = a.sis.quartis;
  EXPECT_EQ(Titulo_ImpTab(q), " - Registros para quartil - ordem: original");
  q.tabela_partida = TabelaPartida::OrdemPop;
  EXPECT_EQ(Titulo_ImpTab(q), " - Registros para quartil - ordem: populacao");
  q.tabela_partida = TabelaPartida::OrdemTax;
  EXPECT_EQ(Titulo_ImpTab(q), " - Registros para quartil - ordem: taxa");
  q.Sel_Area.hint = "Área 2 - Norte";
  a.o().cfg.Div_habitantes = "500";
  EXPECT_EQ(Titulo_ImpEstat(q), " - Tabela de estatísticas - Área 2 - Norte");
  EXPECT_EQ(Titulo_ImpDesc(q), " - Descrição dos registros (quartil) - Área 2 - Norte");
  EXPECT_EQ(Titulo_ImpExc(a.sis), " - Registros que possuem a partir de 500 - Área 2 - Norte");
}

class CalcularJanela : public ::testing::Test {
 protected:
  AmbienteSimples a;
  void SetUp() override {
    a.exemplo();
    a.o().cfg.Existe_cd_menor = true;
    a.o().ListaObs();
    ASSERT_TRUE(a.o().tela.Processa_habilitado);
  }
};

TEST_F(CalcularJanela, ARunBringsItsMethodsWindowForward) {
  EXPECT_EQ(CalcularClick(a.sis), JanelaResultado::Simples);
  EXPECT_TRUE(a.sis.princ.situacao.starts_with("Calculado, levando "));
  EXPECT_FALSE(a.saida().le(2, 3).empty());

  // Refused quartile parameters still end the run and bring the window.
  a.o().MetodoQuartisClick(true);
  a.o().cfg.Div_habitantes.assign(1, '0');
  EXPECT_EQ(CalcularClick(a.sis), JanelaResultado::Quartis);
  ASSERT_FALSE(a.plat.mensagens.empty());
  EXPECT_EQ(a.plat.mensagens.back().titulo, "Alerta");
}

TEST_F(CalcularJanela, AStoppedCheckOrFolderBringsNothingAndKeepsTheStatus) {
  a.sis.status("antes");
  a.o().cfg.AnoProj = "";
  EXPECT_EQ(CalcularClick(a.sis), JanelaResultado::Nenhuma);
  EXPECT_EQ(a.plat.mensagens.back().texto,
            "Informe o ano final.\r\rAcesse a guia Configuração e/ou a opção SIGMA.");
  EXPECT_EQ(a.sis.princ.situacao, "antes");

  // An earlier run's text is no proof of this run.
  a.o().cfg.AnoProj = "2005";
  ASSERT_EQ(CalcularClick(a.sis), JanelaResultado::Simples);
  const std::string calculado = a.sis.princ.situacao;
  escreve_tudo(a.pasta / "arquivo", "x");
  a.sis.princ.PastaTemp = a.pasta / "arquivo";
  EXPECT_EQ(CalcularClick(a.sis), JanelaResultado::Nenhuma);
  EXPECT_EQ(a.plat.mensagens.back().titulo, "Erro!");
  EXPECT_EQ(a.sis.princ.situacao, calculado);
}

// Years 2001 to 2005 in blocks; 2001 needs an adjustment.
class ComandoDeResultados : public ::testing::Test {
 protected:
  AmbienteSimples a;
  std::string primeira_2005;
  void SetUp() override {
    ASSERT_TRUE(Importa_Arquivo(a.sis, std::string(ZIVU_EXEMPLOS) + "/anos_intermediarios.csv"));
    ASSERT_EQ(CalcularClick(a.sis), JanelaResultado::Simples);
    primeira_2005 = le_tudo(a.temp("SR2005.CSV"));
    ASSERT_FALSE(primeira_2005.empty());
  }
  bool aceita(int i) {
    return comando_de_resultados(a.sis, false, [this, i] {
      a.s().Esc_Ano_Projetado_indice = i;
      return Aceitar_anoClick(a.sis);
    });
  }
};

TEST_F(ComandoDeResultados, AShownYearLeavesTheMarkedTotalsToTheNextRun) {
  const std::vector<int64_t> marcados = a.o().TotaisSecundarios;
  ASSERT_TRUE(aceita(0));
  EXPECT_EQ(a.s().Ano_Projetado_hint, "2001");
  EXPECT_TRUE(a.s().Adaptar);
  EXPECT_EQ(a.o().TotaisSecundarios, marcados);
  ASSERT_TRUE(comando_de_resultados(a.sis, false, [this] { return AdaptarClick(a.sis); }));
  EXPECT_EQ(a.o().TotaisSecundarios, marcados);
  const std::string adaptado = le_tudo(a.temp("SR2001.CSV"));

  // The same adjustment as with the year's totals loaded by hand.
  AmbienteSimples b;
  ASSERT_TRUE(Importa_Arquivo(b.sis, std::string(ZIVU_EXEMPLOS) + "/anos_intermediarios.csv"));
  ASSERT_TRUE(Calcular(b.sis));
  b.s().Esc_Ano_Projetado_indice = 0;
  ASSERT_TRUE(Aceitar_anoClick(b.sis));
  ASSERT_TRUE(AdaptarClick(b.sis));
  EXPECT_EQ(adaptado, le_tudo(b.temp("SR2001.CSV")));
  EXPECT_NE(b.o().TotaisSecundarios, marcados);

  // A new run projects the target year with its own totals again.
  ASSERT_EQ(CalcularClick(a.sis), JanelaResultado::Simples);
  EXPECT_EQ(le_tudo(a.temp("SR2005.CSV")), primeira_2005);
}

TEST_F(ComandoDeResultados, AFailedCommandStillPutsTheTotalsBack) {
  const std::vector<int64_t> marcados = a.o().TotaisSecundarios;
  ASSERT_TRUE(aceita(1));
  EXPECT_FALSE(comando_de_resultados(a.sis, false, [this] {
    a.o().TotaisSecundarios.assign(3, 7);
    return false;
  }));
  EXPECT_EQ(a.o().TotaisSecundarios, marcados);
  // A totals cell of the shown year that does not convert stops the command.
  ASSERT_EQ(a.o().Grade_totais.cel(3, 0), "2002");
  for (int r = 1; r < a.o().Grade_totais.linhas(); ++r) a.o().Grade_totais.cel(3, r) = "x";
  bool rodou = false;
  EXPECT_FALSE(comando_de_resultados(a.sis, false, [&rodou] { return rodou = true; }));
  EXPECT_FALSE(rodou);
  EXPECT_EQ(a.plat.mensagens.back().texto, "'x' não é um valor inteiro válido.");
  EXPECT_EQ(a.o().TotaisSecundarios, marcados);
}

struct AmbienteRelatorio {
  PlataformaTeste plat;
  Sistema sis{plat};
  PastaTemporaria pasta;
  AmbienteRelatorio(const std::string& planilha, bool quartis) {
    sis.princ.PastaTemp = pasta.caminho();
    EXPECT_TRUE(Importa_Arquivo(sis, dados(planilha)));
    sis.origem.MetodoQuartisClick(quartis);
    EXPECT_TRUE(Calcular(sis));
    // The golden pages hold no machine's path.
    sis.princ.ArquivoPlanilha = planilha;
  }
};

// blocos.csv: block 1 with a negative area, block 2 one short of its total,
// block 3 exact; its back-test; a chart whose title needs escaping.
TEST(Relatorio, SimpleRunWithBackTestAndACallersChart) {
  definir_separador_decimal(',');
  AmbienteRelatorio a("avaliacao/blocos.csv", false);
  ASSERT_TRUE(AvaliarClick(a.sis, "E", "2005"));
  const GraficoRelatorio grafico{"Evolução <A & B>",
                                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg width=\"4\" height=\"4\"></svg>"};
  EXPECT_EQ(Relatorio_HTML(a.sis, false, {grafico}), le_tudo(dados("avaliacao/relatorio_simples.html")));

  ASSERT_TRUE(AdaptarClick(a.sis));
  const std::string depois = *Relatorio_HTML(a.sis, false);
  EXPECT_NE(depois.find("<td>somou 1 à área Eira 22 (linha 8)</td>"), std::string::npos);
  EXPECT_EQ(depois.find("somará"), std::string::npos);
}

TEST(Relatorio, QuartileRun) {
  definir_separador_decimal('.');
  AmbienteRelatorio a("quartis_geral.csv", true);
  EXPECT_EQ(Relatorio_HTML(a.sis, true), le_tudo(dados("avaliacao/relatorio_quartis.html")));
}

// negativas.csv: 105 of its areas decline to a negative projection.
TEST(Relatorio, NamesTheFirstHundredNegativeAreasAndCountsThem) {
  AmbienteRelatorio a("avaliacao/negativas.csv", false);
  const std::string h = *Relatorio_HTML(a.sis, false);
  const size_t inicio = h.find("<h2>Áreas com projeção negativa</h2>");
  const std::string secao = h.substr(inicio, h.find("<h2>", inicio + 1) - inicio);
  EXPECT_NE(secao.find("<p>105 áreas têm projeção negativa; estas são as 100 primeiras.</p>"), std::string::npos);
  EXPECT_NE(secao.find(">Vila 100<"), std::string::npos);
  EXPECT_EQ(secao.find(">Vila 101<"), std::string::npos);
}

TEST(ArquivoRelatorio, TheFilterChoosesTheFormatAndCompletesTheName) {
  constexpr auto H = FormatoRelatorio::HTML, P = FormatoRelatorio::PDF;
  const struct {
    int filtro;
    const char* nome;
    const char* caminho;
    FormatoRelatorio formato;
  } casos[] = {{1, "r", "r.html", H}, {1, "r.HTM", "r.HTM", H}, {1, "r.pdf", "r.pdf.html", H},
               {2, "r", "r.pdf", P},  {2, "r.Pdf", "r.Pdf", P}, {2, "r.html", "r.html.pdf", P}};
  PlataformaTeste plat;
  Sistema sis{plat};
  for (const auto& c : casos) {
    plat.escolhas.push_back(EscolhaArquivo{c.nome, c.filtro});
    const auto a = escolhe_arquivo_relatorio(sis);
    ASSERT_TRUE(a) << c.nome;
    EXPECT_EQ(a->caminho, c.caminho);
    EXPECT_EQ(a->formato, c.formato) << c.nome;
  }
  EXPECT_FALSE(escolhe_arquivo_relatorio(sis));
}

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
