#include "gui/results/painel_anos.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/worksheet/widgets.h"

PainelAnos::PainelAnos(QWidget* pai) : QFrame(pai) {
  setObjectName("Anos");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(1, 1, 1, 1);
  v->setSpacing(0);
  Label14 = new QLabel(" Escolha o ano", this);
  Label14->setObjectName("Label14");
  Label14->setAutoFillBackground(true);
  Label14->setStyleSheet("background-color: rgb(3, 79, 154); color: white; font-weight: bold; padding: 2px;");
  v->addWidget(Label14);
  Esc_Ano_Projetado = new QListWidget(this);
  Esc_Ano_Projetado->setObjectName("Esc_Ano_Projetado");
  Esc_Ano_Projetado->setSelectionMode(QAbstractItemView::SingleSelection);
  Esc_Ano_Projetado->setStyleSheet("QListWidget { background-color: rgb(214, 214, 214); }");
  v->addWidget(Esc_Ano_Projetado, 1);
  auto* barra = new QToolBar(this);
  barra->setObjectName("ToolBar_Anos");
  Aceitar_ano = ferramenta(QString(), "Aceitar_ano", QString(), barra);
  Aceitar_ano->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  Cancelar_ano = ferramenta(QString(), "Cancelar_ano", QString(), barra);
  Cancelar_ano->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  barra->addWidget(Aceitar_ano);
  barra->addWidget(Cancelar_ano);
  v->addWidget(barra);
  resize(150, 200);
  hide();

  connect(Esc_Ano_Projetado, &QListWidget::currentRowChanged, this, [this](int i) {
    if (i >= 0) emit escolhido(i);
  });
}

void PainelAnos::atualiza(const std::vector<std::string>& anos, int indice, bool aberto) {
  const QSignalBlocker bloqueio(Esc_Ano_Projetado);
  if (anos != anos_) {
    anos_ = anos;
    Esc_Ano_Projetado->clear();
    for (const std::string& a : anos) Esc_Ano_Projetado->addItem(QString::fromStdString(a));
  }
  const int linha = indice >= 0 && indice < Esc_Ano_Projetado->count() ? indice : -1;
  if (Esc_Ano_Projetado->currentRow() != linha) {
    Esc_Ano_Projetado->setCurrentRow(linha);
    if (linha < 0) Esc_Ano_Projetado->clearSelection();
  }
  if (aberto == !isHidden()) return;
  if (!aberto) {
    hide();
    return;
  }
  posiciona();
  show();
  raise();
  Esc_Ano_Projetado->setFocus();
}

void PainelAnos::posiciona() {
  QWidget* pai = parentWidget();
  if (!pai) return;
  // Centred over its page.
  move(std::max(0, (pai->width() - width()) / 2), std::max(0, (pai->height() - height()) / 2));
}
