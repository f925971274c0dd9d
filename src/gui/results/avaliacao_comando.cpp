#include "gui/results/avaliacao_comando.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QUrl>
#include <string>

#include "core/engine/avaliacao.h"
#include "core/worksheet/sistema.h"
#include "gui/app/ajustes.h"
#include "gui/app/contexto.h"
#include "gui/results/avaliacao_pagina.h"
#include "gui/results/botoes_resultado.h"
#include "gui/results/relatorio_botao.h"
#include "gui/worksheet/widgets.h"

namespace {

// Settings group of a worksheet file; none for a sheet never read from one.
QString grupo_ajustes(const std::string& planilha) {
  if (planilha.empty()) return {};
  return "Avaliacao/" + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(planilha)));
}

}  // namespace

DialogoAvaliacao::DialogoAvaliacao(QWidget* pai) : QDialog(pai) {
  setObjectName("DialogoAvaliacao");
  setWindowTitle("Avaliação retrospectiva");
  auto* f = new QFormLayout(this);
  f->addRow(texto_fixo("Projeta o ano de uma pesquisa posterior à segunda a partir das duas pesquisas e compara "
                       "com a população observada nela, na coluna de teste.",
                       this));
  Coluna_teste = edicao("Coluna_teste", 1, false, this);
  Ano_teste = edicao("Ano_teste", 4, true, this);
  f->addRow("&Coluna de teste:", Coluna_teste);
  f->addRow("&Ano de teste:", Ano_teste);
  auto* botoes = new QHBoxLayout;
  auto* ok = new QPushButton("A&valiar", this);
  ok->setObjectName("Confirma");
  ok->setDefault(true);
  auto* cancela = new QPushButton("&Cancelar", this);
  cancela->setObjectName("Cancela");
  botoes->addStretch();
  botoes->addWidget(ok);
  botoes->addWidget(cancela);
  f->addRow(botoes);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancela, &QPushButton::clicked, this, &QDialog::reject);
  setMinimumWidth(380);
}

ComandosAvaliacao::ComandosAvaliacao(Contexto& app, QTabWidget* ficha) : QObject(ficha), app_(app), ficha_(ficha) {
  auto* canto = new QWidget(ficha);
  auto* h = new QHBoxLayout(canto);
  h->setContentsMargins(0, 0, 2, 0);
  h->setSpacing(2);
  Avaliar = botao_negrito("Avaliar…", "Avaliar", canto,
                          "Compara a projeção de uma pesquisa posterior com a população observada nela");
  Relatorio = botao_relatorio(app, false, canto);
  h->addWidget(Avaliar);
  h->addWidget(Relatorio);
  ficha->setCornerWidget(canto, Qt::TopRightCorner);
  pagina = new PaginaAvaliacao(app);
  pagina->setParent(ficha);
  pagina->hide();
  connect(Avaliar, &QPushButton::clicked, this, &ComandosAvaliacao::AvaliarClick);
  connect(&app_, &Contexto::atualizar, this, &ComandosAvaliacao::atualiza);
}

void ComandosAvaliacao::AvaliarClick() {
  if (app_.atualizando()) return;
  zivu::Sistema& sis = app_.sis;
  DialogoAvaliacao d(ficha_->window());
  QSettings ajustes(arquivo_ajustes(), QSettings::IniFormat);
  const QString grupo = grupo_ajustes(sis.princ.ArquivoPlanilha);
  if (!grupo.isEmpty()) {
    d.Coluna_teste->setText(ajustes.value(grupo + "/coluna").toString());
    d.Ano_teste->setText(ajustes.value(grupo + "/ano").toString());
  }
  if (d.exec() != QDialog::Accepted) return;
  const QString coluna = d.Coluna_teste->text(), ano = d.Ano_teste->text();
  // Also what was refused: the next time it only needs mending.
  if (!grupo.isEmpty()) {
    ajustes.setValue(grupo + "/coluna", coluna);
    ajustes.setValue(grupo + "/ano", ano);
  }
  bool feita = false;
  app_.executa([&] {
    feita = zivu::AvaliarClick(sis, coluna.toStdString(), ano.toStdString());
    if (feita) ++feitas_;
  });
  if (feita) ficha_->setCurrentWidget(pagina);
}

void ComandosAvaliacao::atualiza() {
  const zivu::Simples& s = app_.sis.simples;
  // The back-test needs the worksheet as "Calcular" checked it: a run began.
  Avaliar->setEnabled(app_.sis.princ.DataCalculo.has_value() && !s.Anos_visivel);
  const int i = ficha_->indexOf(pagina);
  if (!s.avaliacao) {
    if (i >= 0) ficha_->removeTab(i);
    mostrada_ = -1;
    return;
  }
  if (i != ficha_->count() - 1) {
    if (i >= 0) ficha_->removeTab(i);
    ficha_->addTab(pagina, "Avaliação");
  }
  if (mostrada_ != feitas_) {
    mostrada_ = feitas_;
    pagina->mostra();
  }
}
