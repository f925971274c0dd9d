// The configuration page: key filters, red marks, defaults, leaving fields
// empty, the standard marking and the configuration file buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"
#include "gui/worksheet/pagina_coordenadas.h"
#include "gui/worksheet/pagina_totais.h"

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
    e->selectAll();
    QTest::keyClicks(e, teclas);
    QCOMPARE(e->text(), texto);
  }

  void marcasVermelhasEBotaoDaMarcacaoPadrao() {
    QTest::keyClicks(c->LinhaAnoInicial, "10001");
    QVERIFY(!c->X_Anos->isHidden());
    QVERIFY(!o->MarcaPadrao->isEnabled());
    QTest::keyClick(c->LinhaAnoInicial, Qt::Key_Backspace);
    QVERIFY(c->X_Anos->isHidden());
    QVERIFY(o->MarcaPadrao->isEnabled());

    QTest::keyClicks(c->LinhaInicial, "3");
    QVERIFY(!c->X_Dados->isHidden());
    QTest::keyClicks(c->ColunaInicial, "c");
    QVERIFY(c->X_Dados->isHidden());
    QCOMPARE(w->cfg.ColunaInicial, std::string("C"));

    c->Col_Ant->click();
    QVERIFY(c->X_Titulos->isHidden());
    c->Nao_Marcar->click();
    QVERIFY(!c->X_Titulos->isHidden());
  }

  void padroesRestauraMasNaoOsQuartis() {
    QTest::keyClicks(c->LinhaAnoInicial, "2");
    c->Cols_Ant->click();
    c->LinRel->selectAll();
    QTest::keyClicks(c->LinRel, "12");
    c->Mes_Ano0->setCurrentIndex(2);
    emit c->Mes_Ano0->activated(2);
    QCOMPARE(w->cfg.Mes_Ano0, 2);
    QCOMPARE(c->Mes_Ano0->toolTip(), QString::fromStdString(w->tela.Mes_Ano0_hint));
    QTest::mouseClick(c->Anos_intermediarios, Qt::LeftButton);
    c->DoDo_bloco->click();
    w->cfg.MetodoQuartis = true;

    QTest::mouseClick(c->Padroes, Qt::LeftButton);
    QCOMPARE(c->LinhaAnoInicial->text(), QString());
    QVERIFY(c->Nao_Marcar->isChecked());
    QCOMPARE(c->LinRel->text(), QString("40"));
    QCOMPARE(c->Mes_Ano0->currentIndex(), 7);
    QVERIFY(!c->Anos_intermediarios->isChecked());
    QVERIFY(c->DoDo_geral->isChecked());
    for (QLabel* x : {c->X_Anos, c->X_Dados, c->X_Titulos}) QVERIFY(!x->isHidden());
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

  void anosIntermediariosLigamOsTotais() {
    PaginaTotais* t = o->Totais_anos;
    QVERIFY(!t->Outros_totais->isEnabled());
    QTest::mouseClick(c->Anos_intermediarios, Qt::LeftButton);
    QVERIFY(t->Outros_totais->isEnabled());
    QVERIFY(t->Grade_totais->isEnabled());
    QTest::mouseClick(c->Anos_intermediarios, Qt::LeftButton);
    QVERIFY(!t->Outros_totais->isEnabled());
  }

  void marcacaoPadraoMarcaTudoDeUmaVez() {
    zivu::Grade& g = w->DadosEntrada;
    g.escreve(3, 2, "1.991");
    g.escreve(4, 2, "2000");
    for (int r = 3; r <= 40; ++r)
      for (int k = 3; k <= 6; ++k) g.escreve(k, r, std::to_string(r * 10 + k));
    QTest::keyClicks(c->LinhaAnoInicial, "2");
    QTest::keyClicks(c->LinhaInicial, "3");
    QTest::keyClicks(c->ColunaInicial, "c");
    c->Col_Ant->click();
    p->mostra_planilha();
    o->MarcaPadrao->click();
    // The sheet shows the marks: years, line, data, titles.
    for (QPoint k : {QPoint(3, 2), QPoint(6, 3), QPoint(6, 40), QPoint(2, 40)})
      QVERIFY(o->modelo->indice(k.x(), k.y()).data(Qt::BackgroundRole).isValid());
    QVERIFY(!o->modelo->indice(3, 41).data(Qt::BackgroundRole).isValid());
    // The coordinates page lists the new years.
    o->FormasEntrada->setCurrentWidget(o->Coordenadas);
    QCOMPARE(o->Coordenadas->Areas->count(), 2);
    QCOMPARE(o->Coordenadas->Areas->item(1)->text(), QString("D2"));
  }

  void arquivoDeConfiguracaoSalvaEAbre() {
    const QString nome = p->pasta.filePath("padrao.cfg");
    c->LinRel->selectAll();
    QTest::keyClicks(c->LinRel, "25");
    d->arquivos = {nome};
    QTest::mouseClick(c->SalvaConf, Qt::LeftButton);
    QCOMPARE(d->filtros_vistos.size(), 1);
    QCOMPARE(QFile(nome).size(), 60);
    // LinhaAnoInicial was empty: it now shows the 0 that was saved.
    QCOMPARE(c->LinhaAnoInicial->text(), QString("0"));

    c->LinRel->selectAll();
    QTest::keyClicks(c->LinRel, "7");
    d->arquivos = {nome};
    QTest::mouseClick(c->AbreConf, Qt::LeftButton);
    QCOMPARE(c->LinRel->text(), QString("25"));
    QVERIFY(d->caixas.isEmpty());

    // A short file cannot be read.
    QFile curto(p->pasta.filePath("curto.cfg"));
    QVERIFY(curto.open(QIODevice::WriteOnly));
    curto.write(QByteArray(59, '\0'));
    curto.close();
    d->arquivos = {curto.fileName()};
    QTest::mouseClick(c->AbreConf, Qt::LeftButton);
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(c->LinRel->text(), QString("25"));
  }

 private:
  PaginaConfiguracao* c = nullptr;
};

QTEST_MAIN(TesteConfiguracao)
#include "configuracao_test.moc"
