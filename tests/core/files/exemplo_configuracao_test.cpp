// The sample configuration file fits the sample "DoDo geral" worksheet: its
// standard marking, run on the worksheet's bare cells, gives back the marks and
// settings that the worksheet's own configuration block holds.
#include <gtest/gtest.h>

#include <string>

#include "core/files/configuracao_arquivo.h"
#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"
#include "core/files/auxiliar_arquivos.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

std::string exemplo(const std::string& nome) { return std::string(ZIVU_EXEMPLOS) + "/" + nome; }

TEST(ExemploConfiguracao, StandardMarkingOfPadraoCfgRebuildsTheMarksOfDodoGeral) {
  teste::PlataformaTeste plat_bloco;
  Sistema com_bloco{plat_bloco};
  ASSERT_TRUE(Importa_Arquivo(com_bloco, exemplo("dodo_geral.csv")));
  const Origem& esperado = com_bloco.origem;

  // The same cells without their block: no marks, default settings.
  teste::PastaTemporaria pasta;
  const std::string bytes = teste::le_tudo(exemplo("dodo_geral.csv"));
  const size_t fim = bytes.find("[FIM]\r\n");
  ASSERT_NE(fim, std::string::npos);
  teste::escreve_tudo(pasta / "celulas.csv", bytes.substr(fim + 7));

  teste::PlataformaTeste plat;
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
  EXPECT_EQ(teste::texto_bloco(o.cfg), teste::texto_bloco(esperado.cfg));
}

}  // namespace
}  // namespace zivu
