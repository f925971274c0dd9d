#include "core/files/arquivos.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/text/codificacao.h"

namespace zivu {

namespace fs = std::filesystem;

namespace {

ErroArquivo falha_gravacao(const std::string& caminho, int erro) {
  const std::string original = std::strerror(erro);
  return ErroArquivo("Não foi possível gravar o arquivo " + caminho + ".\rErro original: " + original,
                     original);
}

// Writes the whole buffer, retrying short writes and interrupted calls.
bool escreve_tudo(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t resta = bytes.size();
  while (resta > 0) {
    const ssize_t n = ::write(fd, p, resta);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    resta -= static_cast<size_t>(n);
  }
  return true;
}

// Mode a newly created file would get: the target's own when it exists,
// else 0666 less the umask.
mode_t modo_do_alvo(const std::string& caminho) {
  struct stat st {};
  if (::stat(caminho.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mascara = ::umask(0);
  ::umask(mascara);
  return 0666 & ~mascara;
}

char maiuscula(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool continuacao(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Glob with "*" and "?" ("?" is one character, not one byte), ASCII letters
// compared in capitals.
bool casa_glob(std::string_view nome, std::string_view mascara) {
  size_t n = 0, m = 0;
  size_t estrela = std::string_view::npos, volta = 0;
  while (n < nome.size()) {
    if (m < mascara.size() && mascara[m] == '?') {
      ++m;
      ++n;
      while (n < nome.size() && continuacao(nome[n])) ++n;
    } else if (m < mascara.size() && mascara[m] == '*') {
      estrela = m++;
      volta = n;
    } else if (m < mascara.size() && maiuscula(mascara[m]) == maiuscula(nome[n])) {
      ++m;
      ++n;
    } else if (estrela != std::string_view::npos) {
      m = estrela + 1;
      n = ++volta;
    } else {
      return false;
    }
  }
  while (m < mascara.size() && mascara[m] == '*') ++m;
  return m == mascara.size();
}

}  // namespace

std::optional<std::string> le_bytes(const std::string& caminho) {
  const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    bytes.reserve(static_cast<size_t>(st.st_size));
  char bloco[65536];
  for (;;) {
    const ssize_t n = ::read(fd, bloco, sizeof bloco);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;  // a folder, a device error...
    }
    bytes.append(bloco, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

void grava_seguro(const std::string& caminho_pedido, std::string_view bytes) {
  // Through a link, the file it points to is the one replaced.
  std::error_code ec;
  std::string caminho = caminho_pedido;
  if (fs::is_symlink(caminho_pedido, ec)) {
    const fs::path real = fs::weakly_canonical(caminho_pedido, ec);
    if (!ec) caminho = real.string();
  }
  fs::path pasta = fs::path(caminho).parent_path();
  if (pasta.empty()) pasta = ".";
  // A short hidden name, so a long target name cannot make it too long.
  const std::string modelo = (pasta / ".zivu-XXXXXX").string();
  std::vector<char> nome_temp(modelo.begin(), modelo.end());
  nome_temp.push_back('\0');

  const int fd = ::mkstemp(nome_temp.data());
  if (fd < 0) throw falha_gravacao(caminho_pedido, errno);
  const std::string temp(nome_temp.data());
  int erro = 0;
  ::fchmod(fd, modo_do_alvo(caminho));  // mkstemp's 0600 would hide the file from others
  if (!escreve_tudo(fd, bytes)) erro = errno;
  if (::close(fd) != 0 && erro == 0) erro = errno;
  if (erro == 0) {
    struct stat st {};
    // A folder by the target's name would swallow the file on rename.
    if (::stat(caminho.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) erro = EISDIR;
  }
  if (erro == 0 && ::rename(temp.c_str(), caminho.c_str()) != 0) erro = errno;
  if (erro != 0) {
    ::unlink(temp.c_str());
    throw falha_gravacao(caminho_pedido, erro);
  }
}

void grava_texto(const std::string& caminho, std::string_view texto_utf8) {
  // ASCII is the same bytes in both encodings, so the usual text is written
  // as it is rather than through a copy.
  unsigned char bits = 0;
  for (const char c : texto_utf8) bits |= static_cast<unsigned char>(c);
  if (bits < 0x80) {
    grava_seguro(caminho, texto_utf8);
    return;
  }
  grava_seguro(caminho, codifica_arquivo(texto_utf8));
}

void grava_texto_no_lugar(const std::string& caminho, std::string&& texto_utf8) {
  if (codifica_no_lugar(texto_utf8))
    grava_seguro(caminho, texto_utf8);
  else
    grava_seguro(caminho, codifica_arquivo(texto_utf8));
}

bool existe_arquivo(const std::string& caminho) {
  struct stat st {};
  return ::stat(caminho.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool arquivo_legivel(const std::string& caminho) {
  const int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  ::close(fd);
  return regular;
}

std::string pasta_trabalho() {
  std::string pasta;
  if (const char* home = std::getenv("ZIVU_HOME"); home && *home) {
    pasta = home;
  } else {
    const char* usuario = std::getenv("HOME");
    if (!usuario || !*usuario) {
      const passwd* pw = ::getpwuid(::getuid());
      usuario = pw ? pw->pw_dir : "/tmp";
    }
    pasta = std::string(usuario) + "/.local/share/derova-zivu";
  }
  if (pasta.back() != '/') pasta += '/';
  std::error_code ec;
  fs::create_directories(pasta, ec);  // a failure shows when a file is written there
  return pasta;
}

std::string pasta_sistema() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::string pasta = exe.parent_path().string();
  if (pasta.empty() || pasta.back() != '/') pasta += '/';
  return pasta;
}

std::string arquivo_sistema(const std::string& pasta, std::string_view nome) {
  const fs::path programa(pasta);
  for (const fs::path& candidato : {programa / nome, programa / "../share/derova-zivu" / nome}) {
    std::string caminho = candidato.lexically_normal().string();
    if (existe_arquivo(caminho)) return caminho;
  }
  return {};
}

bool casa_mascara(std::string_view nome, std::string_view mascara) {
  if (casa_glob(nome, mascara)) return true;
  // A trailing ".*" also matches a name that has no extension at all.
  if (mascara.size() >= 2 && mascara.substr(mascara.size() - 2) == ".*" &&
      nome.find('.') == std::string_view::npos)
    return casa_glob(nome, mascara.substr(0, mascara.size() - 2));
  return false;
}

bool Esvazia_Pasta(const std::string& pasta, const std::string& mascara) {
  std::error_code ec;
  std::vector<std::string> nomes;
  for (fs::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec)) {
    std::error_code ec_tipo;
    if (it->is_directory(ec_tipo)) continue;
    const std::string nome = it->path().filename().string();
    if (casa_mascara(nome, mascara)) nomes.push_back(nome);
  }
  // Deleted in the order a file list shows them.
  std::sort(nomes.begin(), nomes.end());
  const fs::path base(pasta);
  for (const auto& nome : nomes) {
    const std::string caminho = (base / nome).string();
    if (::unlink(caminho.c_str()) != 0 && errno != ENOENT) return false;
  }
  return true;
}

}  // namespace zivu
