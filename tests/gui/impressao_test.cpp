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
