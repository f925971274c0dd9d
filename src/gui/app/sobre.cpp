#include "gui/app/sobre.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QSysInfo>
#include <QVBoxLayout>

#include "core/sobre.h"
#include "gui/app/contexto.h"
#include "gui/app/idioma.h"

namespace {

QLabel* valor(QGridLayout* g, int linha, const QString& legenda, const char* nome, QWidget* pai) {
  if (!legenda.isEmpty()) g->addWidget(new QLabel(legenda, pai), linha, 0);
  auto* l = new QLabel(pai);
  l->setObjectName(nome);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  g->addWidget(l, linha, 1);
  return l;
}

QLabel* titulo(QGridLayout* g, int linha, const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  QFont f = l->font();
  f.setUnderline(true);
  l->setFont(f);
  g->addWidget(l, linha, 0, 1, 2);
  return l;
}

}  // namespace

TSobre::TSobre(Contexto& app, QWidget* pai) : QDialog(pai), app_(app) {
  setObjectName("Sobre");
  setWindowTitle("Sobre");
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setFixedSize(372, 289);
  auto* fora = new QVBoxLayout(this);
  fora->setContentsMargins(0, 0, 0, 0);
  auto* painel = new QFrame(this);
  painel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  painel->setLineWidth(5);
  painel->setAutoFillBackground(true);
  QPalette cores = painel->palette();
  cores.setColor(QPalette::Window, QColor(204, 235, 227));
  painel->setPalette(cores);
  fora->addWidget(painel);

  auto* g = new QGridLayout(painel);
  g->setVerticalSpacing(2);
  int l = 0;
  titulo(g, l++, "Versões", painel);
  VersaoWin = valor(g, l++, "Sistema operacional", "VersaoWin", painel);
  VersaoWin->setWordWrap(true);
  AData = valor(g, l++, "Data da criação", "AData", painel);
  AHora = valor(g, l++, "Hora da criação", "AHora", painel);
  VersaoDoDo = valor(g, l++, "Derova ZiVu", "VersaoDoDo", painel);
  VersaoDoDo->setText("1.1");
  titulo(g, l++, "Recursos de sistema", painel);
  MemFisica = valor(g, l++, "Memória livre", "MemFisica", painel);
  RecLivres = valor(g, l++, "Situação geral (livre)", "RecLivres", painel);
  EspDisco = valor(g, l++, "Espaço de disco livre", "EspDisco", painel);
  ResTela = valor(g, l++, "Resolução do vídeo", "ResTela", painel);
  ResOBS = valor(g, l++, QString(), "ResOBS", painel);
  ResOBS->setText(zivu::kRecomendacaoTela);
  OCaminho = valor(g, l++, "Local de instalação", "OCaminho", painel);
  OCaminho->setWordWrap(true);
  g->addWidget(new QLabel("Desenvolvido para a Fundação Zarvo", painel), l++, 0, 1, 2);
  auto* fechar = new QPushButton("&Fechar", painel);
  fechar->setObjectName("FechaSobre");
  connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
  g->addWidget(fechar, l++, 1, Qt::AlignRight);
}

void TSobre::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (QScreen* tela = QGuiApplication::primaryScreen())
    move(tela->geometry().center() - rect().center());
  mede();
}

void TSobre::mede() {
  // Kernel type and version stand for the platform and its numbers, the
  // distribution's name for the service pack.
  VersaoWin->setText(QSysInfo::kernelType() + "." + QSysInfo::kernelVersion() + "." +
                     QSysInfo::prettyProductName());

  const QLocale local = local_brasil();
  const QDateTime criacao = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
  AData->setText(local.toString(criacao.date(), QLocale::ShortFormat));
  AHora->setText(local.toString(criacao.time(), QLocale::LongFormat));

  OCaminho->setText(QString::fromStdString(app_.PastaSistema));

  const QSize tamanho = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size()
                                                         : QSize(0, 0);
  ResTela->setText(QString::fromStdString(zivu::texto_resolucao(tamanho.width(), tamanho.height())));
  ResOBS->setVisible(zivu::mostra_recomendacao(tamanho.width()));

  for (QLabel* l : {MemFisica, RecLivres, EspDisco}) l->setText("Aguarde...");

  QFile meminfo("/proc/meminfo");
  if (meminfo.open(QIODevice::ReadOnly)) {
    if (auto m = zivu::le_meminfo(meminfo.readAll().toStdString())) {
      MemFisica->setText(QString::fromStdString(
          zivu::texto_memoria(m->total_bytes, local.groupSeparator().toStdString())));
      RecLivres->setText(QString::fromStdString(zivu::texto_carga(m->carga)));
    }
  }
  const QStorageInfo disco = QStorageInfo::root();
  EspDisco->setText(QString::fromStdString(
      zivu::texto_espaco_disco(static_cast<double>(disco.bytesAvailable()))));
}
