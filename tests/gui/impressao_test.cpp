// Printing the sheet to a PDF file through the print dialog.
#include "ajudante.h"

class TesteImpressao : public TesteJanelas {
  Q_OBJECT

  void prepara() override { pdf = p->imprime_em_pdf("planilha.pdf"); }

 private slots:
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
  QString pdf;
};

QTEST_MAIN(TesteImpressao)
#include "impressao_test.moc"
