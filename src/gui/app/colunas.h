// Columns of a grid view fitted to their texts, as a spreadsheet user
// expects: after the texts change, on the header edge's double-click, with a
// ceiling for long texts; texts with empty neighbours run over into them.
#pragma once

#include <QObject>
#include <QString>
#include <QStyledItemDelegate>
#include <vector>

namespace zivu {
class Grade;
}
class QTableView;

// Paints a text that does not fit its cell over the empty cells to its right.
class DelegadoTransborda : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
};

// Keeps the columns of `vista` fitted to `grade`, whose column and row
// `deslocamento` is the view's first; that row and column are the headers
// when `deslocamento` is 1. A column is fitted again when its widest text
// changes, so a width the user set stays until new texts come. A load, a
// calculation or a year changes the texts all over the grid; an edit outside
// the current cell's rows that widens a column waits for the next of those
// (or the header edge's double-click).
class AjusteColunas : public QObject {
  Q_OBJECT
 public:
  static constexpr int kLarguraMaxima = 400;
  AjusteColunas(QTableView* vista, const zivu::Grade& grade, int deslocamento);
  // Fits the columns whose widest text changed (all when `todas`).
  void ajusta(bool todas = false);
  // Fits one view column now.
  void ajusta_coluna(int coluna);

 protected:
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  int largura(int coluna, const std::vector<int>& linhas) const;
  // A cheap mark of the grid's texts: its shape, rows spread over it and the
  // rows at the current cell.
  size_t marca() const;
  void verifica();
  QTableView* vista_;
  const zivu::Grade& grade_;
  const int deslocamento_;
  bool pendente_ = true;  // texts changed while the view was hidden
  size_t marca_ = 0;
  std::vector<QString> chaves_;  // per column, what its width was fitted to
};

// Fits the columns of `vista` from now on, and draws long texts over empty
// neighbours unless the view has a painter of its own.
AjusteColunas* ajusta_colunas(QTableView* vista, const zivu::Grade& grade, int deslocamento);
