// zivu-cli run as a user runs it: exit status, standard output and error,
// and the bytes of the files it writes. calcular on the worksheets
// tests/data/calc_*.csv; avaliar on tests/data/avaliacao/exemplo.csv (the
// worked example of the core test) and calcular --relatorio; exportar; the
// sample worksheets.
#include <algorithm>
#include <regex>
#include <vector>

#include "cli/auxiliar_cli.h"

namespace zivu::teste {
namespace {

std::string aspas(const std::string& s) {
  std::string r = "'";
  for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return r + "'";
}

class Calcular : public Cli {
 protected:
  Execucao roda(const std::vector<std::string>& args) {
    std::string linha = "calcular";
    for (const auto& a : args) linha += " " + aspas(a);
    return Cli::roda(linha);
  }
};

// The status line, then the observations of the year on screen.
void espera_saida(const Execucao& e, const std::string& dourado) {
  const size_t fim = e.saida.find('\n');
  ASSERT_NE(fim, std::string::npos);
  EXPECT_TRUE(std::regex_match(e.saida.substr(0, fim), std::regex("Calculado, levando \\d\\d:\\d\\d:\\d\\d h")))
      << e.saida;
  espera_dourado(dourado, e.saida.substr(fim + 1));
}

// 2001 and 2002; 2002 expects one more person than its areas round to.
TEST_F(Calcular, IntermediateYearsWriteEveryYearsFilesIntoTheWorkFolder) {
  const auto e = roda({dados("calc_geral.csv"), "--separador-decimal", "."});
  ASSERT_EQ(e.status, 0) << e.erros;
  EXPECT_EQ(e.erros, "");
  espera_saida(e, "calc_geral_saida.txt");
  const fs::path temp = pasta / "casa" / "Temp";
  for (const char* nome : {"SR2001.CSV", "SV2001.CSV", "SA2001", "SO2001", "SR2002.CSV", "SV2002.CSV"})
    EXPECT_TRUE(fs::exists(temp / nome)) << nome;
  EXPECT_EQ(le_tudo(temp / "SA2001"), "nao adaptar");
  EXPECT_EQ(le_tudo(temp / "SA2002"), "adaptar");
  espera_dourado("calc_geral_SR2002.CSV", le_tudo(temp / "SR2002.CSV"));
  // The variables reach three columns past the worksheet's last one.
  EXPECT_EQ(le_tudo(temp / "SV2002.CSV")
                .rfind("\"UF\";\"Mun\";\"Popula\xE7\xE3o\";\"Ai\";\"Bi\";\"Taxa 1990/2000\";\"Taxa 2000/2002\";\r\n", 0),
            0u);
}

// Every year that needs it is adjusted in the given folder; the Vardex file
// holds every year, the translation file the year on screen.
TEST_F(Calcular, AdaptarVardexAndTranslationInTheGivenFolder) {
  fs::create_directories(em("anos"));
  for (const char* nome : {"SR1999.CSV", "QU1999.CSV"}) std::ofstream(em("anos/" + std::string(nome))) << "x";
  const auto e = roda({dados("calc_geral.csv"), "--pasta", em("anos"), "--adaptar", "--vardex", em("vardex.csv"),
                       "--tradutor", em("traducao.csv"), "--separador-decimal", "."});
  ASSERT_EQ(e.status, 0) << e.erros;
  EXPECT_EQ(e.erros, "");  // after --adaptar there is nothing to ask
  espera_saida(e, "calc_geral_saida.txt");
  EXPECT_EQ(le_tudo(em("anos/SA2002")), "nao adaptar");
  espera_dourado("calc_geral_SR2002_adaptado.CSV", le_tudo(em("anos/SR2002.CSV")));
  EXPECT_NE(le_tudo(em("anos/SR2001.CSV")).find("\"650\""), std::string::npos);
  espera_dourado("calc_geral_vardex.csv", le_tudo(em("vardex.csv")));
  EXPECT_EQ(le_tudo(em("traducao.csv")), "5;12;130;145\r\n5.5;13;470;505\r\n5;14;600;651\r\n");  // ".csv" kept
  EXPECT_FALSE(fs::exists(pasta / "casa" / "Temp"));
  // The method's earlier files go, the other method's stay.
  EXPECT_FALSE(fs::exists(em("anos/SR1999.CSV")));
  EXPECT_TRUE(fs::exists(em("anos/QU1999.CSV")));
}

TEST_F(Calcular, TranslationAnswersTheQuestionNoAndAnUnwritableVardexFails) {
  const auto e = roda({dados("calc_geral.csv"), "--pasta", em("anos"), "--tradutor", em("traducao"),
                       "--separador-decimal", "."});
  ASSERT_EQ(e.status, 0) << e.erros;
  EXPECT_EQ(e.erros, "Aviso!\nVocê não fez a adaptação para o resultado.\nDeseja fazê-la agora?\n\n\nNão\n");
  EXPECT_EQ(le_tudo(em("traducao.CSV")), "5;12;130;145\r\n5.5;13;470;505\r\n5;14;600;650\r\n");
  EXPECT_EQ(le_tudo(em("anos/SA2002")), "adaptar");

  const auto f = roda({dados("calc_geral.csv"), "--pasta", em("anos"), "--vardex", em("sem/pasta/v.csv"),
                       "--separador-decimal", "."});
  EXPECT_EQ(f.status, 1);
  EXPECT_EQ(f.saida, "");
  EXPECT_EQ(f.erros.rfind("Aviso!\nErro ao tentar gravar o arquivo para o sistema Vardex.\n\nErro original: ", 0), 0u)
      << f.erros;
}

TEST_F(Calcular, BlockModeReportsEachBlock) {
  const auto e = roda({dados("calc_blocos.csv"), "--pasta", em("anos"), "--separador-decimal", "."});
  ASSERT_EQ(e.status, 0) << e.erros;
  espera_saida(e, "calc_blocos_saida.txt");
  espera_dourado("calc_blocos_SR2005.CSV", le_tudo(em("anos/SR2005.CSV")));
}

TEST_F(Calcular, RefusedAndCancelledRunsPrintNothing) {
  for (const auto& [planilha, erros] :
       {std::pair{"calc_anos_iguais.csv", "Impossível continuar.\nOs Anos devem ser diferentes.\n\nCélula C1\n\n"
                                          "Célula D1\n\nCorrija e tente novamente.\n"},
        {"calc_sem_dados.csv", "Informe área(s) de dados a calcular.\n"},
        {"calc_base_constante.csv", "Erro!\nAlgum problema no cálculo. Tarefa cancelada.\n"}}) {
    const auto e = roda({dados(planilha), "--pasta", em("anos")});
    EXPECT_EQ(e.status, 1) << planilha;
    EXPECT_EQ(e.saida, "") << planilha;
    EXPECT_EQ(e.erros, erros);
  }
  EXPECT_FALSE(fs::exists(em("anos/SR2002.CSV")));
}

TEST_F(Calcular, QuartileMethodWithStatistics) {
  const auto e = roda({dados("quartis_geral.csv"), "--quartis", "--pasta", em("anos"), "--estatisticas",
                       em("est"), "--separador-decimal", "."});
  ASSERT_EQ(e.status, 0) << e.erros;
  // Only the status line: the observations belong to the simple method.
  EXPECT_TRUE(std::regex_match(e.saida, std::regex("Calculado, levando \\d\\d:\\d\\d:\\d\\d h\n"))) << e.saida;
  for (const char* nome : {"anos/QU2005.CSV", "anos/Q22005.CSV", "anos/QA2005", "est/E2005_1.CSV", "est/D2005_1.CSV"})
    EXPECT_TRUE(fs::exists(em(nome))) << nome;
  EXPECT_FALSE(fs::exists(em("anos/SR2005.CSV")));
}

TEST_F(Calcular, UsageErrors) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"a.csv", "b.csv"}, {"a.csv", "--pasta"}, {"a.csv", "--separador-decimal", ";"}, {"a.csv", "-x"}})
    EXPECT_EQ(roda(args).status, 2);
  const auto e = roda({dados("calc_geral.csv"), "--estatisticas", em("est")});
  EXPECT_EQ(e.status, 2);
  EXPECT_NE(e.erros.find("--estatisticas exige --quartis."), std::string::npos);
  EXPECT_FALSE(fs::exists(em("est")));
}

const std::string kExemplo = dados("avaliacao/exemplo.csv");
const std::string kAvaliar = "avaliar '" + kExemplo + "' --separador-decimal ,";

class Avaliar : public Cli {};

TEST_F(Avaliar, AvaliarPrintsTheSummaryAndWritesTheThreeTables) {
  const auto e = roda(kAvaliar + " --coluna-teste D --ano-teste 2005 --saida ex");
  ASSERT_EQ(e.status, 0) << e.erros;
  EXPECT_EQ(e.erros, "");
  EXPECT_EQ(e.saida, le_tudo(dados("avaliacao/exemplo_saida.txt")));
  for (const char* t : {"resumo", "grupos", "areas"})
    EXPECT_EQ(le_tudo(em("ex_") + t + ".CSV"), le_tudo(dados("avaliacao/exemplo_") + t + ".CSV")) << t;
}

TEST_F(Avaliar, AvaliarRefusesAsCalcularDoesAndWritesNothing) {
  // A worksheet calcular refuses gets calcular's own messages.
  const auto calcular = roda("calcular '" + dados("calc_anos_iguais.csv") + "' --pasta p");
  const auto recusada =
      roda("avaliar '" + dados("calc_anos_iguais.csv") + "' --coluna-teste E --ano-teste 2005 --saida x");
  EXPECT_EQ(recusada.status, 1);
  EXPECT_EQ(recusada.erros, calcular.erros);
  // A survey column, a column without numbers, a year not after the second survey.
  for (const char* args : {"--coluna-teste C --ano-teste 2005", "--coluna-teste E --ano-teste 2005",
                           "--coluna-teste D --ano-teste 2000"}) {
    const auto e = roda(kAvaliar + " " + args + " --saida x");
    EXPECT_EQ(e.status, 1) << args;
    EXPECT_EQ(e.saida, "") << args;
    EXPECT_TRUE(e.erros.starts_with("Impossível continuar.\n")) << e.erros;
  }
  EXPECT_FALSE(existe("x_resumo.CSV"));
  EXPECT_EQ(roda(kAvaliar + " --coluna-teste D").status, 2);
  EXPECT_NE(roda("--help").saida.find("zivu-cli avaliar PLANILHA --coluna-teste LETRA --ano-teste ANO"),
            std::string::npos);
}

TEST_F(Avaliar, CalcularWritesTheReportAfterTheRun) {
  const std::string calcular = "calcular '" + dados("calc_geral.csv") + "' --pasta p";
  const auto sem = roda(calcular);
  const auto com = roda(calcular + " --relatorio r.html");
  ASSERT_EQ(com.status, 0) << com.erros;
  EXPECT_EQ(com.saida.substr(com.saida.find('\n')), sem.saida.substr(sem.saida.find('\n')));
  const std::string html = le_tudo(em("r.html"));
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>")) << html.substr(0, 100);
  EXPECT_NE(html.find("<td>somará 1 à área 14 (linha 5)</td>"), std::string::npos);
  // A report that cannot be written fails the command, with nothing on output.
  const auto falha = roda(calcular + " --relatorio sem/pasta/r.html");
  EXPECT_EQ(falha.status, 1);
  EXPECT_EQ(falha.saida, "");
}

TEST_F(Cli, HelpInPortuguese) {
  const Execucao e = roda("--help");
  EXPECT_EQ(e.status, 0);
  EXPECT_NE(e.saida.find("Uso: zivu-cli COMANDO [ARGUMENTOS]"), std::string::npos);
  EXPECT_NE(e.saida.find("zivu-cli exportar ENTRADA NOME [--dat] [--separador-decimal SEP]"),
            std::string::npos);
  EXPECT_EQ(e.erros, "");
  EXPECT_EQ(roda("exportar --help").status, 0);
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
  for (const char* args :
       {"", "calcula", "exportar", "exportar a", "exportar a b c", "exportar a b --xyz",
        "exportar a b --separador-decimal", "exportar a b --separador-decimal x"}) {
    const Execucao e = roda(args);
    EXPECT_EQ(e.status, 2) << args;
    EXPECT_NE(e.erros, "") << args;
    EXPECT_EQ(e.saida, "") << args;
  }
  EXPECT_EQ(roda("exportar a b --xyz").erros,
            "zivu-cli exportar: opção desconhecida: --xyz\n"
            "Uso: zivu-cli exportar ENTRADA NOME [--dat] [--separador-decimal SEP]\n"
            "Use 'zivu-cli --help' para mais informações.\n");
}

TEST_F(Cli, ExportedWorksheetIsByteIdenticalWithItsTotalsFile) {
  const Execucao e = roda("exportar '" + dados("full_block.csv") + "' saida");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.erros, "");
  EXPECT_EQ(le_tudo(em("saida.CSV")), le_tudo(dados("full_block.csv")));
  EXPECT_EQ(le_tudo(em("saida.TOT")),
            "\xC1reas;2003;2001;2002;\r\nP;4800;4000;4400;\r\nS1;3000;2400;2700;\r\nS2;1800;1600;1700;\r\n");
}

// --dat writes the space-aligned file only; a stale totals file goes.
TEST_F(Cli, DatOptionWritesSpaceAlignedFileAndStaleTotalsFileIsRemoved) {
  std::ofstream(em("s.TOT")) << "old";
  const Execucao e = roda("exportar '" + dados("quoted_semicolon.csv") + "' s --dat --separador-decimal=,");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(le_tudo(em("s.DAT")), "1 1  2   3\r\n2 ab c;d  \r\n");
  EXPECT_FALSE(existe("s.CSV"));
  EXPECT_FALSE(existe("s.TOT"));
}

TEST_F(Cli, OtherExtensionIsReadAsTextAfterTheQuestion) {
  const Execucao e = roda("exportar '" + dados("worksheet.dat") + "' w.csv --separador-decimal .");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.erros, "Aviso!\nMétodo de importação ainda não definido.\n\nAbrir como ASCII?\nSim\n");
  const std::string csv = le_tudo(em("w.csv"));
  const std::string dados_csv = "[FIM]\r\n\"1  C\xF3" "digo Nome \";\r\n\"2  101    Alfa \";\r\n";
  ASSERT_GE(csv.size(), dados_csv.size());
  EXPECT_EQ(csv.substr(csv.size() - dados_csv.size()), dados_csv);
}

// The core's message on standard error, title first; status 1.
TEST_F(Cli, FailuresEndWithTheirMessage) {
  fs::create_directory(em("t.TOT"));
  const struct {
    std::string entrada, saida, erros;
    bool csv;  // the worksheet itself was written
  } casos[] = {
      {"nao_existe.csv", "x", "Erro!\nO arquivo nao_existe.csv pode estar em uso por outro programa/usuário.\n", false},
      {dados("line_27_fields.csv"), "x", "Erro!\nO arquivo possui mais de 26 colunas.\n", false},
      {dados("full_block.csv"), "t", "Alerta!\nt.TOT\nEste é o arquivo de totais, que pode estar em uso.\n", true}};
  for (const auto& c : casos) {
    const Execucao e = roda("exportar '" + c.entrada + "' " + c.saida);
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.erros, c.erros);
    EXPECT_EQ(existe(c.saida + ".CSV"), c.csv) << c.entrada;
  }
}

#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer needs far more address space
TEST_F(Cli, RunsWithinALimitOfAddressSpace) {
  // The heap's large steps must give way to a limit that small steps fit.
  const std::string comando = "cd '" + pasta.string() + "' && ulimit -v 40000 && ZIVU_HOME=casa '" + ZIVU_CLI_PATH +
                              "' exportar '" + dados("full_block.csv") + "' saida > .saida 2> .erros";
  EXPECT_EQ(std::system(comando.c_str()), 0) << le_tudo(pasta / ".erros");
  EXPECT_EQ(le_tudo(em("saida.CSV")), le_tudo(dados("full_block.csv")));
}
#endif

// The sample worksheets that ship with the program: each one is in the exact
// form the writer produces, and its results by both methods, adjusted or not,
// with the Vardex and translation files, are kept as golden files. Every
// sample calculates without a message and its lines add up to their base
// line (sums of Ai 1 and of Bi 0).
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
