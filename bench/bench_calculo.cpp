// The simple projection on a generated worksheet of ~10000 small areas in 25
// blocks: one year in process without files, and whole runs with their
// per-year files. The worksheets are also left as CSV files beside the other
// benchmark files, for timing `zivu-cli calcular` on them.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/planilha_gerada.h"
#include "core/engine/calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/gravador.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"

namespace zivu::bench {
namespace {

// A worksheet ready for the engine: validated once, files in a scratch folder.
void prepara(Sistema& sis, int anos) {
  sis.princ.PastaTemp = pasta_bench() + "Temp";
  gera_simples(sis, anos);
  if (!Calcular(sis)) throw std::runtime_error("a planilha gerada foi recusada");
  Grava_CSV(sis, pasta_bench() + "calculo_" + std::to_string(anos) + "_anos", "CSV", sis.origem.DadosEntrada,
            sis.origem.UltimaLinha, sis.origem.UltimaColuna);
}

void BM_Projeta_Ano_Simples(benchmark::State& state) {
  definir_separador_decimal('.');
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis, 1);
  const std::string ano = sis.simples.Esc_Ano_Projetado.back();
  for (auto _ : state) {
    PegandoNovosTotais(sis, ano);
    benchmark::DoNotOptimize(Projeta_Ano_Simples_sem_gravar(sis, ano));
  }
}
BENCHMARK(BM_Projeta_Ano_Simples)->Unit(benchmark::kMillisecond);

// The driver with its per-year files: one year, and 30 intermediate years.
void BM_Inicia_Calculo(benchmark::State& state) {
  definir_separador_decimal('.');
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Inicia_Calculo(sis));
}
BENCHMARK(BM_Inicia_Calculo)->Arg(1)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zivu::bench

BENCHMARK_MAIN();
