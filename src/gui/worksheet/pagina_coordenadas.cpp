#include "gui/worksheet/pagina_coordenadas.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/contexto.h"
#include "gui/worksheet/widgets.h"

PaginaCoordenadas::PaginaCoordenadas(Contexto& app, QWidget* pai) : QWidget(pai), app_(app) {
  setObjectName("Coordenadas");
  auto* v = new QVBoxLayout(this);
  auto* cabecalho = new QLabel("Digitação das coordenadas de cada elemento do cálculo", this);
  QFont negrito = cabecalho->font();
  negrito.setBold(true);
  cabecalho->setFont(negrito);
  v->addWidget(cabecalho);

  auto* g = new QGridLayout;
  v->addLayout(g, 1);
  g->addWidget(new QLabel("Seções:", this), 0, 0);
  Secoes = new QListWidget(this);
  Secoes->setObjectName("Secoes");
  Secoes->addItems({"Anos", "Linha principal", "Linha(s) secundária(s)", "Área(s) de dados",
                    "Área(s) de títulos"});
  Secoes->setCurrentRow(0);
  g->addWidget(Secoes, 1, 0);
  g->addWidget(new QLabel("Coordenada(s):", this), 0, 1);
  Areas = new QListWidget(this);
  Areas->setObjectName("Areas");
  g->addWidget(Areas, 1, 1);

  auto* lado = new QVBoxLayout;
  auto* cantos = new QHBoxLayout;
  X0 = edicao("X0", 1, false, this);
  Y0 = edicao("Y0", 5, true, this);
  X1 = edicao("X1", 1, false, this);
  Y1 = edicao("Y1", 5, true, this);
  for (QLineEdit* e : {X0, X1}) e->setMaximumWidth(32);
  for (QLineEdit* e : {Y0, Y1}) e->setMaximumWidth(64);
  cantos->addWidget(X0);
  cantos->addWidget(Y0);
  cantos->addWidget(new QLabel("..", this));
  cantos->addWidget(X1);
  cantos->addWidget(Y1);
  cantos->addStretch();
  lado->addLayout(cantos);
  auto* botoes = new QHBoxLayout;
  Adiciona = botao("&Incluir", "Adiciona", "Adiciona à lista abaixo", this);
  Diminui = botao("&Eliminar", "Diminui", "Remove o item selecionado", this);
  botoes->addWidget(Adiciona);
  botoes->addWidget(Diminui);
  botoes->addStretch();
  lado->addLayout(botoes);

  auto* limites = new QGroupBox("Limites", this);
  auto* gl = new QGridLayout(limites);
  Lim_Col = new QLabel(limites);
  Lim_Col->setObjectName("Lim_Col");
  Lim_Lin = new QLabel(limites);
  Lim_Lin->setObjectName("Lim_Lin");
  gl->addWidget(new QLabel("Colunas", limites), 0, 0);
  gl->addWidget(Lim_Col, 0, 1);
  gl->addWidget(new QLabel("Linhas", limites), 1, 0);
  gl->addWidget(Lim_Lin, 1, 1);
  lado->addWidget(limites);

  auto* populacao = new QGroupBox("População final", this);
  auto* gp = new QHBoxLayout(populacao);
  Coord_Total = edicao("Coord_Total", 12, true, populacao);
  dica(Coord_Total, "Total/subtotal para a linha escolhida - População a projetar");
  Aceitar_Total = botao("&Aceitar", "Aceitar_Total", QString(), populacao);
  gp->addWidget(Coord_Total);
  gp->addWidget(Aceitar_Total);
  gp->addStretch();
  lado->addWidget(populacao);
  lado->addStretch();
  g->addLayout(lado, 1, 2);

  Informativo = new QLabel(this);
  Informativo->setObjectName("Informativo");
  Informativo->setWordWrap(true);
  v->addWidget(Informativo);

  zivu::Origem& o = app_.sis.origem;
  const zivu::Grade& planilha = o.DadosEntrada;
  const int uc = planilha.colunas() - 1, ul = planilha.linhas() - 1;
  Lim_Col->setText(QString::fromStdString("De " + planilha.le(1, 0) + " até " + planilha.le(uc, 0)));
  Lim_Lin->setText(QString::fromStdString("De " + planilha.le(0, 1) + " até " + planilha.le(0, ul)));

  auto comando = [this](std::function<void()> f) {
    if (!app_.atualizando()) app_.executa(f);
  };
  connect(Secoes, &QListWidget::currentRowChanged, this, [&o, comando](int linha) {
    if (linha < 0) return;
    comando([&o, linha] {
      o.coord.Secoes = linha;
      o.SecoesClick();
    });
  });
  auto escolhe_area = [&o, comando, this] {
    const int linha = Areas->currentRow();
    if (linha < 0) return;
    comando([&o, linha] {
      o.coord.Areas_selecionado = linha;
      o.AreasClick();
    });
  };
  connect(Areas, &QListWidget::currentRowChanged, this, escolhe_area);
  connect(Areas, &QListWidget::itemClicked, this, escolhe_area);
  auto campo = [this, &o](QLineEdit* e, std::string zivu::PaginaCoordenadas::*membro) {
    connect(e, &QLineEdit::textEdited, this, [&o, membro](const QString& t) { o.coord.*membro = t.toStdString(); });
  };
  campo(X0, &zivu::PaginaCoordenadas::X0);
  campo(Y0, &zivu::PaginaCoordenadas::Y0);
  campo(X1, &zivu::PaginaCoordenadas::X1);
  campo(Y1, &zivu::PaginaCoordenadas::Y1);
  campo(Coord_Total, &zivu::PaginaCoordenadas::Coord_Total);
  connect(Adiciona, &QPushButton::clicked, this, [comando, &o] { comando([&o] { o.AdicionaClick(); }); });
  connect(Diminui, &QPushButton::clicked, this, [comando, &o] { comando([&o] { o.DiminuiClick(); }); });
  connect(Aceitar_Total, &QPushButton::clicked, this,
          [comando, &o] { comando([&o] { o.Aceitar_TotalClick(); }); });
}

void PaginaCoordenadas::atualiza() {
  zivu::PaginaCoordenadas& p = app_.sis.origem.coord;
  if (Secoes->currentRow() != p.Secoes) Secoes->setCurrentRow(p.Secoes);
  QStringList itens;
  for (const auto& a : p.Areas) itens << QString::fromStdString(a);
  QStringList atuais;
  for (int i = 0; i < Areas->count(); ++i) atuais << Areas->item(i)->text();
  if (itens != atuais) {
    Areas->clear();
    Areas->addItems(itens);
  }
  if (Areas->currentRow() != p.Areas_selecionado) Areas->setCurrentRow(p.Areas_selecionado);
  poe_texto(X0, p.X0);
  poe_texto(Y0, p.Y0);
  poe_texto(X1, p.X1);
  poe_texto(Y1, p.Y1);
  X1->setEnabled(p.X1_habilitado);
  Y1->setEnabled(p.X1_habilitado);
  poe_texto(Coord_Total, p.Coord_Total);
  Coord_Total->setEnabled(p.Coord_Total_habilitado);
  Informativo->setText(QString::fromStdString(p.Informativo));
  QLineEdit* foco = nullptr;
  switch (p.foco) {
    case zivu::CampoCoordenada::X0: foco = X0; break;
    case zivu::CampoCoordenada::Y0: foco = Y0; break;
    case zivu::CampoCoordenada::X1: foco = X1; break;
    case zivu::CampoCoordenada::Y1: foco = Y1; break;
    case zivu::CampoCoordenada::Coord_Total: foco = Coord_Total; break;
    case zivu::CampoCoordenada::Nenhum: break;
  }
  if (foco) {
    // A request from the last command, served once.
    p.foco = zivu::CampoCoordenada::Nenhum;
    foco->setFocus();
    foco->selectAll();
  }
}
