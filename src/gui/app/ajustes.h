// The program's own settings: what it remembers for the user between
// sessions and never writes into a worksheet. An INI file in the work
// folder, so that each work folder keeps its own.
#pragma once

#include <QString>

// Open with QSettings(arquivo_ajustes(), QSettings::IniFormat).
QString arquivo_ajustes();
