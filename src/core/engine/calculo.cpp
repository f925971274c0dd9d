// The calculation driver: prepares the "Temp" folder, runs the chosen method
// over every projected year with that year's totals swapped in, and reports
// the elapsed time.
#include "core/engine/calculo.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/engine/quartis_calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"
#include "core/engine/escolha_ano.h"
#include "core/text/textos.h"
#include "core/worksheet/validacao.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/tempo.h"

namespace zivu {

namespace {

std::string texto_calculado(int64_t inicio) {
  return "Calculado, levando " + Tempo_Decorrido(inicio, segundos_monotonicos()) + " h";
}

// Creates the folder, or empties the chosen method's files from it. False
// after the message was shown.
bool prepara_pasta(Sistema& sis) {
  std::string pasta = pasta_temp(sis);
  const std::string nome = pasta.substr(0, pasta.size() - 1);
  std::error_code ec;
  if (std::filesystem::create_directories(pasta, ec)) return true;
  if (!std::filesystem::is_directory(pasta, ec)) {
    sis.plat.cursor_espera(false);
    sis.plat.mensagem("Não foi possível criar a pasta\r\r" + nome, "Erro!", Botoes::OK, Icone::Erro);
    return false;
  }
  if (!Apaga_Arquivos_Ano(pasta, metodo_escolhido(sis.origem.cfg))) {
    sis.plat.cursor_espera(false);
    sis.plat.mensagem("A pasta\r\r" + nome +
                          "\r\rcontém algum arquivo em uso, e é necessário apagá-lo para continuar.",
                      "Erro!", Botoes::OK, Icone::Erro);
    return false;
  }
  return true;
}

// Progress of a loop over `maximo` steps, passed on only when the shown
// percentage changes.
class Progresso {
 public:
  Progresso(Plataforma& plat, int maximo) : plat_(plat), maximo_(maximo) {
    plat_.progresso_mostrar(maximo);
    plat_.progresso_posicao(0, "0%");
  }
  void avanca(int posicao) {
    if (maximo_ <= 0) return;
    const int pct = static_cast<int>(static_cast<int64_t>(posicao) * 100 / maximo_);
    if (pct == pct_) return;
    pct_ = pct;
    plat_.progresso_posicao(posicao, std::to_string(pct) + "%");
  }

 private:
  Plataforma& plat_;
  int maximo_;
  int pct_ = 0;
};

bool calcula_simples(Sistema& sis) {
  Origem& o = sis.origem;
  Simples& s = sis.simples;
  Grade& saida = s.DadosSaida;
  Grade& vars = s.DadosVariaveis;
  if (o.CelulasAno.size() < 2) return false;

  // 1 and 2. Empty both grids over the worksheet's extent, widened to the
  // columns the variables take.
  const int ultima_linha = std::min<int>(o.UltimaLinha, saida.linhas() - 1);
  const int ultima_coluna = std::min<int>(colunas_variaveis(o), saida.colunas() - 1);
  Progresso progresso(sis.plat, o.UltimaLinha);
  sis.status("Esvaziando planilhas e calculando...");
  for (int r = 1; r <= ultima_linha; ++r) {
    for (int c = 1; c <= ultima_coluna; ++c) {
      saida.cel(c, r).clear();
      vars.cel(c, r).clear();
    }
    progresso.avanca(r);
  }

  // 3. Titles are carried into both grids.
  for (const Regiao& t : o.Titulos) {
    if (t.vazia()) continue;
    for (int r = std::max(t.Y0, 1); r <= std::min(t.Y1, kLinhasPlanilha - 1); ++r)
      for (int c = std::max(t.X0, 1); c <= std::min(t.X1, kColunasPlanilha - 1); ++c) {
        saida.cel(c, r) = o.DadosEntrada.cel(c, r);
        vars.cel(c, r) = o.DadosEntrada.cel(c, r);
      }
  }

  // 4. Headers of the variables.
  const CelulaAno a0 = o.CelulasAno[0], a1 = o.CelulasAno[1];
  vars.escreve(a0.X, a0.Y, "População");
  vars.escreve(a0.X + 1, a0.Y, "Ai");
  vars.escreve(a0.X + 2, a1.Y, "Bi");
  vars.escreve(a0.X + 3, a1.Y,
               "Taxa " + o.DadosEntrada.le(a0.X, a0.Y) + "/" + o.DadosEntrada.le(a1.X, a1.Y));

  // 5 to 7.
  SalvaValores(sis);
  bool ok = true;
  for (size_t i = 0; i < s.Esc_Ano_Projetado.size(); ++i) {
    const std::string ano = s.Esc_Ano_Projetado[i];
    if (!PegandoNovosTotais(sis, ano) || !Projeta_Ano_Simples(sis, ano)) {
      ok = false;
      break;
    }
    s.Ano_Projetado_hint = ano;
  }
  RecuperaValores(sis);
  return ok;
}

bool calcula_quartis(Sistema& sis, int64_t& inicio) {
  Origem& o = sis.origem;
  Quartis& q = sis.quartis;
  const auto divisor = para_inteiro(o.cfg.Div_habitantes);
  if (!divisor) {
    o.CampoInvalido = "Div_habitantes";
    sis.plat.cursor_espera(false);
    sis.plat.mensagem(msg_inteiro_invalido(o.cfg.Div_habitantes), "Erro!", Botoes::OK, Icone::Erro);
    return false;
  }
  if (*divisor <= 0) {
    sis.plat.cursor_espera(false);
    sis.plat.mensagem("Informe um número maior que 0 em valor divisório (Configuração - Quartis)", "Alerta",
                      Botoes::OK, Icone::Aviso);
    return false;
  }
  const Configuracao& cfg = o.cfg;
  if (!cfg.Existe_cd_maior && !cfg.Existe_nome_maior && !cfg.Existe_cd_menor && !cfg.Existe_nome_menor) {
    sis.plat.cursor_espera(false);
    sis.plat.mensagem(
        "Não existe referência sobre algum identificador de linha (Condiguração - Quartis - Pontos de "
        "referência)",
        "Alerta", Botoes::OK, Icone::Aviso);
    return false;
  }

  inicio = segundos_monotonicos();
  SalvaValores(sis);
  bool ok = true;
  for (size_t i = 0; i < q.Esc_Ano_Projetado.size(); ++i) {
    const std::string ano = q.Esc_Ano_Projetado[i];
    sis.status("");
    if (!PegandoNovosTotais(sis, ano) || !Projeta_Ano_Quartis(sis, ano)) {
      ok = false;
      break;
    }
    q.Ano_Projetado_hint = ano;
  }
  RecuperaValores(sis);

  // A cancelled run has no files for its last year to show.
  if (ok && !q.Esc_Ano_Projetado.empty()) {
    q.Esc_Ano_Projetado_indice = static_cast<int>(q.Esc_Ano_Projetado.size()) - 1;
    Aceitar_anoClick_Quartis(sis);
    sis.plat.cursor_espera(false);
    Sel_AreaChange(sis);
  }
  sis.status(texto_calculado(inicio));
  return ok;
}

}  // namespace

bool PegandoNovosTotais(Sistema& sis, const std::string& ano) {
  Origem& o = sis.origem;
  Simples& s = sis.simples;
  const CelulaAno a0 = o.CelulasAno[0];
  const CelulaAno a1 = o.CelulasAno.size() > 1 ? o.CelulasAno[1] : CelulaAno{};
  if (a0.X > 0 && a1.X > 0)
    s.DadosVariaveis.escreve(a0.X + 4, a1.Y, "Taxa " + o.DadosEntrada.le(a1.X, a1.Y) + "/" + ano);

  const Grade& g = o.Grade_totais;
  int c = 0;
  for (int k = 1; k < g.colunas(); ++k)
    if (g.cel(k, 0) == ano) {
      c = k;
      break;
    }
  auto inteiro = [&](int linha) -> std::optional<int64_t> {
    const std::string& texto = g.le(c, linha);
    auto v = para_inteiro(texto);
    if (!v) sis.plat.mensagem(msg_inteiro_invalido(texto), "Erro!", Botoes::OK, Icone::Erro);
    return v;
  };

  if (o.cfg.DoDo_geral) {
    if (capitais(g.le(0, 1)) == "P") {
      const auto v = inteiro(1);
      if (!v) return false;
      o.TotalPrincipal = *v;
    }
    return true;
  }
  int s_linha = 0;
  for (int r = 1; r < g.linhas(); ++r)
    if (capitais(g.cel(0, r)).starts_with("S")) {
      s_linha = r;
      break;
    }
  // Converted first, so that a failure leaves the totals as they were.
  std::vector<int64_t> novos(o.TotaisSecundarios.size());
  for (size_t k = 0; k < novos.size(); ++k) {
    const auto v = inteiro(s_linha + static_cast<int>(k));
    if (!v) return false;
    novos[k] = *v;
  }
  o.TotaisSecundarios = std::move(novos);
  o.TotalPrincipal = 0;
  for (int64_t t : o.TotaisSecundarios) o.TotalPrincipal += t;
  return true;
}

void SalvaValores(Sistema& sis) {
  Origem& o = sis.origem;
  if (o.cfg.DoDo_geral)
    o.TotalPrincipalSalvo = o.TotalPrincipal;
  else
    o.TotaisSecundariosSalvos = o.TotaisSecundarios;
}

void RecuperaValores(Sistema& sis) {
  Origem& o = sis.origem;
  if (o.cfg.DoDo_geral)
    o.TotalPrincipal = o.TotalPrincipalSalvo;
  else
    o.TotaisSecundarios = o.TotaisSecundariosSalvos;
}

bool Calcula_Simples(Sistema& sis) { return calcula_simples(sis); }

bool Calcula_Quartis(Sistema& sis) {
  int64_t inicio = segundos_monotonicos();
  return calcula_quartis(sis, inicio);
}

bool Calcular(Sistema& sis) { return ProcessaClick(sis) && Inicia_Calculo(sis); }

bool Inicia_Calculo(Sistema& sis) {
  Plataforma& plat = sis.plat;
  plat.cursor_espera(true);
  if (!prepara_pasta(sis)) return false;
  sis.status("Aguarde...");
  sis.princ.DataCalculo = plat.hoje();
  // A back-test belongs to the worksheet as it was run.
  sis.simples.avaliacao.reset();
  // A monotonic clock, so a run that passes midnight is timed right.
  int64_t inicio = segundos_monotonicos();
  const bool ok = sis.origem.cfg.MetodoQuartis ? calcula_quartis(sis, inicio) : calcula_simples(sis);
  sis.status(texto_calculado(inicio));
  plat.progresso_esconder();
  plat.cursor_espera(false);
  return ok;
}

}  // namespace zivu
