// The options dialog, opened from its menu entry and driven by clicks and keys.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/FenetreDeTest.h"

#include "scheduling/U_automate.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

namespace {

using Textes = std::vector<std::string>;
using Geste = std::function<void(QDialog&)>;

template <class T> T* Dans(const QDialog& Dialogue, const char* Nom) {
    T* c = Dialogue.findChild<T*>(QLatin1String(Nom));
    EXPECT_NE(c, nullptr) << Nom;
    return c;
}
void Cliquer(QDialog& Dialogue, const char* Nom) {
    QTest::mouseClick(Dans<QWidget>(Dialogue, Nom), Qt::LeftButton);
}
void Fleches(QWidget* UpDown, int Pas) {
    for (int n = 0; n < std::abs(Pas); ++n)
        QTest::keyClick(UpDown, Pas > 0 ? Qt::Key_Up : Qt::Key_Down);
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

    // Opens the dialog from the menu; the gesture acts in it, then OK is clicked or the close
    // box used. A duration dialog it opens is answered with Pas steps of its arrows.
    void Options(const Geste& Actions, bool Ok = true) {
        Dialogues.Modal = [this, Actions, Ok](QDialog& Dialogue) {
            if (Dialogue.objectName() == QLatin1String("TFmodifduree")) {
                auto* UpDown = Dans<QSpinBox>(Dialogue, "UpDown1");
                Vu = {Dialogue.windowTitle().toStdString(),
                      Dans<QGroupBox>(Dialogue, "GroupBox1")->title().toStdString(),
                      std::to_string(UpDown->minimum()), std::to_string(UpDown->maximum()),
                      Dans<QLineEdit>(Dialogue, "E_qheure")->text().toStdString()};
                Fleches(UpDown, Pas);
                return DureeOk ? int(QDialog::Accepted) : int(QDialog::Rejected);
            }
            Dialogue.show();
            if (Actions)
                Actions(Dialogue);
            if (Ok)
                Cliquer(Dialogue, "B_OK");
            return Ok ? Dialogue.result() : int(QDialog::Rejected);
        };
        Controle<QAction>(QStringLiteral("Options1"))->trigger();
    }
    std::vector<int> Reglages() const {
        return {Automate->DureeMax, Automate->DebutJournee, Automate->FinJournee,
                Automate->DebutPause, Automate->FinPause};
    }

    int Pas = 1;
    bool DureeOk = true;
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
        Pas = c.Pas;
        DureeOk = c.Ok;
        QString Texte;
        Options([&](QDialog& d) {
            Cliquer(d, c.Champ);
            Texte = Dans<QLineEdit>(d, c.Champ)->text();
        });
        EXPECT_EQ(Vu, c.Vu);
        EXPECT_EQ(Texte, QLatin1String(c.Texte));
    }
    // Applied as shown: a lunch starting after it ends is taken unchanged.
    EXPECT_EQ(Reglages(), (std::vector<int>{9, 80, 32, 60, 56}));
}

TEST_F(OptionsTest, OkRestartsTheHistoryAndKeepsWhatIsToSave) {
    struct Cas {
        const char* Nom;
        bool ModifieAvant;
        Geste Actions;
        bool Ok;
        bool ModifieApres;
    };
    const Geste Max = [](QDialog& d) { Cliquer(d, "E_max"); };
    const Cas Tous[] = {
        {"nothing changed, nothing to save", false, nullptr, true, false},
        {"nothing changed, a change to save", true, nullptr, true, true},
        {"a placement setting changed", false, Max, true, true},
        {"the close box", false, Max, false, false},
    };
    for (const Cas& c : Tous) {
        SCOPED_TRACE(c.Nom);
        Sauveur->Memoriser();
        Sauveur->Memoriser();
        Sauveur->Modifie = c.ModifieAvant;
        Table->ActualiserCommandes();
        const TSauveur* Ancien = Sauveur;
        const std::vector<int> Avant = Reglages();
        Options(c.Actions, c.Ok);
        EXPECT_EQ(Sauveur == Ancien, !c.Ok);
        EXPECT_EQ(Controle<QAction>(QStringLiteral("Annuler1"))->isEnabled(), !c.Ok);
        EXPECT_EQ(Sauveur->Modifie, c.ModifieApres);
        // What a crash would bring back: the state in force, as a snapshot.
        EXPECT_TRUE(
            QFileInfo::exists(QString::fromStdString(Sauveur->NomInstantane(Sauveur->Courant))));
        EXPECT_EQ(Reglages() == Avant, !c.Actions || !c.Ok);
    }
    // With a placement setting changed, quitting still asks to save.
    Options(Max);
    Messages.Reponses = {TReponse::Abandon};
    EXPECT_FALSE(Table->close());
    EXPECT_EQ(Messages.Questions.size(), 1u);
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
        Options([&](QDialog& d) {
            if (c.Decocher)
                Cliquer(d, "CB_annule");
            EXPECT_EQ(Dans<QSpinBox>(d, "UpDown1")->isEnabled(), !c.Decocher);
            EXPECT_EQ(Dans<QLabel>(d, "Label1")->isEnabled(), !c.Decocher);
            Fleches(Dans<QSpinBox>(d, "UpDown1"), c.Pas);
            EXPECT_EQ(Dans<QLineEdit>(d, "E_niveau_annule")->text(), QLatin1String(c.Affiche));
        });
        EXPECT_EQ(Sauveur->NiveauxMax, QByteArray(c.Affiche).toInt());
        EXPECT_EQ(Sauveur->Actif, !c.Decocher);
    }
    Sauveur->Memoriser();
    Sauveur->Memoriser();
    EXPECT_FALSE(Sauveur->PeutAnnuler());
    // Opened again, the control is grey from the start.
    Options([](QDialog& d) { EXPECT_FALSE(Dans<QSpinBox>(d, "UpDown1")->isEnabled()); }, false);
}

TEST_F(OptionsTest, ATypedMaxDurationIsTakenOnlyAsTypedAndZeroPlacesNothing) {
    ConstruireEcole();
    const struct {
        const char* Tape;
        int Attendu;
        const char* Montre; // E_max once OK is clicked
    } Tous[] = {{"03h00", 12, "03h00"},
                {"3h00", 12, "03h00"},
                {"99h00", 12, "03h00"},
                {"00h00", 0, "00h00"}};
    for (const auto& [Tape, Attendu, Montre] : Tous) {
        std::string Vu;
        Options(
            [&Vu, Tape = Tape](QDialog& d) {
                auto* Max = Dans<QLineEdit>(d, "E_max");
                QTest::keyClick(Max, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(Max, QLatin1String(Tape));
                Cliquer(d, "B_OK"); // refused, the dialog stays
                Vu = Max->text().toStdString();
            },
            false);
        EXPECT_EQ(Automate->DureeMax, Attendu) << Tape;
        EXPECT_EQ(Vu, Montre) << Tape;
    }
    const std::string Refus = " n'est pas une durée : tapez HHhMM, au quart d'heure, de 00h00 à "
                              "24h00. La valeur précédente est gardée.";
    Controle<QAction>(QStringLiteral("Automatique1"))->trigger();
    EXPECT_EQ(Plages(*C1(), "Maths") + Plages(*C2(), "Francais"), "");
    EXPECT_EQ(Messages.MontresUtf8(),
              (Textes{"Erreur: « 3h00 »" + Refus, "Erreur: « 99h00 »" + Refus,
                      "Horalo a essayé de placer les plages horaires, "
                      "vous pouvez maintenant les modifier à la main."}));
}

TEST_F(OptionsTest, SettingsTravelWithTheTimetableFileAndShowAtTheNextOpening) {
    Pas = 2;
    Options([](QDialog& d) {
        for (const char* Champ : {"E_debut", "E_fin", "E_PauseDebut", "E_PauseFin", "E_max"})
            Cliquer(d, Champ);
    });
    const std::vector<int> Choisis{10, 34, 33, 50, 58};
    ASSERT_EQ(Reglages(), Choisis);
    const auto Fichier = std::filesystem::temp_directory_path() / "options-reglages.edt";
    Dialogues.Fichiers = {QString::fromStdString(Fichier.string())};
    Controle<QAction>(QStringLiteral("Enregistrer1"))->trigger();
    *Automate = TAutomate{};
    Dialogues.Fichiers = {QString::fromStdString(Fichier.string())};
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
    std::filesystem::remove(Fichier);
}

TEST_F(OptionsTest, AideAsksForTopic27) {
    TAideEnregistreuse Aide;
    Options([](QDialog& d) { Cliquer(d, "B_aide"); }, false);
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{27});
}
