// The configuration page: defaults, entry rules, red marks and the standard
// marking.
#include <string>

#include "core/menus.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/origem.h"

namespace zivu {

namespace {

// A row number the standard marking can use: 1 .. last row of the sheet.
bool linha_valida(const std::string& texto, int ultima) {
  if (texto.empty()) return false;
  auto v = para_inteiro(texto);
  return v && *v >= 1 && *v <= ultima;
}

std::string dica_mes(int indice) { return "Mês " + std::to_string(indice + 1); }

}  // namespace

void Origem::PadroesClick() {
  const Data hoje = sis_.plat.hoje();
  LinhaAnoInicialChange("");
  define_Nao_Marcar(true);
  LinhaInicialChange("");
  ColunaInicialChange("");
  cfg.LinhaP = true;
  cfg.AnoProj = std::to_string(hoje.ano);
  cfg.Anos_intermediarios = false;
  define_DoDo_geral(true);
  cfg.Aproximar = false;
  cfg.NCasasDec = "3";
  cfg.LinRel = "40";
  cfg.Div_habitantes = "100000";
  Mes_Ano0Change(7);
  Mes_Ano1Change(8);
  Mes_AnoXChange(hoje.mes - 1);
  cfg.Existe_cd_maior = cfg.Existe_nome_maior = cfg.Existe_cd_menor = cfg.Existe_nome_menor = false;
  cfg.Cd_maior = "A";
  cfg.Nome_maior = "B";
  cfg.Cd_menor = "C";
  cfg.Nome_menor = "D";
  MPadrao();
  Anos_intermediariosClick();
}

void Origem::MPadrao() { tela.MarcaPadrao_habilitado = !(tela.X_Anos && tela.X_Titulos && tela.X_Dados); }

void Origem::LinhaAnoInicialChange(std::string texto) {
  cfg.LinhaAnoInicial = std::move(texto);
  tela.X_Anos = !linha_valida(cfg.LinhaAnoInicial, DadosEntrada.linhas() - 1);
  MPadrao();
}

void Origem::LinhaInicialChange(std::string texto) {
  cfg.LinhaInicial = std::move(texto);
  tela.X_Dados = !(linha_valida(cfg.LinhaInicial, DadosEntrada.linhas() - 1) &&
              !apara(cfg.ColunaInicial).empty());
  MPadrao();
}

void Origem::ColunaInicialChange(std::string texto) {
  cfg.ColunaInicial = std::move(texto);
  LinhaInicialChange(cfg.LinhaInicial);
}

void Origem::define_Col_Ant(bool v) {
  cfg.Col_Ant = v;
  if (!v) return;
  cfg.Nao_Marcar = cfg.Cols_Ant = false;
  tela.X_Titulos = false;
  MPadrao();
}

void Origem::define_Nao_Marcar(bool v) {
  cfg.Nao_Marcar = v;
  if (!v) return;
  cfg.Col_Ant = cfg.Cols_Ant = false;
  tela.X_Titulos = true;
  MPadrao();
}

void Origem::define_Cols_Ant(bool v) {
  cfg.Cols_Ant = v;
  if (!v) return;
  cfg.Col_Ant = cfg.Nao_Marcar = false;
  tela.X_Titulos = false;
  MPadrao();
}

void Origem::Col_AntClick() { define_Col_Ant(true); }
void Origem::Nao_MarcarClick() { define_Nao_Marcar(true); }
void Origem::Cols_AntClick() { define_Cols_Ant(true); }

void Origem::define_DoDo_geral(bool v) {
  cfg.DoDo_geral = v;
  if (!v) return;
  cfg.DoDo_bloco = false;
  DoDo_geralClick();
}

void Origem::define_DoDo_bloco(bool v) {
  cfg.DoDo_bloco = v;
  if (!v) return;
  cfg.DoDo_geral = false;
  DoDo_blocoClick();
}

void Origem::DoDo_geralClick() { ListaObs(); }
void Origem::DoDo_blocoClick() { ListaObs(); }

void Origem::AnoProjExit() {
  if (apara(cfg.AnoProj).empty()) cfg.AnoProj = std::to_string(sis_.plat.hoje().ano);
}
void Origem::NCasasDecExit() {
  if (apara(cfg.NCasasDec).empty()) cfg.NCasasDec = "3";
}
void Origem::LinRelExit() {
  if (apara(cfg.LinRel).empty()) cfg.LinRel = "40";
}

void Origem::Mes_Ano0Change(int indice) {
  cfg.Mes_Ano0 = indice;
  tela.Mes_Ano0_hint = dica_mes(indice);
}
void Origem::Mes_Ano1Change(int indice) {
  cfg.Mes_Ano1 = indice;
  tela.Mes_Ano1_hint = dica_mes(indice);
}
void Origem::Mes_AnoXChange(int indice) {
  cfg.Mes_AnoX = indice;
  tela.Mes_AnoX_hint = dica_mes(indice);
}

void Origem::MetodoQuartisClick(bool marcado) {
  cfg.MetodoQuartis = marcado;
  sis_.princ.Quartis1_marcado = cfg.MetodoQuartis && tela.MetodoQuartis_habilitado;
}

void Origem::define_Anos_intermediarios(bool v) {
  cfg.Anos_intermediarios = v;
  Anos_intermediariosClick();
}

void Origem::Anos_intermediariosClick() {
  const bool v = cfg.Anos_intermediarios;
  tela.Outros_totais_habilitado = tela.Grade_totais_habilitada = v;
  sis_.simples.Ano_Projetado_habilitado = sis_.simples.Unir_resultados_habilitado = v;
  sis_.quartis.Ano_Projetado_habilitado = sis_.quartis.Unir_resultados_habilitado = v;
}

void Origem::ConfiguracaoShow() { Desliga_Menus(sis_.princ); }

void Origem::OrigemShow() {
  sis_.status("Dados que representam o ponto de partida da projeção");
  Habilita_Menus(sis_.princ, PaginaMenu::Planilha);
}

void Origem::MarcaPadraoClick() {
  const int ultima_coluna = DadosEntrada.colunas() - 1;
  const int ultima_linha = DadosEntrada.linhas() - 1;
  if (!tela.X_Anos) {
    const int r = static_cast<int>(para_inteiro(cfg.LinhaAnoInicial).value_or(0));
    for (int c = 1; c <= ultima_coluna; ++c) {
      const std::string t = Tira_Separadores(apara(DadosEntrada.le(c, r)));
      if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos) continue;
      const size_t inicio = t.find_first_not_of('0');
      const std::string sig = inicio == std::string::npos ? "0" : t.substr(inicio);
      if (sig.size() < 4 || (sig.size() == 4 && sig <= "1900")) continue;
      QtdAnos = 2;
      CelulasAno = {{c, r}, {c + 1, r}};
      break;
    }
  }
  if (!tela.X_Dados) {
    const int c0 = NumColuna(apara(cfg.ColunaInicial));
    int r0 = static_cast<int>(para_inteiro(cfg.LinhaInicial).value_or(0));
    if (!DadosEntrada.le(c0, r0).empty()) {
      int ultima_c = c0;
      while (ultima_c < ultima_coluna && !DadosEntrada.le(ultima_c + 1, r0).empty()) ++ultima_c;
      int ultima_r = r0;
      while (ultima_r < ultima_linha && !DadosEntrada.le(c0, ultima_r + 1).empty()) ++ultima_r;
      if (cfg.LinhaP) {
        LinhaPrincipal = {c0, r0, ultima_c, r0};
        ++r0;
      }
      AreasDados[0] = {c0, r0, ultima_c, ultima_r};
      if (!tela.X_Titulos && c0 >= 2) {
        if (cfg.Col_Ant)
          Titulos[0] = {c0 - 1, r0, c0 - 1, ultima_r};
        else if (cfg.Cols_Ant)
          Titulos[0] = {1, r0, c0 - 1, ultima_r};
      }
    }
  }
  SecoesClick();
  ListaObs();
}

}  // namespace zivu
