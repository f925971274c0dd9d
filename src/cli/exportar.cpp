// zivu-cli exportar ENTRADA NOME [--dat] [--separador-decimal SEP]
#include <iostream>

#include "cli/plataforma_cli.h"
#include "cli/separador.h"
#include "cli/subcomandos.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"

namespace zivu::cli {

namespace {

int exportar(const std::vector<std::string>& args) {
  std::vector<std::string> posicionais;
  bool dat = false;
  bool so_posicionais = false;
  separador_do_ambiente();
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (so_posicionais || a.size() < 2 || a[0] != '-') {
      posicionais.push_back(a);
    } else if (a == "--") {
      so_posicionais = true;
    } else if (a == "--help" || a == "-h") {
      return mostra_ajuda(kExportar);
    } else if (a == "--dat") {
      dat = true;
    } else if (a == "--separador-decimal" || a.rfind("--separador-decimal=", 0) == 0) {
      std::string valor;
      if (a.size() > 19) {
        valor = a.substr(20);
      } else if (i + 1 < args.size()) {
        valor = args[++i];
      } else {
        return erro_uso(kExportar, "falta o valor de --separador-decimal.");
      }
      if (!define_separador(valor))
        return erro_uso(kExportar, "separador decimal inválido: '" + valor + "' (use ',' ou '.').");
    } else {
      return erro_uso(kExportar, "opção desconhecida: " + a);
    }
  }
  if (posicionais.size() != 2)
    return erro_uso(kExportar, posicionais.size() < 2 ? "faltam argumentos." : "argumentos demais.");

  PlataformaCli plataforma(std::cerr);
  Sistema sis(plataforma);
  // Any message of the import (a file it cannot read, too many rows or
  // columns) ends the command before anything is written.
  if (!Importa_Arquivo(sis, posicionais[0])) return kMensagem;
  if (!Exporta_Planilha(sis, posicionais[1], dat ? 2 : 1)) return kMensagem;
  return kSucesso;
}

}  // namespace

const Subcomando kExportar{
    "exportar", "ENTRADA NOME [--dat] [--separador-decimal SEP]",
    "  Importa a planilha ENTRADA como o comando Importar (um arquivo cuja extensão\n"
    "  não é CSV nem TXT é lido como texto) e a exporta como o comando Exportar:\n"
    "  NOME.CSV com o bloco de configuração (um NOME já terminado em .csv é mantido)\n"
    "  ou, com --dat, NOME.DAT em colunas alinhadas por espaços. Se a planilha\n"
    "  projeta os anos intermediários, grava também a planilha de totais em\n"
    "  NOME.TOT; se não, apaga um NOME.TOT antigo.\n"
    "\n"
    "  --dat                    grava NOME.DAT em vez de NOME.CSV\n"
    "  --separador-decimal SEP  separador decimal, ',' ou '.' (padrão: o de LC_NUMERIC)\n",
    exportar};

}  // namespace zivu::cli
