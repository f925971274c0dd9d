// A deterministic full worksheet for the benchmarks: 10000 rows x 26 columns,
// codes, names and populations, with marks, totals and settings.
#pragma once

#include <string>

#include "core/plataforma.h"
#include "core/sistema.h"

namespace zivu::bench {

class PlataformaMuda : public Plataforma {
 public:
  Resposta mensagem(const std::string&, const std::string&, Botoes, Icone) override {
    return Resposta::Sim;
  }
};

inline void preenche_planilha(Sistema& sis, int linhas = 10000, int colunas = 26) {
  Origem& o = sis.origem;
  uint32_t semente = 12345;
  auto proximo = [&semente] {
    semente = semente * 1664525u + 1013904223u;
    return semente >> 8;
  };
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

}  // namespace zivu::bench
