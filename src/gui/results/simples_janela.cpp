#include "gui/results/simples_janela.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/engine/simples_calculo.h"
#include "core/engine/escolha_ano.h"
#include "core/files/area_transferencia.h"
#include "core/results/janelas_resultado.h"
#include "core/results/saida_outros.h"
#include "core/results/simples_exportar.h"
#include "gui/app/contexto.h"
#include "gui/results/avaliacao_comando.h"
#include "gui/results/botoes_resultado.h"
#include "gui/results/graficos_pagina.h"
#include "gui/results/modelo_grade.h"
#include "gui/results/painel_anos.h"
#include "gui/worksheet/widgets.h"

namespace {

enum PaginaSimples { kResultados = 0, kVariaveis = 1, kObservacoes = 2 };

}  // namespace

TSimples::TSimples(Contexto& app) : app_(app) {
  setObjectName("Simples");
  connect(&app_, &Contexto::atualizar, this, &TSimples::atualiza);
  setWindowTitle("DoDo simples");
  resize(544, 339);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  Ficha_Simples = new QTabWidget(this);
  Ficha_Simples->setObjectName("Ficha_Simples");
  v->addWidget(Ficha_Simples);

  Resultados = cria_resultados();
  Variaveis = cria_variaveis();
  Observacoes = new QWidget;
  Observacoes->setObjectName("Observacoes");
  auto* vo = new QVBoxLayout(Observacoes);
  vo->setContentsMargins(0, 0, 0, 0);
  Texto_Obs = new QTextEdit(Observacoes);
  Texto_Obs->setObjectName("Texto_Obs");
  Texto_Obs->setReadOnly(true);
  Texto_Obs->setAcceptRichText(false);
  Texto_Obs->setLineWrapMode(QTextEdit::NoWrap);
  Texto_Obs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Texto_Obs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont fonte("MS Sans Serif");
  fonte.setStyleHint(QFont::SansSerif);
  fonte.setPixelSize(13);
  Texto_Obs->setFont(fonte);
  vo->addWidget(Texto_Obs);

  Ficha_Simples->addTab(Resultados, "&Resultados");
  Ficha_Simples->addTab(Variaveis, "&Variáveis");
  Ficha_Simples->addTab(Observacoes, "&Observações");
  Graficos = new PaginaGraficos(app_);
  Ficha_Simples->addTab(Graficos, "Gráficos");
  Ficha_Simples->setCurrentIndex(kResultados);
  new ComandosAvaliacao(app_, Ficha_Simples);
  connect(Ficha_Simples, &QTabWidget::currentChanged, this, [this](int i) {
    comando([this, i] {
      if (i == kResultados) zivu::ResultadosShow(app_.sis);
      else if (i == kVariaveis) zivu::VariaveisShow(app_.sis);
    });
  });
}

QWidget* TSimples::cria_resultados() {
  QWidget* p = pagina_resultado("Resultados");
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  Barra3 = new QToolBar(p);
  Barra3->setObjectName("Barra3");
  Exportar_R = botao_exportar("Exportar_R", Barra3);
  Copiar_Resultado = botao_copiar("Copiar_Resultado", Barra3);
  ImpRes = botao_imprimir("ImpRes", Barra3);
  Ano_Projetado = botao_negrito("&Ano a mostrar", "Ano_Projetado", Barra3);
  Adaptar = botao_negrito("&Adaptar", "Adaptar", Barra3);
  Adaptar->setEnabled(false);
  DoDo_Tradutor = botao_negrito("&Gravar para ser traduzido", "DoDo_Tradutor", Barra3);
  DoDo_Vardex = botao_negrito("&Gravar para Vardex", "DoDo_Vardex", Barra3);
  Unir_resultados = botao_negrito("Unir resultados", "Unir_resultados", Barra3);
  for (QWidget* w : std::initializer_list<QWidget*>{Exportar_R, Copiar_Resultado, ImpRes})
    Barra3->addWidget(w);
  Barra3->addSeparator();
  for (QWidget* w : std::initializer_list<QWidget*>{Ano_Projetado, Adaptar, DoDo_Tradutor, DoDo_Vardex,
                                                   Unir_resultados})
    Barra3->addWidget(w);
  v->addWidget(Barra3);
  modelo_saida = new ModeloGrade(app_.sis.simples.DadosSaida, this);
  DadosSaida = cria_grade(modelo_saida, "DadosSaida", p);
  v->addWidget(DadosSaida, 1);
  Anos = new PainelAnos(p);

  zivu::Sistema& sis = app_.sis;
  connect(Exportar_R, &QToolButton::clicked, this, [this, &sis] { comando([&sis] { zivu::Exportar_RClick(sis); }); });
  connect(Copiar_Resultado, &QToolButton::clicked, this,
          [this] { comando([this] { copia(DadosSaida, modelo_saida); }); });
  connect(ImpRes, &QToolButton::clicked, this,
          [this, &sis] { comando([this, &sis] { imprime(sis.simples.DadosSaida, zivu::kTituloImpRes); }); });
  connect(Ano_Projetado, &QPushButton::clicked, this,
          [this, &sis] { comando([&sis] { zivu::Ano_ProjetadoClick(sis.simples); }); });
  connect(Adaptar, &QPushButton::clicked, this, [this, &sis] { do_ano([&sis] { return zivu::AdaptarClick(sis); }); });
  connect(DoDo_Tradutor, &QPushButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::DoDo_TradutorClick(sis); }); });
  connect(DoDo_Vardex, &QPushButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::Salva_Uniao(sis, zivu::DestinoUniao::Vardex); }); });
  connect(Unir_resultados, &QPushButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::Salva_Uniao(sis, zivu::DestinoUniao::Unir); }); });
  connect(Anos, &PainelAnos::escolhido, this, [this, &sis](int i) {
    if (!app_.atualizando()) sis.simples.Esc_Ano_Projetado_indice = i;
  });
  connect(Anos->Aceitar_ano, &QToolButton::clicked, this,
          [this, &sis] { do_ano([&sis] { return zivu::Aceitar_anoClick(sis); }); });
  connect(Anos->Cancelar_ano, &QToolButton::clicked, this,
          [this, &sis] { comando([&sis] { zivu::Cancelar_anoClick(sis.simples); }); });
  return p;
}

QWidget* TSimples::cria_variaveis() {
  QWidget* p = pagina_resultado("Variaveis");
  auto* v = static_cast<QVBoxLayout*>(p->layout());
  ToolBar4 = new QToolBar(p);
  ToolBar4->setObjectName("ToolBar4");
  Exportar_V = botao_exportar("Exportar_V", ToolBar4);
  Copiar_Variaveis = botao_copiar("Copiar_Variaveis", ToolBar4);
  ImpVar = botao_imprimir("ImpVar", ToolBar4);
  for (QWidget* w : std::initializer_list<QWidget*>{Exportar_V, Copiar_Variaveis, ImpVar})
    ToolBar4->addWidget(w);
  v->addWidget(ToolBar4);
  modelo_variaveis = new ModeloGrade(app_.sis.simples.DadosVariaveis, this);
  DadosVariaveis = cria_grade(modelo_variaveis, "DadosVariaveis", p);
  v->addWidget(DadosVariaveis, 1);

  zivu::Sistema& sis = app_.sis;
  connect(Exportar_V, &QToolButton::clicked, this, [this, &sis] { comando([&sis] { zivu::Exportar_VClick(sis); }); });
  connect(Copiar_Variaveis, &QToolButton::clicked, this,
          [this] { comando([this] { copia(DadosVariaveis, modelo_variaveis); }); });
  connect(ImpVar, &QToolButton::clicked, this,
          [this, &sis] { comando([this, &sis] { imprime(sis.simples.DadosVariaveis, zivu::kTituloImpVar); }); });
  return p;
}

void TSimples::comando(const std::function<void()>& f) {
  if (!app_.atualizando()) app_.executa(f);
}

void TSimples::do_ano(const std::function<bool()>& f) {
  comando([this, &f] { zivu::comando_de_resultados(app_.sis, false, f); });
}

void TSimples::copia(const QTableView* vista, const ModeloGrade* modelo) {
  const Retangulo r = selecao(vista, modelo);
  const std::string texto = zivu::Copia_Grade(modelo->grade(), r.esquerda, r.topo, r.direita, r.base);
  QApplication::clipboard()->setText(QString::fromStdString(texto));
}

void TSimples::imprime(const zivu::Grade& grade, const char* titulo) {
  app_.imprime_tabela(grade, titulo);
}

void TSimples::exporta_paginas_visiveis() {
  if (Resultados->isVisible()) zivu::Exportar_RClick(app_.sis);
  if (Variaveis->isVisible()) zivu::Exportar_VClick(app_.sis);
}

void TSimples::Copiar1Click() {
  if (Ficha_Simples->currentWidget() == Resultados) copia(DadosSaida, modelo_saida);
  else if (Ficha_Simples->currentWidget() == Variaveis) copia(DadosVariaveis, modelo_variaveis);
}

void TSimples::Imprimir1Click() {
  if (Ficha_Simples->currentWidget() == Resultados) imprime(app_.sis.simples.DadosSaida, zivu::kTituloImpRes);
  else if (Ficha_Simples->currentWidget() == Variaveis)
    imprime(app_.sis.simples.DadosVariaveis, zivu::kTituloImpVar);
  else if (Ficha_Simples->currentWidget() == Graficos)
    Graficos->imprime();
}

void TSimples::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  // Shows during the creation of the windows are the creation's own, which
  // the core's initial state stands for.
  if (app_.janela_principal_visivel() && !app_.atualizando())
    app_.executa([this] { zivu::SimplesShow(app_.sis); });
}

void TSimples::atualiza() {
  const zivu::Simples& s = app_.sis.simples;
  modelo_saida->atualiza();
  modelo_variaveis->atualiza();
  if (s.Texto_Obs != obs_mostrado_) {
    obs_mostrado_ = s.Texto_Obs;
    Texto_Obs->setPlainText(QString::fromStdString(obs_mostrado_));
  }
  Adaptar->setEnabled(s.Adaptar);
  Ano_Projetado->setEnabled(s.Ano_Projetado_habilitado);
  dica(Ano_Projetado, QString::fromStdString(s.Ano_Projetado_hint));
  Unir_resultados->setEnabled(s.Unir_resultados_habilitado);
  Barra3->setEnabled(!s.Anos_visivel);
  DadosSaida->setEnabled(!s.Anos_visivel);
  Anos->atualiza(s.Esc_Ano_Projetado, s.Esc_Ano_Projetado_indice, s.Anos_visivel);
}
