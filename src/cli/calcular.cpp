// zivu-cli calcular PLANILHA [--quartis] [--pasta PASTA] [--adaptar]
//   [--vardex ARQUIVO] [--tradutor ARQUIVO] [--estatisticas PASTA]
//   [--relatorio ARQUIVO] [--separador-decimal SEP]
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "cli/planilha.h"
#include "cli/plataforma_cli.h"
#include "cli/separador.h"
#include "cli/subcomandos.h"
#include "core/engine/calculo.h"
#include "core/engine/escolha_ano.h"
#include "core/engine/quartis_calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/arquivos.h"
#include "core/files/gravador.h"
#include "core/results/relatorio.h"
#include "core/results/saida_outros.h"
#include "core/worksheet/sistema.h"

namespace zivu::cli {

namespace {

// Save dialogs answered with the file name given on the command line.
class PlataformaCalcular : public PlataformaCli {
 public:
  using PlataformaCli::PlataformaCli;
  std::optional<std::string> proximo_nome;

  std::optional<EscolhaArquivo> salvar_arquivo(const DialogoArquivo&) override {
    if (!proximo_nome) return std::nullopt;
    EscolhaArquivo e{*proximo_nome, 1};
    proximo_nome.reset();
    return e;
  }
};

struct Opcoes {
  std::string planilha;
  bool quartis = false;
  bool adaptar = false;
  std::optional<std::string> pasta, vardex, tradutor, estatisticas, relatorio;
};

bool cria_pasta(const std::string& pasta) {
  std::error_code ec;
  std::filesystem::create_directories(pasta, ec);
  return std::filesystem::is_directory(pasta, ec);
}

// Loads each projected year in turn and adjusts those that need it.
bool adapta_anos(Sistema& sis, bool quartis) {
  if (quartis) {
    Quartis& q = sis.quartis;
    for (size_t i = 0; i < q.Esc_Ano_Projetado.size(); ++i) {
      q.Esc_Ano_Projetado_indice = static_cast<int>(i);
      if (!Aceitar_anoClick_Quartis(sis)) return false;
      if (q.Adaptar && !AdaptarClick_Quartis(sis)) return false;
    }
    return true;
  }
  Simples& s = sis.simples;
  for (size_t i = 0; i < s.Esc_Ano_Projetado.size(); ++i) {
    s.Esc_Ano_Projetado_indice = static_cast<int>(i);
    if (!Aceitar_anoClick(sis)) return false;
    if (s.Adaptar && !AdaptarClick(sis)) return false;
  }
  return true;
}

// Statistics and description grids of every data area, for the year on
// screen. A data area without quartile records only gets its message.
bool grava_estatisticas(Sistema& sis, const std::string& pasta_saida) {
  Quartis& q = sis.quartis;
  std::string pasta = pasta_saida;
  if (pasta.back() != '/') pasta += '/';
  const std::string ano = q.Ano_Projetado_hint;
  const int areas = static_cast<int>(sis.origem.AreasDados.size());
  try {
    for (int b = 1; b <= areas; ++b) {
      q.Sel_Area.posicao = b;
      if (!Sel_AreaChange(sis)) continue;
      const std::string sufixo = ano + "_" + std::to_string(b) + ".CSV";
      Grava_CSV(sis, pasta + "E" + sufixo, "CSV", q.Tab_Estatisticas, q.Tab_Estatisticas.linhas() - 1,
                q.Tab_Estatisticas.colunas() - 1);
      Grava_CSV(sis, pasta + "D" + sufixo, "CSV", q.Tab_Descricao, q.Tab_Descricao.linhas() - 1,
                q.Tab_Descricao.colunas() - 1);
    }
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

int executa(const Opcoes& op) {
  PlataformaCalcular plat(std::cerr, Resposta::Sim);
  Sistema sis(plat);
  if (op.pasta) sis.princ.PastaTemp = *op.pasta;

  if (!importa_e_valida(sis, op.planilha, op.quartis) || !Inicia_Calculo(sis)) return kMensagem;
  const std::string situacao = sis.princ.situacao;

  if (op.adaptar && !adapta_anos(sis, op.quartis)) return kMensagem;
  if (op.vardex) {
    plat.proximo_nome = *op.vardex;
    if (!(op.quartis ? Salva_Uniao_Quartis(sis, DestinoUniao::Vardex) : Salva_Uniao(sis, DestinoUniao::Vardex))) return kMensagem;
  }
  if (op.tradutor) {
    plat.define_resposta(op.adaptar ? Resposta::Sim : Resposta::Nao);
    plat.proximo_nome = *op.tradutor;
    if (!(op.quartis ? DoDo_TradutorClick_Quartis(sis) : DoDo_TradutorClick(sis))) return kMensagem;
  }
  if (op.estatisticas) {
    if (!cria_pasta(*op.estatisticas)) {
      plat.mensagem("Não foi possível criar a pasta\r\r" + *op.estatisticas, "Erro!", Botoes::OK, Icone::Erro);
      return kMensagem;
    }
    if (!grava_estatisticas(sis, *op.estatisticas)) return kMensagem;
  }
  if (op.relatorio && !Grava_Relatorio(sis, op.quartis, *op.relatorio)) return kMensagem;

  std::cout << situacao << '\n';
  if (!op.quartis) {
    const std::string& obs = sis.simples.Texto_Obs;
    std::cout << obs;
    if (!obs.empty() && obs.back() != '\n') std::cout << '\n';
  }
  std::cout.flush();
  return kSucesso;
}

int calcular(const std::vector<std::string>& args) {
  separador_do_ambiente();
  Opcoes op;
  std::vector<std::string> posicionais;
  bool so_posicionais = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (so_posicionais || a.size() < 2 || a[0] != '-') {
      posicionais.push_back(a);
      continue;
    }
    if (a == "--") {
      so_posicionais = true;
      continue;
    }
    if (a == "--help" || a == "-h") return mostra_ajuda(kCalcular);
    if (a == "--quartis") {
      op.quartis = true;
      continue;
    }
    if (a == "--adaptar") {
      op.adaptar = true;
      continue;
    }
    // Options with a value, as "--opcao VALOR" or "--opcao=VALOR".
    const size_t igual = a.find('=');
    const std::string nome = a.substr(0, igual);
    std::optional<std::string>* destino = nullptr;
    if (nome == "--pasta") destino = &op.pasta;
    else if (nome == "--vardex") destino = &op.vardex;
    else if (nome == "--tradutor") destino = &op.tradutor;
    else if (nome == "--estatisticas") destino = &op.estatisticas;
    else if (nome == "--relatorio") destino = &op.relatorio;
    else if (nome != "--separador-decimal") return erro_uso(kCalcular, "opção desconhecida: " + a);
    std::string valor;
    if (igual != std::string::npos) {
      valor = a.substr(igual + 1);
    } else if (i + 1 < args.size()) {
      valor = args[++i];
    } else {
      return erro_uso(kCalcular, "falta o valor de " + nome + ".");
    }
    if (destino) {
      if (valor.empty()) return erro_uso(kCalcular, "valor vazio em " + nome + ".");
      *destino = valor;
    } else if (!define_separador(valor)) {
      return erro_uso(kCalcular, "separador decimal inválido: '" + valor + "' (use ',' ou '.').");
    }
  }
  if (posicionais.size() != 1)
    return erro_uso(kCalcular, posicionais.empty() ? "falta a planilha." : "argumentos demais.");
  if (op.estatisticas && !op.quartis) return erro_uso(kCalcular, "--estatisticas exige --quartis.");
  op.planilha = posicionais[0];
  return executa(op);
}

}  // namespace

const Subcomando kCalcular{
    "calcular",
    "PLANILHA [--quartis] [--pasta PASTA] [--adaptar] [--vardex ARQUIVO] [--tradutor ARQUIVO] "
    "[--estatisticas PASTA] [--relatorio ARQUIVO] [--separador-decimal SEP]",
    "  Importa a planilha PLANILHA como o comando Importar (o bloco de configuração\n"
    "  traz as marcas, os totais e as opções) e executa Calcular: a validação e o\n"
    "  cálculo pelo DoDo simples ou, com --quartis, pelo DoDo em Quartis. Os\n"
    "  arquivos de cada ano projetado (SR2005.CSV, SV2005.CSV, SA2005, SO2005 ou\n"
    "  QU2005.CSV, Q22005.CSV, QA2005) vão para a pasta Temp da pasta de trabalho\n"
    "  ou para PASTA. Na saída padrão: o texto de situação do cálculo e, no DoDo\n"
    "  simples, as observações do ano mostrado.\n"
    "\n"
    "  --quartis                 usa o DoDo em Quartis\n"
    "  --pasta PASTA             pasta dos arquivos de cada ano (criada se faltar)\n"
    "  --adaptar                 carrega cada ano e o adapta quando for preciso\n"
    "  --vardex ARQUIVO          grava o arquivo de todos os anos (Gravar para Vardex)\n"
    "  --tradutor ARQUIVO        grava o arquivo para ser traduzido do último ano\n"
    "  --estatisticas PASTA      com --quartis: estatísticas e descrição de cada área\n"
    "                            de dados em PASTA/E<ano>_<área>.CSV e D<ano>_<área>.CSV\n"
    "  --relatorio ARQUIVO       grava o relatório do cálculo (HTML) do ano mostrado\n"
    "  --separador-decimal SEP   separador decimal, ',' ou '.' (padrão: o de LC_NUMERIC)\n",
    calcular};

}  // namespace zivu::cli
