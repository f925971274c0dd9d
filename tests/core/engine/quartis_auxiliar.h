// A worksheet of tests/data read as "Importar" reads it, with the values
// the validation would prepare, and a per-year folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor.h"
#include "dourado.h"
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

  // Every grid a projected year fills, and the year's three files.
  std::string texto_ano(const std::string& ano) {
    std::string t = texto_grade("Tab_Quartil", q().Tab_Quartil) + texto_grade("Tab_excecoes", q().Tab_excecoes) +
                    texto_grade("ordem_pop", q().Tab_quartil_ordem_pop) +
                    texto_grade("ordem_tax", q().Tab_quartil_ordem_tax) + texto_grade("Tab_Uniao", q().Tab_Uniao) +
                    texto_grade("Tab_DUniao", q().Tab_DUniao) + "== AreaDoRegistro\n";
    for (int32_t k : q().AreaDoRegistro) t += std::to_string(k) + " ";
    t += "\n== Adaptar " + std::to_string(q().Adaptar) + "\n";
    for (const char* f : {"QU?.CSV", "Q2?.CSV", "QA?"}) {
      std::string nome = f;
      nome.replace(nome.find('?'), 1, ano);
      t += "== " + nome + "\n" + le_tudo(pasta / nome) + "\n";
    }
    return t;
  }
  // The statistics page of the area shown and the grids it marks.
  std::string texto_estatisticas() {
    return "== " + q().Sel_Area.hint + "\n" + texto_grade("Tab_Estatisticas", q().Tab_Estatisticas) +
           texto_grade("Tab_Descricao", q().Tab_Descricao) + texto_grade("ordem_pop", q().Tab_quartil_ordem_pop) +
           texto_grade("ordem_tax", q().Tab_quartil_ordem_tax);
  }
};

}  // namespace zivu::teste
