// From an imported worksheet to "Calcular": the import dialog, the window's
// caption, the checklist and the results window brought forward.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/app/paineis.h"
#include "gui/app/princ.h"
#include "gui/results/quartis_janela.h"
#include "gui/results/simples_janela.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"

class TesteCalculo : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    p->mostra_planilha();
    o = p->origem();
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void importaPelaBarraEMostraOArquivo() {
    const QString nome = QString(ZIVU_EXEMPLOS) + "/dodo_geral.csv";
    d->arquivos = {nome};
    o->Importar->click();
    QCOMPARE(d->filtros_vistos.size(), 1);
    QCOMPARE(p->app->princ->subjanela(o)->windowTitle(), "DoDo :: " + nome);
    QCOMPARE(o->modelo->indice(3, 1).data().toString(), QString("1991"));
    QCOMPARE(o->Observacoes->toPlainText(), QString());
    QVERIFY(o->Processa->isEnabled());
    QVERIFY(p->app->princ->acao("Calcular1")->isEnabled());
    QCOMPARE(o->Configuracao->AnoProj->text(), QString("2010"));
    QVERIFY(d->caixas.isEmpty());
  }

  void calcularTrazAJanelaDoMetodo() {
    d->arquivos = {QString(ZIVU_EXEMPLOS) + "/dodo_geral.csv"};
    o->Importar->click();
    o->Processa->click();
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
    QMdiSubWindow* simples = p->app->princ->subjanela(p->app->simples);
    QCOMPARE(p->app->princ->mdi->activeSubWindow(), simples);
    QVERIFY(simples->isMaximized());
    QVERIFY(!p->app->princ->Progressao->isVisible());
    QVERIFY(!p->app->sis.simples.DadosSaida.le(3, 3).empty());
  }

  void calcularRecusadoMostraAMensagem() {
    d->arquivos = {QString(ZIVU_EXEMPLOS) + "/dodo_geral.csv"};
    o->Importar->click();
    p->app->sis.origem.DadosEntrada.escreve(4, 1, "1991");
    p->app->princ->acao("Calcular1")->trigger();
    QCOMPARE(d->ultimo_titulo(), QString("Impossível continuar."));
    QVERIFY(d->ultimo_texto().startsWith("Os Anos devem ser diferentes."));
    QCOMPARE(p->app->princ->mdi->activeSubWindow(), p->app->princ->subjanela(o));
  }

 private:
  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TOrigem* o = nullptr;
};

QTEST_MAIN(TesteCalculo)
#include "calculo_test.moc"
