#include "gui/results/botoes_resultado.h"

#include <QIcon>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/worksheet/widgets.h"

namespace {

QToolButton* com_figura(const char* nome, const QString& texto_dica, const char* tema,
                        QStyle::StandardPixmap reserva, QWidget* pai) {
  // Outside a desktop that names its icon theme, the standard pictures come
  // from the freedesktop theme most systems install.
  static const bool tema_definido = [] {
    if (!QIcon::themeName().isEmpty() && QIcon::themeName() != "hicolor") return true;
    QStringList pastas = QIcon::themeSearchPaths();
    for (const QString& p :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, "icons", QStandardPaths::LocateDirectory))
      if (!pastas.contains(p)) pastas << p;
    QIcon::setThemeSearchPaths(pastas);
    QIcon::setThemeName("Adwaita");
    return true;
  }();
  (void)tema_definido;
  QToolButton* b = ferramenta(QString(), nome, texto_dica, pai);
  b->setIcon(QIcon::fromTheme(tema, pai->style()->standardIcon(reserva)));
  b->setAccessibleName(texto_dica);
  return b;
}

}  // namespace

QToolButton* botao_exportar(const char* nome, QWidget* pai) {
  return com_figura(nome, "Exportar dados", "document-save-as", QStyle::SP_DialogSaveButton, pai);
}

QToolButton* botao_copiar(const char* nome, QWidget* pai) {
  return com_figura(nome, "Copiar para área de transferência", "edit-copy", QStyle::SP_FileDialogContentsView,
                    pai);
}

QToolButton* botao_imprimir(const char* nome, QWidget* pai) {
  return com_figura(nome, "Imprime a planilha atual", "document-print", QStyle::SP_FileDialogDetailedView, pai);
}

QPushButton* botao_negrito(const QString& legenda, const char* nome, QWidget* pai, const QString& texto_dica) {
  QPushButton* b = botao(legenda, nome, texto_dica, pai);
  QFont f = b->font();
  f.setBold(true);
  b->setFont(f);
  return b;
}

QWidget* pagina_resultado(const char* nome) {
  auto* p = new QWidget;
  p->setObjectName(nome);
  auto* v = new QVBoxLayout(p);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(1);
  return p;
}
