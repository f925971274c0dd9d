#include "gui/app/plataforma_qt.h"

#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

#include "gui/app/ajustes.h"
#include "gui/app/paineis.h"

QStringList filtros_qt(const std::string& filtro) {
  const QStringList partes = QString::fromStdString(filtro).split('|');
  QStringList filtros;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
    // File names differ in case on Linux; offer both spellings of each pattern.
    QStringList padroes;
    for (const QString& p : partes[i + 1].split(';', Qt::SkipEmptyParts)) {
      padroes << p;
      for (const QString& v : {p.toLower(), p.toUpper()})
        if (!padroes.contains(v)) padroes << v;
    }
    filtros << partes[i] + " (" + padroes.join(' ') + ")";
  }
  return filtros;
}

QString texto_caixa(const std::string& texto) {
  QString t = QString::fromStdString(texto);
  t.replace("\r\n", "\n");
  t.replace('\r', '\n');
  return t;
}

void PlataformaQt::define_janela(QWidget* janela, QStatusBar* situacao, QLabel* mensagem,
                                 PainelProgresso* progresso) {
  janela_ = janela;
  situacao_ = situacao;
  mensagem_ = mensagem;
  progresso_ = progresso;
}

zivu::Resposta PlataformaQt::mensagem(const std::string& texto, const std::string& titulo,
                                      zivu::Botoes botoes, zivu::Icone icone) {
  QMessageBox::Icon ic = QMessageBox::Information;
  switch (icone) {
    case zivu::Icone::Informacao: ic = QMessageBox::Information; break;
    case zivu::Icone::Aviso: ic = QMessageBox::Warning; break;
    case zivu::Icone::Erro: ic = QMessageBox::Critical; break;
    case zivu::Icone::Pergunta: ic = QMessageBox::Question; break;
  }
  QMessageBox::StandardButtons b = QMessageBox::Ok;
  if (botoes == zivu::Botoes::SimNao) b = QMessageBox::Yes | QMessageBox::No;
  if (botoes == zivu::Botoes::SimNaoCancelar) b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  QWidget* pai = janela_ && janela_->isVisible() ? janela_.data() : nullptr;
  QMessageBox caixa(ic, QString::fromStdString(titulo), texto_caixa(texto), b, pai);
  caixa.setTextFormat(Qt::PlainText);
  // A message in the middle of a long command needs the normal cursor.
  const bool esperava = espera_;
  if (esperava) cursor_espera(false);
  const int r = caixa.exec();
  if (esperava) cursor_espera(true);
  switch (r) {
    case QMessageBox::Yes: return zivu::Resposta::Sim;
    case QMessageBox::No: return zivu::Resposta::Nao;
    case QMessageBox::Cancel: return zivu::Resposta::Cancelar;
    default:
      return botoes == zivu::Botoes::OK ? zivu::Resposta::OK
             : botoes == zivu::Botoes::SimNao ? zivu::Resposta::Nao
                                             : zivu::Resposta::Cancelar;
  }
}

void PlataformaQt::status(const std::string& texto) {
  if (!situacao_ || !mensagem_) return;
  // A new status is read at once, over any hint still showing.
  situacao_->clearMessage();
  mensagem_->setText(QString::fromStdString(texto));
  // Long commands run without returning to the event loop.
  situacao_->repaint();
}

void PlataformaQt::dica(const QString& texto) {
  if (situacao_) situacao_->showMessage(texto, 5000);
}

void PlataformaQt::cursor_espera(bool ligado) {
  if (ligado == espera_) return;
  espera_ = ligado;
  if (ligado)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void PlataformaQt::progresso_mostrar(int maximo) {
  if (progresso_) progresso_->mostra(maximo);
}

void PlataformaQt::progresso_posicao(int posicao, const std::string& rotulo) {
  if (progresso_) progresso_->posiciona(posicao, QString::fromStdString(rotulo));
}

void PlataformaQt::progresso_esconder() {
  if (progresso_) progresso_->esconde();
}

std::optional<zivu::EscolhaArquivo> PlataformaQt::abrir_arquivo(const zivu::DialogoArquivo& d) {
  return dialogo(d, false);
}

std::optional<zivu::EscolhaArquivo> PlataformaQt::salvar_arquivo(const zivu::DialogoArquivo& d) {
  return dialogo(d, true);
}

std::optional<zivu::EscolhaArquivo> PlataformaQt::dialogo(const zivu::DialogoArquivo& d, bool salvar) {
  const QString pasta =
      d.pasta_do_usuario ? pasta_arquivos(pasta_sistema_) : QString::fromStdString(d.pasta_inicial);
  QFileDialog dlg(janela_, QString::fromStdString(d.titulo), pasta);
  const QStringList filtros = filtros_qt(d.filtro);
  if (!filtros.isEmpty()) dlg.setNameFilters(filtros);
  dlg.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dlg.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QString sufixo = QString::fromStdString(d.extensao_padrao);
  if (sufixo.startsWith("*.")) sufixo = sufixo.mid(2);
  if (!sufixo.isEmpty()) dlg.setDefaultSuffix(sufixo);
  const bool esperava = espera_;
  if (esperava) cursor_espera(false);
  const int r = dlg.exec();
  if (esperava) cursor_espera(true);
  if (r != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  if (d.pasta_do_usuario) lembra_pasta_arquivos(dlg.selectedFiles().first());
  zivu::EscolhaArquivo e;
  e.nome = dlg.selectedFiles().first().toStdString();
  e.filtro = std::max<int>(1, static_cast<int>(filtros.indexOf(dlg.selectedNameFilter())) + 1);
  return e;
}

zivu::Data PlataformaQt::hoje() {
  const QDate d = QDate::currentDate();
  return zivu::Data{d.year(), d.month(), d.day()};
}
