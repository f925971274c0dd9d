// Exports of the simple results window.
#include "core/engine/calculo.h"
#include "core/results/simples_exportar.h"

#include <gtest/gtest.h>

#include "core/engine/simples_auxiliar.h"
#include "core/worksheet/validacao.h"

namespace zivu::teste {
namespace {

TEST(ExportarSimples, CsvOverTheExtentWithTheVariablesColumnsAndDatAsChosen) {
  AmbienteSimples a;
  a.exemplo();
  a.o().DadosEntrada.cel(1, 3) = "Mun \"1\"";  // the year's own files quote as the export does
  ASSERT_TRUE(Calcular(a.sis));
  EXPECT_FALSE(Exportar_RClick(a.sis));  // dialog cancelled

  a.plat.escolhas.push_back(EscolhaArquivo{a.pasta / "r.csv", 1});
  ASSERT_TRUE(Exportar_RClick(a.sis));
  EXPECT_EQ(le_tudo(a.pasta / "r.csv"), le_tudo(a.temp("SR2005.CSV")));

  // Bi and both rates lie past the worksheet's three columns.
  a.plat.escolhas.push_back(EscolhaArquivo{a.pasta / "v", 1});
  ASSERT_TRUE(Exportar_VClick(a.sis));
  EXPECT_EQ(le_tudo(a.pasta / "v.CSV"), le_tudo(a.temp("SV2005.CSV")));

  a.plat.escolhas.push_back(EscolhaArquivo{a.pasta / "r.DAT", 2});
  ASSERT_TRUE(Exportar_RClick(a.sis));
  EXPECT_EQ(le_tudo(a.pasta / "r.DAT.DAT").substr(0, 16), "1 Nome    2005\r\n");
  EXPECT_EQ(a.plat.dialogos.back().filtro,
            "CSV (Arq. separado por ';')|*.csv|DAT (Arq. de dados SAS - separado por espaços)|*.DAT");
}

}  // namespace
}  // namespace zivu::teste
