#include "exchange/U_csv.h"
#include "exchange/U_nomsfichiers.h"
#include "exchange/U_publication.h"
#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <random>
#include <set>

namespace {

// A course as the test placed it, names UTF-8.
struct TPose {
    std::string Classe, Serie, Matiere, Prof;
    TJour Jour;
    TQuart Debut, Fin;
    auto operator<=>(const TPose&) const = default;
};

// Pieces that HTML, CSV, iCalendar or a file system treat apart.
const char* const Morceaux[] = {"é", "<b>", "&amp;", "\"", ";", ",", "\\", "../", "/", " ", "Œ"};

class PublicationTest : public ModeleTest {
protected:
    std::string Nom(const std::string& Base) {
        std::string n = Base;
        for (int k = std::uniform_int_distribution<int>(0, 3)(Hasard); k > 0; --k)
            n += Morceaux[std::uniform_int_distribution<std::size_t>(0, std::size(Morceaux) -
                                                                            1)(Hasard)];
        return n;
    }
    // Two series of three subjects, a teacher per subject and class, courses where free.
    std::vector<TPose> EcoleAuHasard() {
        std::vector<TPose> Poses;
        for (int s = 0; s < 2; ++s) {
            const std::string Serie = Nom("S" + std::to_string(s));
            LesSeries->AjouterSerie(Ansi(Serie));
            for (int m = 0; m < 3; ++m)
                LesSeries->Trouver(Ansi(Serie))->FixerVolume(Ansi(Nom("M" + std::to_string(m))), 8);
            for (int c = 0; c < 3; ++c)
                AjouterClasse(Nom("C" + std::to_string(s) + std::to_string(c)), Serie, Poses);
        }
        return Poses;
    }
    void AjouterClasse(const std::string& Classe, const std::string& Serie,
                       std::vector<TPose>& Poses) {
        TClasse& C = *LesClasses->AjouterClasse(Ansi(Classe), Ansi(Serie));
        const TLesHeures& Heures = *C.Serie->Heures;
        for (std::size_t m = 1; m <= Heures.Nombre(); ++m) {
            const std::string Matiere = Heures.Numero(m)->Nom;
            const std::string Prof = Ansi(Nom("P" + std::to_string(LesProfs->Nombre())));
            LesProfs->AjouterProf(Prof, Matiere);
            C.AssocierProf(Matiere, Prof);
            LesProfs->Trouver(Prof)->FixerVolumeClasse(C.Nom, 8);
            for (int k = 0; k < 3; ++k) {
                const auto Jour = static_cast<TJour>(Hasard() % NombreJours);
                const auto Debut = static_cast<TQuart>(32 + Hasard() % 44);
                const auto Fin = static_cast<TQuart>(Debut + Hasard() % 4);
                if (C.PlageLibre(Matiere, Jour, Debut, Fin) &&
                    LesProfs->Trouver(Prof)->PlageLibre(C.Nom, Jour, Debut, Fin)) {
                    Placer(C.Nom, Matiere, Jour, Debut, Fin);
                    Poses.push_back({Classe, Serie, Utf8(Matiere), Utf8(Prof), Jour, Debut, Fin});
                }
            }
        }
    }

    std::mt19937 Hasard;
};

std::string Deplie(const std::string& Ics) {
    EXPECT_EQ(Ics.find_first_of('\n'), Ics.find("\r\n") + 1); // CR LF ends
    std::string Texte =
        QString::fromStdString(Ics).replace(QStringLiteral("\r\n "), QString()).toStdString();
    return Texte;
}

std::string Desechappe(const std::string& Valeur) {
    std::string Texte;
    for (std::size_t i = 0; i < Valeur.size(); ++i)
        if (Valeur[i] == '\\' && i + 1 < Valeur.size())
            Texte += Valeur[++i] == 'n' ? '\n' : Valeur[i];
        else
            Texte += Valeur[i];
    return Texte;
}

// The events of a calendar: "DD HHMM-HHMM summary", DD the day of the first one, in the
// week from Monday 7 September 2026.
std::multiset<std::string> Evenements(const std::string& Ics) {
    for (const QString& Ligne : QString::fromStdString(Ics).split(QStringLiteral("\r\n")))
        EXPECT_LE(Ligne.toUtf8().size(), 75) << Ligne.toStdString();
    std::multiset<std::string> Liste;
    std::string Debut, Fin;
    for (const QString& Ligne : QString::fromStdString(Deplie(Ics)).split(QStringLiteral("\r\n"))) {
        const std::string l = Ligne.toStdString();
        if (Ligne.startsWith(QStringLiteral("DTSTART;TZID=Europe/Paris:")))
            Debut = l.substr(32, 2) + " " + l.substr(35, 4);
        else if (Ligne.startsWith(QStringLiteral("DTEND;TZID=Europe/Paris:")))
            Fin = l.substr(33, 4);
        else if (Ligne.startsWith(QStringLiteral("SUMMARY:")))
            Liste.insert(Debut + "-" + Fin + " " + Desechappe(l.substr(8)));
    }
    return Liste;
}

std::string Evenement(const TPose& p, const std::string& Partenaire) {
    char Texte[32];
    std::snprintf(Texte, sizeof Texte, "%02d %02d%02d-%02d%02d ", 7 + p.Jour, p.Debut / 4,
                  p.Debut % 4 * 15, (p.Fin + 1) / 4, (p.Fin + 1) % 4 * 15);
    return Texte + p.Matiere + " - " + Partenaire;
}

std::string FichierDe(const std::vector<TFichierPublie>& Fichiers, const std::string& Nom) {
    for (const TFichierPublie& f : Fichiers)
        if (f.Nom == Nom)
            return f.Octets;
    ADD_FAILURE() << Nom;
    return {};
}

// Every course of random timetables, names made of what must be escaped, is once in the
// CSV table and in its class's and its teacher's calendars, at its day and times; the same
// model gives the same bytes, and every file name stays plain.
TEST_F(PublicationTest, ChaqueCoursEstUneFoisDansLeTableauEtDansSesCalendriers) {
    const TPeriode Periode{QDate(2026, 9, 7), QDate(2027, 7, 5)};
    for (unsigned Graine = 1; Graine <= 12; ++Graine) {
        SCOPED_TRACE(Graine);
        Hasard.seed(Graine);
        LesClasses->Vider();
        LesProfs->Vider();
        LesSeries->Vider();
        std::vector<TPose> Poses = EcoleAuHasard();
        const std::vector<TFichierPublie> Fichiers = Publication(Periode);
        ASSERT_EQ(Publication(Periode).size(), Fichiers.size());
        EXPECT_TRUE(std::equal(Fichiers.begin(), Fichiers.end(), Publication(Periode).begin(),
                               [](const auto& a, const auto& b) { return a.Octets == b.Octets; }));
        std::vector<TPose> Lues;
        const std::string Csv = FichierDe(Fichiers, NomTableauCours).substr(3);
        for (const TEnregistrementCsv& e : LireCsv(Csv, ';'))
            if (e.Ligne > 1)
                Lues.push_back({e.Champs[0], e.Champs[1], e.Champs[2], e.Champs[3],
                                NumeroJour(e.Champs[4]), HeureTexte(e.Champs[5]),
                                static_cast<TQuart>(HeureTexte(e.Champs[6]) - 1)});
        std::sort(Poses.begin(), Poses.end());
        std::sort(Lues.begin(), Lues.end());
        EXPECT_EQ(Lues, Poses);
        std::map<std::string, std::multiset<std::string>> Attendus;
        const auto Calendrier = [](const char* Genre, const std::string& Nom) {
            return Genre + NomDeFichier(Ansi(Nom)) + ".ics";
        };
        for (const TPose& p : Poses) {
            Attendus[Calendrier("classe-", p.Classe)].insert(Evenement(p, p.Prof));
            Attendus[Calendrier("prof-", p.Prof)].insert(Evenement(p, p.Classe));
        }
        for (const TFichierPublie& f : Fichiers) {
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Za-z0-9-]+\\.(html|ics|csv)$"))
                            .match(QString::fromStdString(f.Nom))
                            .hasMatch())
                << f.Nom;
            if (f.Nom.ends_with(".ics") && Attendus.count(f.Nom)) {
                EXPECT_EQ(Evenements(f.Octets), Attendus[f.Nom]) << f.Nom;
            }
        }
    }
}

TEST(AnneeScolaire, DuPremierSeptembreAuCinqJuillet) {
    const std::pair<QDate, int> Cas[] = {{QDate(2026, 12, 9), 2026}, {QDate(2026, 9, 1), 2026},
                                         {QDate(2027, 7, 5), 2026},  {QDate(2027, 7, 6), 2027},
                                         {QDate(2027, 8, 31), 2027}, {QDate(2027, 1, 1), 2026}};
    for (const auto& [Jour, Annee] : Cas) {
        const TPeriode p = AnneeScolaire(Jour);
        EXPECT_EQ(p.Du, QDate(Annee, 9, 1)) << Jour.toString().toStdString();
        EXPECT_EQ(p.Au, QDate(Annee + 1, 7, 5)) << Jour.toString().toStdString();
    }
}

// What a folder holds before publishing, and what it must hold after.
TEST_F(PublicationTest, LeDossierEstEcritEntierOuPasDuTout) {
    ConstruireEcole();
    Placer("C1", "Maths", 0, 32, 35);
    const struct {
        const char* Nom;
        std::vector<std::string> Avant; // "dossier/" makes a folder, else a file
        const char* Cible;
        const char* Refus; // empty: published
        std::vector<std::string> Apres;
    } Cas[] = {
        {"nouveau dossier", {}, "pub", "", {"pub/index.html", "pub/classe-C1.ics"}},
        {"publication précédente",
         {"pub/", "pub/vieux.html", "pub/.git/", "pub/.git/HEAD"},
         "pub",
         "",
         {"pub/index.html", "pub/.git/HEAD", "!pub/vieux.html"}},
        {"dossier d'autre chose",
         {"pub/", "pub/notes.txt", "pub/vieux.html"},
         "pub",
         "ce dossier contient autre chose qu'une publication (« notes.txt »)",
         {"pub/notes.txt", "pub/vieux.html", "!pub/index.html"}},
        {"un fichier à sa place", {"pub"}, "pub", "ce n'est pas un dossier", {"pub"}},
        {"parent absent", {}, "absent/pub", "son dossier parent n'existe pas", {"!absent"}},
    };
    for (const auto& c : Cas) {
        SCOPED_TRACE(c.Nom);
        QTemporaryDir Racine;
        const QDir Ici(Racine.path());
        for (const std::string& e : c.Avant)
            if (e.ends_with('/'))
                Ici.mkpath(QString::fromStdString(e));
            else {
                QFile f(Ici.filePath(QString::fromStdString(e)));
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write("avant");
            }
        std::string Refus;
        try {
            EcrireDossier(Ici.filePath(QLatin1String(c.Cible)),
                          Publication(AnneeScolaire(QDate(2026, 12, 9))));
        } catch (const EErreurPublication& Erreur) {
            Refus = Erreur.what();
        }
        EXPECT_EQ(Refus.empty(), std::string(c.Refus).empty()) << Refus;
        EXPECT_NE(Refus.find(c.Refus), std::string::npos) << Refus;
        for (const std::string& e : c.Apres)
            EXPECT_EQ(Ici.exists(QString::fromStdString(e.substr(e[0] == '!'))), e[0] != '!') << e;
        // Nothing of the work is left beside the folder.
        EXPECT_EQ(Ici.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                  qsizetype(c.Avant.empty() ? (Refus.empty() ? 1 : 0) : 1));
    }
}

} // namespace
