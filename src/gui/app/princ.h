// The main window "Zarvo - Tessela": the menus, the child windows, the status
// bar, the progress panel and the block-total panel.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>
#include <map>
#include <string>

#include "core/results/janelas_resultado.h"

class Contexto;
class PainelProgresso;
class TOrigem;
class TQuartis;
class TSimples;
class TSobre;
class PainelTotais;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QLabel;
class QStatusBar;


class TPrinc : public QMainWindow {
  Q_OBJECT
 public:
  explicit TPrinc(Contexto& app);

  // The child windows the menus act on, once they exist.
  struct Filhas {
    TOrigem* origem = nullptr;
    TSimples* simples = nullptr;
    TQuartis* quartis = nullptr;
    TSobre* sobre = nullptr;
  };
  void define_filhas(const Filhas& filhas) { filhas_ = filhas; }
  // Brings the results window of a run to the front.
  void mostra_resultado(zivu::JanelaResultado janela);

  // The main menu's items by their control names (Criar1, Calcular1, DoDo2...).
  QAction* acao(const QString& nome) const;

  QMdiArea* mdi;
  QStatusBar* Situacao;
  QLabel* Mensagem;  // the program's status, under the passing hints
  // What the status bar shows: a hint while one passes, else the status.
  QString situacao_mostrada() const;
  PainelProgresso* Progressao;
  PainelTotais* TelaTotais;

  QMdiSubWindow* adiciona_filha(QWidget* janela);
  QMdiSubWindow* subjanela(QWidget* janela) const;
  void atualiza();
  void desabilita_ajuda();


  // Window menu.
  void MinimizarTodas();
  void NaHorizontal();
  void NaVertical();
  void MostraFilha(QWidget* janela);

  // Ajuda > DoDo: the help window at the keyword "Gerais".
  void DoDo2Click();
  QTextBrowser* ajuda() const { return ajuda_; }

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  QAction* cria_acao(QMenu* menu, const QString& nome, const QString& legenda,
                     std::function<void()> comando);
  void Exportar1Click();
  void comando_janela_ativa(const char* metodo, const std::function<void()>& da_origem);
  void atualiza_tela_totais();

  Contexto& app_;
  Filhas filhas_;
  std::map<QString, QAction*> acoes_;
  QPointer<QTextBrowser> ajuda_;
  std::string tot_coord_mostrado_;
};
