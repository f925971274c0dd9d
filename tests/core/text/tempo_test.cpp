#include "core/text/tempo.h"

#include <gtest/gtest.h>

using namespace zivu;

namespace {

TEST(Tempo, DecorridoEmHorasMinutosSegundos)
{
    EXPECT_EQ(Tempo_Decorrido(100, 100), "00:00:00");
    EXPECT_EQ(Tempo_Decorrido(86000, 50), "00:00:00");
    EXPECT_EQ(Tempo_Decorrido(0, 3725), "01:02:05");
    EXPECT_EQ(Tempo_Decorrido(0, 59), "00:00:59");
    EXPECT_EQ(Tempo_Decorrido(10, 10 + 7 * 3600 + 60), "07:01:00");
    EXPECT_EQ(Tempo_Decorrido(0, 100 * 3600 + 1), "100:00:01");
}

TEST(Tempo, RelogiosDentroDoIntervalo)
{
    const int32_t agora = Hora_em_Segundos();
    EXPECT_GE(agora, 0);
    EXPECT_LT(agora, 86400);
    const int64_t a = segundos_monotonicos();
    EXPECT_LE(a, segundos_monotonicos());
}

}  // namespace
