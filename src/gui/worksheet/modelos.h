// Table models over the core's grids: the sheet with its marks, and the
// totals sheet. No item per cell: every value is read from the core on demand.
#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include "core/worksheet/planilha_tela.h"

namespace zivu {
class Grade;
class Origem;
}  // namespace zivu

// The sheet: row 0 and column 0 of the grid are the view's headers; marked
// cells show their kind's colours in bold.
class ModeloPlanilha : public QAbstractTableModel {
  Q_OBJECT
 public:
  ModeloPlanilha(const zivu::Origem& origem, QObject* pai);
  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
  // The core changed: repaint what is shown.
  void atualiza();
  // Grid column and row of a view index, and back.
  static int coluna(const QModelIndex& i) { return i.column() + 1; }
  static int linha(const QModelIndex& i) { return i.row() + 1; }
  QModelIndex indice(int coluna, int linha) const { return index(linha - 1, coluna - 1); }

 private:
  const zivu::Origem& origem_;
  const zivu::Grade& grade_;
  QFont negrito_;
  mutable int cache_coluna_ = -1, cache_linha_ = -1;
  mutable zivu::TipoMarca cache_tipo_{};
};

// The totals sheet, shown whole: row 0 and columns 0 and 1 are fixed; the
// year columns may be edited while the sheet allows it.
class ModeloTotais : public QAbstractTableModel {
  Q_OBJECT
 public:
  ModeloTotais(zivu::Origem& origem, QObject* pai);
  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel) const override;
  bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;
  void atualiza();

 private:
  zivu::Origem& origem_;
  int linhas_ = 0;
  int colunas_ = 0;
};
