#include "core/files/area_transferencia.h"

#include <algorithm>

#include "core/worksheet/sistema.h"
#include "core/text/textos.h"

namespace zivu {

std::string Copia_Grade(const Grade& grade, int left, int top, int right, int bottom) {
  std::string texto;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (c > left) texto += '\t';
      texto += grade.le(c, r);
    }
    if (r < bottom) texto += '\r';
  }
  return texto;
}

bool Cola_Grade(Sistema& sis, std::string_view texto) {
  Origem& o = sis.origem;
  Grade& grade = o.DadosEntrada;
  if (texto.empty()) return true;
  const int c0 = o.Col, r0 = o.Row;
  const int ultima_coluna = grade.colunas() - 1;
  const int ultima_linha = grade.linhas() - 1;
  int c = c0, r = r0;
  std::string celula;
  for (size_t i = 0; i < texto.size(); ++i) {
    const char ch = texto[i];
    // Text from other programs ends its rows with CR LF: one row end.
    if (ch == '\n' && i > 0 && texto[i - 1] == '\r') continue;
    const bool fim_linha = ch == '\r' || ch == '\n';
    if (ch != '\t' && !fim_linha) celula += ch;
    o.UltimaColuna = std::max<int32_t>(o.UltimaColuna, c);
    o.UltimaLinha = std::max<int32_t>(o.UltimaLinha, r);
    if (ch == '\t') {
      grade.escreve(c, r, std::move(celula));
      celula.clear();
      if (c >= ultima_coluna) {
        sis.plat.mensagem("A partir da coluna " + grade.le(c0, 0) +
                              " não\né possível colar, pois a quantidade de colunas\na colar "
                              "extrapola o limite da tabela.",
                          "Falha!", Botoes::OK, Icone::Erro);
        return false;
      }
      ++c;
    } else if (fim_linha) {
      grade.escreve(c, r, std::move(celula));
      celula.clear();
      // A row end that closes the text (spreadsheets end their copies so)
      // opens no further row: the cell below keeps its value.
      const size_t resto = texto.size() - i - 1;
      if (resto == 0 || (resto == 1 && ch == '\r' && texto[i + 1] == '\n')) return true;
      if (r >= ultima_linha) {
        sis.plat.mensagem("A partir da linha " + std::to_string(r0) +
                              " não\né possível colar, pois a quantidade de linhas\na colar "
                              "extrapola o limite da tabela.",
                          "Falha!", Botoes::OK, Icone::Erro);
        return false;
      }
      ++r;
      c = c0;
    }
  }
  grade.escreve(c, r, std::move(celula));
  return true;
}

std::string CopiarClick(const Sistema& sis) {
  const Origem& o = sis.origem;
  return Copia_Grade(o.DadosEntrada, o.Left, o.Top, o.Right, o.Bottom);
}

void ColarClick(Sistema& sis, std::string_view texto) {
  Cola_Grade(sis, texto);
  // The editing bar shows what the current cell now holds.
  sis.origem.DadosEntradaClick();
  // The results no longer match the sheet.
  sis.simples.Adaptar = false;
  sis.quartis.Adaptar = false;
}

}  // namespace zivu
