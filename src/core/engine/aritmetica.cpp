#include "core/engine/aritmetica.h"

#include <cmath>

#include "core/engine/formulas.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {

void falha_calculo() { throw Cancelamento{kMsgProblema, "Erro!"}; }

void mostra_cancelamento(Sistema& sis, const Cancelamento& c) {
  sis.plat.cursor_espera(false);
  sis.plat.mensagem(c.texto, c.titulo, Botoes::OK, c.aviso ? Icone::Aviso : Icone::Erro);
}

double confere(double x) {
  if (!finito(x)) falha_calculo();
  return x;
}

double divide(double a, double b) {
  if (b == 0) falha_calculo();
  return confere(a / b);
}

double taxa_anual(double razao, int64_t meses) {
  const auto t = taxa_crescimento(razao, divide(12.0, static_cast<double>(meses)));
  if (!t) falha_calculo();
  return *t;
}

Base base_do_bloco(const Sistema& sis, size_t k) {
  const Origem& o = sis.origem;
  // A new table after a run leaves the statistics without their years.
  if (o.CelulasAno.size() < 2) falha_calculo();
  const int c0 = o.CelulasAno[0].X, c1 = o.CelulasAno[1].X;
  Base b;
  int linha;
  if (o.cfg.DoDo_geral) {
    linha = o.LinhaPrincipal.Y0;
    b.PX = static_cast<double>(o.TotalPrincipal);
  } else {
    // The validation pairs every data area with a secondary line.
    if (k >= o.Secundarias.size() || k >= o.TotaisSecundarios.size()) falha_calculo();
    linha = o.Secundarias[k].Y0;
    b.PX = static_cast<double>(o.TotaisSecundarios[k]);
  }
  b.B0 = le_numero(o.DadosEntrada, c0, linha);
  b.B1 = le_numero(o.DadosEntrada, c1, linha);
  return b;
}

double projeta(const Base& base, double p0, double p1) {
  const auto dodo = projecao_dodo(base.B0, base.B1, base.PX, p0, p1);
  if (!dodo) falha_calculo();
  return dodo->P;
}

std::optional<int64_t> populacao_inteira(double P) {
  const double R = arredonda(P);
  if (!(std::fabs(R) < 1e15)) return std::nullopt;
  return static_cast<int64_t>(R);
}

int64_t arredonda_resultado(double P) {
  const auto R = populacao_inteira(P);
  if (!R) falha_calculo();
  return *R;
}

std::optional<double> valor_planilha(std::string_view texto) {
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
  return para_real(Tira_Separadores(texto));
}

double le_numero(const Grade& g, int c, int r) {
  const std::string& texto = g.le(c, r);
  const std::optional<double> v = valor_planilha(texto);
  if (!v) throw Cancelamento{msg_real_invalido(Tira_Separadores(texto)), "Erro!"};
  return *v;
}

int64_t le_inteiro(std::string_view texto) {
  const std::optional<int64_t> v = para_inteiro(texto);
  if (!v) throw Cancelamento{msg_inteiro_invalido(texto), "Erro!"};
  return *v;
}

int64_t ano_de(std::string_view texto) { return le_inteiro(apara(texto)); }

}  // namespace zivu
