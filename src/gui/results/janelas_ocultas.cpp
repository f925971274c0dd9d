#include "gui/results/janelas_ocultas.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/results/botoes_resultado.h"
#include "gui/results/modelo_grade.h"
#include "gui/worksheet/widgets.h"

namespace {

void centra_na_tela(QWidget* janela) {
  if (QScreen* tela = QGuiApplication::primaryScreen())
    janela->move(tela->availableGeometry().center() - janela->rect().center());
}

QProgressBar* medidor(const char* nome, const char* cor, QWidget* pai) {
  auto* m = new QProgressBar(pai);
  m->setObjectName(nome);
  m->setTextVisible(false);
  m->setMaximumHeight(6);
  m->setStyleSheet(QString("QProgressBar::chunk { background-color: %1; }").arg(cor));
  return m;
}

}  // namespace

TUni_S::TUni_S(QWidget* pai) : QWidget(pai, Qt::Window) {
  setObjectName("Uni_S");
  setWindowTitle("DoDo simples - múltiplos anos");
  resize(544, 375);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  ToolBar4 = new QToolBar(this);
  ToolBar4->setObjectName("ToolBar4");
  Exportar_US = botao_exportar("Exportar_US", ToolBar4);
  Copiar_US = botao_copiar("Copiar_US", ToolBar4);
  Imp_US = botao_imprimir("Imp_US", ToolBar4);
  for (QWidget* w : std::initializer_list<QWidget*>{Exportar_US, Copiar_US, Imp_US}) ToolBar4->addWidget(w);
  v->addWidget(ToolBar4);
  Grade_US = cria_grade(new ModeloGrade(grade_, this), "Grade_US", this);
  const int larguras[] = {64, 65, 64, 64, 64};
  Grade_US->verticalHeader()->setFixedWidth(larguras[0]);
  for (int c = 1; c < 5; ++c) Grade_US->setColumnWidth(c - 1, larguras[c]);
  v->addWidget(Grade_US, 1);
  centra_na_tela(this);
  hide();
}

TUTab::TUTab(QWidget* pai) : QDialog(pai, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("UTab");
  setWindowTitle("União das tabelas de projeção populacional");
  resize(500, 312);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);

  PUniao = new QTabWidget(this);
  PUniao->setObjectName("PUniao");
  RUniao = new QWidget;
  RUniao->setObjectName("RUniao");
  auto* vr = new QVBoxLayout(RUniao);
  vr->setContentsMargins(0, 0, 0, 0);
  auto* barra = new QWidget(RUniao);
  barra->setObjectName("ToolBar_Uniao");
  auto* hb = new QHBoxLayout(barra);
  hb->setContentsMargins(2, 2, 2, 2);
  Exportar_Uniao = botao_exportar("Exportar_Uniao", barra);
  ImpUniao = botao_imprimir("ImpUniao", barra);
  Adaptar = botao_negrito("&Adaptar", "Adaptar", barra);
  DoDo_Tradutor = botao_negrito("&Gravar para ser traduzido", "DoDo_Tradutor", barra);
  DoDo_Tradutor->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{Exportar_Uniao, ImpUniao, Adaptar, DoDo_Tradutor})
    hb->addWidget(w);
  hb->addStretch(1);
  vr->addWidget(barra);
  Tab_Uniao = cria_grade(new ModeloGrade(uniao_, this), "Tab_Uniao", RUniao);
  vr->addWidget(Tab_Uniao, 1);
  DUniao = new QWidget;
  DUniao->setObjectName("DUniao");
  auto* vd = new QVBoxLayout(DUniao);
  vd->setContentsMargins(0, 0, 0, 0);
  Tab_DUniao = cria_grade(new ModeloGrade(duniao_, this), "Tab_DUniao", DUniao);
  vd->addWidget(Tab_DUniao, 1);
  PUniao->addTab(RUniao, "&Resultado");
  PUniao->addTab(DUniao, "&Descrições");
  v->addWidget(PUniao, 1);

  ResUnindo = new QWidget(this);
  ResUnindo->setObjectName("ResUnindo");
  auto* h = new QHBoxLayout(ResUnindo);
  auto* medidores = new QVBoxLayout;
  Unindo = medidor("Unindo", "blue", ResUnindo);
  Completando = medidor("Completando", "red", ResUnindo);
  medidores->addWidget(Unindo);
  medidores->addWidget(Completando);
  h->addLayout(medidores, 1);
  Fecha = botao("&Fecha", "Fecha", QString(), ResUnindo);
  h->addWidget(Fecha);
  v->addWidget(ResUnindo);
  connect(Fecha, &QPushButton::clicked, this, &QDialog::close);
  centra_na_tela(this);
  hide();
}
