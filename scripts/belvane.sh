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

paquets=(cmake make g++ qt6-base-dev libgl-dev libxkbcommon-dev libgtest-dev libbenchmark-dev fonts-dejavu-core poppler-utils qt6-translations-l10n)
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
cmake --build build -j "$(nproc)"

if [ "$action" = tester ]; then
  cd build
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
  exit $?
fi

if [ -x build/app/belvane ]; then
  exec build/app/belvane
fi
echo "The game's window is not built yet: dealing one deal with the headless tool instead."
exec build/tools/autoplay/belvane-autoplay --deals 1 --jsonl
