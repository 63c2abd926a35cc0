// The creation wizard, opened from its menu entries and driven by clicks. The forms of its
// steps are closed at once by the dialogs seam unless a test answers them.
#include "tests/ui/AideEnregistreuse.h"
#include "tests/ui/FenetreDeTest.h"

#include "ui/dialogs/U_assistant.h"
#include "ui/main/U_ressources.h"
#include "ui/main/U_texteqt.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <deque>
#include <filesystem>

namespace {

using Textes = std::vector<std::string>;

const char* const MessagePlacement = "Horalo a essayé de placer les plages horaires, vous "
                                     "pouvez maintenant les modifier à la main.";

QString Blancs(int n) {
    return QString(n, QLatin1Char(' '));
}

// Typed key by key; QTest's own typing knows ASCII only.
void Taper(QWidget* Cible, const QString& Texte) {
    for (const QChar c : Texte)
        QTest::sendKeyEvent(QTest::Click, Cible, Qt::Key_unknown, QString(c), Qt::NoModifier);
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
        const char* Forme; // the form the click opened
    };
    const Etat Etats[] = {
        {nullptr, W0, false, true, false, "Suivant", nullptr},
        {"B_suivant", W1, true, false, false, "Suivant", "TF_serie"},
        {"B_suivant", W2, true, false, false, "Suivant", "TF_classe"},
        {"B_suivant", W3, true, false, true, "Suivant", "TF_prof"},
        {"B_suivant", W4, true, false, false, "Terminer", "TF_options"},
        {"B_precedent", W3b, true, false, true, "Suivant", nullptr},
        {"B_precedent", W2b, true, false, false, "Suivant", nullptr},
        {"B_precedent", W1, true, false, false, "Suivant", nullptr},
        {"B_suivant", W2, true, false, false, "Suivant", "TF_classe"},
        {"B_precedent", W1, true, false, false, "Suivant", nullptr},
        {"B_precedent", W0b, false, true, false, "Suivant", nullptr},
    };
    Assistant();
    EXPECT_EQ(De<QLabel>("ST_bienvenu")->text().toUtf8(),
              Blancs(3).toUtf8() + "Bienvenu dans l'assistant de cr\xC3\xA9"
                                   "ation d'emplois du temps");
    QStringList Formes;
    int n = 0;
    for (const Etat& e : Etats) {
        SCOPED_TRACE(n++);
        if (e.Bouton)
            Clic(e.Bouton);
        if (e.Forme)
            Formes << QLatin1String(e.Forme);
        EXPECT_EQ(Dialogues.Formes, Formes);
        EXPECT_EQ(Page().toUtf8(), e.Page.toUtf8());
        EXPECT_EQ(De<QPushButton>("B_precedent")->isEnabled(), e.Precedent);
        EXPECT_EQ(De<QLabel>("ST_bienvenu")->isVisible(), e.Bienvenu);
        EXPECT_EQ(De<QLabel>("Label1")->isVisible(), e.Lien);
        EXPECT_EQ(De<QLabel>("Label2")->isVisible(), e.Lien);
        EXPECT_EQ(De<QPushButton>("B_suivant")->text(), QLatin1String(e.Suivant));
    }
}

TEST_F(AssistantTest, IciSkipsOptionsAndPlacementThenSuivantPlacesOnce) {
    ConstruireEcole();
    const int Avant = EtapesMemorisees();
    Assistant();
    for (int n = 0; n < 3; ++n)
        Clic("B_suivant");
    const QStringList Formes = Dialogues.Formes;
    Ici();
    EXPECT_EQ(De<QPushButton>("B_suivant")->text(), QStringLiteral("Terminer"));
    EXPECT_EQ(Dialogues.Formes, Formes);
    EXPECT_EQ(Plages(*C1(), "Maths"), "");
    EXPECT_TRUE(Messages.Montres.empty());
    EXPECT_EQ(EtapesMemorisees(), Avant);

    Clic("B_precedent");
    Clic("B_suivant");
    EXPECT_EQ(Dialogues.Formes, Formes + QStringList{QStringLiteral("TF_options")});
    EXPECT_NE(Plages(*P2(), "C2"), "");
    EXPECT_EQ(Cellules("SGens", 1), (Textes{"Maths", "04h00", "04h00", "00h00"}));
    EXPECT_EQ(Placements(), 1);
    EXPECT_EQ(EtapesMemorisees(), Avant + 1);

    Clic("B_suivant"); // "Terminer"
    Detruire();
    EXPECT_FALSE(Table->F_Assistant);
    EXPECT_EQ(Placements(), 1);
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

// A new user's first timetable: started empty, the wizard cancelled once after the first
// series and taken again to the end, saved, quit, and opened again.
TEST_F(AssistantTest, ANewSchoolFromNothingToTheReopenedFile) {
    struct Serie {
        QString Nom;
        std::vector<std::pair<QString, int>> Matieres; // name, quarter-hours
    };
    struct Prof {
        QString Nom, Matiere;
        QStringList Classes;
    };
    const auto S = [](const char16_t* Texte) { return QString::fromUtf16(Texte); };
    std::vector<Serie> Series{{S(u"Seconde"), {{S(u"Maths"), 16}, {S(u"Français"), 12}}}};
    const std::vector<std::pair<QString, QString>> Classes{
        {S(u"2A"), S(u"Seconde")}, {S(u"2B"), S(u"Seconde")}, {S(u"1A"), S(u"Première")}};
    const std::vector<Prof> Profs{{S(u"Dupont"), S(u"Maths"), {S(u"2A"), S(u"2B")}},
                                  {S(u"Martin"), S(u"Français"), {S(u"2A"), S(u"2B")}},
                                  {S(u"Durand"), S(u"Maths"), {S(u"1A")}},
                                  {S(u"Leroy"), S(u"Anglais"), {S(u"1A")}}};
    std::deque<int> Durees;
    QStringList Choix; // the classes picked in the chooser, in order
    const auto Cellule = [](QTableWidget* G, int Rangee, int Colonne) {
        QTest::mouseClick(G->viewport(), Qt::LeftButton, {},
                          G->visualRect(G->model()->index(Rangee, Colonne)).center());
    };
    const auto Nom = [](QDialog& F, const QString& Texte) {
        auto* Boite = F.findChild<QComboBox*>(QStringLiteral("CB_nom"));
        Boite->lineEdit()->selectAll();
        Taper(Boite, Texte);
    };
    const auto Choisir = [](QComboBox* Boite, const QString& Texte) {
        for (int n = 0; Boite->currentText() != Texte && n < Boite->count(); ++n)
            QTest::keyClick(Boite, Boite->currentIndex() < Boite->findText(Texte) ? Qt::Key_Down
                                                                                  : Qt::Key_Up);
    };
    const auto Bouton = [](QDialog& F, const char* Nom) {
        QTest::mouseClick(F.findChild<QPushButton*>(QLatin1String(Nom)), Qt::LeftButton);
        return F.result();
    };
    Dialogues.Modal = [&](QDialog& F) {
        const QString Forme = F.objectName();
        if (Forme == QLatin1String("TFmodifduree")) {
            auto* UpDown = F.findChild<QSpinBox*>(QStringLiteral("UpDown1"));
            while (UpDown->value() != Durees.front())
                QTest::keyClick(UpDown, Qt::Key_Up);
            Durees.pop_front();
            return Bouton(F, "B_OK");
        }
        if (Forme == QLatin1String("TFselectclasse")) {
            Choisir(F.findChild<QComboBox*>(QStringLiteral("CBclasse")), Choix.takeFirst());
            return Bouton(F, "B_ok");
        }
        F.show();
        if (Forme == QLatin1String("TF_options"))
            return Bouton(F, "B_OK");
        if (Forme == QLatin1String("TF_serie")) {
            auto* G = F.findChild<QTableWidget*>(QStringLiteral("SGHeureMatiere"));
            for (const Serie& s : Series) {
                Nom(F, s.Nom);
                for (int r = 0; r < int(s.Matieres.size()); ++r) {
                    Cellule(G, r, 0);
                    QTest::keyClick(G, Qt::Key_F2);
                    Taper(G->indexWidget(G->model()->index(r, 0)), s.Matieres[r].first);
                    QTest::keyClick(G->indexWidget(G->model()->index(r, 0)), Qt::Key_Return);
                    Durees.push_back(s.Matieres[r].second);
                    Cellule(G, r, 1);
                }
                Bouton(F, "B_Ajouter");
            }
        } else if (Forme == QLatin1String("TF_classe")) {
            for (const auto& [Classe, Serie] : Classes) {
                Nom(F, Classe);
                Choisir(F.findChild<QComboBox*>(QStringLiteral("CB_serie")), Serie);
                Bouton(F, "B_Ajouter");
            }
        } else if (Forme == QLatin1String("TF_prof")) {
            auto* G = F.findChild<QTableWidget*>(QStringLiteral("SGProf"));
            for (const Prof& p : Profs) {
                Nom(F, p.Nom);
                Taper(F.findChild<QLineEdit*>(QStringLiteral("E_matiere")), p.Matiere);
                Choix = p.Classes;
                for (int r = 0; r < p.Classes.size(); ++r)
                    Cellule(G, r, 0);
                Bouton(F, "B_Ajouter");
            }
        }
        return Bouton(F, "B_fin");
    };

    Assistant();
    Clic("B_suivant");
    Clic("B_annuler");
    Detruire();
    ASSERT_NE(LesSeries->Trouver("Seconde"), nullptr); // kept by "Annuler"
    Series = {{S(u"Première"), {{S(u"Maths"), 12}, {S(u"Anglais"), 8}}}};
    Assistant();
    for (int n = 0; n < 5; ++n) // the last one reads "Terminer"
        Clic("B_suivant");
    Detruire();
    EXPECT_FALSE(Table->F_Assistant);
    EXPECT_EQ(Placements(), 1);

    // Every course placed, in both grids.
    std::string Emploi;
    for (const auto& [Classe, Serie] : Classes) {
        const TClasse* C = LesClasses->Trouver(VersAnsi(Classe));
        ASSERT_NE(C, nullptr);
        for (std::size_t k = 1; k <= C->Serie->Heures->Nombre(); ++k) {
            const THeures& M = *C->Serie->Heures->Numero(k);
            EXPECT_EQ(C->CompterQuarts(M.Nom), M.Volume) << C->Nom << " " << M.Nom;
            const TProf* P = LesProfs->Trouver(C->ProfDe(M.Nom));
            ASSERT_NE(P, nullptr);
            EXPECT_EQ(P->CompterQuarts(C->Nom), M.Volume) << P->Nom;
            Emploi += C->Nom + " " + M.Nom + " " + Plages(*C, M.Nom) + " " + P->Nom + "\n";
        }
    }
    const auto Fichier = std::filesystem::temp_directory_path() / "assistant-ecole.edt";
    Dialogues.Fichiers = {QString::fromStdString(Fichier.string())};
    Controle<QAction>(QStringLiteral("Enregistrer1"))->trigger();
    Controle<QAction>(QStringLiteral("Quitter1"))->trigger();
    EXPECT_FALSE(Table->isVisible());
    EXPECT_TRUE(Messages.Questions.empty()); // saved: quitting asks nothing
    Table.reset();

    Ouvrir({QString::fromStdString(Fichier.string())});
    std::string Relu;
    for (const auto& [Classe, Serie] : Classes) {
        const TClasse* C = LesClasses->Trouver(VersAnsi(Classe));
        ASSERT_NE(C, nullptr);
        for (std::size_t k = 1; k <= C->Serie->Heures->Nombre(); ++k) {
            const std::string& M = C->Serie->Heures->Numero(k)->Nom;
            Relu += C->Nom + " " + M + " " + Plages(*C, M) + " " + C->ProfDe(M) + "\n";
        }
    }
    EXPECT_EQ(Relu, Emploi);
    EXPECT_EQ(LesProfs->Nombre(), 4u);
    std::filesystem::remove(Fichier);
}
