// Questions and commands of the main window.
#include <gtest/gtest.h>

#include "core/janela_principal.h"
#include "core/worksheet/sistema.h"
#include "plataforma_teste.h"

namespace zivu {
namespace {

class JanelaPrincipal : public teste::TesteSistema {
 protected:

  void marca_tudo() {
    o.Ano(1, 1);
    o.Ano(2, 1);
    o.Principal(1, 2, 2, 2);
    o.Dados(1, 3, 2, 5);
  }
};

TEST_F(JanelaPrincipal, FecharPerguntaESoFechaComSim) {
  plat.respostas = {Resposta::Nao, Resposta::Sim};
  EXPECT_FALSE(FormClose_Princ(sis));
  EXPECT_TRUE(FormClose_Princ(sis));
  ASSERT_EQ(plat.mensagens.size(), 2u);
  EXPECT_EQ(plat.mensagens[0].texto, "Fechar o derova ZiVu não salvará seu trabalho.\rContinuar?");
  EXPECT_EQ(plat.mensagens[0].botoes, Botoes::SimNao);
}

TEST_F(JanelaPrincipal, SegundaInstanciaPerguntaSeContinua) {
  plat.respostas = {Resposta::Nao, Resposta::Sim};
  EXPECT_FALSE(Pergunta_Segunda_Instancia(plat));
  EXPECT_TRUE(Pergunta_Segunda_Instancia(plat));
  EXPECT_EQ(plat.mensagens[0].texto,
            "A aplicação já encontra-se em execução!\rUse ALT-TAB para exibi-la.\r\r"
            "Caso a última execução tenha travado e\rvocê não veja necessidade de re-iniciar\r"
            "o computador, posso ignorar e continuar.\r\r"
            "Você deseja continuar a carga do derova ZiVu?");
  EXPECT_EQ(plat.mensagens[0].botoes, Botoes::SimNao);
}

TEST_F(JanelaPrincipal, AvisosDeAjudaEAtalho) {
  Aviso_Sem_Ajuda(plat);
  Aviso_Falha_Atalho(plat, "Permissão negada");
  ASSERT_EQ(plat.mensagens.size(), 2u);
  EXPECT_EQ(plat.mensagens[0].texto, "Não foi encontrado o arquivo de HELP!");
  EXPECT_EQ(plat.mensagens[1].texto,
            "Problema ao tentar criar atalho para o sistema.\r\rErro original: Permissão negada");
}

TEST_F(JanelaPrincipal, QuartisDoMenuECaixaSeguemUmAOutro) {
  o.MetodoQuartisClick(true);
  EXPECT_FALSE(sis.princ.Quartis1_marcado);  // check box disabled: no mark
  marca_tudo();
  ASSERT_TRUE(sis.princ.Quartis1_habilitado);
  Quartis1Click(sis);
  EXPECT_TRUE(sis.princ.Quartis1_marcado);
  EXPECT_TRUE(o.cfg.MetodoQuartis);
  Quartis1Click(sis);
  EXPECT_FALSE(sis.princ.Quartis1_marcado);
  EXPECT_FALSE(o.cfg.MetodoQuartis);
  o.MetodoQuartisClick(true);
  EXPECT_TRUE(sis.princ.Quartis1_marcado);
  o.MetodoQuartisClick(false);
  EXPECT_FALSE(sis.princ.Quartis1_marcado);
}

}  // namespace
}  // namespace zivu
