// Marking the sheet with the mouse and the toolbar, the block-total panel
// and the checklist.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/app/paineis.h"
#include "gui/app/princ.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"

class TesteMarcacao : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    p->mostra_planilha();
    o = p->origem();
    tela = p->app->princ->TelaTotais;
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void anosDoisEOTerceiroIgnorado() {
    for (int c : {3, 4, 5}) {
      clica_celula(o->DadosEntrada, c, 3);
      o->Ano->click();
    }
    QCOMPARE(fundo(3, 3), QColor(255, 255, 0));
    QCOMPARE(fonte(3, 3), QColor(0, 0, 0));
    QCOMPARE(fundo(4, 3), QColor(255, 255, 0));
    QCOMPARE(fundo(5, 3), QColor());
    QVERIFY(!o->Observacoes->toPlainText().contains("Ano de partida"));

    clica_celula(o->DadosEntrada, 3, 3);
    o->Desmarca->click();
    QCOMPARE(fundo(3, 3), QColor());
    QCOMPARE(fundo(4, 3), QColor(255, 255, 0));
    QVERIFY(o->Observacoes->toPlainText().startsWith("Informe o segundo Ano de partida."));
  }

  void principalPelaPrimeiraLinhaDaSelecaoAbrePainel() {
    seleciona(o->DadosEntrada, 2, 5, 6, 9);
    o->Principal->click();
    for (int c = 2; c <= 6; ++c) QCOMPARE(fundo(c, 5), QColor(0, 0, 255));
    QCOMPARE(fonte(2, 5), QColor(255, 255, 0));
    QVERIFY(o->modelo->data(indice(2, 5), Qt::FontRole).value<QFont>().bold());
    QCOMPARE(fundo(2, 6), QColor());
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
    QCOMPARE(p->app->sis.origem.TotalPrincipal, 1234);

    // A data area touching the line is refused; one below it is taken.
    seleciona(o->DadosEntrada, 2, 5, 6, 9);
    o->Dados->click();
    QCOMPARE(fundo(3, 7), QColor());
    seleciona(o->DadosEntrada, 2, 6, 6, 9);
    o->Dados->click();
    QCOMPARE(fundo(3, 7), QColor(0, 0, 0));
    QCOMPARE(fonte(3, 7), QColor(255, 255, 255));
    QCOMPARE(fundo(6, 9), QColor(0, 0, 0));
    QCOMPARE(fundo(6, 10), QColor());
  }

  void totalColadoComSeparadoresECancelar() {
    clica_celula(o->DadosEntrada, 2, 5);
    o->Principal->click();
    tela->Janela_Total->selectAll();
    tela->Janela_Total->insert("1.234.567");  // pasted, not typed
    tela->OK_Total->click();
    QCOMPARE(p->app->sis.origem.TotalPrincipal, 1234567);
    o->Totais->click();
    QCOMPARE(tela->Janela_Total->text(), QString("1234567"));
    tela->Janela_Total->setText("5");
    tela->Cancelar_Total->click();
    QVERIFY(!tela->isVisible());
    QCOMPARE(p->app->sis.origem.TotalPrincipal, 1234567);
  }

  void novaPrincipalSubstituiAAnterior() {
    clica_celula(o->DadosEntrada, 2, 5);
    o->Principal->click();
    tela->Cancelar_Total->click();
    seleciona(o->DadosEntrada, 2, 8, 4, 8);
    o->Principal->click();
    QCOMPARE(fundo(2, 5), QColor());
    QCOMPARE(fundo(4, 8), QColor(0, 0, 255));
  }

  void secundariaETotaisDoBotao() {
    seleciona(o->DadosEntrada, 2, 7, 6, 7);
    o->SubDivisao->click();
    QCOMPARE(fundo(4, 7), QColor(128, 128, 128));
    QCOMPARE(fonte(4, 7), QColor(255, 255, 0));
    QVERIFY(tela->isVisible());
    QCOMPARE(tela->Tot_Coord->text(), QString("B7"));
    tela->Janela_Total->selectAll();
    QTest::keyClicks(tela->Janela_Total, "900");
    tela->OK_Total->click();
    QCOMPARE(p->app->sis.origem.TotaisSecundarios.at(0), 900);

    // On a cell of no line the button shows nothing.
    clica_celula(o->DadosEntrada, 3, 9);
    o->Totais->click();
    QVERIFY(!tela->isVisible());
    clica_celula(o->DadosEntrada, 3, 7);
    o->Totais->click();
    QVERIFY(tela->isVisible());
    QCOMPARE(tela->Tot_Coord->text(), QString("C7"));
    QCOMPARE(tela->Janela_Total->text(), QString("900"));
    tela->Cancelar_Total->click();
  }

  void titulosEDesmarcar() {
    seleciona(o->DadosEntrada, 1, 4, 1, 8);
    o->Fixos->click();
    QCOMPARE(fundo(1, 6), QColor(255, 0, 0));
    QCOMPARE(fonte(1, 6), QColor(255, 255, 255));
    clica_celula(o->DadosEntrada, 1, 8);
    o->Desmarca->click();
    QCOMPARE(fundo(1, 4), QColor());
    QCOMPARE(fundo(1, 6), QColor());
  }

  void checklistHabilitaCalcularEQuartisNosDoisLugares() {
    TPrinc* princ = p->app->princ;
    QCOMPARE(o->Observacoes->toPlainText(),
             QString("Informe primeiro Ano de partida.\nInforme o segundo Ano de partida.\n"
                     "Informe linha básica de comparação.\nInforme área(s) de dados a calcular."));
    auto habilitados = [&] {
      return QList<bool>{o->Processa->isEnabled(), o->MetodoQuartis->isEnabled(),
                         princ->acao("Calcular1")->isEnabled(), princ->acao("Quartis1")->isEnabled()};
    };
    QCOMPARE(habilitados(), (QList<bool>{false, false, false, false}));
    clica_celula(o->DadosEntrada, 3, 2);
    o->Ano->click();
    clica_celula(o->DadosEntrada, 4, 2);
    o->Ano->click();
    seleciona(o->DadosEntrada, 2, 3, 4, 3);
    o->Principal->click();
    tela->Cancelar_Total->click();
    QCOMPARE(habilitados(), (QList<bool>{false, false, false, false}));
    seleciona(o->DadosEntrada, 2, 4, 4, 9);
    o->Dados->click();
    QCOMPARE(o->Observacoes->toPlainText(), QString());
    QCOMPARE(habilitados(), (QList<bool>{true, true, true, true}));

    // Block mode asks for a secondary line.
    o->Ficha->setCurrentWidget(o->Configuracao);
    o->Configuracao->DoDo_bloco->click();
    QCOMPARE(o->Observacoes->toPlainText(), QString("Informe linha(s) secundári(s) de comparação."));
    QCOMPARE(habilitados(), (QList<bool>{false, false, false, false}));
    o->Configuracao->DoDo_geral->click();
    QCOMPARE(habilitados(), (QList<bool>{true, true, true, true}));
  }

  void menuEdicaoMarcaComoOsBotoes() {
    TPrinc* princ = p->app->princ;
    clica_celula(o->DadosEntrada, 5, 5);
    princ->acao("Ano1")->trigger();
    QCOMPARE(fundo(5, 5), QColor(255, 255, 0));
    seleciona(o->DadosEntrada, 2, 8, 3, 9);
    princ->acao("Dados1")->trigger();
    QCOMPARE(fundo(3, 9), QColor(0, 0, 0));
    princ->acao("Desmarcar1")->trigger();
    QCOMPARE(fundo(3, 9), QColor());
  }

 private:
  QModelIndex indice(int c, int r) const { return o->modelo->indice(c, r); }
  QColor fundo(int c, int r) const {
    const QVariant v = o->modelo->data(indice(c, r), Qt::BackgroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
  }
  QColor fonte(int c, int r) const {
    const QVariant v = o->modelo->data(indice(c, r), Qt::ForegroundRole);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
  }

  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TOrigem* o = nullptr;
  PainelTotais* tela = nullptr;
};

QTEST_MAIN(TesteMarcacao)
#include "marcacao_test.moc"
