#include "gui/worksheet/modelos.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "core/worksheet/origem.h"
#include "core/worksheet/planilha_tela.h"
#include "gui/results/modelo_grade.h"

namespace {

struct Cores {
  QColor fonte;
  QColor fundo;
};

// Font on background of each kind of mark.
Cores cores(zivu::TipoMarca tipo) {
  switch (tipo) {
    case zivu::TipoMarca::Ano: return {QColor(0, 0, 0), QColor(255, 255, 0)};
    case zivu::TipoMarca::Principal: return {QColor(255, 255, 0), QColor(0, 0, 255)};
    case zivu::TipoMarca::Secundaria: return {QColor(255, 255, 0), QColor(128, 128, 128)};
    case zivu::TipoMarca::Dados: return {QColor(255, 255, 255), QColor(0, 0, 0)};
    case zivu::TipoMarca::Titulo: return {QColor(255, 255, 255), QColor(255, 0, 0)};
    case zivu::TipoMarca::Nenhuma: break;
  }
  return {};
}

}  // namespace

ModeloPlanilha::ModeloPlanilha(const zivu::Origem& origem, QObject* pai)
    : QAbstractTableModel(pai), origem_(origem), grade_(origem.DadosEntrada) {
  negrito_.setBold(true);
}

int ModeloPlanilha::rowCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : std::max(0, grade_.linhas() - 1);
}

int ModeloPlanilha::columnCount(const QModelIndex& pai) const {
  return pai.isValid() ? 0 : std::max(0, grade_.colunas() - 1);
}

QVariant ModeloPlanilha::data(const QModelIndex& i, int papel) const {
  if (!i.isValid()) return {};
  const int c = coluna(i), r = linha(i);
  switch (papel) {
    case Qt::DisplayRole:
      return texto_da_celula(grade_, c, r);
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
    case Qt::FontRole: {
      // A cell's roles are asked one after another: look its mark up once.
      if (c != cache_coluna_ || r != cache_linha_) {
        cache_tipo_ = zivu::marca_da_celula(origem_, c, r);
        cache_coluna_ = c;
        cache_linha_ = r;
      }
      const zivu::TipoMarca tipo = cache_tipo_;
      if (tipo == zivu::TipoMarca::Nenhuma) return {};
      if (papel == Qt::FontRole) return negrito_;
      const Cores k = cores(tipo);
      return QBrush(papel == Qt::BackgroundRole ? k.fundo : k.fonte);
    }
    default:
      return {};
  }
}

QVariant ModeloPlanilha::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (papel != Qt::DisplayRole) return QAbstractTableModel::headerData(secao, orientacao, papel);
  return texto_do_cabecalho(grade_, secao, orientacao);
}

void ModeloPlanilha::atualiza() {
  cache_coluna_ = cache_linha_ = -1;
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

ModeloTotais::ModeloTotais(zivu::Origem& origem, QObject* pai)
    : QAbstractTableModel(pai), origem_(origem) {
  linhas_ = origem_.Grade_totais.linhas();
  colunas_ = origem_.Grade_totais.colunas();
}

int ModeloTotais::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : linhas_; }
int ModeloTotais::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : colunas_; }

QVariant ModeloTotais::data(const QModelIndex& i, int papel) const {
  if (!i.isValid()) return {};
  const int c = i.column(), r = i.row();
  const bool fixa = r == 0 || c <= 1;
  switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(origem_.Grade_totais.le(c, r));
    case Qt::BackgroundRole:
      if (fixa) return QGuiApplication::palette().brush(QPalette::Button);
      return {};
    default:
      return {};
  }
}

bool ModeloTotais::setData(const QModelIndex& i, const QVariant& valor, int papel) {
  if (!i.isValid() || papel != Qt::EditRole || !(flags(i) & Qt::ItemIsEditable)) return false;
  origem_.Grade_totais.escreve(i.column(), i.row(), valor.toString().toStdString());
  emit dataChanged(i, i);
  return true;
}

Qt::ItemFlags ModeloTotais::flags(const QModelIndex& i) const {
  if (!i.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (i.row() >= 1 && i.column() >= 2 && origem_.tela.Grade_totais_editavel) f |= Qt::ItemIsEditable;
  return f;
}

void ModeloTotais::atualiza() {
  const int l = origem_.Grade_totais.linhas(), c = origem_.Grade_totais.colunas();
  if (l != linhas_ || c != colunas_) {
    beginResetModel();
    linhas_ = l;
    colunas_ = c;
    endResetModel();
  } else if (l > 0 && c > 0) {
    emit dataChanged(index(0, 0), index(l - 1, c - 1));
  }
}
