// The worksheet window "Origem": the configuration pages, the sheet with its
// toolbar and editing bar, the coordinates page, the totals sheet and the
// checklist.
#pragma once

#include <QPersistentModelIndex>
#include <QWidget>

class Contexto;
class ModeloPlanilha;
class PaginaConfiguracao;
class PaginaCoordenadas;
class PaginaTotais;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTableView;
class QToolButton;

class TOrigem : public QWidget {
  Q_OBJECT
 public:
  explicit TOrigem(Contexto& app);
  void atualiza();

  // Pages.
  QTabWidget* Ficha;  // "Configuração" and "Dados de Origem"
  PaginaConfiguracao* Configuracao;
  QWidget* Origem;
  QTabWidget* FormasEntrada;  // "1 - Visual", "2 - Coordenadas", "3 - Totais"
  QWidget* Visual;
  PaginaCoordenadas* Coordenadas;
  PaginaTotais* Totais_anos;
  QPlainTextEdit* Observacoes;

  // Toolbar of "1 - Visual".
  QToolButton *Criar, *Importar, *Exportar, *Copiar, *Colar, *Imprimir;
  QToolButton *Ano, *Principal, *SubDivisao, *Dados, *Fixos, *Desmarca, *Totais;
  QToolButton* MarcaPadrao;
  QToolButton* Processa;
  QCheckBox* MetodoQuartis;
  // Editing bar.
  QLabel* Cruz;
  QLineEdit* Celula;
  QToolButton* Edite_OK;
  QToolButton* Edite_KO;
  // The sheet.
  QTableView* DadosEntrada;
  ModeloPlanilha* modelo;

  // Commands, also reached from the main menu.
  void CriarClick();
  void ImportarClick();
  void ExportarClick();
  void CopiarClick();
  void ColarClick();
  void ImprimirClick();
  void ProcessaClick();
  void MarcaPadraoClick();
  void AnoClick();
  void PrincipalClick();
  void SubDivisaoClick();
  void DadosClick();
  void FixosClick();
  void DesmarcaClick();
  void TotaisClick();
  // The page "Dados de Origem" and all its parents are showing.
  bool pagina_origem_visivel() const;

 protected:
  bool eventFilter(QObject* alvo, QEvent* evento) override;

 private:
  QWidget* cria_visual();
  void comando(const std::function<void()>& f);
  void planilha_mudou();
  void sincroniza_planilha();
  Contexto& app_;
  // Where the selection began: the current cell of the sheet.
  QPersistentModelIndex ancora_;
  bool estendendo_ = false;
};
