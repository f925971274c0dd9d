// Deterministic worksheets for the benchmarks: a full sheet of 10000 rows x
// 26 columns with marks, totals and settings, and sheets of small areas in
// blocks for the projection methods.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/plataforma.h"
#include "core/worksheet/sistema.h"

namespace zivu::bench {

class PlataformaMuda : public Plataforma {
 public:
  Resposta mensagem(const std::string&, const std::string&, Botoes, Icone) override {
    return Resposta::Sim;
  }
};

// A scratch folder of the benchmark's own under the temporary directory.
inline std::string pasta_bench(const char* nome = "zivu-bench") {
  auto p = std::filesystem::temp_directory_path() / nome;
  std::filesystem::create_directories(p);
  return p.string() + "/";
}

// A linear congruential sequence: the same seed gives the same sheet on every
// machine, so the figures stay comparable.
class Sorteio {
 public:
  explicit Sorteio(uint32_t semente) : semente_(semente) {}
  uint32_t operator()() {
    semente_ = semente_ * 1664525u + 1013904223u;
    return semente_ >> 8;
  }

 private:
  uint32_t semente_;
};

inline void preenche_planilha(Sistema& sis, int linhas = 10000, int colunas = 26) {
  Origem& o = sis.origem;
  Sorteio proximo(12345);
  o.DadosEntrada.cel(3, 1) = "1991";
  o.DadosEntrada.cel(4, 1) = "2000";
  for (int r = 2; r <= linhas; ++r) {
    for (int c = 1; c <= colunas; ++c) {
      std::string& cel = o.DadosEntrada.cel(c, r);
      if (c == 1)
        cel = std::to_string(100000 + r);
      else if (c == 2)
        cel = "Município " + std::to_string(r) + " de São João";
      else
        cel = std::to_string(1000 + proximo() % 200000);
    }
  }
  o.UltimaColuna = colunas;
  o.UltimaLinha = linhas;
  o.Ano(3, 1);
  o.Ano(4, 1);
  o.Principal(3, 2, 4, 2);
  o.TotalPrincipal = 123456789;
  o.Cancelar_TotalClick();
  o.Dados(3, 3, 4, linhas);
  o.Fixos(1, 3, 2, linhas);
}

// Row 1's captions: two code columns, with names a name column, then the two
// survey years 1991 and 2000.
inline void cabecalho_blocos(Grade& g, bool com_nomes) {
  int c = 1;
  g.cel(c++, 1) = "Cód. UF";
  g.cel(c++, 1) = "Cód. Mun.";
  if (com_nomes) g.cel(c++, 1) = "Município";
  g.cel(c++, 1) = "1991";
  g.cel(c, 1) = "2000";
}

// The small areas in `blocos` blocks from row 2, filling the sheet's rows:
// each block is its secondary line (marked, with its total) followed by its
// areas. Columns as in `cabecalho_blocos`; with names the data areas take the
// whole row, without them only the two populations. Returns each block's sum
// in the later year; the last row written is `kLinhasPlanilha - 1`.
inline std::vector<int64_t> gera_blocos(Origem& o, int blocos, uint32_t semente, bool com_nomes) {
  Grade& g = o.DadosEntrada;
  Sorteio proximo(semente);
  const int pop = com_nomes ? 4 : 3;  // first population column
  const int dados = com_nomes ? 1 : pop;
  std::vector<int64_t> totais;
  int r = 2;
  const int areas = kLinhasPlanilha - 2 - blocos;
  for (int k = 0; k < blocos; ++k) {
    const int n = areas / blocos + (k < areas % blocos ? 1 : 0);
    const int linha = r++;
    int64_t s0 = 0, s1 = 0;
    for (int i = 0; i < n; ++i, ++r) {
      const int64_t p0 = 500 + proximo() % 60000;
      const int64_t p1 = p0 * (900 + static_cast<int64_t>(proximo() % 250)) / 1000;
      g.cel(1, r) = "43";
      g.cel(2, r) = std::to_string(1000 + r);
      if (com_nomes) g.cel(3, r) = "Município " + std::to_string(r);
      g.cel(pop, r) = std::to_string(p0);
      g.cel(pop + 1, r) = std::to_string(p1);
      s0 += p0;
      s1 += p1;
    }
    g.cel(pop - 1, linha) = "Bloco " + std::to_string(k + 1);
    g.cel(pop, linha) = std::to_string(s0);
    g.cel(pop + 1, linha) = std::to_string(s1);
    o.SubDivisao(pop, linha, pop + 1, linha);
    o.Cancelar_TotalClick();
    o.TotaisSecundarios[static_cast<size_t>(k)] = s1 * 108 / 100;
    o.Dados(dados, linha + 1, pop + 1, r - 1);
    totais.push_back(s1);
  }
  return totais;
}

// The simple method's sheet: 25 blocks of ~400 small areas, surveys 1991 and
// 2000, projected to 2000 + anos; with more than one year the totals sheet
// holds each block's total growing 0.3% a year.
inline void gera_simples(Sistema& sis, int anos) {
  constexpr int kBlocos = 25;
  Origem& o = sis.origem;
  cabecalho_blocos(o.DadosEntrada, true);
  o.cfg.AnoProj = std::to_string(2000 + anos);
  o.define_DoDo_bloco(true);
  o.Ano(4, 1);
  o.Ano(5, 1);
  const std::vector<int64_t> totais = gera_blocos(o, kBlocos, 2024, true);
  o.UltimaColuna = 5;
  o.UltimaLinha = kLinhasPlanilha - 1;
  if (anos > 1) {
    o.define_Anos_intermediarios(true);
    o.Outros_totaisClick();
    for (int c = 2; c < o.Grade_totais.colunas(); ++c)
      for (int k = 0; k < kBlocos; ++k)
        o.Grade_totais.cel(c, k + 1) = std::to_string(totais[static_cast<size_t>(k)] * (1000 + 3 * c) / 1000);
  }
}

// The quartile method's sheet: the small areas in `blocos` blocks, with some
// exceptions in each; with one block every area is a quartile record.
inline void gera_quartis(Sistema& sis, int blocos) {
  Origem& o = sis.origem;
  cabecalho_blocos(o.DadosEntrada, true);
  o.cfg.AnoProj = "2001";
  o.define_DoDo_bloco(true);
  o.cfg.MetodoQuartis = true;
  o.cfg.Div_habitantes = blocos == 1 ? "1000000" : "50000";
  o.cfg.Existe_cd_maior = o.cfg.Existe_cd_menor = o.cfg.Existe_nome_menor = true;
  o.cfg.Cd_maior = "A";
  o.cfg.Cd_menor = "B";
  o.cfg.Nome_menor = "C";
  o.Ano(4, 1);
  o.Ano(5, 1);
  gera_blocos(o, blocos, 4711, true);
  o.UltimaColuna = 5;
  o.UltimaLinha = kLinhasPlanilha - 1;
}

}  // namespace zivu::bench
