// The simple results window "DoDo simples": the projected populations, the
// method's variables and the observations of the run, the year chooser, and
// the buttons that export, copy, print, adjust and write the files for other
// systems. Every control shows the core's state; every click is a core call.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class Contexto;
class ModeloGrade;
class PaginaGraficos;
class PainelAnos;
class QPushButton;
class QTabWidget;
class QTableView;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace zivu {
class Grade;
}

class TSimples : public QWidget {
  Q_OBJECT
 public:
  explicit TSimples(Contexto& app);
  void atualiza();

  QTabWidget* Ficha_Simples;
  QWidget* Resultados;
  QWidget* Variaveis;
  QWidget* Observacoes;

  QToolBar* Barra3;
  QToolButton *Exportar_R, *Copiar_Resultado, *ImpRes;
  QPushButton *Ano_Projetado, *Adaptar, *DoDo_Tradutor, *DoDo_Vardex, *Unir_resultados;
  QTableView* DadosSaida;
  ModeloGrade* modelo_saida;
  PainelAnos* Anos;

  QToolBar* ToolBar4;
  QToolButton *Exportar_V, *Copiar_Variaveis, *ImpVar;
  QTableView* DadosVariaveis;
  ModeloGrade* modelo_variaveis;

  QTextEdit* Texto_Obs;

  // "Gráficos", after the pages of the original window.
  PaginaGraficos* Graficos;

  // Main menu: "Exportar" runs the exports of the pages showing; "Copiar"
  // and "Imprimir" act on the grid of the page in front.
  Q_INVOKABLE void exporta_paginas_visiveis();
  Q_INVOKABLE void Copiar1Click();
  Q_INVOKABLE void Imprimir1Click();

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  QWidget* cria_resultados();
  QWidget* cria_variaveis();
  void comando(const std::function<void()>& f);
  // A command that works on the year shown, with that year's totals.
  void do_ano(const std::function<bool()>& f);
  void copia(const QTableView* vista, const ModeloGrade* modelo);
  void imprime(const zivu::Grade& grade, const char* titulo);
  Contexto& app_;
  std::string obs_mostrado_;
};
