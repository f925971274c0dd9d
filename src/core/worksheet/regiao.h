// Marked regions of the sheet.
#pragma once

#include <cstdint>
#include <vector>

namespace zivu {

// First column 0 means an empty slot.
struct Regiao {
  int32_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  bool vazia() const { return X0 == 0; }
  bool contem(int c, int r) const { return X0 <= c && c <= X1 && Y0 <= r && r <= Y1; }
  bool operator==(const Regiao&) const = default;
};

struct CelulaAno {
  int32_t X = 0, Y = 0;
  bool vazia() const { return X == 0; }
  bool operator==(const CelulaAno&) const = default;
};

}  // namespace zivu
