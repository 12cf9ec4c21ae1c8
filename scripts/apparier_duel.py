#!/usr/bin/env python3
"""Pairs two belvane-duel --jsonl runs on the same deals (same seed and deal
count, same level B) and reports the first run's gain over the second, deal
by deal, with 95 % intervals: in all, as taker and in defence.

    belvane-duel --a 5 --b 4 --deals 300 --seed 11 --jsonl > avec.jsonl
    belvane-duel --a 5 --b 4 --deals 300 --seed 11 --jsonl --expert-auction 1 > sans.jsonl
    scripts/apparier_duel.py avec.jsonl sans.jsonl
"""
import json
import math
import sys


def lire(chemin):
    lignes = {}
    with open(chemin) as f:
        for ligne in f:
            if not ligne.startswith("{"):
                continue
            try:
                d = json.loads(ligne)
            except json.JSONDecodeError:
                continue  # a run still writing its last line
            lignes[d["deal"]] = d
    return lignes


def moyenne(xs):
    n = len(xs)
    m = sum(xs) / n
    v = sum((x - m) ** 2 for x in xs) / (n - 1) if n > 1 else 0.0
    return m, 1.96 * math.sqrt(v / n) if n > 1 else 0.0


def parties(d):
    # Team measure: A's taker, then A's defenders; seat by seat: the plays
    # where A's seat took, and the others.
    if "b_taking" in d:
        return d["a_taking"], -d["b_taking"]
    return d["a_taking"], d["a_defending"]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    a, b = lire(sys.argv[1]), lire(sys.argv[2])
    communes = sorted(set(a) & set(b))
    if not communes:
        sys.exit("no deal in common")
    for n in communes:
        if a[n].get("first") != b[n].get("first") or a[n].get("taker") != b[n].get("taker"):
            sys.exit(f"deal {n} differs between the two runs")
    tout, preneur, defense = [], [], []
    for n in communes:
        pa, da = parties(a[n])
        pb, db = parties(b[n])
        preneur.append(pa - pb)
        defense.append(da - db)
        tout.append(pa + da - pb - db)
    for nom, xs in (("gain a deal", tout), ("as taker", preneur), ("in defence", defense)):
        m, h = moyenne(xs)
        print(f"{nom:12s} {m:+.1f} ± {h:.1f}")
    print(f"deals        {len(communes)}")


if __name__ == "__main__":
    main()
