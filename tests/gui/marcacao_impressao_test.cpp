// Marking the sheet with the toolbar, the block-total panel and the
// checklist; printing the sheet to a PDF file through the print dialog.
#include "ajudante.h"

class TesteMarcacao : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    tela = princ->TelaTotais;
    pdf = p->imprime_em_pdf("planilha.pdf");
  }

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
    o->Desmarca->click();
    QCOMPARE(cor(3, 5), QColor());
  }

  void painelDoTotalSoAceitaAlgarismos() {
    seleciona(o->DadosEntrada, 2, 5, 6, 9);
    o->Principal->click();
    QVERIFY(tela->isVisible());
    QCOMPARE(tela->Tot_Coord->text(), QString("B5"));
    QCOMPARE(tela->Janela_Total->text(), QString("0"));
    QVERIFY(tela->Janela_Total->hasFocus());
    QTest::keyClicks(tela->Janela_Total, "12a3.4-");
    QCOMPARE(tela->Janela_Total->text(), QString("1234"));
    tela->OK_Total->click();
    QVERIFY(!tela->isVisible());
    QCOMPARE(w->TotalPrincipal, 1234);
    // Pasted, not typed: the separators go too. Cancel keeps the total.
    o->Totais->click();
    tela->Janela_Total->selectAll();
    tela->Janela_Total->insert("1.234.567");
    tela->OK_Total->click();
    QCOMPARE(w->TotalPrincipal, 1234567);
    o->Totais->click();
    QCOMPARE(tela->Janela_Total->text(), QString("1234567"));
    tela->Janela_Total->setText("5");
    tela->Cancelar_Total->click();
    QVERIFY(!tela->isVisible());
    QCOMPARE(w->TotalPrincipal, 1234567);
  }

  void checklistHabilitaCalcularEQuartisQueSeguemUmAoOutro() {
    auto habilitados = [this] {
      return QList<bool>{o->Processa->isEnabled(), o->MetodoQuartis->isEnabled(),
                         princ->acao("Calcular1")->isEnabled(), princ->acao("Quartis1")->isEnabled()};
    };
    const QList<bool> nenhum{false, false, false, false}, todos{true, true, true, true};
    p->app->executa([this] {
      w->Ano(3, 2);
      w->Ano(4, 2);
      w->Principal(2, 3, 4, 3);
      w->Cancelar_TotalClick();
    });
    QVERIFY(!o->Observacoes->toPlainText().isEmpty());
    QCOMPARE(habilitados(), nenhum);
    p->app->executa([this] { w->Dados(2, 4, 4, 9); });
    QCOMPARE(o->Observacoes->toPlainText(), QString());
    QCOMPARE(habilitados(), todos);
    // Quartis of the menu and of the sheet follow each other.
    princ->acao("Quartis1")->trigger();
    QVERIFY(o->MetodoQuartis->isChecked());
    QTest::mouseClick(o->MetodoQuartis, Qt::LeftButton);
    QVERIFY(!princ->acao("Quartis1")->isChecked());
    // Block mode asks for a secondary line.
    o->Configuracao->DoDo_bloco->click();
    QVERIFY(!o->Observacoes->toPlainText().isEmpty());
    QCOMPARE(habilitados(), nenhum);
    o->Configuracao->DoDo_geral->click();
    QCOMPARE(habilitados(), todos);
  }

  void umaFolhaPorPaginaDeLinhasDeRelatorio() {
    preenche(85);
    o->Imprimir->click();
    QCOMPARE(d->impressoes, 1);
    QCOMPARE(paginas(), 3);
  }

  void paginaQueNaoCabeNoPapelContinuaNaFolhaSeguinte() {
    preenche(150);
    w->cfg.LinRel = "99";
    o->Imprimir->click();
    // Two pages of 99 lines; at 8 points the paper holds fewer, so each
    // page runs onto a second sheet.
    QVERIFY(paginas() > 2);
  }

  // Columns wider than the paper continue on further pages, a long title
  // runs over its empty neighbours: every value reaches the paper.
  void colunasQueNaoCabemContinuamEmOutrasPaginas() {
    w->DadosEntrada.escreve(1, 1, std::string(150, 'T'));
    QStringList valores;
    for (int c = 1; c <= 14; ++c)
      for (int r = 2; r <= 4; ++r) {
        valores << QString("V%1x%2").arg(c).arg(r).leftJustified(16, 'z');
        w->DadosEntrada.escreve(c, r, valores.back().toStdString());
      }
    w->UltimaColuna = 14;
    w->UltimaLinha = 4;
    o->Imprimir->click();
    QVERIFY(paginas() > 1);
    const QString impresso = texto_pdf(pdf, {"-layout"});
    for (const QString& v : valores) QVERIFY2(impresso.contains(v), qPrintable(v));
    QCOMPARE(QString(impresso).remove(QRegularExpression("[^T]")).size(), 150);
  }

  void canceladoOuVazioNaoImprime() {
    d->cancela_impressao = true;
    preenche(5);
    o->Imprimir->click();
    QCOMPARE(d->impressoes, 1);
    QVERIFY(!QFile::exists(pdf));
    d->cancela_impressao = false;
    o->Criar->click();
    o->Imprimir->click();
    QCOMPARE(d->impressoes, 2);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(d->caixas.isEmpty());
  }

 private:
  QColor cor(int c, int r, Qt::ItemDataRole papel = Qt::BackgroundRole) const {
    const QVariant v = o->modelo->indice(c, r).data(papel);
    return v.isValid() ? v.value<QBrush>().color() : QColor();
  }

  void preenche(int linhas) {
    for (int r = 1; r <= linhas; ++r) w->DadosEntrada.escreve(1, r, "L" + std::to_string(r));
    w->UltimaColuna = 1;
    w->UltimaLinha = linhas;
  }
  int paginas() const {
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
  }

  PainelTotais* tela = nullptr;
  QString pdf;
};

QTEST_MAIN(TesteMarcacao)
#include "marcacao_impressao_test.moc"
