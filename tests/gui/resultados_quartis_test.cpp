// "DoDo em Quartis" through its windows: the year's files on its pages, the
// listings, the statistics (colours, clicks, keys, track bar), the years, and
// the all-years files as zivu-cli writes them.
#include "resultados_comum.h"

namespace {

// Whether the drawn cell (c, r) of the grid holds a pixel of the colour;
// its fill is the pixel inside its top left corner, away from the text.
bool tem_cor(QTableView* vista, int c, int r, const QColor& cor) {
  const QImage imagem = vista->viewport()->grab().toImage();
  const QRect celula = vista->visualRect(vista->model()->index(r, c)).adjusted(1, 1, -1, -1);
  for (int y = celula.top(); y <= celula.bottom(); ++y)
    for (int x = celula.left(); x <= celula.right(); ++x)
      if (imagem.pixelColor(x, y) == cor) return true;
  return false;
}
QColor fundo(QTableView* vista, int c, int r) {
  return vista->viewport()->grab().toImage().pixelColor(vista->visualRect(vista->model()->index(r, c)).topLeft() +
                                                        QPoint(2, 2));
}

}  // namespace

class TesteQuartis : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    q = p->app->quartis;
    temp = p->pasta.filePath("Temp");
    cli = p->pasta.filePath("cli");
  }

 private slots:
  void calculoPorBlocosEBarraDeAreas() {
    importa_e_calcula(*p, *d, arquivo_teste("quartis_blocos.csv"), true);
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(q));

    // Eleven blocks on the track bar; its hint names the block shown.
    QCOMPARE(q->Sel_Area->maximum(), 11);
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    const QString posicoes = na_vista_inteira(2, 12);
    q->Sel_Area->setFocus();
    QTest::keyClick(q->Sel_Area, Qt::Key_Right);
    QTest::keyClick(q->Sel_Area, Qt::Key_Right);
    QCOMPARE(p->app->sis.quartis.Sel_Area.posicao, 3);
    QCOMPARE(q->Sel_Area->toolTip(), QString::fromStdString(p->app->sis.quartis.Sel_Area.hint));
    QCOMPARE(princ->situacao_mostrada(), q->Sel_Area->toolTip());
    QTest::keyClick(q->Sel_Area, Qt::Key_PageUp);
    QCOMPARE(p->app->sis.quartis.Sel_Area.posicao, 4);
    QVERIFY(na_vista_inteira(2, 12) != posicoes);
    for (auto pagina : {zivu::PaginaQuartis::Estatisticas, zivu::PaginaQuartis::Excecoes})
      QVERIFY(QString::fromStdString(q->impressao(pagina).second).endsWith(" - " + q->Sel_Area->toolTip()));
  }

  void listagensEEstatisticas() {
    importa_e_calcula(*p, *d, arquivo_teste("quartis_estatisticas.csv"), true);
    zivu::Quartis& nucleo = p->app->sis.quartis;
    QCOMPARE(difere_do_arquivo(q->Tab_Uniao, le_arquivo(temp + "/QU2005.CSV")), QString());
    QCOMPARE(difere_do_arquivo(q->Tab_DUniao, le_arquivo(temp + "/Q22005.CSV")), QString());
    QCOMPARE(q->Adaptar->isEnabled(), le_arquivo(temp + "/QA2005") == "adaptar");

    // The radio buttons bring one listing forward, and it is the one printed.
    QTest::mouseClick(q->T_ord_pop, Qt::LeftButton);
    QCOMPARE(q->pilha_partida->currentWidget(), q->Tab_quartil_ordem_pop);
    QCOMPARE(q->impressao(zivu::PaginaQuartis::Tab_Partida).first, &nucleo.Tab_quartil_ordem_pop);
    QTest::mouseClick(q->T_ord_tax, Qt::LeftButton);
    QCOMPARE(q->pilha_partida->currentWidget(), q->Tab_quartil_ordem_tax);
    QCOMPARE(q->impressao(zivu::PaginaQuartis::Tab_Partida).first, &nucleo.Tab_quartil_ordem_tax);
    QCOMPARE(na_vista(q->Tab_Quartil, 1, 1), QString::fromStdString(nucleo.Tab_Quartil.cel(1, 1)));

    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    QTableView* e = q->Tab_Estatisticas;

    // Colours: the class headers and labels, the quartiles' title row; the
    // corner and the totals header keep the grid's own.
    const QColor preto(0, 0, 0), cinza(128, 128, 128), vermelho(255, 0, 0);
    const QColor botao = e->palette().color(QPalette::Button);
    // (Which cell takes which colour: the core's table and its tests.)
    const QList<std::tuple<int, int, QColor>> fundos{
        {1, 0, preto}, {2, 0, cinza}, {0, 6, preto}, {0, 7, cinza}, {4, 12, vermelho},
        {0, 0, botao}, {0, 9, botao}, {5, 12, e->palette().color(QPalette::Base)}};
    for (const auto& [c, r, cor] : fundos)
      QVERIFY2(fundo(e, c, r) == cor, qPrintable(QString("%1 x %2").arg(c).arg(r)));
    QVERIFY(tem_cor(e, 1, 0, Qt::white));
    QVERIFY(tem_cor(e, 2, 0, QColor(255, 255, 0)));
    QVERIFY(tem_cor(e, 1, 12, Qt::white));

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
    clica_celula_inteira(e, nc, nr);
    QCOMPARE(na_vista_inteira(0, 0), QString("%1 x %2").arg(nc).arg(nr));
    QVERIFY(q->Ver_grupo->isEnabled());

    // Keys: an arrow moves and runs the same rule, a letter runs it in place.
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
    QCOMPARE(p->itens_ligados(), (QStringList{"Exportar1", "Imprimir1"}));

    // A block whose areas are all exceptions keeps the statistics shown.
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    const QString antes = na_vista_inteira(2, 12);
    q->Sel_Area->setValue(3);
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(na_vista_inteira(2, 12), antes);

    const QString pdf = p->imprime_em_pdf("estatisticas.pdf");
    q->ImpEstat->click();
    QCOMPARE(d->impressoes, 1);
    QVERIFY(QFile(pdf).size() > 0);
    QCOMPARE(p->itens_ligados(), (QStringList{"Exportar1", "Imprimir1"}));
  }

  void escolhaDoAnoAdaptacaoEArquivosComoOCli() {
    const QString planilha = exemplo("anos_intermediarios.csv");
    importa_e_calcula(*p, *d, planilha, true);
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2005"));

    // The chooser opens on the year shown; the track bar is off meanwhile.
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    q->Ano_Projetado->click();
    QVERIFY(q->Anos->isVisible());
    QVERIFY(!q->barra3->isEnabled());
    QCOMPARE(q->Anos->Esc_Ano_Projetado->currentRow(), 4);
    escolhe(q->Anos, 1);
    q->Anos->Aceitar_ano->click();
    QVERIFY(q->barra3->isEnabled());
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2002"));
    QVERIFY(!q->Adaptar->isEnabled());
    QCOMPARE(na_vista(q->Tab_Uniao, 9, 0), QString("2002"));
    QCOMPARE(na_vista(q->Tab_Descricao, 10, 0), QString("2002"));
    QCOMPARE(difere_do_arquivo(q->Tab_Uniao, le_arquivo(temp + "/QU2002.CSV")), QString());

    q->Ano_Projetado->click();
    escolhe(q->Anos, 0);
    q->Anos->Cancelar_ano->click();
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2002"));
    q->Ano_Projetado->click();
    escolhe(q->Anos, 0);
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
    QCOMPARE(difere_do_arquivo(q->Tab_Uniao, le_arquivo(temp + "/QU2001.CSV")), QString());

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

    d->arquivos = {p->pasta.filePath("uniao"), p->pasta.filePath("partida")};
    q->Exportar_Uniao->click();
    q->Exportar_TP->click();
    QCOMPARE(le_arquivo(p->pasta.filePath("uniao.CSV")), le_arquivo(temp + "/QU2005.CSV"));
    QVERIFY(QFile::exists(p->pasta.filePath("partida.CSV")));

    // The main menu's "Exportar" runs the listing pages' exports only.
    princ->acao("Minimizartodas1")->trigger();
    princ->acao("DoDoemQuartis1")->trigger();
    d->filtros_vistos.clear();
    q->Ficha_Quartis->setCurrentWidget(q->RUniao);
    princ->acao("Exportar1")->trigger();
    QVERIFY(d->filtros_vistos.isEmpty());
    q->Ficha_Quartis->setCurrentWidget(q->Excecoes);
    QCOMPARE(p->itens_ligados(), (QStringList{"Exportar1", "Imprimir1"}));
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
  }

  void segundoCalculoVoltaAoUltimoAnoERecusaMostraAJanela() {
    importa_e_calcula(*p, *d, exemplo("anos_intermediarios.csv"), true);
    const QByteArray primeira = le_arquivo(temp + "/QU2005.CSV") + le_arquivo(temp + "/Q22005.CSV");
    q->Ficha_Quartis->setCurrentWidget(q->Estatisticas);
    q->Ano_Projetado->click();
    escolhe(q->Anos, 1);
    q->Anos->Aceitar_ano->click();
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2002"));
    q->Sel_Area->setValue(2);

    // A second run writes the first run's files: the year shown kept no totals.
    p->mostra_planilha();
    o->Processa->click();
    QCOMPARE(le_arquivo(temp + "/QU2005.CSV") + le_arquivo(temp + "/Q22005.CSV"), primeira);
    QCOMPARE(q->Ano_Projetado->toolTip(), QString("2005"));
    QCOMPARE(na_vista(q->Tab_Uniao, 9, 0), QString("2005"));
    QCOMPARE(q->Anos->Esc_Ano_Projetado->currentRow(), 4);

    // Refused parameters: the message, and the window still comes forward.
    p->mostra_planilha();
    w->cfg.Div_habitantes.assign(1, '0');
    o->Processa->click();
    QCOMPARE(d->caixas.size(), 1);
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(q));
  }

 private:
  QString na_vista_inteira(int c, int r) const { return q->Tab_Estatisticas->model()->index(r, c).data().toString(); }

  TQuartis* q = nullptr;
  QString temp, cli;
};

QTEST_MAIN(TesteQuartis)
#include "resultados_quartis_test.moc"
