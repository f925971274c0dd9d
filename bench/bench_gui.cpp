// The desktop program driven offscreen: start-up, importing a full worksheet,
// "Criar" on a full sheet, painting one screen of marked cells, fitting the
// columns of a full sheet, showing it again unchanged, and the peak memory
// with a full sheet loaded.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTabWidget>
#include <QTableView>

#include "bench/planilha_gerada.h"
#include "bench/principal_gui.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "gui/app/aplicacao.h"
#include "gui/app/colunas.h"
#include "gui/app/princ.h"
#include "gui/worksheet/origem_janela.h"

namespace zivu::bench {
namespace {

// The benchmark's own scratch folder.
constexpr const char* kPasta = "zivu-bench-gui";

// A full worksheet with its configuration block, written once.
const std::string& planilha_cheia() {
  static const std::string nome = [] {
    PlataformaMuda plat;
    Sistema sis(plat);
    preenche_planilha(sis);
    const std::string n = pasta_bench(kPasta) + "cheia.CSV";
    Grava_CSV(sis, n, "CSV", sis.origem.DadosEntrada, sis.origem.UltimaLinha, sis.origem.UltimaColuna);
    return n;
  }();
  return nome;
}

// The program with the sheet showing, as a user sees it after start.
std::unique_ptr<Aplicacao> abre(bool com_planilha) {
  auto app = std::make_unique<Aplicacao>(pasta_bench(kPasta));
  app->princ->resize(1024, 768);
  app->mostra();
  if (com_planilha) {
    app->princ->MostraFilha(app->origem);
    app->origem->Ficha->setCurrentWidget(app->origem->Origem);
  }
  QApplication::processEvents();
  return app;
}

void repinta_planilha(Aplicacao& app) {
  app.origem->DadosEntrada->viewport()->repaint();
}

void BM_Partida(benchmark::State& state) {
  for (auto _ : state) {
    auto app = abre(false);
    app->princ->repaint();
    state.PauseTiming();
    app.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Partida)->Unit(benchmark::kMillisecond);

void BM_Importar_Planilha_Cheia(benchmark::State& state) {
  const std::string nome = planilha_cheia();
  auto app = abre(true);
  for (auto _ : state) {
    app->executa([&] { Importa_Arquivo(app->sis, nome); });
    repinta_planilha(*app);
  }
}
BENCHMARK(BM_Importar_Planilha_Cheia)->Unit(benchmark::kMillisecond);

void BM_Criar_Planilha_Cheia(benchmark::State& state) {
  auto app = abre(true);
  for (auto _ : state) {
    state.PauseTiming();
    preenche_planilha(app->sis);
    app->atualiza();
    state.ResumeTiming();
    app->origem->CriarClick();
    repinta_planilha(*app);
  }
}
BENCHMARK(BM_Criar_Planilha_Cheia)->Unit(benchmark::kMillisecond);

void BM_Pintar_Tela_Marcada(benchmark::State& state) {
  auto app = abre(true);
  preenche_planilha(app->sis);
  app->atualiza();
  for (auto _ : state) repinta_planilha(*app);
}
BENCHMARK(BM_Pintar_Tela_Marcada)->Unit(benchmark::kMicrosecond);

// Fitting every column of a full sheet to its texts, as after an import.
void BM_Ajustar_Colunas_Planilha_Cheia(benchmark::State& state) {
  auto app = abre(true);
  preenche_planilha(app->sis);
  app->atualiza();
  auto* ajuste = app->origem->DadosEntrada->findChild<AjusteColunas*>();
  for (auto _ : state) ajuste->ajusta(true);
}
BENCHMARK(BM_Ajustar_Colunas_Planilha_Cheia)->Unit(benchmark::kMillisecond);

// What every command pays to show a full sheet again when nothing changed.
void BM_Atualizar_Planilha_Cheia(benchmark::State& state) {
  auto app = abre(true);
  preenche_planilha(app->sis);
  app->atualiza();
  for (auto _ : state) app->atualiza();
}
BENCHMARK(BM_Atualizar_Planilha_Cheia)->Unit(benchmark::kMillisecond);

void BM_Memoria_Planilha_Cheia(benchmark::State& state) {
  const std::string nome = planilha_cheia();
  for (auto _ : state) {
    auto app = abre(true);
    app->executa([&] { Importa_Arquivo(app->sis, nome); });
    repinta_planilha(*app);
  }
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  state.counters["pico_MB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_Memoria_Planilha_Cheia)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace zivu::bench

int main(int argc, char** argv) { return zivu::bench::roda_benchmarks_gui(argc, argv); }
