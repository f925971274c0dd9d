// Arithmetic of the quartile engine. C++ does not raise on a division by zero
// or an overflow, so every step checks its result and cancels the year.
#include <cmath>
#include <optional>

#include "core/engine/formulas.h"
#include "core/engine/quartis_interno.h"
#include "core/results/quartis.h"
#include "core/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu::quartis_interno {

void falha_calculo() { throw Cancelamento{kMsgProblema, "Erro!"}; }

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

double arredonda_resultado(double P) {
  const double R = arredonda(P);
  if (!(std::fabs(R) < 1e15)) falha_calculo();
  return R;
}

double le_numero(const Grade& g, int c, int r) {
  const std::string texto = Tira_Separadores(g.le(c, r));
  const std::optional<double> v = para_real(texto);
  if (!v) throw Cancelamento{msg_real_invalido(texto), "Erro!"};
  return *v;
}

int64_t le_inteiro(std::string_view texto) {
  const std::optional<int64_t> v = para_inteiro(texto);
  if (!v) throw Cancelamento{msg_inteiro_invalido(texto), "Erro!"};
  return *v;
}

int64_t ano_de(std::string_view texto) { return le_inteiro(apara(texto)); }

std::string rotulo_area(const Quartis& q, size_t k) {
  return std::to_string(k + 1) + " - " + (k < q.NomesAreas.size() ? q.NomesAreas[k] : "<vazio>");
}

}  // namespace zivu::quartis_interno
