// The configuration block written before the worksheet's cells.
#include <string>

#include "core/files/gravador.h"
#include "core/files/gravador_interno.h"
#include "core/worksheet/sistema.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

std::string texto_regiao(const Regiao& g) {
  return std::to_string(g.X0) + "," + std::to_string(g.Y0) + ".." + std::to_string(g.X1) + "," +
         std::to_string(g.Y1);
}

const char* nome_mes(int indice) { return (indice >= 0 && indice < 12) ? kMeses[indice] : ""; }

}  // namespace

void acrescenta_linhas_totais(std::string& destino, const Grade& totais) {
  for (int r = 0; r < totais.linhas(); ++r) {
    for (int c = 0; c < totais.colunas(); ++c) {
      destino.append(totais.cel(c, r));
      destino += ';';
    }
    destino += "\r\n";
  }
}

std::string bloco_configuracao(Sistema& sis) {
  Origem& o = sis.origem;
  Configuracao& c = o.cfg;
  std::string b;
  auto linha = [&b](std::string_view s) {
    b.append(s);
    b += "\r\n";
  };

  linha("[INICIO]");
  linha("<ANO_OBJETIVO>");
  linha(c.AnoProj);
  linha(c.Anos_intermediarios ? "PROJETAR ANOS INTERMEDIARIOS" : "NAO PROJETAR ANOS INTERMEDIARIOS");
  linha("<LSECUNDARIA>");
  linha(c.DoDo_geral ? "DoDo geral" : "DoDo por blocos");
  linha("<APROXIMAR>");
  linha(c.Aproximar ? "Aproximar" : "Não aproximar");
  linha(c.NCasasDec);
  linha("<POPQUARTIL>");
  linha(c.Div_habitantes);
  linha("<MESES>");
  linha(nome_mes(c.Mes_Ano0));
  linha(nome_mes(c.Mes_Ano1));
  linha(nome_mes(c.Mes_AnoX));

  linha("<REFQUARTIL>");
  const std::pair<bool, std::string*> refs[4] = {{c.Existe_cd_maior, &c.Cd_maior},
                                                 {c.Existe_nome_maior, &c.Nome_maior},
                                                 {c.Existe_cd_menor, &c.Cd_menor},
                                                 {c.Existe_nome_menor, &c.Nome_menor}};
  // An empty reference column is set to "A" on the window before writing.
  for (const auto& [existe, coluna] : refs)
    if (apara(*coluna).empty()) coluna->assign(1, 'A');
  for (const auto& [existe, coluna] : refs) linha((existe ? "1-" : "0-") + *coluna);

  linha("<ANOS>");
  if (!o.CelulasAno.empty() && o.CelulasAno[0].X > 0)
    linha(std::to_string(o.CelulasAno[0].X) + "," + std::to_string(o.CelulasAno[0].Y));
  if (o.QtdAnos > 1 && o.CelulasAno.size() > 1 && o.CelulasAno[1].X > 0)
    linha(std::to_string(o.CelulasAno[1].X) + "," + std::to_string(o.CelulasAno[1].Y));

  linha("<PRINCIPAL>");
  if (o.LinhaPrincipal.X0 > 0)
    linha(texto_regiao(o.LinhaPrincipal) + " + = " + std::to_string(o.TotalPrincipal));

  linha("<SECUNDARIA>");
  for (size_t i = 0; i < o.Secundarias.size() && i < static_cast<size_t>(o.QtdSecundarias); ++i) {
    if (o.Secundarias[i].X0 <= 0) continue;
    const int64_t total = i < o.TotaisSecundarios.size() ? o.TotaisSecundarios[i] : 0;
    linha(texto_regiao(o.Secundarias[i]) + " + = " + std::to_string(total));
  }

  linha("<PLANILHA DE TOTAIS>");
  acrescenta_linhas_totais(b, o.Grade_totais);

  linha("<DADOS>");
  for (const Regiao& g : o.AreasDados)
    if (g.X0 > 0) linha(texto_regiao(g));
  linha("<TITULO>");
  for (const Regiao& g : o.Titulos)
    if (g.X0 > 0) linha(texto_regiao(g));
  linha("[FIM]");
  return b;
}

}  // namespace zivu
