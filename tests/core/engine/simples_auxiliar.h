// Worksheets built in memory for the validation and the simple method, with a
// per-year folder of their own.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "core/files/auxiliar_arquivos.h"
#include "dourado.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "plataforma_teste.h"

namespace zivu::teste {

struct AmbienteSimples {
  PlataformaTeste plat;
  Sistema sis{plat};
  PastaTemporaria pasta;

  AmbienteSimples() {
    definir_separador_decimal('.');
    sis.princ.PastaTemp = pasta.caminho() + "Temp";
    // September of every year: 120 months between 1990 and 2000, 60 to 2005.
    o().cfg.Mes_Ano0 = o().cfg.Mes_Ano1 = o().cfg.Mes_AnoX = 8;
    o().cfg.AnoProj = "2005";
  }

  Origem& o() { return sis.origem; }
  Simples& s() { return sis.simples; }
  Grade& saida() { return sis.simples.DadosSaida; }
  Grade& vars() { return sis.simples.DadosVariaveis; }
  std::string temp(const std::string& nome) { return pasta.caminho() + "Temp/" + nome; }

  // Cells of row `linha` from column A, raising the extent as an import does.
  void linha(int linha, std::initializer_list<const char*> textos) {
    int c = 1;
    for (const char* t : textos) {
      o().DadosEntrada.cel(c, linha) = t;
      if (*t) o().UltimaColuna = std::max(o().UltimaColuna, c);
      ++c;
    }
    o().UltimaLinha = std::max(o().UltimaLinha, linha);
  }

  void principal(int x0, int y, int x1, int64_t total) {
    o().Principal(x0, y, x1, y);
    o().Cancelar_TotalClick();
    o().TotalPrincipal = total;
  }
  void secundaria(int x0, int y, int x1, int64_t total) {
    o().SubDivisao(x0, y, x1, y);
    o().Cancelar_TotalClick();
    o().TotaisSecundarios[static_cast<size_t>(o().QtdSecundarias - 1)] = total;
  }

  // Results and variables of the used rows, the texts and totals a run
  // leaves, its messages and the names of the year files, for a golden file.
  std::string texto() {
    std::string t;
    for (Grade* g : {&saida(), &vars()}) {
      int colunas = 0;
      for (int r = 1; r <= o().UltimaLinha; ++r)
        for (int c = 1; c < g->colunas(); ++c)
          if (!g->cel(c, r).empty()) colunas = std::max(colunas, c);
      t += "== " + g->nome() + "\n";
      for (int r = 0; r <= o().UltimaLinha; ++r) {
        for (int c = 1; c <= colunas; ++c) t += (c > 1 ? "|" : "") + g->cel(c, r);
        t += "\n";
      }
    }
    t += "== obs\n" + s().Texto_Obs + "\n== adaptar " + std::to_string(s().Adaptar) + " diferenca " +
         std::to_string(o().Diferenca) + " ano " + s().Ano_Projetado_hint + " total " +
         std::to_string(o().TotalPrincipal) + "\n== totais";
    for (int64_t v : o().TotaisSecundarios) t += " " + std::to_string(v);
    t += "\n== obtidos";
    for (int64_t v : o().TotaisObtidos) t += " " + std::to_string(v);
    t += "\n";
    for (const auto& m : plat.mensagens) t += "! " + m.titulo + "|" + m.texto + "\n";
    if (std::filesystem::is_directory(temp("")))
      for (const std::string& n : conteudo(temp(""))) t += "> " + n + (n[1] == 'A' ? " " + le_tudo(temp(n)) : "") + "\n";
    return t;
  }

  // The worked example: names in A, 1990 in B, 2000 in C; the state on row 2
  // (1000, 1200) expecting `total`; the areas below it.
  void exemplo(int64_t total = 1300,
               const std::vector<std::pair<const char*, const char*>>& areas = {{"100", "130"}, {"900", "1070"}}) {
    linha(1, {"Nome", "1990", "2000"});
    linha(2, {"Estado", "1000", "1200"});
    int r = 3;
    for (const auto& [p0, p1] : areas) {
      const std::string nome = "Mun " + std::to_string(r - 2);
      linha(r++, {nome.c_str(), p0, p1});
    }
    o().Ano(2, 1);
    o().Ano(3, 1);
    principal(2, 2, 3, total);
    o().Dados(2, 3, 3, r - 1);
    o().Fixos(1, 1, 1, r - 1);
  }
};

}  // namespace zivu::teste
