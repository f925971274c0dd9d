// The core's chart data drawn with Qt Charts, as it is: each function makes a
// new chart, series in the data's order. Points are drawn as one image per
// point on a line without pen: a scatter series makes a graphics item per
// marker, and 10000 areas would take seconds.
#pragma once

#include <QColor>
#include <QString>

#include "core/results/graficos.h"

class QChart;

QString texto_q(const std::string& s);

QChart* desenha_evolucao(const zivu::DadosEvolucao& d);
QChart* desenha_taxas(const zivu::DadosTaxas& d);
QChart* desenha_antes_depois(const zivu::DadosAntesDepois& d);
// Series 0 .. d.series.size() - 1 are the classes' points, the limits follow.
QChart* desenha_quartis(const zivu::DadosQuartis& d);

// The colour of a block's points: a fixed, distinct palette.
QColor cor_bloco(int bloco);
// The colour of a quartile class: the cell's rate column gives the hue, its
// population row the shade, darker where the statistics page paints the
// row's header black and lighter where it paints it grey; the records not
// counted in grey, the exceptions in the red of the page's title row.
QColor cor_classe(const zivu::ClasseQuartil& c);
