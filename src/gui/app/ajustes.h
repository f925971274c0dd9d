// The program's own settings: what it remembers for the user between
// sessions and never writes into a worksheet. An INI file in the work
// folder, so that each work folder keeps its own.
#pragma once

#include <QString>

// Open with QSettings(arquivo_ajustes(), QSettings::IniFormat).
QString arquivo_ajustes();

// Where Importar and Exportar start: the folder of the last file the user
// chose in them, else the examples installed with the program (beside it, or
// in ../share/derova-zivu/examples from `pasta_sistema`), else home.
QString pasta_arquivos(const QString& pasta_sistema);
void lembra_pasta_arquivos(const QString& arquivo_escolhido);
