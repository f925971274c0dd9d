// The totals sheet: one row per line ("P", "S1", ...), one column per
// projected year.
#include <algorithm>
#include <climits>

#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/origem.h"

namespace zivu {

namespace {
// More year columns than this is no projection anyone asks for; building them
// would only exhaust memory.
constexpr int64_t kMaxColunasTotais = 10000;
}  // namespace

void Origem::reinicia_grade_totais() {
  Grade_totais.redimensiona(3, 2);
  Grade_totais.limpa();
  Grade_totais.cel(0, 0) = "Áreas";
  tela.Grade_totais_editavel = false;
}

void Origem::Outros_totaisClick() {
  std::optional<int64_t> t1;
  if (QtdAnos >= 2 && CelulasAno.size() >= 2 && !CelulasAno[1].vazia())
    t1 = para_inteiro(DadosEntrada.le(CelulasAno[1].X, CelulasAno[1].Y));
  if (!t1 || *t1 < INT32_MIN || *t1 > INT32_MAX) {
    sis_.plat.mensagem("Ano da última pesquisa é inválido.", "Erro!", Botoes::OK, Icone::Erro);
    return;
  }
  const int64_t primeiro = *t1 + 1;
  const auto ultimo = para_inteiro(cfg.AnoProj);
  if (!ultimo) return;
  const int64_t colunas = *ultimo - primeiro + 2;
  if (colunas > kMaxColunasTotais) return;

  std::vector<std::pair<std::string, int64_t>> linhas;
  if (!LinhaPrincipal.vazia()) linhas.emplace_back("P", TotalPrincipal);
  // Only marked lines: a reset keeps the first block total of the former
  // worksheet, which names no line any more.
  for (size_t i = 0; i < TotaisSecundarios.size() && i < Secundarias.size(); ++i)
    if (!Secundarias[i].vazia() && TotaisSecundarios[i] > 0) linhas.emplace_back("S" + std::to_string(i + 1), TotaisSecundarios[i]);

  const bool sem_anos = colunas <= 2;
  Grade_totais.redimensiona(sem_anos ? 3 : static_cast<int>(colunas),
                            std::max<int>(2, static_cast<int>(linhas.size()) + 1));
  Grade_totais.cel(0, 0) = "Áreas";
  Grade_totais.cel(1, 0) = texto_inteiro(*ultimo);
  for (int c = 2; c < Grade_totais.colunas(); ++c)
    Grade_totais.cel(c, 0) = sem_anos ? std::string() : texto_inteiro(primeiro + c - 2);
  for (int r = 1; r < Grade_totais.linhas(); ++r) {
    const bool tem = r - 1 < static_cast<int>(linhas.size());
    Grade_totais.cel(0, r) = tem ? linhas[r - 1].first : std::string();
    Grade_totais.cel(1, r) = tem ? texto_inteiro(linhas[r - 1].second) : std::string();
  }
  tela.Grade_totais_editavel = !sem_anos;
  for (int r = 1; r < Grade_totais.linhas(); ++r)
    for (int c = 1; c < Grade_totais.colunas(); ++c)
      if (apara(Grade_totais.cel(c, r)).empty()) Grade_totais.cel(c, r) = "0";
}

}  // namespace zivu
