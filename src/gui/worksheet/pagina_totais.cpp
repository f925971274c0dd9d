#include "gui/worksheet/pagina_totais.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/app/colunas.h"
#include "gui/app/contexto.h"
#include "gui/app/filtro_teclas.h"
#include "gui/worksheet/modelos.h"
#include "gui/worksheet/widgets.h"

namespace {

// Cells of the totals sheet take digits and backspace only.
class DelegadoNumerico : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao,
                        const QModelIndex& indice) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(pai, opcao, indice);
    if (editor) filtra_teclas(editor, true);
    return editor;
  }
};

}  // namespace

PaginaTotais::PaginaTotais(Contexto& app, QWidget* pai) : QWidget(pai), app_(app) {
  setObjectName("Totais_anos");
  auto* v = new QVBoxLayout(this);
  v->addWidget(new QLabel("Totais intermediários (use o botão abaixo, ou <F5>, para atualizar", this));
  auto* barra = new QToolBar(this);
  Outros_totais = ferramenta("Atualizar (F5)", "Outros_totais",
                             "Prepara uma planilha de totais para todos os anos", barra);
  Outros_totais->setToolButtonStyle(Qt::ToolButtonTextOnly);
  barra->addWidget(Outros_totais);
  v->addWidget(barra);

  Grade_totais = new QTableView(this);
  Grade_totais->setObjectName("Grade_totais");
  modelo = new ModeloTotais(app_.sis.origem, Grade_totais);
  Grade_totais->setModel(modelo);
  Grade_totais->horizontalHeader()->hide();
  Grade_totais->verticalHeader()->hide();
  Grade_totais->setItemDelegate(new DelegadoNumerico(Grade_totais));
  ajusta_colunas(Grade_totais, app_.sis.origem.Grade_totais, 0);
  Grade_totais->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
  filtra_teclas(Grade_totais, true);
  v->addWidget(Grade_totais, 1);

  connect(Outros_totais, &QToolButton::clicked, this,
          [this] { app_.executa([this] { app_.sis.origem.Outros_totaisClick(); }); });
}

void PaginaTotais::atualiza() {
  const zivu::Origem& o = app_.sis.origem;
  modelo->atualiza();
  Outros_totais->setEnabled(o.tela.Outros_totais_habilitado);
  Grade_totais->setEnabled(o.tela.Grade_totais_habilitada);
}
