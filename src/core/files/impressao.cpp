#include "core/files/impressao.h"

#include <algorithm>
#include <climits>

#include "core/worksheet/sistema.h"
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
  int ultima_coluna = 0;
  for (int r = 1; r <= ultima_linha; ++r)
    for (int c = g.colunas() - 1; c > ultima_coluna; --c)
      if (preenchida(g, c, r)) {
        ultima_coluna = c;
        break;
      }
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
                                   std::string_view titulo) {
  const LinhasTabela linhas = Linhas_Tabela(grade);
  if (linhas.dados.empty()) return {};
  const std::string& texto = sis.origem.cfg.LinRel;
  const auto linrel = para_inteiro(texto);
  if (!linrel || *linrel > INT_MAX || *linrel < INT_MIN) {
    sis.origem.CampoInvalido = "LinRel";
    sis.plat.mensagem(msg_inteiro_invalido(texto), "Erro!", Botoes::OK, Icone::Erro);
    return {};
  }
  return Paginas_Tabela(linhas, std::string(data) + std::string(titulo), static_cast<int>(*linrel));
}

}  // namespace zivu
