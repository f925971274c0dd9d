// The all-years file for Vardex and the translation file of both windows;
// the simple results window's exports.
#include "core/engine/calculo.h"
#include "core/engine/escolha_ano.h"
#include "core/results/saida_outros.h"
#include "core/results/simples_exportar.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/engine/quartis_calculo.h"
#include "core/engine/simples_auxiliar.h"
#include "core/engine/simples_calculo.h"
#include "core/files/ano_arquivos.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "dourado.h"
#include "core/worksheet/validacao.h"

namespace zivu::teste {
namespace {

const char* const kQuestao = "Você não fez a adaptação para o resultado.\rDeseja fazê-la agora?\r\r";

// calc_geral.csv: codes in A and B (carried as titles), 1990 in C, 2000 in
// D; intermediate years 2001 and 2002, the second one needing an adjustment
// of +1.
class SaidaSimples : public ::testing::Test {
 protected:
  AmbienteSimples a;
  void SetUp() override {
    ASSERT_TRUE(Importa_Arquivo(a.sis, dados("calc_geral.csv")));
    ASSERT_TRUE(Calcular(a.sis));
    a.plat.mensagens.clear();
  }
  void responde_dialogo(const std::string& nome) { a.plat.escolhas.push_back(EscolhaArquivo{nome, 1}); }
};

TEST_F(SaidaSimples, AllYearsFileWithAdjustmentAndTheWorksheetsLastRow) {
  responde_dialogo(a.pasta / "vardex.csv");
  ASSERT_TRUE(Salva_Uniao(a.sis, DestinoUniao::Vardex));
  // Row 2 has no small-area code; the last row of the worksheet is kept.
  espera_dourado("calc_geral_vardex.csv", le_tudo(a.pasta / "vardex.csv"));
  EXPECT_EQ(a.s().Ano_Projetado_hint, "2002");
  EXPECT_FALSE(a.s().Adaptar);
  EXPECT_EQ(le_tudo(a.temp("SA2002")), "nao adaptar");
  ASSERT_EQ(a.plat.dialogos.size(), 1u);
  EXPECT_EQ(a.plat.dialogos[0].extensao_padrao, "CSV");
}

TEST_F(SaidaSimples, RefusalsWriteNothing) {
  EXPECT_FALSE(Salva_Uniao(a.sis, DestinoUniao::Vardex));  // dialog cancelled
  responde_dialogo("  ");
  EXPECT_FALSE(Salva_Uniao(a.sis, DestinoUniao::Vardex));
  EXPECT_TRUE(a.plat.mensagens.empty());
  a.plat.respostas.push_back(Resposta::Cancelar);
  EXPECT_FALSE(DoDo_TradutorClick(a.sis));
  EXPECT_EQ(a.plat.dialogos.size(), 2u);
  EXPECT_TRUE(a.s().Adaptar);

  // Both codes are needed by Vardex and the translation, not by the union.
  a.o().cfg.Existe_cd_menor = false;
  EXPECT_FALSE(Salva_Uniao(a.sis, DestinoUniao::Vardex));
  EXPECT_FALSE(DoDo_TradutorClick(a.sis));
  const std::string codigos = "! Aviso!|Para esta operação, deve haver:\rCódigo da área maior e\rCódigo da área "
                              "menor\r\rAcesse Configuração-Quartis-Pontos de referência.\n";
  EXPECT_EQ(a.plat.retira_mensagens(), "! Aviso!|" + std::string(kQuestao) + "\n" + codigos + codigos);
  responde_dialogo(a.pasta / "uniao.csv");
  EXPECT_TRUE(Salva_Uniao(a.sis, DestinoUniao::Unir));
  EXPECT_TRUE(existe(a.pasta / "uniao.csv"));
}

// A file that cannot be created names the platform's error once; a code
// that is no number gives the same message and leaves the old file.
TEST_F(SaidaSimples, VardexErrorsNameTheirCause) {
  const std::string erro = "! Aviso!|Erro ao tentar gravar o arquivo para o sistema Vardex.\r\rErro original: ";
  responde_dialogo(a.pasta / "sem_pasta/vardex.csv");
  EXPECT_FALSE(Salva_Uniao(a.sis, DestinoUniao::Vardex));
  EXPECT_EQ(a.plat.retira_mensagens(), erro + std::strerror(ENOENT) + "\n");
  a.o().DadosEntrada.cel(2, 4) = "x13";
  ASSERT_TRUE(Calcular(a.sis));  // the titles reach the results grid with the next run
  escreve_tudo(a.pasta / "vardex.csv", "antigo");
  responde_dialogo(a.pasta / "vardex.csv");
  EXPECT_FALSE(Salva_Uniao(a.sis, DestinoUniao::Vardex));
  EXPECT_EQ(a.plat.retira_mensagens(), erro + "'x13' não é um valor real válido.\n");
  EXPECT_EQ(le_tudo(a.pasta / "vardex.csv"), "antigo");
}

TEST_F(SaidaSimples, TranslationFileOfTheYearOnScreen) {
  // 2002 is on screen and still to be adjusted: "Não" keeps its figures.
  a.plat.respostas.push_back(Resposta::Nao);
  responde_dialogo(a.pasta / "traducao");
  ASSERT_TRUE(DoDo_TradutorClick(a.sis));
  EXPECT_EQ(a.plat.mensagens.at(0).botoes, Botoes::SimNaoCancelar);
  EXPECT_EQ(a.plat.retira_mensagens(), "! Aviso!|" + std::string(kQuestao) + "\n");
  EXPECT_EQ(a.plat.dialogos[0].filtro, "CSV (Arq. separado por ';')|*.csv");
  EXPECT_EQ(le_tudo(a.pasta / "traducao.CSV"), "5;12;130;145\r\n5.5;13;470;505\r\n5;14;600;650\r\n");

  a.plat.respostas.push_back(Resposta::Sim);
  responde_dialogo(a.pasta / "ajustado.Csv");
  ASSERT_TRUE(DoDo_TradutorClick(a.sis));
  EXPECT_EQ(le_tudo(a.pasta / "ajustado.Csv"), "5;12;130;145\r\n5.5;13;470;505\r\n5;14;600;651\r\n");
  EXPECT_FALSE(a.s().Adaptar);
}

TEST(SaidaQuartis, AllYearsAndTranslationFilesFromTheUnion) {
  AmbienteSimples a;
  std::filesystem::create_directories(a.temp(""));
  Quartis& q = a.sis.quartis;
  q.Tab_Uniao.redimensiona(11, 3);
  const char* linhas[2][10] = {
      {"1 - Bloco", "43", "UF", "101", "Pequena", "100", "130", "2.6", "145", "2.2"},
      {"1 - Bloco", "43", "UF", "7", "Grande", "600", "660", "0.9", "1155", "0.8"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 10; ++c) q.Tab_Uniao.cel(c + 1, r + 1) = linhas[r][c];
  q.Esc_Ano_Projetado = {"2005"};
  a.s().Esc_Ano_Projetado = {"2005"};
  q.Ano_Projetado_hint = "2005";
  Grava_Ano(a.sis, "2005", Metodo::Quartis);
  EXPECT_EQ(le_tudo(a.temp("QA2005")), "nao adaptar");

  a.plat.escolhas.push_back(EscolhaArquivo{a.pasta / "v.csv", 1});
  ASSERT_TRUE(Salva_Uniao_Quartis(a.sis, DestinoUniao::Vardex));
  EXPECT_EQ(le_tudo(a.pasta / "v.csv"),
            "\"2005\";\"43\";\"0101\";\"145\";\r\n\"2005\";\"43\";\"0007\";\"1155\";\r\n");

  // The quartile window keeps the name as chosen.
  a.plat.escolhas.push_back(EscolhaArquivo{a.pasta / "t", 1});
  ASSERT_TRUE(DoDo_TradutorClick_Quartis(a.sis));
  EXPECT_EQ(le_tudo(a.pasta / "t"), "43;101;130;145\r\n43;7;660;1155\r\n");
}

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
  EXPECT_EQ(a.plat.dialogos.back().filtro, kFiltrosArquivos);
}

}  // namespace
}  // namespace zivu::teste
