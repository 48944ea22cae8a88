#!/usr/bin/env python3
"""Runs every test of a native build under Valgrind memcheck, each in its own process as ctest runs it.

Usage: muistitarkistus.py <build folder> [name regex] [jobs]
A test fails on any memcheck error or on a definite leak; the summary lists the failures.
"""
import json
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

VALGRIND = ["valgrind", "--quiet", "--error-exitcode=97", "--leak-check=full", "--show-leak-kinds=definite",
            "--errors-for-leak-kinds=definite", "--track-origins=yes", "--num-callers=30"]


def testit(kansio):
    tulos = subprocess.run(["ctest", "--test-dir", kansio, "--show-only=json-v1"], check=True,
                           capture_output=True, text=True)
    for testi in json.loads(tulos.stdout)["tests"]:
        if "command" not in testi:
            continue
        ominaisuudet = {o["name"]: o["value"] for o in testi.get("properties", [])}
        ymparisto = dict(os.environ)
        for pari in ominaisuudet.get("ENVIRONMENT", []):
            avain, _, arvo = pari.partition("=")
            ymparisto[avain] = arvo
        yield testi["name"], testi["command"], ominaisuudet.get("WORKING_DIRECTORY", kansio), ymparisto


def aja(nimi, komento, kansio, ymparisto):
    # The long play test plays its shortest run here: memcheck is some fifty times slower.
    ymparisto = dict(ymparisto, RIMPUTIN_KESTO="10")
    tulos = subprocess.run(VALGRIND + komento, cwd=kansio, env=ymparisto, capture_output=True, text=True)
    return nimi, tulos.returncode, tulos.stdout[-3000:] + tulos.stderr[-6000:]


def main():
    kansio = os.path.abspath(sys.argv[1])
    suodin = re.compile(sys.argv[2] if len(sys.argv) > 2 else ".")
    tyot = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    valitut = [t for t in testit(kansio) if suodin.search(t[0])]
    virheet = []
    with ThreadPoolExecutor(tyot) as allas:
        for nimi, koodi, tuloste in allas.map(lambda t: aja(*t), valitut):
            print(("ok    " if koodi == 0 else "FAIL  ") + nimi, flush=True)
            if koodi != 0:
                virheet.append((nimi, koodi, tuloste))
    for nimi, koodi, tuloste in virheet:
        print(f"== {nimi}: exit code {koodi}\n{tuloste}")
    print(f"memcheck: {len(valitut)} tests, {len(virheet)} failed")
    return 1 if virheet else 0


if __name__ == "__main__":
    sys.exit(main())
