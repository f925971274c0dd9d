// The page "Gráficos" of "DoDo simples": a chooser of the chart (Evolução,
// Taxas, Antes e depois) and of its area or block, the chart drawn from the
// core's chart data, the caption saying what was left out, the areas the log
// scale cannot show listed beside it, and the chart saved or printed. The data
// is read when the page shows, never during a run.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "core/results/graficos.h"
#include "core/results/relatorio.h"

class Contexto;
class Figura;
class QAction;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class PaginaGraficos : public QWidget {
  Q_OBJECT
 public:
  enum Tipo { Evolucao, Taxas, AntesDepois };
  explicit PaginaGraficos(Contexto& app);

  QComboBox *Tipo_Grafico, *Area_Grafico, *Bloco_Grafico;
  QPushButton *Salvar_Grafico, *Imprimir_Grafico;
  QChartView* Grafico;
  QListWidget* Omitidas;
  QLabel* Legenda_Grafico;

  // The chart chosen, drawn again from the core's state.
  void desenha();
  void salva();
  void imprime();
  // The page's three charts as the report holds them, with the choices of the
  // page; none without results.
  std::vector<zivu::GraficoRelatorio> graficos_para_relatorio();

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  // Reads the choosers' lists and the projected years again when the results
  // changed; true when they did.
  bool prepara();
  std::unique_ptr<Figura> figura(Tipo t, bool na_pagina);
  Contexto& app_;
  std::string chave_;
  std::vector<zivu::ItemArea> itens_;
  std::vector<int32_t> blocos_;  // data area of each block in Bloco_Grafico, after the first entry
  zivu::ProjecoesAnos anos_;
  QAction *acao_area_, *acao_bloco_;
};
