// Commands and questions of the main window that are not drawing.
#pragma once

#include <string>

namespace zivu {

class Plataforma;
class Sistema;

// Asked when the main window closes; true when the user answers Yes.
bool FormClose_Princ(Sistema& sis);

// The single-instance guard found another run; true when the user chooses to
// go on loading.
bool Pergunta_Segunda_Instancia(Plataforma& plat);

// The help file is missing.
void Aviso_Sem_Ajuda(Plataforma& plat);

// Shortcut creation failed with the platform's `erro`.
void Aviso_Falha_Atalho(Plataforma& plat, const std::string& erro);
// Where the launcher of "Criar atalho na área de trabalho" was written.
void Aviso_Atalho_Criado(Plataforma& plat, const std::string& caminho);

// "Serviços > Quartis": toggles the check mark and sets or clears the
// worksheet's "Quartis" check box with it.
void Quartis1Click(Sistema& sis);

}  // namespace zivu
