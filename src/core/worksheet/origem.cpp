// Creation of the worksheet, its marks, checklist and reset.
#include "core/worksheet/origem.h"

#include <algorithm>

#include "core/menus.h"
#include "core/worksheet/sistema.h"
#include "core/text/textos.h"

namespace zivu {

Regiao ordena(int X0, int Y0, int X1, int Y1) {
  return Regiao{std::min(X0, X1), std::min(Y0, Y1), std::max(X0, X1), std::max(Y0, Y1)};
}

int colunas_variaveis(const Origem& o) {
  const int c0 = o.CelulasAno.empty() ? 0 : o.CelulasAno[0].X;
  return std::max<int>(o.UltimaColuna, c0 > 0 ? c0 + 4 : 0);
}

Origem::Origem(Sistema& sistema)
    : DadosEntrada("DadosEntrada", kColunasPlanilha, kLinhasPlanilha),
      Grade_totais("Grade_totais", 3, 2),
      sis_(sistema) {
  CelulasAno.assign(1, {});
  Secundarias.assign(1, {});
  AreasDados.assign(1, {});
  Titulos.assign(1, {});
  TotaisSecundarios.assign(1, 0);
  TotaisObtidos.assign(1, 0);
  DadosEntrada.escreve_cabecalhos_planilha();
  tela.Informacoes = {"O valor válido para o ano será a partir de 1900.",
                 "A linha deve ser maior que 0 e menor ou igual a " +
                     std::to_string(DadosEntrada.linhas() - 1)};
  PadroesClick();
  MPadrao();
  // The window builds its pages once and opens on "Configuração".
  SecoesClick();
  OrigemShow();
  ConfiguracaoShow();
  UltimaColuna = UltimaLinha = 0;
  ListaObs();
  Anos_intermediariosClick();
  reinicia_grade_totais();
}

bool Origem::Sobrescreve(int X0, int Y0, int X1, int Y1) const {
  const Regiao q = ordena(X0, Y0, X1, Y1);
  // True when some cell of q lies in the region (an inverted region holds none).
  auto toca = [&q](const Regiao& g) {
    return std::max(q.X0, g.X0) <= std::min(q.X1, g.X1) &&
           std::max(q.Y0, g.Y0) <= std::min(q.Y1, g.Y1) && std::max(q.X0, g.X0) >= 1;
  };
  for (const auto& a : CelulasAno)
    if (a.X >= 1 && q.contem(a.X, a.Y)) return true;
  if (toca(LinhaPrincipal)) return true;
  for (const auto* lista : {&Secundarias, &AreasDados, &Titulos})
    for (const auto& g : *lista)
      if (toca(g)) return true;
  return false;
}

void Origem::Ano(int coluna, int linha) {
  if (!Sobrescreve(coluna, linha, coluna, linha)) {
    if (QtdAnos == 1 && CelulasAno[0].vazia()) {
      CelulasAno[0] = {coluna, linha};
    } else if (QtdAnos == 1) {
      QtdAnos = 2;
      CelulasAno.resize(2);
      CelulasAno[1] = {coluna, linha};
    }
  }
  ListaObs();
}

void Origem::marca_regiao(std::vector<Regiao>& lista, int32_t& qtd, int X0, int Y0, int X1,
                          int Y1, bool com_totais) {
  if (!lista.back().vazia()) {
    ++qtd;
    lista.resize(qtd);
    if (com_totais) {
      TotaisSecundarios.resize(qtd, 0);
      TotaisObtidos.resize(qtd, 0);
    }
  }
  lista.back() = ordena(X0, Y0, X1, Y1);
}

void Origem::Principal(int X0, int Y0, int X1, int Y1) {
  if (Sobrescreve(X0, Y0, X1, Y1)) {
    ListaObs();
    return;
  }
  LinhaPrincipal = ordena(X0, Y0, X1, Y1);
  ListaObs();
  TipoTotal = 0;
  Abre_Total(Col, Row, false);
}

void Origem::SubDivisao(int X0, int Y0, int X1, int Y1) {
  if (Sobrescreve(X0, Y0, X1, Y1)) {
    ListaObs();
    return;
  }
  marca_regiao(Secundarias, QtdSecundarias, X0, Y0, X1, Y1, true);
  ListaObs();
  TipoTotal = 1;
  IndiceTotal = QtdSecundarias - 1;
  Abre_Total(Col, Row, false);
}

void Origem::Dados(int X0, int Y0, int X1, int Y1) {
  if (!Sobrescreve(X0, Y0, X1, Y1)) marca_regiao(AreasDados, QtdDados, X0, Y0, X1, Y1, false);
  ListaObs();
}

void Origem::Fixos(int X0, int Y0, int X1, int Y1) {
  if (!Sobrescreve(X0, Y0, X1, Y1)) marca_regiao(Titulos, QtdTitulos, X0, Y0, X1, Y1, false);
  ListaObs();
}

void Origem::remove_regioes(std::vector<Regiao>& lista, int32_t& qtd, int coluna, int linha,
                            bool linha_exata, bool com_totais) {
  if (lista.empty() || lista.back().vazia()) return;
  const size_t n = lista.size();
  if (com_totais) {
    TotaisSecundarios.resize(n, 0);
    TotaisObtidos.resize(n, 0);
  }
  for (size_t i = 0; i < n; ++i) {
    Regiao& g = lista[i];
    bool cobre = linha_exata
                     ? (g.X0 <= coluna && coluna <= g.X1 && linha == g.Y0 && linha == g.Y1)
                     : g.contem(coluna, linha);
    if (g.vazia() || !cobre) continue;
    g = {};
    if (com_totais) TotaisSecundarios[i] = TotaisObtidos[i] = 0;
  }
  // One forward pass moves a hole to the end, keeping the others in order.
  for (size_t i = 0; i + 1 < n; ++i) {
    if (!lista[i].vazia()) continue;
    lista[i] = lista[i + 1];
    lista[i + 1] = {};
    if (com_totais) {
      std::swap(TotaisSecundarios[i], TotaisSecundarios[i + 1]);
      std::swap(TotaisObtidos[i], TotaisObtidos[i + 1]);
    }
  }
  const auto vazias = std::count_if(lista.begin(), lista.end(), [](const Regiao& g) { return g.vazia(); });
  if (vazias == 0) return;
  size_t resta = n - static_cast<size_t>(vazias);
  if (resta == 0) {
    lista.assign(1, {});
    resta = 1;
  } else {
    lista.resize(resta);
  }
  qtd = static_cast<int32_t>(resta);
  if (com_totais) {
    TotaisSecundarios.resize(resta, 0);
    TotaisObtidos.resize(resta, 0);
  }
}

void Origem::Desmarcando(int coluna, int linha) {
  if (!CelulasAno.empty() && !CelulasAno.back().vazia()) {
    int esvaziados = 0;
    for (auto& a : CelulasAno)
      if (a.X == coluna && a.Y == linha) {
        a = {};
        ++esvaziados;
      }
    if (esvaziados > 0) {
      if (QtdAnos == 2 && CelulasAno[0].vazia()) CelulasAno[0] = CelulasAno[1];
      QtdAnos = std::max(1, QtdAnos - esvaziados);
      CelulasAno.resize(QtdAnos);
      if (esvaziados == 2) CelulasAno[0] = {};
    }
  }
  if (LinhaPrincipal.X0 <= coluna && coluna <= LinhaPrincipal.X1 && linha == LinhaPrincipal.Y0 &&
      !LinhaPrincipal.vazia()) {
    LinhaPrincipal = {};
    TotalPrincipal = 0;
  }
  remove_regioes(Secundarias, QtdSecundarias, coluna, linha, true, true);
  remove_regioes(AreasDados, QtdDados, coluna, linha, false, false);
  remove_regioes(Titulos, QtdTitulos, coluna, linha, false, false);
  ListaObs();
}

void Origem::ListaObs() {
  Observacoes.clear();
  if (CelulasAno.empty() || CelulasAno[0].vazia()) Observacoes.push_back("Informe primeiro Ano de partida.");
  if (QtdAnos == 1) Observacoes.push_back("Informe o segundo Ano de partida.");
  if (cfg.DoDo_geral && LinhaPrincipal.vazia())
    Observacoes.push_back("Informe linha básica de comparação.");
  if (cfg.DoDo_bloco && Secundarias[0].vazia())
    Observacoes.push_back("Informe linha(s) secundári(s) de comparação.");
  if (AreasDados[0].vazia()) Observacoes.push_back("Informe área(s) de dados a calcular.");
  const bool pode = Observacoes.empty();
  tela.Processa_habilitado = pode;
  tela.MetodoQuartis_habilitado = pode;
  sis_.princ.Calcular1_habilitado = pode;
  sis_.princ.Quartis1_habilitado = pode;
}

void Origem::EsvaziaPlanilhas() {
  Plataforma& plat = sis_.plat;
  plat.cursor_espera(true);
  QtdAnos = QtdSecundarias = QtdDados = QtdTitulos = 1;
  CelulasAno.assign(1, {});
  Titulos.assign(1, {});
  Secundarias.assign(1, {});
  AreasDados.assign(1, {});
  LinhaPrincipal = {};
  // The block totals stay; keep them as long as the secondary lines list.
  TotaisSecundarios.resize(1, 0);
  TotaisObtidos.resize(1, 0);
  vai_para(1, 1);

  const int maximo = UltimaLinha;
  plat.progresso_mostrar(maximo);
  plat.progresso_posicao(0, "0%");
  sis_.status("Esvaziando planilhas...");
  if (UltimaColuna + 3 < DadosEntrada.colunas()) UltimaColuna += 3;
  Celula.clear();

  const int ultima_coluna = std::min<int>(UltimaColuna, DadosEntrada.colunas() - 1);
  const int ultima_linha = std::min<int>(UltimaLinha, DadosEntrada.linhas() - 1);
  Grade& saida = sis_.simples.DadosSaida;
  Grade& variaveis = sis_.simples.DadosVariaveis;
  int ultimo_pct = 0;
  for (int r = 1; r <= ultima_linha; ++r) {
    for (int c = 1; c <= ultima_coluna; ++c) {
      DadosEntrada.apaga(c, r);
      saida.apaga(c, r);
      variaveis.apaga(c, r);
    }
    const int pct = static_cast<int>(static_cast<int64_t>(r) * 100 / maximo);
    if (pct != ultimo_pct) {
      ultimo_pct = pct;
      plat.progresso_posicao(r, std::to_string(pct) + "%");
    }
  }
  UltimaColuna = UltimaLinha = 0;
  sis_.simples.Texto_Obs =
      "Área reservada a observações e informações referentes ao resultado do cálculo.";
  plat.progresso_esconder();
  sis_.status("Pronto!");
  reinicia_grade_totais();
  plat.cursor_espera(false);
}

}  // namespace zivu
