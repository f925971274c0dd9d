// The system information window "Sobre": every value is measured again each
// time the window is shown.
#pragma once

#include <QDialog>

class Contexto;
class QLabel;

class TSobre : public QDialog {
  Q_OBJECT
 public:
  TSobre(Contexto& app, QWidget* pai);

  QLabel* VersaoWin;
  QLabel* AData;
  QLabel* AHora;
  QLabel* MemFisica;
  QLabel* RecLivres;
  QLabel* EspDisco;
  QLabel* ResTela;
  QLabel* ResOBS;
  QLabel* VersaoDoDo;
  QLabel* OCaminho;

  // FormActivate: fills every value label.
  void mede();

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  Contexto& app_;
};
