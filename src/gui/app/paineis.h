// Panels of the main window shown over its child windows: the progress panel
// "Progresso" and the block-total prompt "Total do bloco".
#pragma once

#include <QElapsedTimer>
#include <QFrame>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Centres a panel over its parent, rounding to the nearest pixel.
void centraliza(QWidget* painel);

class PainelProgresso : public QFrame {
  Q_OBJECT
 public:
  explicit PainelProgresso(QWidget* pai);
  void mostra(int maximo);
  void posiciona(int posicao, const QString& rotulo);
  void esconde();
  // Times the panel was painted on demand; the bar and label always hold the
  // latest values.
  int repinturas() const { return repinturas_; }

  QProgressBar* Progresso;
  QLabel* Porcentagem;

 private:
  void repinta(bool sempre);
  QElapsedTimer relogio_;
  int repinturas_ = 0;
};

class PainelTotais : public QFrame {
  Q_OBJECT
 public:
  explicit PainelTotais(QWidget* pai);
  QLabel* Tot_Coord;
  QLabel* Label2;
  QLineEdit* Janela_Total;
  QPushButton* OK_Total;
  QPushButton* Cancelar_Total;
};
