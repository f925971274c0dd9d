// The platform of zivu-cli: messages go to standard error, questions get a
// fixed answer, there are no dialogs, progress or cursor.
#pragma once

#include <ostream>

#include "core/plataforma.h"

namespace zivu::cli {

class PlataformaCli : public Plataforma {
 public:
  explicit PlataformaCli(std::ostream& saida, Resposta resposta_fixa = Resposta::Sim)
      : saida_(saida), resposta_(resposta_fixa) {}

  // Caption on one line, then the text with each line break on its own line;
  // a question is followed by the answer given.
  Resposta mensagem(const std::string& texto, const std::string& titulo, Botoes botoes,
                    Icone icone) override;

  int mensagens() const { return mensagens_; }
  // The answer given to the questions that follow.
  void define_resposta(Resposta r) { resposta_ = r; }

 private:
  std::ostream& saida_;
  Resposta resposta_;
  int mensagens_ = 0;
};

// "Sim", "Não", "Cancelar" or "OK".
const char* texto_resposta(Resposta r);

}  // namespace zivu::cli
