#!/usr/bin/env bash
# Screenshots of the real game for the README and the software centres.
#
#   bash scripts/captures.sh [OUTDIR]      (OUTDIR defaults to docs/captures)
#
# Builds the game, starts it under Xvfb with a home folder of its own, plays
# one deal by clicks as a player would (English texts, passing at the auction,
# the first playable card of the hand at every turn) and saves four moments:
#   enchere.png   the auction, the bid bar waiting for the player
#   pli.png       a trick in play, three cards on the table
#   resultat.png  the result of the deal
#   feuille.png   the detailed score sheet
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."

sortie=$(realpath -m "${1:-docs/captures}")

if [ -z "${CAPTURES_SOUS_XVFB:-}" ]; then
  for outil in xvfb-run xdotool import convert; do
    command -v "$outil" > /dev/null || { echo "captures: $outil is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 2; }
  done
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build build -j "$(nproc)" --target belvane
  # The game sizes its windows from the screen: 1024 x 768 gives a table of about 1024 x 700.
  CAPTURES_SOUS_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$sortie"
fi

mkdir -p "$sortie"
maison=$(mktemp -d)
HOME=$maison XDG_CONFIG_HOME=$maison/.config build/app/belvane > "$maison/jeu.log" 2>&1 &
jeu=$!
trap 'kill $jeu 2> /dev/null || true; rm -rf "$maison"' EXIT

echec() {
  echo "captures: $*" >&2
  exit 1
}

# The largest visible window whose title is exactly $1, waiting up to 20 s.
fenetre() {
  local titre=$1 essai w meilleure surface plusGrande
  for essai in $(seq 1 100); do
    meilleure="" plusGrande=0
    for w in $(xdotool search --onlyvisible --name "^$titre\$" 2> /dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      surface=$((WIDTH * HEIGHT))
      if [ "$surface" -gt "$plusGrande" ]; then meilleure=$w plusGrande=$surface; fi
    done
    if [ "$plusGrande" -gt 40000 ]; then
      echo "$meilleure"
      return
    fi
    sleep 0.2
  done
  echec "no window '$titre' after 20 s"
}

# A point of a window given as fractions of its width and height, so that the
# clicks follow the window whatever its scale. The geometry is read once per window.
declare -A geometries
point() {
  if [ -z "${geometries[$1]:-}" ]; then
    eval "$(xdotool getwindowgeometry --shell "$1")"
    geometries[$1]="$X $Y $WIDTH $HEIGHT"
  fi
  awk -v g="${geometries[$1]}" -v fx="$2" -v fy="$3" \
    'BEGIN { split(g, v, " "); printf "%d %d\n", v[1] + v[3] * fx, v[2] + v[4] * fy }'
}

cliquer() {
  local xy
  xy=$(point "$1" "$2" "$3")
  # shellcheck disable=SC2086
  xdotool mousemove $xy click 1
  sleep 0.05
}

# The colour under a point of the window, as "r g b".
couleur() {
  local xy hex
  xy=$(point "$1" "$2" "$3")
  hex=$(import -window root -crop "1x1+${xy% *}+${xy#* }" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-Fa-f]\{6\}')
  printf '%d %d %d\n' "0x${hex:1:2}" "0x${hex:3:2}" "0x${hex:5:2}"
}

# The deep blue of the bid bar and of the result panel.
bleu() {
  local r g b
  read -r r g b <<< "$(couleur "$@")"
  [ "$b" -ge 100 ] && [ "$r" -le 40 ] && [ "$g" -le 100 ]
}

# The bare green felt of the table, where no card lies.
tapis() {
  [ "$(couleur "$@")" = "0 128 0" ]
}

# Small files: 255 colours without dithering keep the cards' drawing intact.
capturer() {
  import -window "$1" miff:- | convert - -depth 8 +dither -colors 255 -define png:compression-level=9 "PNG8:$sortie/$2.png"
  echo "captures: $sortie/$2.png"
}

splash=$(fenetre "BELVANE 2010")
cliquer "$splash" 0.74 0.87  # "English version"
sleep 1
table=$(fenetre "BELVANE 2010")
[ "$table" != "$splash" ] || echec "the table did not open"
cliquer "$table" 0.49 0.33  # the start panel
sleep 1.5

# Seat places on the table: West, North, East, South.
places=("0.364 0.332" "0.489 0.195" "0.613 0.332" "0.489 0.50")
enchere=0 pli=0 tour=0
while ! bleu "$table" 0.01 0.70; do  # the result panel
  tour=$((tour + 1))
  [ "$tour" -le 80 ] || echec "the deal did not end"
  if bleu "$table" 0.293 0.5926; then  # the bid bar, between its two rows of buttons
    if [ "$enchere" -eq 0 ]; then capturer "$table" enchere; enchere=1; fi
    cliquer "$table" 0.21 0.567  # pass
    sleep 1
    continue
  fi
  if [ "$pli" -eq 0 ] && [ "$tour" -ge 6 ]; then
    occupees=0
    for place in "${places[@]}"; do
      # shellcheck disable=SC2086
      tapis "$table" $place || occupees=$((occupees + 1))
    done
    if [ "$occupees" -eq 3 ]; then capturer "$table" pli; pli=1; fi
  fi
  # Every card of the hand from left to right: the first one the rules allow
  # is played, the others are refused; a click also goes on after a trick.
  for i in $(seq 0 17); do
    cliquer "$table" "$(awk -v i="$i" 'BEGIN { printf "%.4f", (46 + 51 * i) / 1024 }')" 0.80
  done
  cliquer "$table" 0.49 0.45
  sleep 0.6
done
sleep 0.5
capturer "$table" resultat
[ "$enchere" -eq 1 ] || echec "the auction was not seen"
[ "$pli" -eq 1 ] || echec "no trick with three cards was seen"

cliquer "$table" 0.497 0.745  # "Scores"
feuille=$(fenetre "Score of this deal")
sleep 0.5
capturer "$feuille" feuille
