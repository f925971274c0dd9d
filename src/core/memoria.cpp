#include "core/memoria.h"

#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>

namespace zivu {

void prepara_memoria() {
  // Under a limit of address space or data, a heap that grows by tens of MB
  // at a time would fail where small steps fit: keep the usual heap there.
  for (const int recurso : {RLIMIT_AS, RLIMIT_DATA}) {
    rlimit limite{};
    if (getrlimit(recurso, &limite) != 0 || limite.rlim_cur != RLIM_INFINITY) return;
  }
  constexpr size_t kReserva = size_t{64} << 20;
  constexpr uintptr_t kPaginaGrande = uintptr_t{2} << 20;
  // Large buffers (a whole file, a whole output) stay in the heap rather than
  // in mappings of their own, so they share its huge pages; and the heap is
  // neither grown nor given back in small steps.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TOP_PAD, static_cast<int>(kReserva));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kReserva));
  const auto inicio = reinterpret_cast<uintptr_t>(sbrk(0));
  if (void* p = std::malloc(1 << 20)) std::free(p);
  const auto fim = reinterpret_cast<uintptr_t>(sbrk(0));
  const uintptr_t de = (inicio + kPaginaGrande - 1) & ~(kPaginaGrande - 1);
  const uintptr_t ate = fim & ~(kPaginaGrande - 1);
  // Only advice: where huge pages are off, the heap works as before.
  if (ate > de) madvise(reinterpret_cast<void*>(de), ate - de, MADV_HUGEPAGE);
}

}  // namespace zivu
