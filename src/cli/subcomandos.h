// The commands of zivu-cli. Each lives in its own file and is listed once in
// subcomandos.cpp.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace zivu::cli {

// Exit status.
inline constexpr int kSucesso = 0;
inline constexpr int kMensagem = 1;  // a message of the system ended the command
inline constexpr int kErroUso = 2;

struct Subcomando {
  const char* nome;
  const char* uso;    // arguments after the name, for the usage lines
  const char* ajuda;  // paragraph of --help, lines ending in "\n"
  int (*executa)(const std::vector<std::string>& argumentos);
};

extern const Subcomando kExportar;
extern const Subcomando kCalcular;
extern const Subcomando kAvaliar;

std::span<const Subcomando* const> subcomandos();

// Usage error of a command: prints the reason and the command's usage to
// standard error and returns kErroUso.
int erro_uso(const Subcomando& sub, const std::string& motivo);
// The command's own help on standard output; returns kSucesso.
int mostra_ajuda(const Subcomando& sub);

}  // namespace zivu::cli
