// What the results windows' tests share: a worksheet calculated through the
// windows or by zivu-cli, and the texts of files and of the views' cells.
#pragma once

#include "ajudante.h"
#include "gui/results/modelo_grade.h"
#include "gui/results/painel_anos.h"

inline QString arquivo_teste(const QString& nome) { return QString(ZIVU_TEST_DATA) + "/" + nome; }
inline QString exemplo(const QString& nome) { return QString(ZIVU_EXEMPLOS) + "/" + nome; }

// zivu-cli calcular on `planilha` with the per-year files in `pasta`; its
// standard output. Fails the test when the program does not succeed.
inline QString roda_cli(const QString& planilha, const QString& pasta, const QStringList& opcoes) {
  QProcess cli;
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert("ZIVU_HOME", pasta + "/casa");
  cli.setProcessEnvironment(ambiente);
  cli.start(ZIVU_CLI_PATH, QStringList{"calcular", planilha, "--pasta", pasta, "--separador-decimal", "."} + opcoes);
  if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
    qWarning("zivu-cli: %s", cli.readAllStandardError().constData());
  return QString::fromUtf8(cli.readAllStandardOutput());
}

// Fields of the line `linha` (from 1) of a per-year grid file: every field
// quoted, a quote inside doubled, each followed by ";".
inline QStringList campos_csv(const QByteArray& bytes, int linha) {
  static const QRegularExpression campo("\"((?:[^\"]|\"\")*)\";");
  QStringList campos;
  const QString l = QString::fromLatin1(bytes.split('\n').value(linha - 1));
  for (auto m = campo.globalMatch(l); m.hasNext();) campos << m.next().captured(1).replace("\"\"", "\"");
  return campos;
}

// Text a grid view shows in grid cell (c, r).
inline QString na_vista(const QTableView* vista, int c, int r) {
  const auto* m = static_cast<const ModeloGrade*>(vista->model());
  if (r == 0) return m->headerData(c - 1, Qt::Horizontal, Qt::DisplayRole).toString();
  if (c == 0) return m->headerData(r - 1, Qt::Vertical, Qt::DisplayRole).toString();
  return m->indice(c, r).data().toString();
}

// The first cell where a view and a per-year file differ, or "" (the files'
// accented letters are all in the Latin-1 part of their code page).
inline QString difere_do_arquivo(const QTableView* vista, const QByteArray& arquivo) {
  const int linhas = static_cast<int>(arquivo.count('\n'));
  for (int r = 1; r <= linhas; ++r) {
    const QStringList campos = campos_csv(arquivo, r);
    for (int c = 1; c <= campos.size(); ++c) {
      const QString& esperado = campos.at(c - 1);
      if (na_vista(vista, c, r) != esperado)
        return QString("(%1, %2): '%3' != '%4'").arg(c).arg(r).arg(na_vista(vista, c, r), esperado);
    }
  }
  return linhas > 0 ? QString() : QString("arquivo vazio");
}

// "Importar" on the sheet, the method, "Calcular", which shows no message
// unless told.
inline void importa_e_calcula(Programa& p, Dialogos& d, const QString& planilha, bool quartis,
                              bool sem_mensagem = true) {
  p.mostra_planilha();
  TOrigem* o = p.origem();
  d.arquivos = {planilha};
  o->Importar->click();
  if (o->MetodoQuartis->isChecked() != quartis) QTest::mouseClick(o->MetodoQuartis, Qt::LeftButton);
  d.filtros_vistos.clear();
  o->Processa->click();
  if (sem_mensagem) QVERIFY2(d.caixas.isEmpty(), qPrintable(d.ultimo_texto()));
}

// Clicks grid cell (c, r) of a view whose model holds the headers too.
inline void clica_celula_inteira(QTableView* vista, int c, int r) {
  const QModelIndex i = vista->model()->index(r, c);
  vista->scrollTo(i);
  QTest::mouseClick(vista->viewport(), Qt::LeftButton, Qt::NoModifier, vista->visualRect(i).center());
}

// Clicks the year at `linha` of an open year chooser.
inline void escolhe(PainelAnos* anos, int linha) {
  QListWidget* lista = anos->Esc_Ano_Projetado;
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(linha)).center());
}
