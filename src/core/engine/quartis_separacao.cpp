// One quartile year: areas below the threshold become quartile records,
// the others exceptions projected at once; then both orderings, the union
// with its adjustment table, and the year's files.
#include <utility>

#include "core/engine/quartis_calculo.h"
#include "core/engine/aritmetica.h"
#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/validacao.h"

namespace zivu {


namespace {

// Column named by a reference edit: its first character's code minus 64.
int coluna_referencia(const std::string& letra) {
  return letra.empty() ? 0 : static_cast<unsigned char>(letra[0]) - 64;
}

std::array<std::string, 4> identificadores(const Origem& o, int linha) {
  const Configuracao& cfg = o.cfg;
  const std::pair<bool, const std::string*> refs[4] = {{cfg.Existe_cd_maior, &cfg.Cd_maior},
                                                       {cfg.Existe_nome_maior, &cfg.Nome_maior},
                                                       {cfg.Existe_cd_menor, &cfg.Cd_menor},
                                                       {cfg.Existe_nome_menor, &cfg.Nome_menor}};
  std::array<std::string, 4> ident;
  for (int i = 0; i < 4; ++i)
    ident[i] = refs[i].first ? o.DadosEntrada.le(coluna_referencia(*refs[i].second), linha)
                             : "<vazio>";
  return ident;
}

void escreve_linha_quartil(Grade& g, int linha, const std::string& rotulo,
                           const RegistroQuartil& reg) {
  g.cel(0, linha) = std::to_string(linha);
  g.cel(1, linha) = rotulo;
  for (int i = 0; i < 4; ++i) g.cel(2 + i, linha) = reg.ident[i];
  g.cel(6, linha) = texto_geral(reg.pop0);
  g.cel(7, linha) = texto_geral(reg.pop1);
  g.cel(8, linha) = texto_geral(reg.taxa);
}

// Steps 1 and 2: records, exceptions and their projections.
void separa(Sistema& sis, int64_t meses_ano) {
  Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  if (o.CelulasAno.size() < 2) falha_calculo();  // the validation refuses such a sheet
  const int c0 = o.CelulasAno[0].X, c1 = o.CelulasAno[1].X;
  sis.status(sis.princ.situacao + "Separando...");
  const int64_t divisor = le_inteiro(o.cfg.Div_habitantes);
  const int areas = static_cast<int>(o.AreasDados.size());
  q.Sel_Area.minimo = 1;
  q.Sel_Area.maximo = areas < 1 ? 1 : areas;
  if (q.Sel_Area.posicao > q.Sel_Area.maximo) q.Sel_Area.posicao = q.Sel_Area.maximo;
  if (q.Sel_Area.posicao < 1) q.Sel_Area.posicao = 1;
  q.Sel_Area.habilitado = areas > 1;

  q.RegistrosQuartis.clear();
  q.AreaDoRegistro.clear();
  q.NomesAreas.assign(o.AreasDados.size(), "<vazio>");
  Grade& exc = q.Tab_excecoes;
  exc.redimensiona(kColunasExcecoes, 2);
  for (int c = 0; c < exc.colunas(); ++c) exc.cel(c, 1).clear();
  int n_exc = 0;

  for (size_t k = 0; k < o.AreasDados.size(); ++k) {
    const Regiao& area = o.AreasDados[k];
    if (area.vazia()) continue;
    const std::string titulo = o.DadosEntrada.le(1, area.Y0 - 1);
    q.NomesAreas[k] = apara(titulo).empty() ? "<vazio>" : titulo;
    const std::string rotulo = rotulo_area(q, k);
    bool base_lida = false;
    Base base;

    for (int r = area.Y0; r <= area.Y1; ++r) {
      const std::string t1 = Tira_Separadores(o.DadosEntrada.le(c1, r));
      if (le_inteiro(t1) < divisor) {
        RegistroQuartil reg;
        reg.area = static_cast<int32_t>(k);
        reg.ident = identificadores(o, r);
        reg.pop0 = le_numero(o.DadosEntrada, c0, r);
        reg.pop1 = le_numero(o.DadosEntrada, c1, r);
        reg.taxa = taxa_anual(divide(reg.pop1, reg.pop0), o.MesesPesquisas);
        q.RegistrosQuartis.push_back(std::move(reg));
        q.AreaDoRegistro.push_back(static_cast<int32_t>(k));
        continue;
      }
      // An exception: listed and projected here.
      if (!base_lida) {
        base = base_do_bloco(sis, k);
        base_lida = true;
      }
      const int linha = ++n_exc;
      if (linha >= exc.linhas()) exc.redimensiona(kColunasExcecoes, linha + 1);
      const std::string t0 = Tira_Separadores(o.DadosEntrada.le(c0, r));
      const std::array<std::string, 4> ident = identificadores(o, r);
      exc.cel(0, linha) = std::to_string(linha);
      exc.cel(1, linha) = rotulo;
      for (int i = 0; i < 4; ++i) exc.cel(2 + i, linha) = ident[i];
      exc.cel(6, linha) = t0;
      exc.cel(7, linha) = t1;
      const double p0 = static_cast<double>(le_inteiro(t0));
      const double p1 = static_cast<double>(le_inteiro(t1));
      exc.cel(8, linha) = texto_geral(taxa_anual(divide(p1, p0), o.MesesPesquisas));
      const double R = arredonda_resultado(projeta(base, p0, p1));
      exc.cel(9, linha) = texto_geral(R);
      // Only this rate may fail without cancelling the year.
      try {
        const double p1_lido = le_numero(exc, 7, linha);
        exc.cel(10, linha) = texto_geral(taxa_anual(divide(R, p1_lido), meses_ano));
      } catch (const Cancelamento&) {
        exc.cel(10, linha) = "Erro";
      }
    }
  }

  const int n = static_cast<int>(q.RegistrosQuartis.size());
  Grade& tab = q.Tab_Quartil;
  tab.redimensiona(kColunasQuartil, n + 1 < 2 ? 2 : n + 1);
  for (int c = 0; c < tab.colunas(); ++c) tab.cel(c, 1).clear();
  for (int i = 0; i < n; ++i) {
    const RegistroQuartil& reg = q.RegistrosQuartis[i];
    escreve_linha_quartil(tab, i + 1, rotulo_area(q, static_cast<size_t>(reg.area)), reg);
  }
}

// Each block's run of a copy ordered by its key, then written to its grid
// with the cells of Tab_Quartil.
void ordena_copia(Quartis& q, std::vector<int32_t>& ordem, Grade& g, bool por_pop) {
  const size_t n = q.RegistrosQuartis.size();
  ordem.resize(n);
  std::vector<double> chave(n);
  for (size_t i = 0; i < n; ++i) {
    ordem[i] = static_cast<int32_t>(i);
    const RegistroQuartil& reg = q.RegistrosQuartis[i];
    chave[i] = por_pop ? reg.pop1 : reg.taxa;
  }
  for (size_t ini = 0; ini < n;) {
    size_t fim = ini + 1;
    while (fim < n && q.AreaDoRegistro[fim] == q.AreaDoRegistro[ini]) ++fim;
    ordena_por_trocas(ordem, chave, ini, fim);
    ini = fim;
  }

  const Grade& tab = q.Tab_Quartil;
  g.redimensiona(tab.colunas(), tab.linhas());
  for (int c = 0; c < g.colunas(); ++c) g.cel(c, 1).clear();
  for (size_t j = 0; j < n; ++j) {
    const int linha = static_cast<int>(j) + 1;
    const int origem = ordem[j] + 1;
    g.cel(0, linha) = std::to_string(linha);
    for (int c = 1; c < g.colunas(); ++c) g.cel(c, linha) = tab.cel(c, origem);
  }
}

}  // namespace

void Ordem_por_Pop(Quartis& q) { ordena_copia(q, q.ordem_pop, q.Tab_quartil_ordem_pop, true); }

void Ordem_por_Tax(Quartis& q) { ordena_copia(q, q.ordem_tax, q.Tab_quartil_ordem_tax, false); }

bool Projeta_Ano_Quartis(Sistema& sis, const std::string& ano) {
  Quartis& q = sis.quartis;
  try {
    const int64_t meses_ano = MesesAteAno(sis.origem, ano_de(ano));
    separa(sis, meses_ano);

    sis.status(sis.princ.situacao + "Ordenando...");
    Ordem_por_Pop(q);
    Ordem_por_Tax(q);
    q.grupo_pop.assign(q.RegistrosQuartis.size(), 0);

    q.Tab_Descricao.redimensiona(kColunasDescricao, q.Tab_Quartil.linhas());
  } catch (const Cancelamento& c) {
    mostra_cancelamento(sis, c);
    return false;
  }
  if (!Une_Quartis_Excecoes(sis, ano)) return false;

  try {
    Grava_Ano(sis, ano, Metodo::Quartis);
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

}  // namespace zivu
