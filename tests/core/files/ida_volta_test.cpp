// A worksheet written and read back is the same worksheet, and exporting it
// again gives the same bytes (zivu-cli's tests hold the byte check of a
// writer's file against its fixture).
#include <gtest/gtest.h>

#include "core/files/auxiliar_arquivos.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

// A deterministic full sheet: 10000 rows x 26 columns with codes, names with
// accents, a quote and a semicolon, populations, and every kind of mark.
void preenche_cheia(Origem& o) {
  uint32_t semente = 2024;
  auto proximo = [&semente] {
    semente = semente * 1664525u + 1013904223u;
    return semente >> 8;
  };
  Grade& d = o.DadosEntrada;
  d.cel(3, 1) = "1991";
  d.cel(4, 1) = "2000";
  for (int r = 2; r <= 10000; ++r)
    for (int c = 1; c <= 26; ++c) {
      std::string& t = d.cel(c, r);
      if (c == 1) t = std::to_string(100000 + r);
      else if (c == 2) t = "Município \"" + std::to_string(r) + "\"; São João";
      else t = std::to_string(proximo() % 500000);
    }
  o.UltimaColuna = 26;
  o.UltimaLinha = 10000;
  o.Ano(3, 1);
  o.Ano(4, 1);
  o.Principal(3, 2, 26, 2);
  o.TotalPrincipal = 123456789012LL;
  o.SubDivisao(3, 3, 26, 3);
  o.TotaisSecundarios[0] = 5000;
  o.Dados(3, 4, 26, 5000);
  o.SubDivisao(3, 5001, 26, 5001);
  o.TotaisSecundarios[1] = 7000;
  o.Dados(3, 5002, 26, 10000);
  o.Fixos(1, 4, 2, 10000);
  o.define_DoDo_bloco(true);
  o.cfg.AnoProj = "2004";
  o.define_Anos_intermediarios(true);
  o.cfg.Mes_AnoX = 3;
  o.cfg.Existe_nome_menor = true;
  o.cfg.Nome_menor = "B";
  o.Outros_totaisClick();
  o.Grade_totais.cel(2, 1) = "999";
}

class IdaVolta : public ::testing::Test {
 protected:
  void SetUp() override { definir_separador_decimal(','); }

  // Imports `origem` into the second worksheet and exports it as
  // `destino`.CSV; returns the bytes written.
  std::string importa_e_exporta(const std::string& origem, const std::string& destino) {
    EXPECT_TRUE(Importa_Arquivo(sis_b, origem)) << origem;
    EXPECT_TRUE(Exporta_Planilha(sis_b, destino, 1));
    return le_tudo(destino + ".CSV");
  }

  PlataformaTeste plat_a, plat_b;
  Sistema sis_a{plat_a}, sis_b{plat_b};
  PastaTemporaria pasta;
};

TEST_F(IdaVolta, FullSheetComesBackWhole) {
  preenche_cheia(sis_a.origem);
  Grava_CSV(sis_a, pasta / "cheia", "CSV", sis_a.origem.DadosEntrada, 10000, 26);
  const std::string primeiro = le_tudo(pasta / "cheia.CSV");
  const std::string segundo = importa_e_exporta(pasta / "cheia.CSV", pasta / "de_novo");
  EXPECT_TRUE(texto_origem(sis_a.origem) == texto_origem(sis_b.origem));
  EXPECT_TRUE(primeiro == segundo) << "the exported file differs from the imported one";
  EXPECT_TRUE(plat_b.mensagens.empty());
}

TEST_F(IdaVolta, EveryWorksheetFixtureIsStableAfterOneExport) {
  for (const char* nome : {"full_block.csv", "only_block.csv", "quoted_semicolon.csv",
                           "doubled_quotes.csv", "no_block.txt", "sections_out_of_order.csv",
                           "mixed_line_ends.txt", "lowercase_fim.csv"}) {
    SCOPED_TRACE(nome);
    const std::string um = pasta / (std::string(nome) + ".1");
    const std::string dois = pasta / (std::string(nome) + ".2");
    EXPECT_TRUE(Importa_Arquivo(sis_a, dados(nome)));
    ASSERT_TRUE(Exporta_Planilha(sis_a, um, 1));
    const std::string primeiro = importa_e_exporta(um + ".CSV", dois);
    EXPECT_TRUE(texto_origem(sis_a.origem) == texto_origem(sis_b.origem));
    EXPECT_EQ(primeiro, le_tudo(um + ".CSV"));
  }
}

}  // namespace
}  // namespace zivu::teste
