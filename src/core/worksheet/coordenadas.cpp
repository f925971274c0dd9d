// The coordinates page and the block-total panel.
#include <algorithm>
#include <climits>

#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/origem.h"

namespace zivu {

namespace {

const char* const kInformativos[5] = {
    "Devem ser informadas duas células, uma para Ano Inicial e outra para Ano Final.",
    "Só existe uma linha principal (total geral).",
    "Pode-se marcar mais de uma linha secundária (sub-total), que poderá ser usada no cálculo de "
    "DoDo secundário.",
    "Pode-se marca mais de uma área de dados.",
    "A marcação do título é livre, isto é, qualquer quantidade de células e em qualquer "
    "direção/formatado."};

// Letter of a stored column; a column typed as an unknown letter is 27 and
// shows as the character after "Z", as the list has always shown it.
std::string letra_marca(int coluna) {
  if (coluna >= 1 && coluna <= 62) return std::string(1, static_cast<char>(64 + coluna));
  return "?";
}

// Integer of the edit `campo`, with the conversion message when it is not one.
std::optional<int64_t> valor_campo(Sistema& sis, const std::string& texto, const char* campo) {
  auto v = para_inteiro(texto);
  if (!v) sis.origem.CampoInvalido = campo;
  if (!v) sis.plat.mensagem(msg_inteiro_invalido(texto), "Erro!", Botoes::OK, Icone::Erro);
  return v;
}

int como_int(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

std::string Origem::texto_marca(const Regiao& r) {
  return letra_marca(r.X0) + std::to_string(r.Y0) + ".." + letra_marca(r.X1) + std::to_string(r.Y1);
}

std::string Origem::texto_marca(const CelulaAno& c) { return letra_marca(c.X) + std::to_string(c.Y); }

void Origem::SecoesClick() {
  PaginaCoordenadas& p = coord;
  p.Areas.clear();
  p.Areas_selecionado = -1;
  p.X1_habilitado = true;
  p.X0.clear();
  p.Y0.clear();
  p.X1.clear();
  p.Y1.clear();
  const int i = std::clamp(p.Secoes, 0, 4);
  p.Informativo = kInformativos[i];
  switch (i) {
    case 0:
      p.X1_habilitado = false;
      if (!CelulasAno[0].vazia())
        for (int k = 0; k < QtdAnos && k < static_cast<int>(CelulasAno.size()); ++k)
          p.Areas.push_back(texto_marca(CelulasAno[k]));
      break;
    case 1:
      if (LinhaPrincipal.X0 > 0) p.Areas.push_back(texto_marca(LinhaPrincipal));
      break;
    default: {
      const auto& lista = i == 2 ? Secundarias : i == 3 ? AreasDados : Titulos;
      if (!lista[0].vazia())
        for (const auto& g : lista) p.Areas.push_back(texto_marca(g));
    }
  }
  if (!p.Areas.empty()) {
    p.Areas_selecionado = 0;
    AreasClick();
  }
  p.Coord_Total = "0";
  p.Coord_Total_habilitado = i == 1 || i == 2;
}

void Origem::AreasClick() {
  PaginaCoordenadas& p = coord;
  if (p.Areas_selecionado < 0 || p.Areas_selecionado >= static_cast<int>(p.Areas.size())) return;
  const std::string& t = p.Areas[p.Areas_selecionado];
  if (p.X1_habilitado) {
    const size_t pos = t.find("..");
    if (pos != std::string::npos && pos >= 1) {
      p.X0 = t.substr(0, 1);
      p.Y0 = t.substr(1, pos - 1);
      p.X1 = t.substr(pos + 2, 1);
      p.Y1 = pos + 3 <= t.size() ? t.substr(pos + 3) : std::string();
    }
  } else if (!t.empty()) {
    p.X0 = t.substr(0, 1);
    p.Y0 = t.substr(1);
  }
  p.Coord_Total = "0";
  if (p.Secoes == 1) {
    p.Coord_Total = texto_inteiro(TotalPrincipal);
  } else if (p.Secoes == 2 && p.Areas_selecionado < static_cast<int>(TotaisSecundarios.size())) {
    p.Coord_Total = texto_inteiro(TotaisSecundarios[p.Areas_selecionado]);
  }
}

void Origem::AdicionaClick() {
  PaginaCoordenadas& p = coord;
  const int ultima = DadosEntrada.linhas() - 1;
  auto y0 = valor_campo(sis_, p.Y0, "Y0");
  if (!y0) return;
  if (*y0 < 1 || *y0 > ultima) {
    p.Y0 = "Erro";
    p.foco = CampoCoordenada::Y0;
    return;
  }
  int64_t y1 = 0;
  if (p.X1_habilitado) {
    auto v = valor_campo(sis_, p.Y1, "Y1");
    if (!v) return;
    if (*v < 1 || *v > ultima) {
      p.Y1 = "Erro";
      p.foco = CampoCoordenada::Y1;
      return;
    }
    y1 = *v;
  }
  const int x0 = NumColuna(p.X0), x1 = NumColuna(p.X1);
  const int a = como_int(*y0), b = como_int(y1);
  switch (p.Secoes) {
    case 0: Ano(x0, a); break;
    case 1: Principal(x0, a, x1, b); break;
    case 2: SubDivisao(x0, a, x1, b); break;
    case 3: Dados(x0, a, x1, b); break;
    case 4: Fixos(x0, a, x1, b); break;
  }
  SecoesClick();
}

void Origem::DiminuiClick() {
  if (!apara(coord.X0).empty()) {
    auto y = valor_campo(sis_, coord.Y0, "Y0");
    if (!y) return;
    Desmarcando(NumColuna(coord.X0), como_int(*y));
  }
  SecoesClick();
}

void Origem::Aceitar_TotalClick() {
  PaginaCoordenadas& p = coord;
  if (p.Secoes == 1) {
    if (auto v = valor_campo(sis_, p.Coord_Total, "Coord_Total")) TotalPrincipal = *v;
  } else if (p.Secoes == 2 && p.Areas_selecionado >= 0 &&
             p.Areas_selecionado < static_cast<int>(TotaisSecundarios.size())) {
    if (auto v = valor_campo(sis_, p.Coord_Total, "Coord_Total")) TotaisSecundarios[p.Areas_selecionado] = *v;
  }
}

void Origem::Abre_Total(int coluna, int linha, bool do_botao) {
  int64_t valor = 0;
  bool achou = false;
  if (do_botao) {
    const Regiao& p = LinhaPrincipal;
    if (p.X0 > 0 && p.X0 <= coluna && coluna <= p.X1 && linha == p.Y0) {
      valor = TotalPrincipal;
      achou = true;
      TipoTotal = 0;
    }
    if (!Secundarias.back().vazia()) {
      for (size_t i = 0; i < Secundarias.size(); ++i) {
        const Regiao& s = Secundarias[i];
        if (s.X0 <= coluna && coluna <= s.X1 && linha == s.Y0 && linha == s.Y1) {
          valor = i < TotaisSecundarios.size() ? TotaisSecundarios[i] : 0;
          achou = true;
          IndiceTotal = static_cast<int32_t>(i);
          TipoTotal = 1;
          break;
        }
      }
    }
    if (!achou) return;
  }
  TelaTotais& tela = sis_.princ.tela_totais;
  tela.Janela_Total = texto_inteiro(valor);
  tela.Tot_Coord = endereco(coluna, linha);
  tela.visivel = true;
}

void Origem::OK_TotalClick() {
  TelaTotais& tela = sis_.princ.tela_totais;
  tela.Janela_Total = Tira_Separadores(tela.Janela_Total);
  auto v = valor_campo(sis_, tela.Janela_Total, "Janela_Total");
  if (!v) return;
  if (TipoTotal != 0) {
    // The line may have been removed while the panel was open.
    if (IndiceTotal >= 0 && IndiceTotal < static_cast<int32_t>(TotaisSecundarios.size()))
      TotaisSecundarios[IndiceTotal] = *v;
  } else {
    TotalPrincipal = *v;
  }
  Cancelar_TotalClick();
}

void Origem::Cancelar_TotalClick() { sis_.princ.tela_totais.visivel = false; }

}  // namespace zivu
