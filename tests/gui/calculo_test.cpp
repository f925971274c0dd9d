// Importing through the sheet's bar, a refused "Calcular" (accepted ones
// are driven by the results windows' tests), and what the screen shows after
// both: whole numbers and a status that hints do not erase.
#include "ajudante.h"
#include "core/worksheet/larguras.h"

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

  void numerosInteirosEStatusQueFica() {
    confere_larguras(o->DadosEntrada, w->DadosEntrada);
    QVERIFY(!princ->situacao_mostrada().isEmpty());
    QCOMPARE(princ->situacao_mostrada(), QString::fromStdString(p->app->sis.princ.situacao));
    o->Processa->click();
    const QString calculado = princ->situacao_mostrada();
    QVERIFY2(calculado.startsWith("Calculado, levando "), qPrintable(calculado));
    auto* simples = p->app->simples;
    confere_larguras(simples->DadosSaida, p->app->sis.simples.DadosSaida);
    simples->Ficha_Simples->setCurrentWidget(simples->Variaveis);
    confere_larguras(simples->DadosVariaveis, p->app->sis.simples.DadosVariaveis);
    // A hint shows while the pointer is over a button, then the status is back.
    QEnterEvent entra(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(o->Importar, &entra);
    QCOMPARE(princ->situacao_mostrada(), o->Importar->statusTip());
    QEvent sai(QEvent::Leave);
    QApplication::sendEvent(o->Importar, &sai);
    QCOMPARE(princ->situacao_mostrada(), calculado);
  }

  void calcularRecusadoMostraAMensagem() {
    w->DadosEntrada.escreve(4, 1, "1991");
    princ->acao("Calcular1")->trigger();
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(p->app->sis.simples.DadosSaida.le(3, 3).empty());
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(o));
  }

 private:
  // Every text that must fit its column is whole on screen, in its own font.
  static void confere_larguras(QTableView* vista, const zivu::Grade& g) {
    QApplication::processEvents();
    QVERIFY(vista->isVisible());
    int conferidos = 0;
    for (int c = 1; c < g.colunas(); ++c)
      for (int r = 1; r < std::min(g.linhas(), 120); ++r) {
        if (g.le(c, r).empty() || !zivu::cabe_na_coluna(g, c, r)) continue;
        const QModelIndex i = vista->model()->index(r - 1, c - 1);
        QFont f = vista->font();
        if (i.data(Qt::FontRole).isValid()) f = i.data(Qt::FontRole).value<QFont>().resolve(f);
        const int texto = QFontMetrics(f).horizontalAdvance(i.data().toString());
        QVERIFY2(vista->columnWidth(c - 1) >= texto, qPrintable(i.data().toString()));
        ++conferidos;
      }
    QVERIFY(conferidos > 20);
  }
  const QString nome = ZIVU_EXEMPLOS "/dodo_geral.csv";
};

QTEST_MAIN(TesteCalculo)
#include "calculo_test.moc"
