#include "gui/app/colunas.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <string>
#include <typeinfo>

#include "core/worksheet/grade.h"
#include "core/worksheet/larguras.h"

namespace {

// Texts measured per column: the longest by characters; a few, since letters
// differ in width where digits do not.
constexpr int kCandidatas = 6;
// Rows read for the mark of a grid's texts, besides its first ones.
constexpr int kLinhasMarca = 64;

}  // namespace

void DelegadoTransborda::paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& i) const {
  const auto* vista = qobject_cast<const QTableView*>(opcao.widget);
  const QString texto = i.data(Qt::DisplayRole).toString();
  if (!vista || texto.isEmpty()) {
    QStyledItemDelegate::paint(p, opcao, i);
    return;
  }
  // Most texts fit: no measuring for those.
  if (texto.size() * opcao.fontMetrics.maxWidth() + 8 <= opcao.rect.width()) {
    QStyledItemDelegate::paint(p, opcao, i);
    return;
  }
  const int precisa = opcao.fontMetrics.horizontalAdvance(texto) + 8;
  QStyleOptionViewItem o(opcao);
  const QAbstractItemModel* m = i.model();
  for (int c = i.column() + 1; o.rect.width() < precisa && c < m->columnCount(); ++c) {
    if (vista->isColumnHidden(c) || !m->index(i.row(), c).data(Qt::DisplayRole).toString().isEmpty()) break;
    o.rect.setRight(o.rect.right() + vista->columnWidth(c));
  }
  QStyledItemDelegate::paint(p, o, i);
}

AjusteColunas::AjusteColunas(QTableView* vista, const zivu::Grade& grade, int deslocamento)
    : QObject(vista), vista_(vista), grade_(grade), deslocamento_(deslocamento) {
  QAbstractItemModel* m = vista->model();
  connect(m, &QAbstractItemModel::dataChanged, this, &AjusteColunas::verifica);
  connect(m, &QAbstractItemModel::modelReset, this, [this] {
    chaves_.clear();
    verifica();
  });
  QHeaderView* h = vista->horizontalHeader();
  // The header edge's double-click fits the column as a load would, not to
  // the widest title on screen.
  disconnect(h, SIGNAL(sectionHandleDoubleClicked(int)), vista, SLOT(resizeColumnToContents(int)));
  connect(h, &QHeaderView::sectionHandleDoubleClicked, this, &AjusteColunas::ajusta_coluna);
  vista->installEventFilter(this);
}

size_t AjusteColunas::marca() const {
  const int colunas = grade_.colunas(), linhas = grade_.linhas();
  size_t h = static_cast<size_t>(colunas) * 1000003u + static_cast<size_t>(linhas);
  auto mistura = [&h, this](int c, int r) {
    h = h * 1000003u ^ std::hash<std::string>{}(grade_.le(c, r));
  };
  const int passo = std::max(1, linhas / kLinhasMarca);
  for (int r = 0; r < linhas; r += r < 8 ? 1 : passo)
    for (int c = 0; c < colunas; ++c) mistura(c, r);
  // Edits and pastes happen at the current cell, and Enter moves it down.
  const QModelIndex atual = vista_->currentIndex();
  if (atual.isValid())
    for (int r = atual.row() + deslocamento_ - 1; r <= atual.row() + deslocamento_; ++r)
      for (int c = 0; c < colunas; ++c) mistura(c, r);
  return h;
}

void AjusteColunas::verifica() {
  if (!vista_->isVisible()) {
    pendente_ = true;
    return;
  }
  // Every command refreshes every view: the whole grid is read only when the
  // mark says its texts changed.
  const size_t m = marca();
  if (m == marca_ && !chaves_.empty()) return;
  marca_ = m;
  ajusta();
}

bool AjusteColunas::eventFilter(QObject* alvo, QEvent* evento) {
  if (alvo == vista_ && evento->type() == QEvent::Show && pendente_) verifica();
  return QObject::eventFilter(alvo, evento);
}

int AjusteColunas::largura(int coluna, const std::vector<int>& linhas) const {
  QAbstractItemModel* m = vista_->model();
  int w = 0;
  if (deslocamento_ > 0 && !vista_->horizontalHeader()->isHidden()) {
    const QString titulo = m->headerData(coluna, Qt::Horizontal, Qt::DisplayRole).toString();
    w = vista_->horizontalHeader()->fontMetrics().horizontalAdvance(titulo) + 12;
  }
  // An empty column keeps the width of a new one, ready to be typed in.
  if (linhas.empty()) return std::max(w, vista_->horizontalHeader()->defaultSectionSize());
  QStyleOptionViewItem o;
  o.initFrom(vista_);
  o.font = vista_->font();
  o.widget = vista_;
  o.features = QStyleOptionViewItem::HasDisplay;
  QAbstractItemDelegate* d = vista_->itemDelegate();
  for (int r : linhas) {
    const QModelIndex i = m->index(r - deslocamento_, coluna);
    w = std::max(w, d->sizeHint(o, i).width() + 2);
  }
  return std::clamp(w, 24, kLarguraMaxima);
}

void AjusteColunas::ajusta(bool todas) {
  pendente_ = false;
  marca_ = marca();
  const auto larguras = zivu::larguras_colunas(grade_, deslocamento_, deslocamento_, kCandidatas);
  const int n = std::min(static_cast<int>(larguras.size()), vista_->model()->columnCount());
  if (static_cast<int>(chaves_.size()) != n) {
    chaves_.assign(static_cast<size_t>(n), QString());
    todas = true;
  }
  for (int j = 0; j < n; ++j) {
    const auto& l = larguras[static_cast<size_t>(j)];
    const int c = j + deslocamento_;
    QString chave = deslocamento_ > 0 ? QString::fromStdString(grade_.le(c, 0)) : QString();
    chave += '\n' + QString::number(l.caracteres);
    if (!l.linhas.empty()) chave += '\n' + QString::fromStdString(grade_.le(c, l.linhas.front()));
    if (!todas && chave == chaves_[static_cast<size_t>(j)]) continue;
    chaves_[static_cast<size_t>(j)] = chave;
    vista_->setColumnWidth(j, largura(j, l.linhas));
  }
}

void AjusteColunas::ajusta_coluna(int coluna) {
  const auto larguras = zivu::larguras_colunas(grade_, deslocamento_, deslocamento_, kCandidatas);
  if (coluna < 0 || coluna >= static_cast<int>(larguras.size())) return;
  vista_->setColumnWidth(coluna, largura(coluna, larguras[static_cast<size_t>(coluna)].linhas));
}

AjusteColunas* ajusta_colunas(QTableView* vista, const zivu::Grade& grade, int deslocamento) {
  // The view's own painter, when it has one, stays.
  if (vista->itemDelegate() && typeid(*vista->itemDelegate()) == typeid(QStyledItemDelegate))
    vista->setItemDelegate(new DelegadoTransborda(vista));
  return new AjusteColunas(vista, grade, deslocamento);
}
