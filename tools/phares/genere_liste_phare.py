#!/usr/bin/env python3
"""Writes the lighthouse reference file Liste_Phare.txt from lighthouses.tsv.

Each lighthouse of the list (name, tab, département) becomes five lines: its name, its PB number
(its place in the list, from 1001), an empty LH line (no public source gives LH numbers), its
département and an empty fifth line. Windows-1252, CR LF, as every file the program reads.

The entry proposes "P. " and the name in a 30-character field, so a name longer than 27 characters
is written in a short form (see forme_courte); the others are written as the list has them.

    python3 tools/phares/genere_liste_phare.py [lighthouses.tsv] [Liste_Phare.txt]
"""

import re
import sys
from pathlib import Path

ICI = Path(__file__).resolve().parent
PREMIER_NUMERO = 1001
LONGUEUR_MAX = 27  # "P. " and the name fill the entry's 30-character field

# What the entry's "P. " already says, at the head of a name: "Phare de la ", "Grand phare de l'"...
DEBUT_REDIT = re.compile(r"(?:grand\s+)?(?:phare|feu)\s+(?:de\s+l'|d'|(?:de\s+la|des|du|de)\s+)?", re.IGNORECASE)
# A place in parentheses at the end of a name: "Kerdonis (Belle-Île)".
LIEU = re.compile(r"\s*\(([^()]*)\)$")
# Words a shortened name does not end on.
MOTS_DE_LIAISON = {"de", "du", "des", "la", "le", "les", "aux", "au", "et", "sur"}


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


def formes_courtes(nom):
    """The short forms of a name, the closest to the name first; each drops whole words only.

    Without what "P. " says ("Phare de la pointe des Dames (Noirmoutier)": "Pointe des Dames
    (Noirmoutier)") and without a place in parentheses that the name already says; then without
    its place in parentheses ("Pointe des Dames"); then one trailing word fewer at a time, never
    ending on a linking word.
    """
    forme = DEBUT_REDIT.sub("", nom, count=1)
    forme = forme[:1].upper() + forme[1:]
    lieu = LIEU.search(forme)
    if lieu and re.search(rf"(?<!\w){re.escape(lieu.group(1))}(?!\w)", forme[: lieu.start()], re.IGNORECASE):
        forme, lieu = forme[: lieu.start()], None
    yield forme
    if lieu:
        forme = forme[: lieu.start()]
        yield forme
    mots = forme.split()
    while len(mots) > 1:
        mots.pop()
        while len(mots) > 1 and mots[-1].casefold() in MOTS_DE_LIAISON:
            mots.pop()
        yield " ".join(mots)


def noms_livres(phares):
    """The name of each lighthouse as the file gives it: itself when it fits, else its first short
    form that fits and that no other lighthouse of the list bears."""
    noms = [nom for nom, _ in phares]
    pris = {nom for nom in noms if len(nom) <= LONGUEUR_MAX}
    for rang, nom in enumerate(noms):
        if len(nom) <= LONGUEUR_MAX:
            continue
        court = next((f for f in formes_courtes(nom) if len(f) <= LONGUEUR_MAX and f not in pris), None)
        if court is None:
            sys.exit(f"{nom!r}: aucune forme courte de {LONGUEUR_MAX} caracteres au plus, unique dans la liste")
        noms[rang] = court
        pris.add(court)
    doubles = sorted({nom for nom in noms if noms.count(nom) > 1})
    if doubles:
        sys.exit(f"noms en double dans la liste: {doubles}")
    return noms


def lignes_liste(phares):
    lignes = []
    for rang, (nom, (_, departement)) in enumerate(zip(noms_livres(phares), phares)):
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
