// The coordinates page: regions typed as corners, listed, removed, and the
// totals of the lines.
#include "ajudante.h"

class TesteCoordenadas : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    o->FormasEntrada->setCurrentWidget(o->Coordenadas);
    k = o->Coordenadas;
  }

 private slots:
  void anoDigitadoEIncluidoEListaRefeita() {
    k->Secoes->setCurrentRow(0);
    QVERIFY(!k->X1->isEnabled());
    QVERIFY(!k->Coord_Total->isEnabled());
    digita("c", "2x");
    QCOMPARE(k->X0->text(), QString("C"));
    QCOMPARE(k->Y0->text(), QString("2"));
    QTest::mouseClick(k->Adiciona, Qt::LeftButton);
    QCOMPARE(k->Areas->count(), 1);
    QCOMPARE(k->Areas->item(0)->text(), QString("C2"));
    QCOMPARE(w->CelulasAno.at(0).X, 3);
    QCOMPARE(w->CelulasAno.at(0).Y, 2);
    // A mark made elsewhere shows when the page comes back.
    w->Ano(4, 2);
    o->FormasEntrada->setCurrentWidget(o->Visual);
    o->FormasEntrada->setCurrentWidget(o->Coordenadas);
    QCOMPARE(k->Areas->count(), 2);
    QCOMPARE(k->Areas->item(1)->text(), QString("D2"));
  }

  void cantosInvertidosFicamEmOrdemEEliminar() {
    k->Secoes->setCurrentRow(3);
    digita("f", "9", "b", "6");
    QTest::mouseClick(k->Adiciona, Qt::LeftButton);
    QCOMPARE(k->Areas->count(), 1);
    QCOMPARE(k->Areas->item(0)->text(), QString("B6..F9"));
    // The listed item's corners fill the edits.
    QCOMPARE((QStringList{k->X0->text(), k->Y0->text(), k->X1->text(), k->Y1->text()}),
             (QStringList{"B", "6", "F", "9"}));
    QTest::mouseClick(k->Diminui, Qt::LeftButton);
    QCOMPARE(k->Areas->count(), 0);
    QVERIFY(w->AreasDados[0].vazia());
  }

  void linhaForaDosLimitesMostraErro() {
    k->Secoes->setCurrentRow(3);
    digita("b", "10001", "c", "4");
    QTest::mouseClick(k->Adiciona, Qt::LeftButton);
    QCOMPARE(k->Y0->text(), QString("Erro"));
    QVERIFY(k->Y0->hasFocus());
    QCOMPARE(k->Areas->count(), 0);
  }

  void totalDaSegundaSecundaria() {
    k->Secoes->setCurrentRow(2);
    QVERIFY(k->Coord_Total->isEnabled());
    for (const char* linha : {"5", "7"}) {
      digita("b", linha, "e", linha);
      QTest::mouseClick(k->Adiciona, Qt::LeftButton);
      princ->TelaTotais->Cancelar_Total->click();
    }
    QCOMPARE(k->Areas->count(), 2);
    k->Areas->setCurrentRow(1);
    QCOMPARE(k->Coord_Total->text(), QString("0"));
    k->Coord_Total->selectAll();
    QTest::keyClicks(k->Coord_Total, "5000");
    QTest::mouseClick(k->Aceitar_Total, Qt::LeftButton);
    QCOMPARE(w->TotaisSecundarios, (std::vector<int64_t>{0, 5000}));
    k->Areas->setCurrentRow(0);
    QCOMPARE(k->Coord_Total->text(), QString("0"));
    k->Areas->setCurrentRow(1);
    QCOMPARE(k->Coord_Total->text(), QString("5000"));
  }

 private:
  // Types the corners into emptied edits; an edit that is off stays as it is.
  void digita(const char* x0, const char* y0, const char* x1 = "", const char* y1 = "") {
    const QList<QLineEdit*> edicoes{k->X0, k->Y0, k->X1, k->Y1};
    const QList<const char*> textos{x0, y0, x1, y1};
    for (int i = 0; i < 4; ++i) {
      if (!edicoes[i]->isEnabled()) continue;
      edicoes[i]->setFocus();
      edicoes[i]->selectAll();
      QTest::keyClick(edicoes[i], Qt::Key_Backspace);
      QTest::keyClicks(edicoes[i], textos[i]);
    }
  }

  PaginaCoordenadas* k = nullptr;
};

QTEST_MAIN(TesteCoordenadas)
#include "coordenadas_test.moc"
