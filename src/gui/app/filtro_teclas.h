// The key filter of numeric and letter edits: only the characters the core's
// Filtra_Tecla keeps reach the edit (letters raised to capitals), typed or
// pasted.
#pragma once

#include <QObject>

class QLineEdit;

class FiltroTeclas : public QObject {
  Q_OBJECT
 public:
  FiltroTeclas(bool numerico, QObject* pai);
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  void cola(QLineEdit* campo) const;
  bool numerico_;
};

// Filters the keys typed into `campo`; the filter lives with the widget.
void filtra_teclas(QObject* campo, bool numerico);

// A grid that takes no typed text: printable keys do nothing there, instead
// of the item view's search jumping to a cell that starts with them. Moving
// keys and shortcuts work as usual.
void sem_busca_por_teclas(QObject* grade);
