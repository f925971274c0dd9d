// Helpers of the file tests: a temporary folder, whole-file reads and writes,
// fixture paths and a comparison of two worksheets.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/worksheet/sistema.h"

namespace zivu::teste {

class PastaTemporaria {
 public:
  PastaTemporaria() {
    std::string modelo = (std::filesystem::temp_directory_path() / "zivu-teste-XXXXXX").string();
    caminho_ = ::mkdtemp(modelo.data());
    caminho_ += '/';
  }
  ~PastaTemporaria() {
    std::error_code ec;
    std::filesystem::remove_all(caminho_, ec);
  }
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  // Path of a file in the folder.
  std::string operator/(const std::string& nome) const { return caminho_ + nome; }
  const std::string& caminho() const { return caminho_; }

 private:
  std::string caminho_;
};

inline std::string dados(const std::string& nome) { return std::string(ZIVU_TEST_DATA) + "/" + nome; }

inline std::string le_tudo(const std::string& caminho) {
  std::ifstream f(caminho, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

inline void escreve_tudo(const std::string& caminho, const std::string& bytes) {
  std::ofstream f(caminho, std::ios::binary | std::ios::trunc);
  f << bytes;
}

inline bool existe(const std::string& caminho) { return std::filesystem::exists(caminho); }

// The settings a worksheet's block carries, as one comparable line.
inline std::string texto_bloco(const Configuracao& c) {
  std::ostringstream s;
  s << "ano=" << c.AnoProj << " inter=" << c.Anos_intermediarios << " geral=" << c.DoDo_geral
    << " bloco=" << c.DoDo_bloco << " aprox=" << c.Aproximar << " casas=" << c.NCasasDec
    << " div=" << c.Div_habitantes << " meses=" << c.Mes_Ano0 << "," << c.Mes_Ano1 << "," << c.Mes_AnoX
    << " ref=" << c.Existe_cd_maior << c.Cd_maior << "," << c.Existe_nome_maior << c.Nome_maior << ","
    << c.Existe_cd_menor << c.Cd_menor << "," << c.Existe_nome_menor << c.Nome_menor;
  return s.str();
}

// Every setting of the configuration file as well.
inline std::string texto_configuracao(const Configuracao& c) {
  std::ostringstream s;
  s << texto_bloco(c) << " | anos=" << c.LinhaAnoInicial << " linha=" << c.LinhaInicial
    << " coluna=" << c.ColunaInicial << " p=" << c.LinhaP << " ant=" << c.Col_Ant << c.Cols_Ant
    << " nao_marcar=" << c.Nao_Marcar << " linrel=" << c.LinRel;
  return s.str();
}

// Cells of the used part, settings of the block, marks, totals and the
// totals sheet.
inline void espera_planilhas_iguais(const Origem& a, const Origem& b) {
  EXPECT_EQ(a.UltimaColuna, b.UltimaColuna);
  EXPECT_EQ(a.UltimaLinha, b.UltimaLinha);
  int diferentes = 0;
  for (int r = 1; r <= a.UltimaLinha; ++r)
    for (int c = 1; c <= a.UltimaColuna; ++c)
      if (a.DadosEntrada.cel(c, r) != b.DadosEntrada.cel(c, r) && ++diferentes <= 5)
        ADD_FAILURE() << "cell (" << c << "," << r << "): '" << a.DadosEntrada.cel(c, r) << "' vs '"
                      << b.DadosEntrada.cel(c, r) << "'";
  EXPECT_EQ(diferentes, 0);
  EXPECT_EQ(texto_bloco(a.cfg), texto_bloco(b.cfg));
  EXPECT_EQ(a.QtdAnos, b.QtdAnos);
  EXPECT_EQ(a.CelulasAno, b.CelulasAno);
  EXPECT_EQ(a.LinhaPrincipal, b.LinhaPrincipal);
  EXPECT_EQ(a.TotalPrincipal, b.TotalPrincipal);
  EXPECT_EQ(a.QtdSecundarias, b.QtdSecundarias);
  EXPECT_EQ(a.Secundarias, b.Secundarias);
  EXPECT_EQ(a.TotaisSecundarios, b.TotaisSecundarios);
  EXPECT_EQ(a.QtdDados, b.QtdDados);
  EXPECT_EQ(a.AreasDados, b.AreasDados);
  EXPECT_EQ(a.QtdTitulos, b.QtdTitulos);
  EXPECT_EQ(a.Titulos, b.Titulos);
  ASSERT_EQ(a.Grade_totais.colunas(), b.Grade_totais.colunas());
  ASSERT_EQ(a.Grade_totais.linhas(), b.Grade_totais.linhas());
  for (int r = 0; r < a.Grade_totais.linhas(); ++r)
    for (int c = 0; c < a.Grade_totais.colunas(); ++c)
      EXPECT_EQ(a.Grade_totais.cel(c, r), b.Grade_totais.cel(c, r)) << c << "," << r;
}

}  // namespace zivu::teste
