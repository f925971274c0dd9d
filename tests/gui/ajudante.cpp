#include "ajudante.h"

#include <QPrintDialog>

#include "core/text/numeros.h"

Dialogos::Dialogos() {
  relogio_.setInterval(5);
  connect(&relogio_, &QTimer::timeout, this, &Dialogos::verifica);
  relogio_.start();
}

void Dialogos::verifica() {
  QWidget* w = QApplication::activeModalWidget();
  if (!w || !w->isVisible()) return;
  if (auto* caixa = qobject_cast<QMessageBox*>(w)) {
    caixas.append({caixa->windowTitle(), caixa->text()});
    QAbstractButton* b = nullptr;
    if (!respostas.isEmpty()) b = caixa->button(respostas.takeFirst());
    if (!b) b = caixa->button(QMessageBox::No);
    if (!b) b = caixa->button(QMessageBox::Ok);
    if (b) b->click();
    else caixa->reject();
  } else if (auto* dlg = qobject_cast<QFileDialog*>(w)) {
    if (dlg == aceito_) return;
    filtros_vistos.append(dlg->nameFilters());
    pastas_vistas.append(dlg->directory().absolutePath());
    if (arquivos.isEmpty()) {
      dlg->reject();
      return;
    }
    const int filtro = filtros.isEmpty() ? 1 : filtros.takeFirst();
    if (filtro >= 1 && filtro <= dlg->nameFilters().size())
      dlg->selectNameFilter(dlg->nameFilters().at(filtro - 1));
    dlg->selectFile(arquivos.takeFirst());
    // Accepted from the event loop, so that the dialog's own questions (a
    // file that is missing or already there) are answered too.
    aceito_ = dlg;
    QTimer::singleShot(0, dlg, [this, dlg] {
      static_cast<QDialog*>(dlg)->accept();
      aceito_.clear();
    });
  } else if (auto* impressao = qobject_cast<QPrintDialog*>(w)) {
    ++impressoes;
    cancela_impressao ? impressao->reject() : impressao->accept();
  } else if (auto* dlg = qobject_cast<QDialog*>(w)) {
    outros.append(dlg->objectName());
    if (auto* fechar = dlg->findChild<QAbstractButton*>("FechaSobre"))
      fechar->click();
    else
      dlg->reject();
  }
}

Programa::Programa() {
  qputenv("ZIVU_HOME", pasta.path().toUtf8());
  zivu::definir_separador_decimal('.');
  app = std::make_unique<Aplicacao>(pasta.path().toStdString());
  app->princ->resize(1024, 768);
  app->princ->show();
  QApplication::setActiveWindow(app->princ);
  // Offscreen windows may never report active; the tests do not depend on it.
  (void)QTest::qWaitForWindowActive(app->princ);
  app->atualiza();
}

TOrigem* Programa::origem() const { return app->origem; }

void Programa::mostra_planilha() {
  TOrigem* o = origem();
  app->princ->MostraFilha(o);
  o->Ficha->setCurrentWidget(o->Origem);
  o->FormasEntrada->setCurrentWidget(o->Visual);
  QApplication::processEvents();
}

QStringList Programa::itens_ligados() const {
  QStringList ligados;
  for (const char* item : {"Criar1", "Importar1", "Exportar1", "Copiar1", "Colar1", "Marcar1", "Imprimir1", "Ano1",
                           "Linhaprincipal1", "Linhasecundria1", "Totaldogrupo1", "Dados1", "Titulo1", "Desmarcar1"})
    if (app->princ->acao(item)->isEnabled()) ligados << item;
  return ligados;
}

QString Programa::imprime_em_pdf(const QString& nome) {
  const QString pdf = pasta.filePath(nome);
  app->ImprimeGrade.setOutputFormat(QPrinter::PdfFormat);
  app->ImprimeGrade.setOutputFileName(pdf);
  return pdf;
}

void TesteJanelas::reinicia() {
  d.reset();
  p.reset();
  p = std::make_unique<Programa>();
  d = std::make_unique<Dialogos>();
  p->mostra_planilha();
  princ = p->app->princ;
  o = p->origem();
  w = &p->app->sis.origem;
  prepara();
}

void TesteJanelas::cleanup() {
  d.reset();
  p.reset();
}

void clica_celula(QTableView* planilha, int c, int r, Qt::KeyboardModifiers m) {
  const QModelIndex i = planilha->model()->index(r - 1, c - 1);
  planilha->scrollTo(i);
  QTest::mouseClick(planilha->viewport(), Qt::LeftButton, m, planilha->visualRect(i).center());
}

void seleciona(QTableView* planilha, int c0, int r0, int c1, int r1) {
  clica_celula(planilha, c0, r0);
  clica_celula(planilha, c1, r1, Qt::ShiftModifier);
}

QByteArray le_arquivo(const QString& caminho) {
  QFile f(caminho);
  if (!f.open(QIODevice::ReadOnly)) return QByteArray("<sem arquivo " + caminho.toUtf8() + ">");
  return f.readAll();
}

QString texto_pdf(const QString& pdf, const QStringList& opcoes) {
  QProcess p;
  p.start("pdftotext", opcoes + QStringList{pdf, "-"});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}
