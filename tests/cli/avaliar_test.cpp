// zivu-cli avaliar on tests/data/avaliacao/exemplo.csv (the worked example of
// the core test) and calcular --relatorio: exit status, standard output and
// the bytes of the files written.
#include "cli/auxiliar_cli.h"

namespace zivu::teste {
namespace {

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

}  // namespace
}  // namespace zivu::teste
