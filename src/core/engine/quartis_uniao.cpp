// The union table: per block, its quartile records in population order with
// their projections, then its exceptions.
#include <map>
#include <string_view>

#include "core/engine/quartis_calculo.h"
#include "core/engine/aritmetica.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/worksheet/validacao.h"

namespace zivu {


namespace {

// Rows of Tab_excecoes by the block number their label starts with. A label
// is the block number, " - " and the block's title, so block 1 never takes
// the rows of block 10.
std::map<std::string, std::vector<int>, std::less<>> excecoes_por_bloco(const Grade& exc) {
  std::map<std::string, std::vector<int>, std::less<>> blocos;
  for (int r = 1; r < exc.linhas(); ++r) {
    const std::string& rotulo = exc.cel(1, r);
    const size_t p = rotulo.find(" - ");
    if (p == std::string::npos) continue;
    blocos[rotulo.substr(0, p)].push_back(r);
  }
  return blocos;
}

void une(Sistema& sis, const std::string& ano) {
  const Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  const int64_t meses = MesesAteAno(o, ano_de(ano));
  const Grade& exc = q.Tab_excecoes;
  const Grade& tab = q.Tab_Quartil;
  Grade& uni = q.Tab_Uniao;

  const auto blocos = excecoes_por_bloco(exc);
  const size_t areas = o.AreasDados.size();
  size_t total = q.RegistrosQuartis.size();
  for (size_t k = 0; k < areas; ++k) {
    const auto it = blocos.find(std::to_string(k + 1));
    if (it != blocos.end()) total += it->second.size();
  }

  uni.limpa();
  uni.redimensiona(exc.colunas(), total + 1 < 2 ? 2 : static_cast<int>(total) + 1);
  for (int c = 0; c < uni.colunas(); ++c) uni.cel(c, 0) = exc.cel(c, 0);

  int linha = 0;
  size_t pos = 0;
  const size_t n = q.ordem_pop.size();
  for (size_t k = 0; k < areas; ++k) {
    if (pos < n && q.AreaDoRegistro[pos] == static_cast<int32_t>(k)) {
      const Base base = base_do_bloco(sis, k);
      for (; pos < n && q.AreaDoRegistro[pos] == static_cast<int32_t>(k); ++pos) {
        const int32_t i = q.ordem_pop[pos];
        const RegistroQuartil& reg = q.RegistrosQuartis[i];
        ++linha;
        uni.cel(0, linha) = std::to_string(linha);
        for (int c = 1; c <= 8; ++c) uni.cel(c, linha) = tab.cel(c, i + 1);
        const double R = arredonda_resultado(projeta(base, reg.pop0, reg.pop1));
        uni.cel(9, linha) = texto_geral(R);
        const double taxa = taxa_anual(divide(R < 0 ? -R : R, reg.pop1), meses);
        std::string texto = texto_mascara(taxa, o.MascaraDecimais);
        // Kept as users know it: the sign goes in front even of a negative rate.
        uni.cel(10, linha) = R < 0 ? "-" + texto : std::move(texto);
      }
    }
    const auto it = blocos.find(std::to_string(k + 1));
    if (it == blocos.end()) continue;
    for (int r : it->second) {
      ++linha;
      uni.cel(0, linha) = std::to_string(linha);
      for (int c = 1; c < uni.colunas(); ++c) uni.cel(c, linha) = exc.cel(c, r);
    }
  }
}

}  // namespace

bool Une_Quartis_Excecoes(Sistema& sis, const std::string& ano) {
  Quartis& q = sis.quartis;
  sis.plat.cursor_espera(true);
  q.Adaptar = false;
  // "Resultado" then "Descrição" are shown; the last one stays in front.
  q.pagina = PaginaQuartis::DUniao;
  try {
    une(sis, ano);
  } catch (const Cancelamento& c) {
    mostra_cancelamento(sis, c);
    return false;
  }
  const bool ok = Monta_Ajuste(sis);
  sis.plat.cursor_espera(false);
  return ok;
}

}  // namespace zivu
