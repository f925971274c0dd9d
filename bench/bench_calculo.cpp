// The simple projection on a generated worksheet of ~10000 small areas in 25
// blocks: one year in process without files, and whole runs with their
// per-year files. The worksheets are also left as CSV files beside the other
// benchmark files, for timing `zivu-cli calcular` on them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "bench/planilha_gerada.h"
#include "core/engine/calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/gravador.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"

namespace zivu::bench {
namespace {

constexpr int kBlocos = 25;

std::string pasta_bench() {
  auto p = std::filesystem::temp_directory_path() / "zivu-bench";
  std::filesystem::create_directories(p);
  return p.string() + "/";
}

// Row 1 holds the survey years; each block is its secondary line followed by
// its small areas. 25 lines + 9974 areas + the year row fill the 10000 rows.
void gera_blocos(Sistema& sis, int anos_projetados) {
  Origem& o = sis.origem;
  Grade& g = o.DadosEntrada;
  uint32_t semente = 2024;
  auto proximo = [&semente] {
    semente = semente * 1664525u + 1013904223u;
    return semente >> 8;
  };
  g.cel(1, 1) = "Cód. UF";
  g.cel(2, 1) = "Cód. Mun.";
  g.cel(3, 1) = "Município";
  g.cel(4, 1) = "1991";
  g.cel(5, 1) = "2000";
  o.cfg.AnoProj = std::to_string(2000 + anos_projetados);
  o.define_DoDo_bloco(true);
  o.Ano(4, 1);
  o.Ano(5, 1);
  std::vector<int64_t> totais;
  int r = 2;
  const int areas = kLinhasPlanilha - 2 - kBlocos;
  for (int k = 0; k < kBlocos; ++k) {
    const int n = areas / kBlocos + (k < areas % kBlocos ? 1 : 0);
    const int linha = r++;
    int64_t s0 = 0, s1 = 0;
    for (int i = 0; i < n; ++i, ++r) {
      const int64_t p0 = 500 + proximo() % 60000;
      const int64_t p1 = p0 * (900 + static_cast<int64_t>(proximo() % 250)) / 1000;
      g.cel(1, r) = "43";
      g.cel(2, r) = std::to_string(1000 + r);
      g.cel(3, r) = "Município " + std::to_string(r);
      g.cel(4, r) = std::to_string(p0);
      g.cel(5, r) = std::to_string(p1);
      s0 += p0;
      s1 += p1;
    }
    g.cel(3, linha) = "Bloco " + std::to_string(k + 1);
    g.cel(4, linha) = std::to_string(s0);
    g.cel(5, linha) = std::to_string(s1);
    o.SubDivisao(4, linha, 5, linha);
    o.Cancelar_TotalClick();
    o.TotaisSecundarios[static_cast<size_t>(k)] = s1 * 108 / 100;
    o.Dados(1, linha + 1, 5, r - 1);
    totais.push_back(s1);
  }
  o.UltimaColuna = 5;
  o.UltimaLinha = r - 1;
  if (anos_projetados > 1) {
    o.define_Anos_intermediarios(true);
    o.Outros_totaisClick();
    for (int c = 2; c < o.Grade_totais.colunas(); ++c)
      for (int k = 0; k < kBlocos; ++k)
        o.Grade_totais.cel(c, k + 1) = texto_inteiro(totais[static_cast<size_t>(k)] * (1000 + 3 * c) / 1000);
  }
}

// A worksheet ready for the engine: validated once, files in a scratch folder.
void prepara(Sistema& sis, int anos) {
  sis.princ.PastaTemp = pasta_bench() + "Temp";
  gera_blocos(sis, anos);
  if (!ProcessaClick(sis)) throw std::runtime_error("a planilha gerada foi recusada");
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
    PegandoNovosTotais(sis, 0);
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
