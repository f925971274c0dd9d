// "DoDo simples" through its windows: what it shows and writes against
// zivu-cli's files, the years, exports, copy, print and the menus by page.
#include "resultados_comum.h"

class TesteSimples : public TesteJanelas {
  Q_OBJECT

  void prepara() override {
    s = p->app->simples;
    temp = p->pasta.filePath("Temp");
    cli = p->pasta.filePath("cli");
  }

 private slots:
  void calculoGeralMostraOUltimoAnoComoOCli() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(s));
    const QString saida = roda_cli(exemplo("dodo_geral.csv"), cli, {});
    QCOMPARE(arquivos_diferentes(cli, temp, {"SR2010.CSV", "SV2010.CSV", "SA2010", "SO2010"}), QStringList());
    QCOMPARE(difere_do_arquivo(s->DadosSaida, le_arquivo(cli + "/SR2010.CSV")), QString());
    QCOMPARE(difere_do_arquivo(s->DadosVariaveis, le_arquivo(cli + "/SV2010.CSV")), QString());
    QCOMPARE(como_cli(s->Texto_Obs->toPlainText()), observacoes_cli(saida));
    QCOMPARE(s->Ano_Projetado->toolTip(), QString("2010"));
    QCOMPARE(s->Adaptar->isEnabled(), le_arquivo(cli + "/SA2010") == "adaptar");
    // Without intermediate years there is nothing to choose or to join.
    QVERIFY(!s->Ano_Projetado->isEnabled());
    QVERIFY(!s->Unir_resultados->isEnabled());

    // No small-area code is marked: Vardex and the translation refuse.
    s->DoDo_Vardex->click();
    s->DoDo_Tradutor->click();
    QCOMPARE(d->caixas.size(), 2);
    QVERIFY(d->filtros_vistos.isEmpty());
  }

  void traducaoPerguntaPelaAdaptacao() {
    importa_e_calcula(*p, *d, exemplo("dodo_blocos.csv"), false);
    d->respostas = {QMessageBox::Cancel};
    s->DoDo_Tradutor->click();
    QCOMPARE(d->caixas.size(), 1);
    QVERIFY(d->filtros_vistos.isEmpty());
    QVERIFY(s->Adaptar->isEnabled());
    // Yes: adjusted first; a name without extension gets ".CSV".
    d->respostas = {QMessageBox::Yes};
    d->arquivos = {p->pasta.filePath("trad")};
    s->DoDo_Tradutor->click();
    QCOMPARE(d->caixas.size(), 2);
    QVERIFY(!s->Adaptar->isEnabled());
    roda_cli(exemplo("dodo_blocos.csv"), cli, {"--adaptar", "--tradutor", cli + "/trad.csv"});
    QCOMPARE(le_arquivo(p->pasta.filePath("trad.CSV")), le_arquivo(cli + "/trad.csv"));
  }

  void escolhaDoAnoEAdaptacao() {
    const QString planilha = exemplo("anos_intermediarios.csv");
    importa_e_calcula(*p, *d, planilha, false);
    QVERIFY2(d->caixas.isEmpty(), qPrintable(d->ultimo_texto()));
    roda_cli(planilha, cli, {});
    roda_cli(planilha, cli + "/adaptado", {"--adaptar"});
    QCOMPARE(s->Ano_Projetado->toolTip(), QString("2005"));

    // Open: the list of years, the tool bar and the grid off.
    s->Ano_Projetado->click();
    QVERIFY(s->Anos->isVisible());
    QVERIFY(!s->Barra3->isEnabled());
    QVERIFY(!s->DadosSaida->isEnabled());
    QCOMPARE(princ->focusWidget(), s->Anos->Esc_Ano_Projetado);

    // Cancel keeps the year shown.
    escolhe(s->Anos, 1);
    s->Anos->Cancelar_ano->click();
    QVERIFY(s->Barra3->isEnabled());
    QCOMPARE(s->Ano_Projetado->toolTip(), QString("2005"));

    // Accept loads the year's stored results and its adjustment flag.
    s->Ano_Projetado->click();
    escolhe(s->Anos, 1);
    s->Anos->Aceitar_ano->click();
    QVERIFY(s->DadosSaida->isEnabled());
    QCOMPARE(s->Ano_Projetado->toolTip(), QString("2002"));
    QVERIFY(!s->Adaptar->isEnabled());
    QCOMPARE(difere_do_arquivo(s->DadosSaida, le_arquivo(cli + "/SR2002.CSV")), QString());
    QCOMPARE(difere_do_arquivo(s->DadosVariaveis, le_arquivo(cli + "/SV2002.CSV")), QString());
    QCOMPARE(s->Texto_Obs->toPlainText(), QString::fromLatin1(le_arquivo(cli + "/SO2002")).replace("\r\n", "\n"));

    s->Ano_Projetado->click();
    escolhe(s->Anos, 0);
    s->Anos->Aceitar_ano->click();
    QVERIFY(s->Adaptar->isEnabled());
    s->Adaptar->click();
    QVERIFY(!s->Adaptar->isEnabled());
    QCOMPARE(le_arquivo(temp + "/SA2001"), QByteArray("nao adaptar"));
    QCOMPARE(le_arquivo(temp + "/SR2001.CSV"), le_arquivo(cli + "/adaptado/SR2001.CSV"));
    QCOMPARE(difere_do_arquivo(s->DadosSaida, le_arquivo(cli + "/adaptado/SR2001.CSV")), QString());

    // "Unir resultados" writes every year, adjusted, as Vardex's file.
    d->arquivos = {p->pasta.filePath("unidos.csv")};
    s->Unir_resultados->click();
    roda_cli(planilha, cli + "/vardex", {"--vardex", cli + "/vardex/v.csv"});
    QCOMPARE(le_arquivo(p->pasta.filePath("unidos.csv")), le_arquivo(cli + "/vardex/v.csv"));
  }

  void colarECriarDeixamAJanelaComoONucleo() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    QVERIFY(s->Adaptar->isEnabled());
    p->mostra_planilha();
    QApplication::clipboard()->setText("1");
    o->Colar->click();
    QVERIFY(!s->Adaptar->isEnabled());

    // A second run computes again and shows it.
    o->Processa->click();
    QVERIFY(s->Adaptar->isEnabled());
    QCOMPARE(princ->mdi->activeSubWindow(), princ->subjanela(s));
    p->mostra_planilha();
    o->Criar->click();
    QVERIFY(!s->Adaptar->isEnabled());
    QCOMPARE(na_vista(s->DadosSaida, 3, 3), QString());
  }

  void exportaCopiaEImprime() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    // The export over the worksheet's extent holds the bytes the year's file has.
    const QString r = p->pasta.filePath("r.csv"), v = p->pasta.filePath("v.csv");
    d->arquivos = {r, v, p->pasta.filePath("r.DAT")};
    d->filtros = {1, 1, 2};
    s->Exportar_R->click();
    s->Exportar_V->click();
    QCOMPARE(le_arquivo(r), le_arquivo(temp + "/SR2010.CSV"));
    QCOMPARE(le_arquivo(v), le_arquivo(temp + "/SV2010.CSV"));
    s->Exportar_R->click();
    QVERIFY(le_arquivo(p->pasta.filePath("r.DAT.DAT")).startsWith("1 "));
    QVERIFY(d->caixas.isEmpty());

    // Copy: the selected cells, TAB between cells and CR between rows.
    seleciona(s->DadosSaida, 2, 3, 3, 4);
    s->Copiar_Resultado->click();
    QCOMPARE(QApplication::clipboard()->text(), na_vista(s->DadosSaida, 2, 3) + "\t" + na_vista(s->DadosSaida, 3, 3) +
                                                   "\r" + na_vista(s->DadosSaida, 2, 4) + "\t" +
                                                   na_vista(s->DadosSaida, 3, 4));
    const QString pdf = p->imprime_em_pdf("resultado.pdf");
    s->ImpRes->click();
    QCOMPARE(d->impressoes, 1);
    QVERIFY(QFile(pdf).size() > 0);

    // The main menu's copy and print act on the page in front.
    s->Ficha_Simples->setCurrentWidget(s->Variaveis);
    seleciona(s->DadosVariaveis, 3, 3, 3, 3);
    princ->acao("Copiar1")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), na_vista(s->DadosVariaveis, 3, 3));
    QFile::remove(pdf);
    princ->acao("Imprimir1")->trigger();
    QCOMPARE(d->impressoes, 2);
    QVERIFY(QFile::exists(pdf));
  }

  void menusEExportacaoPelaPagina() {
    importa_e_calcula(*p, *d, exemplo("dodo_geral.csv"), false);
    for (QWidget* pagina : {s->Variaveis, s->Resultados}) {
      s->Ficha_Simples->setCurrentWidget(pagina);
      QCOMPARE(p->itens_ligados(), (QStringList{"Exportar1", "Copiar1", "Imprimir1"}));
    }
    // After a run maximised its window, "Minimizar todas" still minimises all three.
    princ->acao("Minimizartodas1")->trigger();
    for (QWidget* j : {static_cast<QWidget*>(o), static_cast<QWidget*>(s), static_cast<QWidget*>(p->app->quartis)})
      QVERIFY(princ->subjanela(j)->isMinimized());
    // "Exportar" of the main menu: the pages showing, here the results only.
    princ->acao("DoDoSimples1")->trigger();
    const QString r = p->pasta.filePath("menu.csv");
    d->arquivos = {r};
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
    QCOMPARE(le_arquivo(r), le_arquivo(temp + "/SR2010.CSV"));
    s->Ficha_Simples->setCurrentWidget(s->Observacoes);
    princ->acao("Exportar1")->trigger();
    QCOMPARE(d->filtros_vistos.size(), 1);
  }

 private:
  TSimples* s = nullptr;
  QString temp, cli;
};

QTEST_MAIN(TesteSimples)
#include "resultados_simples_test.moc"
