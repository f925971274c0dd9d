#include "gui/app/idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QLocale local_brasil() { return QLocale(QLocale::Portuguese, QLocale::Brazil); }

void fala_portugues() {
  static QTranslator* traducao = nullptr;
  if (traducao || !QCoreApplication::instance()) return;
  // Widgets and dialogs that format dates or sizes themselves use the default.
  QLocale::setDefault(local_brasil());
  traducao = new QTranslator(QCoreApplication::instance());
  if (traducao->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(traducao);
}
