// The chart pages of both results windows, drawn from a real calculation:
// their series and points as the core's chart data has them, one colour per
// cell class, no log axis below zero, each file format saved, the printout,
// a click on a point, and the report's charts.
#include <QChart>
#include <QChartView>
#include <QAreaSeries>
#include <QLineSeries>
#include <QLogValueAxis>

#include "ajudante.h"
#include "core/results/graficos.h"
#include "gui/results/grafico_quartis.h"
#include "gui/results/graficos_desenho.h"
#include "gui/results/graficos_pagina.h"
#include "gui/results/relatorio_botao.h"

namespace {

// Points a drawn series holds; an area series by its upper line.
qsizetype pontos(QAbstractSeries* s) {
  if (auto* a = qobject_cast<QAreaSeries*>(s)) return a->upperSeries()->count();
  return static_cast<QXYSeries*>(s)->count();
}

QList<qsizetype> pontos(QChart* c) {
  QList<qsizetype> n;
  for (QAbstractSeries* s : c->series()) n << pontos(s);
  return n;
}

// No log axis of the chart reaches 0.
bool eixos_log_positivos(QChart* c) {
  for (QAbstractAxis* a : c->axes())
    if (auto* l = qobject_cast<QLogValueAxis*>(a); l && !(l->min() > 0)) return false;
  return true;
}

}  // namespace

class TesteGraficos : public TesteJanelas {
  Q_OBJECT

  void calcula(const char* planilha, bool quartis) {
    d->arquivos = {QString(ZIVU_EXEMPLOS) + "/" + planilha};
    o->Importar->click();
    if (o->MetodoQuartis->isChecked() != quartis) QTest::mouseClick(o->MetodoQuartis, Qt::LeftButton);
    o->Processa->click();
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
  }

  // Saves the chart in each format and prints it; the files' first bytes.
  void salva_e_imprime(QPushButton* salvar, QPushButton* imprimir) {
    const struct {
      const char* nome;
      int filtro;
      QByteArray cabecalho;
    } formatos[] = {{"g.png", 1, "\x89PNG"}, {"g.svg", 2, "<?xml"}, {"g", 3, "%PDF"}};
    for (const auto& f : formatos) {
      d->arquivos = {p->pasta.filePath(f.nome)};
      d->filtros = {f.filtro};
      salvar->click();
      const QString nome = p->pasta.filePath(f.nome) + (f.filtro == 3 ? ".pdf" : "");
      QVERIFY2(le_arquivo(nome).startsWith(f.cabecalho), qPrintable(nome));
    }
    QVERIFY(le_arquivo(p->pasta.filePath("g.svg")).contains("<svg"));
    const QString pdf = p->imprime_em_pdf("impresso.pdf");
    imprimir->click();
    QVERIFY(le_arquivo(pdf).startsWith("%PDF"));
  }

 private slots:
  void graficosSimplesComoOsDadosSalvosEImpressos() {
    calcula("anos_intermediarios.csv", false);
    TSimples* s = p->app->simples;
    PaginaGraficos* g = s->Graficos;
    s->Ficha_Simples->setCurrentWidget(g);
    const zivu::Sistema& sis = p->app->sis;

    // Evolução of the first block's first area: surveys, projected years,
    // expected totals.
    g->Area_Grafico->setCurrentIndex(1);
    const auto anos = zivu::Le_Projecoes(sis);
    const auto e = zivu::Grafico_Evolucao(sis, anos, zivu::Lista_Areas(sis).at(1));
    QCOMPARE(anos.anos.size(), size_t{5});
    QCOMPARE(pontos(g->Grafico->chart()),
             (QList<qsizetype>{2, qsizetype(e.projecao.size()), qsizetype(e.esperado.size())}));
    QCOMPARE(e.projecao.size(), size_t{5});

    // Taxas of one block: the bars' outline and the block's rate.
    g->Tipo_Grafico->setCurrentIndex(PaginaGraficos::Taxas);
    g->Bloco_Grafico->setCurrentIndex(2);
    const auto t = zivu::Grafico_Taxas(sis, 1);
    QCOMPARE(pontos(g->Grafico->chart()), (QList<qsizetype>{4 * qsizetype(t.histograma.classes.size()), 2}));

    // Antes e depois: one series per block, the 1:1 line, the areas left out listed.
    g->Tipo_Grafico->setCurrentIndex(PaginaGraficos::AntesDepois);
    const auto a = zivu::Grafico_Antes_Depois(sis);
    QList<qsizetype> esperado;
    for (const auto& b : a.series) esperado << qsizetype(b.pontos.size());
    esperado << 2;
    QCOMPARE(pontos(g->Grafico->chart()), esperado);
    QCOMPARE(g->Omitidas->count(), int(a.omitidas.size()));
    QVERIFY(eixos_log_positivos(g->Grafico->chart()));
    QCOMPARE(g->Legenda_Grafico->text(), QString::fromStdString(a.legenda));

    salva_e_imprime(g->Salvar_Grafico, g->Imprimir_Grafico);

    // The report holds the page's three charts, each an SVG titled with the sheet.
    const auto r = graficos_do_relatorio(*p->app, false);
    QCOMPARE(r.size(), size_t{3});
    for (const auto& x : r) {
      QVERIFY(x.svg.find("<svg") != std::string::npos);
      QVERIFY(QString::fromStdString(x.titulo).startsWith("anos_intermediarios.csv - DoDo simples - 2005 - "));
    }
  }

  void graficoQuartisCoresCliqueESalvo() {
    calcula("dodo_blocos.csv", true);
    TQuartis* q = p->app->quartis;
    PaginaGraficoQuartis* g = q->Grafico;
    q->Ficha_Quartis->setCurrentWidget(g);
    const zivu::DadosQuartis& dados = g->dados();
    QVERIFY(dados.series.size() >= 2);
    QChart* c = g->Grafico->chart();
    QCOMPARE(c->series().size(), qsizetype(dados.series.size() + dados.referencias.size()));
    QVERIFY(eixos_log_positivos(c));

    // One colour per class, the points as the data has them.
    QSet<QRgb> cores;
    for (size_t i = 0; i < dados.series.size(); ++i) {
      auto* s = static_cast<QLineSeries*>(c->series().at(qsizetype(i)));
      QCOMPARE(s->count(), qsizetype(dados.series[i].pontos.size()));
      QCOMPARE(s->color(), cor_classe(dados.series[i].classe));
      cores << s->color().rgb();
    }
    QCOMPARE(cores.size(), qsizetype(dados.series.size()));

    // A click on a point of the first cell: its record selected in "Tabela de Partida".
    const QPointF ponto(dados.series[0].pontos[0].x, dados.series[0].pontos[0].y);
    const QPointF na_cena = c->mapToScene(c->mapToPosition(ponto, c->series().at(0)));
    QTest::mouseClick(g->Grafico->viewport(), Qt::LeftButton, {}, g->Grafico->mapFromScene(na_cena));
    QCOMPARE(q->Ficha_Quartis->currentWidget(), q->Tab_Partida);
    const int registro = dados.series[0].indices[0];
    QCOMPARE(q->Tab_Quartil->currentIndex().row() + 1, registro + 1);

    q->Ficha_Quartis->setCurrentWidget(g);
    QCOMPARE(q->Ficha_Quartis->currentWidget(), g);
    salva_e_imprime(g->Salvar_Grafico, g->Imprimir_Grafico);
    QCOMPARE(graficos_do_relatorio(*p->app, true).size(), size_t{1});
  }
};

QTEST_MAIN(TesteGraficos)
#include "graficos_test.moc"
