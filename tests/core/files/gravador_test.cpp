#include "core/files/gravador.h"

#include <gtest/gtest.h>

#include "core/files/arquivos.h"
#include "core/files/auxiliar_arquivos.h"
#include "dourado.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

class Gravacao : public TesteSistema {
 protected:
  void SetUp() override { definir_separador_decimal(','); }

  // Years C1 and D1 (1991, 2000), principal line, two secondary lines, data
  // and title areas, a totals sheet for 2001..2003.
  void planilha_marcada() {
    Grade& d = o.DadosEntrada;
    d.cel(3, 1) = "1991";
    d.cel(4, 1) = "2000";
    d.cel(2, 2) = "Total";
    d.cel(2, 3) = "Vila \"Nova\"";
    o.UltimaColuna = 4;
    o.UltimaLinha = 6;
    o.Ano(3, 1);
    o.Ano(4, 1);
    o.Principal(3, 2, 4, 2);
    o.TotalPrincipal = 4800;
    o.SubDivisao(3, 3, 4, 3);
    o.SubDivisao(3, 5, 4, 5);
    o.TotaisSecundarios = {3000, 1800};
    o.Dados(3, 4, 4, 4);
    o.Dados(3, 6, 4, 6);
    o.Fixos(1, 4, 2, 6);
    o.cfg.AnoProj = "2003";
    o.define_Anos_intermediarios(true);
    o.Outros_totaisClick();
    o.Grade_totais.cel(2, 1) = "4000";
  }

  PastaTemporaria pasta;
};

TEST_F(Gravacao, BlockOfTheDefaultAndOfAMarkedWorksheet) {
  espera_dourado("bloco_padrao.txt", bloco_configuracao(sis));
  planilha_marcada();
  o.define_DoDo_bloco(true);
  o.cfg.Aproximar = true;
  o.cfg.NCasasDec = " 2";
  o.cfg.Existe_nome_maior = true;
  o.cfg.Nome_maior = " ";
  o.cfg.Cd_menor = "";
  espera_dourado("bloco_marcado.txt", bloco_configuracao(sis));
  // Empty reference columns were set to "A" on the window.
  EXPECT_EQ(o.cfg.Nome_maior, "A");
  EXPECT_EQ(o.cfg.Cd_menor, "A");
}

// ---- Grava_CSV

// The bytes of each writer, in one golden file:
// - a CSV of another grid has no block and at most 26 columns, quotes doubled;
// - CSV is Windows-1252, or UTF-8 with its mark when a text does not fit;
// - DAT widths count characters and include the headers; row numbers are
//   padded to the longest; an empty grid writes no file.
TEST_F(Gravacao, BytesOfTheCsvAndDatWriters) {
  Grade g("DadosSaida", 31, 4);
  for (int c = 1; c <= 30; ++c) g.cel(c, 1) = std::to_string(c);
  g.cel(1, 2) = "a\"b";
  Grava_CSV(sis, pasta / "saida", "csv", g, 2, 30);
  Grade h("G", 3, 3);
  h.cel(1, 1) = "São";
  Grava_CSV(sis, pasta / "a", "CSV", h, 1, 1);
  h.cel(2, 1) = "Ω";
  Grava_CSV(sis, pasta / "b", "CSV", h, 1, 2);
  Grade& d = o.DadosEntrada;
  d.cel(3, 3) = "   ";
  Grava_DAT(pasta / "e.DAT", d);
  d.cel(2, 1) = "São Paulo";
  d.cel(1, 2) = " 12 ";
  d.cel(3, 3) = "x";
  Grava_DAT(pasta / "d.DAT", d);
  d.cel(1, 100) = "b";
  Grava_DAT(pasta / "n.DAT", d);
  std::string t;
  for (const std::string& nome : conteudo(pasta.caminho())) t += "== " + nome + "\n" + le_tudo(pasta / nome) + "\n";
  espera_dourado("gravador_bytes.txt", t);
}

TEST_F(Gravacao, CsvNameAndExtensionRules) {
  Grade g("G", 3, 3);
  g.cel(1, 1) = "x";
  Grava_CSV(sis, pasta / "dados.csv", "CSV", g, 1, 1);
  Grava_CSV(sis, pasta / "outro.Csv", "CSV", g, 1, 1);
  Grava_CSV(sis, pasta / "nada", "TXT", g, 1, 1);
  Grava_CSV(sis, pasta / "v", "CSV", g, 2, 0);  // rows without columns are empty lines
  EXPECT_EQ(le_tudo(pasta / "dados.csv"), "\"x\";\r\n");
  EXPECT_EQ(le_tudo(pasta / "v.CSV"), "\r\n\r\n");
  EXPECT_EQ(conteudo(pasta.caminho()), (std::vector<std::string>{"dados.csv", "outro.Csv", "v.CSV"}));
  EXPECT_THROW(Grava_CSV(sis, pasta / "falta/a", "CSV", g, 1, 1), ErroArquivo);
}

TEST_F(Gravacao, CsvOfTheWorksheetStartsWithItsBlock) {
  planilha_marcada();
  Grava_CSV(sis, pasta / "p", "CSV", o.DadosEntrada, 3, 2);
  const std::string bytes = le_tudo(pasta / "p.CSV");
  const std::string dados_csv = "\"\";\"\";\r\n\"\";\"Total\";\r\n\"\";\"Vila \"\"Nova\"\"\";\r\n";
  ASSERT_GT(bytes.size(), dados_csv.size());
  EXPECT_EQ(bytes.substr(bytes.size() - dados_csv.size()), dados_csv);
  EXPECT_EQ(bytes.substr(0, 10), "[INICIO]\r\n");
  EXPECT_NE(bytes.find("[FIM]\r\n\"\";\"\";\r\n"), std::string::npos);
}

// ---- export

TEST_F(Gravacao, ExportNamesCaptionAndStaleTotalsFile) {
  escreve_tudo(pasta / "vazia.TOT", "old");
  escreve_tudo(pasta / "outro.csv.TOT", "old");
  // DAT always appends its extension; an empty grid writes no file.
  EXPECT_TRUE(Exporta_Planilha(sis, pasta / "vazia", 2));
  EXPECT_EQ(o.tela.legenda_pagina, "DoDo :: " + (pasta / "vazia") + ".DAT");
  o.DadosEntrada.cel(1, 1) = "a";
  o.UltimaColuna = o.UltimaLinha = 1;
  EXPECT_TRUE(Exporta_Planilha(sis, pasta / "dados", 2));
  EXPECT_EQ(le_tudo(pasta / "dados.DAT"), "1 a\r\n");
  EXPECT_TRUE(Exporta_Planilha(sis, pasta / "dados", 1));
  EXPECT_EQ(o.tela.legenda_pagina, "DoDo :: " + (pasta / "dados") + ".CSV");
  EXPECT_TRUE(Exporta_Planilha(sis, pasta / "outro.csv", 1));
  EXPECT_EQ(o.tela.legenda_pagina, "DoDo :: " + (pasta / "outro.csv") + ".CSV");
  EXPECT_EQ(conteudo(pasta.caminho()), (std::vector<std::string>{"dados.CSV", "dados.DAT", "outro.csv"}));
  EXPECT_TRUE(plat.mensagens.empty());
}

TEST_F(Gravacao, ExportWritesTotalsFileWithIntermediateYearsOrReportsIt) {
  planilha_marcada();
  o.Grade_totais.cel(1, 1) = "stale";  // refreshed before writing
  EXPECT_TRUE(Exporta_Planilha(sis, pasta / "t", 1));
  EXPECT_EQ(le_tudo(pasta / "t.TOT"),
            "\xC1reas;2003;2001;2002;\r\nP;4800;4000;0;\r\nS1;3000;0;0;\r\nS2;1800;0;0;\r\n");

  std::filesystem::create_directory(pasta / "u.TOT");
  EXPECT_FALSE(Exporta_Planilha(sis, pasta / "u", 1));
  EXPECT_EQ(plat.retira_mensagens(),
            "! Alerta!|" + (pasta / "u") + ".TOT\rEste é o arquivo de totais, que pode estar em uso.\n");
  EXPECT_TRUE(existe(pasta / "u.CSV"));  // the export itself stays
}

TEST_F(Gravacao, FailedExportGoesToGeneralErrorAndNoFurther) {
  std::filesystem::create_directory(pasta / "alvo.CSV");
  escreve_tudo(pasta / "alvo.TOT", "old");
  EXPECT_FALSE(Exporta_Planilha(sis, pasta / "alvo", 1));
  ASSERT_EQ(plat.mensagens.size(), 1u);
  EXPECT_EQ(plat.retira_mensagens().rfind("! Derova ZiVu 1.0|Não foi possível gravar o arquivo " + (pasta / "alvo"), 0),
            0u);
  EXPECT_TRUE(existe(pasta / "alvo.TOT"));
  EXPECT_EQ(o.tela.legenda_pagina, "DoDo");
}

TEST_F(Gravacao, ExportCommandUsesTheDialogFilter) {
  o.DadosEntrada.cel(1, 1) = "a";
  o.UltimaColuna = o.UltimaLinha = 1;
  ExportarClick(sis);  // cancelled
  ASSERT_EQ(plat.dialogos.size(), 1u);
  EXPECT_EQ(plat.dialogos[0].filtro, kFiltrosArquivos);
  plat.escolhas.push_back(EscolhaArquivo{pasta / "x", 2});
  ExportarClick(sis);
  EXPECT_TRUE(existe(pasta / "x.DAT"));
  EXPECT_FALSE(existe(pasta / "x.CSV"));
}

}  // namespace
}  // namespace zivu::teste
