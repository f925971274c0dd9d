// The page "Avaliação" of "DoDo simples": the back-test kept in the core,
// shown as the summary, the summaries by block and by size class, the areas
// by error and the chart of each area's error against its population, with
// the export of each table.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/engine/avaliacao_resultado.h"

class Contexto;
class QChartView;
class QComboBox;
class QLabel;
class QTabWidget;
class QTableView;
class QToolButton;

// One table of a back-test, as its file has it: the summary, the blocks' or
// the size classes' part of the groups, or the areas with an error for one
// method, largest error first.
class ModeloAvaliacao : public QAbstractTableModel {
 public:
  enum class Tabela { Resumo, Blocos, Classes, Areas };
  ModeloAvaliacao(const std::optional<zivu::Avaliacao>& avaliacao, Tabela t, QObject* pai);
  // From the back-test kept, the areas ordered for `m`.
  void atualiza(zivu::MetodoAvaliacao m);

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& i, int papel) const override;
  QVariant headerData(int secao, Qt::Orientation o, int papel) const override;

 private:
  const std::vector<zivu::GrupoAvaliacao>* grupos() const;
  QString texto(int linha, int coluna) const;
  const std::optional<zivu::Avaliacao>& a_;
  const Tabela t_;
  zivu::MetodoAvaliacao m_ = zivu::MetodoAvaliacao::DoDo;
  std::vector<size_t> ordem_;
};

class PaginaAvaliacao : public QWidget {
  Q_OBJECT
 public:
  explicit PaginaAvaliacao(Contexto& app);
  // Shows the back-test kept again: its tables and its chart.
  void mostra();

  QToolButton* Exportar_Aval;
  QComboBox* Metodo_Aval;
  QLabel* Descricao_Aval;
  QTabWidget* Ficha_Aval;
  QTableView *Tab_Resumo, *Tab_Blocos, *Tab_Classes, *Tab_Areas;
  QChartView* Grafico_PE;
  QLabel* Fora_Aval;

 private:
  QTableView* tabela(ModeloAvaliacao::Tabela t, const char* nome, const char* titulo);
  void desenha(zivu::MetodoAvaliacao m);
  Contexto& app_;
  std::vector<ModeloAvaliacao*> modelos_;
};
