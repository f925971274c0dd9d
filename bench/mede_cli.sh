#!/usr/bin/env bash
# Times zivu-cli end to end (process start to exit) on the generated
# worksheets the benchmark programs leave in $TMPDIR/zivu-bench, and reports
# the median of 7 runs and the peak memory. Run `make bench` first.
set -euo pipefail
cli=${1:-build/src/cli/zivu-cli}
pasta=${TMPDIR:-/tmp}/zivu-bench
saida=$(mktemp -d)
mede() {
  local nome=$1; shift
  local tempos=() pico=0
  for _ in 1 2 3 4 5 6 7; do
    local ini fim kb
    ini=${EPOCHREALTIME/[.,]/}
    /usr/bin/time -o "$saida/mem" -f %M "$@" >/dev/null 2>&1 || true
    kb=$(tail -n1 "$saida/mem")
    fim=${EPOCHREALTIME/[.,]/}
    tempos+=($(( (fim - ini) / 1000 )))
    (( kb > pico )) && pico=$kb
  done
  local mediana
  mediana=$(printf '%s\n' "${tempos[@]}" | sort -n | sed -n 4p)
  printf '%-45s mediana %5d ms   pico %4d MB\n' "$nome" "$mediana" $(( pico / 1024 ))
}
mede "exportar (planilha cheia)" "$cli" exportar "$pasta/cheia.CSV" "$saida/cheia"
mede "calcular simples, 1 ano" "$cli" calcular "$pasta/calculo_1_anos.CSV" --pasta "$saida/t"
mede "calcular simples, 30 anos" "$cli" calcular "$pasta/calculo_30_anos.CSV" --pasta "$saida/t"
mede "calcular --quartis, 1 ano, 25 blocos" "$cli" calcular "$pasta/quartis_25_blocos.CSV" --quartis --pasta "$saida/t"
mede "calcular --quartis, 1 ano, 1 bloco" "$cli" calcular "$pasta/quartis_1_bloco.CSV" --quartis --pasta "$saida/t"
mede "avaliar, 10000 áreas" "$cli" avaliar "$pasta/avaliacao.CSV" --coluna-teste F --ano-teste 2010
mede "calcular simples, 1 ano, com --relatorio" "$cli" calcular "$pasta/calculo_1_anos.CSV" --pasta "$saida/t" --relatorio "$saida/r.html"
rm -rf "$saida"
