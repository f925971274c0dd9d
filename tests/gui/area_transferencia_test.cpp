// Copy and paste of the sheet through the system clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/app/princ.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"

class TesteAreaTransferencia : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    p->mostra_planilha();
    o = p->origem();
    w = &p->app->sis.origem;
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void copiaASelecao() {
    w->DadosEntrada.escreve(2, 2, "1");
    w->DadosEntrada.escreve(3, 2, "2");
    w->DadosEntrada.escreve(2, 3, "3");
    w->DadosEntrada.escreve(3, 3, "4");
    p->app->atualiza();
    seleciona(o->DadosEntrada, 2, 2, 3, 3);
    o->Copiar->click();
    QCOMPARE(QApplication::clipboard()->text(), QString("1\t2\r3\t4"));
    QApplication::clipboard()->clear();
    p->app->princ->acao("Copiar1")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("1\t2\r3\t4"));
    // The sheet's keys copy the whole selection too, not just one cell.
    QApplication::clipboard()->clear();
    QTest::keySequence(o->DadosEntrada, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QString("1\t2\r3\t4"));
    clica_celula(o->DadosEntrada, 5, 5);
    QTest::keySequence(o->DadosEntrada, QKeySequence::Paste);
    QCOMPARE(texto(6, 6), QString("4"));
  }

  void colaNaCelulaAtualEDesligaAdaptar() {
    p->app->sis.simples.Adaptar = p->app->sis.quartis.Adaptar = true;
    QApplication::clipboard()->setText("a\tb\r\nc\td\n");
    clica_celula(o->DadosEntrada, 4, 5);
    o->Colar->click();
    QCOMPARE(texto(4, 5), QString("a"));
    QCOMPARE(texto(5, 5), QString("b"));
    QCOMPARE(texto(4, 6), QString("c"));
    QCOMPARE(texto(5, 6), QString("d"));
    QCOMPARE(w->UltimaColuna, 5);
    QCOMPARE(w->UltimaLinha, 6);
    QVERIFY(!p->app->sis.simples.Adaptar);
    QVERIFY(!p->app->sis.quartis.Adaptar);
    QVERIFY(d->caixas.isEmpty());
  }

  void colarAlemDaUltimaColunaAvisa() {
    QApplication::clipboard()->setText("1\t2\t3");
    clica_celula(o->DadosEntrada, 25, 3);
    p->app->princ->acao("Colar1")->trigger();
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(d->ultimo_titulo(), QString("Falha!"));
    QCOMPARE(d->ultimo_texto(), QString("A partir da coluna Y não\né possível colar, pois a quantidade de "
                                        "colunas\na colar extrapola o limite da tabela."));
    QCOMPARE(texto(25, 3), QString("1"));
    QCOMPARE(texto(26, 3), QString("2"));
  }

  void colarAlemDaUltimaLinhaAvisa() {
    QApplication::clipboard()->setText("x\ry\rz");
    clica_celula(o->DadosEntrada, 1, 9999);
    o->Colar->click();
    QCOMPARE(d->ultimo_texto(), QString("A partir da linha 9999 não\né possível colar, pois a quantidade "
                                        "de linhas\na colar extrapola o limite da tabela."));
    QCOMPARE(texto(1, 10000), QString("y"));
  }

  void areaVaziaNaoColaNada() {
    QApplication::clipboard()->clear();
    clica_celula(o->DadosEntrada, 2, 2);
    o->Colar->click();
    QCOMPARE(w->UltimaColuna, 0);
    QVERIFY(d->caixas.isEmpty());
  }

 private:
  QString texto(int c, int r) const { return o->modelo->indice(c, r).data().toString(); }

  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TOrigem* o = nullptr;
  zivu::Origem* w = nullptr;
};

QTEST_MAIN(TesteAreaTransferencia)
#include "area_transferencia_test.moc"
