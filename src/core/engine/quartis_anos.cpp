// Loading a stored quartile year back into the window, and the header rows
// of its listing grids.
#include <optional>

#include "core/engine/quartis_calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"
#include "core/files/leitor.h"
#include "core/sistema.h"

namespace zivu {

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

bool Aceitar_anoClick_Quartis(Sistema& sis) {
  Quartis& q = sis.quartis;
  const int i = q.Esc_Ano_Projetado_indice;
  if (i < 0 || static_cast<size_t>(i) >= q.Esc_Ano_Projetado.size()) return true;
  const std::string ano = q.Esc_Ano_Projetado[i];

  if (!PegandoNovosTotais(sis, i)) return false;
  q.Ano_Projetado_hint = ano;
  sis.princ.Recarga_Ano = 1;

  const std::string pasta = pasta_temp(sis);
  const std::string marcador = pasta + "QA" + ano;
  const std::optional<std::string> texto = le_bytes(marcador);
  if (!texto) {
    // The chooser stays open.
    sis.plat.erro_geral("Não foi possível abrir o arquivo " + marcador + ".");
    return false;
  }
  q.Adaptar = le_marcador(*texto);

  // A grid file that cannot be read gets the reader's message; the other
  // one is still loaded.
  bool ok = Le_Arquivo(sis, pasta + "QU" + ano + ".CSV", "TXT", q.Tab_Uniao);
  ok = Le_Arquivo(sis, pasta + "Q2" + ano + ".CSV", "TXT", q.Tab_DUniao) && ok;
  Titulos_Quartis(sis);
  Cancelar_anoClick(q);
  return ok;
}

}  // namespace zivu
