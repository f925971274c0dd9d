// What a window of the program asks of the running program: the core's state
// and platform, running one user command, the printer and the main window's
// services. Windows reach each other only through its signals, so no window
// includes another's header or the program's.
#pragma once

#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <functional>
#include <string>

#include "core/results/janelas_resultado.h"
#include "core/worksheet/sistema.h"
#include "gui/app/plataforma_qt.h"

class QWidget;

class Contexto : public QObject {
  Q_OBJECT
 public:
  zivu::Sistema& sis;
  PlataformaQt& plat;
  // The program's folder, where the help file is looked for first.
  const std::string PastaSistema;
  // The main window, once it exists: parent of dialogs.
  QPointer<QWidget> janela_principal;
  QPrinter ImprimeGrade;

  // Runs one user command: an error that no command caught goes to the
  // general error report and ends only this command; then every window shows
  // the core's state again.
  void executa(const std::function<void()>& comando);
  // Every window from the core's state (the signal `atualizar`, in the order
  // the windows were created).
  void atualiza();
  // True while the windows are being refreshed: their change signals are then
  // the program's own and no command.
  bool atualizando() const { return atualizando_ > 0; }

  // The print dialog, then the grid's pages. False when cancelled or nothing
  // was printed.
  bool imprime_tabela(const zivu::Grade& grade, const std::string& titulo);
  bool janela_principal_visivel() const;
  // The help file beside the program or installed with it; "" when missing.
  std::string arquivo_ajuda() const;

  // Brings the results window of a run to the front.
  void mostra_resultado(zivu::JanelaResultado janela) { emit resultado_pedido(janela); }

 signals:
  void atualizar();
  void resultado_pedido(zivu::JanelaResultado janela);

 protected:
  Contexto(zivu::Sistema& sistema, PlataformaQt& plataforma, std::string pasta_sistema);

 private:
  // After a command: the edit whose text could not be converted gets the
  // focus with its text selected, its page brought forward.
  void mostra_campo_invalido();
  int atualizando_ = 0;
};
