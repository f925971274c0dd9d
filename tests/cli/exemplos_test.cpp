// The sample worksheets that ship with the program: each one is in the exact
// form the writer produces, and its results by both methods, adjusted or not,
// with the Vardex and translation files, are kept as golden files. Every
// sample calculates without a message and its lines add up to their base
// line (sums of Ai 1 and of Bi 0).
#include <algorithm>
#include <regex>
#include <vector>

#include "cli/auxiliar_cli.h"

namespace zivu::teste {
namespace {

class Exemplos : public Cli {
 protected:
  Execucao roda(const std::string& argumentos) { return Cli::roda(argumentos + " --separador-decimal ,"); }

  // Status, messages, output without the time taken, and every file of the
  // folder in name order.
  std::string resultado(const Execucao& x, const std::string& subpasta) {
    std::string t = "== status " + std::to_string(x.status) + "\n== erros\n" + x.erros + "== saida\n" +
                    std::regex_replace(x.saida, std::regex("levando \\d\\d:\\d\\d:\\d\\d h"), "levando T h");
    std::vector<fs::path> arquivos;
    for (const auto& e : fs::recursive_directory_iterator(pasta / subpasta))
      if (e.is_regular_file()) arquivos.push_back(e.path());
    std::sort(arquivos.begin(), arquivos.end());
    for (const fs::path& f : arquivos)
      t += "== " + fs::relative(f, pasta / subpasta).string() + "\n" + le_tudo(f) + "\n";
    return t;
  }
};

std::vector<fs::path> exemplos() {
  std::vector<fs::path> v;
  for (const auto& entrada : fs::directory_iterator(ZIVU_EXEMPLOS))
    if (entrada.path().extension() == ".csv") v.push_back(entrada.path());
  std::sort(v.begin(), v.end());
  return v;
}

TEST_F(Exemplos, ExportedBackByteForByte) {
  ASSERT_GE(exemplos().size(), 3u);
  for (const fs::path& e : exemplos()) {
    SCOPED_TRACE(e.string());
    fs::remove(pasta / "copia.TOT");
    const Execucao x = roda("exportar '" + e.string() + "' copia");
    EXPECT_EQ(x.status, 0);
    EXPECT_EQ(x.erros, "");
    EXPECT_EQ(le_tudo(pasta / "copia.CSV"), le_tudo(e));
    // With intermediate years the totals file is the sheet as the block holds it.
    if (fs::exists(pasta / "copia.TOT"))
      espera_dourado("exemplos/" + e.stem().string() + ".TOT", le_tudo(pasta / "copia.TOT"));
  }
}

TEST_F(Exemplos, ResultsByEitherMethodAdjustedOrNot) {
  for (const fs::path& e : exemplos()) {
    // Vardex and the translation need both area codes marked.
    const std::string b = le_tudo(e);
    const size_t ref = b.find("<REFQUARTIL>\r\n") + 14;
    const bool codigos = b.compare(ref, 2, "1-") == 0 && b.compare(ref + 10, 2, "1-") == 0;
    for (const bool quartis : {false, true}) {
      for (const bool adaptado : {false, true}) {
        const std::string sub = std::string(quartis ? "q" : "s") + (adaptado ? "a" : "");
        SCOPED_TRACE(e.string() + " " + sub);
        fs::create_directories(pasta / sub / "v");
        const std::string vardex = " --vardex " + sub + "/v/vardex.txt --tradutor " + sub + "/v/tradutor.csv";
        const Execucao x = roda("calcular '" + e.string() + "' --pasta " + sub + "/anos" +
                                (quartis ? " --quartis" : "") + (adaptado ? " --adaptar" : "") +
                                (adaptado && codigos ? vardex : ""));
        EXPECT_EQ(x.erros, "");
        espera_dourado("exemplos/" + e.stem().string() + (quartis ? "_quartis" : "_simples") +
                           (adaptado ? "_adaptado" : "") + ".txt",
                       resultado(x, sub));
      }
    }
  }
}

}  // namespace
}  // namespace zivu::teste
