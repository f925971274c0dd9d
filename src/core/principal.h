// State of the main window that the core keeps: the menus' enabled states,
// the Quartis check, the block-total panel and the status text.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/plataforma.h"

namespace zivu {

// The fourteen worksheet items of the main menu, in this order.
enum ItemMenu {
  Criar1, Importar1, Exportar1, Copiar1, Colar1, Marcar1, Imprimir1,
  Ano1, Linhaprincipal1, Linhasecundria1, Totaldogrupo1, Dados1, Titulo1, Desmarcar1,
  kItensMenu
};

// Block-total panel "Total do bloco".
struct TelaTotais {
  bool visivel = false;
  std::string Tot_Coord;
  std::string Janela_Total;
};

struct Princ {
  std::array<bool, kItensMenu> menus{};  // enabled state
  bool Calcular1_habilitado = false;
  bool Quartis1_habilitado = false;
  bool Quartis1_marcado = false;
  TelaTotais tela_totais;
  std::string situacao;  // last status text
  // Folder of the per-year result files when not the work folder's "Temp"
  // (zivu-cli calcular --pasta); ends with "/" when set.
  std::string PastaTemp;
  // The file the worksheet was last imported from; empty when none was read.
  std::string ArquivoPlanilha;
  // The day the last run began.
  std::optional<Data> DataCalculo;
};

}  // namespace zivu
