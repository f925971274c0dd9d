#include "gui/results/simples_janela.h"

TSimples::TSimples(Aplicacao& app) : app_(app) {
  setObjectName("Simples");
  setWindowTitle("DoDo simples");
}
