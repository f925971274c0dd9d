// The editing bar, the sheet's keys, "Criar", keyboard selection, and copy
// and paste through the system clipboard.
#include "ajudante.h"

class TesteEdicao : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    w->DadosEntrada.escreve(3, 5, "antigo");
    p->app->atualiza();
    clica_celula(o->DadosEntrada, 3, 5);
  }

 private slots:
  void cliqueMostraACelulaDuploCliqueEEnterLevamAoCampo() {
    QCOMPARE(o->Cruz->text(), QString("C5"));
    QCOMPARE(o->Celula->text(), QString("antigo"));
    QCOMPARE(situacao(), QString("Use duplo-clique para editar o conteúdo da célula atual"));
    QTest::mouseDClick(o->DadosEntrada->viewport(), Qt::LeftButton, {},
                       o->DadosEntrada->visualRect(o->modelo->indice(3, 5)).center());
    QVERIFY(o->Celula->hasFocus());
    QVERIFY(o->Edite_OK->isEnabled());
    QVERIFY(o->Edite_KO->isEnabled());
    QCOMPARE(situacao(),
             QString("Use <ENTER> ou o primeiro botão à direita para aceitar a edição da célula atual"));
    clica_celula(o->DadosEntrada, 2, 2);
    QVERIFY(o->DadosEntrada->hasFocus());
    QVERIFY(!o->Edite_OK->isEnabled());
    QTest::keyClick(o->DadosEntrada, Qt::Key_Return);
    QVERIFY(o->Celula->hasFocus());
  }

  void enterGravaEAmpliaExtensao() {
    QTest::keyClick(o->DadosEntrada, Qt::Key_Return);
    o->Celula->selectAll();
    QTest::keyClicks(o->Celula, "1234");
    QTest::keyClick(o->Celula, Qt::Key_Return);
    QCOMPARE(w->DadosEntrada.le(3, 5), std::string("1234"));
    QCOMPARE(o->modelo->indice(3, 5).data().toString(), QString("1234"));
    QVERIFY(w->UltimaColuna >= 3);
    QVERIFY(w->UltimaLinha >= 5);
    QVERIFY(o->Celula->hasFocus());
  }

  void escEBotaoCancelarRestauram() {
    QTest::keyClick(o->DadosEntrada, Qt::Key_Return);
    QTest::keyClicks(o->Celula, "zz");
    QCOMPARE(o->Celula->text(), QString("antigozz"));
    QTest::keyClick(o->Celula, Qt::Key_Escape);
    QCOMPARE(o->Celula->text(), QString("antigo"));
    QTest::keyClicks(o->Celula, "yy");
    o->Edite_KO->click();
    QCOMPARE(o->Celula->text(), QString("antigo"));
    // A click on the accept button writes what was typed.
    QTest::keyClicks(o->Celula, "!");
    QTest::mouseClick(o->Edite_OK, Qt::LeftButton);
    QCOMPARE(w->DadosEntrada.le(3, 5), std::string("antigo!"));
  }

  void ctrlGEsvaziaACelula() {
    QTest::keyClick(o->DadosEntrada, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(w->DadosEntrada.le(3, 5), std::string());
    QCOMPARE(o->Celula->text(), QString());
  }

  // The grid takes no typed text and searches nothing with it.
  void teclasImprimiveisNaoMovemACelula() {
    w->DadosEntrada.escreve(3, 7, "1");
    w->DadosEntrada.escreve(3, 8, "a b");
    p->app->atualiza();
    QTest::keyClicks(o->DadosEntrada, "1a ");
    QCOMPARE(o->Cruz->text(), QString("C5"));
    QCOMPARE(o->Celula->text(), QString("antigo"));
    QTest::keyClick(o->DadosEntrada, Qt::Key_Down);
    QCOMPARE(o->Cruz->text(), QString("C6"));
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
    p->app->executa([this] { w->Dados(1, 3, 4, 300); });
    clica_celula(o->DadosEntrada, 4, 20);
    const int antes = princ->Progressao->repinturas();
    o->Criar->click();
    QVERIFY(princ->Progressao->repinturas() > antes);
    QVERIFY(!princ->Progressao->isVisible());
    QCOMPARE(situacao(), QString::fromStdString(p->app->sis.princ.situacao));
    QCOMPARE(o->modelo->indice(2, 150).data().toString(), QString());
    QCOMPARE(o->modelo->indice(3, 3).data(Qt::BackgroundRole), QVariant());
    QCOMPARE(o->Cruz->text(), QString("A1"));
    QCOMPARE(o->DadosEntrada->currentIndex(), o->modelo->indice(1, 1));
    QVERIFY(!o->Processa->isEnabled());
  }

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
    QCOMPARE(o->modelo->indice(6, 6).data().toString(), QString("4"));
  }

 private:
  QString situacao() const { return princ->situacao_mostrada(); }
};

QTEST_MAIN(TesteEdicao)
#include "edicao_test.moc"
