#include "core/files/configuracao_arquivo.h"

#include <gtest/gtest.h>

#include "core/files/auxiliar_arquivos.h"
#include "dourado.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "plataforma_teste.h"

namespace zivu::teste {
namespace {

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
