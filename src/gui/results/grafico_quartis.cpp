#include "gui/results/grafico_quartis.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>
#include <limits>

#include "core/results/graficos_arquivo.h"
#include "core/worksheet/sistema.h"
#include "gui/app/contexto.h"
#include "gui/results/botoes_resultado.h"
#include "gui/results/graficos_desenho.h"
#include "gui/results/graficos_salvar.h"

namespace {

// The year, the data area on the track bar and the records: a run, another
// year or another area changes it.
std::string chave_quartis(const zivu::Sistema& sis) {
  const zivu::Quartis& q = sis.quartis;
  size_t h = q.RegistrosQuartis.size();
  for (const zivu::RegistroQuartil& r : q.RegistrosQuartis)
    h = h * 1000003u ^ std::hash<double>()(r.pop1) ^ (std::hash<double>()(r.taxa) << 1);
  return q.Ano_Projetado_hint + "|" + std::to_string(q.Sel_Area.posicao) + "|" + std::to_string(h) + "|" +
         std::to_string(q.Tab_excecoes.linhas());
}

}  // namespace

PaginaGraficoQuartis::PaginaGraficoQuartis(Contexto& app) : app_(app) {
  setObjectName("Grafico_Quartis");
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(1);
  auto* barra = new QToolBar(this);
  barra->setObjectName("ToolBar_Grafico");
  Salvar_Grafico = botao_negrito("Salvar…", "Salvar_Grafico", barra, "Grava o gráfico (imagem PNG ou SVG, ou PDF)");
  Imprimir_Grafico = botao_negrito("Imprimir", "Imprimir_Grafico", barra, "Imprime o gráfico");
  barra->addWidget(Salvar_Grafico);
  barra->addWidget(Imprimir_Grafico);
  v->addWidget(barra);
  Grafico = new QChartView(this);
  Grafico->setObjectName("Grafico");
  Grafico->setRenderHint(QPainter::Antialiasing);
  v->addWidget(Grafico, 1);
  Legenda_Grafico = new QLabel(this);
  Legenda_Grafico->setObjectName("Legenda_Grafico");
  Legenda_Grafico->setWordWrap(true);
  Legenda_Grafico->setContentsMargins(4, 2, 4, 2);
  v->addWidget(Legenda_Grafico);

  connect(Salvar_Grafico, &QPushButton::clicked, this, [this] {
    if (!app_.atualizando()) app_.executa([this] { salva(); });
  });
  connect(Imprimir_Grafico, &QPushButton::clicked, this, [this] {
    if (!app_.atualizando()) app_.executa([this] { imprime(); });
  });
  connect(&app_, &Contexto::atualizar, this, [this] {
    const bool ha = !app_.sis.quartis.Ano_Projetado_hint.empty() && !app_.sis.quartis.Anos_visivel;
    Salvar_Grafico->setEnabled(ha);
    Imprimir_Grafico->setEnabled(ha);
    if (isVisible() && chave_ != chave_quartis(app_.sis)) desenha();
  });
}

void PaginaGraficoQuartis::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (chave_ != chave_quartis(app_.sis) || !Grafico->chart() || Grafico->chart()->series().isEmpty()) desenha();
}

void PaginaGraficoQuartis::desenha() {
  chave_ = chave_quartis(app_.sis);
  dados_ = zivu::Grafico_Quartis(app_.sis);
  QChart* c = desenha_quartis(dados_);
  // A click lands on a series; the point is the nearest on screen of all
  // the classes, as the points of one may hide another's.
  const QList<QAbstractSeries*> series = c->series();
  for (size_t s = 0; s < dados_.series.size(); ++s) {
    auto* linha = static_cast<QLineSeries*>(series[static_cast<qsizetype>(s)]);
    connect(linha, &QLineSeries::clicked, this, [this, c, linha](const QPointF& ponto) {
      const QPointF alvo = c->mapToPosition(ponto, linha);
      size_t serie = 0, melhor = 0;
      double distancia = std::numeric_limits<double>::infinity();
      for (size_t k = 0; k < dados_.series.size(); ++k)
        for (size_t i = 0; i < dados_.series[k].pontos.size(); ++i) {
          const zivu::Ponto& p = dados_.series[k].pontos[i];
          const QPointF d = c->mapToPosition(QPointF(p.x, p.y), linha) - alvo;
          const double q = QPointF::dotProduct(d, d);
          if (q < distancia) distancia = q, serie = k, melhor = i;
        }
      clica_ponto(serie, melhor);
    });
  }
  QChart* anterior = Grafico->chart();
  Grafico->setChart(c);
  delete anterior;
  Legenda_Grafico->setText(texto_q(dados_.legenda));
  Legenda_Grafico->setVisible(!dados_.legenda.empty());
}

void PaginaGraficoQuartis::clica_ponto(size_t s, size_t i) {
  if (s >= dados_.series.size() || app_.atualizando()) return;
  const zivu::SerieQuartil serie = dados_.series[s];
  int linha = 0;
  app_.executa([&] { linha = zivu::Clique_Ponto_Quartis(app_.sis, serie, i); });
  if (linha > 0) emit registro_escolhido(linha, serie.classe.tipo == zivu::TipoClasseQuartil::Excecao);
}

std::unique_ptr<Figura> PaginaGraficoQuartis::figura() {
  const zivu::DadosQuartis d = zivu::Grafico_Quartis(app_.sis);
  return std::make_unique<Figura>(desenha_quartis(d), texto_q(zivu::titulo_grafico(app_.sis, true, d.titulo)),
                                  texto_q(d.legenda));
}

void PaginaGraficoQuartis::salva() { salva_figura(app_, *figura()); }
void PaginaGraficoQuartis::imprime() { imprime_figura(app_, *figura()); }

std::vector<zivu::GraficoRelatorio> PaginaGraficoQuartis::graficos_para_relatorio() {
  if (app_.sis.quartis.Ano_Projetado_hint.empty()) return {};
  const auto f = figura();
  return {{f->titulo().toStdString(), f->svg().toStdString()}};
}
