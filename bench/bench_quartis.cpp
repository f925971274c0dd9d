// The quartile method on a generated worksheet of ~10000 small areas: in 25
// blocks with some exceptions in each, or in one block of ~10000 quartile
// records (the orderings' worst case). The worksheets are also left as CSV
// files beside the other benchmark files, for timing
// `zivu-cli calcular --quartis` on them.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "bench/planilha_gerada.h"
#include "core/engine/calculo.h"
#include "core/engine/quartis_calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/gravador.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"

namespace zivu::bench {
namespace {

// Validated once; the driver has run once, so the window holds a year.
void prepara(Sistema& sis, int blocos) {
  definir_separador_decimal('.');
  sis.princ.PastaTemp = pasta_bench() + "Temp";
  gera_quartis(sis, blocos);
  if (!Calcular(sis)) throw std::runtime_error("a planilha gerada foi recusada");
  Grava_CSV(sis, pasta_bench() + "quartis_" + std::to_string(blocos) + (blocos == 1 ? "_bloco" : "_blocos"),
            "CSV", sis.origem.DadosEntrada, sis.origem.UltimaLinha, sis.origem.UltimaColuna);
}

void BM_Projeta_Ano_Quartis(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    PegandoNovosTotais(sis, "2001");
    if (!Projeta_Ano_Quartis(sis, "2001")) state.SkipWithError("ano cancelado");
  }
}
BENCHMARK(BM_Projeta_Ano_Quartis)->Arg(25)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Ordens(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Ordem_por_Pop(sis.quartis);
    Ordem_por_Tax(sis.quartis);
  }
}
BENCHMARK(BM_Ordens)->Arg(25)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Sel_AreaChange(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Sel_AreaChange(sis));
}
BENCHMARK(BM_Sel_AreaChange)->Arg(25)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole run: folder, the year with its files, loading it back, statistics.
void BM_Inicia_Calculo_Quartis(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Inicia_Calculo(sis));
}
BENCHMARK(BM_Inicia_Calculo_Quartis)->Arg(25)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zivu::bench

BENCHMARK_MAIN();
