// "DoDo simples" through its windows: the year's files on its pages, the
// years, exports, copy, print and the menus by page. The chart pages of both
// results windows, drawn from a real calculation: their series and points as
// the core's chart data has them, one colour per cell class, no log axis
// below zero, each file format saved, the printout, a click on a point, and
// the report's charts.
#include <QChart>
#include <QChartView>
#include <QAreaSeries>
#include <QLineSeries>
#include <QLogValueAxis>

#include "resultados_comum.h"
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


class TesteSimples : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    s = p->app->simples;
    temp = p->pasta.filePath("Temp");
    cli = p->pasta.filePath("cli");
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
  void calculoGeralMostraOUltimoAno() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(s));
    confere_ano("2010");
    // Without intermediate years there is nothing to choose or to join.
    QVERIFY(!s->Ano_Projetado->isEnabled());
    QVERIFY(!s->Unir_resultados->isEnabled());

    // No small-area code is marked: Vardex and the translation refuse.
    s->DoDo_Vardex->click();
    s->DoDo_Tradutor->click();
    QCOMPARE(d->caixas.size(), 2);
    QVERIFY(d->filtros_vistos.isEmpty());
  }

  void traducaoPerguntaPelaAdaptacao() {
    importa_e_calcula(*p, *d, exemplo("dodo_blocos.csv"), false);
    d->respostas = {QMessageBox::Cancel};
    s->DoDo_Tradutor->click();
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(d->filtros_vistos.isEmpty());
    QVERIFY(s->Adaptar->isEnabled());
    // Yes: adjusted first; a name without extension gets ".CSV".
    d->respostas = {QMessageBox::Yes};
    d->arquivos = {p->pasta.filePath("trad")};
    s->DoDo_Tradutor->click();
    QCOMPARE(d->caixas.size(), 2);
    QVERIFY(!s->Adaptar->isEnabled());
    QVERIFY(QFile::exists(p->pasta.filePath("trad.CSV")));
  }

  void escolhaDoAnoEAdaptacao() {
    const QString planilha = exemplo("anos_intermediarios.csv");
    importa_e_calcula(*p, *d, planilha, false);
    QCOMPARE(s->Ano_Projetado->toolTip(), QString("2005"));

    // Open: the list of years, the tool bar and the grid off.
    s->Ano_Projetado->click();
    QVERIFY(s->Anos->isVisible());
    QVERIFY(!s->Barra3->isEnabled());
    QVERIFY(!s->DadosSaida->isEnabled());
    QCOMPARE(princ->focusWidget(), s->Anos->Esc_Ano_Projetado);

    // Cancel keeps the year shown.
    escolhe(s->Anos, 1);
    s->Anos->Cancelar_ano->click();
    QVERIFY(s->Barra3->isEnabled());
    QCOMPARE(s->Ano_Projetado->toolTip(), QString("2005"));

    // Accept loads the year's stored results and its adjustment flag.
    s->Ano_Projetado->click();
    escolhe(s->Anos, 1);
    s->Anos->Aceitar_ano->click();
    QVERIFY(s->DadosSaida->isEnabled());
    confere_ano("2002");

    s->Ano_Projetado->click();
    escolhe(s->Anos, 0);
    s->Anos->Aceitar_ano->click();
    QVERIFY(s->Adaptar->isEnabled());
    s->Adaptar->click();
    QVERIFY(!s->Adaptar->isEnabled());
    confere_ano("2001");

    // "Unir resultados" writes every year, adjusted, as Vardex's file.
    d->arquivos = {p->pasta.filePath("unidos.csv")};
    s->Unir_resultados->click();
    roda_cli(planilha, cli + "/vardex", {"--vardex", cli + "/vardex/v.csv"});
    QCOMPARE(le_arquivo(p->pasta.filePath("unidos.csv")), le_arquivo(cli + "/vardex/v.csv"));
  }

  void colarECriarDeixamAJanelaComoONucleo() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    QVERIFY(s->Adaptar->isEnabled());
    p->mostra_planilha();
    QApplication::clipboard()->setText("1");
    o->Colar->click();
    QVERIFY(!s->Adaptar->isEnabled());

    // A second run computes again and shows it.
    o->Processa->click();
    QVERIFY(s->Adaptar->isEnabled());
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(s));
    p->mostra_planilha();
    o->Criar->click();
    QVERIFY(!s->Adaptar->isEnabled());
    QCOMPARE(na_vista(s->DadosSaida, 3, 3), QString());
  }

  void exportaCopiaEImprime() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    // The export over the worksheet's extent holds the bytes the year's file has.
    const QString r = p->pasta.filePath("r.csv"), v = p->pasta.filePath("v.csv");
    d->arquivos = {r, v, p->pasta.filePath("r.DAT")};
    d->filtros = {1, 1, 2};
    s->Exportar_R->click();
    s->Exportar_V->click();
    QCOMPARE(le_arquivo(r), le_arquivo(temp + "/SR2010.CSV"));
    QCOMPARE(le_arquivo(v), le_arquivo(temp + "/SV2010.CSV"));
    s->Exportar_R->click();
    QVERIFY(le_arquivo(p->pasta.filePath("r.DAT.DAT")).startsWith("1 "));
    QVERIFY(d->caixas.isEmpty());

    // Copy: the selected cells, TAB between cells and CR between rows.
    seleciona(s->DadosSaida, 2, 3, 3, 4);
    s->Copiar_Resultado->click();
    QCOMPARE(QApplication::clipboard()->text(), na_vista(s->DadosSaida, 2, 3) + "\t" + na_vista(s->DadosSaida, 3, 3) +
                                                   "\r" + na_vista(s->DadosSaida, 2, 4) + "\t" +
                                                   na_vista(s->DadosSaida, 3, 4));
    const QString pdf = p->imprime_em_pdf("resultado.pdf");
    s->ImpRes->click();
    QCOMPARE(d->impressoes, 1);
    QVERIFY(QFile(pdf).size() > 0);

    // The main menu's copy and print act on the page in front.
    s->Ficha_Simples->setCurrentWidget(s->Variaveis);
    seleciona(s->DadosVariaveis, 3, 3, 3, 3);
    princ->acao("Copiar1")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), na_vista(s->DadosVariaveis, 3, 3));
    QFile::remove(pdf);
    princ->acao("Imprimir1")->trigger();
    QCOMPARE(d->impressoes, 2);
    QVERIFY(QFile::exists(pdf));
  }

  void menusEExportacaoPelaPagina() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    for (QWidget* pagina : {s->Variaveis, s->Resultados}) {
      s->Ficha_Simples->setCurrentWidget(pagina);
      QCOMPARE(p->itens_ligados(), (QStringList{"Exportar1", "Copiar1", "Imprimir1"}));
    }
    // After a run maximised its window, "Minimizar todas" still minimises all three.
    princ->acao("Minimizartodas1")->trigger();
    for (QWidget* j : {static_cast<QWidget*>(o), static_cast<QWidget*>(s), static_cast<QWidget*>(p->app->quartis)})
      QVERIFY(princ->subjanela(j)->isMinimized());
    // "Exportar" of the main menu: the pages showing, here the results only.
    princ->acao("DoDoSimples1")->trigger();
    const QString r = p->pasta.filePath("menu.csv");
    d->arquivos = {r};
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
    QCOMPARE(le_arquivo(r), le_arquivo(temp + "/SR2010.CSV"));
    s->Ficha_Simples->setCurrentWidget(s->Observacoes);
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
  }

  void graficosSimplesComoOsDadosSalvosEImpressos() {
    importa_e_calcula(*p, *d, exemplo("anos_intermediarios.csv"), false);
    PaginaGraficos* g = s->Graficos;
    s->Ficha_Simples->setCurrentWidget(g);
    const zivu::Sistema& sis = p->app->sis;

    // Evolução of the first block's first area: surveys, projected years,
    // expected totals.
    g->Area_Grafico->setCurrentIndex(1);
    const auto anos = zivu::Le_Projecoes(sis);
    const auto e = zivu::Grafico_Evolucao(sis, anos, zivu::Lista_Areas(sis).at(1));
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
    importa_e_calcula(*p, *d, exemplo("dodo_blocos.csv"), true);
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

 private:
  // The year on screen: its pages as its files have them, "Adaptar" as its marker says.
  void confere_ano(const QString& ano) {
    QCOMPARE(s->Ano_Projetado->toolTip(), ano);
    QCOMPARE(difere_do_arquivo(s->DadosSaida, le_arquivo(temp + "/SR" + ano + ".CSV")), QString());
    QCOMPARE(difere_do_arquivo(s->DadosVariaveis, le_arquivo(temp + "/SV" + ano + ".CSV")), QString());
    QCOMPARE(s->Texto_Obs->toPlainText(), QString::fromLatin1(le_arquivo(temp + "/SO" + ano)).replace("\r\n", "\n"));
    QCOMPARE(s->Adaptar->isEnabled(), le_arquivo(temp + "/SA" + ano) == "adaptar");
  }

  TSimples* s = nullptr;
  QString temp, cli;
};

QTEST_MAIN(TesteSimples)
#include "resultados_simples_test.moc"
