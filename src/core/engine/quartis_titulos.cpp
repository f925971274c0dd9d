// Labels of the quartile window: the data areas and the header rows of the
// listing grids for the year on screen.
#include "core/engine/quartis_calculo.h"
#include "core/worksheet/sistema.h"

namespace zivu {

std::string rotulo_area(const Quartis& q, size_t k) {
  return std::to_string(k + 1) + " - " + (k < q.NomesAreas.size() ? q.NomesAreas[k] : "<vazio>");
}

void Titulos_Quartis(Sistema& sis) {
  const Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  auto ano_celula = [&o](size_t i) {
    return i < o.CelulasAno.size() ? o.DadosEntrada.le(o.CelulasAno[i].X, o.CelulasAno[i].Y)
                                   : std::string();
  };
  const std::string y0 = ano_celula(0), y1 = ano_celula(1), ano = q.Ano_Projetado_hint;
  static const char* const titulos[] = {"Área", "Cód. UF", "UF", "Cód. Mun.", "Município"};

  for (Grade* g : {&q.Tab_Quartil, &q.Tab_quartil_ordem_pop, &q.Tab_quartil_ordem_tax}) {
    for (int i = 0; i < 5; ++i) g->escreve(1 + i, 0, titulos[i]);
    g->escreve(6, 0, y0);
    g->escreve(7, 0, y1);
    g->escreve(8, 0, "Taxa");
  }
  Grade& d = q.Tab_Descricao;
  d.escreve(1, 0, "Grupo");
  for (int i = 0; i < 5; ++i) d.escreve(2 + i, 0, titulos[i]);
  d.escreve(7, 0, y0);
  d.escreve(8, 0, y1);
  d.escreve(9, 0, "Taxa " + y0 + "/" + y1);
  d.escreve(10, 0, ano);
  d.escreve(11, 0, "Taxa " + y1 + "/" + ano);
  for (Grade* g : {&q.Tab_excecoes, &q.Tab_Uniao}) {
    for (int i = 0; i < 5; ++i) g->escreve(1 + i, 0, titulos[i]);
    g->escreve(6, 0, y0);
    g->escreve(7, 0, y1);
    g->escreve(8, 0, "Taxa " + y0 + "/" + y1);
    g->escreve(9, 0, ano);
    g->escreve(10, 0, "Taxa " + y1 + "/" + ano);
  }
}

}  // namespace zivu
