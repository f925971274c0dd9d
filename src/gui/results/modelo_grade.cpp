#include "gui/results/modelo_grade.h"

#include <QApplication>
#include <QBrush>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>
#include <algorithm>

#include "core/worksheet/grade.h"
#include "gui/app/filtro_teclas.h"
#include "gui/app/colunas.h"

QVariant texto_da_celula(const zivu::Grade& grade, int coluna, int linha) {
  const std::string& t = grade.le(coluna, linha);
  if (t.empty()) return {};
  return QString::fromStdString(t);
}

QString texto_do_cabecalho(const zivu::Grade& grade, int secao, Qt::Orientation orientacao) {
  return QString::fromStdString(orientacao == Qt::Horizontal ? grade.le(secao + 1, 0) : grade.le(0, secao + 1));
}

ModeloGrade::ModeloGrade(const zivu::Grade& grade, QObject* pai, int colunas_fixas, bool inteira)
    : QAbstractTableModel(pai),
      grade_(grade),
      colunas_fixas_(colunas_fixas),
      deslocamento_(inteira ? 0 : 1) {
  linhas_ = std::max(0, grade_.linhas() - deslocamento_);
  colunas_ = std::max(0, grade_.colunas() - deslocamento_);
}

int ModeloGrade::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : linhas_; }
int ModeloGrade::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : colunas_; }

QVariant ModeloGrade::data(const QModelIndex& i, int papel) const {
  if (!i.isValid()) return {};
  const int c = coluna(i), r = linha(i);
  switch (papel) {
    case Qt::DisplayRole:
      return texto_da_celula(grade_, c, r);
    case Qt::BackgroundRole:
      if (fixa(c, r)) return QApplication::palette().brush(QPalette::Button);
      return {};
    case Qt::ForegroundRole:
      if (fixa(c, r)) return QApplication::palette().brush(QPalette::ButtonText);
      return {};
    default:
      return {};
  }
}

QVariant ModeloGrade::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (papel != Qt::DisplayRole || deslocamento_ == 0)
    return QAbstractTableModel::headerData(secao, orientacao, papel);
  return texto_do_cabecalho(grade_, secao, orientacao);
}

Qt::ItemFlags ModeloGrade::flags(const QModelIndex& i) const {
  if (!i.isValid()) return Qt::NoItemFlags;
  if (fixa(coluna(i), linha(i))) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ModeloGrade::atualiza() {
  const int l = std::max(0, grade_.linhas() - deslocamento_);
  const int c = std::max(0, grade_.colunas() - deslocamento_);
  if (l != linhas_ || c != colunas_) {
    beginResetModel();
    linhas_ = l;
    colunas_ = c;
    endResetModel();
    return;
  }
  if (l > 0 && c > 0) {
    emit dataChanged(index(0, 0), index(l - 1, c - 1), {Qt::DisplayRole});
    emit headerDataChanged(Qt::Horizontal, 0, c - 1);
    emit headerDataChanged(Qt::Vertical, 0, l - 1);
  }
}

Retangulo selecao(const QTableView* vista, const ModeloGrade* modelo) {
  Retangulo r;
  bool primeira = true;
  for (const QItemSelectionRange& s : vista->selectionModel()->selection()) {
    if (!s.isValid()) continue;
    const int e = modelo->coluna(s.topLeft()), t = modelo->linha(s.topLeft());
    const int d = modelo->coluna(s.bottomRight()), b = modelo->linha(s.bottomRight());
    if (primeira) {
      r = {e, t, d, b};
      primeira = false;
    } else {
      r = {std::min(r.esquerda, e), std::min(r.topo, t), std::max(r.direita, d), std::max(r.base, b)};
    }
  }
  if (primeira) {
    const QModelIndex atual = vista->currentIndex();
    if (atual.isValid()) {
      const int c = modelo->coluna(atual), l = modelo->linha(atual);
      r = {c, l, c, l};
    }
  }
  return r;
}

QTableView* cria_grade(ModeloGrade* modelo, const char* nome, QWidget* pai) {
  auto* v = new QTableView(pai);
  v->setObjectName(nome);
  v->setModel(modelo);
  modelo->setParent(v);
  v->setEditTriggers(QAbstractItemView::NoEditTriggers);
  v->setSelectionMode(QAbstractItemView::ContiguousSelection);
  v->setSelectionBehavior(QAbstractItemView::SelectItems);
  v->setWordWrap(false);
  v->setShowGrid(true);
  // Fixed row heights keep a 10000-row grid as quick as a small one.
  v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  v->verticalHeader()->setDefaultSectionSize(24);
  v->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  v->horizontalHeader()->setDefaultSectionSize(64);
  v->horizontalHeader()->setHighlightSections(false);
  v->verticalHeader()->setHighlightSections(false);
  sem_busca_por_teclas(v);
  ajusta_colunas(v, modelo->grade(), modelo->deslocamento());
  return v;
}
