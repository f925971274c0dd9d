#include "gui/app/atalho.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/janela_principal.h"

namespace {

// A value of a desktop entry: backslashes and line breaks escaped.
QString valor_entrada(QString v) {
  v.replace('\\', "\\\\");
  v.replace('\n', "\\n");
  v.replace('\r', "\\r");
  v.replace('\t', "\\t");
  return v;
}

// An argument of the Exec key, quoted when it holds reserved characters.
QString argumento_exec(const QString& a) {
  static const QString reservados = " \t\n\"'\\><~|&;$*?#()`=%";
  bool cita = a.isEmpty();
  for (QChar c : a)
    if (reservados.contains(c)) cita = true;
  if (!cita) return a;
  QString q;
  for (QChar c : a) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') q += '\\';
    q += c;
  }
  q.replace('%', "%%");
  return '"' + q + '"';
}

}  // namespace

QString texto_lancador(const QString& alvo, const QString& argumentos, const QString& descricao,
                       const QString& nome, const QString& pasta_trabalho) {
  QString exec = argumento_exec(alvo);
  if (!argumentos.isEmpty()) exec += ' ' + argumentos;
  QString t = "[Desktop Entry]\n";
  t += "Type=Application\n";
  t += "Version=1.0\n";
  t += "Name=" + valor_entrada(nome) + "\n";
  if (!descricao.isEmpty()) t += "Comment=" + valor_entrada(descricao) + "\n";
  t += "Exec=" + valor_entrada(exec) + "\n";
  if (!pasta_trabalho.isEmpty()) t += "Path=" + valor_entrada(pasta_trabalho) + "\n";
  t += "Terminal=false\n";
  return t;
}

QString pasta_shell(const QString& nome) {
  if (nome == "Desktop") return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return QString();
}

bool CriaAtalho(const QString& alvo, const QString& argumentos, const QString& nome_pasta_shell,
                const QString& descricao, const QString& nome, const QString& pasta_trabalho,
                zivu::Plataforma& plat) {
  const QString pasta = pasta_shell(nome_pasta_shell);
  QString erro;
  if (pasta.isEmpty()) {
    erro = "Pasta \"" + nome_pasta_shell + "\" desconhecida.";
  } else if (!QDir().mkpath(pasta)) {
    erro = "Não foi possível criar a pasta " + pasta + ".";
  } else {
    const QString caminho = QDir(pasta).filePath(nome + ".desktop");
    QSaveFile arquivo(caminho);
    if (arquivo.open(QIODevice::WriteOnly)) {
      arquivo.write(texto_lancador(alvo, argumentos, descricao, nome, pasta_trabalho).toUtf8());
      if (arquivo.commit()) {
        // Desktops only start launchers that may be executed.
        QFile::setPermissions(caminho, QFile::permissions(caminho) | QFile::ExeOwner | QFile::ExeUser);
        zivu::Aviso_Atalho_Criado(plat, caminho.toStdString());
        return true;
      }
    }
    erro = arquivo.errorString();
  }
  zivu::Aviso_Falha_Atalho(plat, erro.toStdString());
  return false;
}
