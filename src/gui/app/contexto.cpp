#include "gui/app/contexto.h"

#include <QDate>
#include <QLocale>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>
#include <exception>

#include "core/files/arquivos.h"
#include "core/files/impressao.h"
#include "gui/app/idioma.h"
#include "gui/app/impressao_paginas.h"

Contexto::Contexto(zivu::Sistema& sistema, PlataformaQt& plataforma, std::string pasta_sistema)
    : sis(sistema), plat(plataforma), PastaSistema(std::move(pasta_sistema)) {
  ImprimeGrade.setDocName("Derova ZiVu");
}

void Contexto::executa(const std::function<void()>& comando) {
  try {
    comando();
  } catch (const std::exception& e) {
    plat.cursor_espera(false);
    plat.progresso_esconder();
    plat.erro_geral(e.what());
  }
  atualiza();
  mostra_campo_invalido();
}

void Contexto::mostra_campo_invalido() {
  const QString nome = QString::fromStdString(sis.origem.CampoInvalido);
  sis.origem.CampoInvalido.clear();
  if (nome.isEmpty() || !janela_principal) return;
  auto* campo = janela_principal->findChild<QLineEdit*>(nome);
  if (!campo) return;
  for (QWidget* w = campo; w && w != janela_principal; w = w->parentWidget()) {
    QWidget* pai = w->parentWidget();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
      if (sub->isMinimized() || !sub->isVisible()) sub->showNormal();
      if (auto* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    } else if (auto* pilha = qobject_cast<QStackedWidget*>(pai)) {
      if (auto* fichas = qobject_cast<QTabWidget*>(pilha->parentWidget()))
        fichas->setCurrentWidget(w);
      else
        pilha->setCurrentWidget(w);
    }
  }
  campo->setFocus(Qt::OtherFocusReason);
  campo->selectAll();
}

void Contexto::atualiza() {
  ++atualizando_;
  emit atualizar();
  --atualizando_;
}

bool Contexto::imprime_tabela(const zivu::Grade& grade, const std::string& titulo) {
  QPrintDialog dialogo(&ImprimeGrade, janela_principal);
  if (dialogo.exec() != QDialog::Accepted) return false;
  const QString data = local_brasil().toString(QDate::currentDate(), QLocale::ShortFormat);
  const auto paginas =
      zivu::Imprime_Tabela(sis, grade, data.toStdString(), titulo, caracteres_por_linha(ImprimeGrade));
  if (paginas.empty()) return false;
  plat.cursor_espera(true);
  imprime_paginas(ImprimeGrade, paginas);
  plat.cursor_espera(false);
  return true;
}

bool Contexto::janela_principal_visivel() const { return janela_principal && janela_principal->isVisible(); }

// Beside the program in a build tree, under share/derova-zivu once installed.
std::string Contexto::arquivo_ajuda() const { return zivu::arquivo_sistema(PastaSistema, "DoDo.html"); }
