// Printing the sheet to a PDF file through the print dialog.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/app/princ.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"

class TesteImpressao : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    p->mostra_planilha();
    o = p->origem();
    w = &p->app->sis.origem;
    pdf = p->pasta.filePath("planilha.pdf");
    QPrinter& impressora = p->app->ImprimeGrade;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pdf);
  }
  void cleanup() {
    d.reset();
    p.reset();
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
    p->app->princ->acao("Imprimir1")->trigger();
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
    const QString conteudo = QString::fromLatin1(f.readAll());
    return static_cast<int>(conteudo.count(QRegularExpression("/Type\\s*/Page[^s]")));
  }

  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TOrigem* o = nullptr;
  zivu::Origem* w = nullptr;
  QString pdf;
};

QTEST_MAIN(TesteImpressao)
#include "impressao_test.moc"
