// What the core asks of whoever drives it: messages, questions, progress,
// status text, wait cursor, file dialogs and the clock. The GUI implements it
// with Qt, the CLI with standard error and fixed answers, tests with a
// recorder that scripts answers.
#pragma once

#include <optional>
#include <string>

namespace zivu {

enum class Botoes { OK, SimNao, SimNaoCancelar };
enum class Resposta { OK, Sim, Nao, Cancelar };
enum class Icone { Informacao, Aviso, Erro, Pergunta };

// A file dialog request. Filters use the original's syntax:
// "Caption|*.ext|Caption|*.ext"; filter indexes start at 1.
struct DialogoArquivo {
  std::string filtro;
  std::string extensao_padrao;  // e.g. "*.cfg"; empty when none
  std::string pasta_inicial;
  std::string titulo;
  // The user's worksheets: a front end that remembers where the user last
  // chose a file starts there instead of at `pasta_inicial`.
  bool pasta_do_usuario = false;
};

struct EscolhaArquivo {
  std::string nome;  // full path as chosen
  int filtro = 1;    // 1-based index of the chosen filter
};

struct Data {
  int ano = 2000;
  int mes = 1;  // 1..12
  int dia = 1;
};

class Plataforma {
 public:
  virtual ~Plataforma() = default;

  // A modal message box; returns the button pressed.
  virtual Resposta mensagem(const std::string& texto, const std::string& titulo,
                            Botoes botoes = Botoes::OK,
                            Icone icone = Icone::Informacao) = 0;
  // The application's general error report (an error no command caught).
  virtual void erro_geral(const std::string& texto);

  virtual void status(const std::string& /*texto*/) {}
  virtual void cursor_espera(bool /*ligado*/) {}

  // Progress panel: shown with a maximum, moved, hidden. The core reports a
  // position only when the shown percentage changes.
  virtual void progresso_mostrar(int /*maximo*/) {}
  virtual void progresso_posicao(int /*posicao*/, const std::string& /*rotulo*/) {}
  virtual void progresso_esconder() {}

  virtual std::optional<EscolhaArquivo> abrir_arquivo(const DialogoArquivo&) { return std::nullopt; }
  virtual std::optional<EscolhaArquivo> salvar_arquivo(const DialogoArquivo&) { return std::nullopt; }

  // Today's date, for the defaults of the projected year and month.
  virtual Data hoje();
};

}  // namespace zivu
