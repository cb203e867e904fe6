#!/usr/bin/env python3
"""Writes daten/Namenstage.txt from scripts/namenstage_tabelle.txt.

The program reads the catalogue as Windows-1252 text with CR LF line ends: two heading lines,
then per month a line "[Monat]" and one line per day (February always with 29 lines), the
names separated by ", ". The reader drops the character after every comma and takes "[" as
a month heading, so a name may contain neither.
"""
import pathlib
import re
import sys

MONATE = ["Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
          "September", "Oktober", "November", "Dezember"]
TAGE = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
KOPF = ["Namenstage für Kalvora",
        "Je Monat eine Überschrift in eckigen Klammern, dann eine Zeile je Tag (Februar mit 29)"]

wurzel = pathlib.Path(__file__).resolve().parent.parent
quelle = wurzel / "scripts" / "namenstage_tabelle.txt"
ziel = wurzel / "daten" / "Namenstage.txt"


def fehler(text):
    sys.exit(f"{quelle.name}: {text}")


tage = {}
for nummer, zeile in enumerate(quelle.read_text(encoding="utf-8").splitlines(), 1):
    if not zeile.strip() or zeile.startswith("#"):
        continue
    m = re.fullmatch(r"(\d\d)\.(\d\d)\. (.+)", zeile)
    if not m:
        fehler(f"Zeile {nummer}: erwartet \"TT.MM. Name, Name\"")
    tag, monat = int(m.group(1)), int(m.group(2))
    if not (1 <= monat <= 12 and 1 <= tag <= TAGE[monat - 1]):
        fehler(f"Zeile {nummer}: kein Tag des Jahres")
    if (tag, monat) in tage:
        fehler(f"Zeile {nummer}: {tag:02}.{monat:02}. steht doppelt")
    namen = [n.strip() for n in m.group(3).split(",")]
    for n in namen:
        if not n or "[" in n or "]" in n:
            fehler(f"Zeile {nummer}: leerer Name oder eckige Klammer")
        try:
            n.encode("cp1252")
        except UnicodeEncodeError:
            fehler(f"Zeile {nummer}: \"{n}\" passt nicht in Windows-1252")
    tage[(tag, monat)] = namen

zeilen = list(KOPF)
for monat, (name, anzahl) in enumerate(zip(MONATE, TAGE), 1):
    zeilen.append(f"[{name}]")
    for tag in range(1, anzahl + 1):
        if (tag, monat) not in tage:
            fehler(f"{tag:02}.{monat:02}. fehlt")
        zeilen.append(", ".join(tage[(tag, monat)]))

ziel.write_bytes("".join(z + "\r\n" for z in zeilen).encode("cp1252"))
print(f"{ziel.relative_to(wurzel)}: {len(tage)} Tage, {sum(map(len, tage.values()))} Namen")
