// The creation wizard, opened from its menu entries and driven by clicks. The forms of its
// steps are closed at once by the dialogs seam unless a test answers them.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/FenetreDeTest.h"

#include "ui/dialogs/U_assistant.h"
#include "ui/main/U_ressources.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using Textes = std::vector<std::string>;

const char* const MessagePlacement = "Horalo a essayé de placer les plages horaires, vous "
                                     "pouvez maintenant les modifier à la main.";

QString Blancs(int n) {
    return QString(n, QLatin1Char(' '));
}

class AssistantTest : public FenetreTest {
protected:
    void SetUp() override {
        InitialiserRessources();
        Ouvrir();
    }

    TF_Assistant* Assistant(const char* Entree = "Assistant1") {
        Controle<QAction>(QLatin1String(Entree))->trigger();
        EXPECT_TRUE(Table->F_Assistant);
        return Table->F_Assistant;
    }
    template <class T> T* De(const char* Nom) const {
        T* c = Table->F_Assistant ? Table->F_Assistant->findChild<T*>(QLatin1String(Nom)) : nullptr;
        EXPECT_NE(c, nullptr) << Nom;
        return c;
    }
    void Clic(const char* Bouton) { QTest::mouseClick(De<QPushButton>(Bouton), Qt::LeftButton); }
    void Ici() { QTest::mouseClick(De<QLabel>("Label1"), Qt::LeftButton, {}, QPoint(5, 8)); }
    QString Page() const { return De<QLabel>("ST_text")->text(); }
    int Placements() const {
        const Textes Montres = Messages.MontresUtf8();
        return static_cast<int>(std::count(Montres.begin(), Montres.end(), MessagePlacement));
    }
    static void Detruire() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

TEST_F(AssistantTest, PageTextsAndStatesStepByStep) {
    const QString Aide = QStringLiteral(
        u"Vous pouvez à tout moment cliquer sur Aide si vous êtes bloqués. Vous pouvez aussi "
        u"cliquer sur Précédent pour revenir en arrière.");
    const QString Retour = QStringLiteral(u"Si vous voulez retourner à la création des");
    const QString Classes =
        QStringLiteral(u"Vous devez maintenant créer les professeurs, pour cela veuillez "
                       u"cliquer sur Suivant.");
    const QString Il = QStringLiteral(
        u"Il suffit maintenant de cliquer sur Suivant pour qu'un emploi du temps soit ");
    const QString W0 = Blancs(2) + Aide + Blancs(32) +
                       QStringLiteral(u"Vous devez tout d'abord créer les séries pour ce faire, "
                                      u"cliquez sur Suivant.");
    const QString W0b = Blancs(2) + Aide + Blancs(32) +
                        QStringLiteral(u"Vous devez tout d'abord créer les séries pour ce faire "
                                       u"cliquer sur Suivant.");
    const QString W1 = Blancs(2) + Retour +
                       QStringLiteral(u" séries vous pouvez cliquer sur Précédent.") + Blancs(30) +
                       QStringLiteral(u"Vous devez maintenant créer les classes, pour cela "
                                      u"veuillez cliquer sur Suivant.");
    const QString W2 = Blancs(2) + Retour + Blancs(5) +
                       QStringLiteral(u"classes, vous pouvez cliquer sur Précédent.") + Blancs(15) +
                       Classes;
    const QString W2b = Blancs(2) + Retour +
                        QStringLiteral(u" classes, vous pouvez cliquer sur Précédent.") +
                        Blancs(15) + Classes;
    const QString W3 = Blancs(2) + Retour +
                       QStringLiteral(u" professeurs vous pouvez cliquer sur Précédent.") +
                       Blancs(9) + Il + QStringLiteral(u"créé automatiquement.");
    const QString W3b = Blancs(2) + Retour + Blancs(5) + QStringLiteral(u"professeurs") +
                        Blancs(3) + QStringLiteral(u"vous pouvez cliquer sur Précédent.") +
                        Blancs(7) + Il + QStringLiteral(u"crée aléatoirement.");
    const QString W4 =
        QStringLiteral(u"Félicitation,") + Blancs(63) +
        QStringLiteral(u"vous venez de créer un emploi du temps, cliquez sur Terminer pour "
                       u"quitter") +
        Blancs(2) +
        QStringLiteral(u"l'assistant et éventuelle- -ment modifier manuellement votre emploi "
                       u"du temps.");

    struct Etat {
        const char* Bouton; // nullptr: the wizard just opened
        QString Page;
        bool Precedent, Bienvenu, Lien;
        const char* Suivant;
    };
    const Etat Etats[] = {
        {nullptr, W0, false, true, false, "Suivant"},
        {"B_suivant", W1, true, false, false, "Suivant"},
        {"B_suivant", W2, true, false, false, "Suivant"},
        {"B_suivant", W3, true, false, true, "Suivant"},
        {"B_suivant", W4, true, false, false, "Terminer"},
        {"B_precedent", W3b, true, false, true, "Suivant"},
        {"B_precedent", W2b, true, false, false, "Suivant"},
        {"B_precedent", W1, true, false, false, "Suivant"},
        {"B_precedent", W0b, false, true, false, "Suivant"},
    };
    Assistant();
    EXPECT_EQ(De<QLabel>("ST_bienvenu")->text().toUtf8(),
              Blancs(3).toUtf8() + "Bienvenu dans l'assistant de cr\xC3\xA9"
                                   "ation d'emplois du temps");
    int n = 0;
    for (const Etat& e : Etats) {
        SCOPED_TRACE(n++);
        if (e.Bouton)
            Clic(e.Bouton);
        EXPECT_EQ(Page().toUtf8(), e.Page.toUtf8());
        EXPECT_EQ(De<QPushButton>("B_precedent")->isEnabled(), e.Precedent);
        EXPECT_EQ(De<QLabel>("ST_bienvenu")->isVisible(), e.Bienvenu);
        EXPECT_EQ(De<QLabel>("Label1")->isVisible(), e.Lien);
        EXPECT_EQ(De<QLabel>("Label2")->isVisible(), e.Lien);
        EXPECT_EQ(De<QPushButton>("B_suivant")->text(), QLatin1String(e.Suivant));
    }
}

TEST_F(AssistantTest, FourSuivantOpenTheFormsInTurnAndPlaceOnce) {
    ConstruireEcole();
    const int Avant = EtapesMemorisees();
    Assistant();
    const QStringList Formes{QStringLiteral("TF_serie"), QStringLiteral("TF_classe"),
                             QStringLiteral("TF_prof"), QStringLiteral("TF_options")};
    for (int n = 1; n <= 4; ++n) {
        Clic("B_suivant");
        EXPECT_EQ(Dialogues.Formes, Formes.mid(0, n));
        EXPECT_EQ(Placements(), n == 4 ? 1 : 0);
    }
    EXPECT_NE(Plages(*C1(), "Maths"), "");
    EXPECT_NE(Plages(*P2(), "C2"), "");
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
    EXPECT_EQ(Cellules("SGens", 1), (Textes{"Maths", "04h00", "04h00", "00h00"}));

    Clic("B_suivant"); // "Terminer"
    EXPECT_FALSE(Table->F_Assistant && Table->F_Assistant->isVisible());
    Detruire();
    EXPECT_FALSE(Table->F_Assistant);
    EXPECT_EQ(Dialogues.Formes.size(), 4);
    EXPECT_EQ(Placements(), 1);
}

TEST_F(AssistantTest, IciSkipsOptionsAndPlacementUntilPrecedent) {
    ConstruireEcole();
    const int Avant = EtapesMemorisees();
    Assistant();
    for (int n = 0; n < 3; ++n)
        Clic("B_suivant");
    const QStringList Formes = Dialogues.Formes;
    Ici();
    EXPECT_EQ(De<QPushButton>("B_suivant")->text(), QStringLiteral("Terminer"));
    EXPECT_FALSE(De<QLabel>("Label1")->isVisible());
    EXPECT_EQ(Dialogues.Formes, Formes);
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_TRUE(Messages.Montres.empty());
    EXPECT_EQ(EtapesMemorisees(), Avant);

    Clic("B_precedent");
    EXPECT_TRUE(De<QLabel>("Label1")->isVisible());
    Clic("B_suivant");
    EXPECT_EQ(Dialogues.Formes, Formes + QStringList{QStringLiteral("TF_options")});
    EXPECT_NE(Plages(*C1(), "Maths"), "");
    EXPECT_EQ(Placements(), 1);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);
}

TEST_F(AssistantTest, PrecedentOpensNothingAndSuivantReopensThatStepsForm) {
    Assistant();
    Clic("B_suivant");
    Clic("B_suivant");
    Clic("B_precedent"); // step 1
    Clic("B_suivant");   // the classes again
    Clic("B_precedent");
    Clic("B_precedent"); // step 0
    Clic("B_suivant");   // the series again
    EXPECT_EQ(Dialogues.Formes,
              (QStringList{QStringLiteral("TF_serie"), QStringLiteral("TF_classe"),
                           QStringLiteral("TF_classe"), QStringLiteral("TF_serie")}));
}

TEST_F(AssistantTest, ItsButtonsAreRefusedWhileAStepsFormOrThePlacementRuns) {
    ConstruireEcole();
    TF_Assistant* Fenetre = Assistant();
    for (int n = 0; n < 3; ++n)
        Clic("B_suivant");
    const auto Intrus = [&] {
        const int Bips = Messages.Bips;
        for (const char* Bouton : {"B_suivant", "B_precedent", "B_annuler"})
            Clic(Bouton);
        Ici();
        QTest::keyClick(Fenetre, Qt::Key_Escape);
        EXPECT_FALSE(Fenetre->close());
        EXPECT_EQ(Messages.Bips, Bips + 5);
        EXPECT_TRUE(Fenetre->isVisible());
        EXPECT_TRUE(De<QLabel>("Label1")->isVisible()); // still at step 3
    };
    int Options = 0;
    Dialogues.Modal = [&](QDialog&) {
        ++Options;
        Intrus();
        return QDialog::Rejected;
    };
    int Pendant = 0;
    Messages.PendantTravail = [&] {
        if (Pendant++ == 0)
            Intrus();
    };
    Clic("B_suivant");
    EXPECT_EQ(Options, 1);
    EXPECT_GT(Pendant, 0);
    EXPECT_EQ(Placements(), 1);
    EXPECT_EQ(De<QPushButton>("B_suivant")->text(), QStringLiteral("Terminer"));
}

TEST_F(AssistantTest, EachCommandStartsANewModelessWizard) {
    TAideEnregistreuse Aide;
    QPointer<TF_Assistant> Premier = Assistant();
    EXPECT_FALSE(Premier->isModal());
    EXPECT_EQ(Premier->parentWidget(), Table.get());
    EXPECT_EQ(De<QLabel>("Image1")->pixmap().size(), QSize(153, 273)); // the portrait, decoded
    Clic("B_suivant");
    Clic("B_aide");
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{50});

    QPointer<TF_Assistant> Second = Assistant("Assistant2");
    EXPECT_NE(Second, Premier);
    EXPECT_FALSE(De<QPushButton>("B_precedent")->isEnabled());
    EXPECT_TRUE(De<QLabel>("ST_bienvenu")->isVisible());
    Detruire();
    EXPECT_FALSE(Premier);

    Clic("B_annuler");
    Detruire();
    EXPECT_FALSE(Second);
    EXPECT_FALSE(Table->F_Assistant);
}
