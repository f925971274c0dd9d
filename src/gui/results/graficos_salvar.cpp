#include "gui/results/graficos_salvar.h"

#include <QBuffer>
#include <QChart>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPainterPath>
#include <QPrinter>
#include <QXYSeries>
#include <QSvgGenerator>
#include <algorithm>
#include <utility>

#include "core/files/arquivos.h"
#include "core/results/graficos_arquivo.h"
#include "gui/app/contexto.h"

namespace {

constexpr int kLargura = 900, kAlturaGrafico = 560, kAlturaTitulo = 36, kMargem = 12, kMarcador = 7;

QFont fonte_titulo() {
  QFont f("DejaVu Sans");
  f.setPixelSize(15);
  f.setBold(true);
  return f;
}

QFont fonte_legenda() {
  QFont f("DejaVu Sans");
  f.setPixelSize(12);
  return f;
}

QRect area_legenda(int altura) { return QRect(kMargem, 0, kLargura - 2 * kMargem, altura); }

}  // namespace

Figura::Figura(QChart* grafico, QString titulo, QString legenda)
    : grafico_(grafico), titulo_(std::move(titulo)), legenda_(std::move(legenda)) {
  // The figure's own title names the chart.
  grafico_->setTitle({});
  for (QAbstractSeries* a : grafico_->series()) {
    auto* s = qobject_cast<QXYSeries*>(a);
    if (!s || s->lightMarker().isNull()) continue;
    pontos_.push_back({s, s->color(), s->points()});
    s->setLightMarker(QImage());
    s->setPointsVisible(false);
  }
  cena_.addItem(grafico_);
  grafico_->setGeometry(QRectF(0, 0, kLargura, kAlturaGrafico));
  grafico_->setAnimationOptions(QChart::NoAnimation);
  // Laid out now: a chart never shown lays itself out on an event.
  if (QGraphicsLayout* l = grafico_->layout()) l->activate();
  if (!legenda_.isEmpty()) {
    const QFontMetrics m(fonte_legenda());
    altura_legenda_ = m.boundingRect(area_legenda(10000), Qt::TextWordWrap | Qt::AlignLeft, legenda_).height() +
                      kMargem;
  }
}

Figura::~Figura() = default;

QSize Figura::tamanho() const { return QSize(kLargura, kAlturaTitulo + kAlturaGrafico + altura_legenda_); }

void Figura::pinta(QPainter& p, const QRectF& alvo) {
  const QSize t = tamanho();
  const double escala = std::min(alvo.width() / t.width(), alvo.height() / t.height());
  p.save();
  p.translate(alvo.topLeft());
  p.scale(escala, escala);
  p.fillRect(QRect(QPoint(0, 0), t), Qt::white);
  p.setPen(QColor(3, 64, 126));
  p.setFont(fonte_titulo());
  p.drawText(QRect(kMargem, 0, kLargura - 2 * kMargem, kAlturaTitulo), Qt::AlignLeft | Qt::AlignVCenter,
             titulo_);
  cena_.render(&p, QRectF(0, kAlturaTitulo, kLargura, kAlturaGrafico), QRectF(0, 0, kLargura, kAlturaGrafico));
  p.save();
  p.translate(0, kAlturaTitulo);
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(grafico_->plotArea());
  // Each point a stroke of no length with round caps: a dot, a few bytes
  // of a path in an SVG.
  for (const Pontos& s : pontos_) {
    QPainterPath caminho;
    for (const QPointF& ponto : s.pontos) {
      const QPointF q = grafico_->mapToPosition(ponto, s.serie);
      caminho.moveTo(q);
      caminho.lineTo(q + QPointF(0.01, 0));
    }
    p.setPen(QPen(s.cor, kMarcador - 1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(caminho);
  }
  p.restore();
  if (altura_legenda_ > 0) {
    p.setPen(QColor(29, 35, 43));
    p.setFont(fonte_legenda());
    p.drawText(area_legenda(altura_legenda_).translated(0, kAlturaTitulo + kAlturaGrafico),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, legenda_);
  }
  p.restore();
}

QByteArray Figura::png() {
  QImage imagem(tamanho(), QImage::Format_RGB32);
  imagem.fill(Qt::white);
  {
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    pinta(p, QRectF(QPointF(0, 0), tamanho()));
  }
  QByteArray bytes;
  QBuffer saida(&bytes);
  saida.open(QIODevice::WriteOnly);
  imagem.save(&saida, "PNG");
  return bytes;
}

QByteArray Figura::svg() {
  QByteArray bytes;
  QBuffer saida(&bytes);
  saida.open(QIODevice::WriteOnly);
  QSvgGenerator gerador;
  gerador.setOutputDevice(&saida);
  gerador.setSize(tamanho());
  gerador.setViewBox(QRect(QPoint(0, 0), tamanho()));
  gerador.setTitle(titulo_);
  gerador.setDescription("Derova ZiVu 1.0");
  {
    QPainter p(&gerador);
    pinta(p, QRectF(QPointF(0, 0), tamanho()));
  }
  return bytes;
}

QByteArray Figura::pdf() {
  QByteArray bytes;
  QBuffer saida(&bytes);
  saida.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&saida);
    pdf.setTitle(titulo_);
    pdf.setCreator("Derova ZiVu 1.0");
    // One page of the figure's own proportions, at 96 pixels to the inch.
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(tamanho()) * (72.0 / 96), QPageSize::Point, {}, QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p(&pdf);
    pinta(p, QRectF(QPointF(0, 0), tamanho()));
  }
  return bytes;
}

void Figura::imprime(QPrinter& impressora) {
  QPainter p(&impressora);
  pinta(p, impressora.pageLayout().paintRectPixels(impressora.resolution()).translated(
               -impressora.pageLayout().paintRectPixels(impressora.resolution()).topLeft()));
}

bool salva_figura(Contexto& app, Figura& f) {
  zivu::Sistema& sis = app.sis;
  const auto arquivo = zivu::escolhe_arquivo_grafico(sis);
  if (!arquivo) return false;
  sis.plat.cursor_espera(true);
  const QByteArray bytes = arquivo->formato == zivu::FormatoGrafico::SVG   ? f.svg()
                           : arquivo->formato == zivu::FormatoGrafico::PDF ? f.pdf()
                                                                           : f.png();
  bool gravado = false;
  try {
    zivu::grava_seguro(arquivo->caminho, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    gravado = true;
  } catch (const zivu::ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
  }
  sis.plat.cursor_espera(false);
  if (gravado) sis.status("Gráfico gravado em " + arquivo->caminho);
  return gravado;
}

bool imprime_figura(Contexto& app, Figura& f) {
  QPrintDialog dialogo(&app.ImprimeGrade, app.janela_principal);
  if (dialogo.exec() != QDialog::Accepted) return false;
  app.plat.cursor_espera(true);
  f.imprime(app.ImprimeGrade);
  app.plat.cursor_espera(false);
  return true;
}
