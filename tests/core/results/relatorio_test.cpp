// The run report of both methods against golden pages, and what it says once
// "Adaptar" was applied.
#include "core/results/relatorio.h"

#include <gtest/gtest.h>

#include "core/engine/avaliacao.h"
#include "core/engine/calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor.h"
#include "core/text/numeros.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

struct AmbienteRelatorio {
  PlataformaTeste plat;
  Sistema sis{plat};
  PastaTemporaria pasta;
  AmbienteRelatorio(const std::string& planilha, bool quartis) {
    sis.princ.PastaTemp = pasta.caminho();
    EXPECT_TRUE(Importa_Arquivo(sis, dados(planilha)));
    sis.origem.MetodoQuartisClick(quartis);
    EXPECT_TRUE(Calcular(sis));
    // The golden pages hold no machine's path.
    sis.princ.ArquivoPlanilha = planilha;
  }
};

// blocos.csv: block 1 with a negative area, block 2 one short of its total,
// block 3 exact; its back-test; a chart whose title needs escaping.
TEST(Relatorio, SimpleRunWithBackTestAndACallersChart) {
  definir_separador_decimal(',');
  AmbienteRelatorio a("avaliacao/blocos.csv", false);
  ASSERT_TRUE(AvaliarClick(a.sis, "E", "2005"));
  const GraficoRelatorio grafico{"Evolução <A & B>",
                                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg width=\"4\" height=\"4\"></svg>"};
  EXPECT_EQ(Relatorio_HTML(a.sis, false, {grafico}), le_tudo(dados("avaliacao/relatorio_simples.html")));

  ASSERT_TRUE(AdaptarClick(a.sis));
  const std::string depois = *Relatorio_HTML(a.sis, false);
  EXPECT_NE(depois.find("<td>somou 1 à área Eira 22 (linha 8)</td>"), std::string::npos);
  EXPECT_EQ(depois.find("somará"), std::string::npos);
}

TEST(Relatorio, QuartileRun) {
  definir_separador_decimal('.');
  AmbienteRelatorio a("quartis_geral.csv", true);
  EXPECT_EQ(Relatorio_HTML(a.sis, true), le_tudo(dados("avaliacao/relatorio_quartis.html")));
}

}  // namespace
}  // namespace zivu::teste
