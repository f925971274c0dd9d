#include "core/files/leitor.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>

#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "plataforma_teste.h"
#include "core/files/auxiliar_arquivos.h"
#include "core/files/leitor_interno.h"
#include "dourado.h"

namespace zivu::teste {
namespace {

class Leitura : public ::testing::Test {
 protected:
  void SetUp() override { definir_separador_decimal('.'); }

  bool le(const std::string& caminho) { return Le_Arquivo(sis, caminho, ModoLeitura::Planilha, o.DadosEntrada); }
  // Reads a file that holds only a block with these lines.
  bool bloco(const std::string& linhas) {
    escreve_tudo(pasta / "bloco.csv", "[INICIO]\r\n" + linhas + "[FIM]\r\n");
    return le(pasta / "bloco.csv");
  }
  const std::string& cel(int c, int r) const { return o.DadosEntrada.cel(c, r); }
  // The used part of the worksheet, a row per text with "|" between cells.
  std::vector<std::string> linhas() const {
    std::vector<std::string> v;
    for (int r = 1; r <= o.UltimaLinha; ++r) {
      std::string t;
      for (int c = 1; c <= o.UltimaColuna; ++c) t += (c > 1 ? "|" : "") + cel(c, r);
      v.push_back(t);
    }
    return v;
  }

  PlataformaTeste plat;
  Sistema sis{plat};
  Origem& o = sis.origem;
  PastaTemporaria pasta;
};

// ---- data lines

TEST_F(Leitura, FieldsQuotesAndLineEnds) {
  escreve_tudo(pasta / "f.csv", " a ;;b;\r\n\r\n;\r\n\"unterminated;x");
  const struct {
    std::string arquivo;
    std::vector<std::string> linhas;
  } casos[] = {
      {dados("quoted_semicolon.csv"), {"1|2|3", "ab|c;d|"}},
      {dados("quote_then_char.csv"), {"ab||c"}},  // the character after the closing quote is skipped
      // A doubled quote inside quotes is one quote; unquoted, a quote is text.
      {dados("doubled_quotes.csv"), {"Vila \"Nova\"|\"|a\"|x\"y"}},
      // Not trimmed; a final ";" adds no field; an unterminated quote runs to the end.
      {pasta / "f.csv", {" a ||b", "||", "||", "unterminated;x||"}},
      {dados("mixed_line_ends.txt"), {"a|b", "c|d", "e|f", "|", "g|"}},
      // Bytes read as Windows-1252.
      {dados("binary.dat"), {std::string("\0\x01\xC2\x81\xC3\xBF|\xC2\x8D", 9), "\x7F\"\xC2\x90|"}},
  };
  for (const auto& caso : casos) {
    o.CriarClick();
    EXPECT_TRUE(le(caso.arquivo)) << caso.arquivo;
    EXPECT_EQ(linhas(), caso.linhas) << caso.arquivo;
    EXPECT_TRUE(plat.mensagens.empty());
    // The file names the window; the status counts the lines; no wait cursor.
    EXPECT_EQ(o.tela.legenda_janela, "DoDo :: " + caso.arquivo);
    EXPECT_EQ(plat.situacoes.back(), std::to_string(caso.linhas.size()) + " linha(s) lida(s).");
    EXPECT_FALSE(plat.espera);
  }
}

// ---- block

// What each worksheet of tests/data leaves after a read, in one golden file:
// - no_block.txt keeps the settings set before and leaves no marks;
// - full_block.csv sets settings, marks, totals and sheet (and the check
//   box's handler ran);
// - only_block.csv loads settings and no cells;
// - lowercase_fim.csv: "[fim]" closes the block but not the data search;
// - sections_out_of_order.csv: the empty data section took the years' tag
//   with it;
// - empty_title_then_tag.csv: the block ends at its end line after an empty
//   section, the data lines are not settings;
// - malformed_number.csv keeps what was read and loads no cells;
// - refquartil_short.csv: reference columns keep one letter;
// - months_cedilla.csv: months match in ASCII capitals ("MARÇO" does not);
// - region_lines.csv: the sheet takes the shape of its lines; region lines
//   are trimmed, the last principal wins and a third year is ignored;
// - empty.csv loads nothing, quietly.
TEST_F(Leitura, WhatEachWorksheetLeaves) {
  std::string t;
  for (const char* nome : {"no_block.txt", "full_block.csv", "only_block.csv", "lowercase_fim.csv",
                           "sections_out_of_order.csv", "empty_title_then_tag.csv", "malformed_number.csv",
                           "refquartil_short.csv", "months_cedilla.csv", "region_lines.csv", "empty.csv"}) {
    PlataformaTeste p;
    Sistema s{p};
    s.origem.cfg.AnoProj = "2044";
    s.origem.define_DoDo_bloco(true);
    s.origem.DadosEntrada.cel(1, 1) = "old";
    s.origem.UltimaColuna = s.origem.UltimaLinha = 1;
    const bool ok = Le_Arquivo(s, dados(nome), ModoLeitura::Planilha, s.origem.DadosEntrada);
    t += std::string("== ") + nome + " " + (ok ? "ok" : "falha") + " outros_totais=" +
         std::to_string(s.origem.tela.Outros_totais_habilitado) + "\n";
    for (const auto& m : p.mensagens) {
      const std::string texto = m.texto;  // without the machine's path
      t += "! " + m.titulo + "|" + (texto.find(nome) == std::string::npos ? texto : texto.substr(texto.find(nome))) + "\n";
    }
    t += texto_origem(s.origem);
  }
  espera_dourado("leitura_blocos.txt", t);
}

TEST_F(Leitura, MethodLineInAnyCase) {
  o.define_DoDo_bloco(true);
  bloco("<lsecundaria>\r\ndodo GERAL\r\n");
  EXPECT_TRUE(o.cfg.DoDo_geral);
  EXPECT_FALSE(o.cfg.DoDo_bloco);
  bloco("<LSECUNDARIA>\r\nqualquer\r\n");
  EXPECT_TRUE(o.cfg.DoDo_bloco);
  EXPECT_FALSE(o.cfg.DoDo_geral);
  // The option's handler rebuilt the checklist.
  EXPECT_NE(std::find(o.Observacoes.begin(), o.Observacoes.end(),
                      "Informe linha(s) secundári(s) de comparação."),
            o.Observacoes.end());
}

TEST_F(Leitura, NumbersOutsideTheirRangeAreMalformed) {
  for (const char* linha : {"<ANOS>\r\n 3,4 \r\n", "<ANOS>\r\n3,2147483648\r\n",
                            "<PRINCIPAL>\r\n1,1..2,1 + = 4.800\r\n", "<DADOS>\r\n1,1,2,1\r\n",
                            "<PRINCIPAL>\r\n1,1..2,1+ = 5\r\n"}) {
    plat.mensagens.clear();
    EXPECT_FALSE(bloco(linha)) << linha;
    EXPECT_EQ(plat.mensagens.size(), 1u) << linha;
  }
}

// ---- bad files

// A FIFO or a device would block or never end: refused as unreadable.
TEST_F(Leitura, MissingOrUnreadableFile) {
  ASSERT_EQ(::mkfifo((pasta / "fifo.csv").c_str(), 0600), 0);
  for (const std::string& nome : {pasta / "nao_existe.csv", pasta.caminho(), pasta / "fifo.csv",
                                  std::string("/dev/zero")}) {
    o.cfg.AnoProj = "1999";
    EXPECT_FALSE(le(nome));
    EXPECT_EQ(plat.retira_mensagens(), "! Erro!|O arquivo " + nome + " pode estar em uso por outro programa/usuário.\n");
    EXPECT_EQ(o.cfg.AnoProj, "1999");
  }
}

// Past a bound the read stops there, with the message of the line past the
// sheet's last row or of a line wider than a row; what was read stays, with
// its extent.
TEST_F(Leitura, TenThousandAndOneLinesKeepTheFirstTenThousandWithTheirExtent) {
  std::string linhas;
  for (int i = 1; i <= 10001; ++i) linhas += "v" + std::to_string(i) + ";x\r\n";
  const struct {
    std::string texto, mensagem;
    int ultima, colunas;
    std::string primeira, ultima_celula;
  } casos[] = {
      {linhas, "10000 linhas.", 10000, 2, "v10000", "x"},
      {"[INICIO]\r\n[FIM]\r\n" + linhas, "10000 linhas.", 10000, 2, "v10000", "x"},
      {"[FIM]\r\na;b\r\n" + std::string(kMaxBytesLinha + 1, 'x') + "\r\nc\r\n", "26 colunas.", 1, 2, "a", "b"},
      {le_tudo(dados("line_27_fields.csv")), "26 colunas.", 2, 26, "1", "26"},  // that row's first 26 stay
  };
  for (const auto& caso : casos) {
    o.CriarClick();
    escreve_tudo(pasta / "limite.csv", caso.texto);
    EXPECT_FALSE(le(pasta / "limite.csv"));
    EXPECT_EQ(plat.retira_mensagens(), "! Erro!|O arquivo possui mais de " + caso.mensagem + "\n");
    EXPECT_EQ(o.UltimaLinha, caso.ultima);
    EXPECT_EQ(o.UltimaColuna, caso.colunas);
    EXPECT_EQ(cel(1, caso.ultima), caso.primeira);
    EXPECT_EQ(cel(caso.colunas, caso.ultima), caso.ultima_celula);
    EXPECT_EQ(o.DadosEntrada.le(1, caso.ultima + 1), "");
    EXPECT_EQ(plat.situacoes.back(), std::to_string(caso.ultima) + " linha(s) lida(s).");
    EXPECT_FALSE(plat.espera);
  }
}

// ---- reload mode

TEST_F(Leitura, ReloadModeOnlyLoadsCells) {
  Grade& destino = sis.simples.DadosSaida;
  destino.cel(1, 1) = "old";
  destino.cel(5, 20) = "beyond";
  o.UltimaColuna = 7;
  o.UltimaLinha = 9;
  o.cfg.AnoProj = "1999";
  EXPECT_TRUE(Le_Arquivo(sis, dados("full_block.csv"), ModoLeitura::Recarga, destino));
  EXPECT_EQ(destino.cel(2, 4), "São João");
  EXPECT_EQ(destino.cel(1, 1), "Código");
  EXPECT_EQ(destino.cel(5, 20), "beyond");
  EXPECT_EQ(o.cfg.AnoProj, "1999");
  EXPECT_EQ(o.UltimaColuna, 7);
  EXPECT_EQ(o.UltimaLinha, 9);
  EXPECT_EQ(o.tela.legenda_janela, "DoDo :: " + dados("full_block.csv"));
}

// ---- import

class Importacao : public Leitura {};

TEST_F(Importacao, ExtensionComparedInCapitalsAfterTheLastDotOfTheFileName) {
  std::filesystem::create_directories(pasta / "joao.silva");
  for (const char* nome : {"joao.silva/planilha", "a.b.Csv", "dados.csv.Txt"}) {
    escreve_tudo(pasta / nome, std::string(nome) + ";2\r\n");
    EXPECT_TRUE(Importa_Arquivo(sis, pasta / nome));
    EXPECT_EQ(cel(1, 1), nome);
  }
  EXPECT_TRUE(plat.mensagens.empty());
}

// Another extension asks: yes reads lines whole, no leaves an empty worksheet.
TEST_F(Importacao, OtherExtensionAsksAndYesReadsLinesWhole) {
  plat.respostas = {Resposta::Sim, Resposta::Nao};
  EXPECT_TRUE(Importa_Arquivo(sis, dados("worksheet.dat")));
  EXPECT_EQ(plat.mensagens.at(0).botoes, Botoes::SimNao);
  EXPECT_EQ(plat.retira_mensagens(), "! Aviso!|Método de importação ainda não definido.\r\rAbrir como ASCII?\n");
  EXPECT_EQ(cel(1, 1), "1  Código Nome ");
  EXPECT_EQ(cel(1, 2), "2  101    Alfa ");
  EXPECT_EQ(o.UltimaColuna, 1);
  sis.simples.Adaptar = sis.quartis.Adaptar = true;
  EXPECT_FALSE(Importa_Arquivo(sis, dados("worksheet.dat")));
  EXPECT_EQ(cel(1, 1), "");
  EXPECT_FALSE(sis.simples.Adaptar);
  EXPECT_FALSE(sis.quartis.Adaptar);
}

// Refused before anything is cleared or asked: the worksheet on screen stays.
TEST_F(Importacao, FileNotTextOrEmptyKeepsTheWorksheet) {
  const std::pair<std::string, std::string> casos[] = {
      {dados("binary.dat"), " não é um arquivo de texto e não pode ser lido como planilha."},
      {dados("empty.csv"), " está vazio."},
  };
  for (const auto& [nome, texto] : casos) {
    o.DadosEntrada.cel(1, 1) = "old";
    o.UltimaColuna = o.UltimaLinha = 1;
    sis.princ.ArquivoPlanilha = "anterior.csv";
    EXPECT_FALSE(Importa_Arquivo(sis, nome));
    EXPECT_EQ(plat.retira_mensagens(), "! Erro!|O arquivo " + nome + texto + "\n");
    EXPECT_EQ(cel(1, 1), "old");
    EXPECT_EQ(o.UltimaLinha, 1);
    EXPECT_EQ(sis.princ.ArquivoPlanilha, "anterior.csv");
  }
}

TEST_F(Importacao, ImportRebuildsTheChecklist) {
  EXPECT_TRUE(Importa_Arquivo(sis, dados("full_block.csv")));
  EXPECT_TRUE(o.Observacoes.empty());
  EXPECT_TRUE(o.tela.Processa_habilitado);
  EXPECT_TRUE(Importa_Arquivo(sis, dados("no_block.txt")));
  EXPECT_FALSE(o.tela.Processa_habilitado);
}

TEST_F(Importacao, DialogOffersWorksheetFiltersAndCancelOnlyRebuildsChecklist) {
  o.DadosEntrada.cel(1, 1) = "kept";
  ImportarClick(sis);
  ASSERT_EQ(plat.dialogos.size(), 1u);
  EXPECT_EQ(plat.dialogos[0].filtro,
            "CSV (Arq. separado por ';')|*.csv|DAT (Arq. de dados SAS - separado por espaços)|*.DAT");
  EXPECT_EQ(cel(1, 1), "kept");
  plat.escolhas.push_back(EscolhaArquivo{dados("quoted_semicolon.csv"), 1});
  ImportarClick(sis);
  EXPECT_EQ(cel(2, 2), "c;d");
}

// One column read alone holds the cells a reload of the whole file places.
TEST_F(Leitura, OneColumnAsTheReloadPlacesIt) {
  escreve_tudo(pasta / "bom.csv", "\xEF\xBB\xBF\"S\xC3\xA3o\";\"a\"\"b\"x;c\r\"fim\n" + std::string(26, ';') +
                                      "27\r\n\"depois\"");
  std::vector<std::string> arquivos{pasta / "bom.csv"};
  for (const auto& e : std::filesystem::directory_iterator(ZIVU_TEST_DATA))
    if (e.is_regular_file()) arquivos.push_back(e.path().string());
  for (const std::string& f : arquivos) {
    Grade g("g", kColunasPlanilha, 41);
    Le_Arquivo(sis, f, ModoLeitura::Recarga, g);
    for (int c = 1; c < kColunasPlanilha; ++c) {
      const auto coluna = Le_Coluna(f, c, 40);
      ASSERT_TRUE(coluna);
      for (int r = 1; r <= 40; ++r) EXPECT_EQ((*coluna)[r - 1], g.cel(c, r)) << f << " " << c << "," << r;
    }
  }
  EXPECT_FALSE(Le_Coluna(pasta / "nenhum.csv", 1, 1));
}

}  // namespace
}  // namespace zivu::teste
