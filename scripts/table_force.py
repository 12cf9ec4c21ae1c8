#!/usr/bin/env python3
"""The strength table of the computer players, from belvane-duel runs.

Every level against "Pro" and against "Débutant" (random play included), and
the adaptive mode against plain "Pro" after a warm-up that tunes its weights.
Writes the table as Markdown to stdout; the runs go one after the other.

    scripts/table_force.py [--duel build/tools/duel/belvane-duel] [--deals 50000]
                           [--warmup 20000] [--seed 1] [--deals-expert 5000] > docs/force.md
"""
import argparse
import re
import subprocess
import sys
import time

NOMS = {0: "random", 1: "Débutant", 2: "Amateur", 3: "Bon", 4: "Pro", 5: "Expert"}

# (a, b, adaptive a, warm-up): a against b.
def lignes(warmup):
    contre_pro = [(a, 4, False, 0) for a in (0, 1, 2, 3, 4)]
    contre_debutant = [(a, 1, False, 0) for a in (0, 2, 3, 4, 1)]
    adaptatif = [(4, 4, True, warmup)]
    expert = [(5, 4, False, 0)]
    return contre_pro + contre_debutant + adaptatif + expert


PREMIERE = re.compile(r"^(.*) against (.*): ([+-][0-9.]+) ± ([0-9.]+) points a deal")
PARTIE = re.compile(r"^  (as taker|in defence): +([+-][0-9.]+) ± ([0-9.]+)")
CONTRATS = re.compile(r"^  (.*) taking, contracts made:(.*)$")
FIN = re.compile(r"^deals: ([0-9]+), warm-up: ([0-9]+), seconds: ([0-9.]+)")


def reussite(texte):
    """Overall taker success from '... Prise 86.2 % of 369, Garde ...'."""
    faits = total = 0.0
    for taux, n in re.findall(r"([0-9.]+) % of ([0-9]+)", texte):
        faits += float(taux) * int(n) / 100.0
        total += int(n)
    return 100.0 * faits / total if total else 0.0


def duel(binaire, a, b, adaptatif, warmup, deals, seed):
    commande = [binaire, "--a", str(a), "--b", str(b), "--deals", str(deals), "--seed", str(seed)]
    if adaptatif:
        commande += ["--adaptive-a", "on", "--warmup", str(warmup)]
    sortie = subprocess.run(commande, check=True, capture_output=True, text=True).stdout
    r = {"commande": " ".join(commande[1:])}
    contrats = []
    for ligne in sortie.splitlines():
        if m := PREMIERE.match(ligne):
            r["moyenne"], r["demi"] = float(m.group(3)), float(m.group(4))
        elif m := PARTIE.match(ligne):
            cle = "preneur" if m.group(1) == "as taker" else "defense"
            r[cle] = (float(m.group(2)), float(m.group(3)))
        elif m := CONTRATS.match(ligne):
            contrats.append(reussite(m.group(2)))
        elif m := FIN.match(ligne):
            r["deals"], r["secondes"] = int(m.group(1)), float(m.group(3))
    r["reussiteA"], r["reussiteB"] = contrats
    return r


def main():
    args = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    args.add_argument("--duel", default="build/tools/duel/belvane-duel")
    args.add_argument("--deals", type=int, default=50000)
    args.add_argument("--warmup", type=int, default=20000)
    args.add_argument("--seed", type=int, default=1)
    # The Expert solves sampled deals for each of its last cards: far slower a deal.
    args.add_argument("--deals-expert", type=int, default=5000)
    o = args.parse_args()

    rangs = []
    for a, b, adaptatif, warmup in lignes(o.warmup):
        debut = time.time()
        r = duel(o.duel, a, b, adaptatif, warmup, o.deals_expert if a == 5 else o.deals, o.seed)
        nom = NOMS[a] + (f" (adaptive, after {warmup} deals)" if adaptatif else "")
        rangs.append((nom, NOMS[b], r))
        print(f"{nom} against {NOMS[b]}: {r['moyenne']:+.1f} ± {r['demi']:.1f} "
              f"({time.time() - debut:.0f} s)", file=sys.stderr)

    print("# How strong the computer players are\n")
    print("Measured by duplicate play with `belvane-duel` (made by `scripts/table_force.py`).")
    print("Each deal is dealt, bid and discarded once, then played twice from the same state:")
    print("A's taker against three defenders at B, then B's taker against defenders at A.")
    print("The gain is the change of the global scores of A's seats over the two plays, in")
    print("points a deal, with the half-width of its 95 % interval; the taker and defence")
    print("columns split it. Both sides play without the adaptive weights unless said.\n")
    print(f"Seed {o.seed}, {o.deals} deals a row ({o.deals_expert} for the Expert).\n")
    print("| A | against B | A's gain a deal | A as taker | A in defence | A's takers make | B's takers make | deals |")
    print("|---|---|---:|---:|---:|---:|---:|---:|")
    for nom, contre, r in rangs:
        p, d = r["preneur"], r["defense"]
        print(f"| {nom} | {contre} | {r['moyenne']:+.1f} ± {r['demi']:.1f} | {p[0]:+.1f} ± {p[1]:.1f} | "
              f"{d[0]:+.1f} ± {d[1]:.1f} | {r['reussiteA']:.1f} % | {r['reussiteB']:.1f} % | {r['deals']} |")
    print("\nThe runs:\n")
    for _, _, r in rangs:
        print(f"    belvane-duel {r['commande']}    # {r['secondes']:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
