// Questions and commands of the main window; texts of the system
// information window.
#include <gtest/gtest.h>

#include "core/janela_principal.h"
#include "core/sobre.h"
#include "core/text/numeros.h"
#include "core/worksheet/sistema.h"
#include "dourado.h"
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

// Questions and notices, titles, buttons and texts in a golden file: closing
// and a second run go on only with "Sim".
TEST_F(JanelaPrincipal, PerguntasEAvisos) {
  plat.respostas = {Resposta::Nao, Resposta::Sim, Resposta::Nao, Resposta::Sim};
  EXPECT_FALSE(FormClose_Princ(sis));
  EXPECT_TRUE(FormClose_Princ(sis));
  EXPECT_FALSE(Pergunta_Segunda_Instancia(plat));
  EXPECT_TRUE(Pergunta_Segunda_Instancia(plat));
  Aviso_Sem_Ajuda(plat);
  Aviso_Falha_Atalho(plat, "Permissão negada");
  Aviso_Atalho_Criado(plat, "/casa/Desktop/Método DoDo.desktop");
  std::string t;
  for (const auto& m : plat.mensagens) t += m.titulo + "|" + std::to_string(int(m.botoes)) + "|" + m.texto + "\n";
  teste::espera_dourado("janela_principal_mensagens.txt", t);
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

TEST(Sobre, EspacoEmDiscoNasTresEscalasSempreComPonto) {
  definir_separador_decimal(',');
  for (const auto& [bytes, texto] :
       {std::pair{1023.0, "1023 bytes"}, {0.0, "0 bytes"}, {1024.0, "1.00 Kbytes"}, {1048576.0, "1024.00 Kbytes"},
        {1536.0 + 5, "1.50 Kbytes"}, {1073741823.0, "1048576.00 Kbytes"}, {1073741824.0, "1.00 Gbytes"},
        {50.0 * 1073741824 + 536870912, "50.50 Gbytes"}})
    EXPECT_EQ(texto_espaco_disco(bytes), texto) << bytes;
  definir_separador_decimal('.');
}

TEST(Sobre, MemoriaEmKbAgrupadaEPorcentagem) {
  EXPECT_EQ(texto_memoria(16777216ull * 1024, "."), "16.777.216 KB");
  EXPECT_EQ(texto_memoria(999 * 1024, "."), "999 KB");
  EXPECT_EQ(texto_memoria(1000 * 1024 + 1023, ","), "1,000 KB");
  EXPECT_EQ(texto_memoria(512, "."), " KB");
  EXPECT_EQ(texto_carga(37), "37 %");
}

TEST(Sobre, ResolucaoERecomendacao) {
  EXPECT_EQ(texto_resolucao(1024, 768), "1024x768");
  EXPECT_FALSE(mostra_recomendacao(800));
  EXPECT_TRUE(mostra_recomendacao(640));
}

TEST(Sobre, LeituraDoMeminfo) {
  const auto e = le_meminfo(
      "MemTotal:        2000000 kB\nMemFree:          100000 kB\nMemAvailable:     500000 kB\n");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->total_bytes, 2000000ull * 1024);
  EXPECT_EQ(e->carga, 75);
  // Old kernels have no MemAvailable.
  const auto antigo = le_meminfo("MemTotal: 1000 kB\nMemFree: 10 kB\n");
  ASSERT_TRUE(antigo);
  EXPECT_EQ(antigo->carga, 99);
  EXPECT_FALSE(le_meminfo("Buffers: 10 kB\n"));
  EXPECT_FALSE(le_meminfo("MemTotal: x kB\nMemFree: 1 kB\n"));
}

}  // namespace
}  // namespace zivu
