// The page "Gráfico" of "DoDo em Quartis": the records of the data area on
// the track bar, population of the second survey (log) against growth rate,
// coloured by their cell of the statistics page, with the quartile limits;
// a click on a point selects its record in "Tabela de Partida" (or
// "Exceções") and shows that page.
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "core/results/graficos.h"
#include "core/results/relatorio.h"

class Contexto;
class Figura;
class QChartView;
class QLabel;
class QPushButton;

class PaginaGraficoQuartis : public QWidget {
  Q_OBJECT
 public:
  explicit PaginaGraficoQuartis(Contexto& app);

  QPushButton *Salvar_Grafico, *Imprimir_Grafico;
  QChartView* Grafico;
  QLabel* Legenda_Grafico;

  void desenha();
  const zivu::DadosQuartis& dados() const { return dados_; }
  // A click on point i of class series s (of dados().series).
  void clica_ponto(size_t s, size_t i);
  void salva();
  void imprime();
  std::vector<zivu::GraficoRelatorio> graficos_para_relatorio();

 signals:
  // The row to select in the listing shown, or in "Exceções".
  void registro_escolhido(int linha, bool excecao);

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  std::unique_ptr<Figura> figura();
  Contexto& app_;
  zivu::DadosQuartis dados_;
  std::string chave_;
};
