// Files for other systems: the all-years file read by Vardex and the
// translation file, from the simple and from the quartile window.
#include "core/results/saida_outros.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/engine/escolha_ano.h"
#include "core/engine/quartis_calculo.h"
#include "core/engine/simples_calculo.h"
#include "core/files/ano_arquivos.h"
#include "core/files/arquivos.h"
#include "core/files/gravador.h"
#include "core/worksheet/sistema.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

constexpr const char* kFiltroTradutor = "CSV (Arq. separado por ';')|*.csv";

// A conversion failure while the all-years file is built.
struct ErroVardex {
  std::string mensagem;
};

void aviso_vardex(Sistema& sis, const std::string& original) {
  sis.plat.mensagem("Erro ao tentar gravar o arquivo para o sistema Vardex.\r\rErro original: " + original,
                    "Aviso!", Botoes::OK, Icone::Aviso);
}

// A reference point names a column by the code of its first character; a
// letter outside A..Z names no column and reads as empty text.
int coluna_referencia(const std::string& letra) {
  if (letra.empty()) return 0;
  const int c = static_cast<unsigned char>(letra[0]) - 64;
  return c >= 1 && c <= 26 ? c : 0;
}

const std::string& celula(const Grade& g, int coluna, int linha) {
  static const std::string vazio;
  return coluna > 0 ? g.le(coluna, linha) : vazio;
}

// Number format "00" / "0000": at least `digitos` digits, zeros on the left.
std::string com_zeros(int64_t v, int digitos) {
  std::string d = texto_inteiro(v < 0 ? -v : v);
  if (static_cast<int>(d.size()) < digitos) d.insert(0, static_cast<size_t>(digitos) - d.size(), '0');
  return v < 0 ? "-" + d : d;
}

// A code of the simple window: floating conversion, halves away from zero.
int64_t codigo_real(const std::string& texto) {
  const auto v = para_real(texto);
  if (!v) throw ErroVardex{msg_real_invalido(texto)};
  const double r = std::round(*v);
  if (!(std::fabs(r) < 9.2e18)) throw ErroVardex{msg_real_invalido(texto)};
  return static_cast<int64_t>(r);
}

int64_t codigo_inteiro(const std::string& texto) {
  const auto v = para_inteiro(texto);
  if (!v || *v == INT64_MIN) throw ErroVardex{msg_inteiro_invalido(texto)};
  return *v;
}

void linha_vardex(std::string& texto, const std::string& ano, int64_t maior, int64_t menor,
                  const std::string& pop) {
  texto += '"';
  texto += ano;
  texto += "\";\"";
  texto += com_zeros(maior, 2);
  texto += "\";\"";
  texto += com_zeros(menor, 4);
  texto += "\";\"";
  texto += pop;
  texto += "\";\r\n";
}

std::optional<std::string> escolhe_vardex(Sistema& sis, DestinoUniao destino) {
  DialogoArquivo d;
  d.filtro = kFiltrosArquivos;
  d.extensao_padrao = "CSV";
  d.titulo = destino == DestinoUniao::Vardex ? "Gravar para Vardex" : "Unir resultados";
  const auto escolha = sis.plat.salvar_arquivo(d);
  if (!escolha || apara(escolha->nome).empty()) return std::nullopt;
  return escolha->nome;
}

// Writes the file built in memory, so a failure never leaves half a file.
bool grava_vardex(Sistema& sis, const std::string& nome, const std::string& texto) {
  try {
    grava_texto(nome, texto);
  } catch (const ErroArquivo& e) {
    aviso_vardex(sis, e.original());
    return false;
  }
  return true;
}

bool grava_tradutor(Sistema& sis, const std::string& nome, const std::string& texto) {
  try {
    grava_texto(nome, texto);
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

// The adjustment question of the translation file. False on "Cancelar" or
// when the adjustment failed.
template <typename Ajuste>
bool pergunta_adaptacao(Sistema& sis, bool adaptar, Ajuste ajusta) {
  if (!adaptar) return true;
  const Resposta r = sis.plat.mensagem("Você não fez a adaptação para o resultado.\rDeseja fazê-la agora?\r\r",
                                       "Aviso!", Botoes::SimNaoCancelar, Icone::Pergunta);
  if (r == Resposta::Cancelar) return false;
  if (r == Resposta::Sim) return ajusta();
  return true;
}

std::optional<EscolhaArquivo> escolhe_tradutor(Sistema& sis) {
  DialogoArquivo d;
  d.filtro = kFiltroTradutor;
  d.titulo = "Gravar para ser traduzido";
  return sis.plat.salvar_arquivo(d);
}

}  // namespace

bool Salva_Uniao(Sistema& sis, DestinoUniao destino) {
  Origem& o = sis.origem;
  Simples& s = sis.simples;
  if (destino == DestinoUniao::Vardex && !(o.cfg.Existe_cd_maior && o.cfg.Existe_cd_menor)) {
    sis.plat.mensagem(kAvisoReferencias, "Aviso!", Botoes::OK, Icone::Aviso);
    return false;
  }
  const auto nome = escolhe_vardex(sis, destino);
  if (!nome) return false;

  const int c_maior = coluna_referencia(o.cfg.Cd_maior);
  const int c_menor = coluna_referencia(o.cfg.Cd_menor);
  std::string texto;
  try {
    for (size_t i = 0; i < s.Esc_Ano_Projetado.size(); ++i) {
      s.Esc_Ano_Projetado_indice = static_cast<int>(i);
      if (!Aceitar_anoClick(sis)) return false;
      if (s.Adaptar && !AdaptarClick(sis)) return false;
      const std::string& ano = s.Esc_Ano_Projetado[i];
      const int c0 = o.CelulasAno[0].X;
      const int ultima = std::min<int>(o.UltimaLinha, kLinhasPlanilha - 1);
      // Every row to the last one of the worksheet, that one included.
      for (int r = std::max(1, o.CelulasAno[0].Y + 1); r <= ultima; ++r) {
        const std::string& maior = celula(s.DadosSaida, c_maior, r);
        const std::string& menor = celula(s.DadosSaida, c_menor, r);
        const std::string& pop = s.DadosSaida.le(c0, r);
        if (apara(maior).empty() || apara(menor).empty() || apara(pop).empty()) continue;
        const int64_t cod_maior = codigo_real(maior);
        const int64_t cod_menor = codigo_real(menor);
        linha_vardex(texto, ano, cod_maior, cod_menor, pop);
      }
    }
  } catch (const ErroVardex& e) {
    aviso_vardex(sis, e.mensagem);
    return false;
  }
  return grava_vardex(sis, *nome, texto);
}

bool Salva_Uniao_Quartis(Sistema& sis, DestinoUniao destino) {
  Quartis& q = sis.quartis;
  const auto nome = escolhe_vardex(sis, destino);
  if (!nome) return false;
  // The row count is taken once, before the first year is loaded.
  const int linhas = q.Tab_Uniao.linhas();
  std::string texto;
  try {
    for (size_t i = 0; i < q.Esc_Ano_Projetado.size(); ++i) {
      q.Esc_Ano_Projetado_indice = static_cast<int>(i);
      if (!Aceitar_anoClick_Quartis(sis)) return false;
      if (q.Adaptar && !AdaptarClick_Quartis(sis)) return false;
      const std::string& ano = q.Esc_Ano_Projetado[i];
      for (int r = 1; r < linhas; ++r) {
        const int64_t cod_maior = codigo_inteiro(q.Tab_Uniao.le(2, r));
        const int64_t cod_menor = codigo_inteiro(q.Tab_Uniao.le(4, r));
        linha_vardex(texto, ano, cod_maior, cod_menor, q.Tab_Uniao.le(9, r));
      }
    }
  } catch (const ErroVardex& e) {
    aviso_vardex(sis, e.mensagem);
    return false;
  }
  return grava_vardex(sis, *nome, texto);
}

bool DoDo_TradutorClick(Sistema& sis) {
  Origem& o = sis.origem;
  Simples& s = sis.simples;
  if (!(o.cfg.Existe_cd_maior && o.cfg.Existe_cd_menor)) {
    sis.plat.mensagem(kAvisoReferencias, "Aviso!", Botoes::OK, Icone::Aviso);
    return false;
  }
  if (!pergunta_adaptacao(sis, s.Adaptar, [&sis] { return AdaptarClick(sis); })) return false;
  const auto escolha = escolhe_tradutor(sis);
  if (!escolha) return false;

  // The dialog's only filter is CSV, so the default extension is "*.csv".
  const std::string extensao = escolha->filtro == 1 ? "*.csv" : "";
  std::string nome = escolha->nome;
  const std::string E = capitais(Direita(extensao, 4));
  if (capitais(Direita(apara(nome), 4)) != E) nome += E;

  const int c_maior = coluna_referencia(o.cfg.Cd_maior);
  const int c_menor = coluna_referencia(o.cfg.Cd_menor);
  const int c0 = o.CelulasAno[0].X;
  const int c1 = o.CelulasAno.size() > 1 ? o.CelulasAno[1].X : 0;
  std::string texto;
  for (const Regiao& d : o.AreasDados) {
    const int y0 = std::max(d.Y0, 1), y1 = std::min(d.Y1, kLinhasPlanilha - 1);
    for (int r = y0; r <= y1; ++r) {
      texto += celula(o.DadosEntrada, c_maior, r);
      texto += ';';
      texto += celula(o.DadosEntrada, c_menor, r);
      texto += ';';
      texto += o.DadosEntrada.le(c1, r);
      texto += ';';
      texto += s.DadosSaida.le(c0, r);
      texto += "\r\n";
    }
  }
  return grava_tradutor(sis, nome, texto);
}

bool DoDo_TradutorClick_Quartis(Sistema& sis) {
  Quartis& q = sis.quartis;
  if (!pergunta_adaptacao(sis, q.Adaptar, [&sis] { return AdaptarClick_Quartis(sis); })) return false;
  const auto escolha = escolhe_tradutor(sis);
  if (!escolha) return false;
  std::string texto;
  const Grade& u = q.Tab_Uniao;
  for (int r = 1; r < u.linhas(); ++r) {
    texto += u.le(2, r);
    texto += ';';
    texto += u.le(4, r);
    texto += ';';
    texto += u.le(7, r);
    texto += ';';
    texto += u.le(9, r);
    texto += "\r\n";
  }
  // The quartile window keeps the name as chosen.
  return grava_tradutor(sis, escolha->nome, texto);
}

}  // namespace zivu
