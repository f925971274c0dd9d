#include "gui/app/aplicacao.h"

#include <QFileInfo>
#include <QMdiSubWindow>

#include "core/files/arquivos.h"
#include "core/janela_principal.h"
#include "core/results/janelas_resultado.h"
#include "gui/app/idioma.h"
#include "gui/app/princ.h"
#include "gui/app/sobre.h"
#include "gui/results/janelas_ocultas.h"
#include "gui/results/quartis_janela.h"
#include "gui/results/simples_janela.h"
#include "gui/worksheet/origem_janela.h"

namespace {

std::string com_barra(std::string pasta) {
  if (!pasta.empty() && pasta.back() != '/') pasta += '/';
  return pasta;
}

}  // namespace

Aplicacao::Aplicacao(std::string pasta_sistema)
    : Contexto(sis_, plat_, com_barra(pasta_sistema.empty() ? zivu::pasta_sistema() : pasta_sistema)),
      sis_(plat_) {
  fala_portugues();
  plat_.define_pasta_sistema(QString::fromStdString(PastaSistema));
  princ_ = std::make_unique<TPrinc>(*this);
  princ = princ_.get();
  plat.define_janela(princ, princ->Situacao, princ->Mensagem, princ->Progressao);
  sobre = new TSobre(*this, princ);
  origem = new TOrigem(*this);
  princ->adiciona_filha(origem);
  simples = new TSimples(*this);
  princ->adiciona_filha(simples);
  quartis = new TQuartis(*this);
  princ->adiciona_filha(quartis);
  // Both results windows start minimised, at their own size.
  princ->subjanela(simples)->resize(544, 339);
  princ->subjanela(simples)->showMinimized();
  princ->subjanela(quartis)->resize(552, 341);
  princ->subjanela(quartis)->showMinimized();
  // The worksheet fills the main window's area from the start.
  princ->subjanela(origem)->showMaximized();
  princ->define_filhas({origem, simples, quartis, sobre});
  utab = new TUTab(princ);
  uni_s = new TUni_S(princ);
  zivu::ResultadosCriados(sis);
  atualiza();
}

Aplicacao::~Aplicacao() = default;

void Aplicacao::verifica_ajuda() {
  if (QFileInfo::exists(QString::fromStdString(arquivo_ajuda()))) return;
  zivu::Aviso_Sem_Ajuda(plat);
  princ->desabilita_ajuda();
}

void Aplicacao::mostra() {
  princ->showMaximized();
  atualiza();
}
