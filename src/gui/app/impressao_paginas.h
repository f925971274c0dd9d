// Text pages on a printer.
#pragma once

#include <QPrinter>
#include <vector>

#include "core/files/impressao.h"

// Sends text pages to a printer, one line after another in "Courier" 8 pt,
// a new sheet for every page and wherever a page does not fit the paper.
void imprime_paginas(QPrinter& impressora, const std::vector<zivu::Pagina>& paginas);

// Characters of that font that fit across the printer's page.
int caracteres_por_linha(QPrinter& impressora);
