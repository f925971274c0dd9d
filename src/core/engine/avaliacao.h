// Back-test ("Avaliação retrospectiva"): the worksheet's two surveys project
// the year of a later survey held in one more column of the sheet (the test
// column), by the simple DoDo and by three yardsticks, and each projection is
// compared with what that survey observed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace zivu {

class Origem;
class Sistema;

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

// Summary of (projected, observed) pairs, each observed value > 0.
ResumoErros resume_erros(const std::vector<std::pair<double, double>>& pares);

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

// Column of a letter A..Z in either case; 0 for any other text.
int coluna_teste(std::string_view letra);

// Checks of the test column and year against a worksheet that passed the
// checks of "Calcular": the message, or nothing when they are fine.
std::optional<std::string> confere_coluna_teste(const Origem& o, std::string_view letra);
std::optional<std::string> confere_ano_teste(const Origem& o, std::string_view ano);

// The back-test of checked parameters, or the message when the DoDo cannot
// project a block (equal or unreadable base populations, an unreadable area).
std::variant<Avaliacao, std::string> avalia(const Origem& o, int coluna, int64_t ano);

// "Avaliar": checks the column and year, computes, and keeps the result in
// the simple window's state. False when refused (the message was shown and
// the previous result stays).
bool AvaliarClick(Sistema& sis, const std::string& coluna, const std::string& ano);

}  // namespace zivu
