// The worksheet's import command.
#include "core/files/arquivos.h"
#include "core/files/gravador.h"
#include "core/files/leitor.h"
#include "core/files/leitor_interno.h"
#include "core/worksheet/sistema.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

// Text after the last "." of the file name (the folders do not count); a
// name without "." is read as text.
std::string extensao_de(const std::string& caminho) {
  const size_t barra = caminho.rfind('/');
  const std::string_view nome =
      std::string_view(caminho).substr(barra == std::string::npos ? 0 : barra + 1);
  const size_t ponto = nome.rfind('.');
  if (ponto == std::string_view::npos) return "TXT";
  return std::string(nome.substr(ponto + 1));
}

}  // namespace

void ImportarClick(Sistema& sis) {
  DialogoArquivo dialogo;
  dialogo.filtro = kFiltrosArquivos;
  dialogo.pasta_inicial = pasta_sistema();
  dialogo.titulo = "Importar";
  dialogo.pasta_do_usuario = true;
  if (auto escolha = sis.plat.abrir_arquivo(dialogo)) {
    Importa_Arquivo(sis, escolha->nome);
    return;
  }
  sis.origem.ListaObs();
}

bool Importa_Arquivo(Sistema& sis, const std::string& nome) {
  // A file that is not text, or holds nothing, is refused before the
  // worksheet is touched, so the one on screen stays.
  const ArquivoLido arquivo = le_limitado(nome, true);
  const char* recusa = nullptr;
  if (arquivo.estado == ArquivoLido::Estado::Binario)
    recusa = " não é um arquivo de texto e não pode ser lido como planilha.";
  else if (arquivo.estado == ArquivoLido::Estado::Lido && arquivo.bytes.empty() && arquivo.corte == Corte::Nenhum)
    recusa = " está vazio.";
  if (recusa) {
    sis.plat.mensagem("O arquivo " + nome + recusa, "Erro!", Botoes::OK, Icone::Erro);
    return false;
  }
  sis.origem.CriarClick();
  const std::string tipo = capitais(extensao_de(nome));
  bool lido = false;
  if (tipo == "TXT" || tipo == "CSV") {
    lido = Le_Lido(sis, nome, arquivo, ModoLeitura::Planilha, sis.origem.DadosEntrada);
  } else if (sis.plat.mensagem("Método de importação ainda não definido.\r\rAbrir como ASCII?",
                               "Aviso!", Botoes::SimNao, Icone::Aviso) == Resposta::Sim) {
    lido = Le_Lido(sis, nome, arquivo, ModoLeitura::Planilha, sis.origem.DadosEntrada);
  }
  sis.simples.Adaptar = false;
  sis.quartis.Adaptar = false;
  sis.princ.ArquivoPlanilha = lido ? nome : std::string();
  sis.origem.ListaObs();
  return lido;
}

}  // namespace zivu
