// The single-instance guard: a lock file in the work folder.
#pragma once

#include <QString>

class QLockFile;

namespace zivu {
class Plataforma;
}

// Path of the lock file of the running program.
QString arquivo_trava(const QString& pasta_trabalho);

// Takes the lock. A lock left by a run that died is removed silently; one
// held by a live run asks the question of the guard: No returns false (the
// program ends), Yes replaces the lock and goes on.
bool guarda_instancia(QLockFile& trava, zivu::Plataforma& plat);
