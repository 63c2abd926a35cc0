// The help window over the collection generated from the French pages.
#include "ui/main/U_aideqt.h"

#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

const std::string Bienvenue = "Bienvenue dans l'aide de Horalo";

QString Construite() {
    return TrouverCollection(QCoreApplication::applicationDirPath());
}

// Puts the built collection and its documentation into a folder.
void Deposer(const QDir& Dossier) {
    const QDir Source = QFileInfo(Construite()).dir();
    for (const QString& Nom : {QStringLiteral("horalo.qhc"), QStringLiteral("horalo.qch")})
        ASSERT_TRUE(QFile::copy(Source.filePath(Nom), Dossier.filePath(Nom)));
}

// Each test opens its own copy of the built collection (CopierCollection), since the engine
// writes its search index beside it.
class Aide : public ::testing::Test {
protected:
    Aide() : Collection(CopierCollection(Construite(), Dossier.path())), Visionneuse(Collection) {}
    void SetUp() override { ASSERT_FALSE(Collection.isEmpty()) << "no help collection built"; }

    TFAide& Fenetre() const { return *Visionneuse.Fenetre(); }
    std::string Titre() const { return Fenetre().TitrePage().toStdString(); }
    template <class T> T* Controle(const char* Nom) const {
        T* c = Fenetre().findChild<T*>(QString::fromLatin1(Nom));
        EXPECT_NE(c, nullptr) << Nom;
        return c;
    }

    QTemporaryDir Dossier;
    QString Collection;
    TAideQt Visionneuse;
};

} // namespace

TEST_F(Aide, EveryTopicOpensThePageNamedAfterItAndAnyOtherNumberTheWelcomePage) {
    const struct {
        int Numero;
        std::string Titre;
    } Rubriques[] = {
        {20, "La fenêtre principale"},
        {2, "La liste des classes"},
        {30, "Les blocs de cours"},
        {11, "À propos de Horalo"},
        {22, "Les séries"},
        {23, "Les classes"},
        {24, "Les professeurs"},
        {25, "Placer un cours à une heure précise"},
        {26, "Modifier une durée"},
        {27, "Les options"},
        {28, "Le choix d'une classe"},
        {29, "Les disponibilités et les cours verrouillés"},
        {37, "Qui est libre ?"},
        {36, "Les règles de placement"},
        {50, "L'assistant de création"},
        {0, Bienvenue},
        {21, Bienvenue},
        {-1, Bienvenue},
    };
    EXPECT_EQ(Visionneuse.Fenetre(), nullptr); // nothing is made before the first request
    for (const auto& r : Rubriques) {
        Visionneuse.AfficherRubrique(r.Numero);
        ASSERT_NE(Visionneuse.Fenetre(), nullptr);
        EXPECT_TRUE(Fenetre().isVisible());
        EXPECT_EQ(Fenetre().windowTitle(), QStringLiteral("Horalo - Aide"));
        EXPECT_EQ(Titre(), r.Titre) << r.Numero;
        // The page itself, not only its title.
        EXPECT_GT(Controle<QTextBrowser>("Navigateur")->toPlainText().size(), 400) << r.Numero;
    }
}

TEST_F(Aide, TheHelpMenuShowsItsTabAndThePagesLinkToEachOther) {
    const std::pair<void (TAideQt::*)(), const char*> Commandes[] = {
        {&TAideQt::Index, "Index"},
        {&TAideQt::Rechercher, "Rechercher"},
        {&TAideQt::Sommaire, "Sommaire"}};
    for (const auto& [Commande, Onglet] : Commandes) {
        (Visionneuse.*Commande)();
        auto* Onglets = Controle<QTabWidget>("Onglets");
        EXPECT_EQ(Onglets->tabText(Onglets->currentIndex()).toStdString(), Onglet);
        EXPECT_EQ(Titre(), Bienvenue);
    }
    // A click on an entry of the contents opens its page.
    auto* Sommaire = Controle<QHelpContentWidget>("ArbreSommaire");
    const QUrl Options(QStringLiteral("qthelp://org.horalo.aide/aide/options.html"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Sommaire->indexOf(Options).isValid(); }, 10000));
    QTest::mouseClick(Sommaire->viewport(), Qt::LeftButton, {},
                      Sommaire->visualRect(Sommaire->indexOf(Options)).center());
    EXPECT_EQ(Titre(), "Les options");
    Visionneuse.AfficherRubrique(0);
    // The welcome page's first link leads to the guide; "Précédent" comes back.
    auto* Navigateur = Controle<QTextBrowser>("Navigateur");
    Navigateur->setFocus();
    QTest::keyClick(Navigateur, Qt::Key_Tab);
    QTest::keyClick(Navigateur, Qt::Key_Return);
    EXPECT_EQ(Titre(), "Construire un emploi du temps pas à pas");
    QTest::mouseClick(Controle<QPushButton>("B_precedent"), Qt::LeftButton);
    EXPECT_EQ(Titre(), Bienvenue);
}

TEST_F(Aide, TheIndexFindsAKeywordAndOpensItsPage) {
    Visionneuse.Index();
    auto* Filtre = Controle<QLineEdit>("FiltreIndex");
    auto* Liste = Controle<QHelpIndexWidget>("ListeIndex");
    // Typed at once, before the index is ready: it applies when the index is.
    for (const QChar Lettre : QStringLiteral("dépass"))
        QTest::sendKeyEvent(QTest::Click, Filtre, Qt::Key_unknown, QString(Lettre), {});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Liste->currentIndex().data().toString() == QStringLiteral("Dépassement"); },
        10000));
    QTest::keyClick(Filtre, Qt::Key_Return);
    EXPECT_EQ(Titre(), "Les règles de placement");
}

TEST_F(Aide, TheSearchFindsAWordThatOnlyOnePageHolds) {
    Visionneuse.Rechercher();
    QHelpEngine& Moteur = Fenetre().Moteur();
    // The search matches the forms of a word (scripts, scripting): none on another page.
    const QString Mot = QStringLiteral("script");
    const QRegularExpression Formes(QStringLiteral("\\b%1\\w*").arg(Mot),
                                    QRegularExpression::CaseInsensitiveOption);
    QStringList Pages;
    for (const QUrl& Page :
         Moteur.files(QStringLiteral("org.horalo.aide"), QString(), QStringLiteral("html"))) {
        QTextDocument Texte;
        Texte.setHtml(QString::fromUtf8(Moteur.fileData(Page)));
        if (Texte.toPlainText().contains(Formes))
            Pages << Page.toString();
    }
    ASSERT_EQ(Pages.size(), 1) << "the word must be on one page only: "
                               << Pages.join(QStringLiteral(", ")).toStdString();

    QHelpSearchEngine* Recherche = Moteur.searchEngine();
    QSignalSpy Trouve(Recherche, &QHelpSearchEngine::searchingFinished);
    // Asked for while the index is still being written: the search waits for it.
    auto* Saisie = Controle<QHelpSearchQueryWidget>("RequeteRecherche")->findChild<QLineEdit*>();
    ASSERT_NE(Saisie, nullptr);
    QTest::keyClicks(Saisie, Mot);
    QTest::keyClick(Saisie, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Trouve.count() > 0; }, 30000));
    const auto Resultats = Recherche->searchResults(0, Recherche->searchResultCount());
    ASSERT_EQ(Resultats.size(), 1);
    EXPECT_EQ(Resultats.first().url(), QUrl(Pages.first()))
        << Resultats.first().url().toString().toStdString();
    EXPECT_EQ(Resultats.first().title().toStdString(), "Horalo en ligne de commande");
    EXPECT_FALSE(Controle<QWidget>("L_indexation")->isVisible());
}

TEST_F(Aide, OpenedFromAModalDialogTheWindowStaysUsableAndOutlivesTheDialog) {
    auto* Dialogue = new QDialog;
    Dialogue->setWindowModality(Qt::ApplicationModal);
    Dialogue->show();
    auto* Duree = new QDialog(Dialogue); // a dialog opened from the first one
    Duree->setWindowModality(Qt::ApplicationModal);
    Duree->show();

    Visionneuse.AfficherRubrique(26);
    QPointer<TFAide> F = Visionneuse.Fenetre();
    // A click reaches the help window: the dialog does not block it.
    QTest::mouseClick(Controle<QPushButton>("B_accueil"), Qt::LeftButton);
    EXPECT_EQ(F->TitrePage().toStdString(), Bienvenue);

    delete Duree; // its owner destroys it once closed
    QCoreApplication::processEvents();
    ASSERT_FALSE(F.isNull());
    EXPECT_TRUE(F->isVisible());
    EXPECT_EQ(F->parentWidget(), Dialogue); // still usable under the first dialog
    QTest::mouseClick(Controle<QPushButton>("B_precedent"), Qt::LeftButton);
    EXPECT_EQ(F->TitrePage().toStdString(), "Modifier une durée");

    delete Dialogue;
    QCoreApplication::processEvents();
    ASSERT_FALSE(F.isNull());
    EXPECT_TRUE(F->isVisible());
    EXPECT_EQ(F->parentWidget(), nullptr);
}

TEST(AideSansCollection, TheWindowSaysTheHelpIsMissing) {
    TAideQt Visionneuse(QStringLiteral("/dossier/absent/horalo.qhc"));
    Visionneuse.AfficherRubrique(20);
    ASSERT_NE(Visionneuse.Fenetre(), nullptr);
    EXPECT_EQ(Visionneuse.Fenetre()->TitrePage().toStdString(), "Aide introuvable");
}

TEST(AideCollection, IsFoundBesideTheProgramThenInItsShareFolderThenInTheBuildTree) {
    QTemporaryDir Racine;
    const QDir Programme(Racine.filePath(QStringLiteral("bin")));
    const QDir Installee(Racine.filePath(QStringLiteral("share/horalo/aide")));
    ASSERT_TRUE(QDir().mkpath(Programme.path()) && QDir().mkpath(Installee.path()));
    EXPECT_EQ(TrouverCollection(Programme.path()), Construite());
    Deposer(Installee);
    EXPECT_EQ(TrouverCollection(Programme.path()),
              Installee.filePath(QStringLiteral("horalo.qhc")));
    Deposer(Programme);
    EXPECT_EQ(TrouverCollection(Programme.path()),
              Programme.filePath(QStringLiteral("horalo.qhc")));
    // A collection without its documentation is passed over.
    ASSERT_TRUE(QFile::remove(Programme.filePath(QStringLiteral("horalo.qch"))));
    EXPECT_EQ(TrouverCollection(Programme.path()),
              Installee.filePath(QStringLiteral("horalo.qhc")));
}

TEST(AideCollection, ACopyIsWritableOpensAndIsRenewedOnlyWhenTheSourceChanges) {
    QTemporaryDir Source, Cache;
    const QDir De(Source.path()), Vers(Cache.filePath(QStringLiteral("aide")));
    Deposer(De);
    const QString Documentation = De.filePath(QStringLiteral("horalo.qch"));
    for (const QString& Fichier : {De.filePath(QStringLiteral("horalo.qhc")), Documentation})
        QFile::setPermissions(Fichier, QFileDevice::ReadOwner); // as installed
    const auto Copier = [&] {
        return CopierCollection(De.filePath(QStringLiteral("horalo.qhc")), Vers.path());
    };
    const QString Copie = Copier();
    ASSERT_EQ(Copie, Vers.filePath(QStringLiteral("horalo.qhc")));
    EXPECT_TRUE(QFile::permissions(Copie) & QFileDevice::WriteOwner);
    // Unchanged, the copy keeps the search index made beside it; newer pages replace both.
    const QString Index = Vers.filePath(QStringLiteral(".horalo"));
    ASSERT_TRUE(QDir().mkpath(Index));
    EXPECT_EQ(Copier(), Copie);
    EXPECT_TRUE(QFileInfo::exists(Index));
    const QDateTime Plustard = QFileInfo(Documentation).lastModified().addSecs(60);
    QFile Fichier(Documentation);
    ASSERT_TRUE(Fichier.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                Fichier.open(QIODevice::ReadWrite) &&
                Fichier.setFileTime(Plustard, QFileDevice::FileModificationTime));
    EXPECT_EQ(Copier(), Copie);
    EXPECT_FALSE(QFileInfo::exists(Index));
    EXPECT_EQ(QFileInfo(Vers.filePath(QStringLiteral("horalo.qch"))).lastModified(), Plustard);

    EXPECT_TRUE(
        CopierCollection(De.filePath(QStringLiteral("absente.qhc")), Vers.path()).isEmpty());
}
