#include "gui/app/princ.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "core/janela_principal.h"
#include "core/menus.h"
#include "gui/app/contexto.h"
#include "gui/app/atalho.h"
#include "gui/app/filtro_teclas.h"
#include "gui/app/paineis.h"
#include "gui/app/sobre.h"
#include "gui/results/quartis_janela.h"
#include "gui/results/simples_janela.h"
#include "gui/worksheet/origem_janela.h"

namespace {

// The fourteen worksheet items, in the order of the core's menu state.
const char* const kItens[zivu::kItensMenu] = {
    "Criar1", "Importar1", "Exportar1", "Copiar1", "Colar1", "Marcar1", "Imprimir1",
    "Ano1", "Linhaprincipal1", "Linhasecundria1", "Totaldogrupo1", "Dados1", "Titulo1", "Desmarcar1"};

// The windows of the program are never destroyed: the title bar's X
// minimises a child, so Janelas and every command that shows it bring it back
// whole.
class SubJanela : public QMdiSubWindow {
 protected:
  void closeEvent(QCloseEvent* evento) override {
    evento->ignore();
    showMinimized();
  }
};

}  // namespace

TPrinc::TPrinc(Contexto& app) : app_(app) {
  app_.janela_principal = this;
  connect(&app_, &Contexto::atualizar, this, &TPrinc::atualiza);
  connect(&app_, &Contexto::resultado_pedido, this, &TPrinc::mostra_resultado);
  setObjectName("Princ");
  setWindowTitle("Zarvo - Tessela");
  QFont fonte("MS Sans Serif", 8);
  fonte.setStyleHint(QFont::SansSerif);
  setFont(fonte);

  mdi = new QMdiArea(this);
  mdi->setBackground(QColor(202, 208, 193));
  setCentralWidget(mdi);

  auto* faixa = new QToolBar(this);
  faixa->setObjectName("ToolBar1");
  faixa->setFixedHeight(9);
  faixa->setMovable(false);
  faixa->setStyleSheet("QToolBar { background-color: rgb(0, 64, 128); border: none; }");
  addToolBar(faixa);

  Situacao = new QStatusBar(this);
  Situacao->setObjectName("Situacao");
  setStatusBar(Situacao);
  Mensagem = new QLabel(Situacao);
  Mensagem->setObjectName("Mensagem");
  Situacao->addWidget(Mensagem, 1);
  Progressao = new PainelProgresso(this);
  TelaTotais = new PainelTotais(this);
  filtra_teclas(TelaTotais->Janela_Total, true);

  // Menus.
  QMenu* servicos = menuBar()->addMenu("&Serviços");
  QMenu* arquivo = servicos->addMenu("Arquivo");
  auto origem = [this](auto metodo) { return [this, metodo] { (filhas_.origem->*metodo)(); }; };
  cria_acao(arquivo, "Criar1", "Criar", origem(&TOrigem::CriarClick));
  cria_acao(arquivo, "Importar1", "Importar", origem(&TOrigem::ImportarClick));
  cria_acao(arquivo, "Exportar1", "Exportar", [this] { Exportar1Click(); });
  cria_acao(arquivo, "Copiar1", "Copiar",
            [this] { comando_janela_ativa("Copiar1Click", [this] { filhas_.origem->CopiarClick(); }); });
  cria_acao(arquivo, "Colar1", "Colar", origem(&TOrigem::ColarClick));
  cria_acao(arquivo, "Marcar1", "Marcar", origem(&TOrigem::MarcaPadraoClick));
  cria_acao(arquivo, "Imprimir1", "Imprimir",
            [this] { comando_janela_ativa("Imprimir1Click", [this] { filhas_.origem->ImprimirClick(); }); });
  QMenu* edicao = servicos->addMenu("Edição");
  cria_acao(edicao, "Ano1", "Ano", origem(&TOrigem::AnoClick));
  cria_acao(edicao, "Linhaprincipal1", "Linha principal", origem(&TOrigem::PrincipalClick));
  cria_acao(edicao, "Linhasecundria1", "Linha secundária", origem(&TOrigem::SubDivisaoClick));
  cria_acao(edicao, "Totaldogrupo1", "Total do grupo", origem(&TOrigem::TotaisClick));
  cria_acao(edicao, "Dados1", "Dados", origem(&TOrigem::DadosClick));
  cria_acao(edicao, "Titulo1", "Título", origem(&TOrigem::FixosClick));
  cria_acao(edicao, "Desmarcar1", "Desmarcar", origem(&TOrigem::DesmarcaClick));
  cria_acao(servicos, "Calcular1", "Calcular", origem(&TOrigem::ProcessaClick));
  QAction* quartis = cria_acao(servicos, "Quartis1", "Quartis",
                               [this] { app_.executa([this] { zivu::Quartis1Click(app_.sis); }); });
  quartis->setCheckable(true);
  servicos->addSeparator();
  QAction* sair = cria_acao(servicos, "Sair1", "Sair", [this] { close(); });
  sair->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));

  QMenu* janelas = menuBar()->addMenu("&Janelas");
  cria_acao(janelas, "Minimizartodas1", "Minimizar todas", [this] { MinimizarTodas(); });
  cria_acao(janelas, "Emcascata1", "Em cascata", [this] { mdi->cascadeSubWindows(); });
  cria_acao(janelas, "Nahorizontal1", "Na horizontal", [this] { NaHorizontal(); });
  cria_acao(janelas, "Navertical1", "Na vertical", [this] { NaVertical(); });
  janelas->addSeparator();
  cria_acao(janelas, "Origem1", "Origem", [this] { MostraFilha(filhas_.origem); });
  cria_acao(janelas, "DoDoSimples1", "DoDo Simples", [this] { MostraFilha(filhas_.simples); });
  cria_acao(janelas, "DoDoemQuartis1", "DoDo em Quartis", [this] { MostraFilha(filhas_.quartis); });

  QMenu* ajuda = menuBar()->addMenu("&Ajuda");
  cria_acao(ajuda, "DoDo2", "DoDo", [this] { DoDo2Click(); });
  cria_acao(ajuda, "Sobreosistema1", "Sobre o sistema", [this] { filhas_.sobre->exec(); });
  cria_acao(ajuda, "mi_aju_atalho", "Criar atalho na área de trabalho", [this] {
    CriaAtalho(QCoreApplication::applicationFilePath(), QString(), "Desktop", QString(),
               "Método DoDo", QString::fromStdString(app_.PastaSistema), app_.plat);
  });

  // Block-total panel.
  connect(TelaTotais->Janela_Total, &QLineEdit::textEdited, this, [this](const QString& t) {
    app_.sis.princ.tela_totais.Janela_Total = t.toStdString();
  });
  connect(TelaTotais->OK_Total, &QPushButton::clicked, this, [this] {
    app_.executa([this] {
      app_.sis.princ.tela_totais.Janela_Total = TelaTotais->Janela_Total->text().toStdString();
      app_.sis.origem.OK_TotalClick();
    });
  });
  connect(TelaTotais->Cancelar_Total, &QPushButton::clicked, this,
          [this] { app_.executa([this] { app_.sis.origem.Cancelar_TotalClick(); }); });

}

QAction* TPrinc::cria_acao(QMenu* menu, const QString& nome, const QString& legenda,
                           std::function<void()> comando) {
  auto* a = new QAction(legenda, this);
  a->setObjectName(nome);
  connect(a, &QAction::triggered, this, [comando = std::move(comando)] { comando(); });
  menu->addAction(a);
  acoes_[nome] = a;
  return a;
}

QString TPrinc::situacao_mostrada() const {
  const QString dica = Situacao->currentMessage();
  return dica.isEmpty() ? Mensagem->text() : dica;
}

QAction* TPrinc::acao(const QString& nome) const {
  auto it = acoes_.find(nome);
  return it == acoes_.end() ? nullptr : it->second;
}

QMdiSubWindow* TPrinc::adiciona_filha(QWidget* janela) {
  auto* sub = new SubJanela;
  sub->setWidget(janela);
  mdi->addSubWindow(sub);
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  sub->setWindowTitle(janela->windowTitle());
  sub->resize(760, 520);
  sub->show();
  return sub;
}

QMdiSubWindow* TPrinc::subjanela(QWidget* janela) const {
  for (QMdiSubWindow* s : mdi->subWindowList())
    if (s->widget() == janela) return s;
  return nullptr;
}

void TPrinc::atualiza() {
  const zivu::Princ& p = app_.sis.princ;
  for (int i = 0; i < zivu::kItensMenu; ++i) acoes_[kItens[i]]->setEnabled(p.menus[i]);
  acoes_["Calcular1"]->setEnabled(p.Calcular1_habilitado);
  QAction* quartis = acoes_["Quartis1"];
  quartis->setEnabled(p.Quartis1_habilitado);
  quartis->setChecked(p.Quartis1_marcado);
  atualiza_tela_totais();
}

void TPrinc::atualiza_tela_totais() {
  const zivu::TelaTotais& t = app_.sis.princ.tela_totais;
  if (!t.visivel) {
    TelaTotais->hide();
    tot_coord_mostrado_.clear();
    return;
  }
  const QString valor = QString::fromStdString(t.Janela_Total);
  if (TelaTotais->Janela_Total->text() != valor) TelaTotais->Janela_Total->setText(valor);
  TelaTotais->Tot_Coord->setText(QString::fromStdString(t.Tot_Coord));
  const bool abriu = TelaTotais->isHidden() || tot_coord_mostrado_ != t.Tot_Coord;
  tot_coord_mostrado_ = t.Tot_Coord;
  if (!abriu) return;
  centraliza(TelaTotais);
  TelaTotais->show();
  TelaTotais->raise();
  TelaTotais->Janela_Total->setFocus();
  TelaTotais->Janela_Total->selectAll();
}

void TPrinc::desabilita_ajuda() { acoes_["DoDo2"]->setEnabled(false); }

void TPrinc::mostra_resultado(zivu::JanelaResultado janela) {
  if (janela == zivu::JanelaResultado::Simples) MostraFilha(filhas_.simples);
  if (janela == zivu::JanelaResultado::Quartis) MostraFilha(filhas_.quartis);
}

void TPrinc::MinimizarTodas() {
  // While a child is maximised the area hands the maximised state to any
  // other child that changes state, instead of minimising it.
  for (QMdiSubWindow* s : mdi->subWindowList())
    if (s->isMaximized()) s->showNormal();
  for (QWidget* j : {static_cast<QWidget*>(filhas_.origem), static_cast<QWidget*>(filhas_.simples),
                     static_cast<QWidget*>(filhas_.quartis)})
    if (QMdiSubWindow* s = subjanela(j)) s->showMinimized();
}

namespace {

// Child windows that are neither hidden nor minimised, in their creation order.
QList<QMdiSubWindow*> abertas(QMdiArea* mdi) {
  QList<QMdiSubWindow*> lista;
  for (QMdiSubWindow* s : mdi->subWindowList(QMdiArea::CreationOrder))
    if (s->isVisible() && !s->isMinimized()) lista << s;
  return lista;
}

}  // namespace

void TPrinc::NaHorizontal() {
  const auto lista = abertas(mdi);
  if (lista.isEmpty()) return;
  const QRect area = mdi->viewport()->rect();
  const int altura = area.height() / static_cast<int>(lista.size());
  int y = 0;
  for (QMdiSubWindow* s : lista) {
    s->showNormal();
    s->setGeometry(0, y, area.width(), altura);
    y += altura;
  }
}

void TPrinc::NaVertical() {
  const auto lista = abertas(mdi);
  if (lista.isEmpty()) return;
  const QRect area = mdi->viewport()->rect();
  const int largura = area.width() / static_cast<int>(lista.size());
  int x = 0;
  for (QMdiSubWindow* s : lista) {
    s->showNormal();
    s->setGeometry(x, 0, largura, area.height());
    x += largura;
  }
}

void TPrinc::MostraFilha(QWidget* janela) {
  QMdiSubWindow* s = subjanela(janela);
  if (!s) return;
  if (janela->isHidden()) janela->show();
  if (s->isMinimized()) s->showNormal();
  s->showMaximized();
  mdi->setActiveSubWindow(s);
  s->raise();
}

void TPrinc::DoDo2Click() {
  const QString arquivo = QString::fromStdString(app_.arquivo_ajuda());
  if (!ajuda_) {
    ajuda_ = new QTextBrowser(this);
    ajuda_->setObjectName("Ajuda");
    ajuda_->setWindowFlag(Qt::Window);
    ajuda_->setWindowTitle("Derova ZiVu 1.0 - Ajuda");
    ajuda_->resize(640, 520);
  }
  QUrl url = QUrl::fromLocalFile(arquivo);
  url.setFragment("Gerais");
  ajuda_->setSource(url);
  ajuda_->scrollToAnchor("Gerais");
  ajuda_->show();
  ajuda_->raise();
}

void TPrinc::Exportar1Click() {
  // Every listed page that is showing, in this order.
  if (filhas_.origem->pagina_origem_visivel()) filhas_.origem->ExportarClick();
  app_.executa([this] {
    QMetaObject::invokeMethod(filhas_.simples, "exporta_paginas_visiveis");
    QMetaObject::invokeMethod(filhas_.quartis, "exporta_paginas_visiveis");
  });
}

void TPrinc::comando_janela_ativa(const char* metodo, const std::function<void()>& da_origem) {
  QMdiSubWindow* ativa = mdi->activeSubWindow();
  QWidget* janela = ativa ? ativa->widget() : nullptr;
  if (!janela || janela == filhas_.origem) {
    da_origem();
    return;
  }
  app_.executa([janela, metodo] { QMetaObject::invokeMethod(janela, metodo); });
}

void TPrinc::closeEvent(QCloseEvent* evento) {
  bool fecha = false;
  app_.executa([this, &fecha] { fecha = zivu::FormClose_Princ(app_.sis); });
  if (!fecha) {
    evento->ignore();
    return;
  }
  if (ajuda_) ajuda_->close();
  evento->accept();
}

void TPrinc::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  if (TelaTotais->isVisible()) centraliza(TelaTotais);
  if (Progressao->isVisible()) centraliza(Progressao);
}
