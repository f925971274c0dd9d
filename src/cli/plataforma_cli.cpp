#include "cli/plataforma_cli.h"

namespace zivu::cli {

const char* texto_resposta(Resposta r) {
  switch (r) {
    case Resposta::Sim: return "Sim";
    case Resposta::Nao: return "Não";
    case Resposta::Cancelar: return "Cancelar";
    case Resposta::OK: break;
  }
  return "OK";
}

Resposta PlataformaCli::mensagem(const std::string& texto, const std::string& titulo,
                                 Botoes botoes, Icone) {
  ++mensagens_;
  std::string corpo;
  corpo.reserve(texto.size());
  for (size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] == '\r') {
      corpo += '\n';
      if (i + 1 < texto.size() && texto[i + 1] == '\n') ++i;  // CR LF is one break
    } else {
      corpo += texto[i];
    }
  }
  saida_ << titulo << '\n' << corpo << '\n';
  Resposta r = Resposta::OK;
  if (botoes != Botoes::OK) {
    r = resposta_;
    if (botoes == Botoes::SimNao && r == Resposta::Cancelar) r = Resposta::Nao;
    saida_ << texto_resposta(r) << '\n';
  }
  saida_.flush();
  return r;
}

}  // namespace zivu::cli
