// The main window: menus by page, Quartis, closing, the single-instance
// guard, help, system information, shortcut, windows and export.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "ajudante.h"
#include "core/menus.h"
#include "gui/app/atalho.h"
#include "gui/app/instancia.h"
#include "gui/app/plataforma_qt.h"
#include "gui/app/princ.h"
#include "gui/app/sobre.h"
#include "gui/results/quartis_janela.h"
#include "gui/results/simples_janela.h"
#include "gui/worksheet/origem_janela.h"
#include "gui/worksheet/pagina_configuracao.h"

namespace {

const char* const kItens[] = {"Criar1", "Importar1", "Exportar1", "Copiar1", "Colar1", "Marcar1",
                              "Imprimir1", "Ano1", "Linhaprincipal1", "Linhasecundria1",
                              "Totaldogrupo1", "Dados1", "Titulo1", "Desmarcar1"};

}  // namespace

class TestePrincipal : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void menusSeguemAPaginaMostrada() {
    TPrinc* princ = p->app->princ;
    QCOMPARE(princ->windowTitle(), QString("Zarvo - Tessela"));
    // The window opens on "Configuração": the fourteen items are off.
    for (const char* item : kItens) QVERIFY2(!princ->acao(item)->isEnabled(), item);
    p->mostra_planilha();
    for (const char* item : kItens) QVERIFY2(princ->acao(item)->isEnabled(), item);
    QCOMPARE(princ->Situacao->currentMessage(),
             QString("Dados que representam o ponto de partida da projeção"));
    p->origem()->Ficha->setCurrentWidget(p->origem()->Configuracao);
    for (const char* item : kItens) QVERIFY2(!princ->acao(item)->isEnabled(), item);
  }

  void quartisAlternaAMarcaEACaixaDaPlanilha() {
    TPrinc* princ = p->app->princ;
    TOrigem* o = p->origem();
    QAction* quartis = princ->acao("Quartis1");
    QVERIFY(!quartis->isEnabled());
    QVERIFY(!o->MetodoQuartis->isEnabled());
    p->app->executa([this] {
      zivu::Origem& w = p->app->sis.origem;
      w.Ano(1, 1);
      w.Ano(2, 1);
      w.Principal(1, 2, 2, 2);
      w.Cancelar_TotalClick();
      w.Dados(1, 3, 2, 4);
    });
    QVERIFY(quartis->isEnabled());
    QVERIFY(o->MetodoQuartis->isEnabled());
    quartis->trigger();
    QVERIFY(quartis->isChecked());
    QVERIFY(o->MetodoQuartis->isChecked());
    quartis->trigger();
    QVERIFY(!quartis->isChecked());
    QVERIFY(!o->MetodoQuartis->isChecked());
    p->mostra_planilha();
    QTest::mouseClick(o->MetodoQuartis, Qt::LeftButton);
    QVERIFY(o->MetodoQuartis->isChecked());
    QVERIFY(quartis->isChecked());
  }

  void fecharPerguntaEDesistirMantemTudo() {
    TPrinc* princ = p->app->princ;
    d->respostas = {QMessageBox::No};
    QVERIFY(!princ->close());
    QVERIFY(princ->isVisible());
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(d->ultimo_texto(), QString("Fechar o derova ZiVu não salvará seu trabalho.\nContinuar?"));
    d->respostas = {QMessageBox::Yes};
    QVERIFY(princ->close());
    QVERIFY(!princ->isVisible());
    QCOMPARE(d->caixas.size(), 2);
  }

  void segundaInstanciaPergunta() {
    const QString arquivo = arquivo_trava(p->pasta.filePath("trabalho"));
    QLockFile primeira(arquivo);
    QVERIFY(guarda_instancia(primeira, p->app->plat));
    QVERIFY(d->caixas.isEmpty());

    QLockFile segunda(arquivo);
    d->respostas = {QMessageBox::No};
    QVERIFY(!guarda_instancia(segunda, p->app->plat));
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(d->ultimo_texto(),
             QString("A aplicação já encontra-se em execução!\nUse ALT-TAB para exibi-la.\n\n"
                     "Caso a última execução tenha travado e\nvocê não veja necessidade de re-iniciar\n"
                     "o computador, posso ignorar e continuar.\n\n"
                     "Você deseja continuar a carga do derova ZiVu?"));
    QVERIFY(!segunda.isLocked());

    d->respostas = {QMessageBox::Yes};
    QVERIFY(guarda_instancia(segunda, p->app->plat));
    QCOMPARE(d->caixas.size(), 2);
    QVERIFY(segunda.isLocked());
  }

  void travaDeProcessoMortoSaiSemPergunta() {
    const QString arquivo = arquivo_trava(p->pasta.filePath("morto"));
    // A pid that no process has: beyond the kernel's limit.
    QFile pid_max("/proc/sys/kernel/pid_max");
    QVERIFY(pid_max.open(QIODevice::ReadOnly));
    const qint64 alem = pid_max.readAll().trimmed().toLongLong() + 1;
    QFile velho(arquivo);
    QVERIFY(velho.open(QIODevice::WriteOnly));
    velho.write(QByteArray::number(alem) + "\nzivu\n\n");
    velho.close();
    QLockFile trava(arquivo);
    QVERIFY(guarda_instancia(trava, p->app->plat));
    QVERIFY(trava.isLocked());
    QVERIFY(d->caixas.isEmpty());
  }

  void ajudaAusenteAvisaEDesabilitaDoDo() {
    p->app->verifica_ajuda();
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(d->ultimo_texto(), QString("Não foi encontrado o arquivo de HELP!"));
    QVERIFY(!p->app->princ->acao("DoDo2")->isEnabled());
  }

  void ajudaPresenteAbreEmGerais() {
    QFile ajuda(p->pasta.filePath("DoDo.html"));
    QVERIFY(ajuda.open(QIODevice::WriteOnly));
    QByteArray html = "<html><body><p>Topo</p>";
    for (int i = 0; i < 200; ++i) html += "<p>linha</p>";
    html += "<h2><a name=\"Gerais\"></a>Gerais</h2><p>texto</p>";
    for (int i = 0; i < 200; ++i) html += "<p>linha</p>";
    ajuda.write(html + "</body></html>");
    ajuda.close();
    p->app->verifica_ajuda();
    QVERIFY(d->caixas.isEmpty());
    QAction* dodo = p->app->princ->acao("DoDo2");
    QVERIFY(dodo->isEnabled());
    dodo->trigger();
    QTextBrowser* janela = p->app->princ->ajuda();
    QVERIFY(janela && janela->isVisible());
    QCOMPARE(janela->source().fragment(), QString("Gerais"));
    QCOMPARE(QFileInfo(janela->source().toLocalFile()).fileName(), QString("DoDo.html"));
  }

  void sobreMedeCadaVezQueAparece() {
    TSobre* s = p->app->sobre;
    p->app->princ->acao("Sobreosistema1")->trigger();
    QCOMPARE(d->outros, QStringList{"Sobre"});
    QCOMPARE(s->VersaoDoDo->text(), QString("1.1"));
    QVERIFY(s->MemFisica->text().endsWith(" KB"));
    QVERIFY(s->RecLivres->text().endsWith(" %"));
    QVERIFY(s->EspDisco->text().endsWith("bytes"));
    QCOMPARE(s->OCaminho->text(), QString::fromStdString(p->app->PastaSistema));
    const QSize tela = QGuiApplication::primaryScreen()->size();
    QCOMPARE(s->ResTela->text(), QString("%1x%2").arg(tela.width()).arg(tela.height()));
    QCOMPARE(s->ResOBS->isHidden(), tela.width() >= 800);
    for (QLabel* l : {s->MemFisica, s->RecLivres, s->EspDisco, s->ResTela, s->AData}) l->setText("velho");
    p->app->princ->acao("Sobreosistema1")->trigger();
    for (QLabel* l : {s->MemFisica, s->RecLivres, s->EspDisco, s->ResTela, s->AData})
      QVERIFY(l->text() != "velho");
  }

  void atalhoNaAreaDeTrabalho() {
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", p->pasta.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", p->pasta.filePath("config").toUtf8());
    p->app->princ->acao("mi_aju_atalho")->trigger();
    QFile lancador(p->pasta.filePath("Desktop/Método DoDo.desktop"));
    QVERIFY(lancador.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(lancador.readAll());
    QVERIFY(texto.startsWith("[Desktop Entry]\n"));
    QVERIFY(texto.contains("\nName=Método DoDo\n"));
    QVERIFY(texto.contains("\nExec=" + QCoreApplication::applicationFilePath() + "\n"));
    QVERIFY(texto.contains("\nPath=" + QString::fromStdString(p->app->PastaSistema) + "\n"));
    QVERIFY(QFileInfo(lancador).isExecutable());
    QVERIFY(d->caixas.isEmpty());

    // A file where the folder should be: the warning with the error's text.
    QDir(p->pasta.filePath("Desktop")).removeRecursively();
    QFile estorvo(p->pasta.filePath("Desktop"));
    QVERIFY(estorvo.open(QIODevice::WriteOnly));
    estorvo.close();
    p->app->princ->acao("mi_aju_atalho")->trigger();
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(d->ultimo_texto().startsWith(
        "Problema ao tentar criar atalho para o sistema.\n\nErro original: "));
    qputenv("HOME", home);
    if (config.isEmpty()) qunsetenv("XDG_CONFIG_HOME"); else qputenv("XDG_CONFIG_HOME", config);
  }

  void lancadorCitaCaminhosComEspacos() {
    const QString t = texto_lancador("/opt/Derova ZiVu/zivu", "", "", "Método DoDo", "/opt/Derova ZiVu/");
    QVERIFY(t.contains("\nExec=\"/opt/Derova ZiVu/zivu\"\n"));
    QVERIFY(t.contains("\nPath=/opt/Derova ZiVu/\n"));
  }

  void janelasMinimizarEMostrar() {
    TPrinc* princ = p->app->princ;
    princ->acao("Minimizartodas1")->trigger();
    for (QWidget* j : {static_cast<QWidget*>(p->app->origem), static_cast<QWidget*>(p->app->simples),
                       static_cast<QWidget*>(p->app->quartis)})
      QVERIFY(princ->subjanela(j)->isMinimized());
    princ->acao("DoDoemQuartis1")->trigger();
    QMdiSubWindow* q = princ->subjanela(p->app->quartis);
    QVERIFY(q->isMaximized());
    QCOMPARE(princ->mdi->activeSubWindow(), q);
    QCOMPARE(q->windowTitle(), QString("DoDo em Quartis"));
    QCOMPARE(princ->subjanela(p->app->simples)->windowTitle(), QString("DoDo simples"));
    princ->acao("Origem1")->trigger();
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(p->app->origem));
    princ->acao("Nahorizontal1")->trigger();
    QMdiSubWindow* o = princ->subjanela(p->app->origem);
    QVERIFY(!o->isMaximized());
    QCOMPARE(o->width(), princ->mdi->viewport()->width());
  }

  void exportarSoDaPaginaQueAparece() {
    TPrinc* princ = p->app->princ;
    p->mostra_planilha();
    p->app->executa([this] {
      zivu::Origem& w = p->app->sis.origem;
      w.vai_para(1, 1);
      w.Celula = "abc";
      w.Edite_OKClick();
    });
    const QString nome = p->pasta.filePath("dados.csv");
    d->arquivos = {nome};
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
    QCOMPARE(d->filtros_vistos[0],
             (QStringList{"CSV (Arq. separado por ';') (*.csv *.CSV)",
                          "DAT (Arq. de dados SAS - separado por espaços) (*.DAT *.dat)"}));
    QVERIFY(QFile::exists(nome));
    QCOMPARE(p->origem()->Ficha->tabText(1), "DoDo :: " + nome + ".CSV");

    // The worksheet's data page is not showing: nothing to export.
    p->origem()->Ficha->setCurrentWidget(p->origem()->Configuracao);
    p->app->executa([this] { zivu::Liga_Menus(p->app->sis.princ); });
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
  }

  void filtrosComAsMesmasLegendasNaMesmaOrdem() {
    QCOMPARE(filtros_qt("CFG (Arq. de configuração)|*.CFG"),
             QStringList{"CFG (Arq. de configuração) (*.CFG *.cfg)"});
    QCOMPARE(filtros_qt("A|*.x;*.Y|B|*"), (QStringList{"A (*.x *.X *.Y *.y)", "B (*)"}));
    QCOMPARE(texto_caixa("a\rb\r\nc\nd"), QString("a\nb\nc\nd"));
  }

 private:
  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
};

QTEST_MAIN(TestePrincipal)
#include "principal_test.moc"
