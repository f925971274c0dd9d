// The quartile results window "DoDo em Quartis" (its pages come later).
#pragma once

#include <QWidget>

class Aplicacao;

class TQuartis : public QWidget {
  Q_OBJECT
 public:
  explicit TQuartis(Aplicacao& app);
  void atualiza() {}
  // Main menu "Exportar": the exports of the pages that are showing.
  Q_INVOKABLE void exporta_paginas_visiveis() {}
  Q_INVOKABLE void Imprimir1Click() {}

 private:
  Aplicacao& app_;
};
