// The report of a run ("Relatório"): one self-contained HTML page in
// Portuguese with the worksheet, the settings, the totals used, each block's
// figures and adjustment, the areas to look at, the back-test when one was
// made, and the charts the caller drew.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zivu {

class Sistema;

// A chart drawn by the caller: its title and an <svg> element, inlined as
// given (an XML declaration or document type before it is dropped). A
// fragment without <svg> goes in whole, e.g. an <img> of a resource the
// caller registered where inline SVG is not drawn (a QTextDocument for PDF).
struct GraficoRelatorio {
  std::string titulo;
  std::string svg;
};

// The report of the year shown in the results window of the method
// (`quartis`), with that year's expected totals. Nothing when those totals
// did not convert (the message was shown).
std::optional<std::string> Relatorio_HTML(Sistema& sis, bool quartis,
                                          const std::vector<GraficoRelatorio>& graficos = {});

// Writes the report (UTF-8) through a temporary file. False when it could
// not be made or written (the message was shown).
bool Grava_Relatorio(Sistema& sis, bool quartis, const std::string& caminho,
                     const std::vector<GraficoRelatorio>& graficos = {});

// The save dialog of "Relatório": the page (filter 1) or a PDF of it
// (filter 2), the name completed with ".html" or ".pdf" when it does not end
// so. Nothing when cancelled.
enum class FormatoRelatorio { HTML, PDF };
struct ArquivoRelatorio {
  std::string caminho;
  FormatoRelatorio formato = FormatoRelatorio::HTML;
};
std::optional<ArquivoRelatorio> escolhe_arquivo_relatorio(Sistema& sis);

// Text made safe inside HTML: & < > " ' as character references.
std::string escapa_html(std::string_view texto);

}  // namespace zivu
