// The per-year result store in the per-year folder.
#include "core/files/ano_arquivos.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include <cerrno>
#include <unistd.h>

#include "core/files/arquivos.h"
#include "core/files/leitor.h"
#include "core/worksheet/sistema.h"
#include "core/text/codificacao.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

struct Tipo {
  ArquivoAno tipo;
  const char* prefixo;
  bool csv;
  Metodo metodo;
};

constexpr std::array<Tipo, 7> kTipos = {{
    {ArquivoAno::SR, "SR", true, Metodo::Simples},
    {ArquivoAno::SV, "SV", true, Metodo::Simples},
    {ArquivoAno::SA, "SA", false, Metodo::Simples},
    {ArquivoAno::SO, "SO", false, Metodo::Simples},
    {ArquivoAno::QU, "QU", true, Metodo::Quartis},
    {ArquivoAno::Q2, "Q2", true, Metodo::Quartis},
    {ArquivoAno::QA, "QA", false, Metodo::Quartis},
}};

const Tipo& tipo_de(ArquivoAno tipo) { return kTipos[static_cast<size_t>(tipo)]; }

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

// The grid as Grava_CSV writes it (no configuration block: the grids stored
// here are never the worksheet): rows 1..linhas, columns 1..colunas (26 at
// most), every cell quoted, a quote inside doubled, each followed by ";".
// The text goes into one buffer kept for the thread, so that a run of many
// years does not map and fault in fresh pages for every file.
std::string_view texto_csv(const Grade& g, int linhas, int colunas) {
  thread_local std::string texto;
  colunas = std::clamp(colunas, 0, 26);
  // No sizing pass: the buffer keeps its room from the files before.
  texto.clear();
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
  return texto;
}

void grava(const Sistema& sis, ArquivoAno tipo, const std::string& ano, std::string_view texto_utf8) {
  grava_texto(caminho_arquivo_ano(sis, tipo, ano), texto_utf8);
}

// A grid file is refused with the reader's message, a marker or
// observations file with the general error report.
bool confere_legivel(Sistema& sis, ArquivoAno tipo, const std::string& caminho) {
  if (arquivo_legivel(caminho)) return true;
  if (tipo_de(tipo).csv)
    mensagem_em_uso(sis, caminho);
  else
    sis.plat.erro_geral("Não foi possível abrir o arquivo " + caminho + ".");
  return false;
}

std::string le_texto(const std::string& caminho) {
  const auto bytes = le_bytes(caminho);
  return bytes ? decodifica_arquivo(*bytes) : std::string();
}

}  // namespace

std::string nome_arquivo_ano(ArquivoAno tipo, std::string_view ano) {
  const Tipo& t = tipo_de(tipo);
  std::string nome = t.prefixo;
  nome += ano;
  if (t.csv) nome += ".CSV";
  return nome;
}

std::string pasta_temp(const Sistema& sis) {
  std::string pasta = sis.princ.PastaTemp;
  if (pasta.empty()) return pasta_trabalho() + "Temp/";
  if (pasta.back() != '/') pasta += '/';
  return pasta;
}

std::string caminho_arquivo_ano(const Sistema& sis, ArquivoAno tipo, std::string_view ano) {
  return pasta_temp(sis) + nome_arquivo_ano(tipo, ano);
}

bool arquivo_do_metodo(std::string_view nome, Metodo metodo) {
  for (const Tipo& t : kTipos) {
    if (t.metodo != metodo || nome.size() < 3) continue;
    if (capitais(nome.substr(0, 2)) != t.prefixo) continue;
    std::string_view resto = nome.substr(2);
    if (t.csv) {
      if (resto.size() < 4 || capitais(resto.substr(resto.size() - 4)) != ".CSV") continue;
      resto.remove_suffix(4);
    }
    if (!resto.empty() && std::all_of(resto.begin(), resto.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return true;
  }
  return false;
}

bool Apaga_Arquivos_Ano(const std::string& pasta, Metodo metodo) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<std::string> nomes;
  for (fs::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec)) {
    std::error_code ec_tipo;
    if (it->is_directory(ec_tipo)) continue;
    std::string nome = it->path().filename().string();
    if (arquivo_do_metodo(nome, metodo)) nomes.push_back(std::move(nome));
  }
  std::sort(nomes.begin(), nomes.end());
  const fs::path base(pasta);
  for (const auto& nome : nomes) {
    const std::string caminho = (base / nome).string();
    if (::unlink(caminho.c_str()) != 0 && errno != ENOENT) return false;
  }
  return true;
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

void Grava_Ano(Sistema& sis, const std::string& ano, Metodo metodo) {
  if (metodo == Metodo::Simples) {
    const Origem& o = sis.origem;
    const Simples& s = sis.simples;
    grava(sis, ArquivoAno::SR, ano, texto_csv(s.DadosSaida, o.UltimaLinha, o.UltimaColuna));
    grava(sis, ArquivoAno::SV, ano, texto_csv(s.DadosVariaveis, o.UltimaLinha, colunas_variaveis(o)));
    grava(sis, ArquivoAno::SA, ano, texto_marcador(s.Adaptar));
    grava(sis, ArquivoAno::SO, ano, para_crlf(s.Texto_Obs));
    return;
  }
  const Quartis& q = sis.quartis;
  grava(sis, ArquivoAno::QU, ano, texto_csv(q.Tab_Uniao, q.Tab_Uniao.linhas() - 1, q.Tab_Uniao.colunas() - 1));
  grava(sis, ArquivoAno::Q2, ano, texto_csv(q.Tab_DUniao, q.Tab_DUniao.linhas() - 1, q.Tab_DUniao.colunas() - 1));
  grava(sis, ArquivoAno::QA, ano, texto_marcador(q.Adaptar));
}

bool Le_Ano(Sistema& sis, const std::string& ano, Metodo metodo) {
  const bool simples = metodo == Metodo::Simples;
  const std::vector<ArquivoAno> tipos = simples ? std::vector{ArquivoAno::SA, ArquivoAno::SR, ArquivoAno::SV, ArquivoAno::SO}
                                                : std::vector{ArquivoAno::QA, ArquivoAno::QU, ArquivoAno::Q2};
  for (ArquivoAno t : tipos)
    if (!confere_legivel(sis, t, caminho_arquivo_ano(sis, t, ano))) return false;

  auto carrega = [&](ArquivoAno t, Grade& g) {
    return Le_Arquivo(sis, caminho_arquivo_ano(sis, t, ano), ModoLeitura::Recarga, g);
  };
  if (simples) {
    Simples& s = sis.simples;
    s.Adaptar = le_marcador(le_texto(caminho_arquivo_ano(sis, ArquivoAno::SA, ano)));
    if (!carrega(ArquivoAno::SR, s.DadosSaida) || !carrega(ArquivoAno::SV, s.DadosVariaveis)) return false;
    // The whole observations file: a paragraph break is no end of the text.
    s.Texto_Obs = para_lf(le_texto(caminho_arquivo_ano(sis, ArquivoAno::SO, ano)));
    return true;
  }
  Quartis& q = sis.quartis;
  q.Adaptar = le_marcador(le_texto(caminho_arquivo_ano(sis, ArquivoAno::QA, ano)));
  return carrega(ArquivoAno::QU, q.Tab_Uniao) && carrega(ArquivoAno::Q2, q.Tab_DUniao);
}

}  // namespace zivu
