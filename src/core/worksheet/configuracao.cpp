#include "core/worksheet/configuracao.h"

namespace zivu {

const char* const kMeses[12] = {"Janeiro", "Fevereiro", "Março",    "Abril",
                                "Maio",    "Junho",     "Julho",    "Agosto",
                                "Setembro", "Outubro",  "Novembro", "Dezembro"};

}  // namespace zivu
