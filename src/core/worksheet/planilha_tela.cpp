#include "core/worksheet/planilha_tela.h"

#include "core/worksheet/origem.h"

namespace zivu {

namespace {

// A kind whose last slot is empty has no region to draw.
bool alguma_contem(const std::vector<Regiao>& lista, int c, int r) {
  if (lista.empty() || lista.back().vazia()) return false;
  for (const auto& g : lista)
    if (!g.vazia() && g.contem(c, r)) return true;
  return false;
}

}  // namespace

TipoMarca marca_da_celula(const Origem& o, int c, int r) {
  TipoMarca tipo = TipoMarca::Nenhuma;
  if (!o.CelulasAno.empty() && !o.CelulasAno.back().vazia())
    for (const auto& a : o.CelulasAno)
      if (a.X == c && a.Y == r) tipo = TipoMarca::Ano;
  if (!o.LinhaPrincipal.vazia() && o.LinhaPrincipal.contem(c, r)) tipo = TipoMarca::Principal;
  if (alguma_contem(o.Secundarias, c, r)) tipo = TipoMarca::Secundaria;
  if (alguma_contem(o.AreasDados, c, r)) tipo = TipoMarca::Dados;
  if (alguma_contem(o.Titulos, c, r)) tipo = TipoMarca::Titulo;
  return tipo;
}

bool DadosEntradaKeyPress(Origem& o, char32_t tecla) {
  if (tecla == 7) {
    o.DadosEntrada.escreve(o.Col, o.Row, {});
    // The editing field shows the cell's text, now empty.
    o.DadosEntradaClick();
    return false;
  }
  return tecla == 13;
}

}  // namespace zivu
