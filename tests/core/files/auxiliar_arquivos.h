// Helpers of the file tests: a temporary folder, whole-file reads and writes,
// fixture paths and a comparison of two worksheets.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/worksheet/sistema.h"
#include "dourado.h"

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

inline void escreve_tudo(const std::string& caminho, const std::string& bytes) {
  std::ofstream f(caminho, std::ios::binary | std::ios::trunc);
  f << bytes;
}

inline bool existe(const std::string& caminho) { return std::filesystem::exists(caminho); }

// The names in a folder, sorted.
inline std::vector<std::string> conteudo(const std::string& pasta) {
  std::vector<std::string> nomes;
  for (const auto& e : std::filesystem::directory_iterator(pasta)) nomes.push_back(e.path().filename());
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}

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

// Settings, marks, totals, totals sheet and the used part's cells of a
// worksheet, as text for a golden file.
inline std::string texto_origem(const Origem& o) {
  std::ostringstream s;
  auto regioes = [&s](const char* nome, const std::vector<Regiao>& v) {
    s << nome;
    for (const Regiao& r : v) s << " " << r.X0 << "," << r.Y0 << ".." << r.X1 << "," << r.Y1;
    s << "\n";
  };
  s << texto_bloco(o.cfg) << "\nquantas " << o.QtdSecundarias << " " << o.QtdDados << " " << o.QtdTitulos
    << "\nanos " << o.QtdAnos << ":";
  for (const CelulaAno& c : o.CelulasAno) s << " " << c.X << "," << c.Y;
  s << "\n";
  regioes("principal", {o.LinhaPrincipal});
  s << "total " << o.TotalPrincipal << "\n";
  regioes("secundarias", o.Secundarias);
  s << "totais";
  for (int64_t t : o.TotaisSecundarios) s << " " << t;
  s << "\n";
  regioes("dados", o.AreasDados);
  regioes("titulos", o.Titulos);
  for (int r = 0; r < o.Grade_totais.linhas(); ++r) {
    s << "totais>";
    for (int c = 0; c < o.Grade_totais.colunas(); ++c) s << " " << o.Grade_totais.cel(c, r) << ";";
    s << "\n";
  }
  s << "usada " << o.UltimaColuna << "x" << o.UltimaLinha << "\n";
  for (int r = 1; r <= o.UltimaLinha; ++r) {
    for (int c = 1; c <= o.UltimaColuna; ++c) s << (c > 1 ? "|" : "") << o.DadosEntrada.cel(c, r);
    s << "\n";
  }
  return s.str();
}

}  // namespace zivu::teste
