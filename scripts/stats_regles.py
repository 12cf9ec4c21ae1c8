#!/usr/bin/env python3
"""Figures of an autoplay run read from its --jsonl records on stdin: how often
the taker makes its contract, and how often each card-play rule imposed a card.

    belvane-autoplay --deals 20000 --seed 1 --level 4 --jsonl | scripts/stats_regles.py
"""
import collections
import json
import sys


def main():
    jouees = 0
    faites = 0
    regles = collections.Counter()
    for ligne in sys.stdin:
        ligne = ligne.strip()
        if not ligne.startswith("{"):
            continue  # the summary line
        donne = json.loads(ligne)
        if donne.get("taker", 0) == 0:
            continue  # everybody passed
        jouees += 1
        if donne["score_taker"] > 0:
            faites += 1
        for regle, _siege in donne.get("rules", []):
            regles[regle] += 1
    if jouees == 0:
        print("no deal played")
        return 1
    print(f"deals played: {jouees}")
    print(f"contracts made: {faites} ({100.0 * faites / jouees:.1f}%)")
    total = sum(regles.values())
    print(f"cards imposed by a rule: {total} ({total / jouees:.2f} a deal, of 72 cards)")
    print("rule  imposed  per 100 deals")
    for regle in sorted(regles):
        print(f"{regle:4d}  {regles[regle]:7d}  {100.0 * regles[regle] / jouees:8.1f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
