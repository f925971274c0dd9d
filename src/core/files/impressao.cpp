#include "core/files/impressao.h"

#include <algorithm>
#include <climits>

#include "core/worksheet/larguras.h"
#include "core/worksheet/sistema.h"
#include "core/text/codificacao.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

bool preenchida(const Grade& g, int c, int r) { return !apara(g.le(c, r)).empty(); }

std::string linha_tabela(const Grade& g, int r, const std::vector<int>& larguras) {
  std::string linha;
  const int n = static_cast<int>(larguras.size());
  for (int c = 0; c < n; ++c) {
    if (c > 0) linha += ' ';
    acrescenta_alinhado(linha, apara(g.le(c, r)), larguras[c]);
  }
  return linha;
}

// The rightmost column with a filled cell in rows 1..ultima_linha; 0 when none.
int ultima_coluna_preenchida(const Grade& g, int ultima_linha) {
  int ultima = 0;
  for (int r = 1; r <= ultima_linha; ++r)
    for (int c = g.colunas() - 1; c > ultima; --c)
      if (preenchida(g, c, r)) {
        ultima = c;
        break;
      }
  return ultima;
}

}  // namespace

LinhasTabela Linhas_Tabela(const Grade& g) {
  LinhasTabela t;
  int ultima_linha = 0;
  for (int r = g.linhas() - 1; r >= 1 && ultima_linha == 0; --r)
    for (int c = g.colunas() - 1; c >= 1; --c)
      if (preenchida(g, c, r)) {
        ultima_linha = r;
        break;
      }
  if (ultima_linha == 0) return t;
  const int ultima_coluna = ultima_coluna_preenchida(g, ultima_linha);
  if (ultima_coluna == 0) return t;

  std::vector<int> larguras(static_cast<size_t>(ultima_coluna) + 1, 0);
  for (int r = 0; r <= ultima_linha; ++r)
    for (int c = 0; c <= ultima_coluna; ++c)
      larguras[c] = std::max(larguras[c], comprimento(apara(g.le(c, r))));

  t.cabecalho = linha_tabela(g, 0, larguras);
  t.dados.reserve(static_cast<size_t>(ultima_linha));
  for (int r = 1; r <= ultima_linha; ++r) t.dados.push_back(linha_tabela(g, r, larguras));
  return t;
}

std::vector<LinhasTabela> Faixas_Tabela(const Grade& g, int caracteres) {
  std::vector<LinhasTabela> faixas;
  const LinhasTabela inteira = Linhas_Tabela(g);
  if (inteira.dados.empty()) return faixas;
  const int ultima_linha = static_cast<int>(inteira.dados.size());
  const int ultima_coluna = ultima_coluna_preenchida(g, ultima_linha);
  auto texto = [&g](int c, int r) { return apara(g.le(c, r)); };
  auto transborda = [&](int c, int r) { return c < ultima_coluna && !cabe_na_coluna(g, c, r); };
  std::vector<int> larguras(static_cast<size_t>(ultima_coluna) + 1, 0);
  for (int r = 0; r <= ultima_linha; ++r)
    for (int c = 0; c <= ultima_coluna; ++c)
      if (!transborda(c, r)) larguras[c] = std::max(larguras[c], comprimento(texto(c, r)));
  // A text that runs over must end before the next filled cell of its row;
  // from the right, so the columns it runs over have their final widths.
  for (int c = ultima_coluna - 1; c >= 1; --c)
    for (int r = 0; r <= ultima_linha; ++r) {
      if (!transborda(c, r)) continue;
      const int n = comprimento(texto(c, r));
      int k = c + 1, espaco = larguras[c];
      while (k <= ultima_coluna && !preenchida(g, k, r)) espaco += 1 + larguras[k++];
      if (k <= ultima_coluna && n > espaco) larguras[c] += n - espaco;
    }

  // Each row laid out whole, without its number; then cut into bands of
  // whole columns where they fit, of characters where one does not.
  std::vector<int> inicio(static_cast<size_t>(ultima_coluna) + 2, 0);
  for (int c = 1; c <= ultima_coluna; ++c) inicio[c + 1] = inicio[c] + larguras[c] + 1;
  std::vector<std::u32string> linhas;
  size_t total = static_cast<size_t>(inicio[ultima_coluna + 1] - 1);
  for (int r = 0; r <= ultima_linha; ++r) {
    std::u32string l;
    for (int c = 1; c <= ultima_coluna; ++c) {
      const std::u32string t = utf8_para_u32(texto(c, r));
      if (t.empty()) continue;
      if (l.size() < static_cast<size_t>(inicio[c])) l.resize(static_cast<size_t>(inicio[c]), U' ');
      else if (!l.empty()) l += U' ';
      l += t;
    }
    total = std::max(total, l.size());
    linhas.push_back(std::move(l));
  }
  const int numeros = larguras[0];
  const size_t cabe = static_cast<size_t>(std::max(1, caracteres - numeros - 1));
  size_t ini = 0;
  while (ini < total) {
    size_t fim = std::min(total, ini + cabe);
    if (fim < total) {
      // Up to the last column that ends inside the band, when one does.
      size_t borda = 0;
      for (int c = 1; c <= ultima_coluna; ++c) {
        const size_t b = static_cast<size_t>(inicio[c] + larguras[c]);
        if (static_cast<size_t>(inicio[c]) >= ini && b <= ini + cabe) borda = std::max(borda, b);
      }
      if (borda > ini) fim = borda;
    }
    LinhasTabela f;
    for (int r = 0; r <= ultima_linha; ++r) {
      std::string l;
      acrescenta_alinhado(l, texto(0, r), numeros);
      l += ' ';
      const std::u32string& t = linhas[static_cast<size_t>(r)];
      if (ini < t.size()) l += u32_para_utf8(t.substr(ini, fim - ini));
      (r == 0 ? f.cabecalho : f.dados.emplace_back()) = std::move(l);
    }
    faixas.push_back(std::move(f));
    ini = fim;
    // The space between two columns starts no band, unless a text runs
    // over it.
    const bool separador = std::any_of(inicio.begin() + 2, inicio.end() - 1,
                                       [ini](int i) { return static_cast<size_t>(i) == ini + 1; });
    if (separador && std::all_of(linhas.begin(), linhas.end(),
                                 [ini](const std::u32string& l) { return ini >= l.size() || l[ini] == U' '; }))
      ++ini;
  }
  return faixas;
}

std::vector<Pagina> Paginas_Tabela(const LinhasTabela& linhas, std::string_view data_titulo,
                                   int linrel) {
  std::vector<Pagina> paginas;
  if (linhas.dados.empty()) return paginas;
  // No page break at all rather than a division by zero.
  const size_t por_pagina = linrel >= 1 ? static_cast<size_t>(linrel) : linhas.dados.size();
  auto fecha = [&paginas]() {
    Pagina& p = paginas.back();
    p.emplace_back();
    p.push_back("Página " + std::to_string(paginas.size()));
  };
  for (size_t i = 0; i < linhas.dados.size(); ++i) {
    if (i % por_pagina == 0) {
      if (i > 0) fecha();
      paginas.push_back({std::string(data_titulo), std::string(), linhas.cabecalho});
    }
    paginas.back().push_back(linhas.dados[i]);
  }
  const size_t na_ultima = (linhas.dados.size() - 1) % por_pagina + 1;
  for (size_t k = na_ultima; k < por_pagina; ++k) paginas.back().emplace_back();
  fecha();
  return paginas;
}

std::vector<Pagina> Imprime_Tabela(Sistema& sis, const Grade& grade, std::string_view data,
                                   std::string_view titulo, int caracteres) {
  const LinhasTabela linhas = Linhas_Tabela(grade);
  if (linhas.dados.empty()) return {};
  const std::string& texto = sis.origem.cfg.LinRel;
  const auto linrel = para_inteiro(texto);
  if (!linrel || *linrel > INT_MAX || *linrel < INT_MIN) {
    sis.origem.CampoInvalido = "LinRel";
    sis.plat.mensagem(msg_inteiro_invalido(texto), "Erro!", Botoes::OK, Icone::Erro);
    return {};
  }
  const std::string data_titulo = std::string(data) + std::string(titulo);
  if (caracteres <= 0) return Paginas_Tabela(linhas, data_titulo, static_cast<int>(*linrel));
  std::vector<Pagina> paginas;
  for (const LinhasTabela& faixa : Faixas_Tabela(grade, caracteres))
    for (Pagina& p : Paginas_Tabela(faixa, data_titulo, static_cast<int>(*linrel))) {
      p.back() = "Página " + std::to_string(paginas.size() + 1);
      paginas.push_back(std::move(p));
    }
  return paginas;
}

}  // namespace zivu
