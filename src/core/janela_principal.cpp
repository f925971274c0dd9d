#include "core/janela_principal.h"

#include "core/worksheet/sistema.h"

namespace zivu {

bool FormClose_Princ(Sistema& sis) {
  return sis.plat.mensagem("Fechar o derova ZiVu não salvará seu trabalho.\rContinuar?",
                           "Confirmação", Botoes::SimNao, Icone::Pergunta) == Resposta::Sim;
}

bool Pergunta_Segunda_Instancia(Plataforma& plat) {
  const std::string texto =
      "A aplicação já encontra-se em execução!\rUse ALT-TAB para exibi-la.\r\r"
      "Caso a última execução tenha travado e\rvocê não veja necessidade de re-iniciar\r"
      "o computador, posso ignorar e continuar.\r\rVocê deseja continuar a carga do derova ZiVu?";
  return plat.mensagem(texto, "Aviso", Botoes::SimNao, Icone::Aviso) == Resposta::Sim;
}

void Aviso_Sem_Ajuda(Plataforma& plat) {
  plat.mensagem("Não foi encontrado o arquivo de HELP!", "Aviso", Botoes::OK, Icone::Aviso);
}

void Aviso_Falha_Atalho(Plataforma& plat, const std::string& erro) {
  plat.mensagem("Problema ao tentar criar atalho para o sistema.\r\rErro original: " + erro, "Aviso",
                Botoes::OK, Icone::Aviso);
}

void Aviso_Atalho_Criado(Plataforma& plat, const std::string& caminho) {
  plat.mensagem("Atalho criado em:\r" + caminho, "Atalho", Botoes::OK, Icone::Informacao);
}

void Quartis1Click(Sistema& sis) {
  const bool marcado = !sis.princ.Quartis1_marcado;
  sis.princ.Quartis1_marcado = marcado;
  sis.origem.MetodoQuartisClick(marcado);
}

}  // namespace zivu
