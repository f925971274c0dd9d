// The sample worksheets that ship with the program: each one is in the exact
// form the writer produces and calculates without a single message, by both
// methods where its block names the quartile reference columns.
#include <algorithm>
#include <vector>

#include "cli/auxiliar_cli.h"

namespace zivu::teste {
namespace {

std::vector<std::string> linhas_crlf(const std::string& texto) {
  std::vector<std::string> linhas;
  size_t inicio = 0;
  for (size_t p; (p = texto.find("\r\n", inicio)) != std::string::npos; inicio = p + 2)
    linhas.push_back(texto.substr(inicio, p - inicio));
  return linhas;
}

std::vector<std::string> linhas_lf(const std::string& texto) {
  std::vector<std::string> linhas;
  std::istringstream s(texto);
  for (std::string l; std::getline(s, l);) linhas.push_back(l);
  return linhas;
}

// What a test needs to know of an example, read from its own configuration block.
struct Exemplo {
  fs::path caminho;
  std::vector<std::string> anos;  // projected years, in order
  bool referencias = false;       // some quartile reference column is marked
  bool codigos = false;           // both area codes are marked
  int areas = 0;                  // rows of all data areas
  std::string planilha_totais;    // the "<PLANILHA DE TOTAIS>" lines, CR LF ended
};

// "X,Y" or "X0,Y0..X1,Y1" as four numbers.
std::vector<int> numeros(const std::string& texto) {
  std::vector<int> v;
  std::string atual;
  for (char c : texto + ".") {
    if (c >= '0' && c <= '9') {
      atual += c;
    } else if (!atual.empty()) {
      v.push_back(std::stoi(atual));
      atual.clear();
    }
  }
  return v;
}

// The cells of a data line as the writer writes it: "a";"b";...;
std::vector<std::string> campos(const std::string& linha) {
  std::vector<std::string> v;
  for (size_t p = 0; p + 1 < linha.size();) {
    const size_t fim = linha.find("\";", p + 1);
    v.push_back(linha.substr(p + 1, fim - p - 1));
    p = fim + 2;
  }
  return v;
}

Exemplo analisa(const fs::path& caminho) {
  Exemplo e;
  e.caminho = caminho;
  const std::vector<std::string> l = linhas_crlf(le(caminho));
  auto indice = [&l](const std::string& etiqueta) {
    return static_cast<size_t>(std::find(l.begin(), l.end(), etiqueta) - l.begin());
  };
  const size_t fim = indice("[FIM]");
  if (l.empty() || l[0] != "[INICIO]" || fim >= l.size()) return e;

  const size_t obj = indice("<ANO_OBJETIVO>");
  const int tx = std::stoi(l[obj + 1]);
  const bool intermediarios = l[obj + 2] == "PROJETAR ANOS INTERMEDIARIOS";

  const size_t ref = indice("<REFQUARTIL>");
  for (size_t k = 1; k <= 4; ++k) e.referencias |= l[ref + k].rfind("1-", 0) == 0;
  e.codigos = l[ref + 1].rfind("1-", 0) == 0 && l[ref + 3].rfind("1-", 0) == 0;

  // T1 is the text of the second year cell.
  const std::vector<int> t1_celula = numeros(l[indice("<ANOS>") + 2]);
  const int t1 = std::stoi(campos(l[fim + t1_celula[1]])[t1_celula[0] - 1]);
  for (int a = intermediarios ? t1 + 1 : tx; a <= tx; ++a) e.anos.push_back(std::to_string(a));

  for (size_t i = indice("<DADOS>") + 1; i < l.size() && l[i][0] != '<'; ++i) {
    const std::vector<int> r = numeros(l[i]);
    e.areas += r[3] - r[1] + 1;
  }
  for (size_t i = indice("<PLANILHA DE TOTAIS>") + 1; i < l.size() && l[i][0] != '<'; ++i)
    e.planilha_totais += l[i] + "\r\n";
  return e;
}

std::vector<Exemplo> exemplos() {
  std::vector<Exemplo> v;
  for (const auto& entrada : fs::directory_iterator(ZIVU_EXEMPLOS))
    if (entrada.path().extension() == ".csv") v.push_back(analisa(entrada.path()));
  std::sort(v.begin(), v.end(), [](const Exemplo& a, const Exemplo& b) { return a.caminho < b.caminho; });
  return v;
}

class Exemplos : public Cli {
 protected:
  Execucao roda(const std::string& argumentos) { return Cli::roda(argumentos + " --separador-decimal ,"); }
  fs::path arquivo(const std::string& nome) const { return pasta / nome; }
};

TEST_F(Exemplos, TheThreeKindsAreShipped) {
  const std::vector<Exemplo> v = exemplos();
  ASSERT_GE(v.size(), 3u);
  bool intermediarios = false, blocos = false;
  for (const Exemplo& e : v) {
    EXPECT_FALSE(e.anos.empty()) << e.caminho << " has no configuration block";
    EXPECT_GT(e.areas, 0) << e.caminho;
    intermediarios |= e.anos.size() > 1;
    blocos |= le(e.caminho).find("\r\nDoDo por blocos\r\n") != std::string::npos;
  }
  EXPECT_TRUE(intermediarios);
  EXPECT_TRUE(blocos);
  EXPECT_EQ(fs::file_size(fs::path(ZIVU_EXEMPLOS) / "padrao.cfg"), 60u);
}

TEST_F(Exemplos, ExportedBackByteForByte) {
  for (const Exemplo& e : exemplos()) {
    SCOPED_TRACE(e.caminho.string());
    fs::remove(arquivo("copia.TOT"));
    const Execucao x = roda("exportar '" + e.caminho.string() + "' copia");
    EXPECT_EQ(x.status, 0);
    EXPECT_EQ(x.erros, "");
    EXPECT_EQ(le(arquivo("copia.CSV")), le(e.caminho));
    // With intermediate years the totals file is the sheet as the block holds it.
    if (e.anos.size() > 1) {
      EXPECT_EQ(le(arquivo("copia.TOT")), e.planilha_totais);
    }
  }
}

TEST_F(Exemplos, CalculateWithoutAMessageByEitherMethod) {
  for (const Exemplo& e : exemplos()) {
    for (const bool quartis : {false, true}) {
      if (quartis && !e.referencias) continue;
      SCOPED_TRACE(e.caminho.string() + (quartis ? " --quartis" : ""));
      const std::string pasta = quartis ? "q" : "s";
      const Execucao x = roda("calcular '" + e.caminho.string() + "' --pasta " + pasta +
                              (quartis ? " --quartis" : ""));
      EXPECT_EQ(x.status, 0);
      EXPECT_EQ(x.erros, "");
      EXPECT_EQ(x.saida.rfind("Calculado, levando ", 0), 0u) << x.saida;
      if (!quartis) {
        // Lines that add up to their base line at both surveys give sums of 1 and 0.
        const std::vector<std::string> linhas = linhas_lf(x.saida);
        int somas = 0;
        for (const std::string& l : linhas) {
          if (l.rfind("  -> Somatório de Ai = ", 0) == 0) {
            EXPECT_EQ(l, "  -> Somatório de Ai = 1");
            ++somas;
          }
          if (l.rfind("  -> Somatório de Bi = ", 0) == 0) {
            EXPECT_EQ(l, "  -> Somatório de Bi = 0");
          }
        }
        EXPECT_GT(somas, 0);
      }
      const std::vector<std::string> tipos =
          quartis ? std::vector<std::string>{"QU?.CSV", "Q2?.CSV", "QA?"}
                  : std::vector<std::string>{"SR?.CSV", "SV?.CSV", "SA?", "SO?"};
      size_t esperados = 0;
      for (const std::string& ano : e.anos)
        for (std::string nome : tipos) {
          nome.replace(nome.find('?'), 1, ano);
          EXPECT_TRUE(fs::exists(arquivo(pasta + "/" + nome))) << nome;
          ++esperados;
          if (nome.rfind("SV", 0) == 0) {
            EXPECT_EQ(le(arquivo(pasta + "/" + nome)).find("Pop. negativa"), std::string::npos);
          }
        }
      EXPECT_EQ(static_cast<size_t>(std::distance(fs::directory_iterator(arquivo(pasta)),
                                                  fs::directory_iterator())),
                esperados);
    }
  }
}

TEST_F(Exemplos, AdjustedYearsGoToVardexAndTranslationWithEveryArea) {
  for (const Exemplo& e : exemplos()) {
    if (!e.codigos) continue;
    for (const bool quartis : {false, true}) {
      SCOPED_TRACE(e.caminho.string() + (quartis ? " --quartis" : ""));
      const std::string pasta = quartis ? "q" : "s";
      const Execucao x =
          roda("calcular '" + e.caminho.string() + "' --pasta " + pasta +
               " --adaptar --vardex vardex.txt --tradutor tradutor.csv" + (quartis ? " --quartis" : ""));
      EXPECT_EQ(x.status, 0);
      EXPECT_EQ(x.erros, "");
      EXPECT_EQ(linhas_crlf(le(arquivo("vardex.txt"))).size(), e.areas * e.anos.size());
      EXPECT_EQ(linhas_crlf(le(arquivo("tradutor.csv"))).size(), static_cast<size_t>(e.areas));
      // Every year was adjusted where it needed it and stored again.
      for (const std::string& ano : e.anos)
        EXPECT_EQ(le(arquivo(pasta + (quartis ? "/QA" : "/SA") + ano)), "nao adaptar") << ano;
    }
  }
}

}  // namespace
}  // namespace zivu::teste
