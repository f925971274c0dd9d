// The adjustment table of the union (one row per block) and its application.
#include <cstdint>
#include <vector>

#include "core/engine/quartis_calculo.h"
#include "core/engine/aritmetica.h"
#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {


namespace {

// Block number of a union label: the text up to two characters before its
// first "-".
int64_t bloco_do_rotulo(const std::string& rotulo) {
  const size_t p = rotulo.find('-');
  const size_t n = p == std::string::npos || p < 1 ? 0 : p - 1;
  return le_inteiro(std::string_view(rotulo).substr(0, n));
}

// Sums of projected populations; absurd sheets could overflow them.
int64_t soma(int64_t a, int64_t b) {
  int64_t r;
  if (__builtin_add_overflow(a, b, &r)) falha_calculo();
  return r;
}
int64_t diferenca(int64_t a, int64_t b) {
  int64_t r;
  if (__builtin_sub_overflow(a, b, &r)) falha_calculo();
  return r;
}

struct Bloco {
  int64_t esperada = 0, soma = 0, maior = 0;
  int linha_maior = 0;
  int linha_tabela = 0;  // its row of Tab_DUniao
};

void monta(Sistema& sis) {
  const Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  const Grade& u = q.Tab_Uniao;
  Grade& d = q.Tab_DUniao;

  // Rebuilt from empty, so the table holds exactly one row per block.
  d.limpa();
  d.redimensiona(kColunasDUniao, 2);
  static const char* const titulos[] = {"", "Área", "Pop. esperada", "Pop. resultante",
                                        "Maior Pop.", "Passar para", "Linha"};
  for (int c = 0; c < kColunasDUniao; ++c) d.cel(c, 0) = titulos[c];

  const size_t areas = o.AreasDados.size();
  std::vector<Bloco> blocos(areas);
  int lin_u = 1;
  for (size_t k = 0; k < areas; ++k) {
    Bloco& b = blocos[k];
    b.linha_maior = lin_u;
    const std::string& primeira = u.le(9, lin_u);
    if (!apara(u.le(1, lin_u)).empty()) b.maior = le_inteiro(primeira);
    if (!d.cel(1, d.linhas() - 1).empty()) d.redimensiona(kColunasDUniao, d.linhas() + 1);
    const int linha = d.linhas() - 1;
    b.linha_tabela = linha;
    d.cel(0, linha) = std::to_string(k + 1);
    d.cel(1, linha) = u.le(1, lin_u);
    if (o.cfg.DoDo_geral)
      b.esperada = o.TotalPrincipal;
    else
      b.esperada = k < o.TotaisSecundarios.size() ? o.TotaisSecundarios[k] : 0;

    while (!apara(u.le(1, lin_u)).empty() &&
           bloco_do_rotulo(u.le(1, lin_u)) == static_cast<int64_t>(k) + 1) {
      const int64_t v = le_inteiro(u.le(9, lin_u));
      b.soma = soma(b.soma, v);
      if (v > b.maior) {
        b.maior = v;
        b.linha_maior = lin_u;
      }
      ++lin_u;
    }
  }

  // "DoDo geral": the whole difference goes to the largest population of all
  // blocks, as the simple window does; every other block keeps its own sum.
  if (o.cfg.DoDo_geral && !blocos.empty()) {
    int64_t total = 0;
    size_t maior = 0;
    for (size_t k = 0; k < areas; ++k) {
      total = soma(total, blocos[k].soma);
      if (blocos[k].maior > blocos[maior].maior) maior = k;
    }
    for (size_t k = 0; k < areas; ++k) blocos[k].esperada = blocos[k].soma;
    blocos[maior].esperada = soma(blocos[maior].esperada, diferenca(o.TotalPrincipal, total));
  }

  for (size_t k = 0; k < areas; ++k) {
    const Bloco& b = blocos[k];
    // Blocks past the union's end share the last row, as no row is added
    // after an empty label.
    const int linha = b.linha_tabela;
    const int64_t falta = diferenca(b.esperada, b.soma);
    d.cel(2, linha) = texto_geral(static_cast<double>(b.esperada));
    d.cel(3, linha) = texto_geral(static_cast<double>(b.soma));
    d.cel(4, linha) = texto_geral(static_cast<double>(b.maior));
    d.cel(5, linha) = texto_geral(static_cast<double>(soma(b.maior, falta)));
    d.cel(6, linha) = std::to_string(b.linha_maior);
    if (falta != 0) q.Adaptar = true;
  }
}

}  // namespace

bool Monta_Ajuste(Sistema& sis) {
  try {
    monta(sis);
  } catch (const Cancelamento& c) {
    mostra_cancelamento(sis, c);
    return false;
  }
  return true;
}

bool AdaptarClick_Quartis(Sistema& sis) {
  Quartis& q = sis.quartis;
  const Grade& d = q.Tab_DUniao;
  // Checked whole before any cell changes; a row without a block is skipped.
  std::vector<int64_t> linhas(static_cast<size_t>(d.linhas()), 0);
  try {
    for (int i = 1; i < d.linhas(); ++i)
      if (!apara(d.cel(6, i)).empty()) linhas[i] = le_inteiro(d.cel(6, i));
  } catch (const Cancelamento& c) {
    mostra_cancelamento(sis, c);
    return false;
  }
  for (int i = 1; i < d.linhas(); ++i)
    if (linhas[i] > 0 && linhas[i] < q.Tab_Uniao.linhas())
      q.Tab_Uniao.escreve(9, static_cast<int>(linhas[i]), d.cel(5, i));
  q.Adaptar = false;
  try {
    Grava_Ano(sis, q.Ano_Projetado_hint, Metodo::Quartis);
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

}  // namespace zivu
