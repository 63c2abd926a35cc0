"""Publishes a placed timetable twice with horalo --publier, then checks the folder with
independent parsers: every page is strict HTML5 (html5lib) without script or outside
resource, every calendar reads with icalendar and holds each course of the CSV table on its
weekday and times, and both runs gave the same bytes."""
import csv
import datetime
import filecmp
import io
import os
import subprocess
import sys
import tempfile

import html5lib
import icalendar

JOURS = ["Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"]


def horalo(programme, *arguments):
    fait = subprocess.run([programme, *arguments], capture_output=True,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    assert fait.returncode == 0, fait.stderr.decode()


def publier(programme, edt, dossier):
    horalo(programme, "--publier", dossier, edt, "--du", "2026-09-01", "--au", "2027-07-05")


def verifier_page(chemin, noms):
    with open(chemin, "rb") as f:
        arbre = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(f)
    assert arbre.find(".//script") is None, chemin
    for lien in arbre.iter("a"):
        cible = lien.get("href")
        assert cible in noms, (chemin, cible)  # no outside resource, no missing page
    for element in arbre.iter():
        assert element.get("src") is None, chemin


def heure(t):
    return "%02dh%02d" % (t.hour, t.minute)


def cours_du_calendrier(chemin):
    with open(chemin, "rb") as f:
        octets = f.read()
    lignes = octets.split(b"\r\n")
    assert lignes[-1] == b"" and all(len(l) <= 75 and b"\n" not in l for l in lignes), chemin
    cours = set()
    for ev in icalendar.Calendar.from_ical(octets).walk("VEVENT"):
        debut, fin = ev.decoded("DTSTART"), ev.decoded("DTEND")
        assert str(debut.tzinfo) == "Europe/Paris" or ev["DTSTART"].params["TZID"] == "Europe/Paris"
        regle = ev["RRULE"]
        assert regle["FREQ"] == ["WEEKLY"], chemin
        assert regle["UNTIL"][0].date() == datetime.date(2027, 7, 5), chemin
        assert datetime.date(2026, 9, 1) <= debut.date() < datetime.date(2026, 9, 8), chemin
        cours.add((JOURS[debut.weekday()], heure(debut), heure(fin), str(ev["UID"])))
    return cours


def verifier(programme, edt, racine):
    a, b = os.path.join(racine, "a"), os.path.join(racine, "b")
    publier(programme, edt, a)
    publier(programme, edt, b)
    noms = sorted(os.listdir(a))
    assert noms == sorted(os.listdir(b))
    _, differents, erreurs = filecmp.cmpfiles(a, b, noms, shallow=False)
    assert not differents and not erreurs, differents + erreurs
    for nom in noms:
        if nom.endswith(".html"):
            verifier_page(os.path.join(a, nom), set(noms))
    with open(os.path.join(a, "emploi-du-temps.csv"), encoding="utf-8-sig", newline="") as f:
        lignes = list(csv.reader(f, delimiter=";"))[1:]
    par_calendrier = {nom: cours_du_calendrier(os.path.join(a, nom))
                      for nom in noms if nom.endswith(".ics")}
    tous = [c for liste in par_calendrier.values() for c in liste]
    # Each course is in its class's calendar and its teacher's: twice in all, one UID.
    assert len(tous) == 2 * len(lignes), (len(tous), len(lignes))
    assert len({c[3] for c in tous}) == len(lignes)
    vus = {(c[0], c[1], c[2]) for c in tous}
    for classe, _, _, _, jour, debut, fin in lignes:
        assert (jour, debut, fin) in vus, (classe, jour, debut)
    print("%s: %d courses and %d files checked" % (os.path.basename(edt), len(lignes), len(noms)))
    return lignes


def main(programme, edt, noms_csv):
    with tempfile.TemporaryDirectory() as racine:
        verifier(programme, edt, racine)
    # Names made of what HTML, CSV, iCalendar and paths treat apart, imported then placed.
    with tempfile.TemporaryDirectory() as racine:
        importe, place = os.path.join(racine, "noms.edt"), os.path.join(racine, "place.edt")
        horalo(programme, "--importer", noms_csv, importe)
        horalo(programme, "--placer", importe, place)
        lignes = verifier(programme, place, racine)
        assert sorted(os.listdir(racine)) == ["a", "b", "noms.edt", "place.edt"]
        assert {l[0] for l in lignes} == {"<script>alert(1)</script>", "../../etc", "a;b,c"}
        with open(os.path.join(racine, "a", "index.html"), "rb") as f:
            index = html5lib.parse(f, namespaceHTMLElements=False)
        assert "<script>alert(1)</script>" in [a.text for a in index.iter("a")]


if __name__ == "__main__":
    main(*sys.argv[1:4])
