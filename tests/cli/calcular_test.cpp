// zivu-cli calcular on the worksheets tests/data/calc_*.csv: exit status,
// standard output, messages, and the bytes of the files it writes.
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

}  // namespace
}  // namespace zivu::teste
