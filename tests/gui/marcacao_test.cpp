// Marking the sheet with the toolbar, the block-total panel and the
// checklist.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/app/paineis.h"
#include "gui/app/princ.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"

class TesteMarcacao : public TesteJanelas {
  Q_OBJECT

  void prepara() override { tela = princ->TelaTotais; }

 private slots:
  // Each kind of mark paints its cells in its own colours, in bold, until
  // it is removed.
  void marcaPintaAsCelulas_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QColor>("fundo");
    QTest::addColumn<QColor>("texto");
    QTest::newRow("ano") << "Ano" << QColor(255, 255, 0) << QColor(0, 0, 0);
    QTest::newRow("principal") << "Principal" << QColor(0, 0, 255) << QColor(255, 255, 0);
    QTest::newRow("secundária") << "SubDivisao" << QColor(128, 128, 128) << QColor(255, 255, 0);
    QTest::newRow("dados") << "Dados" << QColor(0, 0, 0) << QColor(255, 255, 255);
    QTest::newRow("títulos") << "Fixos" << QColor(255, 0, 0) << QColor(255, 255, 255);
  }
  void marcaPintaAsCelulas() {
    QFETCH(QString, botao);
    QFETCH(QColor, fundo);
    QFETCH(QColor, texto);
    clica_celula(o->DadosEntrada, 3, 5);
    o->findChild<QToolButton*>(botao)->click();
    QCOMPARE(cor(3, 5), fundo);
    QCOMPARE(cor(3, 5, Qt::ForegroundRole), texto);
    QVERIFY(o->modelo->indice(3, 5).data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(cor(3, 6), QColor());
    o->Desmarca->click();
    QCOMPARE(cor(3, 5), QColor());
  }

  void principalPelaPrimeiraLinhaDaSelecaoAbrePainel() {
    seleciona(o->DadosEntrada, 2, 5, 6, 9);
    o->Principal->click();
    QVERIFY(cor(6, 5).isValid());
    QCOMPARE(cor(2, 6), QColor());
    QVERIFY(tela->isVisible());
    QCOMPARE(tela->Tot_Coord->text(), QString("B5"));
    QCOMPARE(tela->Janela_Total->text(), QString("0"));
    QVERIFY(tela->Janela_Total->hasFocus());

    // Digits only, then OK stores the total and closes the panel.
    tela->Janela_Total->selectAll();
    QTest::keyClicks(tela->Janela_Total, "12a3.4-");
    QCOMPARE(tela->Janela_Total->text(), QString("1234"));
    tela->OK_Total->click();
    QVERIFY(!tela->isVisible());
    QCOMPARE(w->TotalPrincipal, 1234);
  }

  void totalColadoComSeparadoresECancelar() {
    clica_celula(o->DadosEntrada, 2, 5);
    o->Principal->click();
    tela->Janela_Total->selectAll();
    tela->Janela_Total->insert("1.234.567");  // pasted, not typed
    tela->OK_Total->click();
    QCOMPARE(w->TotalPrincipal, 1234567);
    o->Totais->click();
    QCOMPARE(tela->Janela_Total->text(), QString("1234567"));
    tela->Janela_Total->setText("5");
    tela->Cancelar_Total->click();
    QVERIFY(!tela->isVisible());
    QCOMPARE(w->TotalPrincipal, 1234567);
  }

  void totaisDoBotaoSoNumaLinha() {
    seleciona(o->DadosEntrada, 2, 7, 6, 7);
    o->SubDivisao->click();
    QCOMPARE(tela->Tot_Coord->text(), QString("B7"));
    tela->Janela_Total->selectAll();
    QTest::keyClicks(tela->Janela_Total, "900");
    tela->OK_Total->click();
    QCOMPARE(w->TotaisSecundarios.at(0), 900);
    clica_celula(o->DadosEntrada, 3, 9);
    o->Totais->click();
    QVERIFY(!tela->isVisible());
    clica_celula(o->DadosEntrada, 3, 7);
    o->Totais->click();
    QVERIFY(tela->isVisible());
    QCOMPARE(tela->Tot_Coord->text(), QString("C7"));
    QCOMPARE(tela->Janela_Total->text(), QString("900"));
  }

  void checklistHabilitaCalcularEQuartisNosDoisLugares() {
    auto habilitados = [this] {
      return QList<bool>{o->Processa->isEnabled(), o->MetodoQuartis->isEnabled(),
                         princ->acao("Calcular1")->isEnabled(), princ->acao("Quartis1")->isEnabled()};
    };
    const QList<bool> nenhum{false, false, false, false}, todos{true, true, true, true};
    QCOMPARE(habilitados(), nenhum);
    for (int c : {3, 4}) {
      clica_celula(o->DadosEntrada, c, 2);
      o->Ano->click();
    }
    seleciona(o->DadosEntrada, 2, 3, 4, 3);
    o->Principal->click();
    tela->Cancelar_Total->click();
    QVERIFY(!o->Observacoes->toPlainText().isEmpty());
    QCOMPARE(habilitados(), nenhum);
    seleciona(o->DadosEntrada, 2, 4, 4, 9);
    o->Dados->click();
    QCOMPARE(o->Observacoes->toPlainText(), QString());
    QCOMPARE(habilitados(), todos);

    // Block mode asks for a secondary line.
    o->Ficha->setCurrentWidget(o->Configuracao);
    o->Configuracao->DoDo_bloco->click();
    QVERIFY(!o->Observacoes->toPlainText().isEmpty());
    QCOMPARE(habilitados(), nenhum);
    o->Configuracao->DoDo_geral->click();
    QCOMPARE(habilitados(), todos);
  }

 private:
  QColor cor(int c, int r, Qt::ItemDataRole papel = Qt::BackgroundRole) const {
    const QVariant v = o->modelo->indice(c, r).data(papel);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
  }

  PainelTotais* tela = nullptr;
};

QTEST_MAIN(TesteMarcacao)
#include "marcacao_test.moc"
