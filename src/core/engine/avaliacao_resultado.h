// The result of a back-test ("Avaliação retrospectiva"), as the "Avaliação"
// page shows it: per area the projections of the test year by the DoDo and
// three yardsticks, and the percentage errors summed up per method, per
// block and per size class.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zivu {

enum class MetodoAvaliacao { DoDo, ParcelaConstante, TendenciaLinear, TendenciaExponencial };
inline constexpr int kMetodosAvaliacao = 4;
inline constexpr std::array<MetodoAvaliacao, kMetodosAvaliacao> kMetodosAvaliados = {
    MetodoAvaliacao::DoDo, MetodoAvaliacao::ParcelaConstante, MetodoAvaliacao::TendenciaLinear,
    MetodoAvaliacao::TendenciaExponencial};
// "DoDo", "Parcela constante", "Tendência linear", "Tendência exponencial".
const char* nome_metodo(MetodoAvaliacao m);

// Percentage errors of one method over a set of areas; the measures mean
// something only when `areas` > 0.
struct ResumoErros {
  int areas = 0;
  double MAPE = 0;    // mean APE
  double MedAPE = 0;  // median APE
  double MALPE = 0;   // mean PE (the bias)
  double WAPE = 0;    // 100 * sum |P - O| / sum O
  double EPA10 = 0;   // percentage of areas with APE > 10
};

struct AreaAvaliada {
  int linha = 0;  // sheet row
  int bloco = 0;  // 0-based
  std::string titulo;
  double p0 = 0, p1 = 0;
  // A number > 0 in the test column; without it the area is "sem observação".
  std::optional<double> observado;
  // Empty when the method could not project the area's block.
  std::array<std::optional<double>, kMetodosAvaliacao> projecao;
  int classe = 0;  // size class 1..4 among the observed areas, 0 without observation

  // 100 * (P - O) / O, when both exist.
  std::optional<double> PE(MetodoAvaliacao m) const;
};

struct GrupoAvaliacao {
  std::string nome;
  std::array<ResumoErros, kMetodosAvaliacao> resumo;
};

struct Avaliacao {
  int coluna = 0;   // test column
  int64_t ano = 0;  // test year
  double h = 0;     // (t2 - t1) / (t1 - t0), t = 12 * year + month
  std::vector<double> PX;            // target total of each block
  std::vector<AreaAvaliada> areas;   // in worksheet order
  int sem_observacao = 0;
  std::array<ResumoErros, kMetodosAvaliacao> resumo;
  std::vector<GrupoAvaliacao> blocos;
  std::array<double, 3> limites_classes{};  // Q1, Q2, Q3 of p1 among the observed areas
  std::vector<GrupoAvaliacao> classes;      // the four size classes
};

}  // namespace zivu
