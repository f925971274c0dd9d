// Copy and paste of the sheet through the system clipboard.
#include "ajudante.h"

class TesteAreaTransferencia : public TesteJanelas {
  Q_OBJECT

 private slots:
  void copiaASelecaoEColaPelasTeclas() {
    w->DadosEntrada.escreve(2, 2, "1");
    w->DadosEntrada.escreve(3, 2, "2");
    w->DadosEntrada.escreve(2, 3, "3");
    w->DadosEntrada.escreve(3, 3, "4");
    p->app->atualiza();
    seleciona(o->DadosEntrada, 2, 2, 3, 3);
    o->Copiar->click();
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
    QCOMPARE((QStringList{texto(4, 5), texto(5, 5), texto(4, 6), texto(5, 6)}), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(w->UltimaColuna, 5);
    QCOMPARE(w->UltimaLinha, 6);
    QVERIFY(!p->app->sis.simples.Adaptar);
    QVERIFY(!p->app->sis.quartis.Adaptar);
    QVERIFY(d->caixas.isEmpty());
  }

 private:
  QString texto(int c, int r) const { return o->modelo->indice(c, r).data().toString(); }
};

QTEST_MAIN(TesteAreaTransferencia)
#include "area_transferencia_test.moc"
