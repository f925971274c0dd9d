// The year chooser "Anos" of both results windows: the title " Escolha o
// ano", the list of projected years and the accept and cancel buttons. It
// floats over its page and shows the core's list and choice.
#pragma once

#include <QFrame>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QToolButton;

class PainelAnos : public QFrame {
  Q_OBJECT
 public:
  explicit PainelAnos(QWidget* pai);

  QLabel* Label14;
  QListWidget* Esc_Ano_Projetado;
  QToolButton* Aceitar_ano;
  QToolButton* Cancelar_ano;

  // Shows the core's years, the chosen one and whether the panel is open.
  // Opening puts the focus on the list.
  void atualiza(const std::vector<std::string>& anos, int indice, bool aberto);

 signals:
  // The user chose the year at `indice` in the list.
  void escolhido(int indice);

 private:
  void posiciona();
  std::vector<std::string> anos_;
};
