// The desktop launcher: a freedesktop ".desktop" file stands for the shell
// link of other systems.
#pragma once

#include <QString>

namespace zivu {
class Plataforma;
}

// Text of a launcher that runs `alvo` with `argumentos` in `pasta_trabalho`.
QString texto_lancador(const QString& alvo, const QString& argumentos, const QString& descricao,
                       const QString& nome, const QString& pasta_trabalho);

// Folder of a shell-folder name ("Desktop"); empty when unknown.
QString pasta_shell(const QString& nome);

// Writes "<pasta of pasta_shell>/<nome>.desktop". On failure shows the
// shortcut warning with the error's text and returns false.
bool CriaAtalho(const QString& alvo, const QString& argumentos, const QString& nome_pasta_shell,
                const QString& descricao, const QString& nome, const QString& pasta_trabalho,
                zivu::Plataforma& plat);
