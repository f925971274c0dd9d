// The run report: read from the state the results windows show (the grids of
// the year on screen, the adjustment table, the marks and settings), so it
// describes what the user sees, adjustments included.
#include "core/results/relatorio.h"

#include <algorithm>
#include <cstdio>

#include "core/engine/aritmetica.h"
#include "core/engine/formulas.h"
#include "core/files/arquivos.h"
#include "core/results/avaliacao_tabelas.h"
#include "core/results/janelas_resultado.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/titulo_area.h"

namespace zivu {

namespace {

constexpr size_t kTaxasListadas = 10;
// A run gone wrong may make most areas negative; the report names the first
// ones and counts the rest, so that it stays readable and quick to lay out.
constexpr size_t kNegativasListadas = 100;

constexpr const char* kEstilo =
    "body{font-family:\"DejaVu Sans\",\"Liberation Sans\",Arial,sans-serif;font-size:10.5pt;color:#1d232b;"
    "max-width:62em;margin:1em auto;padding:0 1.2em;line-height:1.4}\n"
    "h1{color:#03407e;font-size:18pt;margin-bottom:.2em}\n"
    "h2{color:#03407e;font-size:13pt;border-bottom:3px solid #ffd23f;margin-top:1.6em;padding-bottom:2px}\n"
    "p.sub{color:#4a5866;margin-top:0}\n"
    "table{border-collapse:collapse;margin:.4em 0 .8em 0}\n"
    "th,td{border:1px solid #b8c4d2;padding:2px 7px;text-align:left;vertical-align:top}\n"
    "th{background:#e4ecf5}\n"
    "td.n{text-align:right;font-variant-numeric:tabular-nums}\n"
    "figure{margin:1em 0}figcaption{font-weight:bold;color:#1466b8;margin-bottom:.3em}\n";

using Linha = std::vector<std::string>;

// A table; `direita` marks with 'n' the columns aligned right (numbers).
void tabela(std::string& h, const Linha& cabecalho, const std::vector<Linha>& linhas, std::string_view direita) {
  h += "<table>\n<tr>";
  for (const std::string& c : cabecalho) h += "<th>" + escapa_html(c) + "</th>";
  h += "</tr>\n";
  for (const Linha& l : linhas) {
    h += "<tr>";
    for (size_t i = 0; i < l.size(); ++i)
      h += (i < direita.size() && direita[i] == 'n' ? "<td class=\"n\">" : "<td>") + escapa_html(l[i]) + "</td>";
    h += "</tr>\n";
  }
  h += "</table>\n";
}

void secao(std::string& h, const std::string& titulo) { h += "<h2>" + escapa_html(titulo) + "</h2>\n"; }
void paragrafo(std::string& h, const std::string& texto) { h += "<p>" + escapa_html(texto) + "</p>\n"; }

std::string ano_celula(const Origem& o, size_t i) {
  return i < o.CelulasAno.size() ? apara(o.DadosEntrada.le(o.CelulasAno[i].X, o.CelulasAno[i].Y)) : std::string();
}

std::string mes(int indice) { return indice >= 0 && indice < 12 ? kMeses[indice] : "?"; }

std::string data_texto(const Data& d) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d/%02d/%04d", d.dia, d.mes, d.ano);
  return b;
}

std::string nome_bloco(const Origem& o, size_t k) {
  return o.cfg.DoDo_geral ? "Área principal" : "Área secundária " + std::to_string(k + 1);
}

// A line with its row and, when it has one, its title.
std::string nome_linha(const Origem& o, const std::string& nome, int linha) {
  const std::string titulo = titulo_da_linha(o, linha);
  return nome + " (linha " + std::to_string(linha) + (titulo.empty() ? "" : ": " + titulo) + ")";
}

void ficha(std::string& h, Sistema& sis, bool quartis, const std::vector<std::string>& anos, const std::string& mostrado) {
  const Origem& o = sis.origem;
  const Configuracao& cfg = o.cfg;
  std::vector<Linha> l;
  const std::string& arquivo = sis.princ.ArquivoPlanilha;
  l.push_back({"Planilha", arquivo.empty() ? "(sem arquivo)" : arquivo});
  l.push_back({"Data do cálculo", data_texto(sis.princ.DataCalculo.value_or(sis.plat.hoje()))});
  l.push_back({"Método", quartis ? "DoDo em Quartis" : "DoDo simples"});
  l.push_back({"Modo", cfg.DoDo_geral ? "DoDo geral" : "DoDo por blocos"});
  l.push_back({"Primeira pesquisa", ano_celula(o, 0) + " (" + mes(cfg.Mes_Ano0) + ")"});
  l.push_back({"Segunda pesquisa", ano_celula(o, 1) + " (" + mes(cfg.Mes_Ano1) + ")"});
  l.push_back({"Ano a projetar", apara(cfg.AnoProj) + " (" + mes(cfg.Mes_AnoX) + ")"});
  std::string projetados = anos.empty() ? "nenhum" : anos.front();
  if (anos.size() > 1) projetados += " a " + anos.back() + " (anos intermediários)";
  l.push_back({"Anos projetados", projetados});
  l.push_back({"Ano mostrado", mostrado.empty() ? "nenhum" : mostrado});
  if (quartis) l.push_back({"Valor divisório", apara(cfg.Div_habitantes)});
  h += "<table>\n";
  for (const Linha& x : l) h += "<tr><th>" + escapa_html(x[0]) + "</th><td>" + escapa_html(x[1]) + "</td></tr>\n";
  h += "</table>\n";
}

// The expected totals of every projected year: the marked ones for the
// target year (the last), the totals sheet's cells for the others. The
// longer of years and lines runs down the page, so that many blocks or many
// years keep the table narrow enough to print.
void totais_usados(std::string& h, const Origem& o, const std::vector<std::string>& anos) {
  secao(h, "Totais usados");
  const bool geral = o.cfg.DoDo_geral;
  const size_t n = geral ? 1 : o.Secundarias.size();
  std::vector<std::string> nomes;
  for (size_t k = 0; k < n; ++k)
    nomes.push_back(geral ? nome_linha(o, "Linha principal", o.LinhaPrincipal.Y0)
                          : nome_linha(o, nome_bloco(o, k), o.Secundarias[k].Y0));
  const Grade& g = o.Grade_totais;
  int s_linha = 0;
  for (int r = 1; r < g.linhas() && s_linha == 0; ++r)
    if (capitais(g.cel(0, r)).starts_with("S")) s_linha = r;
  std::vector<Linha> por_ano;  // per year, each line's total
  for (size_t i = 0; i < anos.size(); ++i) {
    Linha l;
    const bool alvo = i + 1 == anos.size();
    int c = 0;
    for (int k = 1; k < g.colunas() && c == 0; ++k)
      if (g.cel(k, 0) == anos[i]) c = k;
    for (size_t k = 0; k < n; ++k) {
      if (alvo)
        l.push_back(texto_inteiro(geral ? o.TotalPrincipal : k < o.TotaisSecundarios.size() ? o.TotaisSecundarios[k] : 0));
      else
        l.push_back(apara(g.le(c, geral ? 1 : s_linha + static_cast<int>(k))));
    }
    por_ano.push_back(std::move(l));
  }
  std::vector<Linha> linhas;
  if (n > anos.size()) {
    for (size_t k = 0; k < n; ++k) {
      Linha l{nomes[k]};
      for (const Linha& a : por_ano) l.push_back(a[k]);
      linhas.push_back(std::move(l));
    }
    Linha cab{"Linha"};
    cab.insert(cab.end(), anos.begin(), anos.end());
    tabela(h, cab, linhas, "l" + std::string(anos.size(), 'n'));
    return;
  }
  for (size_t i = 0; i < anos.size(); ++i) {
    linhas.push_back({anos[i]});
    linhas.back().insert(linhas.back().end(), por_ano[i].begin(), por_ano[i].end());
  }
  Linha cab{"Ano"};
  cab.insert(cab.end(), nomes.begin(), nomes.end());
  tabela(h, cab, linhas, "n" + std::string(n, 'n'));
}

// One area of the year shown, as the lists of the report give it.
struct AreaRelatorio {
  std::string bloco, area, linha, p1, projecao, taxa_texto;
  double valor = 0;
  std::optional<double> taxa;
};

void listas_de_areas(std::string& h, std::vector<AreaRelatorio>& areas, const std::string& com_linha,
                     const std::string& cab_p1, const std::string& cab_proj, const std::string& cab_taxa) {
  const bool linha = !com_linha.empty();
  auto linha_de = [&](const AreaRelatorio& a, bool com_taxa) {
    Linha l;
    if (linha) l.push_back(a.linha);
    l.insert(l.end(), {a.area, a.bloco, a.p1, a.projecao});
    if (com_taxa) l.push_back(a.taxa_texto);
    return l;
  };
  Linha cab;
  if (linha) cab.push_back("Linha");
  cab.insert(cab.end(), {"Área", "Bloco", cab_p1, cab_proj});
  const std::string direita = (linha ? "nll" : "ll") + std::string("nnn");

  secao(h, "Áreas com projeção negativa");
  std::vector<Linha> negativas;
  size_t total = 0;
  for (const AreaRelatorio& a : areas)
    if (a.valor < 0 && ++total <= kNegativasListadas) negativas.push_back(linha_de(a, false));
  if (total > negativas.size())
    paragrafo(h, std::to_string(total) + " áreas têm projeção negativa; estas são as " +
                     std::to_string(negativas.size()) + " primeiras.");
  if (negativas.empty())
    paragrafo(h, "Nenhuma área tem projeção negativa.");
  else
    tabela(h, cab, negativas, direita);

  std::vector<const AreaRelatorio*> com_taxa;
  for (const AreaRelatorio& a : areas)
    if (a.taxa) com_taxa.push_back(&a);
  std::stable_sort(com_taxa.begin(), com_taxa.end(), [](auto* x, auto* y) { return *x->taxa > *y->taxa; });
  cab.push_back(cab_taxa);
  const size_t n = std::min(kTaxasListadas, com_taxa.size());
  std::vector<Linha> maiores, menores;
  for (size_t i = 0; i < n; ++i) maiores.push_back(linha_de(*com_taxa[i], true));
  std::stable_sort(com_taxa.begin(), com_taxa.end(), [](auto* x, auto* y) { return *x->taxa < *y->taxa; });
  for (size_t i = 0; i < n; ++i) menores.push_back(linha_de(*com_taxa[i], true));
  for (const auto& [titulo, lista] : {std::pair{"As dez maiores taxas de crescimento", &maiores},
                                      std::pair{"As dez menores taxas de crescimento", &menores}}) {
    secao(h, titulo);
    if (lista->empty())
      paragrafo(h, "Nenhuma área tem taxa de crescimento calculada.");
    else
      tabela(h, cab, *lista, direita);
  }
}

// What "Adaptar" did or would do to a block of the simple method.
std::string texto_ajuste(int64_t d, const std::string& area, int linha, bool feito) {
  const int64_t n = d < 0 ? -d : d;
  const std::string verbo = d >= 0 ? (feito ? "somou " : "somará ") : (feito ? "diminuiu " : "diminuirá ");
  return verbo + texto_inteiro(n) + (d >= 0 ? " à área " : " da área ") + area + " (linha " + std::to_string(linha) + ")";
}

void relatorio_simples(std::string& h, Sistema& sis) {
  const Origem& o = sis.origem;
  const Simples& s = sis.simples;
  const Grade& saida = s.DadosSaida;
  const Grade& vars = s.DadosVariaveis;
  const Grade& g = o.DadosEntrada;
  const int c0 = o.CelulasAno[0].X, c1 = o.CelulasAno[1].X;
  const std::string ano = s.Ano_Projetado_hint;

  secao(h, "Blocos");
  std::vector<Linha> linhas;
  std::vector<AreaRelatorio> areas;
  const std::vector<BlocoDoDo> blocos = blocos_dodo(o);
  for (size_t k = 0; k < blocos.size(); ++k) {
    const BlocoDoDo& b = blocos[k];
    const int64_t esperado = o.cfg.DoDo_geral ? o.TotalPrincipal
                             : k < o.TotaisSecundarios.size() ? o.TotaisSecundarios[k] : 0;
    const auto B0 = valor_planilha(g.le(c0, b.base)), B1 = valor_planilha(g.le(c1, b.base));
    double soma_ai = 0, soma_bi = 0;
    int64_t obtido = 0, maior = 0;
    int n = 0, linha_maior = 0;
    std::vector<std::string> feitos;
    for (const Regiao& d : b.regioes)
      for (int r = d.Y0; r <= d.Y1; ++r) {
        ++n;
        soma_ai += para_real(vars.le(c0 + 1, r)).value_or(0);
        soma_bi += para_real(vars.le(c0 + 2, r)).value_or(0);
        const auto v = para_inteiro(saida.le(c0, r));
        AreaRelatorio a{nome_bloco(o, k), titulo_da_linha(o, r), std::to_string(r), apara(g.le(c1, r)),
                        saida.le(c0, r), vars.le(c0 + 4, r), static_cast<double>(v.value_or(0)),
                        v && *v >= 0 ? para_real(vars.le(c0 + 4, r)) : std::nullopt};
        if (v) {
          obtido += *v;
          if (*v > maior) {
            maior = *v;
            linha_maior = r;
          }
          // The run's own value of the area; a cell that differs received an adjustment.
          const auto p0 = valor_planilha(g.le(c0, r)), p1 = valor_planilha(g.le(c1, r));
          const auto dodo = B0 && B1 && p0 && p1
                                ? projecao_dodo(*B0, *B1, static_cast<double>(esperado), *p0, *p1)
                                : std::nullopt;
          const auto R = dodo ? populacao_inteira(dodo->P) : std::nullopt;
          if (R && *v != *R) feitos.push_back(texto_ajuste(*v - *R, a.area, r, true));
        }
        areas.push_back(std::move(a));
      }
    std::string ajuste;
    for (const std::string& f : feitos) ajuste += (ajuste.empty() ? "" : "; ") + f;
    if (ajuste.empty() && obtido != esperado)
      ajuste = linha_maior > 0 ? texto_ajuste(esperado - obtido, titulo_da_linha(o, linha_maior), linha_maior, false)
                               : "nenhuma área com população positiva para receber o ajuste";
    if (ajuste.empty()) ajuste = "não é preciso";
    linhas.push_back({nome_linha(o, nome_bloco(o, k), b.base), std::to_string(n),
                      texto_0_cerquilhas(soma_ai), texto_0_cerquilhas(soma_bi), texto_inteiro(esperado),
                      texto_inteiro(obtido), texto_inteiro(esperado - obtido), ajuste});
  }
  tabela(h, {"Bloco", "Áreas", "Soma de Ai", "Soma de Bi", "Total esperado", "Total obtido", "Diferença", "Adaptar"},
         linhas, "lnnnnnnl");
  paragrafo(h, "O total obtido soma as projeções do bloco em " + ano +
                   ", negativas inclusive; Adaptar dá a diferença à maior população do bloco.");

  const std::string T1 = ano_celula(o, 1);
  listas_de_areas(h, areas, "linha", "População " + T1, "Projeção " + ano, "Taxa " + T1 + "/" + ano + " (% a.a.)");
}

// A union row's area as the simple report names one: its small-area code
// and name, else the larger area's.
std::string identificacao(const Grade& u, int linha) {
  std::string t;
  for (int c : {4, 5, 2, 3}) {
    if (c == 2 && !t.empty()) break;
    const std::string x = apara(u.le(c, linha));
    if (x.empty() || x == "<vazio>") continue;
    t += (t.empty() ? "" : " ") + x;
  }
  return t;
}

void relatorio_quartis(std::string& h, Sistema& sis) {
  const Quartis& q = sis.quartis;
  const Grade& d = q.Tab_DUniao;
  const Grade& u = q.Tab_Uniao;
  const Grade& exc = q.Tab_excecoes;
  const std::string ano = q.Ano_Projetado_hint;

  secao(h, "Blocos e tabela de ajuste");
  std::vector<Linha> linhas;
  bool diferenca = false;
  for (int r = 1; r < d.linhas(); ++r) {
    if (apara(d.le(0, r)).empty()) continue;
    const std::string numero = apara(d.le(0, r));
    const int64_t k = para_inteiro(numero).value_or(0) - 1;
    const auto registros = std::count(q.AreaDoRegistro.begin(), q.AreaDoRegistro.end(), static_cast<int32_t>(k));
    int excecoes = 0;
    for (int e = 1; e < exc.linhas(); ++e) excecoes += exc.le(1, e).starts_with(numero + " - ");
    const auto linha_uniao = para_inteiro(apara(d.le(6, r)));
    diferenca = diferenca || d.le(2, r) != d.le(3, r);
    linhas.push_back({d.le(1, r), std::to_string(registros), std::to_string(excecoes), d.le(2, r), d.le(3, r),
                      d.le(4, r), d.le(5, r), linha_uniao ? identificacao(u, static_cast<int>(*linha_uniao)) : ""});
  }
  tabela(h, {"Bloco", "Registros de quartil", "Exceções", "Pop. esperada", "Pop. resultante", "Maior Pop.",
             "Passar para", "Área da maior população"},
         linhas, "lnnnnnnl");
  paragrafo(h, q.Adaptar     ? "Adaptar ainda não foi aplicado a " + ano +
                                   ": a maior população de cada bloco passará ao valor de \"Passar para\"."
               : diferenca ? "Adaptar já foi aplicado a " + ano +
                                 ": a maior população de cada bloco recebeu o valor de \"Passar para\"."
                           : "Nenhum bloco precisa de ajuste.");

  std::vector<AreaRelatorio> areas;
  for (int r = 1; r < u.linhas(); ++r) {
    if (apara(u.le(1, r)).empty()) continue;
    const auto v = para_real(u.le(9, r));
    areas.push_back({u.le(1, r), identificacao(u, r), "", u.le(7, r), u.le(9, r), u.le(10, r), v.value_or(0),
                     v && *v >= 0 ? para_real(u.le(10, r)) : std::nullopt});
  }
  const std::string T1 = ano_celula(sis.origem, 1);
  listas_de_areas(h, areas, "", "População " + T1, "Projeção " + ano, "Taxa " + T1 + "/" + ano + " (% a.a.)");
}

void avaliacao(std::string& h, const Avaliacao& a) {
  secao(h, "Avaliação retrospectiva");
  paragrafo(h, descricao_avaliacao(a));
  std::vector<Linha> linhas;
  for (MetodoAvaliacao m : kMetodosAvaliados) {
    const ResumoErros& r = a.resumo[static_cast<size_t>(m)];
    Linha l{nome_metodo(m), std::to_string(r.areas)};
    for (double x : {r.MAPE, r.MedAPE, r.MALPE, r.WAPE, r.EPA10}) l.push_back(r.areas > 0 ? texto_medida(x) : "");
    linhas.push_back(std::move(l));
  }
  tabela(h, {"Método", "Áreas", "MAPE", "MedAPE", "MALPE", "WAPE", "EPA>10%"}, linhas, "lnnnnnn");
}

// An <svg> element without what may come before it in a file.
std::string_view sem_prologo(std::string_view svg) {
  const size_t p = svg.find("<svg");
  return p == std::string_view::npos ? svg : svg.substr(p);
}

void graficos(std::string& h, const std::vector<GraficoRelatorio>& lista) {
  secao(h, "Gráficos");
  if (lista.empty()) {
    paragrafo(h, "Os gráficos são desenhados apenas pelo programa de mesa (zivu); este relatório não os traz.");
    return;
  }
  for (const GraficoRelatorio& g : lista) {
    h += "<figure>\n<figcaption>" + escapa_html(g.titulo) + "</figcaption>\n";
    h += sem_prologo(g.svg);
    h += "\n</figure>\n";
  }
}

}  // namespace

std::string escapa_html(std::string_view texto) {
  std::string r;
  r.reserve(texto.size());
  for (char c : texto) switch (c) {
      case '&': r += "&amp;"; break;
      case '<': r += "&lt;"; break;
      case '>': r += "&gt;"; break;
      case '"': r += "&quot;"; break;
      case '\'': r += "&#39;"; break;
      default: r += c;
    }
  return r;
}

std::optional<std::string> Relatorio_HTML(Sistema& sis, bool quartis, const std::vector<GraficoRelatorio>& lista) {
  const Origem& o = sis.origem;
  const std::vector<std::string>& anos = quartis ? sis.quartis.Esc_Ano_Projetado : sis.simples.Esc_Ano_Projetado;
  const std::string& mostrado = quartis ? sis.quartis.Ano_Projetado_hint : sis.simples.Ano_Projetado_hint;
  std::string h = "<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n<title>Relatório do cálculo";
  if (!sis.princ.ArquivoPlanilha.empty()) h += " - " + escapa_html(sis.princ.ArquivoPlanilha);
  h += "</title>\n<style>\n" + std::string(kEstilo) + "</style>\n</head>\n<body>\n";
  h += "<h1>Relatório do cálculo</h1>\n<p class=\"sub\">Derova ZiVu 1.0 - projeção da população de pequenas áreas pelo "
       "método DoDo</p>\n";
  ficha(h, sis, quartis, anos, mostrado);
  totais_usados(h, o, anos);
  if (o.CelulasAno.size() >= 2 && !mostrado.empty()) {
    const bool ok = comando_de_resultados(sis, quartis, [&] {
      quartis ? relatorio_quartis(h, sis) : relatorio_simples(h, sis);
      return true;
    });
    if (!ok) return std::nullopt;
  }
  if (sis.simples.avaliacao) avaliacao(h, *sis.simples.avaliacao);
  graficos(h, lista);
  h += "</body>\n</html>\n";
  return h;
}

bool Grava_Relatorio(Sistema& sis, bool quartis, const std::string& caminho,
                     const std::vector<GraficoRelatorio>& graficos) {
  const auto html = Relatorio_HTML(sis, quartis, graficos);
  if (!html) return false;
  try {
    // A web page: UTF-8 keeps every title a worksheet may hold.
    grava_seguro(caminho, *html);
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

std::optional<ArquivoRelatorio> escolhe_arquivo_relatorio(Sistema& sis) {
  DialogoArquivo d;
  d.filtro = "Página HTML|*.html;*.htm|Documento PDF|*.pdf";
  d.titulo = "Relatório";
  const auto escolha = sis.plat.salvar_arquivo(d);
  if (!escolha) return std::nullopt;
  ArquivoRelatorio a{escolha->nome, escolha->filtro == 2 ? FormatoRelatorio::PDF : FormatoRelatorio::HTML};
  const std::string fim = capitais(Direita(a.caminho, 5));
  if (a.formato == FormatoRelatorio::PDF) {
    if (!fim.ends_with(".PDF")) a.caminho += ".pdf";
  } else if (fim != ".HTML" && !fim.ends_with(".HTM")) {
    a.caminho += ".html";
  }
  return a;
}

}  // namespace zivu
