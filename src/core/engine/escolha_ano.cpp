#include "core/engine/escolha_ano.h"

#include "core/engine/calculo.h"
#include "core/engine/quartis_calculo.h"
#include "core/files/ano_arquivos.h"
#include "core/worksheet/sistema.h"

namespace zivu {

namespace {

// The year selected in a window's list, or nullptr.
const std::string* ano_escolhido(const std::vector<std::string>& anos, int indice) {
  if (indice < 0 || static_cast<size_t>(indice) >= anos.size()) return nullptr;
  return &anos[static_cast<size_t>(indice)];
}

// The chooser opens on the year on screen, when the list holds it.
void preseleciona(const std::vector<std::string>& anos, const std::string& na_tela, int& indice) {
  for (size_t i = 0; i < anos.size(); ++i)
    if (anos[i] == na_tela) indice = static_cast<int>(i);
}

}  // namespace

void Ano_ProjetadoClick(Simples& s) {
  preseleciona(s.Esc_Ano_Projetado, s.Ano_Projetado_hint, s.Esc_Ano_Projetado_indice);
  s.Anos_visivel = true;
}

void Cancelar_anoClick(Simples& s) { s.Anos_visivel = false; }

void Ano_ProjetadoClick(Quartis& q) {
  preseleciona(q.Esc_Ano_Projetado, q.Ano_Projetado_hint, q.Esc_Ano_Projetado_indice);
  q.Anos_visivel = true;
  q.barra3_habilitado = false;
}

void Cancelar_anoClick(Quartis& q) {
  q.Anos_visivel = false;
  q.barra3_habilitado = true;
}

bool Aceitar_anoClick(Sistema& sis) {
  Simples& s = sis.simples;
  const std::string* escolhido = ano_escolhido(s.Esc_Ano_Projetado, s.Esc_Ano_Projetado_indice);
  if (!escolhido) return true;
  const std::string ano = *escolhido;
  if (!PegandoNovosTotais(sis, ano) || !Le_Ano(sis, ano, Metodo::Simples)) return false;
  s.Ano_Projetado_hint = ano;
  Cancelar_anoClick(s);
  return true;
}

bool Aceitar_anoClick_Quartis(Sistema& sis) {
  Quartis& q = sis.quartis;
  const std::string* escolhido = ano_escolhido(q.Esc_Ano_Projetado, q.Esc_Ano_Projetado_indice);
  if (!escolhido) return true;
  const std::string ano = *escolhido;
  if (!PegandoNovosTotais(sis, ano) || !Le_Ano(sis, ano, Metodo::Quartis)) return false;
  q.Ano_Projetado_hint = ano;
  Titulos_Quartis(sis);
  Cancelar_anoClick(q);
  return true;
}

}  // namespace zivu
