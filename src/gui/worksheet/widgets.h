// Small builders and setters shared by the worksheet window's pages.
#pragma once

#include <string>

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

// A control's hint shows as its tooltip and in the status bar.
void dica(QWidget* w, const QString& texto);
QPushButton* botao(const QString& legenda, const char* nome, const QString& texto_dica, QWidget* pai);
QToolButton* ferramenta(const QString& legenda, const char* nome, const QString& texto_dica, QWidget* pai);
// A one-line edit with its length limit and key filter (digits or letters).
QLineEdit* edicao(const char* nome, int limite, bool numerico, QWidget* pai);
QRadioButton* opcao(const QString& legenda, const char* nome, QWidget* pai);
// The bold red "X" beside a group that is not set.
QLabel* marca_vermelha(const char* nome, QWidget* pai);
QLabel* texto_fixo(const QString& texto, QWidget* pai);
QComboBox* lista_meses(const char* nome, QWidget* pai);

// Setters that leave a widget alone when it already shows the value, so the
// caret and selection of an edit being typed into stay where they are.
void poe_texto(QLineEdit* e, const std::string& texto);
void poe_opcao(QRadioButton* b, bool escolhida);
void poe_mes(QComboBox* c, int indice, const std::string& texto_dica);
