#!/usr/bin/env bash
# Sets up a fresh Debian machine for Belvane, builds it, then either starts the
# game (jouer) or runs the whole test suite (tester).
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:-}
case "$action" in
  jouer|tester) ;;
  *) echo "usage: scripts/belvane.sh jouer|tester" >&2; exit 2 ;;
esac

paquets=(cmake make g++ qt6-base-dev libgl-dev libxkbcommon-dev libgtest-dev libbenchmark-dev fonts-dejavu-core poppler-utils
         desktop-file-utils appstream groff-base dpkg-dev libqt6sql6-sqlite qt6-charts-dev qt6-translations-l10n)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${manquants[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${manquants[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null

if [ "$action" = tester ]; then
  cmake --build build -j "$(nproc)"
  cd build
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
  exit $?
fi

# Only the game and what it needs: the test programs wait for "tester".
cmake --build build -j "$(nproc)" --target belvane
exec build/app/belvane
