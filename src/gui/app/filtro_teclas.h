// The key filter of numeric and letter edits: only the characters the core's
// Filtra_Tecla keeps reach the edit (letters raised to capitals).
#pragma once

#include <QObject>

class FiltroTeclas : public QObject {
  Q_OBJECT
 public:
  FiltroTeclas(bool numerico, QObject* pai);
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  bool numerico_;
};

// Filters the keys typed into `campo`; the filter lives with the widget.
void filtra_teclas(QObject* campo, bool numerico);
