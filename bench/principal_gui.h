// The entry point shared by the desktop program's benchmarks: offscreen unless
// told otherwise, point as the decimal separator.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include "core/text/numeros.h"

namespace zivu::bench {

inline int roda_benchmarks_gui(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  definir_separador_decimal('.');
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace zivu::bench
