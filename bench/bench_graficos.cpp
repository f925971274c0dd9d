// Chart data on ~10000 small areas: the simple method's charts after a run of
// 1 or 10 projected years (their files stored), the quartile chart on one
// block of ~10000 records. Opening "Evolução" reads every stored year.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "bench/planilha_gerada.h"
#include "core/engine/calculo.h"
#include "core/engine/quartis_calculo.h"
#include "core/results/graficos.h"
#include "core/text/numeros.h"

namespace zivu::bench {
namespace {

void prepara_simples(Sistema& sis, int anos) {
  definir_separador_decimal('.');
  sis.princ.PastaTemp = pasta_bench("zivu-bench-graficos") + "Temp";
  gera_simples(sis, anos);
  if (!Calcular(sis)) throw std::runtime_error("a planilha gerada foi recusada");
}

// The page opening: the chooser, every year's projections, the first block.
void BM_Evolucao(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara_simples(sis, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const std::vector<ItemArea> itens = Lista_Areas(sis);
    const ProjecoesAnos p = Le_Projecoes(sis);
    benchmark::DoNotOptimize(Grafico_Evolucao(sis, p, itens.front()));
  }
}
BENCHMARK(BM_Evolucao)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Another area chosen on the open page.
void BM_Evolucao_Area(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara_simples(sis, 10);
  const std::vector<ItemArea> itens = Lista_Areas(sis);
  const ProjecoesAnos p = Le_Projecoes(sis);
  for (auto _ : state) benchmark::DoNotOptimize(Grafico_Evolucao(sis, p, itens[itens.size() / 2]));
}
BENCHMARK(BM_Evolucao_Area)->Unit(benchmark::kMicrosecond);

void BM_Taxas(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara_simples(sis, 1);
  for (auto _ : state) benchmark::DoNotOptimize(Grafico_Taxas(sis, -1));
}
BENCHMARK(BM_Taxas)->Unit(benchmark::kMillisecond);

void BM_Antes_Depois(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara_simples(sis, 1);
  for (auto _ : state) benchmark::DoNotOptimize(Grafico_Antes_Depois(sis));
}
BENCHMARK(BM_Antes_Depois)->Unit(benchmark::kMillisecond);

void BM_Quartis(benchmark::State& state) {
  definir_separador_decimal('.');
  PlataformaMuda plat;
  Sistema sis(plat);
  sis.princ.PastaTemp = pasta_bench("zivu-bench-graficos") + "Temp";
  gera_quartis(sis, 1);
  if (!Calcular(sis)) throw std::runtime_error("a planilha gerada foi recusada");
  for (auto _ : state) benchmark::DoNotOptimize(Grafico_Quartis(sis));
}
BENCHMARK(BM_Quartis)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zivu::bench

BENCHMARK_MAIN();
