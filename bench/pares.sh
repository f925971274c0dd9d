#!/usr/bin/env bash
# zivu-cli against the pandas scripts of ../shared/peers (Debian's
# python3-pandas) on the generated worksheets of $TMPDIR/zivu-bench, in one
# run: each pair run alternately 7 times, medians and ratios printed, of the
# elapsed time and of the CPU time (user + system, steadier on a busy
# machine), with zivu-cli's peak memory. Run the benchmark programs
# (`make bench`) first.
#   bash bench/pares.sh [build/src/cli/zivu-cli] [peers folder]
set -euo pipefail
cli=${1:-build/src/cli/zivu-cli}
pares=${2:-$(cd "$(dirname "$0")/../.." && pwd)/shared/peers}
py=/usr/bin/python3
pasta=${TMPDIR:-/tmp}/zivu-bench
saida=$(mktemp -d)
trap 'rm -rf "$saida"' EXIT

# "elapsed-ms cpu-ms" of one run, read to the millisecond by the shell's own
# clock (a `date` process around the run would add its own start-up to every
# figure); its peak memory (KB) is left in $saida/mem.
tempo() {
  local TIMEFORMAT='%3R %3U %3S' r u s
  { time /usr/bin/time -o "$saida/tempo" -f '%M' "$@" >/dev/null 2>&1 || true; } 2> "$saida/relogio"
  read -r r u s < "$saida/relogio"
  tail -n1 "$saida/tempo" > "$saida/mem"
  echo "$(echo "$r * 1000 / 1" | bc) $(echo "($u + $s) * 1000 / 1" | bc)"
}
mediana() { printf '%s\n' "$@" | sort -n | sed -n 4p; }

# par NAME "ZIVU COMMAND" "PANDAS COMMAND": the two alternated, 7 times each.
par() {
  local nome=$1 zivu=$2 pandas=$3 tz=() cz=() tp=() cp=() pico=0 kb t c
  for _ in 1 2 3 4 5 6 7; do
    read -r t c < <(tempo $zivu); tz+=("$t"); cz+=("$c")
    kb=$(cat "$saida/mem"); (( kb > pico )) && pico=$kb
    read -r t c < <(tempo $pandas); tp+=("$t"); cp+=("$c")
  done
  local mz mp nz np
  mz=$(mediana "${tz[@]}"); mp=$(mediana "${tp[@]}"); nz=$(mediana "${cz[@]}"); np=$(mediana "${cp[@]}")
  (( nz > 0 )) || nz=1
  printf '%-38s zivu %5d ms, CPU %4d ms, pico %3d MB | pandas %5d ms, CPU %5d ms | %5.1fx, CPU %5.1fx\n' \
    "$nome" "$mz" "$nz" $((pico / 1024)) "$mp" "$np" \
    "$(echo "$mp / ($mz + 0.0001)" | bc -l)" "$(echo "$np / $nz" | bc -l)"
}

par "calcular, 1 ano (pandas_dodo)" \
  "$cli calcular $pasta/calculo_1_anos.CSV --pasta $saida/t" \
  "$py $pares/pandas_dodo.py $pasta/calculo_1_anos.CSV $saida/p.csv"
par "calcular, 30 anos (pandas_dodo 1 ano)" \
  "$cli calcular $pasta/calculo_30_anos.CSV --pasta $saida/t" \
  "$py $pares/pandas_dodo.py $pasta/calculo_1_anos.CSV $saida/p.csv"
par "exportar (pandas_ler_gravar)" \
  "$cli exportar $pasta/cheia.CSV $saida/cheia" \
  "$py $pares/pandas_ler_gravar.py $pasta/cheia.CSV $saida/p.csv"
