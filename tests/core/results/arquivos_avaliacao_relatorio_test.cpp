// The save commands of the back-test's tables and of the report: the name a
// dialog's choice becomes, and a table written as its golden file; the
// report's list of negative areas cut short.
#include <gtest/gtest.h>

#include "core/engine/avaliacao.h"
#include "core/engine/calculo.h"
#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor.h"
#include "core/results/avaliacao_tabelas.h"
#include "core/results/relatorio.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

TEST(ArquivoRelatorio, TheFilterChoosesTheFormatAndCompletesTheName) {
  constexpr auto H = FormatoRelatorio::HTML, P = FormatoRelatorio::PDF;
  const struct {
    int filtro;
    const char* nome;
    const char* caminho;
    FormatoRelatorio formato;
  } casos[] = {{1, "r", "r.html", H}, {1, "r.HTM", "r.HTM", H}, {1, "r.pdf", "r.pdf.html", H},
               {2, "r", "r.pdf", P},  {2, "r.Pdf", "r.Pdf", P}, {2, "r.html", "r.html.pdf", P}};
  PlataformaTeste plat;
  Sistema sis{plat};
  for (const auto& c : casos) {
    plat.escolhas.push_back(EscolhaArquivo{c.nome, c.filtro});
    const auto a = escolhe_arquivo_relatorio(sis);
    ASSERT_TRUE(a) << c.nome;
    EXPECT_EQ(a->caminho, c.caminho);
    EXPECT_EQ(a->formato, c.formato) << c.nome;
  }
  EXPECT_FALSE(escolhe_arquivo_relatorio(sis));
}

TEST(ExportarAvaliacao, WritesTheTableOnlyWhenABackTestIsKept) {
  definir_separador_decimal(',');
  PlataformaTeste plat;
  Sistema sis{plat};
  PastaTemporaria pasta;
  plat.escolhas.push_back(EscolhaArquivo{pasta / "ex", 1});
  EXPECT_FALSE(Exportar_Avaliacao(sis, TabelaAvaliacao::Grupos));
  EXPECT_TRUE(plat.dialogos.empty());

  ASSERT_TRUE(Importa_Arquivo(sis, dados("avaliacao/exemplo.csv")));
  ASSERT_TRUE(ProcessaClick(sis));
  ASSERT_TRUE(AvaliarClick(sis, "D", "2005"));
  EXPECT_TRUE(Exportar_Avaliacao(sis, TabelaAvaliacao::Grupos));
  EXPECT_EQ(le_tudo(pasta / "ex.CSV"), le_tudo(dados("avaliacao/exemplo_grupos.CSV")));
  EXPECT_FALSE(Exportar_Avaliacao(sis, TabelaAvaliacao::Grupos));
}

// negativas.csv: 105 of its areas decline to a negative projection.
TEST(Relatorio, NamesTheFirstHundredNegativeAreasAndCountsThem) {
  PlataformaTeste plat;
  Sistema sis{plat};
  PastaTemporaria pasta;
  sis.princ.PastaTemp = pasta.caminho();
  ASSERT_TRUE(Importa_Arquivo(sis, dados("avaliacao/negativas.csv")));
  ASSERT_TRUE(Calcular(sis));
  const std::string h = *Relatorio_HTML(sis, false);
  const size_t inicio = h.find("<h2>Áreas com projeção negativa</h2>");
  const std::string secao = h.substr(inicio, h.find("<h2>", inicio + 1) - inicio);
  EXPECT_NE(secao.find("<p>105 áreas têm projeção negativa; estas são as 100 primeiras.</p>"), std::string::npos);
  EXPECT_NE(secao.find(">Vila 100<"), std::string::npos);
  EXPECT_EQ(secao.find(">Vila 101<"), std::string::npos);
}

}  // namespace
}  // namespace zivu::teste
