#pragma once
// The teacher form opened from the menu on FenetreTest's school, C1 and P1 shown; the class
// chooser it opens answers from Choix, as a user answers it.
#include "model/U_texte.h"
#include "tests/support/ModeleDeTest.h"
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
    void OuvrirProf(std::function<void(QDialog&)> Actions) {
        Lancer("Professeur1", std::move(Actions));
    }
    static QTableWidget* Grille(const QDialog& F) { return Dans<QTableWidget>(F, "SGProf"); }
    // Keys typing each character, accented ones too (keyClicks takes ASCII only).
    static void TaperTexte(QWidget* Boite, const QString& Texte) {
        for (const QChar c : Texte)
            QTest::sendKeyEvent(QTest::Click, Boite, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void TaperMatiere(const QDialog& F, const QString& Texte) {
        auto* Boite = Dans<QLineEdit>(F, "E_matiere");
        Boite->selectAll();
        QTest::keyClick(Boite, Qt::Key_Backspace);
        TaperTexte(Boite, Texte);
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
        const auto Texte = [&](int c) {
            const QTableWidgetItem* Item = Grille(F)->item(Rangee - 1, c);
            return Item ? Item->text().toStdString() : std::string();
        };
        return Texte(0) + "|" + Texte(1);
    }
    // A teacher's class list, "class volume colour", in order.
    static std::string Classes(const char* Prof) {
        const TProf* P = LesProfs->Trouver(Prof);
        return P ? Utf8(Heures(*P->Heures)) : "(none)";
    }

    // Each chooser takes the next answer: the entry of that name reached with the arrow keys
    // then OK ("" OK at once, the default), or the close box for nullopt.
    std::deque<std::optional<std::string>> Choix;
    // What each chooser offered, the entry it opened on marked '*'; the series it showed.
    std::vector<std::string> Offres, SeriesMontrees;

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
            if (Voulu < 0) {
                ADD_FAILURE() << *Reponse << " not offered";
                return QDialog::Rejected;
            }
            while (Liste->currentIndex() != Voulu)
                QTest::keyClick(Liste, Liste->currentIndex() < Voulu ? Qt::Key_Down : Qt::Key_Up);
            SeriesMontrees.push_back(Dans<QLineEdit>(F, "E_serie")->text().toStdString());
        }
        QTest::mouseClick(Dans<QPushButton>(F, "B_ok"), Qt::LeftButton);
        return F.result();
    }
};
