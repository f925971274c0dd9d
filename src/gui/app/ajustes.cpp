#include "gui/app/ajustes.h"

#include "core/files/arquivos.h"

QString arquivo_ajustes() { return QString::fromStdString(zivu::pasta_trabalho()) + "ajustes.ini"; }
