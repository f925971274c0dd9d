// Importing through the sheet's bar, and a refused "Calcular" (accepted ones
// are driven by the results windows' tests).
#include "ajudante.h"

class TesteCalculo : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    d->arquivos = {nome};
    o->Importar->click();
  }

 private slots:
  void importaPelaBarraEMostraOArquivo() {
    QCOMPARE(d->filtros_vistos.size(), 1);
    QCOMPARE(princ->subjanela(o)->windowTitle(), "DoDo :: " + nome);
    QCOMPARE(o->modelo->indice(3, 1).data().toString(), QString("1991"));
    QVERIFY(o->Processa->isEnabled());
    QCOMPARE(o->Configuracao->AnoProj->text(), QString("2010"));
  }

  void calcularRecusadoMostraAMensagem() {
    w->DadosEntrada.escreve(4, 1, "1991");
    princ->acao("Calcular1")->trigger();
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(p->app->sis.simples.DadosSaida.le(3, 3).empty());
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(o));
  }

 private:
  const QString nome = ZIVU_EXEMPLOS "/dodo_geral.csv";
};

QTEST_MAIN(TesteCalculo)
#include "calculo_test.moc"
