// "Calcular": the checks made before a run, in their fixed order, and the
// parameters they leave for the calculation.
#include "core/worksheet/validacao.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "core/worksheet/sistema.h"
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

bool coluna_de_ano(const Origem& o, int c) {
  return c == o.CelulasAno[0].X || c == o.CelulasAno[1].X;
}

// The year-column cells of one region. `linha_fixa` >= 0 checks that row
// only (a line), else every row of the region. The message of the first
// invalid cell, or nothing.
std::optional<std::string> valores_validos(const Origem& o, const Regiao& g, int linha_fixa,
                                           int linha_endereco, const char* mensagem) {
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
      return std::string(mensagem) + "\r\rCélula " + endereco(c, linha) + kCorrija;
    }
    // A region reaching past the sheet fails on its first missing row anyway.
  }
  return std::nullopt;
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

namespace {

// The years a run works with, as the checks read them.
struct Anos {
  int64_t t0 = 0, t1 = 0, tx = 0;
};

// A check returns the message that stops "Calcular", or nothing.
struct Parada {
  std::string texto;
  const char* titulo;
};
using Resultado = std::optional<Parada>;

Resultado impossivel(std::string texto) { return Parada{std::move(texto), kImpossivel}; }
Resultado erro(std::string texto) { return Parada{std::move(texto), kErro}; }

// A year as the original's 32-bit conversion reads it; a text outside that
// range fails like any other malformed number.
Resultado le_ano(const std::string& texto, int64_t& ano) {
  const auto v = para_inteiro(texto);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) return erro(msg_inteiro_invalido(texto));
  ano = *v;
  return std::nullopt;
}

const std::string& texto_do_ano(const Origem& o, int i) {
  return o.DadosEntrada.le(o.CelulasAno[i].X, o.CelulasAno[i].Y);
}

// The totals sheet is read without thousands separators.
void tira_separadores_dos_totais(Origem& o) {
  o.Outros_totaisClick();
  for (int c = 2; c < o.Grade_totais.colunas(); ++c)
    for (int r = 1; r < o.Grade_totais.linhas(); ++r)
      o.Grade_totais.cel(c, r) = Tira_Separadores(o.Grade_totais.cel(c, r));
  o.Outros_totaisClick();
}

Resultado confere_ano_final_e_totais(Sistema& sis, Anos& anos) {
  const Origem& o = sis.origem;
  std::string falta;
  if (apara(o.cfg.AnoProj).empty()) {
    falta += "Informe o ano final.\r";
  } else {
    if (auto p = le_ano(o.cfg.AnoProj, anos.tx)) {
      sis.origem.CampoInvalido = "AnoProj";
      return p;
    }
    if (anos.tx < 1) falta += "Informe o ano final.\r";
  }
  if (o.cfg.DoDo_geral) {
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
  if (falta.empty()) return std::nullopt;
  return impossivel(falta + "\rAcesse a guia Configuração e/ou a opção SIGMA.");
}

// Block mode pairs data area k with secondary line k.
Resultado confere_blocos_pareados(Sistema& sis, Anos&) {
  const Origem& o = sis.origem;
  if (!o.cfg.DoDo_bloco || o.QtdDados == o.QtdSecundarias) return std::nullopt;
  return impossivel("Você especificou uma quantidade de\rárea de dados diferente da de área\rsecundária.\r");
}

Resultado confere_celulas_de_ano(Sistema& sis, Anos&) {
  const Origem& o = sis.origem;
  for (const CelulaAno& a : {o.CelulasAno[0], o.CelulasAno[1]})
    if (!valida(o.DadosEntrada.le(a.X, a.Y)))
      return impossivel("Ano inválido.\r\rCélula " + endereco(a.X, a.Y) + kCorrija);
  return std::nullopt;
}

Resultado confere_anos_diferentes(Sistema& sis, Anos&) {
  const Origem& o = sis.origem;
  if (texto_do_ano(o, 0) != texto_do_ano(o, 1)) return std::nullopt;
  const CelulaAno a0 = o.CelulasAno[0], a1 = o.CelulasAno[1];
  return impossivel("Os Anos devem ser diferentes.\r\rCélula " + endereco(a0.X, a0.Y) + "\r\rCélula " +
                    endereco(a1.X, a1.Y) + kCorrija);
}

// The variables of an area take four columns right of the first year's;
// past column Z they could be neither shown nor stored.
Resultado confere_coluna_do_primeiro_ano(Sistema& sis, Anos&) {
  const CelulaAno a0 = sis.origem.CelulasAno[0];
  if (a0.X <= 22) return std::nullopt;
  return impossivel("A coluna do primeiro ano deve ser V ou anterior.\r\rCélula " + endereco(a0.X, a0.Y) +
                    kCorrija);
}

Resultado confere_ordem_das_pesquisas(Sistema& sis, Anos& anos) {
  const Origem& o = sis.origem;
  const std::string& texto0 = texto_do_ano(o, 0);
  const std::string& texto1 = texto_do_ano(o, 1);
  if (auto p = le_ano(texto0, anos.t0)) return p;
  if (auto p = le_ano(texto1, anos.t1)) return p;
  if (anos.t1 - anos.t0 > 0) return std::nullopt;
  return erro("A diferença entre os anos das duas pesquisas deve ser\nmaior que zero.\n\n"
              "Ano da primeira pesquisa é " + texto0 + "\nAno da segunda pesquisa é " + texto1 +
              "\n\nVolte à planilha de entrada de dados e corrija.");
}

// The target year not before the second survey; leaves the month counts.
Resultado confere_ano_a_projetar(Sistema& sis, Anos& anos) {
  Origem& o = sis.origem;
  if (anos.tx - anos.t1 < 0)
    return erro("A diferença entre Ano a Projetar e o da última pesquisa deve ser\nmaior ou igual a zero.\n\n"
                "Ano da última pesquisa é " + texto_do_ano(o, 1) + "\nAno a Projetar é " + o.cfg.AnoProj +
                "\n\nPoderá corrigir isso voltando à planilha de entrada de dados\n"
                "acessando a guia Configurações - Gerais.");
  const int m0 = o.cfg.Mes_Ano0 + 1, m1 = o.cfg.Mes_Ano1 + 1, mX = o.cfg.Mes_AnoX + 1;
  const int64_t meses_pesquisas = 12 * (anos.t1 - anos.t0) - (m1 - m0);
  const int64_t meses_projecao = 12 * (anos.tx - anos.t1) - (mX - m1);
  if (meses_pesquisas > INT32_MAX || meses_projecao > INT32_MAX || meses_projecao < INT32_MIN)
    return erro("A diferença entre os anos é grande demais para o cálculo.");
  o.MesesPesquisas = static_cast<int32_t>(meses_pesquisas);
  o.MesesProjecao = static_cast<int32_t>(meses_projecao);
  return std::nullopt;
}

// Numbers in the year columns of the principal line, the secondary lines and
// the data areas.
Resultado confere_valores(Sistema& sis, Anos&) {
  const Origem& o = sis.origem;
  const Regiao& p = o.LinhaPrincipal;
  if (auto r = valores_validos(o, p, p.Y1, p.Y0, "Valor inválido na Linha Principal.")) return impossivel(*r);
  for (const Regiao& s : o.Secundarias)
    if (auto r = valores_validos(o, s, s.Y0, -1, "Valor inválido em Área secundária.")) return impossivel(*r);
  for (const Regiao& d : o.AreasDados)
    if (auto r = valores_validos(o, d, -1, -1, "Valor inválido em Área de dados.")) return impossivel(*r);
  return std::nullopt;
}

// The number mask of the variables grid.
Resultado prepara_mascara(Sistema& sis, Anos&) {
  Origem& o = sis.origem;
  o.MascaraDecimais.clear();
  if (!o.cfg.Aproximar) return std::nullopt;
  const std::string casas_texto = apara(o.cfg.NCasasDec);
  const auto casas = para_inteiro(casas_texto);
  if (!casas) {
    o.CampoInvalido = "NCasasDec";
    return erro(msg_inteiro_invalido(casas_texto));
  }
  if (*casas > kMaxCasasDecimais)
    return impossivel("O número de casas decimais deve ser no máximo " + std::to_string(kMaxCasasDecimais) + ".");
  if (*casas > 0) o.MascaraDecimais = "0." + std::string(static_cast<size_t>(*casas), '0');
  return std::nullopt;
}

// The year lists of both results windows, and with intermediate years every
// total of the totals sheet.
Resultado prepara_anos_projetados(Sistema& sis, Anos& anos) {
  Origem& o = sis.origem;
  std::vector<std::string>& lista = sis.simples.Esc_Ano_Projetado;
  std::vector<std::string>& lista_quartis = sis.quartis.Esc_Ano_Projetado;
  lista.clear();
  lista_quartis.clear();
  sis.simples.Esc_Ano_Projetado_indice = sis.quartis.Esc_Ano_Projetado_indice = -1;
  if (!o.cfg.Anos_intermediarios) {
    // The canonical text, so that file names and the totals sheet's headers
    // agree even when the target year was typed with leading zeros.
    lista.push_back(texto_inteiro(anos.tx));
    lista_quartis = lista;
    return std::nullopt;
  }
  if (anos.tx - anos.t1 > kMaxAnosProjetados)
    return impossivel("São anos intermediários demais: no máximo " + std::to_string(kMaxAnosProjetados) +
                      " anos podem ser projetados.");
  o.Outros_totaisClick();
  for (int64_t ano = anos.t1 + 1; ano <= anos.tx; ++ano) lista.push_back(texto_inteiro(ano));
  // A target year equal to the second survey's still projects that year.
  if (lista.empty()) lista.push_back(texto_inteiro(anos.tx));
  // Only the year columns: a one-year sheet keeps a padding column.
  const Grade& g = o.Grade_totais;
  const int ultima = std::min<int64_t>(std::max<int64_t>(1, anos.tx - anos.t1), g.colunas() - 1);
  for (int c = 1; c <= ultima; ++c) {
    for (int r = 1; r < g.linhas(); ++r) {
      bool falta_total = apara(g.cel(c, r)).empty();
      if (!falta_total) {
        const auto v = para_inteiro(g.cel(c, r));
        if (!v) return erro(msg_inteiro_invalido(g.cel(c, r)));
        falta_total = *v == 0;
      }
      if (falta_total) {
        lista_quartis = lista;
        return erro("Falta algum total intermediário.\r\rAcesse \"3 - Totais\", uma sub-guia de Dados de "
                    "Origem.\r");
      }
    }
  }
  lista_quartis = lista;
  return std::nullopt;
}

}  // namespace

bool ProcessaClick(Sistema& sis) {
  Origem& o = sis.origem;
  // The command is only offered with an empty checklist; the core keeps to
  // that too, so an unmarked sheet never reaches the engine.
  o.ListaObs();
  if (!o.tela.Processa_habilitado || o.CelulasAno.size() < 2) return false;
  tira_separadores_dos_totais(o);

  using Checagem = Resultado (*)(Sistema&, Anos&);
  static constexpr Checagem kChecagens[] = {
      confere_ano_final_e_totais, confere_blocos_pareados,       confere_celulas_de_ano,
      confere_anos_diferentes,    confere_coluna_do_primeiro_ano, confere_ordem_das_pesquisas,
      confere_ano_a_projetar,     confere_valores,                prepara_mascara,
      prepara_anos_projetados,
  };
  Anos anos;
  for (Checagem checa : kChecagens) {
    // The mask is prepared under the wait cursor.
    const bool espera = checa == prepara_mascara;
    if (espera) sis.plat.cursor_espera(true);
    const Resultado parada = checa(sis, anos);
    if (espera) sis.plat.cursor_espera(false);
    if (parada) {
      sis.plat.mensagem(parada->texto, parada->titulo, Botoes::OK,
                        parada->titulo == kErro ? Icone::Erro : Icone::Aviso);
      return false;
    }
  }
  return true;
}

}  // namespace zivu
