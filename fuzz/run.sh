#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build folder and runs each
# for a short time (ZIVU_FUZZ_TEMPO seconds, 30 by default) on a corpus
# seeded from tests/data. A crash stops the script with a failure.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZIVU_FUZZ_BUILD:-$raiz/build-fuzz}"
tempo="${ZIVU_FUZZ_TEMPO:-30}"

cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIVU_FUZZ=ON -DZIVU_TESTS=OFF -DZIVU_BENCH=OFF
cmake --build "$build" -j2 --target fuzz_leitor fuzz_configuracao fuzz_calculo

# Seeds are copied, so what the fuzzer adds to its corpus stays in the build.
semeia() {
  local corpus="$build/corpus/$1"
  shift
  mkdir -p "$corpus"
  local f
  for f in "$@"; do cp "$f" "$corpus/"; done
}
shopt -s nullglob
semeia fuzz_leitor "$raiz"/tests/data/*.csv "$raiz"/tests/data/*.txt "$raiz"/tests/data/*.dat \
  "$raiz"/examples/*.csv
semeia fuzz_configuracao "$raiz"/tests/data/*.cfg
semeia fuzz_calculo "$raiz"/tests/data/calc_*.csv "$raiz"/tests/data/quartis_*.csv "$raiz"/examples/*.csv

mkdir -p "$build/artefatos"
for alvo in fuzz_leitor fuzz_configuracao fuzz_calculo; do
  echo "== $alvo: ${tempo} s"
  "$build/fuzz/$alvo" -max_total_time="$tempo" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/artefatos/$alvo-" -print_final_stats=1 "$build/corpus/$alvo"
done
