// A worksheet read from arbitrary bytes, then "Calcular" by both methods and
// the simple adjustment: whatever the reader accepts must never crash the
// validation or the engine.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/engine/calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/leitor_interno.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"
#include "plataforma_muda.h"

namespace {

const std::string& pasta() {
  static const std::string p = "/tmp/zivu-fuzz-calculo-" + std::to_string(::getpid());
  return p;
}

void apaga_pasta() {
  std::error_code ec;
  std::filesystem::remove_all(pasta(), ec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
  // The folder's name is built first, so it outlives the exit handler.
  static const bool registrado = !pasta().empty() && std::atexit(apaga_pasta) == 0;
  (void)registrado;
  static zivu::fuzz::PlataformaMuda plataforma;
  static zivu::Sistema sis(plataforma);
  sis.princ.PastaTemp = pasta();
  const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
  zivu::Le_Conteudo(sis, "fuzz.csv", bytes, zivu::ModoLeitura::Planilha, sis.origem.DadosEntrada);

  // Thousands of intermediate years are valid but only slow: keep runs short.
  zivu::Origem& o = sis.origem;
  if (o.cfg.Anos_intermediarios) {
    const auto tx = zivu::para_inteiro(o.cfg.AnoProj);
    const auto t1 = o.CelulasAno.size() > 1
                        ? zivu::para_inteiro(o.DadosEntrada.le(o.CelulasAno[1].X, o.CelulasAno[1].Y))
                        : std::nullopt;
    if (!tx || !t1 || *tx - *t1 > 12) o.define_Anos_intermediarios(false);
  }

  for (bool quartis : {false, true}) {
    o.MetodoQuartisClick(quartis);
    zivu::Calcular(sis);
    if (!quartis && sis.simples.Adaptar) zivu::AdaptarClick(sis);
  }
  return 0;
}
