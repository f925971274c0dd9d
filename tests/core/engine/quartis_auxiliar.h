// A worksheet of tests/data read as "Importar" reads it, with the values
// the validation would prepare, and a per-year folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "plataforma_teste.h"

namespace zivu::teste {

struct AmbienteQuartis {
  PlataformaTeste plat;
  Sistema sis{plat};
  PastaTemporaria pasta;

  // The fixtures all survey September 1990 and September 2000 and project
  // September 2005.
  explicit AmbienteQuartis(const std::string& planilha, const std::string& mascara = "") {
    definir_separador_decimal('.');
    sis.princ.PastaTemp = pasta.caminho();
    EXPECT_TRUE(Le_Arquivo(sis, dados(planilha), ModoLeitura::Planilha, sis.origem.DadosEntrada));
    sis.origem.MesesPesquisas = 120;
    sis.origem.MesesProjecao = 60;
    sis.origem.MascaraDecimais = mascara;
    plat.mensagens.clear();
  }

  Quartis& q() { return sis.quartis; }
  Origem& o() { return sis.origem; }

  // Row r of a grid from column `de`, as texts.
  static std::vector<std::string> linha(const Grade& g, int r, int de = 0) {
    std::vector<std::string> v;
    for (int c = de; c < g.colunas(); ++c) v.push_back(g.cel(c, r));
    return v;
  }
  static std::vector<std::string> coluna(const Grade& g, int c) {
    std::vector<std::string> v;
    for (int r = 1; r < g.linhas(); ++r) v.push_back(g.cel(c, r));
    return v;
  }
};

}  // namespace zivu::teste
