// How the process takes its memory from the system.
#pragma once

namespace zivu {

// A full sheet touches some tens of MB in a short run, and on small machines
// (virtual ones above all) the page faults of that memory cost more than the
// work itself. This grows the heap in one large step backed by huge pages
// where the system allows it; the memory is only resident once touched.
// Call once at start, before the first large allocation.
void prepara_memoria();

}  // namespace zivu
