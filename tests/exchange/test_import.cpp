#include "exchange/U_import.h"
#include "exchange/U_importcsv.h"
#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString Donnee(const char* Nom) {
    return QStringLiteral(HORALO_TEST_DATA "/") + QLatin1String(Nom);
}

class ImportTest : public ModeleTest {
protected:
    QString Fichier(const char* Nom, const QByteArray& Octets) {
        QFile f(Dossier.filePath(QLatin1String(Nom)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Octets);
        return f.fileName();
    }
    // The report's cases, then its last line.
    std::vector<std::string> Importer(const QString& Chemin, TReglagesFet Reglages = {}) {
        TEcoleImportee Ecole = LireImport(Chemin, EstFichierFet(Chemin), Reglages);
        ::ConstruireEcole(Ecole);
        std::vector<std::string> Lignes = Ecole.Rapport.Cas();
        Lignes.push_back(Ecole.Rapport.Bilan());
        return Lignes;
    }
    static std::string Profs(const std::string& Classe) {
        const TClasse& c = *LesClasses->Trouver(Ansi(Classe));
        std::string Texte;
        for (std::size_t n = 1; n <= c.Serie->Heures->Nombre(); ++n) {
            const std::string& m = c.Serie->Heures->Numero(n)->Nom;
            Texte += Utf8(m) + ":" + Utf8(c.ProfDe(m)) + " ";
        }
        return Texte;
    }

    QTemporaryDir Dossier;
};

TEST_F(ImportTest, TableauDesServicesSignaleChaqueLigneNonImportee) {
    EXPECT_EQ(
        Importer(Donnee("services.csv")),
        (std::vector<std::string>{
            "ligne 5 : la série Seconde a Français en 04h00 (ligne 3), pas en 04h30.",
            "ligne 8 : M. Martin enseigne déjà Mathématiques (ligne 2) : un professeur "
            "n'enseigne qu'une matière.",
            "ligne 9 : volume illisible « trois heures » (HHhMM ou nombre de quarts d'heure, une "
            "semaine au plus).",
            "ligne 10 : volume illisible « 03h10 » (HHhMM ou nombre de quarts d'heure, une "
            "semaine au plus).",
            "ligne 11 : matière : « Chinois 中文 » ne s'écrit pas en Windows-1252.",
            "ligne 12 : 5 champs attendus (classe;serie;matiere;volume;professeur), 4 lus.",
            "ligne 14 : Mathématiques de 2nde 1 est déjà donnée (ligne 2).",
            "ligne 15 : la classe 1ère S est de la série Première (ligne 13).",
            "ligne 16 : guillemets mal placés.", "ligne 17 : guillemets mal placés.",
            "2nde 1 n'a pas de ligne pour Histoire; géo de sa série Seconde : elle l'aura sans "
            "professeur.",
            "2nde 2 n'a pas de ligne pour Français de sa série Seconde : elle l'aura sans "
            "professeur.",
            "Importé : 5 activités, 96 quarts d'heure ; non importé : 10 activités, 62 quarts "
            "d'heure."}));
    EXPECT_EQ(Profs("2nde 1"), "Mathématiques:M. Martin Français:Mme Dupré Histoire; géo: ");
    EXPECT_EQ(Profs("2nde 2"), "Mathématiques:M. Martin Français: Histoire; géo:M. \"Bob\" Roy ");
    EXPECT_EQ(Profs("1ère S"), "Latin: ");
    EXPECT_EQ(Matieres(*LesSeries->Trouver("Seconde")),
              Ansi("Mathématiques 16 15189927, Français 16 10921716, Histoire; géo 12 10279161"));
    EXPECT_EQ(Heures(*LesProfs->Trouver("M. Martin")->Heures),
              Ansi("2nde 1 16 15189927, 2nde 2 16 10921716"));
}

// Separator, encoding and quoting are read as spreadsheets write them.
TEST_F(ImportTest, SeparateurEncodageEtGuillemetsSontDetectes) {
    const struct {
        const char* Nom;
        QByteArray Octets;
        const char* Classe; // UTF-8
        const char* Prof;
    } Cas[] = {
        {"windows-1252 et virgules",
         "classe,serie,matiere,volume,professeur\r\n2nde 1,S\xE9rie,M,4h00,\"Dupr\xE9, Jean\"\r\n",
         "2nde 1", "Dupré, Jean"},
        {"UTF-8 avec marque d'ordre",
         "\xEF\xBB\xBF"
         "Cl\xC3\xA9"
         "a;S;M;16;P\xC3\xA9r\xC3\xA8s\n",
         "Cléa", "Pérès"},
        {"guillemets doublés et séparateur entre guillemets", "\"A;B\";S;M;16;\"Le \"\"Chef\"\"\"",
         "A;B", "Le \"Chef\""},
    };
    for (const auto& c : Cas) {
        SCOPED_TRACE(c.Nom);
        LesClasses->Vider();
        LesProfs->Vider();
        LesSeries->Vider();
        EXPECT_EQ(Importer(Fichier("t.csv", c.Octets)).back(),
                  "Importé : 1 activités, 16 quarts d'heure ; non importé : 0 activités, 0 quarts "
                  "d'heure.");
        EXPECT_EQ(LesClasses->Trouver(Ansi(c.Classe))->ProfDe("M"), Ansi(c.Prof));
    }
}

TEST(VolumeLu, HeuresMinutesOuQuartsDHeure) {
    const std::pair<const char*, int> Cas[] = {
        {"04h00", 16}, {"4h00", 16}, {"16", 16},   {"04h45", 19},        {"72h00", 288},
        {"0", 0},      {"00h00", 0}, {"03h10", 0}, {"72h15", 0},         {"289", 0},
        {"-4", 0},     {"+4", 0},    {"4h", 0},    {"h30", 0},           {"4h000", 0},
        {"", 0},       {"4,5", 0},   {" 4", 0},    {"99999999999999", 0}};
    for (const auto& [Texte, Volume] : Cas)
        EXPECT_EQ(VolumeLu(Texte), Volume) << Texte;
}

TEST_F(ImportTest, EcoleFetSignaleCeQuiNeSeRepresentePas) {
    EXPECT_EQ(
        Importer(Donnee("ecole.fet")),
        (std::vector<std::string>{
            "activité 7 (Français) : 2 professeurs ; non importée.",
            "activité 8 (Anglais) : 2 ensembles d'élèves ; non importée.",
            "activité 9 (Anglais) : sous-groupe « 2B1 » ; non importée.",
            "activité 10 (Anglais) : toute l'année « Seconde », qui a des groupes ; non importée.",
            "activité 11 (EPS) : elle n'a pas de professeur ; non importée.",
            "activité 12 (Anglais) : elle est désactivée ; non importée.",
            "activité 14 (Français) : Français de Terminale a déjà pour professeur Roy ; non "
            "importée.",
            "activité 15 (Chinois 中文) : « Chinois 中文 » ne s'écrit pas en Windows-1252 ; non "
            "importée.",
            "activité 16 (Latin) : ensemble d'élèves inconnu « Inconnus » ; non importée.",
            "Martin enseigne 2 matières : il devient Martin (Maths), Martin (Physique).",
            "activité 3 : son début verrouillé (Lundi, H12) ne tombe pas dans la grille ; elle "
            "reste à placer.",
            "1 sous-groupe non représenté(s).", "1 salle non importée(s).",
            "1 contrainte ConstraintActivityPreferredRoom non importée(s).",
            "1 contrainte ConstraintActivityPreferredStartingTime non importée(s).",
            "1 contrainte ConstraintTeacherNotAvailableTimes non importée(s).",
            "2A, Français le Lundi à 09h00 : la place n'est pas libre ; le cours reste à placer.",
            "Importé : 7 activités, 72 quarts d'heure ; non importé : 9 activités, 44 quarts "
            "d'heure."}));
    // Groups of the same subjects share the year's series; a year without groups is a class.
    EXPECT_EQ(LesClasses->Trouver("2B")->Serie, LesClasses->Trouver("2A")->Serie);
    EXPECT_EQ(Matieres(*LesSeries->Trouver("Terminale")),
              Ansi("Physique 8 10279161, Français 8 10921716"));
    EXPECT_EQ(Profs("Terminale"), "Physique:Martin (Physique) Français:Roy ");
    // The two locked starts that fit are placed and locked: two hours each.
    EXPECT_EQ(LesClasses->Trouver("2A")->LireCase(0, 39), "Maths");
    EXPECT_TRUE(LesClasses->Trouver("2A")->Verrouillee(1, 40));
    EXPECT_EQ(LesProfs->Trouver("Martin (Maths)")->LireCase(1, 40), "2A");
    EXPECT_EQ(LesProfs->Trouver("Martin (Maths)")->CompterQuarts("2A"), 16);
}

TEST_F(ImportTest, UneHeureFetDeQuaranteCinqMinutesCommenceQuandOnLeDit) {
    EXPECT_EQ(Importer(Donnee("ecole.fet"), {45, 34}).back(),
              "Importé : 7 activités, 54 quarts d'heure ; non importé : 9 activités, 33 quarts "
              "d'heure.");
    EXPECT_EQ(LesClasses->Trouver("2A")->LireCase(0, 33), ""); // starts at 08h30
    EXPECT_EQ(LesClasses->Trouver("2A")->LireCase(0, 34), "Maths");
    EXPECT_EQ(LesClasses->Trouver("2A")->LireCase(0, 40), "");
}

// Refused whole, or the case reported, quickly and without reading what is too large.
TEST_F(ImportTest, UneEntreeHostileEstRefuseeVite) {
    const std::string Long(10000, 'x');
    QByteArray Rires = "<?xml version=\"1.0\"?>\n<!DOCTYPE fet [\n<!ENTITY a0 \"ha\">\n";
    for (int k = 1; k < 30; ++k)
        Rires += QStringLiteral("<!ENTITY a%1 \"&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;\">\n")
                     .arg(k)
                     .arg(k - 1)
                     .toLatin1();
    Rires += "]>\n<fet><Institution_Name>&a29;</Institution_Name></fet>\n";
    const struct {
        const char* Nom;
        QByteArray Octets;
        const char* Attendu;
    } Cas[] = {
        {"binaire.csv", QByteArray("2nde;S;M;16;P\0\x01\x02", 16), "ce n'est pas un fichier texte"},
        {"pas-xml.fet", "classe;serie;matiere;volume;professeur\n", "pas un fichier FET lisible"},
        {"rires.fet", Rires, "déclare un type de document"},
        {"autre.fet", "<?xml version=\"1.0\"?><html/>", "élément racine n'est pas « fet »"},
        {"coupe.fet", "<fet><Activities_List><Activity>", "pas un fichier FET lisible"},
        {"noms.csv", QByteArray::fromStdString("a;S;" + Long + ";16;P\n"),
         "ligne 1 : ligne trop longue (plus de 4096 octets)."},
        {"noms.fet",
         QByteArray::fromStdString("<fet><Students_List><Year><Name>Y</Name></Year></Students_List>"
                                   "<Activities_List><Activity><Teacher>T</Teacher><Subject>" +
                                   Long +
                                   "</Subject><Students>Y</Students><Duration>1</Duration>"
                                   "<Id>1</Id></Activity></Activities_List></fet>"),
         "est trop long (255 caractères au plus) ; non importée."},
    };
    for (const auto& c : Cas) {
        SCOPED_TRACE(c.Nom);
        QElapsedTimer Chrono;
        Chrono.start();
        std::string Dit;
        try {
            for (const std::string& Ligne : Importer(Fichier(c.Nom, c.Octets)))
                Dit += Ligne + "\n";
        } catch (const EErreurImport& Erreur) {
            Dit = Erreur.what();
        }
        EXPECT_NE(Dit.find(c.Attendu), std::string::npos) << Dit;
        EXPECT_LT(Chrono.elapsed(), 1000);
        LesClasses->Vider();
        LesProfs->Vider();
        LesSeries->Vider();
    }
    // A gigabyte on a single line: refused by its size, never read.
    QFile Enorme(Dossier.filePath(QStringLiteral("enorme.csv")));
    ASSERT_TRUE(Enorme.open(QIODevice::WriteOnly) && Enorme.resize(qint64(1) << 30));
    Enorme.close();
    QElapsedTimer Chrono;
    Chrono.start();
    EXPECT_THROW(
        {
            try {
                LireImport(Enorme.fileName(), false);
            } catch (const EErreurImport& Erreur) {
                EXPECT_NE(std::string(Erreur.what()).find("il dépasse 16 Mo"), std::string::npos);
                throw;
            }
        },
        EErreurImport);
    EXPECT_LT(Chrono.elapsed(), 1000);
}

} // namespace
