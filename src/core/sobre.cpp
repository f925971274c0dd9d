#include "core/sobre.h"

#include <algorithm>
#include <charconv>

#include "core/text/numeros.h"
#include "core/text/textos.h"

namespace zivu {

namespace {

std::string com_ponto(double x) {
  std::string t = texto_decimais(x, 2);
  for (char& c : t)
    if (c == separador_decimal()) c = '.';
  return t;
}

// Value in kB of a "Name:   123 kB" line.
std::optional<uint64_t> campo_kb(std::string_view texto, std::string_view nome) {
  size_t p = 0;
  while (p < texto.size()) {
    size_t fim = texto.find('\n', p);
    if (fim == std::string_view::npos) fim = texto.size();
    std::string_view linha = texto.substr(p, fim - p);
    if (linha.size() > nome.size() && linha.substr(0, nome.size()) == nome &&
        linha[nome.size()] == ':') {
      std::string_view resto = linha.substr(nome.size() + 1);
      const size_t i = resto.find_first_not_of(' ');
      if (i == std::string_view::npos) return std::nullopt;
      uint64_t v = 0;
      auto [ptr, ec] = std::from_chars(resto.data() + i, resto.data() + resto.size(), v);
      if (ec != std::errc()) return std::nullopt;
      return v;
    }
    p = fim + 1;
  }
  return std::nullopt;
}

}  // namespace

std::string texto_espaco_disco(double f) {
  constexpr double K = 1024.0;
  constexpr double G = 1024.0 * 1024.0 * 1024.0;
  std::string t;
  if (f < K)
    t = texto_geral(f) + " bytes";
  else if (f < G)
    t = com_ponto(f / K) + " Kbytes";
  else
    t = com_ponto(f / G) + " Gbytes";
  return apara(t);
}

std::string texto_memoria(uint64_t bytes, std::string_view grupo) {
  const uint64_t kb = bytes / 1024;
  std::string digitos = kb == 0 ? std::string() : std::to_string(kb);
  std::string t;
  const size_t n = digitos.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) t += grupo;
    t += digitos[i];
  }
  return t + " KB";
}

std::string texto_carga(int porcentagem) { return std::to_string(porcentagem) + " %"; }

std::string texto_resolucao(int largura, int altura) {
  return std::to_string(largura) + "x" + std::to_string(altura);
}

bool mostra_recomendacao(int largura) { return largura < 800; }

std::optional<EstadoMemoria> le_meminfo(std::string_view texto) {
  const auto total = campo_kb(texto, "MemTotal");
  if (!total || *total == 0) return std::nullopt;
  auto disponivel = campo_kb(texto, "MemAvailable");
  if (!disponivel) disponivel = campo_kb(texto, "MemFree");
  if (!disponivel) return std::nullopt;
  const uint64_t livre = std::min(*disponivel, *total);
  EstadoMemoria e;
  e.total_bytes = *total * 1024;
  e.carga = static_cast<int>((*total - livre) * 100 / *total);
  return e;
}

}  // namespace zivu
