// The whole program's state: the main window's shared pieces, the worksheet,
// and the state the results windows keep. One object per running program.
#pragma once

#include <string>

#include "core/plataforma.h"
#include "core/principal.h"
#include "core/results/quartis.h"
#include "core/results/simples.h"
#include "core/worksheet/origem.h"

namespace zivu {

class Sistema {
 public:
  explicit Sistema(Plataforma& plataforma);
  Sistema(const Sistema&) = delete;
  Sistema& operator=(const Sistema&) = delete;

  Plataforma& plat;
  Princ princ;
  Simples simples;
  Quartis quartis;
  Origem origem;

  // Sets the status bar text (kept and passed to the platform).
  void status(const std::string& texto);
};

}  // namespace zivu
