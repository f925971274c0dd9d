// A platform for tests: records every message, status text and progress call,
// and answers questions and file dialogs from scripted queues.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/plataforma.h"
#include "core/worksheet/sistema.h"

namespace zivu::teste {

struct MensagemGravada {
  std::string texto;
  std::string titulo;
  Botoes botoes;
};

class PlataformaTeste : public Plataforma {
 public:
  std::vector<MensagemGravada> mensagens;
  std::vector<std::string> situacoes;
  std::deque<Resposta> respostas;                       // answers to questions
  std::deque<std::optional<EscolhaArquivo>> escolhas;   // answers to dialogs
  std::vector<DialogoArquivo> dialogos;
  int progresso_maximo = -1;
  int progresso_chamadas = 0;
  bool progresso_visivel = false;
  bool espera = false;
  Data data{2026, 12, 6};

  Resposta mensagem(const std::string& texto, const std::string& titulo, Botoes botoes,
                    Icone) override {
    mensagens.push_back({texto, titulo, botoes});
    if (botoes == Botoes::OK) return Resposta::OK;
    if (respostas.empty()) return Resposta::Nao;
    Resposta r = respostas.front();
    respostas.pop_front();
    return r;
  }
  void status(const std::string& texto) override { situacoes.push_back(texto); }
  void cursor_espera(bool ligado) override { espera = ligado; }
  void progresso_mostrar(int maximo) override {
    progresso_maximo = maximo;
    progresso_visivel = true;
  }
  void progresso_posicao(int, const std::string&) override { ++progresso_chamadas; }
  void progresso_esconder() override { progresso_visivel = false; }
  std::optional<EscolhaArquivo> abrir_arquivo(const DialogoArquivo& d) override { return escolhe(d); }
  std::optional<EscolhaArquivo> salvar_arquivo(const DialogoArquivo& d) override { return escolhe(d); }
  Data hoje() override { return data; }

  // The messages so far as "! title|text" lines, forgotten after.
  std::string retira_mensagens() {
    std::string t;
    for (const MensagemGravada& m : mensagens) t += "! " + m.titulo + "|" + m.texto + "\n";
    mensagens.clear();
    return t;
  }

 private:
  std::optional<EscolhaArquivo> escolhe(const DialogoArquivo& d) {
    dialogos.push_back(d);
    if (escolhas.empty()) return std::nullopt;
    auto e = escolhas.front();
    escolhas.pop_front();
    return e;
  }
};

// A system on the test platform, its worksheet at hand.
class TesteSistema : public ::testing::Test {
 protected:
  PlataformaTeste plat;
  Sistema sis{plat};
  Origem& o = sis.origem;
};

}  // namespace zivu::teste
