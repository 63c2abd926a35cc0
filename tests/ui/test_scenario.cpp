// The demo collège's first three classes entered through the forms only, as a planner enters
// them, then placed and saved from the menu: the file is the one the model's own calls give.
#include "tests/ui/ProfDeTest.h"

#include "scheduling/U_automate.h"
#include "tools/generateur/U_ecoles.h"
#include "ui/main/U_canevasqt.h"
#include "ui/main/U_texteqt.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

struct TMatiereDemo {
    std::string Nom;
    std::uint16_t Volume;
    TCouleur Couleur;
};
struct TProfDemo {
    std::string Nom, Matiere;
    std::vector<TClasseProf> Classes;
};

class ScenarioTest : public FormeProfTest {
protected:
    // What the demo collège holds for its first three classes, all of one series.
    void LireDemo() {
        Sauveur->ViderModele();
        ConstruireExemple(TEcole::College);
        for (std::size_t n = 1; n <= 3; ++n)
            Classes.push_back(LesClasses->NomNumero(n));
        const TSerie& S = *LesClasses->Trouver(Classes[0])->Serie;
        Serie = S.Nom;
        for (std::size_t n = 1; n <= S.Heures->Nombre(); ++n)
            Matieres.push_back({S.Heures->NomNumero(n), S.Heures->Numero(n)->Volume,
                                S.Heures->Numero(n)->Couleur});
        for (std::size_t n = 1; n <= LesProfs->Nombre(); ++n) {
            const TProf& P = *LesProfs->Numero(n);
            TProfDemo Prof{P.Nom, P.Matiere, {}};
            for (std::size_t k = 1; k <= P.Heures->Nombre(); ++k)
                if (std::find(Classes.begin(), Classes.end(), P.Heures->NomNumero(k)) !=
                    Classes.end())
                    Prof.Classes.push_back(
                        {P.Heures->NomNumero(k), std::to_string(P.Heures->Numero(k)->Couleur)});
            if (!Prof.Classes.empty())
                Profs.push_back(Prof);
        }
        Sauveur->ViderModele();
    }
    static void Nommer(QDialog& F, const std::string& Nom) {
        auto* Boite = Dans<QComboBox>(F, "CB_nom");
        Boite->lineEdit()->selectAll();
        TaperTexte(Boite, VersQt(Nom));
    }
    static void Cellule(QTableWidget* G, int Rangee, int Colonne) {
        const QModelIndex Index = G->model()->index(Rangee, Colonne);
        QTest::mouseClick(G->viewport(), Qt::LeftButton, {}, G->visualRect(Index).center());
    }
    void SaisirSerie(QDialog& F) {
        Nommer(F, Serie);
        auto* G = Dans<QTableWidget>(F, "SGHeureMatiere");
        for (std::size_t k = 0; k < Matieres.size(); ++k) {
            const int r = static_cast<int>(k);
            Cellule(G, r, 0);
            QTest::keyClick(G, Qt::Key_F2);
            QWidget* Editeur = G->indexWidget(G->model()->index(r, 0));
            ASSERT_NE(Editeur, nullptr);
            TaperTexte(Editeur, VersQt(Matieres[k].Nom));
            QTest::keyClick(Editeur, Qt::Key_Return);
            Durees.push_back(Matieres[k].Volume);
            Cellule(G, r, 1);
            Dialogues.Couleurs.push_back(CouleurQt(Matieres[k].Couleur));
            Cellule(G, r, 2);
        }
        Cliquer(F, "B_Ajouter");
    }
    void SaisirClasses(QDialog& F) {
        for (const std::string& Classe : Classes) {
            Nommer(F, Classe);
            auto* Series = Dans<QComboBox>(F, "CB_serie");
            QTest::keyClick(Series, Qt::Key_Down); // the one series there is
            Cliquer(F, "B_Ajouter");
        }
    }
    void SaisirProfs(QDialog& F) {
        for (const TProfDemo& P : Profs) {
            Nommer(F, P.Nom);
            TaperMatiere(F, VersQt(P.Matiere));
            for (std::size_t k = 0; k < P.Classes.size(); ++k) {
                Choix.push_back(Utf8(P.Classes[k].Classe));
                CliquerCellule(F, static_cast<int>(k) + 1, 0);
                std::int32_t Couleur = 0;
                TexteEntier(P.Classes[k].Couleur, Couleur);
                Dialogues.Couleurs.push_back(CouleurQt(static_cast<TCouleur>(Couleur)));
                CliquerCellule(F, static_cast<int>(k) + 1, 1);
            }
            Cliquer(F, "B_Ajouter");
        }
    }
    static QByteArray Contenu(const QString& Chemin) {
        QFile Fichier(Chemin);
        return Fichier.open(QIODevice::ReadOnly) ? Fichier.readAll() : QByteArray("(absent)");
    }

    std::string Serie;
    std::vector<TMatiereDemo> Matieres;
    std::vector<std::string> Classes;
    std::vector<TProfDemo> Profs;
};

} // namespace

TEST_F(ScenarioTest, TheFormsBuildTheSameTimetableAsTheModel) {
    LireDemo();
    ASSERT_EQ(Classes.size(), 3u);
    ASSERT_GE(Profs.size(), Matieres.size());
    QTemporaryDir Dossier;
    const QString ParFormes = Dossier.filePath(QStringLiteral("formes.edt"));
    const QString ParModele = Dossier.filePath(QStringLiteral("modele.edt"));

    Lancer("Serie1", [this](QDialog& F) { SaisirSerie(F); });
    Lancer("Classe1", [this](QDialog& F) { SaisirClasses(F); });
    Lancer("Professeur1", [this](QDialog& F) { SaisirProfs(F); });
    Table->findChild<QAction*>(QStringLiteral("Automatique1"))->trigger();
    Dialogues.Fichiers = {ParFormes};
    Table->activateWindow(); // the forms had the keyboard
    ASSERT_TRUE(QTest::qWaitForWindowActive(Table.get()));
    QTest::keyClick(Table.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Messages.Questions.empty());

    Sauveur->ViderModele();
    TSerie* S = LesSeries->AjouterSerie(Serie);
    for (const TMatiereDemo& M : Matieres) {
        S->FixerVolume(M.Nom, M.Volume);
        S->Heures->Trouver(M.Nom)->Couleur = M.Couleur;
    }
    for (const std::string& Classe : Classes)
        LesClasses->AjouterClasse(Classe, Serie);
    for (const TProfDemo& P : Profs)
        LesProfs->AjouterProf(P.Nom, P.Matiere)->FixerClasses(P.Classes);
    Automate->PlacementAutomatique();
    Sauveur->EcrireFichier(ParModele.toStdString());

    const std::string Attendu = Contenu(ParModele).toStdString();
    EXPECT_NE(Attendu.find("Vendredi"), std::string::npos); // courses were placed
    EXPECT_EQ(Contenu(ParFormes).toStdString(), Attendu);
}
