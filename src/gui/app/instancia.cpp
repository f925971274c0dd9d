#include "gui/app/instancia.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include "core/janela_principal.h"

QString arquivo_trava(const QString& pasta_trabalho) {
  QDir().mkpath(pasta_trabalho);
  return QDir(pasta_trabalho).filePath("_Lumir_.lock");
}

bool guarda_instancia(QLockFile& trava, zivu::Plataforma& plat) {
  // Only a dead process makes a lock stale, never its age.
  trava.setStaleLockTime(0);
  if (trava.tryLock(0)) return true;
  if (trava.error() != QLockFile::LockFailedError) return true;  // no guard possible here
  if (!zivu::Pergunta_Segunda_Instancia(plat)) return false;
  // The user says the other run is gone: its lock is replaced by ours.
  trava.removeStaleLockFile();
  QFile::remove(trava.fileName());
  trava.tryLock(0);
  return true;
}
