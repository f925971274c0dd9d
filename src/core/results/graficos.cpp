// Chart data of the results windows.
#include "core/results/graficos.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "core/engine/aritmetica.h"
#include "core/engine/formulas.h"
#include "core/engine/quartis_calculo.h"
#include "core/files/ano_arquivos.h"
#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/validacao.h"

namespace zivu {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr const char* kSemResultados = "Não há resultados: calcule a projeção primeiro.";

// Columns of the two surveys, or nothing when the sheet lost its year marks.
struct Colunas {
  int c0 = 0, c1 = 0;
};
std::optional<Colunas> colunas_pesquisas(const Origem& o) {
  if (o.CelulasAno.size() < 2) return std::nullopt;
  const Colunas c{o.CelulasAno[0].X, o.CelulasAno[1].X};
  if (c.c0 < 1 || c.c0 + 4 >= kColunasPlanilha || c.c1 < 1 || c.c1 >= kColunasPlanilha) return std::nullopt;
  return c;
}

bool tem_resultados(const Sistema& sis) {
  return colunas_pesquisas(sis.origem) && !sis.simples.Ano_Projetado_hint.empty();
}

// Rows of a data area that the grids hold.
int primeira(const Regiao& d) { return std::max(d.Y0, 1); }
int ultima(const Regiao& d) { return d.vazia() ? 0 : std::min(d.Y1, kLinhasPlanilha - 1); }

std::string texto_ano(const Origem& o, size_t i) {
  return i < o.CelulasAno.size() ? apara(o.DadosEntrada.le(o.CelulasAno[i].X, o.CelulasAno[i].Y)) : "";
}

std::optional<double> numero(const std::string& texto) {
  const auto v = valor_planilha(apara(texto));
  if (!v || !finito(*v)) return std::nullopt;
  return v;
}

std::string plural(size_t n, const char* um, const char* varios) {
  return std::to_string(n) + " " + (n == 1 ? um : varios);
}

std::string lista(const std::vector<std::string>& itens) {
  std::string r;
  for (size_t i = 0; i < itens.size(); ++i) r += (i == 0 ? "" : i + 1 == itens.size() ? " e " : ", ") + itens[i];
  return r;
}

void acrescenta(std::string& legenda, const std::string& frase) {
  if (frase.empty()) return;
  if (!legenda.empty()) legenda += '\n';
  legenda += frase;
}

// A range with 5% of room on each side; a single value gets room of its own.
Eixo eixo_linear(double lo, double hi, std::string titulo) {
  Eixo e;
  e.titulo = std::move(titulo);
  if (!(lo <= hi)) return e;
  const double folga = hi > lo ? (hi - lo) * 0.05 : std::max(1.0, std::fabs(lo) * 0.05);
  e.minimo = lo - folga;
  e.maximo = hi + folga;
  return e;
}

// As above in decades; lo and hi above 0.
Eixo eixo_log(double lo, double hi, std::string titulo) {
  Eixo e;
  e.escala = Escala::Logaritmica;
  e.titulo = std::move(titulo);
  if (!(lo > 0 && lo <= hi)) return e;
  const double folga = hi > lo ? std::pow(10.0, std::log10(hi / lo) * 0.05) : 2.0;
  e.minimo = lo / folga;
  e.maximo = hi * folga;
  return e;
}

struct Faixa {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -std::numeric_limits<double>::infinity();
  void inclui(double v) {
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
};

// "Os 3 pontos coincidem." when every point is the same: one dot would
// otherwise look like one area.
std::string coincidentes(const std::vector<const std::vector<Ponto>*>& series) {
  const Ponto* primeiro = nullptr;
  size_t n = 0;
  for (const auto* s : series)
    for (const Ponto& p : *s) {
      if (primeiro && !(p == *primeiro)) return {};
      primeiro = primeiro ? primeiro : &p;
      ++n;
    }
  return n > 1 ? "Os " + std::to_string(n) + " pontos coincidem." : "";
}

// Column named by a reference edit: its first letter.
int coluna_referencia(const std::string& letra) {
  const int c = letra.empty() ? 0 : static_cast<unsigned char>(letra[0]) - 64;
  return c >= 1 && c < kColunasPlanilha ? c : 0;
}

std::string nome_da_linha(const Origem& o, int r) {
  const Configuracao& cfg = o.cfg;
  const std::pair<bool, const std::string*> refs[4] = {{cfg.Existe_cd_maior, &cfg.Cd_maior},
                                                       {cfg.Existe_nome_maior, &cfg.Nome_maior},
                                                       {cfg.Existe_cd_menor, &cfg.Cd_menor},
                                                       {cfg.Existe_nome_menor, &cfg.Nome_menor}};
  std::string nome;
  for (const auto& [marcada, letra] : refs) {
    const int c = marcada ? coluna_referencia(*letra) : 0;
    const std::string v = c ? apara(o.DadosEntrada.le(c, r)) : "";
    if (!v.empty()) nome += (nome.empty() ? "" : " - ") + v;
  }
  if (!nome.empty()) return nome;
  int melhor = kColunasPlanilha;
  for (const Regiao& t : o.Titulos) {
    if (t.vazia() || r < t.Y0 || r > t.Y1) continue;
    for (int c = std::max(t.X0, 1); c <= std::min(t.X1, melhor - 1); ++c)
      if (!apara(o.DadosEntrada.le(c, r)).empty()) {
        melhor = c;
        break;
      }
  }
  if (melhor < kColunasPlanilha) return apara(o.DadosEntrada.le(melhor, r));
  return "Linha " + std::to_string(r);
}

// Named as the quartile window names its data areas: the text in column A of
// the row above.
std::string nome_do_bloco(const Origem& o, size_t k) {
  const Regiao& d = o.AreasDados[k];
  const std::string titulo = d.Y0 > 1 ? apara(o.DadosEntrada.le(1, d.Y0 - 1)) : "";
  return "Bloco " + std::to_string(k + 1) + (titulo.empty() ? "" : " - " + titulo);
}

// The expected total of the line of block k in year `ano`: the totals sheet's
// cell of that year and line, else, for the target year, the marked total.
std::optional<double> total_esperado(const Sistema& sis, const std::string& ano, size_t k) {
  const Origem& o = sis.origem;
  const bool geral = o.cfg.DoDo_geral;
  const std::string rotulo = geral ? "P" : "S" + std::to_string(k + 1);
  const Grade& g = o.Grade_totais;
  for (int c = 1; c < g.colunas(); ++c) {
    if (apara(g.cel(c, 0)) != ano) continue;
    for (int r = 1; r < g.linhas(); ++r)
      if (capitais(apara(g.cel(0, r))) == rotulo) {
        const auto v = para_inteiro(Tira_Separadores(apara(g.cel(c, r))));
        if (v) return static_cast<double>(*v);
      }
    break;
  }
  const auto& anos = sis.simples.Esc_Ano_Projetado;
  if (anos.empty() || anos.back() != ano) return std::nullopt;
  if (geral) return static_cast<double>(o.TotalPrincipal);
  if (k < o.TotaisSecundarios.size()) return static_cast<double>(o.TotaisSecundarios[k]);
  return std::nullopt;
}

}  // namespace

// ---- "Evolução"

std::vector<ItemArea> Lista_Areas(const Sistema& sis) {
  const Origem& o = sis.origem;
  std::vector<ItemArea> itens;
  for (size_t k = 0; k < o.AreasDados.size(); ++k) {
    const Regiao& d = o.AreasDados[k];
    if (d.vazia()) continue;
    const int32_t b = static_cast<int32_t>(k);
    itens.push_back({nome_do_bloco(o, k), b, 0});
    for (int r = primeira(d); r <= ultima(d); ++r) itens.push_back({nome_da_linha(o, r), b, r});
  }
  return itens;
}

ProjecoesAnos Le_Projecoes(const Sistema& sis) {
  ProjecoesAnos p;
  if (!tem_resultados(sis)) return p;
  const Origem& o = sis.origem;
  const Simples& s = sis.simples;
  const int c0 = o.CelulasAno[0].X;
  const int linhas = std::clamp<int>(o.UltimaLinha, 0, kLinhasPlanilha - 1);
  for (const std::string& ano : s.Esc_Ano_Projetado) {
    const auto numero_ano = para_inteiro(apara(ano));
    std::optional<std::vector<std::string>> arquivo;
    if (ano != s.Ano_Projetado_hint) arquivo = Le_Coluna(caminho_arquivo_ano(sis, ArquivoAno::SR, ano), c0, linhas);
    if (!numero_ano || (ano != s.Ano_Projetado_hint && !arquivo)) {
      p.sem_arquivo.push_back(ano);
      continue;
    }
    std::vector<double> v(static_cast<size_t>(linhas) + 1, kNaN);
    for (const Regiao& d : o.AreasDados)
      for (int r = primeira(d); r <= std::min(ultima(d), linhas); ++r) {
        const std::string& texto = arquivo ? (*arquivo)[static_cast<size_t>(r - 1)] : s.DadosSaida.le(c0, r);
        if (const auto n = numero(texto)) v[static_cast<size_t>(r)] = *n;
      }
    p.anos.push_back(ano);
    p.x.push_back(static_cast<double>(*numero_ano) + o.cfg.Mes_AnoX / 12.0);
    p.valores.push_back(std::move(v));
  }
  return p;
}

DadosEvolucao Grafico_Evolucao(const Sistema& sis, const ProjecoesAnos& p, const ItemArea& item) {
  const Origem& o = sis.origem;
  DadosEvolucao e;
  e.titulo = "Evolução - " + item.texto;
  const auto col = colunas_pesquisas(o);
  if (!tem_resultados(sis) || item.bloco < 0 || static_cast<size_t>(item.bloco) >= o.AreasDados.size()) {
    e.legenda = kSemResultados;
    return e;
  }
  const size_t k = static_cast<size_t>(item.bloco);
  const Regiao& d = o.AreasDados[k];
  const int de = item.linha > 0 ? item.linha : primeira(d);
  const int ate = item.linha > 0 ? item.linha : ultima(d);
  const bool bloco = item.linha == 0;
  Faixa fx, fy, fy2;

  const int meses[2] = {o.cfg.Mes_Ano0, o.cfg.Mes_Ano1};
  const int colunas[2] = {col->c0, col->c1};
  for (size_t i = 0; i < 2; ++i) {
    const std::string ano = texto_ano(o, i);
    const auto a = para_inteiro(ano);
    double soma = 0;
    bool ok = a.has_value();
    for (int r = de; ok && r <= ate; ++r) {
      const auto v = numero(o.DadosEntrada.le(colunas[i], r));
      ok = v.has_value();
      soma += ok ? *v : 0;
    }
    if (!ok) {
      acrescenta(e.legenda, "Sem população válida na pesquisa de " + ano + ".");
      continue;
    }
    e.pesquisas.push_back({static_cast<double>(*a) + meses[i] / 12.0, soma});
  }

  std::vector<std::string> sem_valor, sem_total;
  size_t negativos = 0;
  for (size_t j = 0; j < p.anos.size(); ++j) {
    double soma = 0;
    size_t negativos_ano = 0;
    bool ok = true;
    for (int r = de; ok && r <= ate; ++r) {
      const double v = static_cast<size_t>(r) < p.valores[j].size() ? p.valores[j][static_cast<size_t>(r)] : kNaN;
      ok = !std::isnan(v);
      if (bloco && v < 0)
        ++negativos_ano;
      else if (ok)
        soma += v;
    }
    if (ok) {
      e.projecao.push_back({p.x[j], soma});
      negativos += negativos_ano;
    } else {
      sem_valor.push_back(p.anos[j]);
    }
    if (const auto t = total_esperado(sis, p.anos[j], k))
      e.esperado.push_back({p.x[j], *t});
    else
      sem_total.push_back(p.anos[j]);
  }
  if (!p.sem_arquivo.empty())
    acrescenta(e.legenda, "Sem os arquivos de " + lista(p.sem_arquivo) + ": fora do gráfico.");
  if (!sem_valor.empty()) acrescenta(e.legenda, "Sem população projetada em " + lista(sem_valor) + ".");
  if (negativos > 0)
    acrescenta(e.legenda, plural(negativos, "população negativa ficou fora", "populações negativas ficaram fora") +
                              " da soma do bloco, como do total obtido.");
  if (!sem_total.empty()) acrescenta(e.legenda, "Sem total esperado para " + lista(sem_total) + ".");

  for (const Ponto& q : e.pesquisas) fx.inclui(q.x), fy.inclui(q.y);
  for (const Ponto& q : e.projecao) fx.inclui(q.x), fy.inclui(q.y);
  for (const Ponto& q : e.esperado) fx.inclui(q.x), fy2.inclui(q.y);
  e.x = eixo_linear(fx.lo, fx.hi, "Ano");
  if (fx.lo <= fx.hi) e.x.minimo = fx.lo - 0.5, e.x.maximo = fx.hi + 0.5;
  e.y = eixo_linear(fy.lo, fy.hi, "População");
  const bool geral = o.cfg.DoDo_geral;
  e.y2 = eixo_linear(fy2.lo, fy2.hi,
                     geral ? "Total esperado da linha principal"
                           : "Total esperado da linha secundária " + std::to_string(k + 1));
  return e;
}

// ---- "Taxas"

namespace {

// Quantile by linear interpolation between the order statistics.
double quantil(const std::vector<double>& ordenados, double p) {
  const double pos = p * static_cast<double>(ordenados.size() - 1);
  const size_t i = static_cast<size_t>(pos);
  if (i + 1 >= ordenados.size()) return ordenados.back();
  return ordenados[i] + (pos - static_cast<double>(i)) * (ordenados[i + 1] - ordenados[i]);
}

// The smallest of 1, 2, 2.5, 5 times a power of ten not below w.
double largura_redonda(double w) {
  const double base = std::pow(10.0, std::floor(std::log10(w)));
  for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
    if (m * base >= w * (1 - 1e-12)) return m * base;
  return 10 * base;
}

}  // namespace

Histograma monta_histograma(std::vector<double> valores) {
  Histograma h;
  std::erase_if(valores, [](double v) { return !finito(v); });
  if (valores.empty()) return h;
  std::sort(valores.begin(), valores.end());
  const double lo = valores.front(), hi = valores.back();
  const int32_t n = static_cast<int32_t>(valores.size());
  if (lo == hi) {
    h.regra = RegraClasses::ValorUnico;
    h.classes.push_back({lo - 0.5, lo + 0.5, n});
    return h;
  }
  const double iqr = quantil(valores, 0.75) - quantil(valores, 0.25);
  int k = 0;
  if (iqr > 0) {
    h.regra = RegraClasses::FreedmanDiaconis;
    k = static_cast<int>(std::min<double>(kMaxClasses, std::ceil((hi - lo) / (2 * iqr / std::cbrt(n)))));
  } else {
    h.regra = RegraClasses::Sturges;
    k = static_cast<int>(std::ceil(std::log2(n))) + 1;
  }
  k = std::clamp(k, 1, kMaxClasses);
  double w = largura_redonda((hi - lo) / k);
  double inicio = 0;
  int classes = 0;
  // Rounding the width and the start may add a class beyond the cap.
  for (;;) {
    inicio = std::floor(lo / w) * w;
    classes = std::max(1, static_cast<int>(std::ceil((hi - inicio) / w - 1e-9)));
    if (classes <= kMaxClasses) break;
    w = largura_redonda(w * 1.0001);
  }
  for (int i = 0; i < classes; ++i) h.classes.push_back({inicio + i * w, inicio + (i + 1) * w, 0});
  for (double v : valores) {
    const int i = std::clamp(static_cast<int>(std::floor((v - inicio) / w)), 0, classes - 1);
    ++h.classes[static_cast<size_t>(i)].areas;
  }
  return h;
}

DadosTaxas Grafico_Taxas(const Sistema& sis, int32_t bloco) {
  const Origem& o = sis.origem;
  const Simples& s = sis.simples;
  DadosTaxas t;
  const std::string ano = apara(s.Ano_Projetado_hint);
  const std::string periodo = texto_ano(o, 1) + "/" + ano;
  const bool um_bloco = bloco >= 0 && static_cast<size_t>(bloco) < o.AreasDados.size();
  t.titulo = "Taxas " + periodo + (um_bloco ? " - " + nome_do_bloco(o, static_cast<size_t>(bloco)) : "");
  if (!tem_resultados(sis)) {
    t.legenda = kSemResultados;
    return t;
  }
  const auto col = colunas_pesquisas(o);
  std::vector<double> taxas;
  size_t negativas = 0, sem_taxa = 0;
  double soma_proj = 0, soma_pesq = 0;
  for (size_t k = 0; k < o.AreasDados.size(); ++k) {
    if (um_bloco && k != static_cast<size_t>(bloco)) continue;
    const Regiao& d = o.AreasDados[k];
    for (int r = primeira(d); r <= ultima(d); ++r) {
      const std::string& texto = s.DadosVariaveis.le(col->c0 + 4, r);
      if (texto == "Pop. negativa") {
        ++negativas;
        continue;
      }
      const auto taxa = para_real(apara(texto));
      const auto proj = numero(s.DadosSaida.le(col->c0, r));
      const auto pesq = numero(o.DadosEntrada.le(col->c1, r));
      if (!taxa || !finito(*taxa) || !proj || !pesq) {
        ++sem_taxa;
        continue;
      }
      taxas.push_back(*taxa);
      soma_proj += *proj;
      soma_pesq += *pesq;
    }
  }
  t.histograma = monta_histograma(taxas);

  Faixa fx;
  int32_t maior = 0;
  for (const ClasseHistograma& c : t.histograma.classes) {
    fx.inclui(c.de), fx.inclui(c.ate);
    maior = std::max(maior, c.areas);
  }
  const auto meses = para_inteiro(ano) ? MesesAteAno(o, *para_inteiro(ano)) : 0;
  const auto geral = taxas.empty() || meses == 0 || soma_pesq == 0
                         ? std::nullopt
                         : taxa_crescimento(soma_proj / soma_pesq, 12.0 / static_cast<double>(meses));
  const double topo = std::ceil(std::max<int32_t>(maior, 1) * 1.05);
  if (geral && finito(*geral)) {
    fx.inclui(*geral);
    t.referencias.push_back({(um_bloco ? "Taxa do bloco: " : "Taxa do conjunto: ") + texto_decimais(*geral, 2) + "%",
                             {*geral, 0},
                             {*geral, topo}});
  }
  t.x = eixo_linear(fx.lo, fx.hi, "Taxa anual " + periodo + " (%)");
  if (!t.histograma.classes.empty()) t.x.minimo = fx.lo, t.x.maximo = fx.hi;
  t.y = Eixo{Escala::Linear, 0, topo, "Áreas"};

  if (negativas + sem_taxa > 0) {
    std::string f;
    if (negativas > 0) f = plural(negativas, "área com população negativa", "áreas com população negativa");
    if (sem_taxa > 0) f += (f.empty() ? "" : " e ") + plural(sem_taxa, "área sem taxa", "áreas sem taxa");
    acrescenta(t.legenda, f + " fora do histograma.");
  }
  if (t.histograma.regra == RegraClasses::ValorUnico)
    acrescenta(t.legenda, taxas.size() == 1 ? "Uma só área: uma só classe."
                                            : "Todas as " + std::to_string(taxas.size()) +
                                                  " taxas são iguais: uma só classe.");
  if (taxas.empty() && negativas + sem_taxa == 0) acrescenta(t.legenda, "Nenhuma área.");
  return t;
}

// ---- "Antes e depois"

DadosAntesDepois Grafico_Antes_Depois(const Sistema& sis) {
  const Origem& o = sis.origem;
  const Simples& s = sis.simples;
  DadosAntesDepois a;
  const std::string ano = apara(s.Ano_Projetado_hint), pesquisa = texto_ano(o, 1);
  a.titulo = "Antes e depois - " + pesquisa + " e " + ano;
  if (!tem_resultados(sis)) {
    a.legenda = kSemResultados;
    return a;
  }
  const auto col = colunas_pesquisas(o);
  Faixa f;
  size_t fora_da_escala = 0;
  for (size_t k = 0; k < o.AreasDados.size(); ++k) {
    const Regiao& d = o.AreasDados[k];
    if (d.vazia()) continue;
    SerieBloco serie{static_cast<int32_t>(k), nome_do_bloco(o, k), {}, {}};
    for (int r = primeira(d); r <= ultima(d); ++r) {
      const std::string& tx = o.DadosEntrada.le(col->c1, r);
      const std::string& ty = s.DadosSaida.le(col->c0, r);
      const auto x = numero(tx), y = numero(ty);
      std::string motivo;
      if (!x)
        motivo = "população de " + pesquisa + " sem número: '" + tx + "'";
      else if (!y)
        motivo = "projeção para " + ano + " sem número: '" + ty + "'";
      else if (*x <= 0)
        motivo = "população de " + pesquisa + " = " + texto_geral(*x);
      else if (*y <= 0)
        motivo = "projeção para " + ano + " = " + texto_geral(*y);
      if (!motivo.empty()) {
        fora_da_escala += x && y;
        a.omitidas.push_back({nome_da_linha(o, r), r, std::move(motivo)});
        continue;
      }
      serie.pontos.push_back({*x, *y});
      serie.linhas.push_back(r);
      f.inclui(std::min(*x, *y));
      f.inclui(std::max(*x, *y));
    }
    if (!serie.pontos.empty()) a.series.push_back(std::move(serie));
  }
  if (!a.series.empty()) a.referencias.push_back({"1:1", {f.lo, f.lo}, {f.hi, f.hi}});
  a.x = eixo_log(f.lo, f.hi, "População de " + pesquisa);
  a.y = eixo_log(f.lo, f.hi, "População projetada para " + ano);
  if (!a.omitidas.empty())
    acrescenta(a.legenda, plural(a.omitidas.size(), "área fora do gráfico, listada", "áreas fora do gráfico, listadas") +
                              " ao lado" +
                              (fora_da_escala > 0 ? ": a escala logarítmica não aceita zero nem valor negativo." : "."));
  std::vector<const std::vector<Ponto>*> todas;
  for (const SerieBloco& serie : a.series) todas.push_back(&serie.pontos);
  acrescenta(a.legenda, coincidentes(todas));
  return a;
}

// ---- "Gráfico" of the quartile window

namespace {

ClasseQuartil classe_celula(int pc, int tc, const std::string& divisor) {
  ClasseQuartil c;
  c.quartil_pop = pc + 1;
  c.quartil_taxa = tc <= 1 ? 1 : tc;
  c.coluna = tc + 1;
  c.linha = 2 * pc + 1;
  c.cor_linha = Tab_EstatisticasDrawCell(0, c.linha).cor;
  c.cor_coluna = Tab_EstatisticasDrawCell(c.coluna, 0).cor;
  const std::string fim = pc == 3 ? "e < " + divisor : kTitulosLinhasEstatisticas[2 * pc + 1];
  c.nome = std::string(kTitulosLinhasEstatisticas[2 * pc]) + " " + fim + " / " + kTitulosColunasEstatisticas[tc];
  return c;
}

}  // namespace

DadosQuartis Grafico_Quartis(const Sistema& sis) {
  const Origem& o = sis.origem;
  const Quartis& q = sis.quartis;
  DadosQuartis g;
  const int32_t b = q.Sel_Area.posicao - 1;
  g.titulo = "Quartis - " + q.Sel_Area.hint;
  const std::string& divisor_texto = o.cfg.Div_habitantes;
  const auto divisor = para_inteiro(divisor_texto);
  const double limite = divisor ? static_cast<double>(*divisor) : std::numeric_limits<double>::infinity();

  // Cells in page order, then the records not counted, then the exceptions.
  std::array<SerieQuartil, 22> series;
  for (int pc = 0; pc < 4; ++pc)
    for (int tc = 0; tc < 5; ++tc) series[static_cast<size_t>(5 * pc + tc)].classe = classe_celula(pc, tc, divisor_texto);
  series[20].classe = {TipoClasseQuartil::NaoContado, 0, 0, 0, 0, CorEstatistica::Grade, CorEstatistica::Grade,
                       "Fora das contagens"};
  series[21].classe = {TipoClasseQuartil::Excecao, 0, 0, 0, 0, CorEstatistica::Grade, CorEstatistica::Grade,
                       "Exceções: a partir de " + divisor_texto};

  Faixa fx, fy;
  size_t fora_da_escala = 0;
  auto poe = [&](size_t s, double x, double y, int32_t indice) {
    if (!(x > 0) || !finito(x) || !finito(y)) {
      ++fora_da_escala;
      return;
    }
    series[s].pontos.push_back({x, y});
    series[s].indices.push_back(indice);
    fx.inclui(x);
    fy.inclui(y);
  };
  const auto lim = limites_quartis(q, b);
  if (lim) {
    g.Q = lim->Q;
    g.T = lim->T;
    for (size_t j = lim->inicio; j <= lim->fim; ++j) {
      const int32_t i = q.ordem_pop[j];
      const RegistroQuartil& reg = q.RegistrosQuartis[static_cast<size_t>(i)];
      const int tc = limite > reg.taxa ? classe_taxa(reg.taxa, lim->T) : -1;
      poe(tc < 0 ? 20 : static_cast<size_t>(5 * classe_populacao(*lim, j) + tc), reg.pop1, reg.taxa, i);
    }
  } else {
    acrescenta(g.legenda, "Não há registros que sofrem a divisão em quartis nesta área.");
  }
  const std::string rotulo = b >= 0 ? rotulo_area(q, static_cast<size_t>(b)) : "";
  const Grade& exc = q.Tab_excecoes;
  for (int r = 1; r < exc.linhas(); ++r) {
    if (exc.cel(1, r).empty() || exc.cel(1, r) != rotulo) continue;
    const auto x = numero(exc.cel(7, r));
    const auto y = para_real(apara(exc.cel(8, r)));
    poe(21, x ? *x : kNaN, y ? *y : kNaN, r);
  }

  std::vector<const std::vector<Ponto>*> todas;
  for (SerieQuartil& s : series)
    if (!s.pontos.empty()) g.series.push_back(std::move(s));
  for (const SerieQuartil& s : g.series) todas.push_back(&s.pontos);
  if (lim) {
    for (int i = 0; i < 3; ++i) {
      if (g.Q[i] > 0) fx.inclui(g.Q[i]);
      fy.inclui(g.T[i]);
    }
  }
  g.x = eixo_log(fx.lo, fx.hi, "População de " + texto_ano(o, 1));
  g.y = eixo_linear(fy.lo, fy.hi, "Taxa " + texto_ano(o, 0) + "/" + texto_ano(o, 1) + " (%)");
  if (lim) {
    for (int i = 0; i < 3; ++i) {
      const std::string n = std::to_string(i + 1);
      if (g.Q[i] > 0)
        g.referencias.push_back({"Q" + n + " = " + texto_geral(g.Q[i]), {g.Q[i], g.y.minimo}, {g.Q[i], g.y.maximo}});
      else
        ++fora_da_escala;
      g.referencias.push_back({"T" + n + " = " + texto_geral(g.T[i]), {g.x.minimo, g.T[i]}, {g.x.maximo, g.T[i]}});
    }
  }
  if (fora_da_escala > 0)
    acrescenta(g.legenda, plural(fora_da_escala, "valor fora do gráfico", "valores fora do gráfico") +
                              ": a escala logarítmica não aceita população zero nem negativa.");
  acrescenta(g.legenda, coincidentes(todas));
  return g;
}

int Clique_Ponto_Quartis(Sistema& sis, const SerieQuartil& serie, size_t i) {
  Quartis& q = sis.quartis;
  if (i >= serie.indices.size()) return 0;
  const int32_t indice = serie.indices[i];
  if (serie.classe.tipo == TipoClasseQuartil::Excecao) {
    mostra_pagina(sis, PaginaQuartis::Excecoes);
    return indice;
  }
  int linha = 0;
  if (q.tabela_partida == TabelaPartida::Original) {
    linha = indice + 1;
  } else {
    const std::vector<int32_t>& ordem = q.tabela_partida == TabelaPartida::OrdemPop ? q.ordem_pop : q.ordem_tax;
    const auto it = std::find(ordem.begin(), ordem.end(), indice);
    if (it == ordem.end()) return 0;
    linha = static_cast<int>(it - ordem.begin()) + 1;
  }
  mostra_pagina(sis, PaginaQuartis::Tab_Partida);
  return linha;
}

}  // namespace zivu
