// The main window "Zarvo - Tessela": the menus, the child windows, the status
// bar, the progress panel and the block-total panel.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <QTextBrowser>
#include <map>
#include <string>

#include "core/files/impressao.h"

class Aplicacao;
class PainelProgresso;
class PainelTotais;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;

namespace zivu {
class Grade;
}

// Sends text pages to a printer, one line after another in "Courier" 8 pt,
// a new sheet for every page and wherever a page does not fit the paper.
void imprime_paginas(QPrinter& impressora, const std::vector<zivu::Pagina>& paginas);

class TPrinc : public QMainWindow {
  Q_OBJECT
 public:
  explicit TPrinc(Aplicacao& app);

  // The main menu's items by their control names (Criar1, Calcular1, DoDo2...).
  QAction* acao(const QString& nome) const;

  QMdiArea* mdi;
  QStatusBar* Situacao;
  PainelProgresso* Progressao;
  PainelTotais* TelaTotais;
  QPrinter ImprimeGrade;

  QMdiSubWindow* adiciona_filha(QWidget* janela);
  QMdiSubWindow* subjanela(QWidget* janela) const;
  void atualiza();
  void desabilita_ajuda();

  // The print dialog, then the core's pages for `grade`. False when the
  // dialog was cancelled or nothing was printed.
  bool Imprime_Tabela(const zivu::Grade& grade, const std::string& titulo);

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

  Aplicacao& app_;
  std::map<QString, QAction*> acoes_;
  QPointer<QTextBrowser> ajuda_;
  std::string tot_coord_mostrado_;
};
