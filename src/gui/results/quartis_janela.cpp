#include "gui/results/quartis_janela.h"

TQuartis::TQuartis(Aplicacao& app) : app_(app) {
  setObjectName("Quartis");
  setWindowTitle("DoDo em Quartis");
}
