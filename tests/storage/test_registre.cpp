#include "storage/U_fichier.h"
#include "storage/U_registre.h"
#include "tests/storage/test_registre_dossiers.h"
#include "tests/support/MessagesScriptes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace {

const std::string CleHoralo = "Software\\Horalo";

class RegistreTest : public ::testing::Test {
protected:
    RegistreTest() { Sauveur = new TSauveur; }
    ~RegistreTest() override {
        DetruireGlobal(Registre);
        DetruireGlobal(Sauveur);
    }

    // Values stored beforehand, as a previous run would have left them.
    void Preparer(std::optional<std::uint32_t> Actif, std::optional<std::uint32_t> Niveaux) {
        TBaseRegistre Base;
        ASSERT_TRUE(Base.OuvrirCle(CleHoralo, true));
        if (Actif) {
            ASSERT_TRUE(Base.EcrireEntier("AnnuleActif", *Actif));
        }
        if (Niveaux) {
            ASSERT_TRUE(Base.EcrireEntier("MaxAnnule", *Niveaux));
        }
    }
    static std::optional<std::uint32_t> Stocke(const std::string& Nom) {
        TBaseRegistre Base;
        std::uint32_t Valeur = 0;
        if (Base.OuvrirCle(CleHoralo, false) && Base.LireEntier(Nom, Valeur))
            return Valeur;
        return std::nullopt;
    }

    TDossiersUtilisateur Dossiers;
    TMessagesScriptes Messages;
};

TEST_F(RegistreTest, FirstRunKeepsTheDefaultsAndWritesThemAtExit) {
    Registre = new TRegistre;
    EXPECT_TRUE(Sauveur->Actif);
    EXPECT_EQ(Sauveur->NiveauxMax, 30);
    TBaseRegistre Base;
    EXPECT_TRUE(Base.OuvrirCle(CleHoralo, false)); // the key was created
    EXPECT_EQ(Stocke("AnnuleActif"), std::nullopt);

    DetruireGlobal(Registre);
    EXPECT_EQ(Stocke("AnnuleActif"), 1u);
    EXPECT_EQ(Stocke("MaxAnnule"), 30u);
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(RegistreTest, ExitWritesTheSauveurInPlaceThen) {
    Registre = new TRegistre;
    // The Options dialog replaces Sauveur during the run.
    DetruireGlobal(Sauveur);
    Sauveur = new TSauveur;
    Sauveur->Actif = false;
    Sauveur->NiveauxMax = 7;
    DetruireGlobal(Registre);
    EXPECT_EQ(Stocke("AnnuleActif"), 0u);
    EXPECT_EQ(Stocke("MaxAnnule"), 7u);

    // And the next start reads them back.
    DetruireGlobal(Sauveur);
    Sauveur = new TSauveur;
    Registre = new TRegistre;
    EXPECT_FALSE(Sauveur->Actif);
    EXPECT_EQ(Sauveur->NiveauxMax, 7);
}

TEST_F(RegistreTest, NonZeroMeansEnabledAndOnlyTheLowEightBitsCount) {
    Preparer(2, 0x100 + 12);
    Registre = new TRegistre;
    EXPECT_TRUE(Sauveur->Actif);
    EXPECT_EQ(Sauveur->NiveauxMax, 12);
}

TEST_F(RegistreTest, MissingMaxAnnuleKeepsThirtyLevels) {
    Preparer(0, std::nullopt);
    Registre = new TRegistre;
    EXPECT_FALSE(Sauveur->Actif);
    EXPECT_EQ(Sauveur->NiveauxMax, 30);
}

TEST_F(RegistreTest, AValueOfAnotherTypeIsAFailure) {
    {
        Preparer(std::nullopt, 12);
        TBaseRegistre Base;
        ASSERT_TRUE(Base.OuvrirCle(CleHoralo, false));
        ASSERT_TRUE(Base.EcrireTexte("AnnuleActif", "0"));
    }
    // A failure on "AnnuleActif" stops before "MaxAnnule".
    Registre = new TRegistre;
    EXPECT_TRUE(Sauveur->Actif);
    EXPECT_EQ(Sauveur->NiveauxMax, 30);
    DetruireGlobal(Registre);

    // A text "MaxAnnule" after a sound "AnnuleActif": only the first is taken.
    {
        TBaseRegistre Base;
        ASSERT_TRUE(Base.OuvrirCle(CleHoralo, false));
        ASSERT_TRUE(Base.EcrireEntier("AnnuleActif", 0));
        ASSERT_TRUE(Base.EcrireTexte("MaxAnnule", "12"));
    }
    Sauveur->Actif = true;
    Sauveur->NiveauxMax = 30;
    Registre = new TRegistre;
    EXPECT_FALSE(Sauveur->Actif);
    EXPECT_EQ(Sauveur->NiveauxMax, 30);
}

TEST_F(RegistreTest, LevelsOutsideOneToNinetyNineAreIgnored) {
    // 0 would make the history divide by zero; 200 reads as a negative 8-bit count.
    for (const std::uint32_t Niveaux : {0u, 100u, 200u, 0x100u}) {
        Preparer(1, Niveaux);
        Sauveur->NiveauxMax = 30;
        Registre = new TRegistre;
        EXPECT_EQ(Sauveur->NiveauxMax, 30) << Niveaux;
        DetruireGlobal(Registre);
    }
    for (const std::uint32_t Niveaux : {1u, 99u}) {
        Preparer(1, Niveaux);
        Registre = new TRegistre;
        EXPECT_EQ(Sauveur->NiveauxMax, static_cast<std::int8_t>(Niveaux));
        DetruireGlobal(Registre);
    }
}

TEST_F(RegistreTest, ADamagedRegistryGivesTheDefaultsAndIsMendedAtExit) {
    TDossiersUtilisateur::Ecrire(Dossiers.FichierRegistre(),
                                 QByteArray("Horalo registre 1\n[Software\\Horalo]\n"
                                            "AnnuleActif\tentier\t0\nMaxAnnule\tentier\t1x\n"));
    Registre = new TRegistre;
    EXPECT_TRUE(Sauveur->Actif);
    EXPECT_EQ(Sauveur->NiveauxMax, 30);
    Sauveur->NiveauxMax = 15;
    DetruireGlobal(Registre);
    EXPECT_EQ(Stocke("AnnuleActif"), 1u);
    EXPECT_EQ(Stocke("MaxAnnule"), 15u);
}

TEST_F(RegistreTest, WithoutSauveurNothingIsReadOrWritten) {
    Preparer(0, 12);
    DetruireGlobal(Sauveur);
    Registre = new TRegistre;
    DetruireGlobal(Registre);
    EXPECT_EQ(Stocke("AnnuleActif"), 0u);
    EXPECT_EQ(Stocke("MaxAnnule"), 12u);
}

TEST_F(RegistreTest, TheLastFolderChangeIsTheNextInitialFolder) {
    Registre = new TRegistre;
    EXPECT_EQ(Registre->LireDossier(), "");
    // Paths are the platform's bytes and are not cut at 255.
    const std::string Long = "/srv/" + std::string(300, 'x');
    for (const std::string& Dossier :
         {std::string("/home/marie"), Long, std::string("/home/marie/Années scolaires")})
        Registre->EcrireDossier(Dossier);
    EXPECT_EQ(Registre->LireDossier(), "/home/marie/Années scolaires");
    Registre->EcrireDossier(Long);
    DetruireGlobal(Registre);

    Registre = new TRegistre;
    EXPECT_EQ(Registre->LireDossier(), Long);
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(RegistreTest, AFolderThatCannotBeStoredIsToldToTheUser) {
    // A regular file where the registry's folder belongs: the key never opens.
    TDossiersUtilisateur::Ecrire(Dossiers.Config + QStringLiteral("/Horalo"), "pas un dossier");
    Sauveur->NiveauxMax = 20;
    Registre = new TRegistre;
    EXPECT_EQ(Sauveur->NiveauxMax, 20);
    Registre->EcrireDossier("/home/marie");
    EXPECT_EQ(Messages.MontresUtf8(),
              std::vector<std::string>{"Erreur d'écriture dans la base de registre de windows"});
    EXPECT_EQ(Registre->LireDossier(), "");
    DetruireGlobal(Registre); // nothing to write to, and no complaint at exit
    EXPECT_EQ(Messages.Montres.size(), 1u);
}

// The file-type registration.
class AssociationTest : public ::testing::Test {
protected:
    QString Chemin(const char* Relatif) const {
        return Dossiers.Donnees + u'/' + QString::fromUtf8(Relatif);
    }
    QByteArray Contenu(const char* Relatif) const {
        return TDossiersUtilisateur::Lire(Chemin(Relatif));
    }
    QString Icone(const QByteArray& Png) const {
        const QString Fichier = Dossiers.Racine.filePath(QStringLiteral("source.png"));
        TDossiersUtilisateur::Ecrire(Fichier, Png);
        return Fichier;
    }
    static QByteArray EntetePng(quint32 Largeur, quint32 Hauteur) {
        QByteArray Png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
        for (const quint32 v : {Largeur, Hauteur})
            for (int Decalage : {24, 16, 8, 0})
                Png += static_cast<char>((v >> Decalage) & 0xFF);
        return Png + QByteArray("\x08\x06\0\0\0", 5);
    }

    TDossiersUtilisateur Dossiers;
    TMessagesScriptes Messages;
};

TEST_F(AssociationTest, DeclaresTheTypeAndOpensItWithTheProgram) {
    TRegistre::AssocierExtension(QStringLiteral("/opt/Horalo 2/horalo"), QString());
    const QByteArray Mime = Contenu("mime/packages/horalo-edt.xml");
    EXPECT_TRUE(Mime.contains("<mime-type type=\"application/x-horalo-edt\">"));
    EXPECT_TRUE(Mime.contains("<glob pattern=\"*.edt\"/>"));
    EXPECT_TRUE(Mime.contains("<comment>Horalo fichier</comment>"));
    const QList<QByteArray> Lignes = Contenu("applications/horalo.desktop").split('\n');
    EXPECT_EQ(Lignes.value(0), "[Desktop Entry]");
    EXPECT_TRUE(Lignes.contains("Exec=\"/opt/Horalo 2/horalo\" %f"));
    EXPECT_TRUE(Lignes.contains("MimeType=application/x-horalo-edt;"));
    EXPECT_TRUE(Lignes.contains("Icon=horalo"));
    EXPECT_TRUE(Lignes.contains("Type=Application"));
    // The database is rebuilt in the background: the start-up does not wait for it.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        QDeadlineTimer Limite(20000);
        while (!QFileInfo::exists(Chemin("mime/mime.cache")) && !Limite.hasExpired())
            QThread::msleep(20);
        EXPECT_TRUE(QFileInfo::exists(Chemin("mime/mime.cache")));
    }
    EXPECT_TRUE(Messages.Montres.empty());
}

// Installed as a package, Horalo declares nothing in the user's folder, and takes back
// what a run from a build tree declared there before.
TEST_F(AssociationTest, AnInstalledPackageIsNotDeclaredAgain) {
    TRegistre::AssocierExtension(QStringLiteral("/opt/horalo/horalo"), QString());
    TDossiersUtilisateur::Ecrire(Dossiers.Systeme + QStringLiteral("/mime/packages/horalo.xml"),
                                 "<mime-info/>");
    TRegistre::AssocierExtension(QStringLiteral("/usr/bin/horalo"), QString());
    EXPECT_FALSE(QFileInfo::exists(Chemin("mime/packages/horalo-edt.xml")));
    EXPECT_FALSE(QFileInfo::exists(Chemin("applications/horalo.desktop")));
}

TEST_F(AssociationTest, AMovedProgramIsNamedAtTheNextStart) {
    TRegistre::AssocierExtension(QStringLiteral("/opt/horalo/horalo"), QString());
    TRegistre::AssocierExtension(QStringLiteral("/home/marie/bin/horalo"), QString());
    const QByteArray Entree = Contenu("applications/horalo.desktop");
    EXPECT_TRUE(Entree.contains("\nExec=\"/home/marie/bin/horalo\" %f\n"));
    EXPECT_FALSE(Entree.contains("/opt/horalo"));
}

TEST_F(AssociationTest, ReservedCharactersOfThePathAreEscaped) {
    TRegistre::AssocierExtension(QString::fromUtf8("/tmp/a$b\"c\\d%e`f é"), QString());
    // In the argument: \$ \" \\ %% \`; then every backslash of the value doubles.
    EXPECT_TRUE(Contenu("applications/horalo.desktop")
                    .contains("\nExec=\"/tmp/a\\\\$b\\\\\"c\\\\\\\\d%%e\\\\`f \xc3\xa9\" %f\n"));
}

TEST_F(AssociationTest, WithoutAProgramPathThereIsNoDesktopEntry) {
    TRegistre::AssocierExtension(QString(), QString());
    EXPECT_TRUE(QFileInfo::exists(Chemin("mime/packages/horalo-edt.xml")));
    EXPECT_FALSE(QFileInfo::exists(Chemin("applications/horalo.desktop")));
}

TEST_F(AssociationTest, NamesTheRunningProgram) {
    std::optional<QCoreApplication> Application;
    int argc = 1;
    char Nom[] = "test_storage";
    char* argv[] = {Nom, nullptr};
    if (!QCoreApplication::instance())
        Application.emplace(argc, argv);
    ASSERT_TRUE(Registre == nullptr);
    TRegistre Local;
    Local.AssocierExtension();
    const QString Attendu = QStringLiteral("Exec=\"") + QCoreApplication::applicationFilePath() +
                            QStringLiteral("\" %f");
    EXPECT_FALSE(QCoreApplication::applicationFilePath().isEmpty());
    EXPECT_TRUE(
        QString::fromUtf8(Contenu("applications/horalo.desktop")).split(u'\n').contains(Attendu));
}

TEST_F(AssociationTest, InstallsTheIconInTheSizeItHas) {
    const QByteArray Carre = EntetePng(48, 48);
    TRegistre::AssocierExtension(QStringLiteral("/opt/horalo"), Icone(Carre));
    EXPECT_EQ(Contenu("icons/hicolor/48x48/apps/horalo.png"), Carre);

    // A size the theme does not list goes to the unthemed folder; what is no PNG nowhere.
    const QByteArray Large = EntetePng(100, 60);
    TRegistre::AssocierExtension(QStringLiteral("/opt/horalo"), Icone(Large));
    EXPECT_EQ(Contenu("icons/horalo.png"), Large);
    const QDir Icones(Chemin("icons"));
    const auto Avant = Icones.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    TRegistre::AssocierExtension(QStringLiteral("/opt/horalo"), Icone("GIF89a pas un png"));
    EXPECT_EQ(Icones.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), Avant);
    EXPECT_EQ(Contenu("icons/horalo.png"), Large);
}

TEST_F(AssociationTest, EachFileThatCannotBeWrittenIsSkippedSilently) {
    // A regular file where the desktop entries' folder belongs: the others still come.
    TDossiersUtilisateur::Ecrire(Chemin("applications"), "pas un dossier");
    const QByteArray Png = EntetePng(64, 64);
    TRegistre::AssocierExtension(QStringLiteral("/opt/horalo"), Icone(Png));
    EXPECT_TRUE(QFileInfo::exists(Chemin("mime/packages/horalo-edt.xml")));
    EXPECT_EQ(Contenu("icons/hicolor/64x64/apps/horalo.png"), Png);
    EXPECT_EQ(Contenu("applications"), "pas un dossier");
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(AssociationTest, AnUnwritableDataFolderIsSkippedSilently) {
    TDossiersUtilisateur::Ecrire(Dossiers.Racine.filePath(QStringLiteral("fichier")), "x");
    qputenv("XDG_DATA_HOME",
            QFile::encodeName(Dossiers.Racine.filePath(QStringLiteral("fichier/data"))));
    TRegistre::AssocierExtension(QStringLiteral("/opt/horalo"), Icone(EntetePng(48, 48)));
    EXPECT_FALSE(QFileInfo::exists(Dossiers.Racine.filePath(QStringLiteral("fichier/data"))));
    EXPECT_EQ(TDossiersUtilisateur::Lire(Dossiers.Racine.filePath(QStringLiteral("fichier"))), "x");
    EXPECT_TRUE(Messages.Montres.empty());
}

} // namespace
