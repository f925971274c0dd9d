// Texts of the system information window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zivu {

// Free disk space: below 1024 bytes as "N bytes", below 1 GiB as kibibytes
// with two decimals ("1024.00 Kbytes"), else gibibytes ("1.00 Gbytes"); the
// decimal mark is always ".".
std::string texto_espaco_disco(double livres);

// Total physical memory in kilobytes, thousands grouped with `grupo`, then
// " KB" (mask #,###" KB": zero shows no digit).
std::string texto_memoria(uint64_t bytes, std::string_view grupo);

// Memory load percentage as "37 %".
std::string texto_carga(int porcentagem);

// Screen size as "1024x768"; the recommendation shows below 800 pixels wide.
std::string texto_resolucao(int largura, int altura);
bool mostra_recomendacao(int largura);
inline constexpr const char* kRecomendacaoTela = "Recomenda-se 800x600 ou mais";

// Total memory and load from the text of /proc/meminfo.
struct EstadoMemoria {
  uint64_t total_bytes = 0;
  int carga = 0;  // percentage in use
};
std::optional<EstadoMemoria> le_meminfo(std::string_view texto);

}  // namespace zivu
