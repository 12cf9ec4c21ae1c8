#!/usr/bin/env bash
# Plays the same runs with two builds of belvane-autoplay and checks that every
# record and the run's checksum are the same, byte for byte; only the timings of
# the summary line may differ. Use it before and after a change meant to make
# headless play faster without changing a decision.
#
#     scripts/comparer_autoplay.sh OLD_BINARY NEW_BINARY [DEALS]
#
# DEALS (default 1500) is the size of each run. Exit 0 when every run matches.
set -uo pipefail

if [ $# -lt 2 ]; then
  echo "usage: scripts/comparer_autoplay.sh OLD_BINARY NEW_BINARY [DEALS]" >&2
  exit 2
fi
ancien=$1
nouveau=$2
n=${3:-1500}
for b in "$ancien" "$nouveau"; do
  [ -x "$b" ] || { echo "not an executable: $b" >&2; exit 2; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Seeds, every level with and without the adaptive weights, every hand-strength
# option, the at-least-one-taker option and the invariant checks.
cas=(
  "--seed 1"
  "--seed 2"
  "--seed 3"
  "--seed 20261208"
  "--seed 5 --level 1"
  "--seed 5 --level 2"
  "--seed 5 --level 3"
  "--seed 5 --level 4"
  "--seed 6 --level 1 --adaptive off"
  "--seed 6 --level 2 --adaptive off"
  "--seed 6 --level 3 --adaptive off"
  "--seed 6 --level 4 --adaptive off"
  "--seed 7 --force 1"
  "--seed 7 --force 3"
  "--seed 7 --force 4"
  "--seed 7 --force 5"
  "--seed 7 --force 6"
  "--seed 8 --force 6 --level 2 --adaptive off"
  "--seed 9 --at-least-one-taker"
  "--seed 10 --check"
  "--seed 11 --check --level 1 --force 5"
)

# The summary line without its seconds and deals per second.
sans_durees() { sed -E 's/, seconds: [0-9.]+, deals\/s: [0-9]+//'; }

echecs=0
for c in "${cas[@]}"; do
  # shellcheck disable=SC2086
  "$ancien" --deals "$n" --jsonl $c 2>&1 | sans_durees > "$tmp/a"
  # shellcheck disable=SC2086
  "$nouveau" --deals "$n" --jsonl $c 2>&1 | sans_durees > "$tmp/b"
  somme=$(tail -n 1 "$tmp/a" | sed -E 's/.*checksum: //')
  if cmp -s "$tmp/a" "$tmp/b"; then
    printf 'same       %-45s %s records, checksum %s\n' "$c" "$(($(wc -l < "$tmp/a") - 1))" "$somme"
  else
    ligne=$(cmp "$tmp/a" "$tmp/b" | sed -E 's/.*line ([0-9]+).*/\1/')
    printf 'DIFFERENT  %-45s first difference at line %s\n' "$c" "$ligne"
    echecs=$((echecs + 1))
  fi
done
[ "$echecs" -eq 0 ] && echo "every run matches" || echo "$echecs run(s) differ"
[ "$echecs" -eq 0 ]
