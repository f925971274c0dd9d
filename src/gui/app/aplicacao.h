// The running program: the core's state, the platform and every window,
// created once in the order the program has always created them; the
// windows' Contexto.
#pragma once

#include <memory>
#include <string>

#include "gui/app/contexto.h"

class TPrinc;
class TSobre;
class TOrigem;
class TSimples;
class TQuartis;
class TUTab;
class TUni_S;

class Aplicacao : public Contexto {
 public:
  // `pasta_sistema`: the program's folder, where the help file is looked
  // for; empty means the running executable's folder.
  explicit Aplicacao(std::string pasta_sistema = {});
  ~Aplicacao() override;

  TPrinc* princ = nullptr;
  TSobre* sobre = nullptr;
  TOrigem* origem = nullptr;
  TSimples* simples = nullptr;
  TQuartis* quartis = nullptr;
  TUTab* utab = nullptr;      // created hidden, never shown
  TUni_S* uni_s = nullptr;    // created hidden, never shown

  // The help-file check of the start: warns and disables Ajuda > DoDo when
  // the help file is missing.
  void verifica_ajuda();
  // Shows the main window maximised with its child windows.
  void mostra();

 private:
  // Declared before the windows, so they outlive them.
  PlataformaQt plat_;
  zivu::Sistema sis_;
  std::unique_ptr<TPrinc> princ_;
};
