// zivu-cli run as a user runs it: exit status, standard error, files.
#include "cli/auxiliar_cli.h"

namespace zivu::teste {
namespace {

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

TEST_F(Cli, DatOptionWritesSpaceAlignedFile) {
  const Execucao e = roda("exportar '" + dados("quoted_semicolon.csv") + "' s --dat --separador-decimal=,");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(le_tudo(em("s.DAT")), "1 1  2   3\r\n2 ab c;d  \r\n");
  EXPECT_FALSE(existe("s.CSV"));
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

TEST_F(Cli, StaleTotalsFileIsRemoved) {
  std::ofstream(em("s.TOT")) << "old";
  EXPECT_EQ(roda("exportar '" + dados("quoted_semicolon.csv") + "' s").status, 0);
  EXPECT_FALSE(existe("s.TOT"));
  EXPECT_TRUE(existe("s.CSV"));
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

}  // namespace
}  // namespace zivu::teste
