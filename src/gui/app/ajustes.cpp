#include "gui/app/ajustes.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "core/files/arquivos.h"

namespace {
constexpr const char* kPastaArquivos = "arquivos/pasta";
}

QString arquivo_ajustes() { return QString::fromStdString(zivu::pasta_trabalho()) + "ajustes.ini"; }

QString pasta_arquivos(const QString& pasta_sistema) {
  const QString lembrada = QSettings(arquivo_ajustes(), QSettings::IniFormat).value(kPastaArquivos).toString();
  if (!lembrada.isEmpty() && QFileInfo(lembrada).isDir()) return lembrada;
  if (!pasta_sistema.isEmpty()) {
    const QDir programa(pasta_sistema);
    for (const QString& exemplos : {QString("examples"), QString("../share/derova-zivu/examples")})
      if (QFileInfo(programa.filePath(exemplos)).isDir()) return QDir::cleanPath(programa.filePath(exemplos));
  }
  return QDir::homePath();
}

void lembra_pasta_arquivos(const QString& arquivo_escolhido) {
  QSettings(arquivo_ajustes(), QSettings::IniFormat)
      .setValue(kPastaArquivos, QFileInfo(arquivo_escolhido).absolutePath());
}
