#include "core/text/tempo.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace zivu {

int32_t Hora_em_Segundos()
{
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

std::string Tempo_Decorrido(int64_t inicio, int64_t fim)
{
    const int64_t d = fim - inicio;
    if (d < 1) return "00:00:00";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", static_cast<long long>(d / 3600),
                  static_cast<long long>(d % 3600 / 60), static_cast<long long>(d % 60));
    return buf;
}

int64_t segundos_monotonicos()
{
    using namespace std::chrono;
    return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace zivu
