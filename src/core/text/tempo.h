// Elapsed time of a calculation.
#pragma once

#include <cstdint>
#include <string>

namespace zivu {

// Seconds since midnight of the current time (milliseconds dropped).
int32_t Hora_em_Segundos();
// hh:mm:ss of end - start; below 1 second "00:00:00".
std::string Tempo_Decorrido(int64_t inicio, int64_t fim);
// Seconds on a monotonic clock, so a run that passes midnight is timed right.
int64_t segundos_monotonicos();

}  // namespace zivu
