// The quartile results window "DoDo em Quartis": the three listings of the
// quartile records, the statistics of one data area with its track bar and
// the jump to a group's records, the records described, the exceptions, and
// the union with its adjustment table. Every control shows the core's state;
// every click is a core call.
#pragma once

#include <QStyledItemDelegate>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>

#include "core/results/quartis.h"

class Contexto;
class ModeloGrade;
class PainelAnos;
class PaginaGraficoQuartis;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;


// Paints the statistics grid: the class headers and labels in their colours,
// the quartiles' title row in bold white on red, each painted text 5 pixels
// in; other cells as the grid paints them.
class PinturaEstatisticas : public QStyledItemDelegate {
  Q_OBJECT
 public:
  PinturaEstatisticas(const ModeloGrade* modelo, QObject* pai);
  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;

 private:
  const ModeloGrade* modelo_;
};

class TQuartis : public QWidget {
  Q_OBJECT
 public:
  explicit TQuartis(Contexto& app);
  void atualiza();

  QTabWidget* Ficha_Quartis;
  QWidget *Tab_Partida, *Estatisticas, *Registros_descritos, *Excecoes, *RUniao, *DUniao;

  // "Tabela de Partida"
  QToolButton *Exportar_TP, *ImpTab;
  QRadioButton *T_original, *T_ord_pop, *T_ord_tax;
  QStackedWidget* pilha_partida;
  QTableView *Tab_Quartil, *Tab_quartil_ordem_pop, *Tab_quartil_ordem_tax;
  ModeloGrade *modelo_quartil, *modelo_ordem_pop, *modelo_ordem_tax;

  // "Estatísticas"
  QToolButton *Exportar_Est, *ImpEstat;
  QWidget* barra3;
  QSlider* Sel_Area;
  QCheckBox* Estat_geral;
  QPushButton *Ver_grupo, *Ano_Projetado;
  QTableView* Tab_Estatisticas;
  ModeloGrade* modelo_estatisticas;
  PainelAnos* Anos;

  // "Registros descritos", "Exceções"
  QToolButton *Exportar_Desc, *ImpDesc, *Exportar_exc, *ImpExc;
  QTableView *Tab_Descricao, *Tab_excecoes;
  ModeloGrade *modelo_descricao, *modelo_excecoes;

  // "Resultado", "Descrição"
  QToolButton *Exportar_Uniao, *ImpUniao;
  QPushButton *Adaptar, *DoDo_Tradutor, *DoDo_Vardex, *Unir_resultados;
  QTableView *Tab_Uniao, *Tab_DUniao;
  ModeloGrade *modelo_uniao, *modelo_duniao;

  // "Gráfico", after the pages of the original window.
  PaginaGraficoQuartis* Grafico;

  // The grid and title a page prints; no grid for the adjustment table.
  std::pair<const zivu::Grade*, std::string> impressao(zivu::PaginaQuartis pagina) const;

  // Main menu: "Exportar" runs the exports of the listing pages showing;
  // "Imprimir" prints the page in front.
  Q_INVOKABLE void exporta_paginas_visiveis();
  Q_INVOKABLE void Imprimir1Click();
  // The quartile pages offer no copy.
  Q_INVOKABLE void Copiar1Click() {}

 protected:
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  QToolBar* barra(QWidget* pagina, const char* nome);
  void cria_partida();
  void cria_estatisticas();
  void cria_listas();
  void cria_uniao();
  void comando(const std::function<void()>& f);
  // A command that works on the year shown, with that year's totals.
  void do_ano(const std::function<bool()>& f);
  void imprime(zivu::PaginaQuartis pagina);
  void sincroniza_celulas();
  Contexto& app_;
};
