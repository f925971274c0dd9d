// The worksheet reader on arbitrary bytes: in worksheet mode (block, marks,
// totals sheet, extent) and in reload mode, then the block written back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/files/gravador.h"
#include "core/files/leitor_interno.h"
#include "core/worksheet/sistema.h"
#include "plataforma_muda.h"

namespace {

zivu::Sistema& sistema() {
  static zivu::fuzz::PlataformaMuda plataforma;
  static zivu::Sistema sis(plataforma);
  return sis;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  zivu::Sistema& sis = sistema();
  const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);

  zivu::Le_Conteudo(sis, "fuzz.csv", bytes, zivu::ModoLeitura::Planilha, sis.origem.DadosEntrada);
  sis.origem.ListaObs();
  const std::string bloco = zivu::bloco_configuracao(sis);
  if (bloco.rfind("[INICIO]\r\n", 0) != 0) __builtin_trap();

  zivu::Le_Conteudo(sis, "fuzz.csv", bytes, zivu::ModoLeitura::Recarga, sis.simples.DadosSaida);
  return 0;
}
