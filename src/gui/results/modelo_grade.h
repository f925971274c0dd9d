// A read-only table model over a core grid: no item per cell, every text is
// read from the grid when the view asks for it. The grid's row 0 and column 0
// become the view's headers; further fixed columns are shown in the headers'
// colours and cannot be selected.
#pragma once

#include <QAbstractTableModel>

namespace zivu {
class Grade;
}

class QTableView;

// What every model over a core grid shows as text, read on demand. A cell:
// nothing when empty (a safe read: the grid may have shrunk before the views
// were told). A header of a grid shown from its row and column 1: the grid's
// row 0 (horizontal) or column 0 (vertical).
QVariant texto_da_celula(const zivu::Grade& grade, int coluna, int linha);
QString texto_do_cabecalho(const zivu::Grade& grade, int secao, Qt::Orientation orientacao);

class ModeloGrade : public QAbstractTableModel {
  Q_OBJECT
 public:
  // `inteira`: every cell, headers included, is a cell of the model (for a
  // grid that paints its headers itself); the fixed ones cannot be chosen.
  ModeloGrade(const zivu::Grade& grade, QObject* pai, int colunas_fixas = 1, bool inteira = false);

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;

  // The core changed the grid: a new shape resets the views, new texts
  // repaint them.
  void atualiza();

  const zivu::Grade& grade() const { return grade_; }
  // Grid column and row of a view index, and back.
  int coluna(const QModelIndex& i) const { return i.column() + deslocamento_; }
  int linha(const QModelIndex& i) const { return i.row() + deslocamento_; }
  QModelIndex indice(int coluna, int linha) const {
    return index(linha - deslocamento_, coluna - deslocamento_);
  }
  // Grid column and row of the view's first ones.
  int deslocamento() const { return deslocamento_; }
  bool fixa(int coluna, int linha) const { return linha < 1 || coluna < colunas_fixas_; }

 private:
  const zivu::Grade& grade_;
  const int colunas_fixas_;
  const int deslocamento_;
  int linhas_ = 0;   // shape the views know
  int colunas_ = 0;
};

// Selected rectangle of a grid view in grid coordinates; the current cell
// alone when nothing is selected.
struct Retangulo {
  int esquerda = 1, topo = 1, direita = 1, base = 1;
};
Retangulo selecao(const QTableView* vista, const ModeloGrade* modelo);

// A results grid as the program shows them: one fixed row and column, grid
// lines, columns that can be sized, range selection, no editing.
QTableView* cria_grade(ModeloGrade* modelo, const char* nome, QWidget* pai);
