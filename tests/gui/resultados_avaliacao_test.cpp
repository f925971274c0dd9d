// "Avaliar…" of "DoDo simples" on the worked example: the page's tables
// against the back-test's golden files, its chart and export, the test
// column and year remembered; "Relatório" of both windows as a page and as
// a PDF.
#include <QAbstractSeries>
#include <QChartView>
#include <QLogValueAxis>
#include <QXYSeries>

#include "core/results/avaliacao_tabelas.h"
#include "core/results/relatorio.h"
#include "core/text/numeros.h"
#include "gui/results/avaliacao_comando.h"
#include "gui/results/avaliacao_pagina.h"
#include "gui/results/relatorio_botao.h"
#include "resultados_comum.h"

namespace {

// A view's texts, header first, as the lines of a CSV file without quotes.
QStringList linhas_vista(const QTableView* v, bool cabecalho) {
  QStringList linhas;
  const QAbstractItemModel* m = v->model();
  auto linha = [&](auto celula) {
    QStringList l;
    for (int c = 0; c < m->columnCount(); ++c) l << celula(c);
    linhas << l.join(';');
  };
  if (cabecalho) linha([&](int c) { return m->headerData(c, Qt::Horizontal).toString(); });
  for (int r = 0; r < m->rowCount(); ++r) linha([&](int c) { return m->index(r, c).data().toString(); });
  return linhas;
}

QStringList linhas_arquivo(const QString& caminho) {
  return QString::fromLatin1(le_arquivo(caminho)).split("\r\n", Qt::SkipEmptyParts);
}

QString celula(const QTableView* v, int r, int c) { return v->model()->index(r, c).data().toString(); }

int imagens_pdf(const QString& pdf) {
  QProcess p;
  p.start("pdfimages", {"-list", pdf});
  p.waitForFinished(30000);
  return static_cast<int>(p.readAllStandardOutput().count('\n')) - 2;  // after two header lines
}

}  // namespace

class TesteAvaliacao : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    zivu::definir_separador_decimal(',');
    s = p->app->simples;
    c = s->Ficha_Simples->findChild<ComandosAvaliacao*>();
    saida = p->pasta.filePath("saida");
    QDir().mkpath(saida);
  }

 private slots:
  void avaliarMostraAsTabelasDoNucleo() {
    QVERIFY(!c->Avaliar->isEnabled());
    // Its run fails on an area without population in the first survey; the
    // back-test counts it.
    importa_e_calcula(*p, *d, arquivo_teste("avaliacao/exemplo.csv"), false, false);
    const int paginas = s->Ficha_Simples->count();
    QCOMPARE(s->Ficha_Simples->indexOf(c->pagina), -1);
    avalia("D", "2005");
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(s->Ficha_Simples->count(), paginas + 1);
    QCOMPARE(s->Ficha_Simples->currentWidget(), c->pagina);

    PaginaAvaliacao* a = c->pagina;
    const QString dados = arquivo_teste("avaliacao/exemplo_");
    QCOMPARE(linhas_vista(a->Tab_Resumo, true), linhas_arquivo(dados + "resumo.CSV"));
    QCOMPARE(linhas_vista(a->Tab_Blocos, true) + linhas_vista(a->Tab_Classes, false),
             linhas_arquivo(dados + "grupos.CSV"));
    // The areas by the DoDo's error, each with its file's figures.
    const QStringList areas = linhas_arquivo(dados + "areas.CSV");
    QStringList ordem;
    for (int r = 0; r < a->Tab_Areas->model()->rowCount(); ++r) {
      const QString linha = celula(a->Tab_Areas, r, 0);
      ordem << linha;
      const QStringList f = areas.filter(QRegularExpression("^" + linha + ";")).value(0).split(';');
      // Observed, the DoDo's projection and PE.
      QCOMPARE(QStringList({celula(a->Tab_Areas, r, 4), celula(a->Tab_Areas, r, 5), celula(a->Tab_Areas, r, 6)}),
               f.mid(3, 3));
    }
    QCOMPARE(ordem, QStringList({"6", "4", "5", "3"}));
    a->Metodo_Aval->setCurrentIndex(1);
    QCOMPARE(celula(a->Tab_Areas, 0, 0), QString("4"));
    // The chart follows the method: its points are the core's.
    auto* pontos = qobject_cast<QXYSeries*>(a->Grafico_PE->chart()->series().value(1));
    QVERIFY(pontos);
    QList<QPointF> esperados;
    const auto& avaliacao = *p->app->sis.simples.avaliacao;
    for (const auto& [x, y] : zivu::pontos_pe(avaliacao, zivu::MetodoAvaliacao::ParcelaConstante).pontos)
      esperados << QPointF(x, y);
    QCOMPARE(pontos->points(), esperados);
    QVERIFY(qobject_cast<QLogValueAxis*>(a->Grafico_PE->chart()->axes(Qt::Horizontal).value(0)));

    a->Ficha_Aval->setCurrentWidget(a->Tab_Resumo);
    d->arquivos = {saida + "/r"};
    a->Exportar_Aval->click();
    QCOMPARE(le_arquivo(saida + "/r.CSV"), le_arquivo(dados + "resumo.CSV"));

    // The next time the dialog brings back what was asked for this worksheet.
    QStringList lembrado;
    responde([&](DialogoAvaliacao* dlg) {
      lembrado = {dlg->Coluna_teste->text(), dlg->Ano_teste->text()};
      dlg->reject();
    });
    QCOMPARE(lembrado, QStringList({"D", "2005"}));

    o->Processa->click();
    QCOMPARE(s->Ficha_Simples->count(), paginas);
  }

  void relatorioDasDuasJanelas() {
    importa_e_calcula(*p, *d, arquivo_teste("avaliacao/blocos.csv"), false);
    avalia("E", "2005");
    grava_relatorio(s, false, {"Relatório do cálculo", "Avaliação retrospectiva", "89,07"});
    importa_e_calcula(*p, *d, arquivo_teste("quartis_geral.csv"), true);
    grava_relatorio(p->app->quartis, true, {"Relatório do cálculo", "DoDo em Quartis", "1300"});
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
  }

 private:
  // Answers the "Avaliar…" dialog with `f`.
  void responde(const std::function<void(DialogoAvaliacao*)>& f) {
    // The dialog answerer would close this dialog unanswered.
    const QList<Dialogos::Caixa> caixas = d->caixas;
    d.reset();
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<DialogoAvaliacao*>(QApplication::activeModalWidget());
      QVERIFY(dlg);
      f(dlg);
    });
    c->Avaliar->click();
    d = std::make_unique<Dialogos>();
    d->caixas = caixas;
  }
  void avalia(const QString& coluna, const QString& ano) {
    QVERIFY(c->Avaliar->isEnabled());
    responde([&](DialogoAvaliacao* dlg) {
      dlg->Coluna_teste->setText(coluna);
      dlg->Ano_teste->setText(ano);
      dlg->accept();
    });
  }
  // "Relatório" of the window as a page, the core's, and as a PDF whose text
  // holds `textos`.
  void grava_relatorio(QWidget* janela, bool quartis, const QStringList& textos) {
    auto* b = janela->findChild<QPushButton*>("Relatorio");
    QVERIFY(b->isEnabled());
    d->arquivos = {saida + "/r", saida + "/r"};
    d->filtros = {1, 2};
    b->click();
    const auto graficos = graficos_do_relatorio(*p->app, quartis);
    QCOMPARE(le_arquivo(saida + "/r.html"),
             QByteArray::fromStdString(*zivu::Relatorio_HTML(p->app->sis, quartis, graficos)));
    b->click();
    const QString texto = texto_pdf(saida + "/r.pdf");
    for (const QString& t : textos) QVERIFY2(texto.contains(t), qPrintable(t));
    QCOMPARE(imagens_pdf(saida + "/r.pdf"), static_cast<int>(graficos.size()));
  }

  TSimples* s = nullptr;
  ComandosAvaliacao* c = nullptr;
  QString saida;
};

QTEST_MAIN(TesteAvaliacao)
#include "resultados_avaliacao_test.moc"
