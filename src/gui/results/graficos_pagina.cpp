#include "gui/results/graficos_pagina.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <QAction>
#include <algorithm>
#include <functional>
#include <tuple>

#include "core/results/graficos_arquivo.h"
#include "core/worksheet/sistema.h"
#include "gui/app/contexto.h"
#include "gui/results/botoes_resultado.h"
#include "gui/results/graficos_desenho.h"
#include "gui/results/graficos_salvar.h"

namespace {

const char* const kTipos[] = {"Evolução", "Taxas", "Antes e depois"};
// Areas named in a saved figure's caption; the page lists them all.
constexpr size_t kOmitidasNaFigura = 20;

struct Desenho {
  QChart* grafico = nullptr;
  std::string titulo, legenda;
  std::vector<zivu::AreaOmitida> omitidas;
};

QString texto_omitida(const zivu::AreaOmitida& a) {
  return QString("%1 (linha %2): %3").arg(texto_q(a.area)).arg(a.linha).arg(texto_q(a.motivo));
}

// What the grids show, in short: the year, the years' list, the projected
// column. A run, a year chosen or "Adaptar" changes it.
std::string chave_resultados(const zivu::Sistema& sis) {
  const zivu::Simples& s = sis.simples;
  std::string k = s.Ano_Projetado_hint + (s.Adaptar ? "|A" : "|-");
  for (const std::string& a : s.Esc_Ano_Projetado) k += "|" + a;
  const auto& anos = sis.origem.CelulasAno;
  const int c = anos.empty() ? 0 : anos[0].X;
  size_t h = 0;
  const std::hash<std::string> hash;
  const zivu::Grade& g = s.DadosSaida;
  if (c > 0 && c < g.colunas())
    for (int r = 1; r < g.linhas(); ++r) h = h * 1000003u ^ hash(g.cel(c, r));
  return k + "|" + std::to_string(h) + "|" + std::to_string(sis.origem.AreasDados.size());
}

}  // namespace

PaginaGraficos::PaginaGraficos(Contexto& app) : app_(app) {
  setObjectName("Graficos");
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(1);
  auto* barra = new QToolBar(this);
  barra->setObjectName("ToolBar_Graficos");
  barra->addWidget(new QLabel(" Gráfico: ", barra));
  Tipo_Grafico = new QComboBox(barra);
  Tipo_Grafico->setObjectName("Tipo_Grafico");
  for (const char* t : kTipos) Tipo_Grafico->addItem(t);
  barra->addWidget(Tipo_Grafico);
  auto* rotulo_area = new QLabel(" Área: ", barra);
  Area_Grafico = new QComboBox(barra);
  Area_Grafico->setObjectName("Area_Grafico");
  Area_Grafico->setMinimumContentsLength(24);
  Area_Grafico->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  Bloco_Grafico = new QComboBox(barra);
  Bloco_Grafico->setObjectName("Bloco_Grafico");
  Bloco_Grafico->setMinimumContentsLength(24);
  Bloco_Grafico->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  QAction* acao_rotulo = barra->addWidget(rotulo_area);
  acao_area_ = barra->addWidget(Area_Grafico);
  acao_bloco_ = barra->addWidget(Bloco_Grafico);
  barra->addSeparator();
  Salvar_Grafico = botao_negrito("Salvar…", "Salvar_Grafico", barra, "Grava o gráfico (imagem PNG ou SVG, ou PDF)");
  Imprimir_Grafico = botao_negrito("Imprimir", "Imprimir_Grafico", barra, "Imprime o gráfico");
  barra->addWidget(Salvar_Grafico);
  barra->addWidget(Imprimir_Grafico);
  v->addWidget(barra);

  auto* divisor = new QSplitter(this);
  Grafico = new QChartView(divisor);
  Grafico->setObjectName("Grafico");
  Grafico->setRenderHint(QPainter::Antialiasing);
  Omitidas = new QListWidget(divisor);
  Omitidas->setObjectName("Omitidas");
  // Thousands of lines when a run went wrong: one height for all, not each measured.
  Omitidas->setUniformItemSizes(true);
  Omitidas->setToolTip("Áreas fora do gráfico: a escala logarítmica não mostra zero nem valor negativo");
  divisor->addWidget(Grafico);
  divisor->addWidget(Omitidas);
  divisor->setStretchFactor(0, 4);
  divisor->setStretchFactor(1, 1);
  v->addWidget(divisor, 1);
  Legenda_Grafico = new QLabel(this);
  Legenda_Grafico->setObjectName("Legenda_Grafico");
  Legenda_Grafico->setWordWrap(true);
  Legenda_Grafico->setContentsMargins(4, 2, 4, 2);
  v->addWidget(Legenda_Grafico);

  auto escolha = [this, acao_rotulo] {
    const int t = Tipo_Grafico->currentIndex();
    acao_rotulo->setVisible(t != AntesDepois);
    acao_area_->setVisible(t == Evolucao);
    acao_bloco_->setVisible(t == Taxas);
    if (isVisible()) desenha();
  };
  connect(Tipo_Grafico, &QComboBox::currentIndexChanged, this, escolha);
  connect(Area_Grafico, &QComboBox::currentIndexChanged, this, [this] {
    if (isVisible() && Tipo_Grafico->currentIndex() == Evolucao) desenha();
  });
  connect(Bloco_Grafico, &QComboBox::currentIndexChanged, this, [this] {
    if (isVisible() && Tipo_Grafico->currentIndex() == Taxas) desenha();
  });
  escolha();
  connect(Salvar_Grafico, &QPushButton::clicked, this, [this] {
    if (!app_.atualizando()) app_.executa([this] { salva(); });
  });
  connect(Imprimir_Grafico, &QPushButton::clicked, this, [this] {
    if (!app_.atualizando()) app_.executa([this] { imprime(); });
  });
  // Drawn again while showing when a command changed the results.
  connect(&app_, &Contexto::atualizar, this, [this] {
    const bool ha = !app_.sis.simples.Ano_Projetado_hint.empty() && !app_.sis.simples.Anos_visivel;
    Salvar_Grafico->setEnabled(ha);
    Imprimir_Grafico->setEnabled(ha);
    if (isVisible() && chave_ != chave_resultados(app_.sis)) desenha();
  });
}

void PaginaGraficos::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  desenha();
}

bool PaginaGraficos::prepara() {
  std::string chave = chave_resultados(app_.sis);
  if (chave == chave_) return false;
  chave_ = std::move(chave);
  const zivu::Sistema& sis = app_.sis;
  anos_ = zivu::Le_Projecoes(sis);
  itens_ = zivu::Lista_Areas(sis);
  // The choosers keep their choice when the list is the same.
  const QString area = Area_Grafico->currentText(), bloco = Bloco_Grafico->currentText();
  QStringList areas, blocos{"Todas as áreas"};
  blocos_.clear();
  areas.reserve(static_cast<qsizetype>(itens_.size()));
  for (const zivu::ItemArea& i : itens_) {
    areas.append(texto_q(i.texto));
    if (i.linha == 0) {
      blocos.append(texto_q(i.texto));
      blocos_.push_back(i.bloco);
    }
  }
  for (auto [caixa, lista, antes] : {std::tuple{Area_Grafico, &areas, area}, std::tuple{Bloco_Grafico, &blocos, bloco}}) {
    const QSignalBlocker bloqueio(caixa);
    caixa->clear();
    caixa->addItems(*lista);
    caixa->setCurrentIndex(std::max(0, static_cast<int>(lista->indexOf(antes))));
  }
  return true;
}

namespace {

Desenho monta(const zivu::Sistema& sis, PaginaGraficos::Tipo t, const zivu::ProjecoesAnos& anos,
              const zivu::ItemArea& item, int bloco) {
  Desenho d;
  if (t == PaginaGraficos::Evolucao) {
    const zivu::DadosEvolucao e = zivu::Grafico_Evolucao(sis, anos, item);
    d = {desenha_evolucao(e), e.titulo, e.legenda, {}};
  } else if (t == PaginaGraficos::Taxas) {
    const zivu::DadosTaxas x = zivu::Grafico_Taxas(sis, bloco);
    d = {desenha_taxas(x), x.titulo, x.legenda, {}};
  } else {
    zivu::DadosAntesDepois a = zivu::Grafico_Antes_Depois(sis);
    d = {desenha_antes_depois(a), a.titulo, a.legenda, std::move(a.omitidas)};
  }
  return d;
}

}  // namespace

std::unique_ptr<Figura> PaginaGraficos::figura(Tipo t, bool na_pagina) {
  prepara();
  const int i = Area_Grafico->currentIndex();
  const zivu::ItemArea item = i >= 0 && static_cast<size_t>(i) < itens_.size() ? itens_[static_cast<size_t>(i)]
                              : itens_.empty()                                 ? zivu::ItemArea{}
                                                                               : itens_.front();
  // "Todas as áreas" first, then the blocks.
  const int b = Bloco_Grafico->currentIndex() - 1;
  const int32_t bloco = b >= 0 && static_cast<size_t>(b) < blocos_.size() ? blocos_[static_cast<size_t>(b)] : -1;
  Desenho d = monta(app_.sis, t, anos_, item, bloco);
  QString legenda = texto_q(d.legenda);
  if (na_pagina) {
    QChart* anterior = Grafico->chart();
    Grafico->setChart(d.grafico);
    delete anterior;
    Legenda_Grafico->setText(legenda);
    Legenda_Grafico->setVisible(!legenda.isEmpty());
    Omitidas->clear();
    QStringList linhas;
    for (const zivu::AreaOmitida& a : d.omitidas) linhas.append(texto_omitida(a));
    Omitidas->addItems(linhas);
    Omitidas->setVisible(!d.omitidas.empty());
    return nullptr;
  }
  for (size_t j = 0; j < d.omitidas.size() && j < kOmitidasNaFigura; ++j)
    legenda += (j == 0 ? "\n" : "; ") + texto_omitida(d.omitidas[j]);
  if (d.omitidas.size() > kOmitidasNaFigura)
    legenda += QString("; e mais %1.").arg(d.omitidas.size() - kOmitidasNaFigura);
  return std::make_unique<Figura>(d.grafico, texto_q(zivu::titulo_grafico(app_.sis, false, d.titulo)), legenda);
}

void PaginaGraficos::desenha() { figura(static_cast<Tipo>(Tipo_Grafico->currentIndex()), true); }

void PaginaGraficos::salva() {
  const auto f = figura(static_cast<Tipo>(Tipo_Grafico->currentIndex()), false);
  salva_figura(app_, *f);
}

void PaginaGraficos::imprime() {
  const auto f = figura(static_cast<Tipo>(Tipo_Grafico->currentIndex()), false);
  imprime_figura(app_, *f);
}

std::vector<zivu::GraficoRelatorio> PaginaGraficos::graficos_para_relatorio() {
  std::vector<zivu::GraficoRelatorio> r;
  if (app_.sis.simples.Ano_Projetado_hint.empty()) return r;
  for (Tipo t : {Evolucao, Taxas, AntesDepois}) {
    const auto f = figura(t, false);
    const QByteArray svg = f->svg();
    r.push_back({f->titulo().toStdString(), svg.toStdString()});
  }
  return r;
}
