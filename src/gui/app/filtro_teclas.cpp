#include "gui/app/filtro_teclas.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "core/text/textos.h"

FiltroTeclas::FiltroTeclas(bool numerico, QObject* pai) : QObject(pai), numerico_(numerico) {}

void FiltroTeclas::cola(QLineEdit* campo) const {
  const std::string texto = zivu::Filtra_Texto(numerico_, QApplication::clipboard()->text().toStdString());
  // Like keys that are all refused, nothing left replaces no selection.
  if (!texto.empty()) campo->insert(QString::fromStdString(texto));
}

bool FiltroTeclas::eventFilter(QObject* alvo, QEvent* evento) {
  auto* campo = qobject_cast<QLineEdit*>(alvo);
  // What is pasted, by keys or by the edit's menu, passes the typing filter.
  if (campo && evento->type() == QEvent::ContextMenu) {
    QMenu* menu = campo->createStandardContextMenu();
    // The edit's own paste item is the one showing the paste keys (or,
    // where menus show no keys, the theme's paste picture).
    const QString teclas = '\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* item : menu->actions()) {
      if (!item->text().endsWith(teclas) && item->icon().name() != "edit-paste") continue;
      disconnect(item, &QAction::triggered, nullptr, nullptr);
      connect(item, &QAction::triggered, campo, [this, campo] { cola(campo); });
    }
    menu->exec(static_cast<QContextMenuEvent*>(evento)->globalPos());
    delete menu;
    return true;
  }
  if (evento->type() != QEvent::KeyPress) return false;
  auto* k = static_cast<QKeyEvent*>(evento);
  if (campo && k->matches(QKeySequence::Paste)) {
    if (!campo->isReadOnly()) cola(campo);
    return true;
  }
  // Shortcuts (copy, paste, undo) and keys that type nothing are not filtered.
  if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (k->key()) {
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape: case Qt::Key_Tab:
    case Qt::Key_Backtab: case Qt::Key_Delete:
      return false;
    default:
      break;
  }
  const QList<uint> caracteres = k->text().toUcs4();
  if (caracteres.isEmpty()) return false;
  const char32_t tecla = caracteres.front();
  const char32_t fica = zivu::Filtra_Tecla(numerico_, tecla);
  if (fica == 0) return true;
  if (fica == tecla) return false;
  QKeyEvent trocado(QEvent::KeyPress, k->key(), k->modifiers(), QString::fromUcs4(&fica, 1),
                    k->isAutoRepeat());
  QCoreApplication::sendEvent(alvo, &trocado);
  return true;
}

void filtra_teclas(QObject* campo, bool numerico) {
  campo->installEventFilter(new FiltroTeclas(numerico, campo));
}

namespace {

class SemBusca : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* evento) override {
    if (evento->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<QKeyEvent*>(evento);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return !k->text().isEmpty() && k->text().at(0).isPrint();
  }
};

}  // namespace

void sem_busca_por_teclas(QObject* grade) { grade->installEventFilter(new SemBusca(grade)); }
