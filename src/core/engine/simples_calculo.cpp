// The simple DoDo computation: per small area the coefficients Ai and Bi of
// its linear relation with the base area, the projected population and two
// annual growth rates; per block and in total the sums, the observations and
// the compatibility check.
#include "core/engine/simples_calculo.h"
#include "core/engine/formulas.h"

#include <cmath>
#include <optional>

#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"
#include "core/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/validacao.h"

namespace zivu {

namespace {

constexpr const char* kErroTexto = "Erro";

void mensagem_problema(Sistema& sis) {
  sis.plat.mensagem("Algum problema no cálculo. Tarefa cancelada.", "Erro!", Botoes::OK, Icone::Erro);
}

// A population or total cell of the sheet: separators removed, then the
// floating conversion.
std::optional<double> valor_planilha(const std::string& texto) {
  // Most cells are plain digits: their value is the exact integer.
  if (!texto.empty() && texto.size() <= 15) {
    int64_t v = 0;
    bool digitos = true;
    for (char c : texto) {
      if (c < '0' || c > '9') {
        digitos = false;
        break;
      }
      v = v * 10 + (c - '0');
    }
    if (digitos) return static_cast<double>(v);
  }
  if (texto.find_first_of(".,") == std::string::npos) return para_real(texto);
  return para_real(Tira_Separadores(texto));
}

// A rounded result as the plain text shows it. Below 10^15 that text is the
// integer's own digits; from there on it is scientific and no longer converts
// to an integer, which is a failure for the callers.
std::optional<int64_t> inteiro_do_resultado(double arredondado) {
  if (!(std::fabs(arredondado) < 1e15)) return std::nullopt;
  return static_cast<int64_t>(arredondado);
}

// ((razao ^ expoente) - 1) * 100, failing on any step that fails.
// Region rows the grids can hold.
bool linhas_na_grade(int y0, int y1) { return y0 >= 1 && y1 < kLinhasPlanilha; }

}  // namespace

std::string Projeta_Linha(Sistema& sis, int r, int c0, double B0, double B1, double PX, double p0,
                          double p1) {
  const auto dodo = projecao_dodo(B0, B1, PX, p0, p1);
  if (!dodo) return kErroTexto;
  const auto [Ai, Bi, P] = *dodo;
  const double R = arredonda(P);
  const auto inteiro = inteiro_do_resultado(R);
  std::string resultado = inteiro ? texto_inteiro(*inteiro) : texto_geral(R);
  const std::string& mascara = sis.origem.MascaraDecimais;
  Grade& v = sis.simples.DadosVariaveis;
  v.escreve(c0, r, texto_mascara(P, mascara));
  v.escreve(c0 + 1, r, texto_mascara(Ai, mascara));
  v.escreve(c0 + 2, r, texto_mascara(Bi, mascara));
  return resultado;
}

namespace {

// The computation itself, up to the observations and the enabled state of
// "Adaptar". False after the failure message was shown.
bool projeta(Sistema& sis, const std::string& ano) {
  Origem& o = sis.origem;
  Simples& s = sis.simples;
  Grade& saida = s.DadosSaida;
  Grade& vars = s.DadosVariaveis;
  const Grade& entrada = o.DadosEntrada;
  const std::string& mascara = o.MascaraDecimais;
  const bool geral = o.cfg.DoDo_geral;
  auto falha = [&sis] {
    mensagem_problema(sis);
    return false;
  };

  // 1.
  s.Adaptar = false;
  if (o.CelulasAno.size() < 2) return falha();
  const CelulaAno a0 = o.CelulasAno[0], a1 = o.CelulasAno[1];
  const int c0 = a0.X, r0 = a0.Y, c1 = a1.X;
  if (c0 < 1 || c0 + 4 >= kColunasPlanilha || c1 < 1 || c1 >= kColunasPlanilha || r0 < 1 ||
      r0 >= kLinhasPlanilha)
    return falha();
  const auto X = para_inteiro(ano);
  if (!X) return falha();

  // 2.
  saida.cel(c0, r0) = texto_inteiro(*X);
  int negativos = 0;

  // Exponents of both rates. The rate T1/X of each year counts the months
  // from the second survey to that year, not to the target year.
  const int64_t meses_ano = MesesAteAno(o, *X);
  const bool sem_meses_pesquisas = o.MesesPesquisas == 0;
  const bool sem_meses_ano = meses_ano == 0;
  const double exp0 = sem_meses_pesquisas ? 0.0 : 12.0 / o.MesesPesquisas;
  const double exp1 = sem_meses_ano ? 0.0 : 12.0 / static_cast<double>(meses_ano);

  // 3. First pass: every small area.
  const size_t n_areas = o.AreasDados.size();
  for (size_t k = 0; k < n_areas; ++k) {
    const Regiao& d = o.AreasDados[k];
    int base = 0;
    double PX = 0;
    if (geral) {
      base = o.LinhaPrincipal.Y0;
      PX = static_cast<double>(o.TotalPrincipal);
    } else {
      if (k >= o.Secundarias.size() || k >= o.TotaisSecundarios.size()) return falha();
      base = o.Secundarias[k].Y0;
      PX = static_cast<double>(o.TotaisSecundarios[k]);
    }
    const auto B0 = valor_planilha(entrada.le(c0, base));
    const auto B1 = valor_planilha(entrada.le(c1, base));
    if (!B0 || !B1) return falha();
    if (d.Y0 <= d.Y1 && !linhas_na_grade(d.Y0, d.Y1)) return falha();

    double soma = 0;
    for (int r = d.Y0; r <= d.Y1; ++r) {
      const auto p0 = valor_planilha(entrada.cel(c0, r));
      const auto p1 = valor_planilha(entrada.cel(c1, r));
      if (!p0 || !p1) return falha();
      std::string R = Projeta_Linha(sis, r, c0, *B0, *B1, PX, *p0, *p1);
      if (R == kErroTexto) {
        saida.cel(c0, r) = std::move(R);
        return falha();
      }
      const auto v = para_inteiro(R);
      if (!v) return falha();
      if (*v < 0) ++negativos;
      saida.cel(c0, r) = std::move(R);

      if (sem_meses_pesquisas) return falha();
      const auto t0 = taxa_crescimento(*p1 / *p0, exp0);
      if (!t0) return falha();
      vars.cel(c0 + 3, r) = texto_mascara(*t0, mascara);
      if (*v >= 0) {
        if (sem_meses_ano) return falha();
        const auto t1 = taxa_crescimento(static_cast<double>(*v) / *p1, exp1);
        if (!t1) return falha();
        vars.cel(c0 + 4, r) = texto_mascara(*t1, mascara);
        soma += static_cast<double>(*v);
      } else {
        vars.cel(c0 + 4, r) = "Pop. negativa";
      }
    }
    // Negative results stay out of the block's obtained total.
    if (d.Y0 > 0) saida.escreve(c0, d.Y0 - 1, texto_geral(soma));
  }

  // 4. Second pass: sums per block, read back from the texts just written.
  double total_ai = 0, total_bi = 0, obtido = 0;
  for (size_t k = 0; k < n_areas; ++k) {
    const Regiao& d = o.AreasDados[k];
    double total = 0, soma_ai = 0, soma_bi = 0;
    for (int r = d.Y0; r <= d.Y1; ++r) {
      const auto v = para_real(saida.cel(c0, r));
      const auto ai = para_real(vars.cel(c0 + 1, r));
      const auto bi = para_real(vars.cel(c0 + 2, r));
      if (!v || !ai || !bi) return falha();
      total += *v;
      soma_ai += *ai;
      soma_bi += *bi;
    }
    vars.escreve(d.X0, d.Y0 - 1, texto_geral(total));
    vars.escreve(d.X0 + 1, d.Y0 - 1, texto_0_cerquilhas(soma_ai));
    vars.escreve(d.X0 + 2, d.Y0 - 1, texto_0_cerquilhas(soma_bi));
    total_ai += soma_ai;
    total_bi += soma_bi;
    obtido += total;
  }
  if (!geral) {
    o.TotaisObtidos.resize(o.TotaisSecundarios.size(), 0);
    for (size_t j = 0; j < o.TotaisSecundarios.size() && j < n_areas; ++j) {
      const auto v = para_inteiro(saida.le(c0, o.AreasDados[j].Y0 - 1));
      if (!v) return falha();
      o.TotaisObtidos[j] = *v;
    }
  }

  // 5 to 9. Observations.
  const std::string Y = apara(ano);
  std::string obs = "População projetada para " + Y + "\n\n";
  if (negativos > 0) {
    obs += negativos == 1 ? "Há resultado negativo." : "Há resultados negativos.";
    obs += "\n\nO total de população calculada para " + Y +
           " não é compatível com a população esperada, que é de " + texto_inteiro(o.TotalPrincipal) +
           ".\n\n";
  }
  o.Diferenca = 0;
  if (static_cast<double>(o.TotalPrincipal) != obtido) {
    o.Diferenca = static_cast<double>(o.TotalPrincipal) - obtido;
    s.Adaptar = true;
    obs = "O resultado final é diferente do esperado.\nCorrija o valor da população projetada para " +
          ano + "\nou clique em Adaptar, na guia Resultado, para\ndiminuir/somar " +
          texto_geral(o.Diferenca) + " da maior população.\n\n\n";
  }
  obs += "Veja abaixo o resultado das principais variáveis:\n\n"
         "Para serem considerados válidos, Ai deve tender a 1 e Bi a 0.\n";
  // A rounded sum is shown as an integer's digits, never in scientific form.
  auto inteiro_arredondado = [](double x) {
    const double r = finito(x) ? arredonda(x) : x;
    return std::fabs(r) < 9.2e18 ? texto_inteiro(static_cast<int64_t>(r)) : texto_geral(r);
  };
  if (geral) {
    obs += "Área principal\n  -> Somatório de Ai = " + inteiro_arredondado(total_ai) +
           "\n  -> Somatório de Bi = " + inteiro_arredondado(total_bi) +
           "\n  -> Total esperado é : " + texto_inteiro(o.TotalPrincipal) +
           "\n  -> Total obtido é : " + texto_geral(obtido) + "\n";
  } else {
    // Each block's sums are read where the second pass wrote them, the row
    // above its data area, so every layout reports its own block.
    for (size_t k = 0; k < o.Secundarias.size() && k < n_areas; ++k) {
      const Regiao& d = o.AreasDados[k];
      const auto ai = para_real(vars.le(d.X0 + 1, d.Y0 - 1));
      const auto bi = para_real(vars.le(d.X0 + 2, d.Y0 - 1));
      if (!ai || !bi) return falha();
      const int64_t esperado = k < o.TotaisSecundarios.size() ? o.TotaisSecundarios[k] : 0;
      const int64_t obtido_k = k < o.TotaisObtidos.size() ? o.TotaisObtidos[k] : 0;
      obs += "\nÁrea secundária " + std::to_string(k + 1) + "\n  -> Somatório de Ai = " +
             inteiro_arredondado(*ai) + "\n  -> Somatório de Bi = " + inteiro_arredondado(*bi) +
             "\n  -> Total esperado é : " + texto_inteiro(esperado) +
             "\n  -> Total obtido é : " + texto_inteiro(obtido_k) + "\n";
    }
  }

  // 10.
  s.Texto_Obs = std::move(obs);
  sis.status("Pronto. Veja as guias de resultados.");
  return true;
}

}  // namespace

bool Projeta_Ano_Simples_sem_gravar(Sistema& sis, const std::string& ano) { return projeta(sis, ano); }

bool Projeta_Ano_Simples(Sistema& sis, const std::string& ano) {
  if (!projeta(sis, ano)) return false;
  // 11.
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
      sis.plat.mensagem("Algum problema no cálculo. Tarefa cancelada.", "Erro!", Botoes::OK, Icone::Erro);
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
