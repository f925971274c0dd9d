#include "gui/results/avaliacao_pagina.h"

#include <QAreaSeries>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/results/avaliacao_tabelas.h"
#include "core/worksheet/sistema.h"
#include "gui/app/contexto.h"
#include "gui/app/filtro_teclas.h"
#include "gui/results/botoes_resultado.h"

using zivu::MetodoAvaliacao;
using Tabela = ModeloAvaliacao::Tabela;

namespace {

const char* const kMedidas[] = {"Áreas", "MAPE", "MedAPE", "MALPE", "WAPE", "EPA>10%"};
const char* const kAreas[] = {"Linha", "Bloco", "Título", "População T1", "Observado", "Projeção", "PE", "APE"};

QString q(const std::string& s) { return QString::fromStdString(s); }

// Measure k of kMedidas; the measures of a summary without areas are empty.
QString medida(const zivu::ResumoErros& r, int k) {
  if (k == 0) return QString::number(r.areas);
  const double x[] = {r.MAPE, r.MedAPE, r.MALPE, r.WAPE, r.EPA10};
  return r.areas > 0 ? q(zivu::texto_medida(x[k - 1])) : QString();
}

const QColor kCorPontos(3, 64, 126);

QImage marcador() {
  QImage m(7, 7, QImage::Format_ARGB32_Premultiplied);
  m.fill(Qt::transparent);
  QPainter p(&m);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kCorPontos);
  p.drawEllipse(QRectF(0.5, 0.5, 6, 6));
  return m;
}

MetodoAvaliacao metodo(int i) { return zivu::kMetodosAvaliados[static_cast<size_t>(std::clamp(i, 0, 3))]; }

}  // namespace

ModeloAvaliacao::ModeloAvaliacao(const std::optional<zivu::Avaliacao>& avaliacao, Tabela t, QObject* pai)
    : QAbstractTableModel(pai), a_(avaliacao), t_(t) {}

void ModeloAvaliacao::atualiza(MetodoAvaliacao m) {
  beginResetModel();
  m_ = m;
  ordem_ = a_ && t_ == Tabela::Areas ? zivu::areas_por_ape(*a_, m) : std::vector<size_t>{};
  endResetModel();
}

const std::vector<zivu::GrupoAvaliacao>* ModeloAvaliacao::grupos() const {
  if (!a_) return nullptr;
  if (t_ == Tabela::Blocos) return &a_->blocos;
  if (t_ == Tabela::Classes) return &a_->classes;
  return nullptr;
}

int ModeloAvaliacao::rowCount(const QModelIndex& pai) const {
  if (pai.isValid() || !a_) return 0;
  if (t_ == Tabela::Resumo) return zivu::kMetodosAvaliacao;
  if (t_ == Tabela::Areas) return static_cast<int>(ordem_.size());
  return static_cast<int>(grupos()->size()) * zivu::kMetodosAvaliacao;
}

int ModeloAvaliacao::columnCount(const QModelIndex& pai) const {
  if (pai.isValid()) return 0;
  return t_ == Tabela::Resumo ? 7 : 8;
}

QString ModeloAvaliacao::texto(int linha, int coluna) const {
  const zivu::Avaliacao& a = *a_;
  if (t_ == Tabela::Resumo)
    return coluna == 0 ? zivu::nome_metodo(metodo(linha)) : medida(a.resumo[static_cast<size_t>(linha)], coluna - 1);
  if (t_ != Tabela::Areas) {
    const zivu::GrupoAvaliacao& g = (*grupos())[static_cast<size_t>(linha / zivu::kMetodosAvaliacao)];
    const int m = linha % zivu::kMetodosAvaliacao;
    if (coluna == 0) return q(g.nome);
    if (coluna == 1) return zivu::nome_metodo(metodo(m));
    return medida(g.resumo[static_cast<size_t>(m)], coluna - 2);
  }
  const zivu::AreaAvaliada& x = a.areas[ordem_[static_cast<size_t>(linha)]];
  const double pe = x.PE(m_).value_or(0);
  switch (coluna) {
    case 0: return QString::number(x.linha);
    case 1: return static_cast<size_t>(x.bloco) < a.blocos.size() ? q(a.blocos[x.bloco].nome) : QString();
    case 2: return q(x.titulo);
    case 3: return q(zivu::texto_medida(x.p1));
    case 4: return q(zivu::texto_medida(x.observado.value_or(0)));
    case 5: return q(zivu::texto_medida(x.projecao[static_cast<size_t>(m_)].value_or(0)));
    case 6: return q(zivu::texto_medida(pe));
    default: return q(zivu::texto_medida(std::fabs(pe)));
  }
}

QVariant ModeloAvaliacao::data(const QModelIndex& i, int papel) const {
  if (!a_ || !i.isValid()) return {};
  const int primeira_medida = t_ == Tabela::Resumo ? 1 : t_ == Tabela::Areas ? 3 : 2;
  if (papel == Qt::TextAlignmentRole)
    return QVariant::fromValue(i.column() >= primeira_medida || (t_ == Tabela::Areas && i.column() == 0)
                                   ? Qt::AlignRight | Qt::AlignVCenter
                                   : Qt::AlignLeft | Qt::AlignVCenter);
  if (papel != Qt::DisplayRole) return {};
  return texto(i.row(), i.column());
}

QVariant ModeloAvaliacao::headerData(int secao, Qt::Orientation o, int papel) const {
  if (papel != Qt::DisplayRole) return {};
  if (o == Qt::Vertical) return secao + 1;
  if (t_ == Tabela::Areas) return kAreas[secao];
  if (t_ == Tabela::Resumo) return secao == 0 ? QString("Método") : QString(kMedidas[secao - 1]);
  if (secao < 2) return secao == 0 ? QString("Grupo") : QString("Método");
  return kMedidas[secao - 2];
}

PaginaAvaliacao::PaginaAvaliacao(Contexto& app) : app_(app) {
  setObjectName("Avaliacao");
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(1);
  auto* barra = new QToolBar(this);
  barra->setObjectName("ToolBar_Avaliacao");
  Exportar_Aval = botao_exportar("Exportar_Aval", barra);
  barra->addWidget(Exportar_Aval);
  barra->addSeparator();
  barra->addWidget(new QLabel(" Método: ", barra));
  Metodo_Aval = new QComboBox(barra);
  Metodo_Aval->setObjectName("Metodo_Aval");
  for (MetodoAvaliacao m : zivu::kMetodosAvaliados) Metodo_Aval->addItem(zivu::nome_metodo(m));
  barra->addWidget(Metodo_Aval);
  v->addWidget(barra);
  Descricao_Aval = new QLabel(this);
  Descricao_Aval->setObjectName("Descricao_Aval");
  Descricao_Aval->setContentsMargins(4, 2, 4, 2);
  v->addWidget(Descricao_Aval);

  Ficha_Aval = new QTabWidget(this);
  Ficha_Aval->setObjectName("Ficha_Aval");
  Ficha_Aval->setTabPosition(QTabWidget::South);
  Tab_Resumo = tabela(Tabela::Resumo, "Tab_Resumo", "Resumo");
  Tab_Blocos = tabela(Tabela::Blocos, "Tab_Blocos", "Por bloco");
  Tab_Classes = tabela(Tabela::Classes, "Tab_Classes", "Por tamanho");
  Tab_Areas = tabela(Tabela::Areas, "Tab_Areas", "Áreas por erro");
  auto* grafico = new QWidget;
  auto* vg = new QVBoxLayout(grafico);
  vg->setContentsMargins(0, 0, 0, 0);
  Grafico_PE = new QChartView(grafico);
  Grafico_PE->setObjectName("Grafico_PE");
  Grafico_PE->setRenderHint(QPainter::Antialiasing);
  Fora_Aval = new QLabel(grafico);
  Fora_Aval->setObjectName("Fora_Aval");
  vg->addWidget(Grafico_PE, 1);
  vg->addWidget(Fora_Aval);
  Ficha_Aval->addTab(grafico, "Gráfico");
  v->addWidget(Ficha_Aval, 1);

  // The tables' files: the groups hold both the blocks and the size classes.
  connect(Exportar_Aval, &QToolButton::clicked, this, [this] {
    const QWidget* f = Ficha_Aval->currentWidget();
    const zivu::TabelaAvaliacao t = f == Tab_Resumo  ? zivu::TabelaAvaliacao::Resumo
                                    : f == Tab_Areas ? zivu::TabelaAvaliacao::Areas
                                                     : zivu::TabelaAvaliacao::Grupos;
    if (!app_.atualizando()) app_.executa([this, t] { zivu::Exportar_Avaliacao(app_.sis, t); });
  });
  connect(Ficha_Aval, &QTabWidget::currentChanged, this,
          [this] { Exportar_Aval->setEnabled(Ficha_Aval->currentWidget() != Grafico_PE->parentWidget()); });
  connect(Metodo_Aval, &QComboBox::currentIndexChanged, this, [this](int i) {
    modelos_.back()->atualiza(metodo(i));
    desenha(metodo(i));
  });
}

QTableView* PaginaAvaliacao::tabela(Tabela t, const char* nome, const char* titulo) {
  auto* m = new ModeloAvaliacao(app_.sis.simples.avaliacao, t, this);
  modelos_.push_back(m);
  auto* v = new QTableView;
  v->setObjectName(nome);
  v->setModel(m);
  v->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sem_busca_por_teclas(v);
  v->setWordWrap(false);
  v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  v->verticalHeader()->setDefaultSectionSize(24);
  v->horizontalHeader()->setDefaultSectionSize(t == Tabela::Areas ? 96 : 72);
  v->setColumnWidth(0, t == Tabela::Areas ? 50 : 150);
  if (t != Tabela::Areas && t != Tabela::Resumo) v->setColumnWidth(1, 150);
  if (t == Tabela::Areas) v->setColumnWidth(2, 160);
  Ficha_Aval->addTab(v, titulo);
  return v;
}

void PaginaAvaliacao::mostra() {
  const auto& a = app_.sis.simples.avaliacao;
  const MetodoAvaliacao m = metodo(Metodo_Aval->currentIndex());
  for (ModeloAvaliacao* modelo : modelos_) modelo->atualiza(m);
  Descricao_Aval->setText(a ? q(zivu::descricao_avaliacao(*a)) : QString());
  desenha(m);
}

// Each area's PE over its population of the second survey on a log axis,
// over the band of errors up to 10% either way.
void PaginaAvaliacao::desenha(MetodoAvaliacao m) {
  const auto& a = app_.sis.simples.avaliacao;
  const zivu::PontosPE p = a ? zivu::pontos_pe(*a, m) : zivu::PontosPE{};
  double x0 = 1, x1 = 10, y0 = -2 * zivu::kFaixaPE, y1 = 2 * zivu::kFaixaPE;
  if (!p.pontos.empty()) x0 = x1 = p.pontos.front().first;
  QList<QPointF> pontos;
  pontos.reserve(static_cast<qsizetype>(p.pontos.size()));
  for (const auto& [x, y] : p.pontos) {
    pontos.append(QPointF(x, y));
    x0 = std::min(x0, x);
    x1 = std::max(x1, x);
    y0 = std::min(y0, y);
    y1 = std::max(y1, y);
  }
  // Whole decades, so the log axis has labels at both ends.
  x0 = std::pow(10.0, std::floor(std::log10(x0)));
  x1 = std::max(std::pow(10.0, std::ceil(std::log10(x1))), 10 * x0);

  auto* c = new QChart;
  c->setTitle(QString("Erro percentual (PE) de cada área - %1").arg(zivu::nome_metodo(m)));
  c->legend()->setAlignment(Qt::AlignBottom);
  auto* sup = new QLineSeries(c);
  auto* inf = new QLineSeries(c);
  sup->append({QPointF(x0, zivu::kFaixaPE), QPointF(x1, zivu::kFaixaPE)});
  inf->append({QPointF(x0, -zivu::kFaixaPE), QPointF(x1, -zivu::kFaixaPE)});
  auto* faixa = new QAreaSeries(sup, inf);
  faixa->setName(QString("Erro até %1%").arg(zivu::kFaixaPE));
  faixa->setColor(QColor(255, 210, 63, 110));
  faixa->setBorderColor(QColor(230, 180, 30));
  // The points of a line without its pen, each drawn as one image: a
  // scatter series makes a graphics item per marker, and 10000 areas took
  // seconds.
  auto* areas = new QLineSeries;
  areas->setName("Áreas");
  areas->setPen(Qt::NoPen);
  areas->setPointsVisible(true);
  areas->setMarkerSize(7);
  areas->setColor(kCorPontos);
  areas->setLightMarker(marcador());
  areas->replace(pontos);
  c->addSeries(faixa);
  c->addSeries(areas);
  auto* ex = new QLogValueAxis;
  ex->setBase(10);
  ex->setLabelFormat("%g");
  ex->setTitleText("População T1, da segunda pesquisa (escala logarítmica)");
  ex->setRange(x0, x1);
  ex->setMinorTickCount(8);
  auto* ey = new QValueAxis;
  ey->setTitleText("PE (%)");
  ey->setRange(y0, y1);
  ey->applyNiceNumbers();
  ey->setLabelFormat("%.0f");
  c->addAxis(ex, Qt::AlignBottom);
  c->addAxis(ey, Qt::AlignLeft);
  for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(faixa), static_cast<QAbstractSeries*>(areas)}) {
    s->attachAxis(ex);
    s->attachAxis(ey);
  }
  QChart* anterior = Grafico_PE->chart();
  Grafico_PE->setChart(c);
  delete anterior;
  Fora_Aval->setText(p.fora > 0 ? QString("Áreas com população 0 na segunda pesquisa, fora do eixo logarítmico: %1.")
                                      .arg(p.fora)
                                : QString());
  Fora_Aval->setVisible(p.fora > 0);
}
