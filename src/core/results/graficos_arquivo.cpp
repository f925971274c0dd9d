#include "core/results/graficos_arquivo.h"

#include "core/text/textos.h"
#include "core/worksheet/sistema.h"

namespace zivu {

std::string titulo_grafico(const Sistema& sis, bool quartis, const std::string& grafico) {
  const std::string& arquivo = sis.princ.ArquivoPlanilha;
  const size_t barra = arquivo.find_last_of("/\\");
  const std::string planilha = arquivo.empty() ? "Planilha sem nome"
                               : barra == std::string::npos ? arquivo
                                                            : arquivo.substr(barra + 1);
  const std::string& ano = quartis ? sis.quartis.Ano_Projetado_hint : sis.simples.Ano_Projetado_hint;
  std::string t = planilha + " - " + (quartis ? "DoDo em Quartis" : "DoDo simples");
  if (!apara(ano).empty()) t += " - " + apara(ano);
  return t + " - " + grafico;
}

std::optional<ArquivoGrafico> escolhe_arquivo_grafico(Sistema& sis) {
  DialogoArquivo d;
  d.filtro = "Imagem PNG|*.png|Imagem SVG|*.svg|Documento PDF|*.pdf";
  d.titulo = "Salvar gráfico";
  const auto escolha = sis.plat.salvar_arquivo(d);
  if (!escolha) return std::nullopt;
  static constexpr const char* kExtensoes[] = {".PNG", ".SVG", ".PDF"};
  static constexpr const char* kMinusculas[] = {".png", ".svg", ".pdf"};
  const int i = escolha->filtro >= 1 && escolha->filtro <= 3 ? escolha->filtro - 1 : 0;
  ArquivoGrafico a{escolha->nome, static_cast<FormatoGrafico>(i)};
  if (!capitais(a.caminho).ends_with(kExtensoes[i])) a.caminho += kMinusculas[i];
  return a;
}

}  // namespace zivu
