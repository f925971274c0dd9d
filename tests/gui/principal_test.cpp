// The main window: menus by page and their commands, Quartis, closing, the
// single-instance guard, help, system information, shortcut and windows.
#include "ajudante.h"
#include "gui/app/atalho.h"
#include "gui/app/instancia.h"
#include "gui/app/plataforma_qt.h"
#include "gui/app/sobre.h"

class TestePrincipal : public TesteJanelas {
  Q_OBJECT

 private slots:
  // The results pages shown once at creation leave their status text; their
  // commands have no results yet to act on. Then the menus follow the page.
  void inicioEMenusSeguemAPaginaMostrada() {
    Programa novo;
    QCOMPARE(novo.app->princ->situacao_mostrada(), QString::fromStdString(zivu::kSituacaoResultados));
    QCOMPARE(novo.itens_ligados(), QStringList());
    QCOMPARE(p->itens_ligados().size(), 14);
    QCOMPARE(princ->situacao_mostrada(), QString("Dados que representam o ponto de partida da projeção"));
    o->Ficha->setCurrentWidget(o->Configuracao);
    QCOMPARE(p->itens_ligados(), QStringList());
  }

  // Each worksheet item of the menu does on the sheet what its button does.
  void itemDoMenuFazOQueOBotaoFaz_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QRect>("selecao");  // from the current cell (left, top) to (right, bottom)
    const QRect celula(2, 5, 1, 1), bloco(2, 5, 3, 4), linha(2, 3, 1, 1);
    QTest::newRow("Criar") << "Criar1" << "Criar" << bloco;
    QTest::newRow("Importar") << "Importar1" << "Importar" << celula;
    QTest::newRow("Exportar") << "Exportar1" << "Exportar" << celula;
    QTest::newRow("Copiar") << "Copiar1" << "Copiar" << bloco;
    QTest::newRow("Colar") << "Colar1" << "Colar" << celula;
    QTest::newRow("Marcar") << "Marcar1" << "MarcaPadrao" << celula;
    QTest::newRow("Imprimir") << "Imprimir1" << "Imprimir" << celula;
    QTest::newRow("Ano") << "Ano1" << "Ano" << celula;
    QTest::newRow("Principal") << "Linhaprincipal1" << "Principal" << bloco;
    QTest::newRow("Secundaria") << "Linhasecundria1" << "SubDivisao" << bloco;
    QTest::newRow("Total") << "Totaldogrupo1" << "Totais" << linha;
    QTest::newRow("Dados") << "Dados1" << "Dados" << bloco;
    QTest::newRow("Titulo") << "Titulo1" << "Fixos" << QRect(1, 5, 1, 4);
    QTest::newRow("Desmarcar") << "Desmarcar1" << "Desmarca" << linha;
  }
  void itemDoMenuFazOQueOBotaoFaz() {
    QFETCH(QString, item);
    QFETCH(QString, botao);
    const QString pelo_menu = efeito([&] { princ->acao(item)->trigger(); });
    QVERIFY(pelo_menu != antes_);
    reinicia();
    const QString pelo_botao = efeito([&] { o->findChild<QToolButton*>(botao)->click(); });
    QCOMPARE(pelo_menu, pelo_botao);
  }

  void fecharPerguntaESoFechaComSim() {
    d->respostas = {QMessageBox::No};
    QVERIFY(!princ->close() && princ->isVisible());
    QCOMPARE(d->caixas.size(), 1);
    d->respostas = {QMessageBox::Yes};
    QVERIFY(princ->close());
    QVERIFY(!princ->isVisible());
  }

  void segundaInstanciaPergunta() {
    const QString arquivo = arquivo_trava(p->pasta.filePath("trabalho"));
    QLockFile primeira(arquivo), segunda(arquivo);
    QVERIFY(guarda_instancia(primeira, p->app->plat));
    d->respostas = {QMessageBox::No};
    QVERIFY(!guarda_instancia(segunda, p->app->plat));
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(!segunda.isLocked());
    d->respostas = {QMessageBox::Yes};
    QVERIFY(guarda_instancia(segunda, p->app->plat));
    QVERIFY(segunda.isLocked());

    // The lock of a dead process (a pid beyond the kernel's limit): no question.
    const QString morto = arquivo_trava(p->pasta.filePath("morto"));
    QFile pid_max("/proc/sys/kernel/pid_max");
    QVERIFY(pid_max.open(QIODevice::ReadOnly));
    QFile velho(morto);
    QVERIFY(velho.open(QIODevice::WriteOnly));
    velho.write(QByteArray::number(pid_max.readAll().trimmed().toLongLong() + 1) + "\nzivu\n\n");
    velho.close();
    QLockFile trava(morto);
    QVERIFY(guarda_instancia(trava, p->app->plat));
    QVERIFY(trava.isLocked());
    QCOMPARE(d->caixas.size(), 2);  // the two questions above only
  }

  void ajudaAusenteAvisaEDesabilitaDoDo() {
    p->app->verifica_ajuda();
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(!princ->acao("DoDo2")->isEnabled());
  }

  void ajudaPresenteAbreEmGerais() {
    QFile ajuda(p->pasta.filePath("DoDo.html"));
    QVERIFY(ajuda.open(QIODevice::WriteOnly));
    const QByteArray linhas = QByteArray("<p>linha</p>").repeated(200);
    ajuda.write("<html><body>" + linhas + "<h2><a name=\"Gerais\"></a>Gerais</h2>" + linhas + "</body></html>");
    ajuda.close();
    p->app->verifica_ajuda();
    QVERIFY(d->caixas.isEmpty());
    princ->acao("DoDo2")->trigger();
    QTextBrowser* janela = princ->ajuda();
    QVERIFY(janela && janela->isVisible());
    QCOMPARE(janela->source().fragment(), QString("Gerais"));
    QCOMPARE(janela->source().toLocalFile(), ajuda.fileName());
  }

  void sobreMedeCadaVezQueAparece() {
    TSobre* s = p->app->sobre;
    const QList<QLabel*> medidas{s->MemFisica, s->RecLivres, s->EspDisco, s->ResTela, s->AData};
    for (QLabel* l : medidas) l->setText("velho");
    princ->acao("Sobreosistema1")->trigger();
    QCOMPARE(d->outros, QStringList{"Sobre"});
    for (QLabel* l : medidas) QVERIFY(l->text() != "velho");
    QCOMPARE(s->OCaminho->text(), QString::fromStdString(p->app->PastaSistema));

    // The tests run under LC_ALL=C: dates, grouped numbers and Qt's own
    // buttons still come out in Brazilian Portuguese.
    QVERIFY(QLocale::system().language() != QLocale::Portuguese);
    const QDate criacao = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
    QCOMPARE(p->app->sobre->AData->text(), criacao.toString("dd/MM/yyyy"));
    QVERIFY(QRegularExpression("^\\d{1,3}(\\.\\d{3})+ KB$").match(p->app->sobre->MemFisica->text()).hasMatch());
    QDialogButtonBox botoes(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    QCOMPARE(botoes.button(QDialogButtonBox::Cancel)->text(), QString("Cancelar"));
    QCOMPARE(botoes.button(QDialogButtonBox::Open)->text(), QString("Abrir"));
  }

  void atalhoNaAreaDeTrabalho() {
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", p->pasta.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", p->pasta.filePath("config").toUtf8());
    princ->acao("mi_aju_atalho")->trigger();
    QFile lancador(p->pasta.filePath("Desktop/Método DoDo.desktop"));
    QVERIFY(lancador.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(lancador.readAll());
    QVERIFY(texto.contains("\nExec=" + QCoreApplication::applicationFilePath() + "\n"));
    QVERIFY(texto.contains("\nPath=" + QString::fromStdString(p->app->PastaSistema) + "\n"));
    QVERIFY(QFileInfo(lancador).isExecutable());
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(d->ultimo_texto().endsWith("\n" + lancador.fileName()));

    // A file where the folder should be: a warning.
    QDir(p->pasta.filePath("Desktop")).removeRecursively();
    QFile estorvo(p->pasta.filePath("Desktop"));
    QVERIFY(estorvo.open(QIODevice::WriteOnly));
    estorvo.close();
    princ->acao("mi_aju_atalho")->trigger();
    QCOMPARE(d->caixas.size(), 2);
    QVERIFY(d->ultimo_texto().startsWith("Problema"));
    qputenv("HOME", home);
    if (config.isEmpty()) qunsetenv("XDG_CONFIG_HOME"); else qputenv("XDG_CONFIG_HOME", config);
  }

  void lancadorFiltrosECaixasEmTextoDoQt() {
    const QString t = texto_lancador("/opt/Derova ZiVu/zivu", "", "", "Método DoDo", "/opt/Derova ZiVu/");
    QVERIFY(t.contains("\nExec=\"/opt/Derova ZiVu/zivu\"\n"));
    QVERIFY(t.contains("\nPath=/opt/Derova ZiVu/\n"));
    // File filters keep their captions and order; message texts take "\n".
    QCOMPARE(filtros_qt("CFG (Arq. de configuração)|*.CFG"),
             QStringList{"CFG (Arq. de configuração) (*.CFG *.cfg)"});
    QCOMPARE(filtros_qt("A|*.x;*.Y|B|*"), (QStringList{"A (*.x *.X *.Y *.y)", "B (*)"}));
    QCOMPARE(texto_caixa("a\rb\r\nc\nd"), QString("a\nb\nc\nd"));
  }

  // First at the examples beside the program, then where the user last
  // chose a file, in this run and the next.
  void dialogosDeArquivoComecamOndeOUsuarioEstava() {
    const QDir pasta(p->pasta.path());
    QVERIFY(pasta.mkpath("examples") && pasta.mkpath("dados"));
    QFile::copy(ZIVU_EXEMPLOS "/dodo_geral.csv", pasta.filePath("dados/entrada.csv"));
    d->arquivos = {pasta.filePath("dados/entrada.csv")};
    o->findChild<QToolButton*>("Importar")->click();
    o->findChild<QToolButton*>("Exportar")->click();
    p->app.reset();
    p->app = std::make_unique<Aplicacao>(pasta.path().toStdString());
    p->app->origem->findChild<QToolButton*>("Importar")->click();
    QCOMPARE(d->pastas_vistas,
             (QStringList{pasta.filePath("examples"), pasta.filePath("dados"), pasta.filePath("dados")}));
  }

  void janelasMinimizarEMostrar() {
    princ->acao("DoDoemQuartis1")->trigger();
    QMdiSubWindow* q = princ->subjanela(p->app->quartis);
    QVERIFY(q->isMaximized());
    QCOMPARE(princ->mdi->activeSubWindow(), q);
    princ->acao("DoDoSimples1")->trigger();
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(p->app->simples));
    princ->acao("Origem1")->trigger();
    QMdiSubWindow* origem = princ->subjanela(o);
    QCOMPARE(princ->mdi->activeSubWindow(), origem);
    princ->acao("Nahorizontal1")->trigger();
    QVERIFY(!origem->isMaximized());
    QCOMPARE(origem->width(), princ->mdi->viewport()->width());
    // Closed with the title bar's X, it comes back whole, and Exportar finds it.
    for (const char* item : {"Origem1", "Emcascata1"}) {
      origem->close();
      QVERIFY(!o->DadosEntrada->isVisible());
      princ->acao(item)->trigger();
      if (origem->isMinimized()) origem->showNormal();
      QVERIFY(o->DadosEntrada->isVisible());
    }
    w->DadosEntrada.escreve(1, 1, "x");
    d->arquivos = {p->pasta.filePath("saida.csv")};
    princ->acao("Exportar1")->trigger();
    QVERIFY(QFile::exists(p->pasta.filePath("saida.csv")));
  }

 private:
  // The sheet in a state every worksheet command changes, `comando` given on
  // the running row's selection; what it left on screen, in files and on the
  // clipboard (`antes_`: the same before it).
  QString efeito(const std::function<void()>& comando) {
    QFETCH(QRect, selecao);
    QFETCH(QString, item);
    p->imprime_em_pdf("planilha.pdf");
    QApplication::clipboard()->setText("x\ty");
    p->app->executa([this] {
      for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 6; ++c) w->DadosEntrada.escreve(c, r, std::to_string(r == 1 ? 1990 + c : r * c));
      w->UltimaColuna = 6;
      w->UltimaLinha = 8;
      w->LinhaAnoInicialChange("1");
      w->LinhaInicialChange("2");
      w->ColunaInicialChange("C");
      w->Principal(2, 3, 4, 3);
      w->Cancelar_TotalClick();
    });
    seleciona(o->DadosEntrada, selecao.left(), selecao.top(), selecao.right(), selecao.bottom());
    QFile::copy(ZIVU_EXEMPLOS "/dodo_geral.csv", p->pasta.filePath("entrada.csv"));
    d->arquivos = {p->pasta.filePath(item == "Importar1" ? "entrada.csv" : "saida.csv")};
    antes_ = na_tela();
    comando();
    return na_tela();
  }
  QString na_tela() const {
    QString t;
    for (int r = 1; r <= 8; ++r)
      for (int c = 1; c <= 6; ++c) {
        const QModelIndex i = o->modelo->indice(c, r);
        const QVariant fundo = i.data(Qt::BackgroundRole);
        t += i.data().toString() + "/" + (fundo.isValid() ? fundo.value<QBrush>().color().name() : "") + " ";
      }
    t += "\n" + QApplication::clipboard()->text() + "\n" + o->Ficha->tabText(1) + "\n";
    if (princ->TelaTotais->isVisible()) t += princ->TelaTotais->Tot_Coord->text();
    t += QString("\n%1 %2 %3\n").arg(d->caixas.size()).arg(d->filtros_vistos.size()).arg(d->impressoes);
    t += QDir(p->pasta.path()).entryList(QDir::Files).join(" ");
    return t.replace(p->pasta.path(), "<pasta>");
  }
  QString antes_;
};

QTEST_MAIN(TestePrincipal)
#include "principal_test.moc"
