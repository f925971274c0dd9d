// "Avaliar…" of "DoDo simples": the dialog asking for the test column and
// year, remembered per worksheet file in the program's settings; the
// back-test run in the core; the page "Avaliação" shown, last of the pages,
// while the core keeps a back-test. Beside it, the window's "Relatório".
#pragma once

#include <QDialog>
#include <QObject>

class Contexto;
class PaginaAvaliacao;
class QLineEdit;
class QPushButton;
class QTabWidget;

class DialogoAvaliacao : public QDialog {
  Q_OBJECT
 public:
  explicit DialogoAvaliacao(QWidget* pai);
  QLineEdit *Coluna_teste, *Ano_teste;
};

class ComandosAvaliacao : public QObject {
  Q_OBJECT
 public:
  // Places its buttons beside the tabs of `ficha`.
  ComandosAvaliacao(Contexto& app, QTabWidget* ficha);

  QPushButton *Avaliar, *Relatorio;
  PaginaAvaliacao* pagina;

  void AvaliarClick();

 private:
  void atualiza();
  Contexto& app_;
  QTabWidget* ficha_;
  // Back-tests made here and the one the page shows, so the page draws again
  // only for a new one.
  int feitas_ = 0, mostrada_ = -1;
};
