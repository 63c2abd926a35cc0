#pragma once
// The data-entry forms on the small school of FenetreTest, run through the dialogs seam as
// a user meets them: the form is shown while Scenario acts in it, and the duration dialog
// it opens answers from Durees.
#include "tests/ui/FenetreDeTest.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <deque>
#include <functional>

class SaisieTest : public FenetreTest {
protected:
    void SetUp() override {
        Ouvrir();
        ConstruireEcole();
        Dialogues.Modal = [this](QDialog& Forme) {
            if (Forme.objectName() == QStringLiteral("TFmodifduree"))
                return RepondreDuree(Forme);
            Forme.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&Forme));
            if (Scenario)
                Scenario(Forme);
            return int(QDialog::Rejected);
        };
        Avant = EtapesMemorisees();
    }

    // Triggers a menu or popup entry of the main window; Scenario runs in the form it opens.
    void Lancer(const char* Entree, std::function<void(QDialog&)> Actions) {
        Scenario = std::move(Actions);
        auto* Action = Table->findChild<QAction*>(QLatin1String(Entree));
        ASSERT_NE(Action, nullptr) << Entree;
        EXPECT_TRUE(Action->isEnabled()) << Entree;
        Action->trigger();
        Scenario = nullptr;
    }
    template <class T> static T* Dans(const QWidget& Forme, const char* Nom) {
        T* c = Forme.findChild<T*>(QLatin1String(Nom));
        EXPECT_NE(c, nullptr) << Nom;
        return c;
    }
    static void Cliquer(const QWidget& Forme, const char* Bouton) {
        QTest::mouseClick(Dans<QPushButton>(Forme, Bouton), Qt::LeftButton);
    }
    // Each character as a key typed; QTest's own names only ASCII keys.
    static void Taper(QWidget* Cible, const QString& Texte) {
        for (const QChar c : Texte)
            QTest::sendKeyEvent(QTest::Click, Cible, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // The name typed in place of the box's text, as a user selects it and types over it.
    static void Remplacer(QComboBox* Boite, const QString& Texte) {
        Boite->lineEdit()->selectAll();
        Taper(Boite, Texte);
    }
    int Etapes() const { return EtapesMemorisees() - Avant; }

    std::function<void(QDialog&)> Scenario;
    std::deque<int> Durees;           // quarter-hours chosen, then OK; -1 closes it
    std::vector<int> DureesDeDepart;  // the value each duration dialog opened on
    std::vector<int> MaximumsDeDuree; // and its upper bound
    int Avant = 0;

private:
    int RepondreDuree(QDialog& Forme) {
        auto* UpDown = Dans<QSpinBox>(Forme, "UpDown1");
        DureesDeDepart.push_back(Table->DureeChoisie);
        MaximumsDeDuree.push_back(UpDown->maximum());
        if (Durees.empty())
            return QDialog::Rejected;
        const int Duree = Durees.front();
        Durees.pop_front();
        if (Duree < 0)
            return QDialog::Rejected;
        UpDown->setValue(Duree);
        return QDialog::Accepted;
    }
};
