// A platform that answers every question with Yes and shows nothing.
#pragma once

#include "core/plataforma.h"

namespace zivu::fuzz {

class PlataformaMuda : public Plataforma {
 public:
  Resposta mensagem(const std::string&, const std::string&, Botoes botoes, Icone) override {
    return botoes == Botoes::OK ? Resposta::OK : Resposta::Sim;
  }
};

}  // namespace zivu::fuzz
