#include "storage/U_baseregistre.h"
#include "tests/storage/test_registre_dossiers.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class BaseRegistreTest : public ::testing::Test {
protected:
    TDossiersUtilisateur Dossiers;
    TBaseRegistre Base;
};

std::string TousLesOctets() {
    std::string Texte;
    for (int o = 0; o < 256; ++o)
        Texte += static_cast<char>(o);
    return Texte;
}

TEST_F(BaseRegistreTest, LivesInTheUsersConfigurationFolder) {
    EXPECT_EQ(Base.Fichier(), Dossiers.FichierRegistre());
    EXPECT_FALSE(QFileInfo::exists(Base.Fichier()));
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    EXPECT_TRUE(QFileInfo::exists(Base.Fichier()));
}

TEST_F(BaseRegistreTest, EveryTypeAndEveryByteSurvivesTheFile) {
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    const std::string Bizarre = "\t[x]%41\r\n";
    ASSERT_TRUE(Base.EcrireEntier("Zero", 0));
    ASSERT_TRUE(Base.EcrireEntier("Max", 0xFFFFFFFFu));
    ASSERT_TRUE(Base.EcrireTexte("Octets", TousLesOctets()));
    ASSERT_TRUE(Base.EcrireTexte("Vide", ""));
    ASSERT_TRUE(Base.EcrireTexte(Bizarre, "nom difficile"));
    ASSERT_TRUE(Base.EcrireTexte("", "valeur par défaut"));
    ASSERT_TRUE(Base.EcrireBinaire("Drapeaux", {0, 0, 0, 0}));
    ASSERT_TRUE(Base.EcrireBinaire("Tout", {0x00, 0x7F, 0x80, 0xFF}));
    ASSERT_TRUE(Base.EcrireBinaire("Rien", {}));

    // A second object reads the file afresh.
    TBaseRegistre Autre;
    ASSERT_TRUE(Autre.OuvrirCle("Software\\Horalo", false));
    std::uint32_t Entier = 7;
    ASSERT_TRUE(Autre.LireEntier("Zero", Entier));
    EXPECT_EQ(Entier, 0u);
    ASSERT_TRUE(Autre.LireEntier("Max", Entier));
    EXPECT_EQ(Entier, 0xFFFFFFFFu);
    std::string Texte;
    ASSERT_TRUE(Autre.LireTexte("Octets", Texte));
    EXPECT_EQ(Texte, TousLesOctets());
    ASSERT_TRUE(Autre.LireTexte("Vide", Texte));
    EXPECT_EQ(Texte, "");
    ASSERT_TRUE(Autre.LireTexte(Bizarre, Texte));
    EXPECT_EQ(Texte, "nom difficile");
    ASSERT_TRUE(Autre.LireTexte("", Texte));
    EXPECT_EQ(Texte, "valeur par défaut");
    std::vector<std::uint8_t> Octets;
    ASSERT_TRUE(Autre.LireBinaire("Drapeaux", Octets));
    EXPECT_EQ(Octets, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    ASSERT_TRUE(Autre.LireBinaire("Tout", Octets));
    EXPECT_EQ(Octets, (std::vector<std::uint8_t>{0x00, 0x7F, 0x80, 0xFF}));
    ASSERT_TRUE(Autre.LireBinaire("Rien", Octets));
    EXPECT_TRUE(Octets.empty());
}

TEST_F(BaseRegistreTest, TheFileIsPlainTextOneValueALine) {
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    ASSERT_TRUE(Base.EcrireEntier("AnnuleActif", 1));
    ASSERT_TRUE(Base.EcrireTexte("SaveDir", "/home/élève/EDT 2024"));
    ASSERT_TRUE(Base.EcrireBinaire("EditFlags", {0, 0, 0, 0xAB}));
    EXPECT_EQ(TDossiersUtilisateur::Lire(Base.Fichier()),
              QByteArray("Horalo registre 1\n"
                         "[Software\\Horalo]\n"
                         "AnnuleActif\tentier\t1\n"
                         "SaveDir\ttexte\t/home/%c3%a9l%c3%a8ve/EDT 2024\n"
                         "EditFlags\tbinaire\t000000ab\n"));
}

TEST_F(BaseRegistreTest, ReadingAnotherTypeOrAnAbsentValueFails) {
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    ASSERT_TRUE(Base.EcrireTexte("AnnuleActif", "1"));
    ASSERT_TRUE(Base.EcrireEntier("MaxAnnule", 30));
    ASSERT_TRUE(Base.EcrireBinaire("EditFlags", {1}));

    std::uint32_t Entier = 99;
    std::string Texte = "inchangé";
    std::vector<std::uint8_t> Octets{9};
    EXPECT_FALSE(Base.LireEntier("AnnuleActif", Entier));
    EXPECT_FALSE(Base.LireEntier("EditFlags", Entier));
    EXPECT_FALSE(Base.LireEntier("Absent", Entier));
    EXPECT_FALSE(Base.LireTexte("MaxAnnule", Texte));
    EXPECT_FALSE(Base.LireBinaire("AnnuleActif", Octets));
    // A failed read leaves the caller's variable alone.
    EXPECT_EQ(Entier, 99u);
    EXPECT_EQ(Texte, "inchangé");
    EXPECT_EQ(Octets, std::vector<std::uint8_t>{9});

    // Writing another type replaces the value.
    ASSERT_TRUE(Base.EcrireEntier("AnnuleActif", 0));
    EXPECT_TRUE(Base.LireEntier("AnnuleActif", Entier));
    EXPECT_EQ(Entier, 0u);
    EXPECT_FALSE(Base.LireTexte("AnnuleActif", Texte));
}

TEST_F(BaseRegistreTest, KeysAndNamesIgnoreLetterCaseAndOuterBackslashes) {
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    ASSERT_TRUE(Base.EcrireEntier("MaxAnnule", 12));
    ASSERT_TRUE(Base.EcrireEntier("MAXANNULE", 13)); // the same value, not a second one

    TBaseRegistre Autre;
    ASSERT_TRUE(Autre.OuvrirCle("\\SOFTWARE\\horalo\\", false));
    std::uint32_t Entier = 0;
    ASSERT_TRUE(Autre.LireEntier("maxannule", Entier));
    EXPECT_EQ(Entier, 13u);
    EXPECT_EQ(TDossiersUtilisateur::Lire(Base.Fichier()).count("MaxAnnule"), 1);
    EXPECT_EQ(TDossiersUtilisateur::Lire(Base.Fichier()).count("Horalo]"), 1);

    // Keys are distinct by their whole path.
    ASSERT_TRUE(Autre.OuvrirCle("Software", true));
    EXPECT_FALSE(Autre.LireEntier("MaxAnnule", Entier));
}

TEST_F(BaseRegistreTest, OpeningWithoutCreatingNeedsAnExistingKey) {
    EXPECT_FALSE(Base.OuvrirCle("Software\\Horalo", false));
    EXPECT_FALSE(Base.CleOuverte());
    EXPECT_FALSE(QFileInfo::exists(Base.Fichier()));
    for (const char* Mauvais : {"Software\\\\Horalo", "\\\\Software", "Software\\\\"})
        EXPECT_FALSE(Base.OuvrirCle(Mauvais, true)) << Mauvais;

    // Nothing is open after a failure, so nothing is read or written.
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    EXPECT_FALSE(Base.OuvrirCle("Software\\Absente", false));
    std::uint32_t Entier = 0;
    EXPECT_FALSE(Base.EcrireEntier("AnnuleActif", 1));
    EXPECT_FALSE(Base.LireEntier("AnnuleActif", Entier));

    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    Base.FermerCle();
    EXPECT_FALSE(Base.EcrireTexte("SaveDir", "/tmp"));
}

TEST_F(BaseRegistreTest, TwoObjectsOnOneFileKeepEachOthersValues) {
    TBaseRegistre Autre;
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    ASSERT_TRUE(Autre.OuvrirCle("Software\\Horalo", true));
    ASSERT_TRUE(Base.EcrireEntier("AnnuleActif", 0));
    ASSERT_TRUE(Autre.EcrireTexte("SaveDir", "/srv"));
    ASSERT_TRUE(Base.EcrireEntier("MaxAnnule", 5));

    std::uint32_t Entier = 1;
    std::string Texte;
    EXPECT_TRUE(Autre.LireEntier("AnnuleActif", Entier));
    EXPECT_EQ(Entier, 0u);
    EXPECT_TRUE(Base.LireTexte("SaveDir", Texte));
    EXPECT_EQ(Texte, "/srv");
}

struct TFichierAbime {
    const char* Nom;
    const char* Contenu;
};

class RegistreAbimeTest : public BaseRegistreTest,
                          public ::testing::WithParamInterface<TFichierAbime> {};

TEST_P(RegistreAbimeTest, ReadsAsEmptyAndTheNextWriteMendsItKeepingTheOldFileAside) {
    const QByteArray Abime(GetParam().Contenu);
    TDossiersUtilisateur::Ecrire(Base.Fichier(), Abime);
    std::uint32_t Entier = 0;
    EXPECT_FALSE(Base.OuvrirCle("Software\\Horalo", false));
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    EXPECT_FALSE(Base.LireEntier("AnnuleActif", Entier));
    ASSERT_TRUE(Base.EcrireEntier("MaxAnnule", 20));

    TBaseRegistre Autre;
    ASSERT_TRUE(Autre.OuvrirCle("Software\\Horalo", false));
    ASSERT_TRUE(Autre.LireEntier("MaxAnnule", Entier));
    EXPECT_EQ(Entier, 20u);

    // The user's values can still be recovered from the damaged file, byte for byte.
    QFile Cote(Base.Fichier() + QStringLiteral(".damaged"));
    ASSERT_TRUE(Cote.open(QIODevice::ReadOnly));
    EXPECT_EQ(Cote.readAll(), Abime);
    EXPECT_FALSE(QFileInfo::exists(Base.Fichier() + QStringLiteral(".damaged.2")));
}

// Beyond the first, each would read AnnuleActif = 0 if the reader were lenient.
#define ENTETE "Horalo registre 1\n"
#define SAIN ENTETE "[Software\\Horalo]\nAnnuleActif\tentier\t0\n"
INSTANTIATE_TEST_SUITE_P(
    Fichiers, RegistreAbimeTest,
    ::testing::Values(
        TFichierAbime{"Vide", ""},
        TFichierAbime{"AutreVersion",
                      "Horalo registre 2\n[Software\\Horalo]\nAnnuleActif\tentier\t0\n"},
        TFichierAbime{"SansEntete", "[Software\\Horalo]\nAnnuleActif\tentier\t0\n"},
        TFichierAbime{"ValeurHorsCle", ENTETE "AnnuleActif\tentier\t0\n[Software\\Horalo]\n"},
        TFichierAbime{"TypeInconnu", SAIN "X\tfloat\t1\n"},
        TFichierAbime{"EntierSigne", SAIN "X\tentier\t-0\n"},
        TFichierAbime{"EntierTropGrand", SAIN "X\tentier\t4294967296\n"},
        TFichierAbime{"EntierVide", SAIN "X\tentier\t\n"},
        TFichierAbime{"EchappementCourt", SAIN "X\ttexte\t%4\n"},
        TFichierAbime{"EchappementInvalide", SAIN "X\ttexte\t%zz\n"},
        TFichierAbime{"TabulationEnTrop", SAIN "X\ttexte\ta\tb\n"},
        TFichierAbime{"BinaireImpair", SAIN "X\tbinaire\t0\n"},
        TFichierAbime{"SansTabulation", SAIN "sans tabulation\n"},
        TFichierAbime{"ValeurEnDouble", SAIN "annuleactif\tentier\t1\n"},
        TFichierAbime{"CleEnDouble", SAIN "[software\\horalo]\n"},
        TFichierAbime{"CheminAPartieVide", ENTETE "[Software\\\\Horalo]\n[Software\\Horalo]\n"
                                                  "AnnuleActif\tentier\t0\n"},
        TFichierAbime{"CleNonFermee", ENTETE "[Software\\Horalo\nAnnuleActif\tentier\t0\n"},
        TFichierAbime{"OctetsBruts", SAIN "\xff\xfe\x01\n"}),
    [](const ::testing::TestParamInfo<TFichierAbime>& Info) {
        return std::string(Info.param.Nom);
    });
#undef SAIN
#undef ENTETE

TEST_F(BaseRegistreTest, CarriageReturnsAndBlankLinesAreAccepted) {
    TDossiersUtilisateur::Ecrire(
        Base.Fichier(), "Horalo registre 1\r\n\r\n[Software\\Horalo]\r\nAnnuleActif\tentier\t0");
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", false));
    std::uint32_t Entier = 1;
    ASSERT_TRUE(Base.LireEntier("AnnuleActif", Entier));
    EXPECT_EQ(Entier, 0u);
}

// Nor is a named pipe waited on.
TEST_F(BaseRegistreTest, AnOversizedFileOrAPipeReadsAsEmpty) {
    QByteArray Enorme("Horalo registre 1\n[Software\\Horalo]\nAnnuleActif\tentier\t0\nX\ttexte\t");
    Enorme += QByteArray(2 << 20, 'a');
    Enorme += '\n';
    TDossiersUtilisateur::Ecrire(Base.Fichier(), Enorme);
    EXPECT_FALSE(Base.OuvrirCle("Software\\Horalo", false));
    ASSERT_TRUE(QFile::remove(Base.Fichier()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Base.Fichier()).constData(), 0600), 0);
    EXPECT_FALSE(Base.OuvrirCle("Software\\Horalo", false));
}

TEST_F(BaseRegistreTest, AFolderInTheWayMakesOpeningAndWritingFail) {
    // A regular file where the registry's folder belongs.
    TDossiersUtilisateur::Ecrire(Dossiers.Config + QStringLiteral("/Horalo"), "pas un dossier");
    EXPECT_FALSE(Base.OuvrirCle("Software\\Horalo", true));

    // A folder where the registry file belongs: its key can be neither read nor made.
    TBaseRegistre Ailleurs(Dossiers.Config + QStringLiteral("/autre/registre"));
    ASSERT_TRUE(QDir().mkpath(Ailleurs.Fichier()));
    EXPECT_FALSE(Ailleurs.OuvrirCle("Software\\Horalo", true));
}

TEST_F(BaseRegistreTest, AWriteThatFailsReportsItAndKeepsTheKeyOpen) {
    ASSERT_TRUE(Base.OuvrirCle("Software\\Horalo", true));
    ASSERT_TRUE(Base.EcrireEntier("MaxAnnule", 12));
    const QByteArray Avant = TDossiersUtilisateur::Lire(Base.Fichier());
    // The file's folder is replaced by a regular file between two writes.
    const QString Dossier = Dossiers.Config + QStringLiteral("/Horalo");
    ASSERT_TRUE(QDir().rename(Dossier, Dossier + QStringLiteral(".mis-de-cote")));
    TDossiersUtilisateur::Ecrire(Dossier, "pas un dossier");
    EXPECT_FALSE(Base.EcrireEntier("MaxAnnule", 13));
    EXPECT_TRUE(Base.CleOuverte());

    // Once the folder is back, the old file is whole and writing works again.
    ASSERT_TRUE(QFile::remove(Dossier));
    ASSERT_TRUE(QDir().rename(Dossier + QStringLiteral(".mis-de-cote"), Dossier));
    EXPECT_EQ(TDossiersUtilisateur::Lire(Base.Fichier()), Avant);
    EXPECT_TRUE(Base.EcrireEntier("MaxAnnule", 13));
}

} // namespace
