#include "gui/worksheet/origem_janela.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/files/area_transferencia.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "core/results/janelas_resultado.h"
#include "core/worksheet/planilha_tela.h"
#include "core/worksheet/validacao.h"
#include "gui/app/colunas.h"
#include "gui/app/contexto.h"
#include "gui/app/filtro_teclas.h"
#include "gui/results/quartis_janela.h"
#include "gui/results/simples_janela.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/pagina_configuracao.h"
#include "gui/worksheet/pagina_coordenadas.h"
#include "gui/worksheet/pagina_totais.h"
#include "gui/worksheet/widgets.h"

namespace {

enum PaginaFicha { kConfiguracao = 0, kOrigem = 1 };
enum PaginaFormas { kVisual = 0, kCoordenadas = 1, kTotais = 2 };

}  // namespace

TOrigem::TOrigem(Contexto& app) : app_(app) {
  setObjectName("Origem_");
  connect(&app_, &Contexto::atualizar, this, &TOrigem::atualiza);
  zivu::Origem& o = app_.sis.origem;
  // Until a command names it otherwise, the page has its own caption.
  o.tela.legenda_pagina = "Dados de Origem";

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(2, 2, 2, 2);
  Ficha = new QTabWidget(this);
  Ficha->setObjectName("Ficha");
  v->addWidget(Ficha);

  Configuracao = new PaginaConfiguracao(app_, Ficha);
  Origem = new QWidget(Ficha);
  Origem->setObjectName("Origem");
  auto* vo = new QVBoxLayout(Origem);
  vo->setContentsMargins(2, 2, 2, 2);
  FormasEntrada = new QTabWidget(Origem);
  FormasEntrada->setObjectName("FormasEntrada");
  Visual = cria_visual();
  Coordenadas = new PaginaCoordenadas(app_, FormasEntrada);
  Totais_anos = new PaginaTotais(app_, FormasEntrada);
  FormasEntrada->addTab(Visual, "&1 - Visual");
  FormasEntrada->addTab(Coordenadas, "&2 - Coordenadas");
  FormasEntrada->addTab(Totais_anos, "&3 - Totais");
  vo->addWidget(FormasEntrada, 1);
  Observacoes = new QPlainTextEdit(Origem);
  Observacoes->setObjectName("Observacoes");
  Observacoes->setReadOnly(true);
  Observacoes->setMaximumHeight(72);
  vo->addWidget(Observacoes);

  Ficha->addTab(Configuracao, "Configuração");
  Ficha->addTab(Origem, "Dados de Origem");
  // The window opens on "Configuração", the sheet's page on "1 - Visual".
  Ficha->setCurrentIndex(kConfiguracao);
  FormasEntrada->setCurrentIndex(kVisual);

  connect(Ficha, &QTabWidget::currentChanged, this, [this](int i) {
    comando([this, i] {
      if (i == kConfiguracao)
        app_.sis.origem.ConfiguracaoShow();
      else
        app_.sis.origem.OrigemShow();
    });
  });
  connect(FormasEntrada, &QTabWidget::currentChanged, this, [this](int i) {
    comando([this, i] {
      app_.sis.origem.SecoesClick();
      if (i == kTotais) app_.sis.origem.Outros_totaisClick();
    });
  });
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
  f5->setContext(Qt::WidgetWithChildrenShortcut);
  connect(f5, &QShortcut::activated, this, [this] {
    comando([this] {
      if (app_.sis.origem.cfg.Anos_intermediarios) app_.sis.origem.Outros_totaisClick();
    });
  });
  setWindowTitle(QString::fromStdString(o.tela.legenda_janela));
}

QWidget* TOrigem::cria_visual() {
  auto* p = new QWidget;
  p->setObjectName("Visual");
  auto* v = new QVBoxLayout(p);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(1);

  auto* barra = new QToolBar(p);
  barra->setObjectName("ToolBar_Visual");
  auto poe = [barra](QToolButton* b) {
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    barra->addWidget(b);
    return b;
  };
  Criar = poe(ferramenta("Criar", "Criar", "Digitar aqui uma nova tabela", barra));
  Importar = poe(ferramenta("Importar", "Importar", "Importar", barra));
  Exportar = poe(ferramenta("Exportar", "Exportar", "Exportar", barra));
  barra->addSeparator();
  Copiar = poe(ferramenta("Copiar", "Copiar", "Copiar para área de transferência", barra));
  Colar = poe(ferramenta("Colar", "Colar", "Colar da área de transferência", barra));
  Imprimir = poe(ferramenta("Imprimir", "Imprimir", "Imprime a planilha atual", barra));
  barra->addSeparator();
  Ano = poe(ferramenta("A", "Ano", "Linha de ano de referência", barra));
  Principal = poe(ferramenta("P", "Principal", "Linha básica de comparação", barra));
  SubDivisao = poe(ferramenta("S", "SubDivisao", "Linha secundária de comparação", barra));
  Dados = poe(ferramenta("D", "Dados", "Linha de dados", barra));
  Fixos = poe(ferramenta("T", "Fixos", "Áreas que apenas serão copiadas (títulos etc)", barra));
  Desmarca = poe(ferramenta("X", "Desmarca", "Apaga a definição para a região que abrange a célula atual",
                            barra));
  Totais = poe(ferramenta("Totais", "Totais",
                          "Permite a inclusão/alteração do valor do total/subtotal da área proprietária "
                          "da linha principal/secundária",
                          barra));
  barra->addSeparator();
  MarcaPadrao = poe(ferramenta("Padrão", "MarcaPadrao", "Marcar as áreas pelo padrão", barra));
  // Calcular and Quartis have a bar of their own that never folds into the
  // "»" menu of a narrow window.
  auto* calculo = new QToolBar(p);
  calculo->setObjectName("ToolBar_Calculo");
  calculo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  calculo->addSeparator();
  Processa = ferramenta("Calcular", "Processa", "Processa DoDo", calculo);
  Processa->setToolButtonStyle(Qt::ToolButtonTextOnly);
  calculo->addWidget(Processa);
  MetodoQuartis = new QCheckBox("Q&uartis", calculo);
  MetodoQuartis->setObjectName("MetodoQuartis");
  dica(MetodoQuartis, "O cálculo se derá por quartis caso marque esta opção");
  calculo->addWidget(MetodoQuartis);
  auto* barras = new QHBoxLayout;
  barras->setSpacing(0);
  barras->addWidget(barra);
  barras->addWidget(calculo);
  barras->addStretch(1);
  v->addLayout(barras);

  auto* edicao = new QToolBar(p);
  edicao->setObjectName("ToolBar_Edicao");
  Cruz = new QLabel("A1", edicao);
  Cruz->setObjectName("Cruz");
  Cruz->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Cruz->setMinimumWidth(64);
  Cruz->setAlignment(Qt::AlignCenter);
  Celula = new QLineEdit(edicao);
  Celula->setObjectName("Celula");
  QFont negrito = Celula->font();
  negrito.setBold(true);
  Celula->setFont(negrito);
  Edite_OK = ferramenta(QString(), "Edite_OK", "Aceita a edição", edicao);
  Edite_OK->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  Edite_KO = ferramenta(QString(), "Edite_KO", "Cancela a edição", edicao);
  Edite_KO->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  Edite_OK->setEnabled(false);
  Edite_KO->setEnabled(false);
  edicao->addWidget(Cruz);
  edicao->addWidget(Celula);
  edicao->addWidget(Edite_OK);
  edicao->addWidget(Edite_KO);
  v->addWidget(edicao);

  DadosEntrada = new QTableView(p);
  DadosEntrada->setObjectName("DadosEntrada");
  modelo = new ModeloPlanilha(app_.sis.origem, DadosEntrada);
  DadosEntrada->setModel(modelo);
  DadosEntrada->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DadosEntrada->setSelectionMode(QAbstractItemView::ContiguousSelection);
  DadosEntrada->setSelectionBehavior(QAbstractItemView::SelectItems);
  DadosEntrada->setWordWrap(false);
  // Fixed row heights keep a 10000-row sheet as fast as a small one.
  DadosEntrada->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  DadosEntrada->verticalHeader()->setDefaultSectionSize(20);
  DadosEntrada->horizontalHeader()->setDefaultSectionSize(72);
  DadosEntrada->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  ajusta_colunas(DadosEntrada, app_.sis.origem.DadosEntrada, 1);
  DadosEntrada->installEventFilter(this);
  sem_busca_por_teclas(DadosEntrada);
  DadosEntrada->viewport()->installEventFilter(this);
  v->addWidget(DadosEntrada, 1);

  connect(DadosEntrada->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { planilha_mudou(); });
  connect(DadosEntrada->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { planilha_mudou(); });
  connect(DadosEntrada, &QTableView::doubleClicked, this, [this] { Celula->setFocus(); });

  Celula->installEventFilter(this);
  connect(Celula, &QLineEdit::textEdited, this,
          [this](const QString& t) { app_.sis.origem.Celula = t.toStdString(); });
  connect(Edite_OK, &QToolButton::clicked, this, [this] {
    comando([this] {
      app_.sis.origem.Celula = Celula->text().toStdString();
      app_.sis.origem.Edite_OKClick();
    });
  });
  connect(Edite_KO, &QToolButton::clicked, this, [this] { comando([this] { app_.sis.origem.Edite_KOClick(); }); });

  auto liga = [this](QToolButton* b, void (TOrigem::*f)()) {
    connect(b, &QToolButton::clicked, this, [this, f] { (this->*f)(); });
  };
  liga(Criar, &TOrigem::CriarClick);
  liga(Importar, &TOrigem::ImportarClick);
  liga(Exportar, &TOrigem::ExportarClick);
  liga(Copiar, &TOrigem::CopiarClick);
  liga(Colar, &TOrigem::ColarClick);
  liga(Imprimir, &TOrigem::ImprimirClick);
  liga(Ano, &TOrigem::AnoClick);
  liga(Principal, &TOrigem::PrincipalClick);
  liga(SubDivisao, &TOrigem::SubDivisaoClick);
  liga(Dados, &TOrigem::DadosClick);
  liga(Fixos, &TOrigem::FixosClick);
  liga(Desmarca, &TOrigem::DesmarcaClick);
  liga(Totais, &TOrigem::TotaisClick);
  liga(MarcaPadrao, &TOrigem::MarcaPadraoClick);
  liga(Processa, &TOrigem::ProcessaClick);
  connect(MetodoQuartis, &QCheckBox::clicked, this,
          [this](bool v) { comando([this, v] { app_.sis.origem.MetodoQuartisClick(v); }); });
  return p;
}

void TOrigem::comando(const std::function<void()>& f) {
  if (!app_.atualizando()) app_.executa(f);
}

void TOrigem::planilha_mudou() {
  if (app_.atualizando()) return;
  const QModelIndex atual = DadosEntrada->currentIndex();
  if (!atual.isValid()) return;
  // The current cell stays where a selection began, as the sheet has always
  // done: dragging or shift extends the selection, not the current cell.
  if (!estendendo_ || !ancora_.isValid()) ancora_ = atual;
  int esquerda = ModeloPlanilha::coluna(ancora_), direita = esquerda;
  int topo = ModeloPlanilha::linha(ancora_), base = topo;
  bool primeira = true;
  for (const QItemSelectionRange& r : DadosEntrada->selectionModel()->selection()) {
    if (!r.isValid()) continue;
    if (primeira) {
      esquerda = r.left() + 1;
      direita = r.right() + 1;
      topo = r.top() + 1;
      base = r.bottom() + 1;
      primeira = false;
      continue;
    }
    esquerda = std::min(esquerda, r.left() + 1);
    direita = std::max(direita, r.right() + 1);
    topo = std::min(topo, r.top() + 1);
    base = std::max(base, r.bottom() + 1);
  }
  const int c = ModeloPlanilha::coluna(ancora_), l = ModeloPlanilha::linha(ancora_);
  app_.executa([&] {
    zivu::Origem& o = app_.sis.origem;
    // A new current cell reloads the editing bar; a wider selection does not.
    if (o.Col != c || o.Row != l) o.vai_para(c, l);
    o.seleciona(esquerda, topo, direita, base);
  });
}

void TOrigem::sincroniza_planilha() {
  const zivu::Origem& o = app_.sis.origem;
  QItemSelectionModel* sel = DadosEntrada->selectionModel();
  const QModelIndex alvo = modelo->indice(o.Col, o.Row);
  // Only a command that moved the current cell moves the view's.
  if (ancora_ != alvo || !DadosEntrada->currentIndex().isValid()) {
    ancora_ = alvo;
    sel->setCurrentIndex(alvo, QItemSelectionModel::NoUpdate);
    DadosEntrada->scrollTo(alvo);
  }
  const QItemSelection desejada(modelo->indice(o.Left, o.Top), modelo->indice(o.Right, o.Bottom));
  const QItemSelection atual = sel->selection();
  if (atual.size() != 1 || atual.front() != desejada.front())
    sel->select(desejada, QItemSelectionModel::ClearAndSelect);
}

void TOrigem::atualiza() {
  const zivu::Origem& o = app_.sis.origem;
  setWindowTitle(QString::fromStdString(o.tela.legenda_janela));
  Ficha->setTabText(kOrigem, QString::fromStdString(o.tela.legenda_pagina));
  QStringList obs;
  for (const auto& l : o.Observacoes) obs << QString::fromStdString(l);
  if (Observacoes->toPlainText() != obs.join('\n')) Observacoes->setPlainText(obs.join('\n'));
  Processa->setEnabled(o.tela.Processa_habilitado);
  MetodoQuartis->setEnabled(o.tela.MetodoQuartis_habilitado);
  MetodoQuartis->setChecked(o.cfg.MetodoQuartis);
  MarcaPadrao->setEnabled(o.tela.MarcaPadrao_habilitado);
  Cruz->setText(QString::fromStdString(o.tela.Cruz));
  poe_texto(Celula, o.Celula);
  modelo->atualiza();
  sincroniza_planilha();
  Configuracao->atualiza();
  Coordenadas->atualiza();
  Totais_anos->atualiza();
}

bool TOrigem::eventFilter(QObject* alvo, QEvent* evento) {
  zivu::Origem& o = app_.sis.origem;
  if (alvo == DadosEntrada->viewport()) {
    if (evento->type() == QEvent::MouseButtonPress)
      estendendo_ = static_cast<QMouseEvent*>(evento)->modifiers() & Qt::ShiftModifier;
    else if (evento->type() == QEvent::MouseMove)
      estendendo_ = static_cast<QMouseEvent*>(evento)->buttons() & Qt::LeftButton;
  } else if (alvo == DadosEntrada) {
    if (evento->type() == QEvent::FocusIn) {
      app_.plat.dica("Use duplo-clique para editar o conteúdo da célula atual");
    } else if (evento->type() == QEvent::KeyPress) {
      auto* k = static_cast<QKeyEvent*>(evento);
      // The sheet's own copy and paste, in the program's clipboard format.
      if (k->matches(QKeySequence::Copy)) {
        CopiarClick();
        return true;
      }
      if (k->matches(QKeySequence::Paste)) {
        ColarClick();
        return true;
      }
      estendendo_ = k->modifiers() & Qt::ShiftModifier;
      char32_t tecla = 0;
      if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
        tecla = 13;
      else if (k->key() == Qt::Key_G && (k->modifiers() & Qt::ControlModifier))
        tecla = 7;
      if (tecla != 0) {
        bool edita = false;
        app_.executa([&] { edita = zivu::DadosEntradaKeyPress(o, tecla); });
        if (edita) Celula->setFocus();
        return true;
      }
    }
  } else if (alvo == Celula) {
    if (evento->type() == QEvent::FocusIn) {
      app_.plat.dica("Use <ENTER> ou o primeiro botão à direita para aceitar a edição da célula atual");
      Edite_OK->setEnabled(true);
      Edite_KO->setEnabled(true);
    } else if (evento->type() == QEvent::FocusOut) {
      Edite_OK->setEnabled(false);
      Edite_KO->setEnabled(false);
    } else if (evento->type() == QEvent::KeyPress) {
      auto* k = static_cast<QKeyEvent*>(evento);
      if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        Edite_OK->click();
        return true;
      }
      if (k->key() == Qt::Key_Escape) {
        Edite_KO->click();
        return true;
      }
    }
  }
  return QWidget::eventFilter(alvo, evento);
}

bool TOrigem::pagina_origem_visivel() const { return Origem->isVisible(); }

void TOrigem::CriarClick() { app_.executa([this] { app_.sis.origem.CriarClick(); }); }

void TOrigem::ImportarClick() { app_.executa([this] { zivu::ImportarClick(app_.sis); }); }

void TOrigem::ExportarClick() { app_.executa([this] { zivu::ExportarClick(app_.sis); }); }

void TOrigem::CopiarClick() {
  app_.executa([this] {
    QApplication::clipboard()->setText(QString::fromStdString(zivu::CopiarClick(app_.sis)));
  });
}

void TOrigem::ColarClick() {
  app_.executa([this] { zivu::ColarClick(app_.sis, QApplication::clipboard()->text().toStdString()); });
}

void TOrigem::ImprimirClick() {
  app_.executa([this] { app_.imprime_tabela(app_.sis.origem.DadosEntrada, " - Dados de Entrada"); });
}

void TOrigem::ProcessaClick() {
  zivu::JanelaResultado janela = zivu::JanelaResultado::Nenhuma;
  app_.executa([this, &janela] { janela = zivu::CalcularClick(app_.sis); });
  // The results window of the method comes to the front whenever the run
  // began, also when it refused the quartile parameters.
  app_.mostra_resultado(janela);
}

void TOrigem::MarcaPadraoClick() { app_.executa([this] { app_.sis.origem.MarcaPadraoClick(); }); }
void TOrigem::AnoClick() { app_.executa([this] { app_.sis.origem.AnoClick(); }); }
void TOrigem::PrincipalClick() { app_.executa([this] { app_.sis.origem.PrincipalClick(); }); }
void TOrigem::SubDivisaoClick() { app_.executa([this] { app_.sis.origem.SubDivisaoClick(); }); }
void TOrigem::DadosClick() { app_.executa([this] { app_.sis.origem.DadosClick(); }); }
void TOrigem::FixosClick() { app_.executa([this] { app_.sis.origem.FixosClick(); }); }
void TOrigem::DesmarcaClick() { app_.executa([this] { app_.sis.origem.DesmarcaClick(); }); }
void TOrigem::TotaisClick() { app_.executa([this] { app_.sis.origem.TotaisClick(); }); }
