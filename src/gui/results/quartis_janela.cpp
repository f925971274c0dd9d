#include "gui/results/quartis_janela.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>
#include <utility>

#include "core/engine/escolha_ano.h"
#include "core/engine/quartis_calculo.h"
#include "core/results/janelas_resultado.h"
#include "core/results/quartis_comandos.h"
#include "core/results/saida_outros.h"
#include "core/worksheet/sistema.h"
#include "gui/app/contexto.h"
#include "gui/results/botoes_resultado.h"
#include "gui/results/grafico_quartis.h"
#include "gui/results/modelo_grade.h"
#include "gui/results/painel_anos.h"
#include "gui/results/relatorio_botao.h"
#include "gui/worksheet/widgets.h"

using zivu::PaginaQuartis;

namespace {

// A page's export and print buttons, created and placed on its toolbar.
std::pair<QToolButton*, QToolButton*> exportar_imprimir(QToolBar* b, const char* exportar, const char* imprimir) {
  QToolButton* e = botao_exportar(exportar, b);
  QToolButton* i = botao_imprimir(imprimir, b);
  b->addWidget(e);
  b->addWidget(i);
  return {e, i};
}

}  // namespace

PinturaEstatisticas::PinturaEstatisticas(const ModeloGrade* modelo, QObject* pai)
    : QStyledItemDelegate(pai), modelo_(modelo) {}

void PinturaEstatisticas::paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& i) const {
  const int c = modelo_->coluna(i), r = modelo_->linha(i);
  const zivu::PinturaEstatistica pintura = zivu::Tab_EstatisticasDrawCell(c, r);
  if (!pintura.propria) {
    QStyledItemDelegate::paint(p, opcao, i);
    return;
  }
  QStyleOptionViewItem o(opcao);
  initStyleOption(&o, i);
  QColor fundo, texto;
  QFont fonte = o.font;
  switch (pintura.cor) {
    case zivu::CorEstatistica::BrancoSobrePreto:
      fundo = Qt::black;
      texto = Qt::white;
      break;
    case zivu::CorEstatistica::AmareloSobreCinza:
      fundo = QColor(128, 128, 128);
      texto = QColor(255, 255, 0);
      break;
    case zivu::CorEstatistica::BrancoNegritoSobreVermelho:
      fundo = Qt::red;
      texto = Qt::white;
      fonte.setBold(true);
      break;
    case zivu::CorEstatistica::Grade:
      // The colours the grid prepared for the cell; fixed cells cannot be
      // chosen, but their text is not greyed.
      if (modelo_->fixa(c, r)) {
        fundo = o.palette.color(QPalette::Active, QPalette::Button);
        texto = o.palette.color(QPalette::Active, QPalette::ButtonText);
      } else if (o.state & QStyle::State_Selected) {
        fundo = o.palette.color(QPalette::Active, QPalette::Highlight);
        texto = o.palette.color(QPalette::Active, QPalette::HighlightedText);
      } else {
        fundo = o.palette.color(QPalette::Active, QPalette::Base);
        texto = o.palette.color(QPalette::Active, QPalette::Text);
      }
      break;
  }
  p->save();
  p->fillRect(o.rect, fundo);
  p->setClipRect(o.rect);
  p->setPen(texto);
  p->setFont(fonte);
  const int margem = zivu::kMargemTextoEstatistica;
  p->drawText(o.rect.adjusted(margem, margem, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, o.text);
  p->restore();
}

TQuartis::TQuartis(Contexto& app) : app_(app) {
  setObjectName("Quartis");
  connect(&app_, &Contexto::atualizar, this, &TQuartis::atualiza);
  setWindowTitle("DoDo em Quartis");
  resize(552, 341);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  Ficha_Quartis = new QTabWidget(this);
  Ficha_Quartis->setObjectName("Ficha_Quartis");
  v->addWidget(Ficha_Quartis);

  cria_partida();
  cria_estatisticas();
  cria_listas();
  cria_uniao();
  Ficha_Quartis->addTab(Tab_Partida, "Tabela de Partida");
  Ficha_Quartis->addTab(Estatisticas, "Estatísticas");
  Ficha_Quartis->addTab(Registros_descritos, "Registros descritos");
  Ficha_Quartis->addTab(Excecoes, "Exceções");
  Ficha_Quartis->addTab(RUniao, "Resultado");
  Ficha_Quartis->addTab(DUniao, "Descrição");
  Grafico = new PaginaGraficoQuartis(app_);
  Ficha_Quartis->addTab(Grafico, "Gráfico");
  // The record of a point clicked, selected in the page the core now shows.
  connect(Grafico, &PaginaGraficoQuartis::registro_escolhido, this, [this](int linha, bool excecao) {
    Ficha_Quartis->setCurrentIndex(static_cast<int>(app_.sis.quartis.pagina));
    auto* t = excecao ? Tab_excecoes : static_cast<QTableView*>(pilha_partida->currentWidget());
    const QModelIndex i = static_cast<const ModeloGrade*>(t->model())->indice(1, linha);
    if (!i.isValid()) return;
    t->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    t->scrollTo(i);
  });
  Ficha_Quartis->setCurrentWidget(Tab_Partida);
  Ficha_Quartis->setCornerWidget(botao_relatorio(app_, true, Ficha_Quartis));
  connect(Ficha_Quartis, &QTabWidget::currentChanged, this, [this](int i) {
    // The chart page is the window's own: the core keeps the page left.
    if (Ficha_Quartis->widget(i) != Grafico)
      comando([this, i] { zivu::mostra_pagina(app_.sis, static_cast<PaginaQuartis>(i)); });
  });
}

QToolBar* TQuartis::barra(QWidget* p, const char* nome) {
  auto* b = new QToolBar(p);
  b->setObjectName(nome);
  p->layout()->addWidget(b);
  return b;
}

void TQuartis::cria_partida() {
  zivu::Sistema& sis = app_.sis;
  zivu::Quartis& q = sis.quartis;
  Tab_Partida = pagina_resultado("Tab_Partida");
  QToolBar* b = barra(Tab_Partida, "ToolBar_Partida");
  Exportar_TP = botao_exportar("Exportar_TP", b);
  ImpTab = botao_imprimir("ImpTab", b);
  T_original = opcao("Tab. original", "T_original", b);
  T_ord_pop = opcao("Tab. ordenada por população", "T_ord_pop", b);
  T_ord_tax = opcao("Tab. ordenada por taxa", "T_ord_tax", b);
  T_original->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{Exportar_TP, ImpTab}) b->addWidget(w);
  b->addSeparator();
  for (QWidget* w : std::initializer_list<QWidget*>{T_original, T_ord_pop, T_ord_tax}) b->addWidget(w);

  pilha_partida = new QStackedWidget(Tab_Partida);
  modelo_quartil = new ModeloGrade(q.Tab_Quartil, this);
  modelo_ordem_pop = new ModeloGrade(q.Tab_quartil_ordem_pop, this);
  modelo_ordem_tax = new ModeloGrade(q.Tab_quartil_ordem_tax, this);
  Tab_Quartil = cria_grade(modelo_quartil, "Tab_Quartil", pilha_partida);
  Tab_quartil_ordem_pop = cria_grade(modelo_ordem_pop, "Tab_quartil_ordem_pop", pilha_partida);
  Tab_quartil_ordem_tax = cria_grade(modelo_ordem_tax, "Tab_quartil_ordem_tax", pilha_partida);
  for (QTableView* t : {Tab_Quartil, Tab_quartil_ordem_pop, Tab_quartil_ordem_tax}) pilha_partida->addWidget(t);
  Tab_Partida->layout()->addWidget(pilha_partida);

  connect(Exportar_TP, &QToolButton::clicked, this, [this, &sis] { comando([&sis] { zivu::Exportar_TPClick(sis); }); });
  connect(ImpTab, &QToolButton::clicked, this, [this] { comando([this] { imprime(PaginaQuartis::Tab_Partida); }); });
  const std::pair<QRadioButton*, zivu::TabelaPartida> radios[] = {
      {T_original, zivu::TabelaPartida::Original},
      {T_ord_pop, zivu::TabelaPartida::OrdemPop},
      {T_ord_tax, zivu::TabelaPartida::OrdemTax}};
  for (const auto& [radio, tabela] : radios) {
    connect(radio, &QRadioButton::toggled, this, [this, &q, t = tabela](bool marcado) {
      if (marcado) comando([&q, t] { q.tabela_partida = t; });
    });
  }
}

void TQuartis::cria_estatisticas() {
  zivu::Sistema& sis = app_.sis;
  zivu::Quartis& q = sis.quartis;
  Estatisticas = pagina_resultado("Estatisticas");
  QToolBar* b = barra(Estatisticas, "ToolBar_Estatisticas");
  std::tie(Exportar_Est, ImpEstat) = exportar_imprimir(b, "Exportar_Est", "ImpEstat");
  barra3 = new QWidget(b);
  barra3->setObjectName("barra3");
  auto* h = new QHBoxLayout(barra3);
  h->setContentsMargins(4, 0, 0, 0);
  Sel_Area = new QSlider(Qt::Horizontal, barra3);
  Sel_Area->setObjectName("Sel_Area");
  Sel_Area->setTickPosition(QSlider::TicksBelow);
  // One tick and one page step per area.
  Sel_Area->setTickInterval(1);
  Sel_Area->setPageStep(1);
  Sel_Area->setRange(1, 1);
  Sel_Area->setEnabled(false);
  Sel_Area->setMinimumWidth(120);
  dica(Sel_Area, QString::fromStdString(q.Sel_Area.hint));
  Estat_geral = new QCheckBox("Estatística geral", barra3);
  Estat_geral->setObjectName("Estat_geral");
  Estat_geral->setEnabled(false);
  Ver_grupo = botao_negrito("Ver &Grupo", "Ver_grupo", barra3,
                            "Apresenta os registros correspondentes à célula ativa no momento");
  Ano_Projetado = botao_negrito("&Ano a mostrar", "Ano_Projetado", barra3);
  h->addWidget(Sel_Area);
  h->addWidget(Estat_geral);
  h->addWidget(Ver_grupo);
  h->addWidget(Ano_Projetado);
  b->addWidget(barra3);

  modelo_estatisticas = new ModeloGrade(q.Tab_Estatisticas, this, 1, true);
  Tab_Estatisticas = cria_grade(modelo_estatisticas, "Tab_Estatisticas", Estatisticas);
  Tab_Estatisticas->horizontalHeader()->hide();
  Tab_Estatisticas->verticalHeader()->hide();
  Tab_Estatisticas->setItemDelegate(new PinturaEstatisticas(modelo_estatisticas, Tab_Estatisticas));
  for (int c = 1; c < zivu::kColunasEstatisticas; ++c) Tab_Estatisticas->setColumnWidth(c, 120);
  Tab_Estatisticas->installEventFilter(this);
  Estatisticas->layout()->addWidget(Tab_Estatisticas);
  Anos = new PainelAnos(Estatisticas);

  connect(Exportar_Est, &QToolButton::clicked, this, [this, &sis] { comando([&sis] { zivu::Exportar_EstClick(sis); }); });
  connect(ImpEstat, &QToolButton::clicked, this, [this] { comando([this] { imprime(PaginaQuartis::Estatisticas); }); });
  connect(Sel_Area, &QSlider::valueChanged, this, [this, &sis](int posicao) {
    comando([&sis, posicao] {
      sis.quartis.Sel_Area.posicao = posicao;
      zivu::Sel_AreaChange(sis);
      // The status names the area on screen.
      sis.status(sis.quartis.Sel_Area.hint);
    });
  });
  connect(Tab_Estatisticas->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, &q](const QModelIndex& atual) {
            if (!atual.isValid()) return;
            const int c = modelo_estatisticas->coluna(atual), r = modelo_estatisticas->linha(atual);
            comando([&q, c, r] { zivu::Tab_EstatisticasSeleciona(q, c, r); });
          });
  connect(Ver_grupo, &QPushButton::clicked, this, [this, &sis] { comando([&sis] { zivu::Ver_grupoClick(sis); }); });
  connect(Ano_Projetado, &QPushButton::clicked, this, [this, &q] { comando([&q] { zivu::Ano_ProjetadoClick(q); }); });
  connect(Anos, &PainelAnos::escolhido, this, [this, &q](int i) {
    if (!app_.atualizando()) q.Esc_Ano_Projetado_indice = i;
  });
  connect(Anos->Aceitar_ano, &QToolButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::Aceitar_anoClick_Quartis(sis); }); });
  connect(Anos->Cancelar_ano, &QToolButton::clicked, this,
          [this, &q] { comando([&q] { zivu::Cancelar_anoClick(q); }); });
}

void TQuartis::cria_listas() {
  zivu::Sistema& sis = app_.sis;
  zivu::Quartis& q = sis.quartis;
  Registros_descritos = pagina_resultado("Registros_descritos");
  QToolBar* b = barra(Registros_descritos, "ToolBar_Descricao");
  std::tie(Exportar_Desc, ImpDesc) = exportar_imprimir(b, "Exportar_Desc", "ImpDesc");
  modelo_descricao = new ModeloGrade(q.Tab_Descricao, this, 2);
  Tab_Descricao = cria_grade(modelo_descricao, "Tab_Descricao", Registros_descritos);
  Tab_Descricao->setColumnWidth(0, 40);
  Tab_Descricao->verticalHeader()->setMinimumWidth(40);
  Registros_descritos->layout()->addWidget(Tab_Descricao);

  Excecoes = pagina_resultado("Excecoes");
  b = barra(Excecoes, "ToolBar_Excecoes");
  std::tie(Exportar_exc, ImpExc) = exportar_imprimir(b, "Exportar_exc", "ImpExc");
  modelo_excecoes = new ModeloGrade(q.Tab_excecoes, this);
  Tab_excecoes = cria_grade(modelo_excecoes, "Tab_excecoes", Excecoes);
  Tab_excecoes->verticalHeader()->setMinimumWidth(40);
  Excecoes->layout()->addWidget(Tab_excecoes);

  connect(Exportar_Desc, &QToolButton::clicked, this, [this, &sis] { comando([&sis] { zivu::Exportar_DescClick(sis); }); });
  connect(ImpDesc, &QToolButton::clicked, this,
          [this] { comando([this] { imprime(PaginaQuartis::Registros_descritos); }); });
  connect(Exportar_exc, &QToolButton::clicked, this, [this, &sis] { comando([&sis] { zivu::Exportar_excClick(sis); }); });
  connect(ImpExc, &QToolButton::clicked, this, [this] { comando([this] { imprime(PaginaQuartis::Excecoes); }); });
  // The current cell of the description is the core's: the jump to a group
  // moves it.
  connect(Tab_Descricao->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, &q](const QModelIndex& atual) {
            if (app_.atualizando() || !atual.isValid()) return;
            q.desc_col = modelo_descricao->coluna(atual);
            q.desc_lin = modelo_descricao->linha(atual);
          });
}

void TQuartis::cria_uniao() {
  zivu::Sistema& sis = app_.sis;
  zivu::Quartis& q = sis.quartis;
  RUniao = pagina_resultado("RUniao");
  QToolBar* b = barra(RUniao, "ToolBar_Uniao");
  Exportar_Uniao = botao_exportar("Exportar_Uniao", b);
  ImpUniao = botao_imprimir("ImpUniao", b);
  Adaptar = botao_negrito("&Adaptar", "Adaptar", b);
  Adaptar->setEnabled(false);
  DoDo_Tradutor = botao_negrito("&Gravar para ser traduzido", "DoDo_Tradutor", b);
  DoDo_Vardex = botao_negrito("&Gravar para Vardex", "DoDo_Vardex", b);
  Unir_resultados = botao_negrito("Unir resultados", "Unir_resultados", b);
  b->addWidget(Exportar_Uniao);
  b->addWidget(ImpUniao);
  b->addSeparator();
  for (QWidget* w : std::initializer_list<QWidget*>{Adaptar, DoDo_Tradutor, DoDo_Vardex, Unir_resultados})
    b->addWidget(w);
  modelo_uniao = new ModeloGrade(q.Tab_Uniao, this);
  Tab_Uniao = cria_grade(modelo_uniao, "Tab_Uniao", RUniao);
  RUniao->layout()->addWidget(Tab_Uniao);

  DUniao = pagina_resultado("DUniao");
  modelo_duniao = new ModeloGrade(q.Tab_DUniao, this);
  Tab_DUniao = cria_grade(modelo_duniao, "Tab_DUniao", DUniao);
  DUniao->layout()->addWidget(Tab_DUniao);

  connect(Exportar_Uniao, &QToolButton::clicked, this,
          [this, &sis] { comando([&sis] { zivu::Exportar_UniaoClick(sis); }); });
  connect(ImpUniao, &QToolButton::clicked, this, [this] { comando([this] { imprime(PaginaQuartis::RUniao); }); });
  connect(Adaptar, &QPushButton::clicked, this, [this, &sis] { do_ano([&sis] { return zivu::AdaptarClick_Quartis(sis); }); });
  connect(DoDo_Tradutor, &QPushButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::DoDo_TradutorClick_Quartis(sis); }); });
  connect(DoDo_Vardex, &QPushButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::Salva_Uniao_Quartis(sis, zivu::DestinoUniao::Vardex); }); });
  connect(Unir_resultados, &QPushButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::Salva_Uniao_Quartis(sis, zivu::DestinoUniao::Unir); }); });
}

void TQuartis::comando(const std::function<void()>& f) {
  if (!app_.atualizando()) app_.executa(f);
}

void TQuartis::do_ano(const std::function<bool()>& f) {
  comando([this, &f] { zivu::comando_de_resultados(app_.sis, true, f); });
}

std::pair<const zivu::Grade*, std::string> TQuartis::impressao(PaginaQuartis p) const {
  zivu::Quartis& q = app_.sis.quartis;
  switch (p) {
    case PaginaQuartis::Tab_Partida: return {&q.tabela_partida_atual(), zivu::Titulo_ImpTab(q)};
    case PaginaQuartis::Estatisticas: return {&q.Tab_Estatisticas, zivu::Titulo_ImpEstat(q)};
    case PaginaQuartis::Registros_descritos: return {&q.Tab_Descricao, zivu::Titulo_ImpDesc(q)};
    case PaginaQuartis::Excecoes: return {&q.Tab_excecoes, zivu::Titulo_ImpExc(app_.sis)};
    case PaginaQuartis::RUniao: return {&q.Tab_Uniao, zivu::kTituloImpUniao};
    case PaginaQuartis::DUniao: break;
  }
  return {nullptr, {}};
}

void TQuartis::imprime(PaginaQuartis p) {
  const auto [grade, titulo] = impressao(p);
  if (grade) app_.imprime_tabela(*grade, titulo);
}

void TQuartis::exporta_paginas_visiveis() {
  zivu::Sistema& sis = app_.sis;
  if (Tab_Partida->isVisible()) zivu::Exportar_TPClick(sis);
  if (Estatisticas->isVisible()) zivu::Exportar_EstClick(sis);
  if (Registros_descritos->isVisible()) zivu::Exportar_DescClick(sis);
  if (Excecoes->isVisible()) zivu::Exportar_excClick(sis);
}

void TQuartis::Imprimir1Click() {
  if (Ficha_Quartis->currentWidget() == Grafico) return Grafico->imprime();
  imprime(static_cast<PaginaQuartis>(Ficha_Quartis->currentIndex()));
}

void TQuartis::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // Shows during the creation of the windows are the creation's own, which
  // the core's initial state stands for.
  if (app_.janela_principal_visivel() && !app_.atualizando())
    app_.executa([this] { zivu::QuartisShow(app_.sis); });
}

bool TQuartis::eventFilter(QObject* alvo, QEvent* evento) {
  // A key typed in the statistics runs its click rule on the current cell.
  if (alvo == Tab_Estatisticas && evento->type() == QEvent::KeyPress &&
      !static_cast<QKeyEvent*>(evento)->text().isEmpty())
    comando([this] { zivu::Tab_EstatisticasClick(app_.sis.quartis); });
  return QWidget::eventFilter(alvo, evento);
}

void TQuartis::sincroniza_celulas() {
  const zivu::Quartis& q = app_.sis.quartis;
  const QModelIndex est = modelo_estatisticas->indice(q.est_col, q.est_lin);
  if (est.isValid() && Tab_Estatisticas->currentIndex() != est)
    Tab_Estatisticas->selectionModel()->setCurrentIndex(est, QItemSelectionModel::ClearAndSelect);
  const QModelIndex desc = modelo_descricao->indice(q.desc_col, q.desc_lin);
  if (desc.isValid() && Tab_Descricao->currentIndex() != desc) {
    Tab_Descricao->selectionModel()->setCurrentIndex(desc, QItemSelectionModel::ClearAndSelect);
    Tab_Descricao->scrollTo(desc);
  }
}

void TQuartis::atualiza() {
  const zivu::Quartis& q = app_.sis.quartis;
  for (ModeloGrade* m : {modelo_quartil, modelo_ordem_pop, modelo_ordem_tax, modelo_estatisticas, modelo_descricao,
                         modelo_excecoes, modelo_uniao, modelo_duniao})
    m->atualiza();

  QRadioButton* radio = q.tabela_partida == zivu::TabelaPartida::OrdemPop   ? T_ord_pop
                        : q.tabela_partida == zivu::TabelaPartida::OrdemTax ? T_ord_tax
                                                                           : T_original;
  radio->setChecked(true);
  pilha_partida->setCurrentIndex(radio == T_ord_pop ? 1 : radio == T_ord_tax ? 2 : 0);

  Sel_Area->setRange(q.Sel_Area.minimo, std::max(q.Sel_Area.minimo, q.Sel_Area.maximo));
  Sel_Area->setValue(q.Sel_Area.posicao);
  Sel_Area->setEnabled(q.Sel_Area.habilitado);
  dica(Sel_Area, QString::fromStdString(q.Sel_Area.hint));
  Estat_geral->setChecked(q.Estat_geral);
  Estat_geral->setEnabled(false);
  Ver_grupo->setEnabled(q.Ver_grupo);
  Ano_Projetado->setEnabled(q.Ano_Projetado_habilitado);
  dica(Ano_Projetado, QString::fromStdString(q.Ano_Projetado_hint));
  barra3->setEnabled(q.barra3_habilitado);
  Adaptar->setEnabled(q.Adaptar);
  Unir_resultados->setEnabled(q.Unir_resultados_habilitado);
  Anos->atualiza(q.Esc_Ano_Projetado, q.Esc_Ano_Projetado_indice, q.Anos_visivel);

  const int pagina_core = static_cast<int>(q.pagina);
  if (Ficha_Quartis->currentIndex() != pagina_core && Ficha_Quartis->currentWidget() != Grafico)
    Ficha_Quartis->setCurrentIndex(pagina_core);
  sincroniza_celulas();
}
