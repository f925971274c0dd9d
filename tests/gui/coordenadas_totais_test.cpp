// The coordinates page: regions typed as corners, listed, removed, and the
// totals of the lines. The totals sheet: building, refreshing with F5, typed
// values kept, keys.
#include "ajudante.h"

class TesteCoordenadas : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    o->FormasEntrada->setCurrentWidget(o->Coordenadas);
    k = o->Coordenadas;
    t = o->Totais_anos;
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

  void cantosInvertidosFicamEmOrdemEliminarELinhaForaDosLimites() {
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

    // A row out of bounds shows "Erro" and takes the focus.
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

  void semAnoMarcadoAvisa() {
    o->FormasEntrada->setCurrentWidget(t);
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(t->modelo->columnCount(), 3);
  }

  void montaAoMostrarEF5MantemODigitado() {
    monta();
    QCOMPARE(t->modelo->columnCount(), 6);
    QCOMPARE(t->modelo->rowCount(), 4);
    // The core's sheet (its rules: the core's tests), shown.
    QCOMPARE((QStringList{texto(1, 0), texto(5, 0), texto(0, 1), texto(1, 1), texto(0, 3), texto(1, 3)}),
             (QStringList{"2005", "2004", "P", "180000", "S2", "90000"}));

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

  PaginaCoordenadas* k = nullptr;
  PaginaTotais* t = nullptr;
};

QTEST_MAIN(TesteCoordenadas)
#include "coordenadas_totais_test.moc"
