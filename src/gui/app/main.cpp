// zivu: the desktop program. `zivu ARQUIVO` imports that worksheet at start.
#include <QApplication>
#include <QLocale>
#include <QLockFile>

#include "core/files/arquivos.h"
#include "core/files/leitor.h"
#include "core/text/numeros.h"
#include "gui/app/aplicacao.h"
#include "gui/app/instancia.h"
#include "gui/worksheet/origem_janela.h"

#include <QTabWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Derova ZiVu 1.0");

  const QString ponto = QLocale::system().decimalPoint();
  zivu::definir_separador_decimal(ponto.size() == 1 && ponto.at(0).unicode() < 128
                                      ? static_cast<char>(ponto.at(0).unicode())
                                      : '.');

  Aplicacao janelas;
  QLockFile trava(arquivo_trava(QString::fromStdString(zivu::pasta_trabalho())));
  if (!guarda_instancia(trava, janelas.plat)) return 0;
  janelas.verifica_ajuda();
  janelas.mostra();

  const QStringList argumentos = QApplication::arguments();
  if (argumentos.size() > 1) {
    janelas.origem->Ficha->setCurrentWidget(janelas.origem->Origem);
    const std::string nome = argumentos.at(1).toStdString();
    janelas.executa([&] { zivu::Importa_Arquivo(janelas.sis, nome); });
  }
  return app.exec();
}
