// The coordinates page: regions typed as corners, listed, removed, and the
// totals of the lines.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "ajudante.h"
#include "gui/app/paineis.h"
#include "gui/app/princ.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_coordenadas.h"

class TesteCoordenadas : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    p->mostra_planilha();
    o = p->origem();
    o->FormasEntrada->setCurrentWidget(o->Coordenadas);
    k = o->Coordenadas;
    w = &p->app->sis.origem;
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void limitesDaPlanilha() {
    QCOMPARE(k->Lim_Col->text(), QString("De A até Z"));
    QCOMPARE(k->Lim_Lin->text(), QString("De 1 até 10000"));
  }

  void anoDigitadoEIncluido() {
    k->Secoes->setCurrentRow(0);
    QVERIFY(!k->X1->isEnabled());
    QVERIFY(!k->Y1->isEnabled());
    QVERIFY(!k->Coord_Total->isEnabled());
    QCOMPARE(k->Informativo->text(),
             QString("Devem ser informadas duas células, uma para Ano Inicial e outra para Ano Final."));
    QTest::keyClicks(k->X0, "c");
    QTest::keyClicks(k->Y0, "2x");
    QCOMPARE(k->X0->text(), QString("C"));
    QCOMPARE(k->Y0->text(), QString("2"));
    QTest::mouseClick(k->Adiciona, Qt::LeftButton);
    QCOMPARE(k->Areas->count(), 1);
    QCOMPARE(k->Areas->item(0)->text(), QString("C2"));
    QCOMPARE(w->CelulasAno.at(0).X, 3);
    QCOMPARE(w->CelulasAno.at(0).Y, 2);
  }

  void cantosInvertidosFicamEmOrdemEEliminar() {
    k->Secoes->setCurrentRow(3);
    QVERIFY(k->X1->isEnabled());
    QTest::keyClicks(k->X0, "f");
    QTest::keyClicks(k->Y0, "9");
    QTest::keyClicks(k->X1, "b");
    QTest::keyClicks(k->Y1, "6");
    QTest::mouseClick(k->Adiciona, Qt::LeftButton);
    QCOMPARE(k->Areas->count(), 1);
    QCOMPARE(k->Areas->item(0)->text(), QString("B6..F9"));
    // The listed item's corners fill the edits.
    QCOMPARE(k->X0->text(), QString("B"));
    QCOMPARE(k->Y0->text(), QString("6"));
    QCOMPARE(k->X1->text(), QString("F"));
    QCOMPARE(k->Y1->text(), QString("9"));
    QTest::mouseClick(k->Diminui, Qt::LeftButton);
    QCOMPARE(k->Areas->count(), 0);
    QVERIFY(w->AreasDados[0].vazia());
  }

  void linhaForaDosLimitesMostraErro() {
    k->Secoes->setCurrentRow(3);
    for (const char* linha : {"0", "10001"}) {
      apaga();
      QTest::keyClicks(k->X0, "b");
      QTest::keyClicks(k->Y0, linha);
      QTest::keyClicks(k->X1, "c");
      QTest::keyClicks(k->Y1, "4");
      QTest::mouseClick(k->Adiciona, Qt::LeftButton);
      QCOMPARE(k->Y0->text(), QString("Erro"));
      QVERIFY(k->Y0->hasFocus());
      QCOMPARE(k->Areas->count(), 0);
    }
    apaga();
    QTest::keyClicks(k->X0, "b");
    QTest::keyClicks(k->Y0, "3");
    QTest::mouseClick(k->Adiciona, Qt::LeftButton);
    QCOMPARE(d->ultimo_titulo(), QString("Erro!"));
    QCOMPARE(d->ultimo_texto(), QString("'' não é um valor inteiro válido."));
    QCOMPARE(k->Areas->count(), 0);
  }

  void totalDaSegundaSecundaria() {
    k->Secoes->setCurrentRow(2);
    QVERIFY(k->Coord_Total->isEnabled());
    for (const char* linha : {"5", "7"}) {
      apaga();
      QTest::keyClicks(k->X0, "b");
      QTest::keyClicks(k->Y0, linha);
      QTest::keyClicks(k->X1, "e");
      QTest::keyClicks(k->Y1, linha);
      QTest::mouseClick(k->Adiciona, Qt::LeftButton);
      // Each new line asks for its total.
      QVERIFY(p->app->princ->TelaTotais->isVisible());
      p->app->princ->TelaTotais->Cancelar_Total->click();
    }
    QCOMPARE(k->Areas->count(), 2);
    k->Areas->setCurrentRow(1);
    QCOMPARE(k->Coord_Total->text(), QString("0"));
    k->Coord_Total->selectAll();
    QTest::keyClicks(k->Coord_Total, "5000");
    QTest::mouseClick(k->Aceitar_Total, Qt::LeftButton);
    QCOMPARE(w->TotaisSecundarios.at(1), 5000);
    QCOMPARE(w->TotaisSecundarios.at(0), 0);
    k->Areas->setCurrentRow(0);
    QCOMPARE(k->Coord_Total->text(), QString("0"));
    k->Areas->setCurrentRow(1);
    QCOMPARE(k->Coord_Total->text(), QString("5000"));
  }

  void trocarDeSubPaginaReconstroiALista() {
    w->Ano(3, 2);
    w->Ano(4, 2);
    o->FormasEntrada->setCurrentWidget(o->Visual);
    o->FormasEntrada->setCurrentWidget(o->Coordenadas);
    QCOMPARE(k->Areas->count(), 2);
    QCOMPARE(k->Areas->item(1)->text(), QString("D2"));
  }

 private:
  void apaga() {
    for (QLineEdit* e : {k->X0, k->Y0, k->X1, k->Y1}) {
      e->setFocus();
      e->selectAll();
      QTest::keyClick(e, Qt::Key_Backspace);
    }
  }

  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TOrigem* o = nullptr;
  PaginaCoordenadas* k = nullptr;
  zivu::Origem* w = nullptr;
};

QTEST_MAIN(TesteCoordenadas)
#include "coordenadas_test.moc"
