// Two windows the program creates at start and never shows: the multi-year
// simple results "DoDo simples - múltiplos anos" and the union of the
// projection tables. They hold their controls and nothing else.
#pragma once

#include <QDialog>
#include <QWidget>

#include "core/worksheet/grade.h"

class ModeloGrade;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;

class TUni_S : public QWidget {
  Q_OBJECT
 public:
  explicit TUni_S(QWidget* pai);
  QToolBar* ToolBar4;
  QToolButton *Exportar_US, *Copiar_US, *Imp_US;
  QTableView* Grade_US;

 private:
  zivu::Grade grade_{"Grade_US", 5, 5};
};

class TUTab : public QDialog {
  Q_OBJECT
 public:
  explicit TUTab(QWidget* pai);
  QWidget* ResUnindo;
  QProgressBar *Unindo, *Completando;
  QPushButton* Fecha;
  QTabWidget* PUniao;
  QWidget *RUniao, *DUniao;
  QToolButton *Exportar_Uniao, *ImpUniao;
  QPushButton *Adaptar, *DoDo_Tradutor;
  QTableView *Tab_Uniao, *Tab_DUniao;

 private:
  zivu::Grade uniao_{"Tab_Uniao", 11, 2};
  zivu::Grade duniao_{"Tab_DUniao", 7, 2};
};
