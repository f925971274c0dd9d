// What the window tests share: a fresh program in a temporary work folder, a
// user who answers the modal dialogs, mouse work on the sheet, and the
// headers of the windows and widgets a test touches.
#pragma once

#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "gui/app/aplicacao.h"
#include "gui/app/paineis.h"
#include "gui/app/princ.h"
#include "gui/results/quartis_janela.h"
#include "gui/results/simples_janela.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"
#include "gui/worksheet/pagina_coordenadas.h"
#include "gui/worksheet/pagina_totais.h"

// Answers every modal dialog that shows up while a command runs: message
// boxes with the scripted buttons (No, or OK, when none is left), file
// dialogs with the scripted names (cancel when none is left), print dialogs
// by accepting them.
class Dialogos : public QObject {
  Q_OBJECT
 public:
  Dialogos();

  struct Caixa {
    QString titulo;
    QString texto;
  };
  QList<Caixa> caixas;
  QList<QMessageBox::StandardButton> respostas;
  QStringList arquivos;
  QList<int> filtros;  // filter chosen with each file name, from 1
  QList<QStringList> filtros_vistos;
  QStringList pastas_vistas;  // the folder each file dialog opened in
  int impressoes = 0;
  bool cancela_impressao = false;
  QStringList outros;  // other modal dialogs, closed with their own close button

  QString ultimo_texto() const { return caixas.isEmpty() ? QString() : caixas.back().texto; }

 private:
  void verifica();
  QTimer relogio_;
  QPointer<QFileDialog> aceito_;
};

// A program with its windows shown, in a work folder of its own.
struct Programa {
  Programa();
  QTemporaryDir pasta;
  std::unique_ptr<Aplicacao> app;
  TOrigem* origem() const;
  // The worksheet window on "Dados de Origem" > "1 - Visual".
  void mostra_planilha();
  // The worksheet items of the main menu (Arquivo and Edição) that are on.
  QStringList itens_ligados() const;
  // Prints go to this PDF file of the work folder; its path.
  QString imprime_em_pdf(const QString& nome);
};

// Base of the window tests: before each test function a fresh program with
// the worksheet window on its sheet and a user who answers the dialogs;
// `prepara` adds what all the tests of a file start from.
class TesteJanelas : public QObject {
  Q_OBJECT
 protected:
  virtual void prepara() {}
  // A fresh program and user, as at the start of a test.
  void reinicia();

  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TPrinc* princ = nullptr;
  TOrigem* o = nullptr;
  zivu::Origem* w = nullptr;  // the worksheet's state in the core

 private slots:
  void init() { reinicia(); }
  void cleanup();
};

// A file's bytes, or a marker naming the file when it cannot be read.
QByteArray le_arquivo(const QString& caminho);
// The text pdftotext finds in a PDF file.
QString texto_pdf(const QString& pdf, const QStringList& opcoes = {"-enc", "UTF-8"});

// Clicks cell (c0, r0) of the sheet and shift-clicks (c1, r1).
void seleciona(QTableView* planilha, int c0, int r0, int c1, int r1);
void clica_celula(QTableView* planilha, int c, int r, Qt::KeyboardModifiers m = Qt::NoModifier);
