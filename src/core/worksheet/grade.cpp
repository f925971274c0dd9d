#include "core/worksheet/grade.h"

#include <algorithm>

#include "core/text/textos.h"

namespace zivu {

Grade::Grade(std::string nome, int colunas, int linhas) : nome_(std::move(nome)) {
  redimensiona(colunas, linhas);
}

Grade::Grade(const Grade& outra)
    : nome_(outra.nome_),
      colunas_(outra.colunas_),
      linhas_(outra.linhas_),
      numeradas_(outra.numeradas_),
      linhas_cel_(outra.linhas_cel_.size()),
      escritas_(outra.escritas_) {
  for (int r : escritas_) {
    const Linha& de = outra.linhas_cel_[static_cast<size_t>(r)];
    Linha& para = linhas_cel_[static_cast<size_t>(r)];
    para.resize(de.size());
    for (size_t b = 0; b < de.size(); ++b) {
      if (!de[b]) continue;
      para[b] = std::make_unique<std::string[]>(kBloco);
      std::copy(de[b].get(), de[b].get() + kBloco, para[b].get());
    }
  }
}

Grade& Grade::operator=(const Grade& outra) {
  if (this != &outra) *this = Grade(outra);
  return *this;
}

const std::string& Grade::vazio() {
  static const std::string v;
  return v;
}

const std::string& Grade::numero_linha(int r) {
  static const std::vector<std::string> numeros = [] {
    std::vector<std::string> v(kLinhasPlanilha);
    for (int i = 1; i < kLinhasPlanilha; ++i) v[static_cast<size_t>(i)] = std::to_string(i);
    return v;
  }();
  return r < kLinhasPlanilha ? numeros[static_cast<size_t>(r)] : vazio();
}

size_t Grade::blocos() const { return (static_cast<size_t>(colunas_) + kBloco - 1) / kBloco; }

void Grade::cria_linha(int r) {
  Linha& linha = linhas_cel_[static_cast<size_t>(r)];
  linha.resize(blocos());
  escritas_.push_back(r);
  // Its number, read until now from the shared ones, becomes a stored cell.
  if (r > 0 && r < numeradas_) cel(0, r) = std::to_string(r);
}

void Grade::redimensiona(int colunas, int linhas) {
  if (colunas < 0) colunas = 0;
  if (linhas < 0) linhas = 0;
  if (colunas == colunas_ && linhas == linhas_) return;
  // Row numbers beyond the new size are lost, as stored cells would be.
  numeradas_ = colunas > 0 ? std::min(numeradas_, linhas) : 0;
  linhas_cel_.resize(static_cast<size_t>(linhas));
  if (linhas < linhas_)
    std::erase_if(escritas_, [linhas](int r) { return r >= linhas; });
  if (colunas != colunas_) {
    // A row of zero columns cannot hold a cell; dropping it keeps "empty"
    // meaning "never written".
    const size_t n = (static_cast<size_t>(colunas) + kBloco - 1) / kBloco;
    for (int r : escritas_) {
      Linha& linha = linhas_cel_[static_cast<size_t>(r)];
      if (colunas == 0) {
        Linha().swap(linha);
        continue;
      }
      linha.resize(n);
      // Cells of the last block past the new width are gone.
      if (colunas < colunas_ && colunas % static_cast<int>(kBloco) != 0 && linha[n - 1])
        for (size_t c = static_cast<size_t>(colunas) % kBloco; c < kBloco; ++c) linha[n - 1][c].clear();
    }
    if (colunas == 0) escritas_.clear();
  }
  colunas_ = colunas;
  linhas_ = linhas;
}

void Grade::escreve(int c, int r, std::string texto) {
  if (dentro(c, r)) cel(c, r) = std::move(texto);
}

void Grade::limpa() {
  for (int r : escritas_)
    for (auto& bloco : linhas_cel_[static_cast<size_t>(r)])
      if (bloco)
        for (size_t c = 0; c < kBloco; ++c) bloco[c].clear();
  numeradas_ = 0;
}

void Grade::escreve_cabecalhos_planilha() {
  if (colunas_ == 0) return;
  numeradas_ = std::min(linhas_, kLinhasPlanilha);
  // Rows already made, and any past the shared numbers, hold theirs as a
  // stored cell.
  for (int r : escritas_)
    if (r > 0) cel(0, r) = std::to_string(r);
  for (int r = numeradas_; r < linhas_; ++r) cel(0, r) = std::to_string(r);
  for (int c = 1; c < colunas_; ++c) cel(c, 0) = letra_coluna(c);
}

}  // namespace zivu
