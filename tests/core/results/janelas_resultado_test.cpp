// The results windows' own rules: show handlers of the simple window, print
// titles of the quartile window, and which window "Calcular" brings forward.
// The run report of both methods against golden pages, what it says once
// "Adaptar" was applied, its list of negative areas cut short, and the name a
// dialog's choice becomes.
#include "core/engine/calculo.h"
#include "core/engine/escolha_ano.h"
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

}  // namespace
}  // namespace zivu::teste
