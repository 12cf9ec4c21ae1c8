#!/usr/bin/env python3
"""Speed of two builds of belvane-autoplay, side by side in one run.

Runs the two binaries in turn, the same run each time (default: --deals 20000
--seed 1), pinned to one core, and reports for each the median of the
processor time the run used (user + system, the fairest measure on a shared
machine) and the median of the seconds the tool itself reports, with the
ratio old / new. Every run must end with the same checksum.

    scripts/vitesse_autoplay.py OLD_BINARY NEW_BINARY [--runs 7] [--core 0]
                                [-- --deals 20000 --seed 1]
"""
import argparse
import os
import re
import statistics
import subprocess
import sys

RESUME = re.compile(r"seconds: ([0-9.]+), deals/s: [0-9]+, checksum: ([0-9a-f]+)")


def une_execution(binaire, args, coeur):
    commande = [binaire] + args
    if coeur is not None:
        commande = ["taskset", "-c", str(coeur)] + commande
    proc = subprocess.Popen(commande, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    sortie, erreurs = proc.communicate()
    if proc.returncode != 0:
        sys.exit(f"{binaire} failed: {erreurs.strip()}")
    m = RESUME.search(sortie.strip().splitlines()[-1])
    if not m:
        sys.exit(f"{binaire}: no summary line")
    return float(m.group(1)), m.group(2)


def main():
    parties = sys.argv[1:]
    outil = parties[parties.index("--") + 1:] if "--" in parties else ["--deals", "20000", "--seed", "1"]
    if "--" in parties:
        parties = parties[:parties.index("--")]
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument("ancien")
    a.add_argument("nouveau")
    a.add_argument("--runs", type=int, default=7)
    a.add_argument("--core", type=int, default=0, help="core to pin both runs to; -1 for none")
    o = a.parse_args(parties)
    coeur = None if o.core < 0 else o.core

    mesures = {o.ancien: ([], []), o.nouveau: ([], [])}
    sommes = set()
    for _ in range(o.runs):
        for binaire in (o.ancien, o.nouveau):
            avant = os.times()
            secondes, somme = une_execution(binaire, outil, coeur)
            apres = os.times()
            cpu = (apres.children_user - avant.children_user) + (apres.children_system - avant.children_system)
            mesures[binaire][0].append(cpu)
            mesures[binaire][1].append(secondes)
            sommes.add(somme)

    print(f"belvane-autoplay {' '.join(outil)}, {o.runs} runs each, alternating"
          + (f", pinned to core {coeur}" if coeur is not None else ""))
    medianes = {}
    for nom, binaire in (("old", o.ancien), ("new", o.nouveau)):
        cpu, mur = mesures[binaire]
        medianes[nom] = (statistics.median(cpu), statistics.median(mur))
        print(f"  {nom}: processor {medianes[nom][0]:.3f} s, reported {medianes[nom][1]:.3f} s (median)  "
              f"[{binaire}]")
    print(f"  speed-up: {medianes['old'][0] / medianes['new'][0]:.2f}x processor time, "
          f"{medianes['old'][1] / medianes['new'][1]:.2f}x reported seconds")
    if len(sommes) != 1:
        print(f"  CHECKSUMS DIFFER: {sorted(sommes)}")
        return 1
    print(f"  checksum of every run: {sommes.pop()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
