#include "gui/app/impressao_paginas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

void imprime_paginas(QPrinter& impressora, const std::vector<zivu::Pagina>& paginas) {
  QPainter p(&impressora);
  QFont fonte("Courier", 8);
  fonte.setStyleHint(QFont::TypeWriter);
  fonte.setFixedPitch(true);
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
