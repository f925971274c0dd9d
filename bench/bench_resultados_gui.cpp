// The results windows driven offscreen on generated worksheets of about
// 10000 small areas: "Calcular" from the click to the method's window shown
// (simple and quartile, one projected year), loading another projected year
// with the year chooser, and the peak memory after a quartile run of 30
// projected years; "Avaliar…" with its page; the run report of both methods
// as a page and a PDF.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QTabWidget>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "bench/planilha_gerada.h"
#include "bench/principal_gui.h"
#include "core/engine/avaliacao.h"
#include "core/files/arquivos.h"
#include "gui/app/aplicacao.h"
#include "gui/app/princ.h"
#include "gui/results/avaliacao_comando.h"
#include "gui/results/avaliacao_pagina.h"
#include "gui/results/grafico_quartis.h"
#include "gui/results/graficos_pagina.h"
#include "gui/results/painel_anos.h"
#include "gui/results/quartis_janela.h"
#include "gui/results/relatorio_botao.h"
#include "gui/results/simples_janela.h"
#include "gui/worksheet/origem_janela.h"

namespace zivu::bench {
namespace {

// The benchmark's own scratch folder.
constexpr const char* kPasta = "zivu-bench-resultados";

// Survey years 1991 and 2000 in C and D; target year 2000 + `anos`, with the
// intermediate years when more than one.
void anos_projetados(Sistema& sis, int anos) {
  Origem& o = sis.origem;
  o.cfg.AnoProj = std::to_string(2000 + anos);
  o.define_Anos_intermediarios(anos > 1);
  o.Outros_totaisClick();
  Grade& t = o.Grade_totais;
  for (int c = 1; c < t.colunas(); ++c)
    for (int r = 1; r < t.linhas(); ++r)
      if (c >= 2) t.cel(c, r) = t.cel(1, r);
}

// The simple method: the generated sheet of 10000 rows in one block.
void planilha_simples(Sistema& sis, int anos) {
  preenche_planilha(sis);
  anos_projetados(sis, anos);
  sis.origem.ListaObs();
}

// The quartile method: 25 blocks, each a secondary line and its areas, with
// codes and names as reference points and some areas above the threshold.
void planilha_quartis(Sistema& sis, int anos) {
  Origem& o = sis.origem;
  cabecalho_blocos(o.DadosEntrada, false);
  o.define_DoDo_bloco(true);
  o.cfg.MetodoQuartis = true;
  o.cfg.Div_habitantes = "50000";
  o.cfg.Existe_cd_maior = o.cfg.Existe_cd_menor = true;
  o.cfg.Cd_maior = "A";
  o.cfg.Cd_menor = "B";
  o.Ano(3, 1);
  o.Ano(4, 1);
  gera_blocos(o, 25, 4711, false);
  o.Fixos(1, 2, 2, kLinhasPlanilha - 1);
  o.UltimaColuna = 4;
  o.UltimaLinha = kLinhasPlanilha - 1;
  anos_projetados(sis, anos);
  o.ListaObs();
}

// The program as a user sees it, the sheet loaded and showing.
std::unique_ptr<Aplicacao> abre(bool quartis, int anos) {
  auto app = std::make_unique<Aplicacao>(pasta_bench(kPasta));
  app->princ->resize(1024, 768);
  app->mostra();
  if (quartis)
    planilha_quartis(app->sis, anos);
  else
    planilha_simples(app->sis, anos);
  app->princ->MostraFilha(app->origem);
  app->origem->Ficha->setCurrentWidget(app->origem->Origem);
  app->atualiza();
  QApplication::processEvents();
  return app;
}

// "Calcular" clicked until the method's window has painted its grid.
void calcula(Aplicacao& app, benchmark::State& state) {
  app.origem->Processa->click();
  const bool quartis = app.sis.origem.cfg.MetodoQuartis;
  QTableView* grade = quartis ? app.quartis->Tab_Quartil : app.simples->DadosSaida;
  grade->viewport()->repaint();
  QMdiSubWindow* ativa = app.princ->mdi->activeSubWindow();
  QWidget* janela = quartis ? static_cast<QWidget*>(app.quartis) : static_cast<QWidget*>(app.simples);
  if (!ativa || ativa->widget() != janela) state.SkipWithError("a janela do método não veio à frente");
}

// Each time from the sheet in front, as after the user's own return to it.
void calcula_da_planilha(Aplicacao& app, benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    app.princ->MostraFilha(app.origem);
    QApplication::processEvents();
    state.ResumeTiming();
    calcula(app, state);
  }
}

void BM_Calcular_Simples(benchmark::State& state) {
  auto app = abre(false, 1);
  calcula_da_planilha(*app, state);
  state.counters["areas"] = static_cast<double>(app->sis.origem.AreasDados.at(0).Y1 - app->sis.origem.AreasDados.at(0).Y0 + 1);
}
BENCHMARK(BM_Calcular_Simples)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Calcular_Quartis(benchmark::State& state) {
  auto app = abre(true, 1);
  calcula_da_planilha(*app, state);
  state.counters["areas"] = app->sis.quartis.Tab_Uniao.linhas() - 1;
}
BENCHMARK(BM_Calcular_Quartis)->Unit(benchmark::kMillisecond)->UseRealTime();

// Another year with the chooser: open, choose, accept, the grid painted.
template <typename Janela>
void escolhe_ano(Aplicacao& app, Janela* janela, QTableView* grade, benchmark::State& state) {
  int i = 0;
  for (auto _ : state) {
    janela->Ano_Projetado->click();
    janela->Anos->Esc_Ano_Projetado->setCurrentRow(i);
    janela->Anos->Aceitar_ano->click();
    grade->viewport()->repaint();
    i = (i + 1) % 5;
  }
  (void)app;
}

void BM_Escolha_Ano_Simples(benchmark::State& state) {
  auto app = abre(false, 5);
  app->origem->Processa->click();
  escolhe_ano(*app, app->simples, app->simples->DadosSaida, state);
}
BENCHMARK(BM_Escolha_Ano_Simples)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Escolha_Ano_Quartis(benchmark::State& state) {
  auto app = abre(true, 5);
  app->origem->Processa->click();
  app->quartis->Ficha_Quartis->setCurrentWidget(app->quartis->RUniao);
  escolhe_ano(*app, app->quartis, app->quartis->Tab_Uniao, state);
}
BENCHMARK(BM_Escolha_Ano_Quartis)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Memoria_Quartis_30_Anos(benchmark::State& state) {
  for (auto _ : state) {
    auto app = abre(true, 30);
    calcula(*app, state);
    if (app->sis.quartis.Esc_Ano_Projetado.size() != 30) state.SkipWithError("não são 30 anos");
  }
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  state.counters["pico_MB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_Memoria_Quartis_30_Anos)->Unit(benchmark::kMillisecond)->Iterations(1);

// "Avaliar…" against column E: the back-test, the page's tables and chart,
// the chart painted.
void BM_Avaliar_Simples(benchmark::State& state) {
  auto app = abre(false, 1);
  app->origem->Processa->click();
  auto* c = app->simples->Ficha_Simples->findChild<ComandosAvaliacao*>();
  for (auto _ : state) {
    app->executa([&] {
      if (!AvaliarClick(app->sis, "E", "2010")) state.SkipWithError("avaliação recusada");
    });
    c->pagina->mostra();
    app->simples->Ficha_Simples->setCurrentWidget(c->pagina);
    c->pagina->Ficha_Aval->setCurrentWidget(c->pagina->Grafico_PE->parentWidget());
    c->pagina->Grafico_PE->viewport()->repaint();
  }
  state.counters["areas"] = static_cast<double>(app->sis.simples.avaliacao->areas.size());
}
BENCHMARK(BM_Avaliar_Simples)->Unit(benchmark::kMillisecond)->UseRealTime();

// The chart pages: from the results page to the chart page with its chart
// drawn and painted (simple: Evolução of the first block, Taxas of all
// areas, Antes e depois; quartile: the data area on the track bar).
void BM_Grafico_Simples(benchmark::State& state) {
  auto app = abre(false, 1);
  app->origem->Processa->click();
  TSimples* s = app->simples;
  s->Graficos->Tipo_Grafico->setCurrentIndex(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    s->Ficha_Simples->setCurrentWidget(s->Resultados);
    QApplication::processEvents();
    state.ResumeTiming();
    s->Ficha_Simples->setCurrentWidget(s->Graficos);
    s->Graficos->Grafico->viewport()->repaint();
  }
  if (s->Graficos->Grafico->chart()->series().isEmpty()) state.SkipWithError("gráfico vazio");
}
BENCHMARK(BM_Grafico_Simples)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Grafico_Quartis(benchmark::State& state) {
  auto app = abre(true, 1);
  app->origem->Processa->click();
  TQuartis* q = app->quartis;
  for (auto _ : state) {
    state.PauseTiming();
    q->Ficha_Quartis->setCurrentWidget(q->Tab_Partida);
    QApplication::processEvents();
    state.ResumeTiming();
    // Another data area each time, so the chart is drawn again.
    app->sis.quartis.Sel_Area.posicao = app->sis.quartis.Sel_Area.posicao % 25 + 1;
    q->Ficha_Quartis->setCurrentWidget(q->Grafico);
    q->Grafico->Grafico->viewport()->repaint();
  }
  if (q->Grafico->Grafico->chart()->series().isEmpty()) state.SkipWithError("gráfico vazio");
}
BENCHMARK(BM_Grafico_Quartis)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Relatório" of the run shown, both files with their charts: the page and
// the PDF.
void relatorio(Aplicacao& app, bool quartis, benchmark::State& state) {
  app.origem->Processa->click();
  const std::string pasta = pasta_bench(kPasta);
  for (auto _ : state) {
    const auto graficos = graficos_do_relatorio(app, quartis);
    if (!Grava_Relatorio(app.sis, quartis, pasta + "relatorio.html", graficos)) state.SkipWithError("sem relatório");
    const auto pdf = relatorio_pdf(app.sis, quartis, graficos);
    if (!pdf) state.SkipWithError("sem PDF");
    else grava_seguro(pasta + "relatorio.pdf", std::string_view(pdf->constData(), static_cast<size_t>(pdf->size())));
  }
}

// The report's charts alone, as SVG: the part of the report they take.
void BM_Graficos_Relatorio(benchmark::State& state) {
  const bool quartis = state.range(0) != 0;
  auto app = abre(quartis, 1);
  app->origem->Processa->click();
  size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const auto& g : graficos_do_relatorio(*app, quartis)) bytes += g.svg.size();
  }
  state.counters["svg_kB"] = static_cast<double>(bytes) / 1024;
}
BENCHMARK(BM_Graficos_Relatorio)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The page alone, with its charts: what "Relatório" does for an HTML file.
void BM_Relatorio_HTML_Simples(benchmark::State& state) {
  auto app = abre(false, 1);
  app->origem->Processa->click();
  const std::string pasta = pasta_bench(kPasta);
  for (auto _ : state)
    if (!Grava_Relatorio(app->sis, false, pasta + "relatorio.html", graficos_do_relatorio(*app, false)))
      state.SkipWithError("sem relatório");
}
BENCHMARK(BM_Relatorio_HTML_Simples)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Relatorio_Simples(benchmark::State& state) {
  auto app = abre(false, 1);
  relatorio(*app, false, state);
}
BENCHMARK(BM_Relatorio_Simples)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Relatorio_Quartis(benchmark::State& state) {
  auto app = abre(true, 1);
  relatorio(*app, true, state);
}
BENCHMARK(BM_Relatorio_Quartis)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zivu::bench

int main(int argc, char** argv) {
  // The per-year files go to a folder of the benchmark's own.
  qputenv("ZIVU_HOME", QByteArray::fromStdString(zivu::bench::pasta_bench(zivu::bench::kPasta)));
  return zivu::bench::roda_benchmarks_gui(argc, argv);
}
