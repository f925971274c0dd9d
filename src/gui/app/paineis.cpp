#include "gui/app/paineis.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// At most 25 paints a second, however often the position moves.
constexpr qint64 kIntervaloRepinturaMs = 40;

QLabel* faixa_titulo(const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  l->setAutoFillBackground(true);
  l->setStyleSheet("background-color: rgb(0, 0, 128); color: white; font-weight: bold; padding: 2px;");
  return l;
}

}  // namespace

void centraliza(QWidget* painel) {
  QWidget* pai = painel->parentWidget();
  if (!pai) return;
  painel->adjustSize();
  const int x = static_cast<int>(std::lround((pai->width() - painel->width()) / 2.0));
  const int y = static_cast<int>(std::lround((pai->height() - painel->height()) / 2.0));
  painel->move(x, y);
}

PainelProgresso::PainelProgresso(QWidget* pai) : QFrame(pai) {
  setObjectName("Progressao");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 6);
  v->addWidget(faixa_titulo("Progresso", this));
  auto* h = new QHBoxLayout;
  h->setContentsMargins(8, 4, 8, 0);
  Progresso = new QProgressBar(this);
  Progresso->setObjectName("Progresso");
  Progresso->setRange(0, 100);
  Progresso->setTextVisible(false);
  Progresso->setMinimumWidth(240);
  Porcentagem = new QLabel("%", this);
  Porcentagem->setObjectName("Porcentagem");
  Porcentagem->setMinimumWidth(40);
  h->addWidget(Progresso);
  h->addWidget(Porcentagem);
  v->addLayout(h);
  hide();
}

void PainelProgresso::mostra(int maximo) {
  Progresso->setRange(0, std::max(maximo, 1));
  Progresso->setValue(0);
  Porcentagem->setText("0%");
  centraliza(this);
  show();
  raise();
  repinta(true);
}

void PainelProgresso::posiciona(int posicao, const QString& rotulo) {
  Progresso->setValue(std::min(posicao, Progresso->maximum()));
  Porcentagem->setText(rotulo);
  repinta(false);
}

void PainelProgresso::esconde() { hide(); }

void PainelProgresso::repinta(bool sempre) {
  if (!isVisible()) return;
  if (!sempre && relogio_.isValid() && relogio_.elapsed() < kIntervaloRepinturaMs) return;
  relogio_.start();
  ++repinturas_;
  repaint();
}

PainelTotais::PainelTotais(QWidget* pai) : QFrame(pai) {
  setObjectName("TelaTotais");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 8);
  v->addWidget(faixa_titulo("Total do bloco", this));
  auto* corpo = new QVBoxLayout;
  corpo->setContentsMargins(10, 4, 10, 0);
  Tot_Coord = new QLabel(this);
  Tot_Coord->setObjectName("Tot_Coord");
  QFont negrito = Tot_Coord->font();
  negrito.setBold(true);
  Tot_Coord->setFont(negrito);
  Label2 = new QLabel(
      "Informe a população referente ao último ano da projeção, de acordo com o tipo da linha "
      "(principal/secundária).",
      this);
  Label2->setObjectName("Label2");
  Label2->setWordWrap(true);
  Label2->setFixedWidth(280);
  Janela_Total = new QLineEdit(this);
  Janela_Total->setObjectName("Janela_Total");
  Janela_Total->setMaxLength(12);
  auto* botoes = new QHBoxLayout;
  OK_Total = new QPushButton("&OK", this);
  OK_Total->setObjectName("OK_Total");
  OK_Total->setDefault(true);
  Cancelar_Total = new QPushButton("&Cancelar", this);
  Cancelar_Total->setObjectName("Cancelar_Total");
  botoes->addStretch();
  botoes->addWidget(OK_Total);
  botoes->addWidget(Cancelar_Total);
  corpo->addWidget(Tot_Coord);
  corpo->addWidget(Label2);
  corpo->addWidget(Janela_Total);
  corpo->addLayout(botoes);
  v->addLayout(corpo);
  hide();
}
