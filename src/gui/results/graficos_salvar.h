// A chart as a figure of its own, away from any window: its title naming the
// worksheet, method, year and chart, the chart at a fixed size, and its
// caption; saved as PNG, SVG or PDF, printed, or given to the report as SVG.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QString>
#include <memory>
#include <vector>

class Contexto;
class QChart;
class QPainter;
class QPrinter;
class QXYSeries;

class Figura {
 public:
  // Takes the chart.
  Figura(QChart* grafico, QString titulo, QString legenda);
  ~Figura();
  Figura(const Figura&) = delete;
  Figura& operator=(const Figura&) = delete;

  const QString& titulo() const { return titulo_; }
  QSize tamanho() const;
  // The figure scaled into `alvo`, its proportions kept.
  void pinta(QPainter& p, const QRectF& alvo);

  QByteArray png();
  QByteArray svg();
  QByteArray pdf();
  void imprime(QPrinter& impressora);

 private:
  // The points a series draws as images, drawn here as one path each: an
  // image per point would make an SVG of megabytes.
  struct Pontos {
    QXYSeries* serie;
    QColor cor;
    QList<QPointF> pontos;
  };
  QGraphicsScene cena_;
  QChart* grafico_;
  std::vector<Pontos> pontos_;
  QString titulo_, legenda_;
  int altura_legenda_ = 0;
};

// "Salvar…" of a chart page: the save dialog, then the file. False when
// cancelled or not written (the message was shown).
bool salva_figura(Contexto& app, Figura& f);
// "Imprimir" of a chart page: the printer dialog, then the figure on the page.
bool imprime_figura(Contexto& app, Figura& f);
