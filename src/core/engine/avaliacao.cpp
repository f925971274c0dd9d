// Back-test: per area the DoDo projection of the test year (the simple
// method's formulas and rounding, without "Adaptar") and three yardsticks
// controlled to each block's target total, then the percentage errors
// against the test column, summed up per method, per block and per size
// class.
#include "core/engine/avaliacao.h"

#include <algorithm>
#include <cmath>

#include "core/engine/aritmetica.h"
#include "core/engine/formulas.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/titulo_area.h"

namespace zivu {

namespace {

constexpr const char* kImpossivel = "Impossível continuar.";

template <typename F>
void cada_linha(const BlocoDoDo& b, F&& f) {
  for (const Regiao& d : b.regioes)
    for (int r = d.Y0; r <= d.Y1; ++r) f(r);
}

std::optional<int64_t> ano_pesquisa(const Origem& o, size_t i) {
  if (o.CelulasAno.size() <= i) return std::nullopt;
  return para_inteiro(apara(o.DadosEntrada.le(o.CelulasAno[i].X, o.CelulasAno[i].Y)));
}

// A usable observation: a number > 0.
std::optional<double> observacao(const Grade& g, int coluna, int linha) {
  const auto v = valor_planilha(apara(g.le(coluna, linha)));
  if (v && *v > 0) return v;
  return std::nullopt;
}

// Uncontrolled value of a yardstick for one area.
double bruto(MetodoAvaliacao m, double p0, double p1, double h) {
  switch (m) {
    case MetodoAvaliacao::TendenciaLinear: return std::max(0.0, p1 + (p1 - p0) * h);
    case MetodoAvaliacao::TendenciaExponencial: {
      if (p0 <= 0) return p1;
      const auto f = potencia(p1 / p0, h);
      return f ? p1 * *f : NAN;
    }
    default: return p1;
  }
}

// Type 7 quantile (linear between order statistics) of sorted values.
double quantil(const std::vector<double>& v, double q) {
  const double pos = q * static_cast<double>(v.size() - 1);
  const size_t i = static_cast<size_t>(pos);
  if (i + 1 >= v.size()) return v.back();
  return v[i] + (pos - static_cast<double>(i)) * (v[i + 1] - v[i]);
}

// Size classes by the quartiles of p1 among the observed areas.
void classes_de_tamanho(Avaliacao& a) {
  std::vector<double> p1;
  for (const AreaAvaliada& x : a.areas)
    if (x.observado) p1.push_back(x.p1);
  std::sort(p1.begin(), p1.end());
  if (!p1.empty())
    for (int i = 0; i < 3; ++i) a.limites_classes[i] = quantil(p1, 0.25 * (i + 1));
  const auto& q = a.limites_classes;
  for (AreaAvaliada& x : a.areas)
    if (x.observado) x.classe = x.p1 <= q[0] ? 1 : x.p1 <= q[1] ? 2 : x.p1 <= q[2] ? 3 : 4;
  const std::string q1 = texto_0_cerquilhas(q[0]), q2 = texto_0_cerquilhas(q[1]), q3 = texto_0_cerquilhas(q[2]);
  for (const std::string& nome : {"Tamanho 1: até " + q1, "Tamanho 2: acima de " + q1 + " até " + q2,
                                  "Tamanho 3: acima de " + q2 + " até " + q3, "Tamanho 4: acima de " + q3})
    a.classes.push_back({nome, {}});
}

// Every summary in one pass per method: the areas' pairs go to their block
// and size class.
void resume_grupos(Avaliacao& a) {
  using Pares = std::vector<std::pair<double, double>>;
  for (MetodoAvaliacao m : kMetodosAvaliados) {
    const size_t i = static_cast<size_t>(m);
    Pares todos;
    std::vector<Pares> blocos(a.blocos.size()), classes(a.classes.size());
    for (const AreaAvaliada& x : a.areas) {
      if (!x.PE(m)) continue;
      const std::pair<double, double> par{*x.projecao[i], *x.observado};
      todos.push_back(par);
      blocos[static_cast<size_t>(x.bloco)].push_back(par);
      if (x.classe > 0) classes[static_cast<size_t>(x.classe - 1)].push_back(par);
    }
    a.resumo[i] = resume_erros(todos);
    for (size_t k = 0; k < blocos.size(); ++k) a.blocos[k].resumo[i] = resume_erros(blocos[k]);
    for (size_t k = 0; k < classes.size(); ++k) a.classes[k].resumo[i] = resume_erros(classes[k]);
  }
}

}  // namespace

ResumoErros resume_erros(const std::vector<std::pair<double, double>>& pares) {
  ResumoErros r;
  if (pares.empty()) return r;
  std::vector<double> ape;
  ape.reserve(pares.size());
  double soma_pe = 0, soma_abs = 0, soma_o = 0;
  int acima = 0;
  for (const auto& [P, O] : pares) {
    const double pe = 100.0 * (P - O) / O;
    ape.push_back(std::fabs(pe));
    soma_pe += pe;
    soma_abs += std::fabs(P - O);
    soma_o += O;
    if (ape.back() > 10) ++acima;
  }
  const size_t n = ape.size();
  const double dn = static_cast<double>(n);
  r.areas = static_cast<int>(n);
  double soma_ape = 0;
  for (double x : ape) soma_ape += x;
  r.MAPE = soma_ape / dn;
  // The middle value, and for an even count the largest of the lower half too.
  const auto meio = ape.begin() + static_cast<std::ptrdiff_t>(n / 2);
  std::nth_element(ape.begin(), meio, ape.end());
  r.MedAPE = n % 2 ? *meio : (*std::max_element(ape.begin(), meio) + *meio) / 2;
  r.MALPE = soma_pe / dn;
  r.WAPE = 100.0 * soma_abs / soma_o;
  r.EPA10 = 100.0 * acima / dn;
  return r;
}

int coluna_teste(std::string_view letra) {
  const int c = NumColuna(capitais(apara(letra)));
  return c < kColunasPlanilha ? c : 0;
}

std::optional<std::string> confere_coluna_teste(const Origem& o, std::string_view letra) {
  const int c = coluna_teste(letra);
  if (c == 0)
    return "Coluna de teste inválida: '" + std::string(letra) +
           "'.\nInforme a letra de uma coluna da planilha, de A a Z.";
  const std::string L = letra_coluna(c);
  for (const CelulaAno& a : o.CelulasAno)
    if (a.X == c)
      return "A coluna de teste " + L +
             " é a de uma das pesquisas.\nInforme a coluna que traz a população da pesquisa posterior.";
  for (const BlocoDoDo& b : blocos_dodo(o)) {
    bool achou = false;
    cada_linha(b, [&](int r) { achou = achou || valor_planilha(apara(o.DadosEntrada.le(c, r))).has_value(); });
    if (achou) return std::nullopt;
  }
  return "A coluna de teste " + L + " não tem nenhum número nas áreas de dados.";
}

std::optional<std::string> confere_ano_teste(const Origem& o, std::string_view ano) {
  const auto t1 = ano_pesquisa(o, 1);
  const std::string T1 = t1 ? texto_inteiro(*t1) : "?";
  const auto v = para_inteiro(apara(ano));
  if (!v || *v < 1 || *v > 9999)
    return "Ano de teste inválido: '" + std::string(ano) + "'.\nInforme um ano posterior ao da segunda pesquisa (" +
           T1 + ").";
  if (!t1 || *v <= *t1) return "O ano de teste deve ser posterior ao da segunda pesquisa (" + T1 + ").";
  return std::nullopt;
}

std::variant<Avaliacao, std::string> avalia(const Origem& o, int coluna, int64_t ano) {
  Avaliacao a;
  a.coluna = coluna;
  a.ano = ano;
  const auto T0 = ano_pesquisa(o, 0), T1 = ano_pesquisa(o, 1);
  if (!T0 || !T1) return std::string("Ano inválido.");
  const Grade& g = o.DadosEntrada;
  const int c0 = o.CelulasAno[0].X, c1 = o.CelulasAno[1].X;
  const double t0 = 12.0 * static_cast<double>(*T0) + o.cfg.Mes_Ano0;
  const double t1 = 12.0 * static_cast<double>(*T1) + o.cfg.Mes_Ano1;
  const double t2 = 12.0 * static_cast<double>(ano) + o.cfg.Mes_AnoX;
  if (!(t1 > t0)) return std::string("Ano inválido.");
  a.h = (t2 - t1) / (t1 - t0);

  const std::vector<BlocoDoDo> blocos = blocos_dodo(o);
  std::vector<double> brutos[kMetodosAvaliacao];
  for (size_t k = 0; k < blocos.size(); ++k) {
    const BlocoDoDo& b = blocos[k];
    const size_t inicio = a.areas.size();
    cada_linha(b, [&](int r) {
      AreaAvaliada x;
      x.linha = r;
      x.bloco = static_cast<int>(k);
      x.titulo = titulo_da_linha(o, r);
      x.observado = observacao(g, coluna, r);
      a.areas.push_back(std::move(x));
    });

    // The target total: the line's own observed value, else the block's observed sum.
    double PX = 0;
    const std::string total = apara(g.le(coluna, b.base));
    if (total.empty()) {
      for (size_t i = inicio; i < a.areas.size(); ++i) PX += a.areas[i].observado.value_or(0);
    } else if (const auto v = valor_planilha(total)) {
      PX = *v;
    } else {
      return "Valor inválido na coluna de teste, na linha do bloco.\n\nCélula " + endereco(coluna, b.base) +
             "\n\nCorrija e tente novamente.";
    }
    a.PX.push_back(PX);

    const auto B0 = valor_planilha(g.le(c0, b.base));
    const auto B1 = valor_planilha(g.le(c1, b.base));
    for (auto& v : brutos) v.clear();
    for (size_t i = inicio; i < a.areas.size(); ++i) {
      AreaAvaliada& x = a.areas[i];
      const auto p0 = valor_planilha(g.le(c0, x.linha));
      const auto p1 = valor_planilha(g.le(c1, x.linha));
      const auto dodo = B0 && B1 && p0 && p1 ? projecao_dodo(*B0, *B1, PX, *p0, *p1) : std::nullopt;
      const auto P = dodo ? populacao_inteira(dodo->P) : std::nullopt;
      if (!P)
        return "Não foi possível projetar pelo DoDo a área da linha " + std::to_string(x.linha) +
               ".\n\nConfira as populações da área e da linha do seu bloco (linha " + std::to_string(b.base) +
               ") nas duas pesquisas.";
      x.p0 = *p0;
      x.p1 = *p1;
      x.projecao[0] = static_cast<double>(*P);
      for (int m = 1; m < kMetodosAvaliacao; ++m) brutos[m].push_back(bruto(kMetodosAvaliados[m], x.p0, x.p1, a.h));
    }
    // Each yardstick controlled to PX within the block; one that sums to
    // nothing (or overflows) has no projection there.
    for (int m = 1; m < kMetodosAvaliacao; ++m) {
      double soma = 0;
      for (double v : brutos[m]) soma += v;
      if (!finito(soma) || soma <= 0) continue;
      for (size_t i = inicio; i < a.areas.size(); ++i) {
        const double P = brutos[m][i - inicio] * PX / soma;
        if (finito(P)) a.areas[i].projecao[m] = P;
      }
    }
  }

  for (const AreaAvaliada& x : a.areas) a.sem_observacao += !x.observado;
  for (size_t k = 0; k < blocos.size(); ++k)
    a.blocos.push_back({o.cfg.DoDo_geral ? "Área principal" : "Área secundária " + std::to_string(k + 1), {}});
  classes_de_tamanho(a);
  resume_grupos(a);
  return a;
}

bool AvaliarClick(Sistema& sis, const std::string& coluna, const std::string& ano) {
  const Origem& o = sis.origem;
  if (o.CelulasAno.size() < 2) return false;
  auto recusa = [&sis](const std::string& texto, const char* titulo, Icone icone) {
    sis.plat.mensagem(texto, titulo, Botoes::OK, icone);
    return false;
  };
  if (const auto m = confere_coluna_teste(o, coluna)) return recusa(*m, kImpossivel, Icone::Aviso);
  if (const auto m = confere_ano_teste(o, ano)) return recusa(*m, kImpossivel, Icone::Aviso);
  auto r = avalia(o, coluna_teste(coluna), *para_inteiro(apara(ano)));
  if (const auto* erro = std::get_if<std::string>(&r)) return recusa(*erro, "Erro!", Icone::Erro);
  sis.simples.avaliacao = std::move(std::get<Avaliacao>(r));
  return true;
}

}  // namespace zivu
