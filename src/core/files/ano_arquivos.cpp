// Per-year result files in the "Temp" folder and the simple window's year
// chooser that loads them back.
#include "core/files/ano_arquivos.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/engine/simples_calculo.h"
#include "core/files/arquivos.h"
#include "core/files/leitor.h"
#include "core/results/simples_exportar.h"
#include "core/sistema.h"
#include "core/text/codificacao.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

// The observations box keeps LF line breaks; its file has CR LF.
std::string para_crlf(const std::string& texto) {
  std::string r;
  r.reserve(texto.size() + texto.size() / 16);
  for (size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r') {
      r += "\r\n";
      if (i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      r += "\r\n";
    } else {
      r += c;
    }
  }
  return r;
}

// CR LF, CR and LF all end a line; the box gets LF.
std::string para_lf(const std::string& texto) {
  std::string r;
  r.reserve(texto.size());
  for (size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c == '\r') {
      r += '\n';
      if (i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
    } else {
      r += c;
    }
  }
  return r;
}

// A marker or observations file as text; nullopt after the general error
// report was shown.
std::optional<std::string> le_texto(Sistema& sis, const std::string& caminho) {
  auto bytes = le_bytes(caminho);
  if (!bytes) {
    sis.plat.erro_geral("Não foi possível abrir o arquivo " + caminho + ".");
    return std::nullopt;
  }
  return decodifica_arquivo(*bytes);
}

// The run's own scratch files are written straight: the temporary copy and
// the flush to disk that protect the user's files would cost more than the
// computation of a year, and a run that fails is simply run again.
void grava_direto(const std::string& caminho, std::string_view texto_utf8) {
  const std::string bytes = codifica_arquivo(texto_utf8);
  std::FILE* f = std::fopen(caminho.c_str(), "wb");
  int erro = f ? 0 : errno;
  if (f) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) erro = errno;
    if (std::fclose(f) != 0 && erro == 0) erro = errno;
  }
  if (erro != 0)
    throw ErroArquivo("Não foi possível gravar o arquivo " + caminho + ".\rErro original: " + std::strerror(erro));
}

// The grid as Grava_CSV writes it (no configuration block: the grids stored
// here are never the worksheet): rows 1..linhas, columns 1..colunas (26 at
// most), every cell quoted, a quote inside doubled, each followed by ";".
void grava_csv_do_ano(const std::string& caminho, const Grade& g, int linhas, int colunas) {
  colunas = std::clamp(colunas, 0, 26);
  std::string texto;
  size_t tamanho = 0;
  for (int r = 1; r <= linhas; ++r)
    for (int c = 1; c <= colunas; ++c) tamanho += g.le(c, r).size() + 3;
  texto.reserve(tamanho + 2 * static_cast<size_t>(std::max(linhas, 0)));
  for (int r = 1; r <= linhas; ++r) {
    for (int c = 1; c <= colunas; ++c) {
      texto += '"';
      std::string_view cel = g.le(c, r);
      for (size_t p = cel.find('"'); p != std::string_view::npos; p = cel.find('"')) {
        texto.append(cel.substr(0, p + 1));
        texto += '"';
        cel.remove_prefix(p + 1);
      }
      texto.append(cel);
      texto += "\";";
    }
    texto += "\r\n";
  }
  grava_direto(caminho, texto);
}

}  // namespace

std::string pasta_temp(const Sistema& sis) {
  std::string pasta = sis.princ.PastaTemp;
  if (pasta.empty()) return pasta_trabalho() + "Temp/";
  if (pasta.back() != '/') pasta += '/';
  return pasta;
}

std::string texto_marcador(bool adaptar) { return adaptar ? "adaptar" : "nao adaptar"; }

bool le_marcador(const std::string& texto) {
  bool adaptar = false;
  size_t i = 0;
  while (i < texto.size()) {
    size_t fim = texto.find_first_of("\r\n", i);
    if (fim == std::string::npos) fim = texto.size();
    const std::string linha = texto.substr(i, fim - i);
    adaptar = capitais(linha) == "ADAPTAR";
    if (apara(linha).empty()) break;
    i = fim;
    if (i < texto.size() && texto[i] == '\r') ++i;
    if (i < texto.size() && texto[i] == '\n') ++i;
  }
  return adaptar;
}

void Grava_Ano(Sistema& sis, const std::string& ano, char tipo) {
  if (tipo != 'S' && tipo != 's') {
    Grava_Ano_Quartis(sis, ano);
    return;
  }
  const std::string pasta = pasta_temp(sis);
  const Origem& o = sis.origem;
  const Simples& s = sis.simples;
  grava_csv_do_ano(pasta + "SR" + ano + ".CSV", s.DadosSaida, o.UltimaLinha, o.UltimaColuna);
  grava_csv_do_ano(pasta + "SV" + ano + ".CSV", s.DadosVariaveis, o.UltimaLinha, colunas_variaveis(sis));
  grava_direto(pasta + "SA" + ano, texto_marcador(s.Adaptar));
  grava_direto(pasta + "SO" + ano, para_crlf(s.Texto_Obs));
}

void Grava_Ano_Quartis(Sistema& sis, const std::string& ano) {
  const std::string pasta = pasta_temp(sis);
  const Quartis& q = sis.quartis;
  grava_csv_do_ano(pasta + "QU" + ano + ".CSV", q.Tab_Uniao, q.Tab_Uniao.linhas() - 1, q.Tab_Uniao.colunas() - 1);
  grava_csv_do_ano(pasta + "Q2" + ano + ".CSV", q.Tab_DUniao, q.Tab_DUniao.linhas() - 1,
                   q.Tab_DUniao.colunas() - 1);
  grava_direto(pasta + "QA" + ano, texto_marcador(q.Adaptar));
}

void Ano_ProjetadoClick(Sistema& sis) { sis.simples.Anos_visivel = true; }

void Cancelar_anoClick(Sistema& sis) { sis.simples.Anos_visivel = false; }

bool Aceitar_anoClick(Sistema& sis) {
  Simples& s = sis.simples;
  const int i = s.Esc_Ano_Projetado_indice;
  if (i < 0 || i >= static_cast<int>(s.Esc_Ano_Projetado.size())) return true;
  if (!PegandoNovosTotais(sis, i)) return false;
  const std::string ano = s.Esc_Ano_Projetado[static_cast<size_t>(i)];
  s.Ano_Projetado_hint = ano;
  sis.princ.Recarga_Ano = 1;
  const std::string pasta = pasta_temp(sis);

  const auto marcador = le_texto(sis, pasta + "SA" + ano);
  if (!marcador) return false;
  s.Adaptar = le_marcador(*marcador);
  if (!Le_Arquivo(sis, pasta + "SR" + ano + ".CSV", "TXT", s.DadosSaida)) return false;
  if (!Le_Arquivo(sis, pasta + "SV" + ano + ".CSV", "TXT", s.DadosVariaveis)) return false;
  // The whole observations file: a paragraph break is no end of the text.
  const auto obs = le_texto(sis, pasta + "SO" + ano);
  if (!obs) return false;
  s.Texto_Obs = para_lf(*obs);
  Cancelar_anoClick(sis);
  return true;
}

}  // namespace zivu
