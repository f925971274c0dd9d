// Reading, writing and resetting a full worksheet.
#include <benchmark/benchmark.h>

#include "bench/planilha_gerada.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "core/text/numeros.h"

namespace zivu::bench {
namespace {

void BM_Le_Arquivo(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  preenche_planilha(sis);
  const std::string nome = pasta_bench() + "cheia.CSV";
  Grava_CSV(sis, nome, "CSV", sis.origem.DadosEntrada, sis.origem.UltimaLinha, sis.origem.UltimaColuna);
  for (auto _ : state) {
    benchmark::DoNotOptimize(Le_Arquivo(sis, nome, ModoLeitura::Planilha, sis.origem.DadosEntrada));
  }
}
BENCHMARK(BM_Le_Arquivo)->Unit(benchmark::kMillisecond);

void BM_Grava_CSV(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  preenche_planilha(sis);
  const std::string nome = pasta_bench() + "saida.CSV";
  for (auto _ : state)
    Grava_CSV(sis, nome, "CSV", sis.origem.DadosEntrada, sis.origem.UltimaLinha, sis.origem.UltimaColuna);
}
BENCHMARK(BM_Grava_CSV)->Unit(benchmark::kMillisecond);

void BM_Grava_DAT(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  preenche_planilha(sis);
  const std::string nome = pasta_bench() + "saida.DAT";
  for (auto _ : state) Grava_DAT(nome, sis.origem.DadosEntrada);
}
BENCHMARK(BM_Grava_DAT)->Unit(benchmark::kMillisecond);

void BM_EsvaziaPlanilhas(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  for (auto _ : state) {
    state.PauseTiming();
    preenche_planilha(sis);
    state.ResumeTiming();
    sis.origem.EsvaziaPlanilhas();
  }
}
BENCHMARK(BM_EsvaziaPlanilhas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zivu::bench

BENCHMARK_MAIN();
