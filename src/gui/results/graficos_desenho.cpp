#include "gui/results/graficos_desenho.h"

#include <QAreaSeries>
#include <QChart>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kMarcador = 7;

// Legends and titles of a chart are rich text: "<=" in a class's name would
// start a tag.
QString rotulo(const std::string& s) { return texto_q(s).toHtmlEscaped(); }

QList<QPointF> pontos(const std::vector<zivu::Ponto>& v) {
  QList<QPointF> r;
  r.reserve(static_cast<qsizetype>(v.size()));
  for (const zivu::Ponto& p : v) r.append(QPointF(p.x, p.y));
  return r;
}

QImage marcador(const QColor& cor) {
  QImage m(kMarcador, kMarcador, QImage::Format_ARGB32_Premultiplied);
  m.fill(Qt::transparent);
  QPainter p(&m);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(cor.darker(140), 0.8));
  p.setBrush(cor);
  p.drawEllipse(QRectF(0.5, 0.5, kMarcador - 1, kMarcador - 1));
  return m;
}

// Points only: a line without pen, each point one image.
QLineSeries* serie_pontos(const QString& nome, const std::vector<zivu::Ponto>& v, const QColor& cor) {
  auto* s = new QLineSeries;
  s->setName(nome);
  s->setPen(Qt::NoPen);
  s->setColor(cor);
  s->setPointsVisible(true);
  s->setMarkerSize(kMarcador);
  s->setLightMarker(marcador(cor));
  s->replace(pontos(v));
  return s;
}

QLineSeries* serie_linha(const QString& nome, const std::vector<zivu::Ponto>& v, const QColor& cor,
                         Qt::PenStyle estilo = Qt::SolidLine, qreal largura = 2) {
  auto* s = new QLineSeries;
  s->setName(nome);
  QPen caneta(cor, largura, estilo);
  s->setPen(caneta);
  s->replace(pontos(v));
  return s;
}

QLineSeries* referencia(const zivu::Referencia& r, const QColor& cor, Qt::PenStyle estilo) {
  return serie_linha(rotulo(r.nome), {r.de, r.ate}, cor, estilo, 1.5);
}

// A log axis is never given a range that is not above 0.
QAbstractAxis* eixo(const zivu::Eixo& e, const char* formato) {
  if (e.escala == zivu::Escala::Logaritmica) {
    auto* a = new QLogValueAxis;
    a->setBase(10);
    a->setLabelFormat(formato);
    a->setMinorTickCount(8);
    const bool valido = e.minimo > 0 && e.maximo > e.minimo && std::isfinite(e.maximo);
    a->setRange(valido ? e.minimo : 1, valido ? e.maximo : 10);
    a->setTitleText(rotulo(e.titulo));
    return a;
  }
  auto* a = new QValueAxis;
  const bool valido = std::isfinite(e.minimo) && std::isfinite(e.maximo) && e.maximo > e.minimo;
  a->setRange(valido ? e.minimo : 0, valido ? e.maximo : 1);
  a->setLabelFormat(formato);
  a->setTitleText(rotulo(e.titulo));
  return a;
}

QChart* grafico(const std::string& titulo) {
  auto* c = new QChart;
  c->setTitle(rotulo(titulo));
  c->legend()->setAlignment(Qt::AlignBottom);
  c->setMargins(QMargins(4, 4, 4, 4));
  return c;
}

void poe(QChart* c, QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y) {
  c->addSeries(s);
  s->attachAxis(x);
  s->attachAxis(y);
}

const QColor kAzul(3, 64, 126), kAzulClaro(20, 102, 184), kAmarelo(230, 170, 20), kVermelho(200, 30, 30);

}  // namespace

QString texto_q(const std::string& s) { return QString::fromStdString(s); }

QChart* desenha_evolucao(const zivu::DadosEvolucao& d) {
  QChart* c = grafico(d.titulo);
  QAbstractAxis* x = eixo(d.x, "%.0f");
  QAbstractAxis* y = eixo(d.y, "%.0f");
  QAbstractAxis* y2 = eixo(d.y2, "%.0f");
  y2->setLinePenColor(kAmarelo);
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);
  c->addAxis(y2, Qt::AlignRight);
  poe(c, serie_pontos("Pesquisas", d.pesquisas, kVermelho), x, y);
  QLineSeries* p = serie_linha("População projetada", d.projecao, kAzulClaro);
  p->setPointsVisible(true);
  poe(c, p, x, y);
  QLineSeries* e = serie_linha("Total esperado (eixo da direita)", d.esperado, kAmarelo, Qt::DashLine);
  e->setPointsVisible(true);
  poe(c, e, x, y2);
  return c;
}

QChart* desenha_taxas(const zivu::DadosTaxas& d) {
  QChart* c = grafico(d.titulo);
  QAbstractAxis* x = eixo(d.x, "%.2f");
  QAbstractAxis* y = eixo(d.y, "%.0f");
  // Ticks on the classes' edges, at most about ten labels; counts in whole numbers.
  const auto& k = d.histograma.classes;
  if (auto* vx = static_cast<QValueAxis*>(x); !k.empty()) {
    const double w = k.front().ate - k.front().de;
    vx->setTickType(QValueAxis::TicksDynamic);
    vx->setTickAnchor(k.front().de);
    vx->setTickInterval(w * std::ceil(static_cast<double>(k.size()) / 10));
  }
  static_cast<QValueAxis*>(y)->applyNiceNumbers();
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);
  // The bars as one outline: up and down each class's edges.
  std::vector<zivu::Ponto> contorno;
  for (const zivu::ClasseHistograma& c : k) {
    contorno.push_back({c.de, 0});
    contorno.push_back({c.de, static_cast<double>(c.areas)});
    contorno.push_back({c.ate, static_cast<double>(c.areas)});
    contorno.push_back({c.ate, 0});
  }
  auto* barras = new QAreaSeries(serie_linha({}, contorno, kAzul, Qt::SolidLine, 1));
  barras->setName("Áreas por classe de taxa");
  barras->setColor(QColor(20, 102, 184, 170));
  barras->setBorderColor(kAzul);
  poe(c, barras, x, y);
  for (const zivu::Referencia& r : d.referencias) poe(c, referencia(r, kVermelho, Qt::DashLine), x, y);
  return c;
}

QChart* desenha_antes_depois(const zivu::DadosAntesDepois& d) {
  QChart* c = grafico(d.titulo);
  QAbstractAxis* x = eixo(d.x, "%.0f");
  QAbstractAxis* y = eixo(d.y, "%.0f");
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);
  for (const zivu::SerieBloco& s : d.series) poe(c, serie_pontos(rotulo(s.nome), s.pontos, cor_bloco(s.bloco)), x, y);
  for (const zivu::Referencia& r : d.referencias) poe(c, referencia(r, Qt::darkGray, Qt::DashLine), x, y);
  if (d.series.size() > 6) c->legend()->setAlignment(Qt::AlignRight);
  return c;
}

QChart* desenha_quartis(const zivu::DadosQuartis& d) {
  QChart* c = grafico(d.titulo);
  QAbstractAxis* x = eixo(d.x, "%.0f");
  QAbstractAxis* y = eixo(d.y, "%.2f");
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);
  for (const zivu::SerieQuartil& s : d.series) poe(c, serie_pontos(rotulo(s.classe.nome), s.pontos, cor_classe(s.classe)), x, y);
  for (const zivu::Referencia& r : d.referencias)
    poe(c, referencia(r, r.nome.starts_with("Q") ? QColor(90, 90, 90) : kVermelho, Qt::DashLine), x, y);
  c->legend()->setAlignment(Qt::AlignRight);
  return c;
}

QColor cor_bloco(int bloco) {
  static const QColor kCores[] = {{3, 64, 126},   {230, 120, 20}, {40, 150, 60},  {200, 30, 30},  {130, 80, 180},
                                  {140, 90, 60},  {220, 90, 170}, {110, 110, 110}, {170, 170, 30}, {20, 170, 190}};
  const int n = static_cast<int>(std::size(kCores));
  const QColor base = kCores[((bloco % n) + n) % n];
  // Past the palette, the same hues lighter each round.
  return bloco >= n ? base.lighter(100 + 25 * std::min(bloco / n, 4)) : base;
}

QColor cor_classe(const zivu::ClasseQuartil& c) {
  if (c.tipo == zivu::TipoClasseQuartil::Excecao) return QColor(255, 0, 0);
  if (c.tipo == zivu::TipoClasseQuartil::NaoContado) return QColor(128, 128, 128);
  static const int kMatiz[] = {265, 215, 160, 95, 35};
  const int coluna = std::clamp(c.coluna - 1, 0, 4);
  const bool escura = c.cor_linha == zivu::CorEstatistica::BrancoSobrePreto;
  // Two shades for each header colour: the first and second of its rows.
  const bool primeira = c.quartil_pop <= 2;
  const int saturacao = escura ? 255 : (primeira ? 150 : 90);
  const int valor = escura ? (primeira ? 150 : 215) : (primeira ? 235 : 255);
  return QColor::fromHsv(kMatiz[coluna], saturacao, valor);
}
