// The simple DoDo computation: per small area the coefficients Ai and Bi of
// its linear relation with the base area, the projected population and two
// annual growth rates; per block and in total the sums, the observations and
// the compatibility check.
#include "core/engine/simples_calculo.h"

#include <cmath>
#include <optional>

#include "core/engine/aritmetica.h"
#include "core/engine/formulas.h"
#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/validacao.h"

namespace zivu {

namespace {

constexpr const char* kErroTexto = "Erro";

// Region rows the grids can hold.
bool linhas_na_grade(int y0, int y1) { return y0 >= 1 && y1 < kLinhasPlanilha; }

}  // namespace

std::string Projeta_Linha(Sistema& sis, int r, int c0, double B0, double B1, double PX, double p0,
                          double p1) {
  const auto dodo = projecao_dodo(B0, B1, PX, p0, p1);
  if (!dodo) return kErroTexto;
  const auto [Ai, Bi, P] = *dodo;
  const std::string& mascara = sis.origem.MascaraDecimais;
  Grade& v = sis.simples.DadosVariaveis;
  v.escreve(c0, r, texto_mascara(P, mascara));
  v.escreve(c0 + 1, r, texto_mascara(Ai, mascara));
  v.escreve(c0 + 2, r, texto_mascara(Bi, mascara));
  // From 10^15 on the plain text is scientific and reads back as no integer.
  if (const auto R = populacao_inteira(P)) return texto_inteiro(*R);
  return texto_geral(arredonda(P));
}

namespace {

// The year being projected: the columns of the two surveys, the exponents of
// both rates, and what the first pass found.
struct Ano {
  int c0 = 0, r0 = 0, c1 = 0;
  int64_t X = 0;
  bool sem_meses_pesquisas = false, sem_meses_ano = false;
  double exp0 = 0, exp1 = 0;
  int negativos = 0;
};

// Sums of the second pass.
struct Somas {
  double total_ai = 0, total_bi = 0, obtido = 0;
};

Ano prepara_ano(Sistema& sis, const std::string& ano) {
  const Origem& o = sis.origem;
  if (o.CelulasAno.size() < 2) falha_calculo();
  Ano a;
  a.c0 = o.CelulasAno[0].X;
  a.r0 = o.CelulasAno[0].Y;
  a.c1 = o.CelulasAno[1].X;
  if (a.c0 < 1 || a.c0 + 4 >= kColunasPlanilha || a.c1 < 1 || a.c1 >= kColunasPlanilha || a.r0 < 1 ||
      a.r0 >= kLinhasPlanilha)
    falha_calculo();
  const auto X = para_inteiro(ano);
  if (!X) falha_calculo();
  a.X = *X;
  // The rate T1/X of each year counts the months from the second survey to
  // that year, not to the target year.
  const int64_t meses_ano = MesesAteAno(o, a.X);
  a.sem_meses_pesquisas = o.MesesPesquisas == 0;
  a.sem_meses_ano = meses_ano == 0;
  a.exp0 = a.sem_meses_pesquisas ? 0.0 : 12.0 / o.MesesPesquisas;
  a.exp1 = a.sem_meses_ano ? 0.0 : 12.0 / static_cast<double>(meses_ano);
  return a;
}

// Base line row and expected total of block k.
std::pair<int, double> base_da_area(const Origem& o, size_t k) {
  if (o.cfg.DoDo_geral) return {o.LinhaPrincipal.Y0, static_cast<double>(o.TotalPrincipal)};
  if (k >= o.Secundarias.size() || k >= o.TotaisSecundarios.size()) falha_calculo();
  return {o.Secundarias[k].Y0, static_cast<double>(o.TotaisSecundarios[k])};
}

double valor(const Grade& g, int c, int r) {
  const auto v = valor_planilha(g.le(c, r));
  if (!v) falha_calculo();
  return *v;
}

// Both growth rates of row r: T0/T1 from the surveys, T1/X to the projected
// population (none for a negative projection).
void taxas_da_area(Sistema& sis, const Ano& a, int r, double p0, double p1, int64_t projetada) {
  Grade& vars = sis.simples.DadosVariaveis;
  const std::string& mascara = sis.origem.MascaraDecimais;
  if (a.sem_meses_pesquisas) falha_calculo();
  const auto t0 = taxa_crescimento(p1 / p0, a.exp0);
  if (!t0) falha_calculo();
  vars.cel(a.c0 + 3, r) = texto_mascara(*t0, mascara);
  if (projetada < 0) {
    vars.cel(a.c0 + 4, r) = "Pop. negativa";
    return;
  }
  if (a.sem_meses_ano) falha_calculo();
  const auto t1 = taxa_crescimento(static_cast<double>(projetada) / p1, a.exp1);
  if (!t1) falha_calculo();
  vars.cel(a.c0 + 4, r) = texto_mascara(*t1, mascara);
}

// First pass: every small area's projection and rates; each block's obtained
// total (negative results left out) on the row above its data area.
void projeta_areas(Sistema& sis, Ano& a) {
  const Origem& o = sis.origem;
  Grade& saida = sis.simples.DadosSaida;
  const Grade& entrada = o.DadosEntrada;
  for (size_t k = 0; k < o.AreasDados.size(); ++k) {
    const Regiao& d = o.AreasDados[k];
    const auto [base, PX] = base_da_area(o, k);
    const double B0 = valor(entrada, a.c0, base);
    const double B1 = valor(entrada, a.c1, base);
    if (d.Y0 <= d.Y1 && !linhas_na_grade(d.Y0, d.Y1)) falha_calculo();

    double soma = 0;
    for (int r = d.Y0; r <= d.Y1; ++r) {
      const double p0 = valor(entrada, a.c0, r);
      const double p1 = valor(entrada, a.c1, r);
      std::string R = Projeta_Linha(sis, r, a.c0, B0, B1, PX, p0, p1);
      const bool falhou = R == kErroTexto;
      const auto v = falhou ? std::nullopt : para_inteiro(R);
      if (falhou) saida.cel(a.c0, r) = std::move(R);
      if (!v) falha_calculo();
      if (*v < 0) ++a.negativos;
      saida.cel(a.c0, r) = std::move(R);
      taxas_da_area(sis, a, r, p0, p1, *v);
      if (*v >= 0) soma += static_cast<double>(*v);
    }
    if (d.Y0 > 0) saida.escreve(a.c0, d.Y0 - 1, texto_geral(soma));
  }
}

double real_escrito(const std::string& texto) {
  const auto v = para_real(texto);
  if (!v) falha_calculo();
  return *v;
}

// Second pass: sums per block, read back from the texts just written, into
// the variables grid above each data area; the obtained total of each block.
Somas soma_blocos(Sistema& sis, const Ano& a) {
  Origem& o = sis.origem;
  const Grade& saida = sis.simples.DadosSaida;
  Grade& vars = sis.simples.DadosVariaveis;
  Somas s;
  for (const Regiao& d : o.AreasDados) {
    double total = 0, soma_ai = 0, soma_bi = 0;
    for (int r = d.Y0; r <= d.Y1; ++r) {
      total += real_escrito(saida.cel(a.c0, r));
      soma_ai += real_escrito(vars.cel(a.c0 + 1, r));
      soma_bi += real_escrito(vars.cel(a.c0 + 2, r));
    }
    vars.escreve(d.X0, d.Y0 - 1, texto_geral(total));
    vars.escreve(d.X0 + 1, d.Y0 - 1, texto_0_cerquilhas(soma_ai));
    vars.escreve(d.X0 + 2, d.Y0 - 1, texto_0_cerquilhas(soma_bi));
    s.total_ai += soma_ai;
    s.total_bi += soma_bi;
    s.obtido += total;
  }
  if (!o.cfg.DoDo_geral) {
    o.TotaisObtidos.resize(o.TotaisSecundarios.size(), 0);
    for (size_t j = 0; j < o.TotaisSecundarios.size() && j < o.AreasDados.size(); ++j) {
      const auto v = para_inteiro(saida.le(a.c0, o.AreasDados[j].Y0 - 1));
      if (!v) falha_calculo();
      o.TotaisObtidos[j] = *v;
    }
  }
  return s;
}

// A rounded sum is shown as an integer's digits, never in scientific form.
std::string inteiro_arredondado(double x) {
  const double r = finito(x) ? arredonda(x) : x;
  return std::fabs(r) < 9.2e18 ? texto_inteiro(static_cast<int64_t>(r)) : texto_geral(r);
}

// The observations: negative results, the difference "Adaptar" would give
// and the sums of Ai and Bi with the expected and obtained totals.
std::string observacoes(Sistema& sis, const std::string& ano, const Ano& a, const Somas& somas) {
  Origem& o = sis.origem;
  const std::string Y = apara(ano);
  std::string obs = "População projetada para " + Y + "\n\n";
  if (a.negativos > 0) {
    obs += a.negativos == 1 ? "Há resultado negativo." : "Há resultados negativos.";
    obs += "\n\nO total de população calculada para " + Y +
           " não é compatível com a população esperada, que é de " + texto_inteiro(o.TotalPrincipal) +
           ".\n\n";
  }
  o.Diferenca = 0;
  if (static_cast<double>(o.TotalPrincipal) != somas.obtido) {
    o.Diferenca = static_cast<double>(o.TotalPrincipal) - somas.obtido;
    sis.simples.Adaptar = true;
    obs = "O resultado final é diferente do esperado.\nCorrija o valor da população projetada para " + ano +
          "\nou clique em Adaptar, na guia Resultado, para\ndiminuir/somar " + texto_geral(o.Diferenca) +
          " da maior população.\n\n\n";
  }
  obs += "Veja abaixo o resultado das principais variáveis:\n\n"
         "Para serem considerados válidos, Ai deve tender a 1 e Bi a 0.\n";
  if (o.cfg.DoDo_geral) {
    obs += "Área principal\n  -> Somatório de Ai = " + inteiro_arredondado(somas.total_ai) +
           "\n  -> Somatório de Bi = " + inteiro_arredondado(somas.total_bi) +
           "\n  -> Total esperado é : " + texto_inteiro(o.TotalPrincipal) +
           "\n  -> Total obtido é : " + texto_geral(somas.obtido) + "\n";
    return obs;
  }
  // Each block's sums are read where the second pass wrote them, the row
  // above its data area, so every layout reports its own block.
  const Grade& vars = sis.simples.DadosVariaveis;
  for (size_t k = 0; k < o.Secundarias.size() && k < o.AreasDados.size(); ++k) {
    const Regiao& d = o.AreasDados[k];
    const double ai = real_escrito(vars.le(d.X0 + 1, d.Y0 - 1));
    const double bi = real_escrito(vars.le(d.X0 + 2, d.Y0 - 1));
    const int64_t esperado = k < o.TotaisSecundarios.size() ? o.TotaisSecundarios[k] : 0;
    const int64_t obtido_k = k < o.TotaisObtidos.size() ? o.TotaisObtidos[k] : 0;
    obs += "\nÁrea secundária " + std::to_string(k + 1) + "\n  -> Somatório de Ai = " + inteiro_arredondado(ai) +
           "\n  -> Somatório de Bi = " + inteiro_arredondado(bi) + "\n  -> Total esperado é : " +
           texto_inteiro(esperado) + "\n  -> Total obtido é : " + texto_inteiro(obtido_k) + "\n";
  }
  return obs;
}

// The whole year, up to the observations and the enabled state of "Adaptar".
// False after the cancellation was shown.
bool projeta(Sistema& sis, const std::string& ano) {
  Simples& s = sis.simples;
  s.Adaptar = false;
  try {
    Ano a = prepara_ano(sis, ano);
    s.DadosSaida.cel(a.c0, a.r0) = texto_inteiro(a.X);
    projeta_areas(sis, a);
    const Somas somas = soma_blocos(sis, a);
    s.Texto_Obs = observacoes(sis, ano, a, somas);
  } catch (const Cancelamento& c) {
    mostra_cancelamento(sis, c);
    return false;
  }
  sis.status("Pronto. Veja as guias de resultados.");
  return true;
}

}  // namespace

bool Projeta_Ano_Simples_sem_gravar(Sistema& sis, const std::string& ano) { return projeta(sis, ano); }

bool Projeta_Ano_Simples(Sistema& sis, const std::string& ano) {
  if (!projeta(sis, ano)) return false;
  try {
    Grava_Ano(sis, ano, Metodo::Simples);
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

namespace {

// The cells an adjustment changed, so that a failure part-way leaves the grid
// as it was.
class Alteracoes {
 public:
  explicit Alteracoes(Grade& g) : g_(g) {}
  void escreve(int c, int r, int64_t v) {
    if (!g_.dentro(c, r)) return;
    antigos_.push_back({c, r, g_.cel(c, r)});
    g_.cel(c, r) = texto_inteiro(v);
  }
  void desfaz() {
    for (auto it = antigos_.rbegin(); it != antigos_.rend(); ++it) g_.cel(it->c, it->r) = it->texto;
    antigos_.clear();
  }

 private:
  struct Antigo {
    int c, r;
    std::string texto;
  };
  Grade& g_;
  std::vector<Antigo> antigos_;
};

struct Maior {
  int64_t valor = 0;  // a largest must be above 0
  size_t area = 0;
  int linha = 0;
  bool existe() const { return linha > 0; }
};

}  // namespace

bool AdaptarClick(Sistema& sis) {
  Origem& o = sis.origem;
  Simples& s = sis.simples;
  Grade& saida = s.DadosSaida;
  const int c0 = o.CelulasAno.empty() ? 0 : o.CelulasAno[0].X;
  Alteracoes alt(saida);
  bool ok = true;

  auto inteiro = [&](int r) -> int64_t {
    if (!ok) return 0;
    const std::string& texto = saida.le(c0, r);
    const auto v = para_inteiro(texto);
    if (!v) {
      sis.plat.mensagem(msg_inteiro_invalido(texto), "Erro!", Botoes::OK, Icone::Erro);
      ok = false;
      return 0;
    }
    return *v;
  };
  // Adds v to acc, failing (as a conversion would) when the sum leaves 64 bits.
  auto soma = [&](int64_t& acc, int64_t v) {
    if (ok && __builtin_add_overflow(acc, v, &acc)) {
      sis.plat.mensagem(kMsgProblema, "Erro!", Botoes::OK, Icone::Erro);
      ok = false;
    }
  };
  auto varre = [&](size_t k, int64_t& total, Maior& maior) {
    const Regiao& d = o.AreasDados[k];
    for (int r = d.Y0; ok && r <= d.Y1; ++r) {
      const int64_t v = inteiro(r);
      soma(total, v);
      // The first largest met keeps its place.
      if (ok && v > maior.valor) maior = {v, k, r};
    }
  };
  auto corrige = [&](int r, int64_t d) {
    int64_t v = inteiro(r);
    soma(v, -d);
    if (ok) alt.escreve(c0, r, v);
  };

  if (o.cfg.DoDo_geral) {
    int64_t total = 0;
    Maior maior;
    for (size_t k = 0; ok && k < o.AreasDados.size(); ++k) varre(k, total, maior);
    int64_t d = total;
    soma(d, -o.TotalPrincipal);
    if (ok && o.LinhaPrincipal.Y0 > 0) alt.escreve(c0, o.LinhaPrincipal.Y0, o.TotalPrincipal);
    // Without any positive population there is no largest area to correct.
    if (ok && maior.existe()) {
      if (!o.Secundarias.empty() && o.Secundarias[0].Y0 > 0 && maior.area < o.Secundarias.size() &&
          o.Secundarias[maior.area].Y0 > 0)
        corrige(o.Secundarias[maior.area].Y0, d);
      if (ok) corrige(maior.linha, d);
    }
  } else {
    for (size_t k = 0; ok && k < o.AreasDados.size() && k < o.Secundarias.size(); ++k) {
      int64_t total = 0;
      Maior maior;
      varre(k, total, maior);
      int64_t d = total;
      soma(d, -(k < o.TotaisSecundarios.size() ? o.TotaisSecundarios[k] : 0));
      // A block without a positive population is left as it is.
      if (!ok || !maior.existe()) continue;
      corrige(o.Secundarias[k].Y0, d);
      if (ok) corrige(maior.linha, d);
    }
    if (ok && o.LinhaPrincipal.Y0 > 0) {
      int64_t total = 0;
      for (size_t k = 0; ok && k < o.Secundarias.size(); ++k) soma(total, inteiro(o.Secundarias[k].Y0));
      if (ok) alt.escreve(c0, o.LinhaPrincipal.Y0, total);
    }
  }
  if (!ok) {
    alt.desfaz();
    return false;
  }

  s.Adaptar = false;
  try {
    Grava_Ano(sis, s.Ano_Projetado_hint, Metodo::Simples);
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

}  // namespace zivu
