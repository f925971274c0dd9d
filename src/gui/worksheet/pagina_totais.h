// The page "3 - Totais": the totals sheet of the intermediate years.
#pragma once

#include <QWidget>

class Contexto;
class ModeloTotais;
class QTableView;
class QToolButton;

class PaginaTotais : public QWidget {
  Q_OBJECT
 public:
  PaginaTotais(Contexto& app, QWidget* pai);
  void atualiza();

  QToolButton* Outros_totais;
  QTableView* Grade_totais;
  ModeloTotais* modelo;

 private:
  Contexto& app_;
};
