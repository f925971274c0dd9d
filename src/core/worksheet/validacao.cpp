// "Calcular": the checks made before a run, in their fixed order, and the
// parameters they leave for the calculation.
#include "core/worksheet/validacao.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "core/engine/calculo.h"
#include "core/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

constexpr const char* kImpossivel = "Impossível continuar.";
constexpr const char* kErro = "Erro!";
constexpr const char* kCorrija = "\r\rCorrija e tente novamente.";

// More decimals than a double can carry are no use, and a huge count would
// make every number text enormous.
constexpr int64_t kMaxCasasDecimais = 20;

void para(Sistema& sis, const std::string& texto, const char* titulo) {
  sis.plat.mensagem(texto, titulo, Botoes::OK, titulo == kErro ? Icone::Erro : Icone::Aviso);
}

// A year as the original's 32-bit conversion reads it; a text outside that
// range fails like any other malformed number.
std::optional<int64_t> ano_inteiro(Sistema& sis, const std::string& texto) {
  const auto v = para_inteiro(texto);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) {
    para(sis, msg_inteiro_invalido(texto), kErro);
    return std::nullopt;
  }
  return v;
}

bool coluna_de_ano(const Origem& o, int c) {
  return c == o.CelulasAno[0].X || c == o.CelulasAno[1].X;
}

// Steps 8 to 10: the year-column cells of one region. `linha_fixa` >= 0 checks
// that row only (a line), else every row of the region.
bool valores_validos(Sistema& sis, const Regiao& g, int linha_fixa, int linha_endereco,
                     const char* mensagem) {
  const Origem& o = sis.origem;
  const int y0 = linha_fixa >= 0 ? linha_fixa : g.Y0;
  const int y1 = linha_fixa >= 0 ? linha_fixa : g.Y1;
  // Only the two year columns can fail, so visit them in column order.
  int cols[2] = {std::min(o.CelulasAno[0].X, o.CelulasAno[1].X),
                 std::max(o.CelulasAno[0].X, o.CelulasAno[1].X)};
  for (int64_t r = y0; r <= y1; ++r) {
    for (int c : cols) {
      if (c < g.X0 || c > g.X1 || !coluna_de_ano(o, c)) continue;
      if (valida(o.DadosEntrada.le(c, static_cast<int>(r)))) continue;
      const int linha = linha_endereco >= 0 ? linha_endereco : static_cast<int>(r);
      para(sis, std::string(mensagem) + "\r\rCélula " + endereco(c, linha) + kCorrija, kImpossivel);
      return false;
    }
    // A region reaching past the sheet fails on its first missing row anyway.
  }
  return true;
}

}  // namespace

bool valida(std::string_view texto, std::string_view permitidos) {
  if (texto.empty()) return false;
  return std::all_of(texto.begin(), texto.end(),
                     [permitidos](char c) { return permitidos.find(c) != std::string_view::npos; });
}

int64_t MesesAteAno(const Origem& o, int64_t ano) {
  int64_t t1 = 0;
  if (o.CelulasAno.size() >= 2) {
    if (auto v = para_inteiro(o.DadosEntrada.le(o.CelulasAno[1].X, o.CelulasAno[1].Y))) t1 = *v;
  }
  const int m1 = o.cfg.Mes_Ano1 + 1, mX = o.cfg.Mes_AnoX + 1;
  // Years outside 32 bits never pass the checks; clamping keeps an unchecked
  // caller from overflowing.
  auto ano32 = [](int64_t v) { return std::clamp<int64_t>(v, INT32_MIN, INT32_MAX); };
  return 12 * (ano32(ano) - ano32(t1)) - (mX - m1);
}

bool ProcessaClick(Sistema& sis) {
  Origem& o = sis.origem;
  // The command is only offered with an empty checklist; the core keeps to
  // that too, so an unmarked sheet never reaches the engine.
  o.ListaObs();
  if (!o.Processa_habilitado || o.CelulasAno.size() < 2) return false;
  const Configuracao& cfg = o.cfg;

  // 1. Totals sheet without separators.
  o.Outros_totaisClick();
  for (int c = 2; c < o.Grade_totais.colunas(); ++c)
    for (int r = 1; r < o.Grade_totais.linhas(); ++r)
      o.Grade_totais.cel(c, r) = Tira_Separadores(o.Grade_totais.cel(c, r));
  o.Outros_totaisClick();

  // 2. Target year and expected totals.
  std::string falta;
  std::optional<int64_t> ano_proj;
  if (apara(cfg.AnoProj).empty()) {
    falta += "Informe o ano final.\r";
  } else {
    ano_proj = ano_inteiro(sis, cfg.AnoProj);
    if (!ano_proj) return false;
    if (*ano_proj < 1) falta += "Informe o ano final.\r";
  }
  if (cfg.DoDo_geral) {
    if (o.TotalPrincipal == 0) falta += "Informe a população do ano final.\r";
  } else {
    for (size_t k = 0; k < o.Secundarias.size(); ++k) {
      const int64_t total = k < o.TotaisSecundarios.size() ? o.TotaisSecundarios[k] : 0;
      if (o.Secundarias[k].X0 > 0 && total == 0) {
        falta += "Informe a populacao do subtotal" + std::to_string(k) + ".\r";
        break;
      }
    }
  }
  if (!falta.empty()) {
    para(sis, falta + "\rAcesse a guia Configuração e/ou a opção SIGMA.", kImpossivel);
    return false;
  }

  // 3. Block mode pairs data area k with secondary line k.
  if (cfg.DoDo_bloco && o.QtdDados != o.QtdSecundarias) {
    para(sis,
         "Você especificou uma quantidade de\rárea de dados diferente da de área\rsecundária.\r",
         kImpossivel);
    return false;
  }

  // 4. Year cells.
  const CelulaAno a0 = o.CelulasAno[0], a1 = o.CelulasAno[1];
  const std::string& texto0 = o.DadosEntrada.le(a0.X, a0.Y);
  const std::string& texto1 = o.DadosEntrada.le(a1.X, a1.Y);
  for (const CelulaAno& a : {a0, a1}) {
    if (!valida(o.DadosEntrada.le(a.X, a.Y))) {
      para(sis, "Ano inválido.\r\rCélula " + endereco(a.X, a.Y) + kCorrija, kImpossivel);
      return false;
    }
  }

  // 5. Two different years.
  if (texto0 == texto1) {
    para(sis,
         "Os Anos devem ser diferentes.\r\rCélula " + endereco(a0.X, a0.Y) + "\r\rCélula " +
             endereco(a1.X, a1.Y) + kCorrija,
         kImpossivel);
    return false;
  }

  // The variables of an area take four columns right of the first year's;
  // past column Z they could be neither shown nor stored.
  if (a0.X > 22) {
    para(sis,
         "A coluna do primeiro ano deve ser V ou anterior.\r\rCélula " + endereco(a0.X, a0.Y) +
             kCorrija,
         kImpossivel);
    return false;
  }

  // 6. Survey years in order.
  const auto t0 = ano_inteiro(sis, texto0);
  if (!t0) return false;
  const auto t1 = ano_inteiro(sis, texto1);
  if (!t1) return false;
  if (*t1 - *t0 <= 0) {
    para(sis,
         "A diferença entre os anos das duas pesquisas deve ser\nmaior que zero.\n\n"
         "Ano da primeira pesquisa é " + texto0 + "\nAno da segunda pesquisa é " + texto1 +
             "\n\nVolte à planilha de entrada de dados e corrija.",
         kErro);
    return false;
  }
  const int m0 = cfg.Mes_Ano0 + 1, m1 = cfg.Mes_Ano1 + 1, mX = cfg.Mes_AnoX + 1;
  const int64_t meses_pesquisas = 12 * (*t1 - *t0) - (m1 - m0);

  // 7. Target year not before the second survey.
  const int64_t tx = *ano_proj;
  if (tx - *t1 < 0) {
    para(sis,
         "A diferença entre Ano a Projetar e o da última pesquisa deve ser\nmaior ou igual a zero.\n\n"
         "Ano da última pesquisa é " + texto1 + "\nAno a Projetar é " + cfg.AnoProj +
             "\n\nPoderá corrigir isso voltando à planilha de entrada de dados\n"
             "acessando a guia Configurações - Gerais.",
         kErro);
    return false;
  }
  const int64_t meses_projecao = 12 * (tx - *t1) - (mX - m1);
  if (meses_pesquisas > INT32_MAX || meses_projecao > INT32_MAX || meses_projecao < INT32_MIN) {
    para(sis, "A diferença entre os anos é grande demais para o cálculo.", kErro);
    return false;
  }
  o.MesesPesquisas = static_cast<int32_t>(meses_pesquisas);
  o.MesesProjecao = static_cast<int32_t>(meses_projecao);

  // 8 to 10. Numbers in the year columns of the lines and data areas.
  const Regiao& p = o.LinhaPrincipal;
  if (!valores_validos(sis, p, p.Y1, p.Y0, "Valor inválido na Linha Principal.")) return false;
  for (const Regiao& s : o.Secundarias)
    if (!valores_validos(sis, s, s.Y0, -1, "Valor inválido em Área secundária.")) return false;
  for (const Regiao& d : o.AreasDados)
    if (!valores_validos(sis, d, -1, -1, "Valor inválido em Área de dados.")) return false;

  // 11. Number mask.
  sis.plat.cursor_espera(true);
  o.MascaraDecimais.clear();
  if (cfg.Aproximar) {
    const std::string casas_texto = apara(cfg.NCasasDec);
    const auto casas = para_inteiro(casas_texto);
    if (!casas) {
      sis.plat.cursor_espera(false);
      para(sis, msg_inteiro_invalido(casas_texto), kErro);
      return false;
    }
    if (*casas > kMaxCasasDecimais) {
      sis.plat.cursor_espera(false);
      para(sis, "O número de casas decimais deve ser no máximo " + std::to_string(kMaxCasasDecimais) + ".",
           kImpossivel);
      return false;
    }
    if (*casas > 0) o.MascaraDecimais = "0." + std::string(static_cast<size_t>(*casas), '0');
  }
  sis.plat.cursor_espera(false);

  // 12 to 14. Projected years.
  Simples& s = sis.simples;
  Quartis& q = sis.quartis;
  s.Esc_Ano_Projetado.clear();
  q.Esc_Ano_Projetado.clear();
  s.Esc_Ano_Projetado_indice = q.Esc_Ano_Projetado_indice = -1;
  if (!cfg.Anos_intermediarios) {
    // The canonical text, so that file names and the totals sheet's headers
    // agree even when the target year was typed with leading zeros.
    s.Esc_Ano_Projetado.push_back(texto_inteiro(tx));
  } else {
    if (tx - *t1 > kMaxAnosProjetados) {
      para(sis,
           "São anos intermediários demais: no máximo " + std::to_string(kMaxAnosProjetados) +
               " anos podem ser projetados.",
           kImpossivel);
      return false;
    }
    o.Outros_totaisClick();
    for (int64_t ano = *t1 + 1; ano <= tx; ++ano) s.Esc_Ano_Projetado.push_back(texto_inteiro(ano));
    // A target year equal to the second survey's still projects that year.
    if (s.Esc_Ano_Projetado.empty()) s.Esc_Ano_Projetado.push_back(texto_inteiro(tx));
    // Only the year columns: a one-year sheet keeps a padding column.
    const int ultima = std::min<int64_t>(std::max<int64_t>(1, tx - *t1), o.Grade_totais.colunas() - 1);
    for (int c = 1; c <= ultima; ++c) {
      for (int r = 1; r < o.Grade_totais.linhas(); ++r) {
        const std::string texto = apara(o.Grade_totais.cel(c, r));
        bool falta_total = texto.empty();
        if (!falta_total) {
          const auto v = para_inteiro(o.Grade_totais.cel(c, r));
          if (!v) {
            para(sis, msg_inteiro_invalido(o.Grade_totais.cel(c, r)), kErro);
            return false;
          }
          falta_total = *v == 0;
        }
        if (falta_total) {
          q.Esc_Ano_Projetado = s.Esc_Ano_Projetado;
          para(sis,
               "Falta algum total intermediário.\r\rAcesse \"3 - Totais\", uma sub-guia de Dados de "
               "Origem.\r",
               kErro);
          return false;
        }
      }
    }
  }
  q.Esc_Ano_Projetado = s.Esc_Ano_Projetado;

  // 15.
  return Inicia_Calculo(sis);
}

}  // namespace zivu
