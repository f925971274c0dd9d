// The writers' bytes, the worksheet's export with its totals file, and the
// round trip: a worksheet written and read back is the same worksheet, and
// exporting it again gives the same bytes (zivu-cli's tests hold the byte
// check of a writer's file against its fixture). The configuration file:
// saved, loaded through the controls' rules, refused, and the sample one.
#include "core/files/configuracao_arquivo.h"
#include "core/files/gravador.h"

#include <gtest/gtest.h>

#include "core/files/arquivos.h"
#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor.h"
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

const char* const kLeitura = "! Falha!|Leitura impossível. Arquivo em uso ou corrompido.\n";
const char* const kGravacao = "! Falha!|Gravação impossível. Meio inválido ou arquivo em uso.\n";

class ArquivoConfiguracao : public TesteSistema {
 protected:
  void SetUp() override { definir_separador_decimal('.'); }
  PastaTemporaria pasta;
};

TEST_F(ArquivoConfiguracao, DefaultsAreSavedAsTheRecordAndEmptyEditsShowZero) {
  EXPECT_TRUE(Salva_Configuracao(sis, pasta / "p.cfg"));
  espera_dourado("configuracao_padrao.cfg", le_tudo(pasta / "p.cfg"));
  EXPECT_EQ(o.cfg.LinhaAnoInicial, "0");
  EXPECT_EQ(o.cfg.LinhaInicial, "0");
  EXPECT_TRUE(o.tela.X_Anos);  // row 0 is no valid row
  EXPECT_TRUE(plat.mensagens.empty());
}

TEST_F(ArquivoConfiguracao, LoadSetsEveryControlThroughItsRules) {
  o.Ano(3, 3);
  o.DadosEntrada.cel(1, 1) = "kept";
  EXPECT_TRUE(Abre_Configuracao(sis, dados("config_cols_ant.cfg")));
  EXPECT_EQ(texto_configuracao(o.cfg),
            "ano=2025 inter=1 geral=0 bloco=1 aprox=1 casas=2 div=75000 meses=0,11,5 ref=1E,0F,1,0Z | "
            "anos=2 linha=3 coluna=C p=0 ant=01 nao_marcar=0 linrel=55");
  // Red marks and handlers followed the values.
  EXPECT_FALSE(o.tela.X_Anos);
  EXPECT_FALSE(o.tela.X_Dados);
  EXPECT_FALSE(o.tela.X_Titulos);
  EXPECT_TRUE(o.tela.MarcaPadrao_habilitado);
  EXPECT_TRUE(o.tela.Outros_totais_habilitado);
  // Marks and cells are never touched.
  EXPECT_EQ(o.CelulasAno[0], (CelulaAno{3, 3}));
  EXPECT_EQ(o.DadosEntrada.cel(1, 1), "kept");
}

TEST_F(ArquivoConfiguracao, SavedSettingsComeBack) {
  o.define_Nao_Marcar(true);
  o.LinhaAnoInicialChange("12");
  o.cfg.Mes_Ano0 = 3;
  o.cfg.Existe_nome_menor = true;
  o.cfg.Nome_menor = "Q";
  o.cfg.LinRel = "";
  ASSERT_TRUE(Salva_Configuracao(sis, pasta / "c.cfg"));
  const Configuracao salva = o.cfg;
  EXPECT_EQ(salva.LinRel, "0");
  o.PadroesClick();
  o.define_Col_Ant(true);
  ASSERT_TRUE(Abre_Configuracao(sis, pasta / "c.cfg"));
  EXPECT_EQ(texto_configuracao(o.cfg), texto_configuracao(salva));
  EXPECT_TRUE(o.cfg.Nao_Marcar);
  EXPECT_FALSE(o.cfg.Col_Ant);
  EXPECT_FALSE(o.cfg.Cols_Ant);
}

TEST_F(ArquivoConfiguracao, RefusedFilesChangeNothingAndLongerFileReadsFirst60Bytes) {
  o.LinhaAnoInicialChange("7");
  o.cfg.AnoProj = "1999";
  const std::string antes = texto_configuracao(o.cfg);
  for (const std::string& nome : {dados("config_59_bytes.cfg"), dados("config_month_12.cfg"),
                                  dados("config_flag_2.cfg"), dados("config_lower_letter.cfg"), pasta / "nao.cfg"}) {
    EXPECT_FALSE(Abre_Configuracao(sis, nome)) << nome;
    EXPECT_EQ(plat.retira_mensagens(), kLeitura) << nome;
    EXPECT_EQ(texto_configuracao(o.cfg), antes) << nome;
  }
  EXPECT_TRUE(Abre_Configuracao(sis, dados("config_61_bytes.cfg")));
  EXPECT_EQ(o.cfg.AnoProj, "2031");
}

TEST_F(ArquivoConfiguracao, ValueOver32BitsGivesWritingMessageAndKeepsOldFile) {
  escreve_tudo(pasta / "v.cfg", "old");
  o.cfg.Div_habitantes = "2147483648";
  EXPECT_FALSE(Salva_Configuracao(sis, pasta / "v.cfg"));
  EXPECT_EQ(plat.retira_mensagens(), kGravacao);
  EXPECT_EQ(le_tudo(pasta / "v.cfg"), "old");
  EXPECT_FALSE(Salva_Configuracao(sis, pasta / "falta/v.cfg"));
  EXPECT_EQ(plat.retira_mensagens(), kGravacao);
}

TEST_F(ArquivoConfiguracao, DialogsUseTheCfgFilterAndWorksheetDialogsKeepTheirs) {
  plat.escolhas.push_back(EscolhaArquivo{pasta / "d.cfg", 1});
  SalvaConfClick(sis);
  plat.escolhas.push_back(EscolhaArquivo{pasta / "d.cfg", 1});
  AbreConfClick(sis);
  ExportarClick(sis);
  ASSERT_EQ(plat.dialogos.size(), 3u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(plat.dialogos[i].filtro, "CFG (Arq. de configuração)|*.CFG");
    EXPECT_EQ(plat.dialogos[i].extensao_padrao, "*.cfg");
  }
  EXPECT_EQ(plat.dialogos[2].filtro, kFiltrosArquivos);
  EXPECT_EQ(le_tudo(pasta / "d.cfg").size(), 60u);
  EXPECT_TRUE(plat.mensagens.empty());
}

std::string exemplo(const std::string& nome) { return std::string(ZIVU_EXEMPLOS) + "/" + nome; }

// The sample configuration file fits the sample "DoDo geral" worksheet: its
// standard marking, run on the worksheet's bare cells, gives back the marks and
// settings that the worksheet's own configuration block holds.
TEST(ExemploConfiguracao, StandardMarkingOfPadraoCfgRebuildsTheMarksOfDodoGeral) {
  PlataformaTeste plat_bloco;
  Sistema com_bloco{plat_bloco};
  ASSERT_TRUE(Importa_Arquivo(com_bloco, exemplo("dodo_geral.csv")));
  const Origem& esperado = com_bloco.origem;

  // The same cells without their block: no marks, default settings.
  PastaTemporaria pasta;
  const std::string bytes = le_tudo(exemplo("dodo_geral.csv"));
  const size_t fim = bytes.find("[FIM]\r\n");
  ASSERT_NE(fim, std::string::npos);
  escreve_tudo(pasta / "celulas.csv", bytes.substr(fim + 7));

  PlataformaTeste plat;
  Sistema sis{plat};
  Origem& o = sis.origem;
  ASSERT_TRUE(Importa_Arquivo(sis, pasta / "celulas.csv"));
  ASSERT_TRUE(o.LinhaPrincipal.vazia());
  ASSERT_TRUE(Abre_Configuracao(sis, exemplo("padrao.cfg")));
  EXPECT_FALSE(o.tela.X_Anos);
  EXPECT_FALSE(o.tela.X_Dados);
  EXPECT_FALSE(o.tela.X_Titulos);
  o.MarcaPadraoClick();
  EXPECT_TRUE(plat.mensagens.empty());

  EXPECT_EQ(o.CelulasAno, esperado.CelulasAno);
  EXPECT_EQ(o.LinhaPrincipal, esperado.LinhaPrincipal);
  ASSERT_FALSE(o.AreasDados.empty());
  EXPECT_EQ(o.AreasDados.front(), esperado.AreasDados.front());
  ASSERT_FALSE(o.Titulos.empty());
  EXPECT_EQ(o.Titulos.front(), esperado.Titulos.front());
  EXPECT_TRUE(o.Observacoes.empty());

  // The settings both files carry agree.
  EXPECT_EQ(texto_bloco(o.cfg), texto_bloco(esperado.cfg));
}

}  // namespace
}  // namespace zivu::teste
