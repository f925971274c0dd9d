#!/bin/sh
# Every command and option that `zivu-cli --help` prints has its place in the
# manual page: a command its own ".SS" section, an option its name anywhere.
# Usage: manual_ajuda.sh ZIVU-CLI MANUAL
set -eu
ajuda=$("$1" --help)
manual=$(sed 's/\\-/-/g' "$2")  # the page writes "-" as "\-"
falta=0
comandos=$(printf '%s\n' "$ajuda" | sed -n 's/^zivu-cli \([a-z][a-z-]*\) .*/\1/p')
[ -n "$comandos" ] || { echo "nenhum comando na ajuda de $1"; exit 1; }
for c in $comandos; do
  printf '%s\n' "$manual" | grep -Eq "^\.SS \"?$c( |\"|$)" || { echo "comando sem seção no manual: $c"; falta=1; }
done
for o in $(printf '%s\n' "$ajuda" | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  printf '%s\n' "$manual" | grep -Eq -- "$o([^a-z-]|$)" || { echo "opção ausente do manual: $o"; falta=1; }
done
exit $falta
