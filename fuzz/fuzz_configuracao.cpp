// The configuration file reader on arbitrary bytes. Whatever it accepts must
// save, and the saved file must load back to the same record.
#include <unistd.h>

#include <cstdlib>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "core/files/arquivos.h"
#include "core/files/configuracao_arquivo.h"
#include "core/worksheet/sistema.h"
#include "plataforma_muda.h"

namespace {

zivu::Sistema& sistema() {
  static zivu::fuzz::PlataformaMuda plataforma;
  static zivu::Sistema sis(plataforma);
  return sis;
}

std::string temporario(const char* nome) {
  return "/tmp/zivu-fuzz-" + std::to_string(::getpid()) + "-" + nome;
}

const std::string entrada = temporario("entrada.cfg");
const std::string salva1 = temporario("salva1.cfg");
const std::string salva2 = temporario("salva2.cfg");

void apaga_temporarios() {
  for (const std::string* f : {&entrada, &salva1, &salva2}) ::unlink(f->c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  zivu::Sistema& sis = sistema();
  static const bool registrado = std::atexit(apaga_temporarios) == 0;
  (void)registrado;
  {
    std::ofstream f(entrada, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
  }
  if (zivu::Abre_Configuracao(sis, entrada)) {
    if (!zivu::Salva_Configuracao(sis, salva1)) __builtin_trap();
    if (!zivu::Abre_Configuracao(sis, salva1)) __builtin_trap();
    if (!zivu::Salva_Configuracao(sis, salva2)) __builtin_trap();
    if (zivu::le_bytes(salva1) != zivu::le_bytes(salva2)) __builtin_trap();
  }
  return 0;
}
