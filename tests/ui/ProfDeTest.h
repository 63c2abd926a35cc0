#pragma once
// The teacher dialog run from the main window on FenetreTest's school, the class chooser it
// opens answered as a user answers it.
#include "model/U_texte.h"
#include "tests/ui/SaisieDeTest.h"

#include <QLineEdit>
#include <QTableWidget>

#include <optional>

class FormeProfTest : public SaisieTest {
protected:
    void SetUp() override {
        SaisieTest::SetUp();
        Dialogues.Modal = [this, Forme = Dialogues.Modal](QDialog& F) {
            return F.objectName() == QStringLiteral("TFselectclasse") ? Choisir(F) : Forme(F);
        };
        Montrer("C1", "P1");
    }

    // The teacher dialog opened from the menu, Actions run in it.
    void OuvrirProf(std::function<void(QDialog&)> Actions) {
        Lancer("Professeur1", std::move(Actions));
    }

    static QTableWidget* Grille(const QDialog& F) { return Dans<QTableWidget>(F, "SGProf"); }
    static QComboBox* Nom(const QDialog& F) { return Dans<QComboBox>(F, "CB_nom"); }
    static QLineEdit* Matiere(const QDialog& F) { return Dans<QLineEdit>(F, "E_matiere"); }
    // Keys typing each character, accented or foreign ones too (keyClicks takes ASCII only).
    static void TaperTexte(QWidget* Boite, const QString& Texte) {
        for (const QChar c : Texte)
            QTest::sendKeyEvent(QTest::Click, Boite, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // The subject box's text replaced as a user types over it.
    static void TaperMatiere(const QDialog& F, const QString& Texte) {
        Matiere(F)->selectAll();
        QTest::keyClick(Matiere(F), Qt::Key_Backspace);
        TaperTexte(Matiere(F), Texte);
    }
    // A click on a cell of a data row (from 1), scrolled into view first.
    static void CliquerCellule(const QDialog& F, int Rangee, int Colonne) {
        QTableWidget* G = Grille(F);
        const QModelIndex Index = G->model()->index(Rangee - 1, Colonne);
        G->scrollTo(Index);
        QTest::mouseClick(G->viewport(), Qt::LeftButton, {}, G->visualRect(Index).center());
    }
    // A data row (from 1) as "class|colour".
    static std::string Ligne(const QDialog& F, int Rangee) {
        const QTableWidget* G = Grille(F);
        std::string Texte;
        for (int c = 0; c < 2; ++c) {
            const QTableWidgetItem* Item = G->item(Rangee - 1, c);
            Texte += (c ? "|" : "") + (Item ? Item->text().toStdString() : std::string());
        }
        return Texte;
    }
    // A teacher's class list, "class volume colour", in order.
    static std::string Classes(const char* Prof) {
        const TProf* P = LesProfs->Trouver(Prof);
        if (!P)
            return "(none)";
        std::string Texte;
        for (std::size_t n = 1; n <= P->Heures->Nombre(); ++n) {
            const THeures& H = *P->Heures->Numero(n);
            Texte += (n > 1 ? ", " : "") + Utf8(H.Nom) + " " + std::to_string(H.Volume) + " " +
                     std::to_string(static_cast<std::int32_t>(H.Couleur));
        }
        return Texte;
    }

    // Each chooser takes the next answer: the entry of that name reached with the arrow keys
    // then OK, or the close box for none.
    std::deque<std::optional<std::string>> Choix;
    // What each chooser offered, the entry it started on marked with '*'; and the series it
    // showed once its entry was picked.
    std::vector<std::string> Offres;
    std::vector<std::string> SeriesMontrees;

private:
    int Choisir(QDialog& F) {
        F.show();
        auto* Liste = Dans<QComboBox>(F, "CBclasse");
        std::string Offre;
        for (int i = 0; i < Liste->count(); ++i)
            Offre += (i ? "," : "") + Liste->itemText(i).toStdString() +
                     (i == Liste->currentIndex() ? "*" : "");
        Offres.push_back(Offre);
        const std::optional<std::string> Reponse = Choix.empty() ? "" : Choix.front();
        if (!Choix.empty())
            Choix.pop_front();
        if (!Reponse)
            return QDialog::Rejected;
        if (!Reponse->empty()) {
            const int Voulu = Liste->findText(QString::fromStdString(*Reponse));
            EXPECT_GE(Voulu, 0) << *Reponse;
            while (Voulu >= 0 && Liste->currentIndex() != Voulu)
                QTest::keyClick(Liste, Liste->currentIndex() < Voulu ? Qt::Key_Down : Qt::Key_Up);
            SeriesMontrees.push_back(Dans<QLineEdit>(F, "E_serie")->text().toStdString());
        }
        QTest::mouseClick(Dans<QPushButton>(F, "B_ok"), Qt::LeftButton);
        return F.result();
    }
};
