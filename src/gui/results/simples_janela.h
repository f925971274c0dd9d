// The simple results window "DoDo simples" (its pages come later).
#pragma once

#include <QWidget>

class Aplicacao;

class TSimples : public QWidget {
  Q_OBJECT
 public:
  explicit TSimples(Aplicacao& app);
  void atualiza() {}
  // Main menu "Exportar": the exports of the pages that are showing.
  Q_INVOKABLE void exporta_paginas_visiveis() {}
  Q_INVOKABLE void Copiar1Click() {}
  Q_INVOKABLE void Imprimir1Click() {}

 private:
  Aplicacao& app_;
};
