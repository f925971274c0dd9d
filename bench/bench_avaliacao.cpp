// The back-test and the run report on a generated worksheet of ~10000 small
// areas in 25 blocks with a later survey in column F (some areas without
// observation, some lines without their total). The worksheet is also left
// as a CSV file beside the other benchmark files, for timing
// `zivu-cli avaliar` and `zivu-cli calcular --relatorio` on it.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "bench/planilha_gerada.h"
#include "core/engine/avaliacao.h"
#include "core/engine/calculo.h"
#include "core/files/gravador.h"
#include "core/results/avaliacao_tabelas.h"
#include "core/results/relatorio.h"
#include "core/text/numeros.h"

namespace zivu::bench {
namespace {

constexpr int kBlocos = 25;
constexpr int kTeste = 6;  // column F

void gera_planilha(Sistema& sis) {
  Origem& o = sis.origem;
  Grade& g = o.DadosEntrada;
  cabecalho_blocos(g, true);
  g.cel(kTeste, 1) = "2010";
  o.cfg.AnoProj = "2005";
  o.define_DoDo_bloco(true);
  o.Ano(4, 1);
  o.Ano(5, 1);
  gera_blocos(o, kBlocos, 2025, true);
  Sorteio proximo(99);
  for (size_t k = 0; k < o.AreasDados.size(); ++k) {
    const Regiao& d = o.AreasDados[k];
    int64_t soma = 0;
    for (int r = d.Y0; r <= d.Y1; ++r) {
      const uint32_t x = proximo();
      if (x % 97 == 0) continue;  // not observed
      const int64_t v = std::stoll(g.cel(5, r)) * (900 + static_cast<int64_t>(x % 250)) / 1000;
      g.cel(kTeste, r) = std::to_string(v);
      soma += v;
    }
    // Every other line holds its observed total; the others take the areas' sum.
    if (k % 2 == 0) g.cel(kTeste, o.Secundarias[k].Y0) = std::to_string(soma);
  }
  o.UltimaColuna = kTeste;
  o.UltimaLinha = kLinhasPlanilha - 1;
}

void prepara(Sistema& sis) {
  definir_separador_decimal('.');
  sis.princ.PastaTemp = pasta_bench() + "Temp";
  gera_planilha(sis);
  if (!Calcular(sis)) throw std::runtime_error("a planilha gerada foi recusada");
  Grava_CSV(sis, pasta_bench() + "avaliacao", "CSV", sis.origem.DadosEntrada, sis.origem.UltimaLinha,
            sis.origem.UltimaColuna);
}

void BM_Avaliacao(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis);
  for (auto _ : state) {
    if (!AvaliarClick(sis, "F", "2010")) state.SkipWithError("avaliação recusada");
    benchmark::DoNotOptimize(texto_csv_avaliacao(*sis.simples.avaliacao, TabelaAvaliacao::Areas));
  }
}
BENCHMARK(BM_Avaliacao)->Unit(benchmark::kMillisecond);

// The report of the run just made, with the back-test in it.
void BM_Relatorio(benchmark::State& state) {
  PlataformaMuda plat;
  Sistema sis(plat);
  prepara(sis);
  if (!AvaliarClick(sis, "F", "2010")) throw std::runtime_error("avaliação recusada");
  for (auto _ : state) benchmark::DoNotOptimize(Relatorio_HTML(sis, false));
}
BENCHMARK(BM_Relatorio)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zivu::bench

BENCHMARK_MAIN();
