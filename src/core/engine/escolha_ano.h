// The year choosers of both results windows: "Ano a mostrar" opens the
// chooser, "Aceitar" loads the chosen stored year with its totals,
// "Cancelar" closes it.
#pragma once

namespace zivu {

class Sistema;
struct Simples;
struct Quartis;

void Ano_ProjetadoClick(Simples& s);
void Cancelar_anoClick(Simples& s);
void Ano_ProjetadoClick(Quartis& q);
void Cancelar_anoClick(Quartis& q);

// Loads the year selected in the window's list; nothing without a selection.
// False when the year's totals did not convert or one of its files could not
// be read (the message was shown; the chooser stays open and the grids stay
// as they were).
bool Aceitar_anoClick(Sistema& sis);
bool Aceitar_anoClick_Quartis(Sistema& sis);

}  // namespace zivu
