#include "core/worksheet/titulo_area.h"

#include <algorithm>
#include <utility>

#include "core/text/textos.h"
#include "core/worksheet/origem.h"

namespace zivu {

namespace {

// A reference point names its column by its first character, A..Z.
int coluna_referencia(const std::string& letra) {
  const int c = letra.empty() ? 0 : static_cast<unsigned char>(letra[0]) - 64;
  return c >= 1 && c <= 26 ? c : 0;
}

void junta(std::string& destino, const std::string& texto) {
  const std::string t = apara(texto);
  if (t.empty()) return;
  if (!destino.empty()) destino += ' ';
  destino += t;
}

}  // namespace

std::string titulo_da_linha(const Origem& o, int linha) {
  const Configuracao& cfg = o.cfg;
  const Grade& g = o.DadosEntrada;
  std::string titulo;
  if (cfg.Existe_cd_menor || cfg.Existe_nome_menor) {
    for (const auto& [existe, letra] : {std::pair{cfg.Existe_cd_menor, &cfg.Cd_menor}, {cfg.Existe_nome_menor, &cfg.Nome_menor}})
      if (const int c = coluna_referencia(*letra); existe && c > 0) junta(titulo, g.le(c, linha));
    if (!titulo.empty()) return titulo;
  }
  // Title regions may overlap or come in any order: each column once, left to right.
  for (int c = 1; c < kColunasPlanilha; ++c)
    if (std::any_of(o.Titulos.begin(), o.Titulos.end(),
                    [&](const Regiao& t) { return !t.vazia() && t.contem(c, linha); }))
      junta(titulo, g.le(c, linha));
  return titulo;
}

}  // namespace zivu
