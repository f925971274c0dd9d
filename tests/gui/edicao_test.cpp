// The editing bar, the sheet's keys, "Criar" and keyboard selection.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/app/paineis.h"
#include "gui/app/princ.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"

class TesteEdicao : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    p->mostra_planilha();
    o = p->origem();
    w = &p->app->sis.origem;
    w->DadosEntrada.escreve(3, 5, "antigo");
    p->app->atualiza();
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void cliqueMostraEnderecoETexto() {
    clica_celula(o->DadosEntrada, 3, 5);
    QCOMPARE(o->Cruz->text(), QString("C5"));
    QCOMPARE(o->Celula->text(), QString("antigo"));
    QCOMPARE(situacao(), QString("Use duplo-clique para editar o conteúdo da célula atual"));
  }

  void duploCliqueEEnterLevamAoCampo() {
    const QModelIndex i = o->modelo->indice(3, 5);
    clica_celula(o->DadosEntrada, 3, 5);
    QTest::mouseDClick(o->DadosEntrada->viewport(), Qt::LeftButton, {},
                       o->DadosEntrada->visualRect(i).center());
    QVERIFY(o->Celula->hasFocus());
    QVERIFY(o->Edite_OK->isEnabled());
    QVERIFY(o->Edite_KO->isEnabled());
    QCOMPARE(situacao(),
             QString("Use <ENTER> ou o primeiro botão à direita para aceitar a edição da célula atual"));
    clica_celula(o->DadosEntrada, 2, 2);
    QVERIFY(o->DadosEntrada->hasFocus());
    QVERIFY(!o->Edite_OK->isEnabled());
    QVERIFY(!o->Edite_KO->isEnabled());
    QTest::keyClick(o->DadosEntrada, Qt::Key_Return);
    QVERIFY(o->Celula->hasFocus());
  }

  void enterGravaEAmpliaExtensao() {
    clica_celula(o->DadosEntrada, 3, 5);
    QTest::keyClick(o->DadosEntrada, Qt::Key_Return);
    o->Celula->selectAll();
    QTest::keyClicks(o->Celula, "1234");
    QTest::keyClick(o->Celula, Qt::Key_Return);
    QCOMPARE(w->DadosEntrada.le(3, 5), std::string("1234"));
    QCOMPARE(o->modelo->data(o->modelo->indice(3, 5), Qt::DisplayRole).toString(), QString("1234"));
    QVERIFY(w->UltimaColuna >= 3);
    QVERIFY(w->UltimaLinha >= 5);
    QVERIFY(o->Celula->hasFocus());
  }

  void escEBotaoCancelarRestauram() {
    clica_celula(o->DadosEntrada, 3, 5);
    QTest::keyClick(o->DadosEntrada, Qt::Key_Return);
    QTest::keyClicks(o->Celula, "zz");
    QCOMPARE(o->Celula->text(), QString("antigozz"));
    QTest::keyClick(o->Celula, Qt::Key_Escape);
    QCOMPARE(o->Celula->text(), QString("antigo"));
    QTest::keyClicks(o->Celula, "yy");
    o->Edite_KO->click();
    QCOMPARE(o->Celula->text(), QString("antigo"));
    QCOMPARE(w->DadosEntrada.le(3, 5), std::string("antigo"));
    // A click on the accept button writes what was typed.
    QTest::keyClicks(o->Celula, "!");
    QTest::mouseClick(o->Edite_OK, Qt::LeftButton);
    QCOMPARE(w->DadosEntrada.le(3, 5), std::string("antigo!"));
  }

  void ctrlGEsvaziaACelula() {
    clica_celula(o->DadosEntrada, 3, 5);
    QTest::keyClick(o->DadosEntrada, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(w->DadosEntrada.le(3, 5), std::string());
    QCOMPARE(o->Celula->text(), QString());
  }

  void selecaoPeloTecladoMantemACelulaAtual() {
    clica_celula(o->DadosEntrada, 2, 2);
    QTest::keyClick(o->DadosEntrada, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(o->DadosEntrada, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(o->DadosEntrada, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(QList<int>({w->Left, w->Top, w->Right, w->Bottom}), QList<int>({2, 2, 4, 3}));
    QCOMPARE(o->Cruz->text(), QString("B2"));
    QTest::keyClick(o->DadosEntrada, Qt::Key_Down);
    QCOMPARE(o->Cruz->text(), QString("D4"));
    QCOMPARE(QList<int>({w->Left, w->Top, w->Right, w->Bottom}), QList<int>({4, 4, 4, 4}));
  }

  void criarNumaPlanilhaMarcadaEPreenchida() {
    for (int r = 1; r <= 300; ++r)
      for (int c = 1; c <= 4; ++c) w->DadosEntrada.escreve(c, r, std::to_string(r * c));
    w->UltimaColuna = 4;
    w->UltimaLinha = 300;
    w->Ano(3, 1);
    w->Ano(4, 1);
    w->Dados(1, 3, 4, 300);
    w->tela.legenda_pagina = "DoDo :: velho.csv";
    p->app->atualiza();
    clica_celula(o->DadosEntrada, 4, 20);
    const int antes = p->app->princ->Progressao->repinturas();

    o->Criar->click();
    QVERIFY(p->app->princ->Progressao->repinturas() > antes);
    QVERIFY(!p->app->princ->Progressao->isVisible());
    QCOMPARE(situacao(), QString("Pronto!"));
    QCOMPARE(w->DadosEntrada.le(2, 150), std::string());
    QCOMPARE(o->modelo->data(o->modelo->indice(3, 3), Qt::BackgroundRole), QVariant());
    QCOMPARE(o->Observacoes->toPlainText(),
             QString("Informe primeiro Ano de partida.\nInforme o segundo Ano de partida.\n"
                     "Informe linha básica de comparação.\nInforme área(s) de dados a calcular."));
    QCOMPARE(o->Ficha->tabText(1), QString("DoDo"));
    QCOMPARE(o->Cruz->text(), QString("A1"));
    QCOMPARE(o->DadosEntrada->currentIndex(), o->modelo->indice(1, 1));
    QVERIFY(!o->Processa->isEnabled());
  }

  void menuCriarFazOMesmo() {
    w->DadosEntrada.escreve(1, 1, "x");
    w->UltimaColuna = w->UltimaLinha = 1;
    p->app->princ->acao("Criar1")->trigger();
    QCOMPARE(w->DadosEntrada.le(1, 1), std::string());
  }

 private:
  QString situacao() const { return p->app->princ->Situacao->currentMessage(); }

  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TOrigem* o = nullptr;
  zivu::Origem* w = nullptr;
};

QTEST_MAIN(TesteEdicao)
#include "edicao_test.moc"
