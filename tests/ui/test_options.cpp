// The options dialog, opened from its menu entry and driven by clicks and keys.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/FenetreDeTest.h"

#include "scheduling/U_automate.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

namespace {

using Textes = std::vector<std::string>;

template <class T> T* Dans(const QDialog& Dialogue, const char* Nom) {
    T* c = Dialogue.findChild<T*>(QLatin1String(Nom));
    EXPECT_NE(c, nullptr) << Nom;
    return c;
}

class OptionsTest : public FenetreTest {
protected:
    void SetUp() override { Ouvrir(); }
    // The undo settings reach the settings file when the window closes: the next tests
    // start from the defaults again.
    void TearDown() override {
        Sauveur->Actif = true;
        Sauveur->NiveauxMax = 30;
    }

    // Opens the dialog from the menu; Geste acts on it as the user would, then OK is clicked,
    // or the close box used. Duree answers the duration dialogs the gesture opens.
    void Options(const std::function<void(QDialog&)>& Geste, bool Ok = true) {
        Dialogues.Modal = [this, Geste, Ok](QDialog& Dialogue) {
            if (Dialogue.objectName() == QLatin1String("TFmodifduree"))
                return Duree ? Duree(Dialogue) : int(QDialog::Rejected);
            Dialogue.show();
            if (Geste)
                Geste(Dialogue);
            if (!Ok)
                return int(QDialog::Rejected);
            QTest::mouseClick(Dans<QPushButton>(Dialogue, "B_OK"), Qt::LeftButton);
            EXPECT_FALSE(Dialogue.isVisible());
            return Dialogue.result();
        };
        Controle<QAction>(QStringLiteral("Options1"))->trigger();
    }
    static void Cliquer(QDialog& Dialogue, const char* Champ) {
        QTest::mouseClick(Dans<QLineEdit>(Dialogue, Champ), Qt::LeftButton);
    }
    // The duration dialog answered with Pas steps of its arrows (down when negative).
    void Pas(int Pas, bool Ok = true) {
        Duree = [this, Pas, Ok](QDialog& Dialogue) {
            auto* UpDown = Dans<QSpinBox>(Dialogue, "UpDown1");
            Vu = {Dialogue.windowTitle().toStdString(),
                  Dans<QGroupBox>(Dialogue, "GroupBox1")->title().toStdString(),
                  std::to_string(UpDown->minimum()), std::to_string(UpDown->maximum()),
                  Dans<QLineEdit>(Dialogue, "E_qheure")->text().toStdString()};
            for (int n = 0; n < std::abs(Pas); ++n)
                QTest::keyClick(UpDown, Pas > 0 ? Qt::Key_Up : Qt::Key_Down);
            return Ok ? QDialog::Accepted : QDialog::Rejected;
        };
    }
    std::vector<int> Reglages() const {
        return {Automate->DureeMax, Automate->DebutJournee, Automate->FinJournee,
                Automate->DebutPause, Automate->FinPause};
    }
    bool AnnulerPossible() const {
        return Controle<QAction>(QStringLiteral("Annuler1"))->isEnabled();
    }

    std::function<int(QDialog&)> Duree;
    Textes Vu; // what the last duration dialog showed: captions, range, time
};

} // namespace

TEST_F(OptionsTest, TimeFieldsOpenTheDurationDialogOnTheirTime) {
    struct Cas {
        const char* Champ;
        int Pas;
        bool Ok;
        Textes Vu;
        const char* Texte; // the field afterwards
    };
    const Cas Tous[] = {
        {"E_fin", 1, true, {"Nouvelle Heure", "Heure", "32", "80", "20h00"}, "08h00"},
        {"E_debut", -1, true, {"Nouvelle Heure", "Heure", "32", "80", "08h00"}, "20h00"},
        {"E_PauseDebut", 12, true, {"Nouvelle Heure", "Heure", "32", "80", "12h00"}, "15h00"},
        {"E_PauseFin", 3, false, {"Nouvelle Heure", "Heure", "32", "80", "14h00"}, "14h00"},
        {"E_max",
         1,
         true,
         {"Modification de la durée", "Nouvelle durée", "0", "40", "02h00"},
         "02h15"},
    };
    for (const Cas& c : Tous) {
        SCOPED_TRACE(c.Champ);
        Pas(c.Pas, c.Ok);
        QString Texte;
        Options([&](QDialog& Dialogue) {
            Cliquer(Dialogue, c.Champ);
            Texte = Dans<QLineEdit>(Dialogue, c.Champ)->text();
        });
        EXPECT_EQ(Vu, c.Vu);
        EXPECT_EQ(Texte, QLatin1String(c.Texte));
    }
    // Applied as shown: a lunch starting after it ends is taken unchanged.
    EXPECT_EQ(Reglages(), (std::vector<int>{9, 80, 32, 60, 56}));
}

TEST_F(OptionsTest, OkRestartsTheHistoryAndKeepsWhatIsToSave) {
    ConstruireEcole();
    struct Cas {
        const char* Nom;
        bool ModifieAvant;
        std::function<void(QDialog&)> Geste;
        bool ModifieApres;
        bool Actif;
    };
    const Cas Tous[] = {
        {"nothing changed, nothing to save", false, nullptr, false, true},
        {"nothing changed, a change to save", true, nullptr, true, true},
        {"a placement setting changed", false, [](QDialog& d) { Cliquer(d, "E_max"); }, true, true},
        {"undo turned off", false,
         [](QDialog& d) { QTest::mouseClick(Dans<QCheckBox>(d, "CB_annule"), Qt::LeftButton); },
         false, false},
    };
    for (const Cas& c : Tous) {
        SCOPED_TRACE(c.Nom);
        Sauveur->Actif = true;
        Sauveur->Memoriser();
        Sauveur->Memoriser();
        if (!c.ModifieAvant)
            Sauveur->Modifie = false;
        Table->ActualiserCommandes();
        ASSERT_TRUE(AnnulerPossible());
        const TSauveur* Ancien = Sauveur;
        Pas(1);
        Options(c.Geste);
        EXPECT_NE(Sauveur, Ancien);
        EXPECT_FALSE(Sauveur->PeutAnnuler());
        EXPECT_FALSE(AnnulerPossible());
        EXPECT_EQ(Sauveur->Modifie, c.ModifieApres);
        EXPECT_EQ(Sauveur->Actif, c.Actif);
        // The new history takes the dialog's settings: with undo off, nothing can be undone.
        Sauveur->Memoriser();
        Sauveur->Memoriser();
        EXPECT_EQ(Sauveur->PeutAnnuler(), c.Actif);
    }
    // Quitting after the one whose change was kept still asks to save.
    Sauveur->Modifie = false;
    Options([](QDialog& d) { Cliquer(d, "E_max"); });
    Messages.Reponses = {TReponse::Abandon};
    EXPECT_FALSE(Table->close());
    EXPECT_EQ(Messages.Questions.size(), 1u);
}

TEST_F(OptionsTest, TheCloseBoxAppliesNothing) {
    ASSERT_TRUE(Sauveur->Actif);
    Sauveur->Memoriser();
    Sauveur->Memoriser();
    const TSauveur* Ancien = Sauveur;
    Pas(4);
    Options(
        [](QDialog& d) {
            Cliquer(d, "E_debut");
            Cliquer(d, "E_max");
            QTest::mouseClick(Dans<QCheckBox>(d, "CB_annule"), Qt::LeftButton);
            QTest::keyClick(Dans<QSpinBox>(d, "UpDown1"), Qt::Key_Up);
        },
        false);
    EXPECT_EQ(Sauveur, Ancien);
    EXPECT_TRUE(Sauveur->PeutAnnuler());
    EXPECT_EQ(Sauveur->NiveauxMax, 30);
    EXPECT_EQ(Reglages(), (std::vector<int>{8, 32, 80, 48, 56}));
}

TEST_F(OptionsTest, UndoLevelsStopAt1And99AndGreyWithTheBox) {
    struct Cas {
        int Niveaux; // what the history had
        int Pas;
        bool Decocher;
        const char* Affiche;
    };
    const Cas Tous[] = {
        {10, 95, false, "99"}, {2, -5, false, "1"}, {-56, 0, false, "1"}, {30, 1, true, "30"}};
    for (const Cas& c : Tous) {
        SCOPED_TRACE(c.Niveaux);
        Sauveur->NiveauxMax = static_cast<std::int8_t>(c.Niveaux);
        Sauveur->Actif = true;
        Options([&](QDialog& d) {
            auto* UpDown = Dans<QSpinBox>(d, "UpDown1");
            EXPECT_TRUE(UpDown->isEnabled());
            if (c.Decocher)
                QTest::mouseClick(Dans<QCheckBox>(d, "CB_annule"), Qt::LeftButton);
            EXPECT_EQ(UpDown->isEnabled(), !c.Decocher);
            EXPECT_EQ(Dans<QLabel>(d, "Label1")->isEnabled(), !c.Decocher);
            for (int n = 0; n < std::abs(c.Pas); ++n)
                QTest::keyClick(UpDown, c.Pas > 0 ? Qt::Key_Up : Qt::Key_Down);
            EXPECT_EQ(Dans<QLineEdit>(d, "E_niveau_annule")->text(), QLatin1String(c.Affiche));
        });
        EXPECT_EQ(Sauveur->NiveauxMax, QByteArray(c.Affiche).toInt());
        EXPECT_EQ(Sauveur->Actif, !c.Decocher);
    }
    // Reopened unchecked, the control is grey from the start.
    Options([](QDialog& d) { EXPECT_FALSE(Dans<QSpinBox>(d, "UpDown1")->isEnabled()); }, false);
}

TEST_F(OptionsTest, ATypedMaxDurationThatIsNoTimeGivesZeroAndPlacesNothing) {
    ConstruireEcole();
    const std::pair<const char*, int> Tous[] = {{"03h00", 12}, {"3h00", 0}, {"03H00", 0}};
    for (const auto& [Tape, Attendu] : Tous) {
        SCOPED_TRACE(Tape);
        Options([Tape](QDialog& d) {
            auto* Max = Dans<QLineEdit>(d, "E_max");
            QTest::keyClick(Max, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(Max, QLatin1String(Tape));
        });
        EXPECT_EQ(Automate->DureeMax, Attendu);
    }
    Controle<QAction>(QStringLiteral("Automatique1"))->trigger();
    EXPECT_EQ(Plages(*C1(), "Maths") + Plages(*C2(), "Francais"), "");
    EXPECT_EQ(Messages.MontresUtf8(), (Textes{"Horalo a essayé de placer les plages horaires, "
                                              "vous pouvez maintenant les modifier à la main."}));
}

TEST_F(OptionsTest, SettingsTravelWithTheTimetableFile) {
    ConstruireEcole();
    Pas(2);
    Options([](QDialog& d) {
        for (const char* Champ : {"E_debut", "E_fin", "E_PauseDebut", "E_PauseFin", "E_max"})
            Cliquer(d, Champ);
    });
    const std::vector<int> Choisis{10, 34, 33, 50, 58};
    ASSERT_EQ(Reglages(), Choisis);
    const QString Fichier = QString::fromStdString(
        (std::filesystem::temp_directory_path() / "options-reglages.edt").string());
    Dialogues.Fichiers = {Fichier};
    Controle<QAction>(QStringLiteral("Enregistrer1"))->trigger();
    ASSERT_FALSE(Sauveur->Modifie);

    *Automate = TAutomate{};
    Dialogues.Fichiers = {Fichier};
    Controle<QAction>(QStringLiteral("Ouvrir1"))->trigger();
    EXPECT_EQ(Reglages(), Choisis);
    Textes Montres;
    Options(
        [&](QDialog& d) {
            for (const char* Champ : {"E_max", "E_debut", "E_fin", "E_PauseDebut", "E_PauseFin"})
                Montres.push_back(Dans<QLineEdit>(d, Champ)->text().toStdString());
        },
        false);
    EXPECT_EQ(Montres, (Textes{"02h30", "08h30", "08h15", "12h30", "14h30"}));
    std::filesystem::remove(Fichier.toStdString());
}

TEST_F(OptionsTest, AideAsksForTopic27) {
    TAideEnregistreuse Aide;
    Options([](QDialog& d) {
        QTest::mouseClick(Dans<QPushButton>(d, "B_aide"), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{27});
}
