#!/usr/bin/env python3
"""Writes the lighthouse reference file Liste_Phare.txt from lighthouses.tsv.

Each lighthouse of the list (name, tab, département) becomes five lines: its name, its PB number
(its place in the list, from 1001), an empty LH line (no public source gives LH numbers), its
département and an empty fifth line. Windows-1252, CR LF, as every file the program reads.

    python3 tools/phares/genere_liste_phare.py [lighthouses.tsv] [Liste_Phare.txt]
"""

import sys
from pathlib import Path

ICI = Path(__file__).resolve().parent
PREMIER_NUMERO = 1001


def lit_phares(chemin):
    phares = []
    for numero_ligne, ligne in enumerate(chemin.read_text(encoding="utf-8").splitlines(), start=1):
        if not ligne.strip():
            continue
        champs = ligne.split("\t")
        if len(champs) != 2 or not champs[0].strip() or not champs[1].strip():
            sys.exit(f"{chemin}:{numero_ligne}: attendu 'nom<TAB>departement': {ligne!r}")
        nom, departement = champs[0].strip(), champs[1].strip()
        try:
            nom.encode("cp1252")
        except UnicodeEncodeError as erreur:
            sys.exit(f"{chemin}:{numero_ligne}: {nom!r} ne tient pas en Windows-1252 ({erreur.object[erreur.start]!r})")
        phares.append((nom, departement))
    return phares


def lignes_liste(phares):
    lignes = []
    for rang, (nom, departement) in enumerate(phares):
        lignes += [nom, str(PREMIER_NUMERO + rang), "", departement, ""]
    return lignes


def main():
    source = Path(sys.argv[1]) if len(sys.argv) > 1 else ICI / "lighthouses.tsv"
    cible = Path(sys.argv[2]) if len(sys.argv) > 2 else ICI.parent.parent / "data" / "Liste_Phare.txt"
    phares = lit_phares(source)
    cible.write_bytes("".join(ligne + "\r\n" for ligne in lignes_liste(phares)).encode("cp1252"))
    print(f"{cible}: {len(phares)} phares, PB{PREMIER_NUMERO} a PB{PREMIER_NUMERO + len(phares) - 1}")


if __name__ == "__main__":
    main()
