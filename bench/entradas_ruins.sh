#!/usr/bin/env bash
# Inputs that are no worksheet: zivu-cli exportar must refuse each with exit
# status 1, well under a second and in under 100 MB, and write nothing.
#   bash bench/entradas_ruins.sh [build/src/cli/zivu-cli]
set -uo pipefail
cli=${1:-build/src/cli/zivu-cli}
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
head -c $((300 << 20)) /dev/urandom > "$pasta/aleatorio.csv"
# Random text without NUL bytes: one endless line, then lines past the sheet.
head -c $((300 << 20)) /dev/urandom | tr -d '\000\r\n' > "$pasta/linha_longa.csv"
yes 'a;b;c' | head -c $((300 << 20)) > "$pasta/linhas_demais.csv"
mkfifo "$pasta/fifo.csv"
falhas=0
for entrada in /dev/zero "$pasta/aleatorio.csv" "$pasta/linha_longa.csv" "$pasta/linhas_demais.csv" \
               "$pasta/fifo.csv" "$pasta"; do
  rm -f "$pasta/x.CSV"
  ini=${EPOCHREALTIME/[.,]/}
  /usr/bin/time -o "$pasta/mem" -f %M timeout 10 "$cli" exportar "$entrada" "$pasta/x" >/dev/null 2>&1
  status=$?
  ms=$(( (${EPOCHREALTIME/[.,]/} - ini) / 1000 ))
  kb=$(tail -n1 "$pasta/mem")
  veredito=ok
  if (( status != 1 || ms >= 1000 || kb >= 100 * 1024 )) || [[ -e "$pasta/x.CSV" ]]; then
    veredito=FALHA; falhas=$((falhas + 1))
  fi
  printf '%-22s status %d  %5d ms  pico %4d MB  %s\n' "$(basename "$entrada")" "$status" "$ms" $((kb / 1024)) "$veredito"
done
exit $(( falhas > 0 ))
