// Current cell, editing bar and "Criar".
#include <algorithm>

#include "core/worksheet/sistema.h"
#include "core/text/textos.h"
#include "core/worksheet/origem.h"

namespace zivu {

void Origem::vai_para(int coluna, int linha) {
  Col = std::clamp(coluna, 1, DadosEntrada.colunas() - 1);
  Row = std::clamp(linha, 1, DadosEntrada.linhas() - 1);
  Left = Right = Col;
  Top = Bottom = Row;
  DadosEntradaClick();
}

void Origem::seleciona(int left, int top, int right, int bottom) {
  Left = std::clamp(std::min(left, right), 1, DadosEntrada.colunas() - 1);
  Right = std::clamp(std::max(left, right), 1, DadosEntrada.colunas() - 1);
  Top = std::clamp(std::min(top, bottom), 1, DadosEntrada.linhas() - 1);
  Bottom = std::clamp(std::max(top, bottom), 1, DadosEntrada.linhas() - 1);
}

void Origem::DadosEntradaClick() {
  Celula = DadosEntrada.le(Col, Row);
  tela.Cruz = endereco(Col, Row);
}

void Origem::Edite_OKClick() {
  DadosEntrada.escreve(Col, Row, Celula);
  if (!apara(Celula).empty()) {
    UltimaColuna = std::max<int32_t>(UltimaColuna, Col);
    UltimaLinha = std::max<int32_t>(UltimaLinha, Row);
  }
}

void Origem::CriarClick() {
  EsvaziaPlanilhas();
  tela.legenda_pagina = "DoDo";
  ListaObs();
  sis_.simples.Adaptar = false;
  sis_.quartis.Adaptar = false;
  sis_.princ.ArquivoPlanilha.clear();
  vai_para(1, 1);
}

}  // namespace zivu
