// The page "2 - Coordenadas": marks listed by kind, added and removed by
// typed corners, and the totals of the lines.
#pragma once

#include <QWidget>

class Contexto;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class PaginaCoordenadas : public QWidget {
  Q_OBJECT
 public:
  PaginaCoordenadas(Contexto& app, QWidget* pai);
  void atualiza();

  QListWidget* Secoes;
  QListWidget* Areas;
  QLineEdit* X0;
  QLineEdit* Y0;
  QLineEdit* X1;
  QLineEdit* Y1;
  QPushButton* Adiciona;
  QPushButton* Diminui;
  QLabel* Lim_Col;
  QLabel* Lim_Lin;
  QLineEdit* Coord_Total;
  QPushButton* Aceitar_Total;
  QLabel* Informativo;

 private:
  Contexto& app_;
};
