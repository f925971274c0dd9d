// Grid writers: semicolon-separated CSV and space-aligned DAT.
#include "core/files/gravador.h"

#include <algorithm>
#include <vector>

#include "core/files/arquivos.h"
#include "core/worksheet/sistema.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

// Trimming as `apara` does it, without a copy: U+0000..U+0020 are single bytes.
std::string_view aparada(std::string_view s) {
  auto branco = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  size_t i = 0, n = s.size();
  while (i < n && branco(s[i])) ++i;
  while (n > i && branco(s[n - 1])) --n;
  return s.substr(i, n - i);
}

// A quote inside a cell is written doubled, so the field stays whole.
void acrescenta_campo(std::string& destino, std::string_view celula) {
  destino += '"';
  for (size_t p = celula.find('"'); p != std::string_view::npos; p = celula.find('"')) {
    destino.append(celula.substr(0, p + 1));
    destino += '"';
    celula.remove_prefix(p + 1);
  }
  destino.append(celula);
  destino += "\";";
}

}  // namespace

void Grava_CSV(Sistema& sis, std::string nome, std::string_view extensao, const Grade& grade,
               int linhas, int colunas) {
  colunas = std::clamp(colunas, 0, 26);
  if (capitais(extensao) != "CSV") return;
  if (capitais(Direita(nome, 4)) != ".CSV") nome += ".CSV";

  std::string texto;
  if (grade.nome() == "DadosEntrada") texto = bloco_configuracao(sis);
  size_t tamanho = texto.size();
  for (int r = 1; r <= linhas; ++r) {
    for (int c = 1; c <= colunas; ++c) tamanho += grade.le(c, r).size() + 3;
    tamanho += 2;
  }
  texto.reserve(tamanho);
  for (int r = 1; r <= linhas; ++r) {
    for (int c = 1; c <= colunas; ++c) acrescenta_campo(texto, grade.le(c, r));
    texto += "\r\n";
  }
  grava_texto_no_lugar(nome, std::move(texto));
}

void Grava_DAT(const std::string& nome, const Grade& grade) {
  const int ultima_c = grade.colunas() - 1;
  int ultima_linha = 0;
  for (int r = grade.linhas() - 1; r >= 1 && ultima_linha == 0; --r)
    for (int c = ultima_c; c >= 1; --c)
      if (!aparada(grade.cel(c, r)).empty()) {
        ultima_linha = r;
        break;
      }
  if (ultima_linha == 0) return;

  int ultima_coluna = 0;
  for (int r = 1; r <= ultima_linha; ++r)
    for (int c = ultima_c; c > ultima_coluna; --c)
      if (!aparada(grade.cel(c, r)).empty()) {
        ultima_coluna = c;
        break;
      }
  if (ultima_coluna == 0) return;

  // Widths in characters over the header row and column too.
  std::vector<int> larguras(static_cast<size_t>(ultima_coluna) + 1, 0);
  size_t tamanho = 0;
  for (int r = 0; r <= ultima_linha; ++r)
    for (int c = 0; c <= ultima_coluna; ++c) {
      const std::string_view t = aparada(grade.cel(c, r));
      larguras[c] = std::max(larguras[c], comprimento(t));
      tamanho += t.size();
    }
  int largura_linha = 0;
  for (int l : larguras) largura_linha += l + 1;

  std::string texto;
  texto.reserve(tamanho + static_cast<size_t>(ultima_linha) * (largura_linha + 2));
  for (int r = 1; r <= ultima_linha; ++r) {
    for (int c = 0; c <= ultima_coluna; ++c) {
      // The last column is padded too, so a line may end in spaces.
      acrescenta_alinhado(texto, aparada(grade.cel(c, r)), larguras[c]);
      if (c < ultima_coluna) texto += ' ';
    }
    texto += "\r\n";
  }
  grava_texto_no_lugar(nome, std::move(texto));
}

}  // namespace zivu
