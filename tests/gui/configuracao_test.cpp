// The configuration page: key filters, red marks, defaults, leaving fields
// empty, the standard marking and the configuration file buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "ajudante.h"
#include "gui/app/princ.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"
#include "gui/worksheet/pagina_coordenadas.h"
#include "gui/worksheet/pagina_totais.h"

class TesteConfiguracao : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    o = p->origem();
    c = o->Configuracao;
    p->app->princ->MostraFilha(o);
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void abreEmConfiguracaoComOsPadroes() {
    QCOMPARE(o->Ficha->currentWidget(), static_cast<QWidget*>(c));
    QCOMPARE(o->Ficha->tabText(0), QString("Configuração"));
    QCOMPARE(o->Ficha->tabText(1), QString("Dados de Origem"));
    QCOMPARE(c->AnoProj->text(), QString::number(QDate::currentDate().year()));
    QCOMPARE(c->NCasasDec->text(), QString("3"));
    QCOMPARE(c->LinRel->text(), QString("40"));
    QCOMPARE(c->Div_habitantes->text(), QString("100000"));
    QCOMPARE(c->Mes_Ano0->currentText(), QString("Agosto"));
    QCOMPARE(c->Mes_Ano1->currentText(), QString("Setembro"));
    QCOMPARE(c->Mes_AnoX->currentIndex(), QDate::currentDate().month() - 1);
    QCOMPARE(c->Mes_Ano0->toolTip(), QString("Mês 8"));
    QVERIFY(c->Nao_Marcar->isChecked());
    QVERIFY(c->DoDo_geral->isChecked());
    QVERIFY(c->LinhaP->isChecked());
    QCOMPARE(c->Informacoes->toPlainText(),
             QString("O valor válido para o ano será a partir de 1900.\n"
                     "A linha deve ser maior que 0 e menor ou igual a 10000"));
    for (QLabel* x : {c->X_Anos, c->X_Dados, c->X_Titulos}) QVERIFY(!x->isHidden());
    QVERIFY(!o->MarcaPadrao->isEnabled());
  }

  void teclasFiltradas() {
    c->ColunaInicial->setFocus();
    QTest::keyClicks(c->ColunaInicial, "c");
    QCOMPARE(c->ColunaInicial->text(), QString("C"));
    QCOMPARE(p->app->sis.origem.cfg.ColunaInicial, std::string("C"));
    c->NCasasDec->selectAll();
    QTest::keyClicks(c->NCasasDec, "x,-");
    QCOMPARE(c->NCasasDec->text(), QString("3"));
    c->LinhaAnoInicial->setFocus();
    QTest::keyClicks(c->LinhaAnoInicial, "1a2.3 4567");
    QCOMPARE(c->LinhaAnoInicial->text(), QString("12345"));  // at most 5 characters
    QTest::keyClick(c->LinhaAnoInicial, Qt::Key_Backspace);
    QCOMPARE(c->LinhaAnoInicial->text(), QString("1234"));
    QTest::keyClicks(c->Cd_maior, "1");
    QCOMPARE(c->Cd_maior->text(), QString("A"));
  }

  void marcasVermelhasEBotaoDaMarcacaoPadrao() {
    QTest::keyClicks(c->LinhaAnoInicial, "0");
    QVERIFY(!c->X_Anos->isHidden());
    QVERIFY(!o->MarcaPadrao->isEnabled());
    c->LinhaAnoInicial->clear();
    QTest::keyClicks(c->LinhaAnoInicial, "10001");
    QVERIFY(!c->X_Anos->isHidden());
    QTest::keyClick(c->LinhaAnoInicial, Qt::Key_Backspace);
    QVERIFY(c->X_Anos->isHidden());
    QVERIFY(o->MarcaPadrao->isEnabled());

    QTest::keyClicks(c->LinhaInicial, "3");
    QVERIFY(!c->X_Dados->isHidden());
    QTest::keyClicks(c->ColunaInicial, "c");
    QVERIFY(c->X_Dados->isHidden());
    QTest::keyClick(c->LinhaInicial, Qt::Key_Backspace);
    QVERIFY(!c->X_Dados->isHidden());

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
    QCOMPARE(c->Mes_Ano0->toolTip(), QString("Mês 3"));
    QTest::mouseClick(c->Anos_intermediarios, Qt::LeftButton);
    c->DoDo_bloco->click();
    p->app->sis.origem.cfg.MetodoQuartis = true;
    QVERIFY(o->MarcaPadrao->isEnabled());

    QTest::mouseClick(c->Padroes, Qt::LeftButton);
    QCOMPARE(c->LinhaAnoInicial->text(), QString());
    QVERIFY(c->Nao_Marcar->isChecked());
    QVERIFY(!c->Cols_Ant->isChecked());
    QCOMPARE(c->LinRel->text(), QString("40"));
    QCOMPARE(c->Mes_Ano0->currentIndex(), 7);
    QCOMPARE(c->Mes_Ano0->toolTip(), QString("Mês 8"));
    QVERIFY(!c->Anos_intermediarios->isChecked());
    QVERIFY(c->DoDo_geral->isChecked());
    QVERIFY(!c->DoDo_bloco->isChecked());
    for (QLabel* x : {c->X_Anos, c->X_Dados, c->X_Titulos}) QVERIFY(!x->isHidden());
    QVERIFY(!o->MarcaPadrao->isEnabled());
    QVERIFY(o->MetodoQuartis->isChecked());
  }

  void campoDeixadoVazioVoltaAoPadrao() {
    c->Ficha2->setCurrentWidget(c->Conf_G);
    for (QLineEdit* e : {c->AnoProj, c->NCasasDec, c->LinRel}) {
      e->setFocus();
      QVERIFY(e->hasFocus());
      e->selectAll();
      QTest::keyClick(e, Qt::Key_Backspace);
      QCOMPARE(e->text(), QString());
    }
    c->Div_habitantes->setFocus();
    QCOMPARE(c->AnoProj->text(), QString::number(QDate::currentDate().year()));
    QCOMPARE(c->NCasasDec->text(), QString("3"));
    QCOMPARE(c->LinRel->text(), QString("40"));
  }

  void anosIntermediariosLigamOsTotais() {
    PaginaTotais* t = o->Totais_anos;
    QVERIFY(!t->Outros_totais->isEnabled());
    QVERIFY(!t->Grade_totais->isEnabled());
    QTest::mouseClick(c->Anos_intermediarios, Qt::LeftButton);
    QVERIFY(t->Outros_totais->isEnabled());
    QVERIFY(t->Grade_totais->isEnabled());
    QTest::mouseClick(c->Anos_intermediarios, Qt::LeftButton);
    QVERIFY(!t->Outros_totais->isEnabled());
  }

  void marcacaoPadraoMarcaTudoDeUmaVez() {
    zivu::Grade& g = p->app->sis.origem.DadosEntrada;
    g.escreve(1, 2, "Código");
    g.escreve(2, 2, "Nome");
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

    auto fundo = [this](int k, int r) {
      const QVariant v = o->modelo->data(o->modelo->indice(k, r), Qt::BackgroundRole);
      return v.isValid() ? v.value<QBrush>().color() : QColor();
    };
    QCOMPARE(fundo(3, 2), QColor(255, 255, 0));
    QCOMPARE(fundo(4, 2), QColor(255, 255, 0));
    QCOMPARE(fundo(6, 3), QColor(0, 0, 255));
    QCOMPARE(fundo(3, 4), QColor(0, 0, 0));
    QCOMPARE(fundo(6, 40), QColor(0, 0, 0));
    QCOMPARE(fundo(2, 4), QColor(255, 0, 0));
    QCOMPARE(fundo(2, 40), QColor(255, 0, 0));
    QCOMPARE(fundo(1, 4), QColor());
    QCOMPARE(fundo(3, 41), QColor());
    // The coordinates page lists the new marks.
    o->FormasEntrada->setCurrentWidget(o->Coordenadas);
    QCOMPARE(o->Coordenadas->Areas->count(), 2);
    QCOMPARE(o->Coordenadas->Areas->item(0)->text(), QString("C2"));
    QCOMPARE(o->Coordenadas->Areas->item(1)->text(), QString("D2"));
    QVERIFY(!o->Processa->isEnabled() || p->app->sis.origem.Observacoes.empty());
  }

  void arquivoDeConfiguracaoSalvaEAbre() {
    const QString nome = p->pasta.filePath("padrao.cfg");
    c->LinRel->selectAll();
    QTest::keyClicks(c->LinRel, "25");
    d->arquivos = {nome};
    QTest::mouseClick(c->SalvaConf, Qt::LeftButton);
    QCOMPARE(d->filtros_vistos.size(), 1);
    QCOMPARE(d->filtros_vistos[0], QStringList{"CFG (Arq. de configuração) (*.CFG *.cfg)"});
    QFile arquivo(nome);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    QCOMPARE(arquivo.size(), 60);
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
    QCOMPARE(d->ultimo_titulo(), QString("Falha!"));
    QCOMPARE(d->ultimo_texto(), QString("Leitura impossível. Arquivo em uso ou corrompido."));
  }

 private:
  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TOrigem* o = nullptr;
  PaginaConfiguracao* c = nullptr;
};

QTEST_MAIN(TesteConfiguracao)
#include "configuracao_test.moc"
