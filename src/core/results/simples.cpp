#include "core/results/simples.h"

namespace zivu {

Simples::Simples()
    : DadosSaida("DadosSaida", kColunasPlanilha, kLinhasPlanilha),
      DadosVariaveis("DadosVariaveis", kColunasPlanilha, kLinhasPlanilha) {
  DadosSaida.escreve_cabecalhos_planilha();
  DadosVariaveis.escreve_cabecalhos_planilha();
}

}  // namespace zivu
