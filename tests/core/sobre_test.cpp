// Texts of the system information window.
#include <gtest/gtest.h>

#include "core/sobre.h"
#include "core/text/numeros.h"

namespace zivu {
namespace {

TEST(Sobre, EspacoEmDiscoNasTresEscalasSempreComPonto) {
  definir_separador_decimal(',');
  for (const auto& [bytes, texto] :
       {std::pair{1023.0, "1023 bytes"}, {0.0, "0 bytes"}, {1024.0, "1.00 Kbytes"}, {1048576.0, "1024.00 Kbytes"},
        {1536.0 + 5, "1.50 Kbytes"}, {1073741823.0, "1048576.00 Kbytes"}, {1073741824.0, "1.00 Gbytes"},
        {50.0 * 1073741824 + 536870912, "50.50 Gbytes"}})
    EXPECT_EQ(texto_espaco_disco(bytes), texto) << bytes;
  definir_separador_decimal('.');
}

TEST(Sobre, MemoriaEmKbAgrupadaEPorcentagem) {
  EXPECT_EQ(texto_memoria(16777216ull * 1024, "."), "16.777.216 KB");
  EXPECT_EQ(texto_memoria(999 * 1024, "."), "999 KB");
  EXPECT_EQ(texto_memoria(1000 * 1024 + 1023, ","), "1,000 KB");
  EXPECT_EQ(texto_memoria(512, "."), " KB");
  EXPECT_EQ(texto_carga(37), "37 %");
}

TEST(Sobre, ResolucaoERecomendacao) {
  EXPECT_EQ(texto_resolucao(1024, 768), "1024x768");
  EXPECT_FALSE(mostra_recomendacao(800));
  EXPECT_TRUE(mostra_recomendacao(640));
}

TEST(Sobre, LeituraDoMeminfo) {
  const auto e = le_meminfo(
      "MemTotal:        2000000 kB\nMemFree:          100000 kB\nMemAvailable:     500000 kB\n");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->total_bytes, 2000000ull * 1024);
  EXPECT_EQ(e->carga, 75);
  // Old kernels have no MemAvailable.
  const auto antigo = le_meminfo("MemTotal: 1000 kB\nMemFree: 10 kB\n");
  ASSERT_TRUE(antigo);
  EXPECT_EQ(antigo->carga, 99);
  EXPECT_FALSE(le_meminfo("Buffers: 10 kB\n"));
  EXPECT_FALSE(le_meminfo("MemTotal: x kB\nMemFree: 1 kB\n"));
}

}  // namespace
}  // namespace zivu
