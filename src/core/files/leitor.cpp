// Loading a worksheet file (or a per-year result file) into a grid.
#include "core/files/leitor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/files/arquivos.h"
#include "core/files/leitor_interno.h"
#include "core/worksheet/sistema.h"
#include "core/text/codificacao.h"

namespace zivu {

namespace {

// The limits are the sheet's, whatever grid is the target.
constexpr int kMaxLinhas = kLinhasPlanilha - 1;
constexpr int kMaxColunas = kColunasPlanilha - 1;

// A quoted field from the opening quote at `pos`: runs to the next lone
// quote or the line's end; "" inside it stands for one quote. The character
// after the closing quote is skipped as the separator.
std::string_view Campo_Aspas(std::string_view linha, size_t& pos, std::string& apoio) {
  size_t inicio = pos + 1;
  size_t fecha = linha.find('"', inicio);
  // Common case: no doubled quote, so the field is a plain slice of the line.
  if (fecha == std::string_view::npos || fecha + 1 >= linha.size() || linha[fecha + 1] != '"') {
    if (fecha == std::string_view::npos) {
      pos = linha.size();
      return linha.substr(inicio);
    }
    pos = fecha + 2;
    return linha.substr(inicio, fecha - inicio);
  }
  apoio.clear();
  for (;;) {
    if (fecha == std::string_view::npos) {
      apoio.append(linha.substr(inicio));
      pos = linha.size();
      return apoio;
    }
    apoio.append(linha.substr(inicio, fecha - inicio));
    if (fecha + 1 < linha.size() && linha[fecha + 1] == '"') {
      apoio += '"';
      inicio = fecha + 2;
      fecha = linha.find('"', inicio);
      continue;
    }
    pos = fecha + 2;
    return apoio;
  }
}

// An unquoted field: runs to the next ";" (consumed) or the line's end.
std::string_view Campo_Simples(std::string_view linha, size_t& pos) {
  const size_t inicio = pos;
  const size_t fim = linha.find(';', inicio);
  if (fim == std::string_view::npos) {
    pos = linha.size();
    return linha.substr(inicio);
  }
  pos = fim + 1;
  return linha.substr(inicio, fim - inicio);
}

// First line of the cell data: the one after the first "[FIM]" (exact), or
// the file's first line when there is none.
size_t inicio_dos_dados(const std::vector<std::string_view>& linhas) {
  for (size_t i = 0; i < linhas.size(); ++i)
    if (linhas[i] == "[FIM]") return i + 1;
  return 0;
}

}  // namespace

std::vector<std::string_view> divide_linhas(std::string_view texto) {
  std::vector<std::string_view> linhas;
  size_t inicio = 0;
  const size_t n = texto.size();
  while (inicio < n) {
    size_t fim = fim_de_linha(texto, inicio);
    if (fim == std::string_view::npos) {
      linhas.push_back(texto.substr(inicio));
      break;
    }
    linhas.push_back(texto.substr(inicio, fim - inicio));
    inicio = fim + ((texto[fim] == '\r' && fim + 1 < n && texto[fim + 1] == '\n') ? 2 : 1);
  }
  return linhas;
}

void mensagem_em_uso(Sistema& sis, const std::string& nome) {
  sis.plat.mensagem("O arquivo " + nome + " pode estar em uso por outro programa/usuário.", "Erro!",
                    Botoes::OK, Icone::Erro);
}

ArquivoLido le_limitado(const std::string& nome, bool recusa_binario) {
  ArquivoLido lido;
  // Checked before opening: opening a FIFO waits for a writer.
  struct stat st {};
  if (::stat(nome.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return lido;
  const int fd = ::open(nome.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return lido;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return lido;
  }
  std::string& b = lido.bytes;
  b.reserve(static_cast<size_t>(std::min<off_t>(st.st_size, off_t{32} << 20)));

  size_t inicio = 0;        // start of the line being read
  size_t busca = 0;         // where the search for its end resumes
  size_t linhas = 0;        // whole lines read
  size_t dados = 0;         // of them, data lines: after the first "[FIM]" line, or all while none was seen
  bool fim_bloco = false;
  bool fim_arquivo = false;
  bool visto_binario = !recusa_binario;
  auto termina = [&](ArquivoLido::Estado estado, Corte corte, size_t tamanho) {
    ::close(fd);
    lido.estado = estado;
    lido.corte = corte;
    b.resize(tamanho);
    return std::move(lido);
  };
  char bloco[65536];
  for (;;) {
    const ssize_t n = ::read(fd, bloco, sizeof bloco);
    if (n < 0) {
      if (errno == EINTR) continue;
      return termina(ArquivoLido::Estado::Ilegivel, Corte::Nenhum, 0);
    }
    if (n == 0)
      fim_arquivo = true;
    else
      b.append(bloco, static_cast<size_t>(n));
    if (!visto_binario && (fim_arquivo || b.size() >= kBytesBinario)) {
      visto_binario = true;
      if (std::memchr(b.data(), '\0', std::min(b.size(), kBytesBinario)))
        return termina(ArquivoLido::Estado::Binario, Corte::Nenhum, 0);
    }
    // The whole lines in the buffer, counted as the reader will take them.
    for (;;) {
      const bool cheia = fim_bloco ? dados >= static_cast<size_t>(kMaxLinhas)
                                   : linhas >= static_cast<size_t>(kMaxLinhas) + kMaxLinhasBloco;
      if (cheia && inicio < b.size()) return termina(ArquivoLido::Estado::Lido, Corte::Linhas, inicio);
      const size_t e = fim_de_linha(b, busca);
      if ((e == std::string::npos ? b.size() : e) - inicio > kMaxBytesLinha)
        return termina(ArquivoLido::Estado::Lido, Corte::LinhaLonga, inicio);
      if (e == std::string::npos) {
        busca = b.size();
        break;
      }
      // A CR at the end of what was read may be the first half of CR LF.
      if (b[e] == '\r' && e + 1 == b.size() && !fim_arquivo) {
        busca = e;
        break;
      }
      if (!fim_bloco && std::string_view(b).substr(inicio, e - inicio) == "[FIM]") {
        fim_bloco = true;
        dados = 0;
      } else {
        ++dados;
      }
      ++linhas;
      inicio = busca = e + (b[e] == '\r' && e + 1 < b.size() && b[e + 1] == '\n' ? 2 : 1);
    }
    if (fim_arquivo) return termina(ArquivoLido::Estado::Lido, Corte::Nenhum, b.size());
  }
}

bool Le_Lido(Sistema& sis, const std::string& nome, const ArquivoLido& arquivo, ModoLeitura modo,
             Grade& grade) {
  if (arquivo.estado != ArquivoLido::Estado::Lido) {
    mensagem_em_uso(sis, nome);
    return false;
  }
  return Le_Conteudo(sis, nome, arquivo.bytes, modo, grade, arquivo.corte);
}

bool Le_Arquivo(Sistema& sis, const std::string& nome, ModoLeitura modo, Grade& grade) {
  // CSV and TXT files are read alike.
  return Le_Lido(sis, nome, le_limitado(nome, false), modo, grade);
}

std::optional<std::vector<std::string>> Le_Coluna(const std::string& nome, int coluna, int linhas) {
  const auto bytes = le_bytes(nome);
  if (!bytes) return std::nullopt;
  std::vector<std::string> cels(static_cast<size_t>(std::clamp(linhas, 0, kMaxLinhas)));
  if (coluna < 1 || coluna > kMaxColunas) return cels;
  // Separators, quotes and line ends are ASCII in both encodings and no
  // multi-byte UTF-8 character holds an ASCII byte: the fields are found in
  // the bytes, and only the cells kept are decoded, as the whole file would be.
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  std::string_view t = *bytes;
  const bool bom = t.starts_with(kBom);
  if (bom) t.remove_prefix(kBom.size());
  std::optional<bool> utf8;
  auto decodifica = [&](std::string_view campo) {
    if (std::all_of(campo.begin(), campo.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
      return std::string(campo);
    if (bom) return decodifica_arquivo(std::string(kBom) + std::string(campo));
    if (!utf8) utf8 = utf8_valido(t);
    return *utf8 ? std::string(campo) : cp1252_para_utf8(campo);
  };
  auto fim = [&t](size_t i) { return i >= t.size() || t[i] == '\r' || t[i] == '\n'; };

  // Data start after the first line that is exactly "[FIM]".
  size_t p = 0;
  for (size_t f = t.find("[FIM]"); f != std::string_view::npos; f = t.find("[FIM]", f + 1))
    if ((f == 0 || t[f - 1] == '\r' || t[f - 1] == '\n') && fim(f + 5)) {
      p = f + 5;
      if (p < t.size()) p += t[p] == '\r' && p + 1 < t.size() && t[p + 1] == '\n' ? 2 : 1;
      break;
    }
  // The fields as Campo_Aspas and Campo_Simples cut them, in one pass over
  // the bytes rather than over a list of lines.
  std::string campo;
  for (size_t r = 0; r < cels.size() && p < t.size(); ++r) {
    bool vigesimo_setimo = false;
    for (int c = 1; !fim(p); ++c) {
      if (c > kMaxColunas) {
        vigesimo_setimo = true;
        break;
      }
      // Only the kept column is copied out.
      const bool guarda = c == coluna;
      campo.clear();
      if (t[p] == '"') {
        size_t ini = ++p;
        for (;;) {
          while (!fim(p) && t[p] != '"') ++p;
          if (guarda) campo.append(t.substr(ini, p - ini));
          if (fim(p)) break;
          if (p + 1 < t.size() && t[p + 1] == '"') {
            if (guarda) campo += '"';
            ini = p += 2;
            continue;
          }
          // The character after the closing quote is taken as the separator.
          p += fim(p + 1) ? 1 : 2;
          break;
        }
      } else {
        const size_t ini = p;
        while (!fim(p) && t[p] != ';') ++p;
        if (guarda) campo.assign(t.substr(ini, p - ini));
        if (!fim(p)) ++p;
      }
      if (guarda) cels[r] = decodifica(campo);
    }
    // A 27th field ends the reload after this line.
    if (vigesimo_setimo) break;
    while (!fim(p)) ++p;
    if (p < t.size()) p += t[p] == '\r' && p + 1 < t.size() && t[p + 1] == '\n' ? 2 : 1;
  }
  return cels;
}

bool Le_Conteudo(Sistema& sis, const std::string& nome, std::string_view bytes, ModoLeitura modo,
                 Grade& grade, Corte corte) {
  Origem& origem = sis.origem;
  const bool planilha = modo == ModoLeitura::Planilha;
  // UTF-8 without a mark is its own text, read in place; so is Windows-1252,
  // whose separators, quotes and line ends are the same bytes: only its
  // fields and settings lines with other bytes are decoded, one by one.
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  std::string decodificado;
  std::string_view texto = bytes;
  bool cp1252 = false;
  if (bytes.starts_with(kBom)) {
    decodificado = decodifica_arquivo(bytes);
    texto = decodificado;
  } else {
    cp1252 = !utf8_valido(bytes);
  }
  const std::vector<std::string_view> linhas = divide_linhas(texto);

  if (planilha) {
    origem.EsvaziaPlanilhas();
    if (!Le_Configuracao(sis, linhas, cp1252)) {
      mensagem_em_uso(sis, nome);
      return false;
    }
  }

  origem.tela.legenda_janela = "DoDo :: " + nome;
  sis.plat.cursor_espera(true);

  int linha_atual = 1, mais_larga = 0, lidas = 0, mostradas = 0, ultima_lida = 0;
  bool completo = true;
  std::string apoio;
  // The status text is only shown, so every 256th line is often enough, as
  // long as the last line read is shown before any message.
  auto mostra_lidas = [&] {
    if (lidas == mostradas) return;
    mostradas = lidas;
    sis.status(std::to_string(lidas) + " linha(s) lida(s).");
  };
  auto mais_linhas = [&] {
    mostra_lidas();
    sis.plat.mensagem("O arquivo possui mais de " + std::to_string(kMaxLinhas) + " linhas.", "Erro!",
                      Botoes::OK, Icone::Erro);
    completo = false;
  };
  auto mais_colunas = [&] {
    mostra_lidas();
    sis.plat.mensagem("O arquivo possui mais de " + std::to_string(kMaxColunas) + " colunas.",
                      "Erro!", Botoes::OK, Icone::Erro);
    completo = false;
  };
  for (size_t i = inicio_dos_dados(linhas); i < linhas.size(); ++i) {
    if (linha_atual > kMaxLinhas) {
      mais_linhas();
      break;
    }
    const std::string_view linha = linhas[i];
    if ((++lidas & 0xFF) == 0) mostra_lidas();

    size_t pos = 0;
    int coluna = 0;
    while (pos < linha.size() && coluna < kMaxColunas) {
      const std::string_view campo =
          linha[pos] == '"' ? Campo_Aspas(linha, pos, apoio) : Campo_Simples(linha, pos);
      ++coluna;
      if (!grade.dentro(coluna, linha_atual)) continue;
      std::string& cel = grade.cel(coluna, linha_atual);
      if (cp1252 && !so_ascii(campo))
        cel = cp1252_para_utf8(campo);
      else
        cel.assign(campo);
    }
    ultima_lida = linha_atual;
    mais_larga = std::max(mais_larga, coluna);
    if (pos < linha.size()) {
      // A 27th field: the first 26 stay loaded and the load ends here.
      mais_colunas();
      break;
    }
    ++linha_atual;
  }
  // A read cut at a bound ends as the line past it would have: a line after
  // the last row, or one wider than a sheet row can be written.
  if (completo && corte == Corte::Linhas) mais_linhas();
  if (completo && corte == Corte::LinhaLonga) mais_colunas();
  mostra_lidas();

  // The extent covers every row loaded, also when a message cut the load short,
  // so an export or a calculation sees all that is on the sheet.
  if (planilha) {
    origem.UltimaColuna = mais_larga;
    origem.UltimaLinha = ultima_lida;
  }
  origem.Anos_intermediariosClick();
  sis.plat.cursor_espera(false);
  return completo;
}

}  // namespace zivu
