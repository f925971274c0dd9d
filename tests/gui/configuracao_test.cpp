// The configuration page: key filters, red marks, defaults, leaving fields
// empty and the configuration file buttons.
#include "ajudante.h"
#include "core/files/leitor.h"

class TesteConfiguracao : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    c = o->Configuracao;
    o->Ficha->setCurrentWidget(c);
  }

 private slots:
  void teclasFiltradas_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("coluna em maiúscula") << "ColunaInicial" << "c" << "C";
    QTest::newRow("linha: algarismos, até cinco") << "LinhaAnoInicial" << "1a2.3 4567" << "12345";
    QTest::newRow("casas: nada de sinais") << "NCasasDec" << "x,-" << "3";
    QTest::newRow("código: só letras") << "Cd_maior" << "1" << "A";
  }
  void teclasFiltradas() {
    QFETCH(QString, campo);
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    auto* e = c->findChild<QLineEdit*>(campo);
    e->setFocus();
    const QString antes = e->text();
    e->selectAll();
    QTest::keyClicks(e, teclas);
    QCOMPARE(e->text(), texto);
    // Pasted, the same text passes the same filter.
    e->setText(antes);
    e->selectAll();
    QApplication::clipboard()->setText(teclas);
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e->text(), texto);
    // And through the edit's menu, whose paste item shows the paste keys.
    e->setText(antes);
    e->selectAll();
    const QString teclas_colar = '\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    QTimer::singleShot(0, [&] {
      for (QAction* item : QApplication::activePopupWidget()->actions())
        if (item->text().endsWith(teclas_colar)) item->trigger();
      QApplication::activePopupWidget()->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), e->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(e, &menu);
    QCOMPARE(e->text(), texto);
  }

  // A text that a command cannot convert is shown to the user: its field
  // comes forward with the focus and the text selected.
  void valorInvalidoLevaAoCampo() {
    p->app->executa([this] { zivu::Importa_Arquivo(p->app->sis, ZIVU_EXEMPLOS "/dodo_geral.csv"); });
    o->Ficha->setCurrentWidget(o->Origem);
    w->cfg.AnoProj = "abc";
    p->app->atualiza();
    o->Processa->click();
    QCOMPARE(d->ultimo_texto(), QString("'abc' não é um valor inteiro válido."));
    QVERIFY(c->AnoProj->isVisible());
    // The window's focus, which it gets back when the message box is gone.
    QCOMPARE(princ->focusWidget(), c->AnoProj);
    QCOMPARE(c->AnoProj->selectedText(), QString("abc"));
  }

  void marcasVermelhasEBotaoDaMarcacaoPadrao() {
    QTest::keyClicks(c->LinhaAnoInicial, "10001");
    QVERIFY(!c->X_Anos->isHidden());
    QVERIFY(!o->MarcaPadrao->isEnabled());
    QTest::keyClick(c->LinhaAnoInicial, Qt::Key_Backspace);
    QVERIFY(c->X_Anos->isHidden());
    QVERIFY(o->MarcaPadrao->isEnabled());
    QTest::keyClicks(c->LinhaInicial, "3");
    QTest::keyClicks(c->ColunaInicial, "c");
    QVERIFY(c->X_Dados->isHidden());
    c->Col_Ant->click();
    QVERIFY(c->X_Titulos->isHidden());
  }

  void padroesRestauraMasNaoOsQuartis() {
    QTest::keyClicks(c->LinhaAnoInicial, "2");
    c->LinRel->selectAll();
    QTest::keyClicks(c->LinRel, "12");
    c->Mes_Ano0->setCurrentIndex(2);
    emit c->Mes_Ano0->activated(2);
    QCOMPARE(w->cfg.Mes_Ano0, 2);
    QCOMPARE(c->Mes_Ano0->toolTip(), QString::fromStdString(w->tela.Mes_Ano0_hint));
    c->DoDo_bloco->click();
    w->cfg.MetodoQuartis = true;

    QTest::mouseClick(c->Padroes, Qt::LeftButton);
    QCOMPARE(c->LinhaAnoInicial->text(), QString());
    QCOMPARE(c->LinRel->text(), QString("40"));
    QCOMPARE(c->Mes_Ano0->currentIndex(), 7);
    QVERIFY(c->DoDo_geral->isChecked());
    QVERIFY(o->MetodoQuartis->isChecked());
  }

  void campoDeixadoVazioVoltaAoPadrao() {
    c->Ficha2->setCurrentWidget(c->Conf_G);
    for (QLineEdit* e : {c->AnoProj, c->NCasasDec, c->LinRel}) {
      const QString padrao = e->text();
      e->setFocus();
      e->selectAll();
      QTest::keyClick(e, Qt::Key_Backspace);
      QCOMPARE(e->text(), QString());
      c->Div_habitantes->setFocus();
      QCOMPARE(e->text(), padrao);
    }
  }

  void arquivoDeConfiguracaoSalvaEAbre() {
    const QString nome = p->pasta.filePath("padrao.cfg");
    c->LinRel->selectAll();
    QTest::keyClicks(c->LinRel, "25");
    d->arquivos = {nome};
    QTest::mouseClick(c->SalvaConf, Qt::LeftButton);
    QCOMPARE(QFile(nome).size(), 60);
    // LinhaAnoInicial was empty: it now shows the 0 that was saved.
    QCOMPARE(c->LinhaAnoInicial->text(), QString("0"));

    c->LinRel->selectAll();
    QTest::keyClicks(c->LinRel, "7");
    d->arquivos = {nome};
    QTest::mouseClick(c->AbreConf, Qt::LeftButton);
    QCOMPARE(c->LinRel->text(), QString("25"));
  }

 private:
  PaginaConfiguracao* c = nullptr;
};

QTEST_MAIN(TesteConfiguracao)
#include "configuracao_test.moc"
