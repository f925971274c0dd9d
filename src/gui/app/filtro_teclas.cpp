#include "gui/app/filtro_teclas.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "core/text/textos.h"

FiltroTeclas::FiltroTeclas(bool numerico, QObject* pai) : QObject(pai), numerico_(numerico) {}

bool FiltroTeclas::eventFilter(QObject* alvo, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress) return false;
  auto* k = static_cast<QKeyEvent*>(evento);
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
