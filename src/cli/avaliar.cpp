// zivu-cli avaliar PLANILHA --coluna-teste LETRA --ano-teste ANO
//   [--saida PREFIXO] [--separador-decimal SEP]
#include <iostream>
#include <optional>

#include "cli/planilha.h"
#include "cli/plataforma_cli.h"
#include "cli/separador.h"
#include "cli/subcomandos.h"
#include "core/engine/avaliacao.h"
#include "core/files/arquivos.h"
#include "core/results/avaliacao_tabelas.h"
#include "core/worksheet/sistema.h"
#include "core/text/textos.h"

namespace zivu::cli {

namespace {

struct Opcoes {
  std::string planilha;
  std::optional<std::string> coluna, ano, saida;
};

void a_direita(std::string& linha, const std::string& texto, int largura) {
  linha.append(static_cast<size_t>(std::max(0, largura - comprimento(texto))), ' ');
  linha += texto;
}

// The summary as an aligned table; a method without areas shows "-".
std::string tabela_resumo(const Avaliacao& a) {
  constexpr int kNome = 22, kNumero = 9;
  std::string t = "Avaliação retrospectiva de " + std::to_string(a.ano) + " pela coluna " + letra_coluna(a.coluna) +
                  "\n\n";
  acrescenta_alinhado(t, "Método", kNome);
  for (const char* c : {"Áreas", "MAPE", "MedAPE", "MALPE", "WAPE", "EPA>10%"}) a_direita(t, c, kNumero);
  t += '\n';
  for (MetodoAvaliacao m : kMetodosAvaliados) {
    const ResumoErros& r = a.resumo[static_cast<size_t>(m)];
    acrescenta_alinhado(t, nome_metodo(m), kNome);
    a_direita(t, std::to_string(r.areas), kNumero);
    for (double x : {r.MAPE, r.MedAPE, r.MALPE, r.WAPE, r.EPA10}) {
      const std::string v = r.areas > 0 ? texto_medida(x) : "";
      a_direita(t, v.empty() ? "-" : v, kNumero);
    }
    t += '\n';
  }
  t += "\nÁreas sem observação: " + std::to_string(a.sem_observacao) + "\n";
  return t;
}

int executa(const Opcoes& op) {
  PlataformaCli plat(std::cerr, Resposta::Sim);
  Sistema sis(plat);
  if (!importa_e_valida(sis, op.planilha, false)) return kMensagem;
  if (!AvaliarClick(sis, *op.coluna, *op.ano)) return kMensagem;
  const Avaliacao& a = *sis.simples.avaliacao;
  if (op.saida) {
    try {
      grava_avaliacao(a, *op.saida);
    } catch (const ErroArquivo& e) {
      plat.erro_geral(e.what());
      return kMensagem;
    }
  }
  std::cout << tabela_resumo(a);
  std::cout.flush();
  return kSucesso;
}

int avaliar(const std::vector<std::string>& args) {
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
    if (a == "--help" || a == "-h") return mostra_ajuda(kAvaliar);
    // Options with a value, as "--opcao VALOR" or "--opcao=VALOR".
    const size_t igual = a.find('=');
    const std::string nome = a.substr(0, igual);
    std::optional<std::string>* destino = nullptr;
    if (nome == "--coluna-teste") destino = &op.coluna;
    else if (nome == "--ano-teste") destino = &op.ano;
    else if (nome == "--saida") destino = &op.saida;
    else if (nome != "--separador-decimal") return erro_uso(kAvaliar, "opção desconhecida: " + a);
    std::string valor;
    if (igual != std::string::npos) {
      valor = a.substr(igual + 1);
    } else if (i + 1 < args.size()) {
      valor = args[++i];
    } else {
      return erro_uso(kAvaliar, "falta o valor de " + nome + ".");
    }
    if (destino) {
      if (valor.empty()) return erro_uso(kAvaliar, "valor vazio em " + nome + ".");
      *destino = valor;
    } else if (!define_separador(valor)) {
      return erro_uso(kAvaliar, "separador decimal inválido: '" + valor + "' (use ',' ou '.').");
    }
  }
  if (posicionais.size() != 1)
    return erro_uso(kAvaliar, posicionais.empty() ? "falta a planilha." : "argumentos demais.");
  if (!op.coluna) return erro_uso(kAvaliar, "falta --coluna-teste.");
  if (!op.ano) return erro_uso(kAvaliar, "falta --ano-teste.");
  op.planilha = posicionais[0];
  return executa(op);
}

}  // namespace

const Subcomando kAvaliar{
    "avaliar",
    "PLANILHA --coluna-teste LETRA --ano-teste ANO [--saida PREFIXO] [--separador-decimal SEP]",
    "  Avaliação retrospectiva: importa e confere a planilha como calcular (mesmas\n"
    "  mensagens) e projeta o ano ANO de uma pesquisa posterior, cuja população\n"
    "  observada está na coluna LETRA, pelo DoDo simples (sem Adaptar) e por três\n"
    "  referências: parcela constante, tendência linear e tendência exponencial.\n"
    "  Na saída padrão: a tabela de erros de cada método (MAPE, MedAPE, MALPE, WAPE\n"
    "  e EPA>10%, em %) e a quantidade de áreas sem observação.\n"
    "\n"
    "  --coluna-teste LETRA      coluna da pesquisa posterior (de A a Z)\n"
    "  --ano-teste ANO           ano dessa pesquisa, posterior ao da segunda pesquisa\n"
    "  --saida PREFIXO           grava PREFIXO_resumo.CSV, PREFIXO_grupos.CSV (por\n"
    "                            bloco e por classe de tamanho) e PREFIXO_areas.CSV\n"
    "  --separador-decimal SEP   separador decimal, ',' ou '.' (padrão: o de LC_NUMERIC)\n",
    avaliar};

}  // namespace zivu::cli
