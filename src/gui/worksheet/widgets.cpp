#include "gui/worksheet/widgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "core/worksheet/configuracao.h"
#include "gui/app/filtro_teclas.h"

void dica(QWidget* w, const QString& texto) {
  w->setToolTip(texto);
  w->setStatusTip(texto);
}

QPushButton* botao(const QString& legenda, const char* nome, const QString& texto_dica, QWidget* pai) {
  auto* b = new QPushButton(legenda, pai);
  b->setObjectName(nome);
  // A button keeps its natural width however wide its window grows.
  b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  if (!texto_dica.isEmpty()) dica(b, texto_dica);
  return b;
}

QToolButton* ferramenta(const QString& legenda, const char* nome, const QString& texto_dica, QWidget* pai) {
  auto* b = new QToolButton(pai);
  b->setObjectName(nome);
  b->setText(legenda);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoRaise(true);
  if (!texto_dica.isEmpty()) dica(b, texto_dica);
  return b;
}

QLineEdit* edicao(const char* nome, int limite, bool numerico, QWidget* pai) {
  auto* e = new QLineEdit(pai);
  e->setObjectName(nome);
  e->setMaxLength(limite);
  e->setMaximumWidth(limite <= 2 ? 48 : 110);
  filtra_teclas(e, numerico);
  return e;
}

QRadioButton* opcao(const QString& legenda, const char* nome, QWidget* pai) {
  auto* b = new QRadioButton(legenda, pai);
  b->setObjectName(nome);
  return b;
}

QLabel* marca_vermelha(const char* nome, QWidget* pai) {
  auto* l = new QLabel("X", pai);
  l->setObjectName(nome);
  l->setStyleSheet("color: red; font-weight: bold;");
  return l;
}

QLabel* texto_fixo(const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  l->setWordWrap(true);
  return l;
}

QComboBox* lista_meses(const char* nome, QWidget* pai) {
  auto* c = new QComboBox(pai);
  c->setObjectName(nome);
  for (const char* mes : zivu::kMeses) c->addItem(QString::fromUtf8(mes));
  return c;
}

void poe_texto(QLineEdit* e, const std::string& texto) {
  const QString t = QString::fromStdString(texto);
  if (e->text() != t) e->setText(t);
}

void poe_opcao(QRadioButton* b, bool escolhida) {
  if (b->isChecked() == escolhida) return;
  QButtonGroup* grupo = b->group();
  // An exclusive group never lets its checked button go by itself.
  if (!escolhida && grupo) {
    grupo->setExclusive(false);
    b->setChecked(false);
    grupo->setExclusive(true);
  } else {
    b->setChecked(escolhida);
  }
}

void poe_mes(QComboBox* c, int indice, const std::string& texto_dica) {
  if (c->currentIndex() != indice) c->setCurrentIndex(indice >= 0 && indice < c->count() ? indice : -1);
  dica(c, QString::fromStdString(texto_dica));
}
