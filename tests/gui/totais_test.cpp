// The totals sheet: building, refreshing with F5, typed values kept, keys.
#include "ajudante.h"

class TesteTotais : public TesteJanelas {
  Q_OBJECT

  void prepara() override { t = o->Totais_anos; }

 private slots:
  void semAnoMarcadoAvisa() {
    o->FormasEntrada->setCurrentWidget(t);
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(t->modelo->columnCount(), 3);
  }

  void montaAoMostrarEF5MantemODigitado() {
    monta();
    QCOMPARE(t->modelo->columnCount(), 6);
    QCOMPARE(t->modelo->rowCount(), 4);
    QCOMPARE((QStringList{texto(1, 0), texto(2, 0), texto(5, 0)}), (QStringList{"2005", "2001", "2004"}));
    QCOMPARE((QStringList{texto(0, 1), texto(1, 1), texto(2, 1)}), (QStringList{"P", "180000", "0"}));
    QCOMPARE((QStringList{texto(0, 3), texto(1, 3)}), (QStringList{"S2", "90000"}));

    // Typing into a year cell of row P: a letter opens no editor, a digit does.
    t->Grade_totais->setFocus();
    t->Grade_totais->setCurrentIndex(t->modelo->index(1, 3));
    QTest::keyClick(t->Grade_totais, Qt::Key_A);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t->Grade_totais));
    QTest::keyClicks(t->Grade_totais, "7");
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != t->Grade_totais);
    QTest::keyClicks(editor, "x5");
    QCOMPARE(static_cast<QLineEdit*>(editor)->text(), QString("75"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor commits through the event queue
    QCOMPARE(w->Grade_totais.le(3, 1), std::string("75"));

    w->TotalPrincipal = 200000;
    QTest::keyClick(t->Grade_totais, Qt::Key_F5);
    QCOMPARE(texto(3, 1), QString("75"));
    QCOMPARE(texto(1, 1), QString("200000"));
    // The fixed columns cannot be edited.
    QVERIFY(!(t->modelo->flags(t->modelo->index(1, 1)) & Qt::ItemIsEditable));
    QVERIFY(!(t->modelo->flags(t->modelo->index(0, 2)) & Qt::ItemIsEditable));
  }

  void botaoAtualizaEF5SoComAnosIntermediarios() {
    monta();
    w->TotalPrincipal = 1;
    t->Outros_totais->click();
    QCOMPARE(texto(1, 1), QString("1"));
    o->Configuracao->Anos_intermediarios->click();
    QVERIFY(!t->Outros_totais->isEnabled());
    w->TotalPrincipal = 2;
    QTest::keyClick(t->Grade_totais, Qt::Key_F5);
    QCOMPARE(texto(1, 1), QString("1"));
  }

 private:
  QString texto(int c, int r) const { return t->modelo->index(r, c).data().toString(); }

  // Years 1991 and 2000, a principal line and two secondary ones with their
  // totals, projection to 2005, intermediate years on; the page shown.
  void monta() {
    w->DadosEntrada.escreve(3, 2, "1991");
    w->DadosEntrada.escreve(4, 2, "2000");
    p->app->executa([this] {
      w->Ano(3, 2);
      w->Ano(4, 2);
      w->Principal(2, 3, 4, 3);
      w->TotalPrincipal = 180000;
      w->SubDivisao(2, 4, 4, 4);
      w->SubDivisao(2, 6, 4, 6);
      w->TotaisSecundarios = {90000, 90000};
      w->Cancelar_TotalClick();
      w->cfg.AnoProj = "2005";
    });
    o->Configuracao->Anos_intermediarios->click();
    o->FormasEntrada->setCurrentWidget(t);
    QVERIFY(d->caixas.isEmpty());
  }

  PaginaTotais* t = nullptr;
};

QTEST_MAIN(TesteTotais)
#include "totais_test.moc"
