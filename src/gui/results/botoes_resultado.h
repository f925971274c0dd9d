// Pieces the results windows share: the flat glyph buttons of export, copy
// and print with their hints, the bold command buttons, and the tab pages.
#pragma once

#include <QString>

class QPushButton;
class QToolButton;
class QWidget;

QToolButton* botao_exportar(const char* nome, QWidget* pai);
QToolButton* botao_copiar(const char* nome, QWidget* pai);
QToolButton* botao_imprimir(const char* nome, QWidget* pai);
QPushButton* botao_negrito(const QString& legenda, const char* nome, QWidget* pai,
                           const QString& texto_dica = {});
// A tab page: its toolbar and grid stacked in a QVBoxLayout, no margin and one
// pixel between.
QWidget* pagina_resultado(const char* nome);
