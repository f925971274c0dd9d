// "Relatório" of a results window: the save dialog, then the run report of
// the year the window shows, as a page with the charts inline (SVG) or as a
// PDF laid out by QTextDocument with the charts as images.
#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

#include "core/results/relatorio.h"

class Contexto;
class QPushButton;
class QWidget;

// The button, enabled while the window shows a year and its chooser is closed.
QPushButton* botao_relatorio(Contexto& app, bool quartis, QWidget* pai);

void RelatorioClick(Contexto& app, bool quartis);
// The charts the report of the window holds: those of its chart page.
std::vector<zivu::GraficoRelatorio> graficos_do_relatorio(Contexto& app, bool quartis);

// The report as PDF bytes. Nothing when it could not be made (the message
// was shown).
std::optional<QByteArray> relatorio_pdf(zivu::Sistema& sis, bool quartis,
                                        const std::vector<zivu::GraficoRelatorio>& graficos);
