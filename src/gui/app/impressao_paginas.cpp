#include "gui/app/impressao_paginas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

QFont fonte_impressao() {
  QFont fonte("Courier", 8);
  fonte.setStyleHint(QFont::TypeWriter);
  fonte.setFixedPitch(true);
  return fonte;
}

}  // namespace

int caracteres_por_linha(QPrinter& impressora) {
  const QFontMetrics m(fonte_impressao(), &impressora);
  const int largura = impressora.pageLayout().paintRectPixels(impressora.resolution()).width();
  return std::max(1, largura / std::max(1, m.horizontalAdvance(QLatin1Char('0'))));
}

void imprime_paginas(QPrinter& impressora, const std::vector<zivu::Pagina>& paginas) {
  QPainter p(&impressora);
  const QFont fonte = fonte_impressao();
  p.setFont(fonte);
  const QFontMetrics m(fonte, &impressora);
  const int altura = impressora.pageLayout().paintRectPixels(impressora.resolution()).height();
  bool primeira = true;
  for (const auto& pagina : paginas) {
    if (!primeira) impressora.newPage();
    primeira = false;
    int y = 0;
    for (const auto& linha : pagina) {
      if (y > 0 && y + m.height() > altura) {
        impressora.newPage();
        y = 0;
      }
      p.drawText(0, y + m.ascent(), QString::fromStdString(linha));
      y += m.lineSpacing();
    }
  }
}
