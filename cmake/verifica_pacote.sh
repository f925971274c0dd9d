#!/usr/bin/env bash
# Builds the Debian package and checks it as a Debian user would meet it:
# lintian (errors fail), the menu entry and the AppStream description
# validated, then the package installed with apt-get, an example calculated
# with the installed zivu-cli, its manual page looked up, and the package
# removed again (also when a check fails).
#
#   bash cmake/verifica_pacote.sh [BUILD]   BUILD: build folder, default "build";
#                                           configured and built when missing
# Needs root or sudo (apt-get). CI runs it after the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
JOBS=${JOBS:-2}

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

passo() { printf '\n== %s\n' "$*"; }

# The tools of the checks, when missing.
faltam=""
for p in lintian desktop-file-utils appstream man-db; do
  dpkg -s "$p" >/dev/null 2>&1 || faltam="$faltam $p"
done
if [ -n "$faltam" ]; then
  passo "Instalando:$faltam"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq $faltam
fi

passo "Compilando em $BUILD"
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$BUILD" -j "$JOBS"

passo "cpack -G DEB"
rm -f "$BUILD"/derova-zivu_*.deb
(cd "$BUILD" && cpack -G DEB)
deb=$(cd "$BUILD" && pwd)/$(cd "$BUILD" && ls derova-zivu_*.deb)
echo "$deb"

temp=$(mktemp -d)
instalado=0
limpa() {
  if [ "$instalado" -eq 1 ]; then
    passo "Removendo o pacote"
    $SUDO apt-get purge -y -qq derova-zivu || true
  fi
  rm -rf "$temp"
}
trap limpa EXIT

passo "lintian"
lintian --fail-on error "$deb"
echo "lintian: nenhum erro"

# The files are checked as the package holds them.
dpkg-deb -x "$deb" "$temp/pacote"
passo "desktop-file-validate"
lancadores=("$temp"/pacote/usr/share/applications/*.desktop)
[ -f "${lancadores[0]}" ] || { echo "o pacote não tem entrada de menu (o zivu foi compilado?)"; exit 1; }
desktop-file-validate "${lancadores[@]}"
echo "ok: ${lancadores[*]##*/}"

passo "appstreamcli validate"
descricoes=("$temp"/pacote/usr/share/metainfo/*.metainfo.xml)
[ -f "${descricoes[0]}" ] || { echo "o pacote não tem descrição AppStream"; exit 1; }
appstreamcli validate --no-net "${descricoes[@]}"

passo "apt-get install $deb"
instalado=1
if ! $SUDO apt-get install -y -qq "$deb"; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "$deb"
fi

passo "zivu-cli calcular com um exemplo instalado"
ZIVU_HOME="$temp/casa" /usr/bin/zivu-cli calcular /usr/share/derova-zivu/examples/dodo_geral.csv \
  --pasta "$temp/resultados"
ls "$temp/resultados"
[ -f /usr/share/derova-zivu/DoDo.html ] || { echo "falta o manual /usr/share/derova-zivu/DoDo.html"; exit 1; }

passo "man -w zivu-cli"
# Slim Debian images tell dpkg to drop manual pages; then only the package's
# own list can show the page is shipped.
exclui=$(grep -ls '^path-exclude.*/usr/share/man' /etc/dpkg/dpkg.cfg.d/* 2>/dev/null || true)
if [ -n "$exclui" ]; then
  echo "Este sistema não instala páginas de manual (path-exclude em: $exclui);"
  echo "conferido só que o pacote as contém:"
  dpkg-deb -c "$deb" | grep -E 'usr/share/man/man1/zivu(-cli)?\.1\.gz$'
else
  man -w zivu-cli
  man -w zivu
fi

passo "Pacote conferido"
