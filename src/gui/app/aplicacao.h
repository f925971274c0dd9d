// The running program: the core's state, the platform and every window,
// created once in the order the program has always created them.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/sistema.h"
#include "gui/app/plataforma_qt.h"

class TPrinc;
class TSobre;
class TOrigem;
class TSimples;
class TQuartis;
class TUTab;
class TUni_S;

class Aplicacao {
 public:
  // `pasta_sistema`: the program's folder, where the help file is looked
  // for; empty means the running executable's folder.
  explicit Aplicacao(std::string pasta_sistema = {});
  ~Aplicacao();
  Aplicacao(const Aplicacao&) = delete;
  Aplicacao& operator=(const Aplicacao&) = delete;

  PlataformaQt plat;
  zivu::Sistema sis;
  const std::string PastaSistema;

  TPrinc* princ = nullptr;
  TSobre* sobre = nullptr;
  TOrigem* origem = nullptr;
  TSimples* simples = nullptr;
  TQuartis* quartis = nullptr;
  TUTab* utab = nullptr;      // created hidden, never shown
  TUni_S* uni_s = nullptr;    // created hidden, never shown

  // Runs one user command: an error that no command caught goes to the
  // general error report and ends only this command; then every window shows
  // the core's state again.
  void executa(const std::function<void()>& comando);
  // Every window from the core's state.
  void atualiza();
  // True while the windows are being refreshed: their change signals are then
  // the program's own and no command.
  bool atualizando() const { return atualizando_ > 0; }

  // The help-file check of the start: warns and disables Ajuda > DoDo when
  // the help file is missing.
  void verifica_ajuda();
  std::string arquivo_ajuda() const;

  // Shows the main window maximised with its child windows.
  void mostra();

 private:
  std::unique_ptr<TPrinc> princ_;
  int atualizando_ = 0;
};
