// Saving a chart: its title, naming what it shows, and the save dialog with
// the three formats offered.
#pragma once

#include <optional>
#include <string>

namespace zivu {

class Sistema;

// "<worksheet> - <method> - <year> - <chart>", the worksheet by its file
// name (without folder) or "Planilha sem nome", the method as its window is
// named; `grafico` names the chart and its area or block.
std::string titulo_grafico(const Sistema& sis, bool quartis, const std::string& grafico);

enum class FormatoGrafico { PNG, SVG, PDF };
struct ArquivoGrafico {
  std::string caminho;
  FormatoGrafico formato = FormatoGrafico::PNG;
};
// The save dialog of a chart: the format by the filter chosen, the name
// completed with its extension when it does not end so. Nothing when cancelled.
std::optional<ArquivoGrafico> escolhe_arquivo_grafico(Sistema& sis);

}  // namespace zivu
