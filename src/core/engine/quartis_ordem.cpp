// The exchange rule of the ordered listings, computed without its
// quadratic number of exchanges.
//
// The rule (for each i, for each later j, exchange i and j when key(i) >
// key(j)) leaves the keys ascending; only the order among equal keys depends
// on its exchanges. Restricted to the records with keys up to a value x, the
// rule evolves exactly as it would on those records alone, and a record of
// key x moves only when it is the first of them in the unfixed part: pass p
// then sends it to the slot of the first unfixed record below x. That slot
// is always the p-th of the original slots holding keys below x, so with
// slots counted among the records up to x, a record of key x at slot s goes
// to s + h(s), h(s) being the number of records of key x that precede the
// s-th record below x, and keeps going while s is below the count T of such
// records. Records of key x end in the order of their last slots.
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "core/engine/quartis_calculo.h"

namespace zivu {

namespace {

// Counts of marked positions before a position.
class Fenwick {
 public:
  explicit Fenwick(size_t n) : t_(n + 1, 0) {}
  void marca(size_t pos) {
    for (size_t i = pos + 1; i < t_.size(); i += i & (~i + 1)) ++t_[i];
  }
  int64_t antes(size_t pos) const {
    int64_t s = 0;
    for (size_t i = pos; i > 0; i -= i & (~i + 1)) s += t_[i];
    return s;
  }

 private:
  std::vector<int64_t> t_;
};

// Last slot of each record of one key: a[k] is the number of records below
// the key before record k (non-decreasing), T the number of records below it.
std::vector<int64_t> ultimas_vagas(const std::vector<int64_t>& a, int64_t T) {
  const int64_t c = static_cast<int64_t>(a.size());
  std::vector<int64_t> f(a.size());
  for (int64_t k = 0; k < c; ++k) {
    int64_t s = a[k] + k;
    // m = h(s): the records of the key whose a is at most s.
    auto conta = [&](int64_t desde) { return std::upper_bound(a.begin() + desde, a.end(), s) - a.begin(); };
    int64_t m = conta(k + 1);
    while (s < T) {
      // h stays m up to the next record's a; jump there in steps of m. Each
      // round either passes a[m] or ends, and its jump is at least m long.
      const int64_t limite = std::min(m < c ? a[m] : T, T);
      s += (limite - s + m - 1) / m * m;
      m = conta(m);
    }
    f[k] = s;
  }
  return f;
}

}  // namespace

void ordena_por_trocas(std::vector<int32_t>& indices, std::vector<double>& chave, size_t ini,
                       size_t fim) {
  if (fim <= ini + 1) return;
  const size_t n = fim - ini;
  std::vector<int32_t> pos(n);
  std::iota(pos.begin(), pos.end(), 0);
  std::stable_sort(pos.begin(), pos.end(),
                   [&](int32_t x, int32_t y) { return chave[ini + x] < chave[ini + y]; });

  std::vector<int32_t> novos;
  novos.reserve(n);
  Fenwick abaixo(n);
  std::vector<int64_t> a;
  std::vector<int32_t> grupo;
  for (size_t g0 = 0; g0 < n;) {
    size_t g1 = g0 + 1;
    while (g1 < n && !(chave[ini + pos[g0]] < chave[ini + pos[g1]])) ++g1;
    if (g1 - g0 == 1) {
      novos.push_back(pos[g0]);
    } else {
      a.clear();
      for (size_t k = g0; k < g1; ++k) a.push_back(abaixo.antes(static_cast<size_t>(pos[k])));
      const std::vector<int64_t> f = ultimas_vagas(a, static_cast<int64_t>(g0));
      grupo.resize(g1 - g0);
      std::iota(grupo.begin(), grupo.end(), 0);
      std::sort(grupo.begin(), grupo.end(), [&](int32_t x, int32_t y) { return f[x] < f[y]; });
      for (int32_t k : grupo) novos.push_back(pos[g0 + k]);
    }
    for (size_t k = g0; k < g1; ++k) abaixo.marca(static_cast<size_t>(pos[k]));
    g0 = g1;
  }

  std::vector<int32_t> ind(n);
  std::vector<double> ch(n);
  for (size_t j = 0; j < n; ++j) {
    ind[j] = indices[ini + novos[j]];
    ch[j] = chave[ini + novos[j]];
  }
  std::copy(ind.begin(), ind.end(), indices.begin() + static_cast<std::ptrdiff_t>(ini));
  std::copy(ch.begin(), ch.end(), chave.begin() + static_cast<std::ptrdiff_t>(ini));
}

}  // namespace zivu
