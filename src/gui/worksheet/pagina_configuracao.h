// The page "Configuração" of the worksheet window: standard-marking
// positions, general settings, months, quartile settings and the three
// configuration buttons.
#pragma once

#include <QWidget>

class Contexto;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class PaginaConfiguracao : public QWidget {
  Q_OBJECT
 public:
  explicit PaginaConfiguracao(Contexto& app, QWidget* pai);
  void atualiza();

  QTabWidget* Ficha2;
  QTabWidget* Conf_MP;
  QTabWidget* Conf_G;
  QTabWidget* Conf_Q;
  // "Marcação padrão"
  QLineEdit* LinhaAnoInicial;
  QLineEdit* LinhaInicial;
  QLineEdit* ColunaInicial;
  QCheckBox* LinhaP;
  QRadioButton* Col_Ant;
  QRadioButton* Nao_Marcar;
  QRadioButton* Cols_Ant;
  QLabel* X_Anos;
  QLabel* X_Dados;
  QLabel* X_Titulos;
  QPlainTextEdit* Informacoes;
  // "Gerais"
  QLineEdit* AnoProj;
  QCheckBox* Anos_intermediarios;
  QRadioButton* DoDo_geral;
  QRadioButton* DoDo_bloco;
  QCheckBox* Aproximar;
  QLineEdit* NCasasDec;
  QLineEdit* LinRel;
  QComboBox* Mes_Ano0;
  QComboBox* Mes_Ano1;
  QComboBox* Mes_AnoX;
  // "Quartis"
  QLineEdit* Div_habitantes;
  QCheckBox* Existe_cd_maior;
  QCheckBox* Existe_nome_maior;
  QCheckBox* Existe_cd_menor;
  QCheckBox* Existe_nome_menor;
  QLineEdit* Cd_maior;
  QLineEdit* Nome_maior;
  QLineEdit* Cd_menor;
  QLineEdit* Nome_menor;
  // Buttons under the pages.
  QPushButton* Padroes;
  QPushButton* AbreConf;
  QPushButton* SalvaConf;

 private:
  QWidget* pagina_marcacao();
  QWidget* pagina_gerais();
  QWidget* pagina_meses();
  QWidget* pagina_quartis();
  QWidget* pagina_referencias();
  Contexto& app_;
};
