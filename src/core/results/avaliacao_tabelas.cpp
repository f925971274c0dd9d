#include "core/results/avaliacao_tabelas.h"

#include <algorithm>
#include <cmath>

#include "core/files/arquivos.h"
#include "core/files/gravador.h"
#include "core/text/numeros.h"
#include "core/text/textos.h"
#include "core/worksheet/sistema.h"

namespace zivu {

namespace {

// A field holding the separator, a quote or a line break is quoted, its
// quotes doubled.
void campo(std::string& linha, const std::string& texto) {
  if (!linha.empty()) linha += ';';
  const bool simples = std::none_of(texto.begin(), texto.end(),
                                    [](char c) { return c == ';' || c == '"' || c == '\r' || c == '\n'; });
  if (simples) {
    linha += texto;
    return;
  }
  linha += '"';
  for (char c : texto) {
    if (c == '"') linha += '"';
    linha += c;
  }
  linha += '"';
}

void fecha(std::string& saida, std::string& linha) {
  saida += linha;
  saida += "\r\n";
  linha.clear();
}

void medidas(std::string& linha, const ResumoErros& r) {
  campo(linha, std::to_string(r.areas));
  for (double x : {r.MAPE, r.MedAPE, r.MALPE, r.WAPE, r.EPA10}) campo(linha, r.areas > 0 ? texto_medida(x) : "");
}

const char* const kMedidas = "Áreas;MAPE;MedAPE;MALPE;WAPE;EPA>10%";

}  // namespace

std::string nome_arquivo_avaliacao(const std::string& prefixo, TabelaAvaliacao t) {
  switch (t) {
    case TabelaAvaliacao::Grupos: return prefixo + "_grupos.CSV";
    case TabelaAvaliacao::Areas: return prefixo + "_areas.CSV";
    case TabelaAvaliacao::Resumo: break;
  }
  return prefixo + "_resumo.CSV";
}

std::string descricao_avaliacao(const Avaliacao& a) {
  return "Projeção de " + std::to_string(a.ano) + " comparada com a coluna " + letra_coluna(a.coluna) +
         " (h = " + texto_0_cerquilhas(a.h) + "); áreas sem observação: " + std::to_string(a.sem_observacao) + ".";
}

std::string texto_medida(double x) { return finito(x) ? texto_decimais(x, 2) : std::string(); }

std::string texto_csv_avaliacao(const Avaliacao& a, TabelaAvaliacao t) {
  std::string s, linha;
  switch (t) {
    case TabelaAvaliacao::Resumo:
      s = std::string("Método;") + kMedidas + "\r\n";
      for (MetodoAvaliacao m : kMetodosAvaliados) {
        campo(linha, nome_metodo(m));
        medidas(linha, a.resumo[static_cast<size_t>(m)]);
        fecha(s, linha);
      }
      break;
    case TabelaAvaliacao::Grupos:
      s = std::string("Grupo;Método;") + kMedidas + "\r\n";
      for (const auto* grupos : {&a.blocos, &a.classes})
        for (const GrupoAvaliacao& g : *grupos)
          for (MetodoAvaliacao m : kMetodosAvaliados) {
            campo(linha, g.nome);
            campo(linha, nome_metodo(m));
            medidas(linha, g.resumo[static_cast<size_t>(m)]);
            fecha(s, linha);
          }
      break;
    case TabelaAvaliacao::Areas:
      s = "Linha;Bloco;Título;Observado";
      for (MetodoAvaliacao m : kMetodosAvaliados) s += std::string(";") + nome_metodo(m) + ";PE " + nome_metodo(m);
      s += "\r\n";
      for (const AreaAvaliada& x : a.areas) {
        campo(linha, std::to_string(x.linha));
        campo(linha, static_cast<size_t>(x.bloco) < a.blocos.size() ? a.blocos[x.bloco].nome : "");
        campo(linha, x.titulo);
        campo(linha, x.observado ? texto_medida(*x.observado) : "sem observação");
        for (MetodoAvaliacao m : kMetodosAvaliados) {
          const auto& P = x.projecao[static_cast<size_t>(m)];
          const auto pe = x.PE(m);
          campo(linha, P ? texto_medida(*P) : "");
          campo(linha, pe ? texto_medida(*pe) : "");
        }
        fecha(s, linha);
      }
      break;
  }
  return s;
}

void grava_tabela_avaliacao(const Avaliacao& a, TabelaAvaliacao t, const std::string& caminho) {
  grava_texto(caminho, texto_csv_avaliacao(a, t));
}

void grava_avaliacao(const Avaliacao& a, const std::string& prefixo) {
  for (TabelaAvaliacao t : {TabelaAvaliacao::Resumo, TabelaAvaliacao::Grupos, TabelaAvaliacao::Areas})
    grava_tabela_avaliacao(a, t, nome_arquivo_avaliacao(prefixo, t));
}

bool Exportar_Avaliacao(Sistema& sis, TabelaAvaliacao t) {
  if (!sis.simples.avaliacao) return false;
  DialogoArquivo dialogo;
  // Only the CSV of the program's filters: the tables have no DAT form.
  const std::string filtros = kFiltrosArquivos;
  dialogo.filtro = filtros.substr(0, filtros.find("|*.csv") + 6);
  dialogo.titulo = "Exportar";
  const auto escolha = sis.plat.salvar_arquivo(dialogo);
  if (!escolha) return false;
  std::string nome = escolha->nome;
  if (capitais(Direita(nome, 4)) != ".CSV") nome += ".CSV";
  try {
    grava_tabela_avaliacao(*sis.simples.avaliacao, t, nome);
  } catch (const ErroArquivo& e) {
    sis.plat.erro_geral(e.what());
    return false;
  }
  return true;
}

std::vector<size_t> areas_por_ape(const Avaliacao& a, MetodoAvaliacao m) {
  std::vector<std::pair<double, size_t>> ape;
  for (size_t i = 0; i < a.areas.size(); ++i)
    if (const auto pe = a.areas[i].PE(m)) ape.emplace_back(std::fabs(*pe), i);
  std::stable_sort(ape.begin(), ape.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
  std::vector<size_t> ordem;
  ordem.reserve(ape.size());
  for (const auto& par : ape) ordem.push_back(par.second);
  return ordem;
}

PontosPE pontos_pe(const Avaliacao& a, MetodoAvaliacao m) {
  PontosPE p;
  for (const AreaAvaliada& x : a.areas) {
    const auto pe = x.PE(m);
    if (!pe) continue;
    if (x.p1 > 0)
      p.pontos.emplace_back(x.p1, *pe);
    else
      ++p.fora;
  }
  return p;
}

}  // namespace zivu
