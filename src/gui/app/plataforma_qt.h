// The core's platform services with Qt: message boxes, status bar, progress
// panel, wait cursor, file dialogs and the date.
#pragma once

#include <QPointer>
#include <QStringList>

#include "core/plataforma.h"

class QWidget;
class QLabel;
class QStatusBar;
class PainelProgresso;

// "Caption|*.ext|Caption|*.ext" as Qt name filters, in the same order.
QStringList filtros_qt(const std::string& filtro);
// Text of a core message as a message box shows it: CR and CR LF become LF.
QString texto_caixa(const std::string& texto);

class PlataformaQt : public zivu::Plataforma {
 public:
  // The main window's pieces; messages without a window go on their own.
  // The program's status stays in `mensagem`; hints cover it for a while only.
  void define_janela(QWidget* janela, QStatusBar* situacao, QLabel* mensagem, PainelProgresso* progresso);
  // A hint of the control with the focus: shown over the status for a few
  // seconds, then the status is back.
  void dica(const QString& texto);
  // The program's folder, where the examples of a first Importar are.
  void define_pasta_sistema(const QString& pasta) { pasta_sistema_ = pasta; }

  zivu::Resposta mensagem(const std::string& texto, const std::string& titulo,
                          zivu::Botoes botoes, zivu::Icone icone) override;
  void status(const std::string& texto) override;
  void cursor_espera(bool ligado) override;
  void progresso_mostrar(int maximo) override;
  void progresso_posicao(int posicao, const std::string& rotulo) override;
  void progresso_esconder() override;
  std::optional<zivu::EscolhaArquivo> abrir_arquivo(const zivu::DialogoArquivo& d) override;
  std::optional<zivu::EscolhaArquivo> salvar_arquivo(const zivu::DialogoArquivo& d) override;
  zivu::Data hoje() override;

 private:
  std::optional<zivu::EscolhaArquivo> dialogo(const zivu::DialogoArquivo& d, bool salvar);
  QPointer<QWidget> janela_;
  QPointer<QStatusBar> situacao_;
  QPointer<QLabel> mensagem_;
  QPointer<PainelProgresso> progresso_;
  bool espera_ = false;
  QString pasta_sistema_;
};
