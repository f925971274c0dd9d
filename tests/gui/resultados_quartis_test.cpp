// "DoDo em Quartis" driven through its windows: the calculation from the
// sheet against zivu-cli's files, the three listings, the statistics with
// their colours, clicks, keys and track bar, "Ver Grupo", the year chooser,
// the adjustment, exports, prints and the files for other systems.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include "gui/results/painel_anos.h"
#include "gui/results/quartis_janela.h"
#include "resultados_comum.h"

namespace {

const char* const kItens[] = {"Criar1", "Importar1", "Exportar1", "Copiar1", "Colar1", "Marcar1", "Imprimir1",
                              "Ano1", "Linhaprincipal1", "Linhasecundria1", "Totaldogrupo1", "Dados1",
                              "Titulo1", "Desmarcar1"};

// Colour of the fill of grid cell (c, r): a pixel inside its rectangle,
// away from the text.
QColor fundo(QTableView* vista, int c, int r) {
  const QImage imagem = vista->viewport()->grab().toImage();
  const QRect celula = vista->visualRect(vista->model()->index(r, c));
  return imagem.pixelColor(celula.topLeft() + QPoint(2, 2));
}

// Whether the cell's image holds a pixel of the colour (its text's).
bool tem_cor(QTableView* vista, int c, int r, const QColor& cor) {
  const QImage imagem = vista->viewport()->grab().toImage();
  const QRect celula = vista->visualRect(vista->model()->index(r, c)).adjusted(1, 1, -1, -1);
  for (int y = celula.top(); y <= celula.bottom(); ++y)
    for (int x = celula.left(); x <= celula.right(); ++x)
      if (imagem.pixelColor(x, y) == cor) return true;
  return false;
}

}  // namespace

class TesteQuartis : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    p = std::make_unique<Programa>();
    d = std::make_unique<Dialogos>();
    q = p->app->quartis;
    temp = p->pasta.filePath("Temp");
    cli = p->pasta.filePath("cli");
  }
  void cleanup() {
    d.reset();
    p.reset();
  }

  void comecaMinimizadaComSeusControles() {
    QMdiSubWindow* sub = p->app->princ->subjanela(q);
    QVERIFY(sub->isMinimized());
    QCOMPARE(sub->windowTitle(), QString("DoDo em Quartis"));
    const QStringList paginas{"Tabela de Partida", "Estatísticas", "Registros descritos", "Exceções",
                              "Resultado", "Descrição"};
    QCOMPARE(q->Ficha_Quartis->count(), paginas.size());
    for (int i = 0; i < paginas.size(); ++i) QCOMPARE(q->Ficha_Quartis->tabText(i), paginas[i]);
    QCOMPARE(q->Ficha_Quartis->currentWidget(), q->Tab_Partida);
    QVERIFY(q->T_original->isChecked());
    QCOMPARE(q->pilha_partida->currentWidget(), q->Tab_Quartil);
    QVERIFY(!q->Sel_Area->isEnabled());
    QCOMPARE(q->Sel_Area->minimum(), 1);
    QCOMPARE(q->Sel_Area->maximum(), 1);
    QCOMPARE(q->Sel_Area->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(q->Sel_Area->toolTip(), QString("Área de dados atual"));
    QVERIFY(!q->Estat_geral->isEnabled());
    QCOMPARE(q->Estat_geral->text(), QString("Estatística geral"));
    QCOMPARE(q->Ver_grupo->text(), QString("Ver &Grupo"));
    QCOMPARE(q->Ver_grupo->toolTip(), QString("Apresenta os registros correspondentes à célula ativa no momento"));
    QVERIFY(!q->Adaptar->isEnabled());
    QVERIFY(!q->Ano_Projetado->isEnabled());
    QVERIFY(q->Anos->isHidden());
    for (QToolButton* b : {q->Exportar_TP, q->Exportar_Est, q->Exportar_Desc, q->Exportar_exc, q->Exportar_Uniao})
      QCOMPARE(b->toolTip(), QString("Exportar dados"));
    for (QToolButton* b : {q->ImpTab, q->ImpEstat, q->ImpDesc, q->ImpExc, q->ImpUniao})
      QCOMPARE(b->toolTip(), QString("Imprime a planilha atual"));
    QCOMPARE(q->Tab_Estatisticas->model()->rowCount(), 17);
    QCOMPARE(q->Tab_Estatisticas->model()->columnCount(), 7);
    QCOMPARE(q->Tab_Estatisticas->columnWidth(6), 120);
  }

  void calculoPorBlocosComoOCliEBarraDeAreas() {
    importa_e_calcula(*p, *d, arquivo_teste("quartis_blocos.csv"), true);
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
    TPrinc* princ = p->app->princ;
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(q));
    QVERIFY(!princ->subjanela(q)->isMinimized());
    QVERIFY(princ->Situacao->currentMessage().startsWith("Calculado, levando "));

    roda_cli(arquivo_teste("quartis_blocos.csv"), cli, {"--quartis"});
    QCOMPARE(arquivos_diferentes(cli, temp, {"QU2005.CSV", "Q22005.CSV", "QA2005"}), QStringList());
    QCOMPARE(difere_do_arquivo(q->Tab_Uniao, le_arquivo(cli + "/QU2005.CSV")), QString());
    QCOMPARE(difere_do_arquivo(q->Tab_DUniao, le_arquivo(cli + "/Q22005.CSV")), QString());
    QCOMPARE(q->Adaptar->isEnabled(), le_arquivo(cli + "/QA2005") == "adaptar");
    QCOMPARE(na_vista(q->Tab_Uniao, 9, 0), QString("2005"));
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2005"));

    // Eleven blocks on the track bar; its hint names the block shown.
    QVERIFY(q->Sel_Area->isEnabled());
    QCOMPARE(q->Sel_Area->maximum(), 11);
    QCOMPARE(q->Sel_Area->value(), 1);
    QCOMPARE(q->Sel_Area->toolTip(), QString("Área 1 - Bloco 1"));
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    const QString posicoes = na_vista_inteira(2, 12);
    q->Sel_Area->setFocus();
    QTest::keyClick(q->Sel_Area, Qt::Key_Right);
    QTest::keyClick(q->Sel_Area, Qt::Key_Right);
    QCOMPARE(p->app->sis.quartis.Sel_Area.posicao, 3);
    QCOMPARE(q->Sel_Area->toolTip(), QString("Área 3 - Bloco 3"));
    QVERIFY(na_vista_inteira(2, 12) != posicoes);
    QCOMPARE(na_vista_inteira(1, 12), QString("Os quartis"));
    QCOMPARE(q->impressao(zivu::PaginaQuartis::Estatisticas).second,
             std::string(" - Tabela de estatísticas - Área 3 - Bloco 3"));
    QCOMPARE(q->impressao(zivu::PaginaQuartis::Excecoes).second,
             std::string(" - Registros que possuem a partir de 500 - Área 3 - Bloco 3"));

    // The larger area's code is not marked: Vardex stops at the first row.
    d->arquivos = {p->pasta.filePath("vardex.csv")};
    q->DoDo_Vardex->click();
    QCOMPARE(d->ultimo_titulo(), QString("Aviso!"));
    QCOMPARE(d->ultimo_texto(), QString("Erro ao tentar gravar o arquivo para o sistema Vardex.\n\n"
                                        "Erro original: '<vazio>' não é um valor inteiro válido."));
    QVERIFY(!QFile::exists(p->pasta.filePath("vardex.csv")));
  }

  void listagensEEstatisticas() {
    importa_e_calcula(*p, *d, arquivo_teste("quartis_estatisticas.csv"), true);
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
    zivu::Quartis& nucleo = p->app->sis.quartis;
    roda_cli(arquivo_teste("quartis_estatisticas.csv"), cli, {"--quartis"});
    QCOMPARE(arquivos_diferentes(cli, temp, {"QU2005.CSV", "Q22005.CSV", "QA2005"}), QStringList());
    QCOMPARE(difere_do_arquivo(q->Tab_Uniao, le_arquivo(cli + "/QU2005.CSV")), QString());

    // The radio buttons bring one listing forward; its print title follows.
    QTest::mouseClick(q->T_ord_pop, Qt::LeftButton);
    QCOMPARE(q->pilha_partida->currentWidget(), q->Tab_quartil_ordem_pop);
    QCOMPARE(q->impressao(zivu::PaginaQuartis::Tab_Partida).second,
             std::string(" - Registros para quartil - ordem: populacao"));
    QTest::mouseClick(q->T_ord_tax, Qt::LeftButton);
    QCOMPARE(q->pilha_partida->currentWidget(), q->Tab_quartil_ordem_tax);
    QCOMPARE(q->impressao(zivu::PaginaQuartis::Tab_Partida).first, &nucleo.Tab_quartil_ordem_tax);
    // The quartile rows are marked in the row headers of the ordered listings.
    bool marcado = false;
    for (int r = 1; r < nucleo.Tab_quartil_ordem_pop.linhas(); ++r)
      marcado = marcado || na_vista(q->Tab_quartil_ordem_pop, 0, r) == QString("%1 - Q2").arg(r);
    QVERIFY(marcado);
    QCOMPARE(na_vista(q->Tab_Quartil, 1, 1), QString::fromStdString(nucleo.Tab_Quartil.cel(1, 1)));

    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    QCOMPARE(na_vista_inteira(1, 0), QString("T <= Q1 (T>=0)"));
    QCOMPARE(na_vista_inteira(6, 0), QString("Totais Qt/%"));
    QCOMPARE(na_vista_inteira(0, 7), QString("Q3 < P00"));
    QCOMPARE(na_vista_inteira(0, 8), QString("e < 1000"));
    QCOMPARE(na_vista_inteira(0, 9), QString("Total Qt."));

    // Colours: the class headers and labels, the quartiles' title row; the
    // corner and the totals header keep the grid's own.
    const QColor preto(0, 0, 0), cinza(128, 128, 128), amarelo(255, 255, 0), branco(255, 255, 255);
    QTableView* e = q->Tab_Estatisticas;
    for (int c : {1, 3, 5}) QCOMPARE(fundo(e, c, 0), preto);
    for (int c : {2, 4}) QCOMPARE(fundo(e, c, 0), cinza);
    for (int r : {1, 2, 5, 6}) QCOMPARE(fundo(e, 0, r), preto);
    for (int r : {3, 4, 7, 8}) QCOMPARE(fundo(e, 0, r), cinza);
    for (int c : {1, 2, 3, 4}) QCOMPARE(fundo(e, c, 12), QColor(255, 0, 0));
    QVERIFY(tem_cor(e, 1, 0, branco));
    QVERIFY(tem_cor(e, 2, 0, amarelo));
    QVERIFY(tem_cor(e, 1, 12, branco));
    const QColor botao = e->palette().color(QPalette::Button);
    QCOMPARE(fundo(e, 0, 0), botao);
    QCOMPARE(fundo(e, 6, 0), botao);
    QCOMPARE(fundo(e, 0, 9), botao);
    QCOMPARE(fundo(e, 5, 12), e->palette().color(QPalette::Base));

    // Clicks: a count cell with "0" leaves "Ver Grupo" off, any other on.
    int zc = 0, zr = 0, nc = 0, nr = 0;
    for (int r = 1; r <= 7; r += 2)
      for (int c = 1; c <= 5; ++c) {
        if (na_vista_inteira(c, r) == "0" && zc == 0) zc = c, zr = r;
        if (na_vista_inteira(c, r) != "0" && nc == 0) nc = c, nr = r;
      }
    QVERIFY(zc > 0 && nc > 0);
    clica_celula_inteira(e, zc, zr);
    QCOMPARE(na_vista_inteira(0, 0), QString("%1 x %2").arg(zc).arg(zr));
    QVERIFY(!q->Ver_grupo->isEnabled());
    clica_celula_inteira(e, 6, 10);
    QVERIFY(!q->Ver_grupo->isEnabled());
    clica_celula_inteira(e, nc, nr);
    QCOMPARE(na_vista_inteira(0, 0), QString("%1 x %2").arg(nc).arg(nr));
    QVERIFY(q->Ver_grupo->isEnabled());

    // Keys: an arrow moves the current cell and runs the same rule; a typed
    // key runs it on the cell where it stands.
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Right);
    QCOMPARE(na_vista_inteira(0, 0), QString("%1 x %2").arg(nc + 1).arg(nr));
    p->app->executa([&nucleo] { nucleo.Tab_Estatisticas.cel(0, 0).clear(); });
    QTest::keyClick(e, Qt::Key_A);
    QCOMPARE(na_vista_inteira(0, 0), QString("%1 x %2").arg(nc + 1).arg(nr));

    // "Ver Grupo": the description page on the group's first record.
    clica_celula_inteira(e, nc, nr);
    const int grupo = 5 * ((nr - 1) / 2) + nc;
    q->Ver_grupo->click();
    QCOMPARE(q->Ficha_Quartis->currentWidget(), q->Registros_descritos);
    const QModelIndex atual = q->Tab_Descricao->currentIndex();
    QVERIFY(atual.isValid());
    const auto* m = static_cast<const ModeloGrade*>(q->Tab_Descricao->model());
    QCOMPARE(m->coluna(atual), 2);
    QCOMPARE(na_vista(q->Tab_Descricao, 1, m->linha(atual)), QString::number(grupo));
    for (int r = 1; r < m->linha(atual); ++r)
      QVERIFY(na_vista(q->Tab_Descricao, 1, r) != QString::number(grupo));
    confere_menus({"Exportar1", "Imprimir1"});

    // A block whose areas are all exceptions keeps the statistics shown.
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    const QString antes = na_vista_inteira(2, 12);
    q->Sel_Area->setValue(3);
    QCOMPARE(d->ultimo_titulo(), QString("Atenção!"));
    QCOMPARE(d->ultimo_texto(),
             QString("Não há registros que sofrem a divisão em quartis nesta área. (Área 3 - )"));
    QCOMPARE(na_vista_inteira(2, 12), antes);
    QCOMPARE(q->Sel_Area->toolTip(), QString("Área 3 - "));

    // Print of the statistics, to a file.
    const QString pdf = p->pasta.filePath("estatisticas.pdf");
    QPrinter& impressora = p->app->ImprimeGrade;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pdf);
    q->ImpEstat->click();
    QCOMPARE(d->impressoes, 1);
    QVERIFY(QFile(pdf).size() > 0);
    confere_menus({"Exportar1", "Imprimir1"});
  }

  void escolhaDoAnoAdaptacaoEArquivosComoOCli() {
    importa_e_calcula(*p, *d, exemplo("anos_intermediarios.csv"), true);
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
    const QString planilha = exemplo("anos_intermediarios.csv");
    roda_cli(planilha, cli, {"--quartis"});
    QStringList nomes;
    for (int ano = 2001; ano <= 2005; ++ano)
      for (const char* f : {"QU%1.CSV", "Q2%1.CSV", "QA%1"}) nomes << QString(f).arg(ano);
    QCOMPARE(arquivos_diferentes(cli, temp, nomes), QStringList());
    QCOMPARE(difere_do_arquivo(q->Tab_Uniao, le_arquivo(cli + "/QU2005.CSV")), QString());
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2005"));
    QVERIFY(q->Ano_Projetado->isEnabled());
    QVERIFY(q->Unir_resultados->isEnabled());
    QVERIFY(q->Adaptar->isEnabled());

    // The chooser opens over the statistics with the shown year selected,
    // and turns the track bar's panel off while open.
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    q->Ano_Projetado->click();
    QVERIFY(q->Anos->isVisible());
    QVERIFY(!q->barra3->isEnabled());
    QListWidget* lista = q->Anos->Esc_Ano_Projetado;
    QCOMPARE(lista->count(), 5);
    QCOMPARE(lista->currentRow(), 4);
    escolhe(1);
    q->Anos->Aceitar_ano->click();
    QVERIFY(q->Anos->isHidden());
    QVERIFY(q->barra3->isEnabled());
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2002"));
    QVERIFY(!q->Adaptar->isEnabled());
    QCOMPARE(na_vista(q->Tab_Uniao, 9, 0), QString("2002"));
    QCOMPARE(na_vista(q->Tab_Descricao, 10, 0), QString("2002"));
    QCOMPARE(difere_do_arquivo(q->Tab_Uniao, le_arquivo(cli + "/QU2002.CSV")), QString());

    q->Ano_Projetado->click();
    escolhe(0);
    q->Anos->Cancelar_ano->click();
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2002"));
    q->Ano_Projetado->click();
    escolhe(0);
    q->Anos->Aceitar_ano->click();
    QVERIFY(q->Adaptar->isEnabled());

    // "Adaptar": the adjustment table's values go to the union.
    q->Ficha_Quartis->setCurrentWidget(q->RUniao);
    const int linha = na_vista(q->Tab_DUniao, 6, 1).toInt();
    const QString valor = na_vista(q->Tab_DUniao, 5, 1);
    q->Adaptar->click();
    QVERIFY(!q->Adaptar->isEnabled());
    QCOMPARE(na_vista(q->Tab_Uniao, 9, linha), valor);
    QCOMPARE(le_arquivo(temp + "/QA2001"), QByteArray("nao adaptar"));
    roda_cli(planilha, cli + "/adaptado", {"--quartis", "--adaptar"});
    QCOMPARE(le_arquivo(temp + "/QU2001.CSV"), le_arquivo(cli + "/adaptado/QU2001.CSV"));

    // The all-years and translation files, as zivu-cli writes them.
    const QString vardex = p->pasta.filePath("vardex.csv"), unidos = p->pasta.filePath("unidos.csv");
    const QString trad = p->pasta.filePath("trad.csv");
    d->arquivos = {vardex, trad, unidos};
    q->DoDo_Vardex->click();
    q->DoDo_Tradutor->click();
    q->Unir_resultados->click();
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
    roda_cli(planilha, cli + "/saida",
             {"--quartis", "--vardex", cli + "/saida/vardex.csv", "--tradutor", cli + "/saida/trad.csv"});
    QCOMPARE(le_arquivo(vardex), le_arquivo(cli + "/saida/vardex.csv"));
    QCOMPARE(le_arquivo(trad), le_arquivo(cli + "/saida/trad.csv"));
    QCOMPARE(le_arquivo(unidos), le_arquivo(vardex));
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2005"));

    // The union is exported as CSV whatever the type chosen; the listings
    // as DAT when chosen.
    d->arquivos = {p->pasta.filePath("uniao.DAT"), p->pasta.filePath("partida")};
    d->filtros = {2, 2};
    q->Exportar_Uniao->click();
    QCOMPARE(le_arquivo(p->pasta.filePath("uniao.DAT.CSV")), le_arquivo(temp + "/QU2005.CSV"));
    q->Exportar_TP->click();
    QVERIFY(QFile::exists(p->pasta.filePath("partida.DAT")));

    // The main menu's "Exportar" runs the listing pages' exports only.
    TPrinc* princ = p->app->princ;
    princ->acao("Minimizartodas1")->trigger();
    princ->acao("DoDoemQuartis1")->trigger();
    d->filtros_vistos.clear();
    q->Ficha_Quartis->setCurrentWidget(q->RUniao);
    princ->acao("Exportar1")->trigger();
    QVERIFY(d->filtros_vistos.isEmpty());
    q->Ficha_Quartis->setCurrentWidget(q->Excecoes);
    confere_menus({"Exportar1", "Imprimir1"});
    d->arquivos = {p->pasta.filePath("excecoes.csv")};
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
    QVERIFY(le_arquivo(p->pasta.filePath("excecoes.csv")).startsWith("\""));
  }

  void segundoCalculoEColarDeixamAJanelaComoONucleo() {
    importa_e_calcula(*p, *d, exemplo("anos_intermediarios.csv"), true);
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    q->Ano_Projetado->click();
    escolhe(1);
    q->Anos->Aceitar_ano->click();
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2002"));
    q->Sel_Area->setValue(2);

    // A second run shows the last year and the first area again.
    p->mostra_planilha();
    p->origem()->Processa->click();
    // The same files as a first run: the year shown before kept no totals.
    roda_cli(exemplo("anos_intermediarios.csv"), cli, {"--quartis"});
    QStringList nomes;
    for (int ano = 2001; ano <= 2005; ++ano)
      for (const char* f : {"QU%1.CSV", "Q2%1.CSV", "QA%1"}) nomes << QString(f).arg(ano);
    QCOMPARE(arquivos_diferentes(cli, temp, nomes), QStringList());
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2005"));
    QCOMPARE(na_vista(q->Tab_Uniao, 9, 0), QString("2005"));
    QVERIFY(q->Adaptar->isEnabled());
    QCOMPARE(q->Anos->Esc_Ano_Projetado->currentRow(), 4);

    p->mostra_planilha();
    QApplication::clipboard()->setText("1");
    p->origem()->Colar->click();
    QVERIFY(!q->Adaptar->isEnabled());

    // Refused parameters: the message, and the window still comes forward.
    p->app->sis.origem.cfg.Div_habitantes.assign(1, '0');
    p->origem()->Processa->click();
    QCOMPARE(d->ultimo_titulo(), QString("Alerta"));
    QCOMPARE(d->ultimo_texto(), QString("Informe um número maior que 0 em valor divisório (Configuração - Quartis)"));
    QCOMPARE(p->app->princ->mdi->activeSubWindow(), p->app->princ->subjanela(q));
  }

 private:
  QString na_vista_inteira(int c, int r) const {
    return q->Tab_Estatisticas->model()->index(r, c).data().toString();
  }
  void escolhe(int linha) {
    QListWidget* lista = q->Anos->Esc_Ano_Projetado;
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, Qt::NoModifier,
                      lista->visualItemRect(lista->item(linha)).center());
    QCOMPARE(p->app->sis.quartis.Esc_Ano_Projetado_indice, linha);
  }
  void confere_menus(const QStringList& ligados) {
    for (const char* item : kItens)
      QVERIFY2(p->app->princ->acao(item)->isEnabled() == ligados.contains(item), item);
  }

  std::unique_ptr<Programa> p;
  std::unique_ptr<Dialogos> d;
  TQuartis* q = nullptr;
  QString temp, cli;
};

QTEST_MAIN(TesteQuartis)
#include "resultados_quartis_test.moc"
