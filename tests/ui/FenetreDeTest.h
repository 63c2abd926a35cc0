#pragma once
// A main window on the offscreen platform for each test, a small school in it, and
// mouse actions that go through the window system as a user's do (hit testing, the
// pressed widget keeping the pointer).
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "storage/U_fichier.h"
#include "tests/support/MessagesScriptes.h"
#include "tests/ui/DialoguesScriptes.h"
#include "ui/main/U_blocvue.h"
#include "ui/main/U_princ.h"

#include <QComboBox>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A registry of the test's own while it lives, for a test that leaves settings the
// window tests running beside it must not read. The window must go before it.
class TRegistrePrive {
public:
    TRegistrePrive() : Avant(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", Dossier.path().toLocal8Bit());
    }
    ~TRegistrePrive() { qputenv("XDG_CONFIG_HOME", Avant); }

private:
    QTemporaryDir Dossier;
    QByteArray Avant;
};

class FenetreTest : public ::testing::Test {
protected:
    ~FenetreTest() override;

    void Ouvrir(const QStringList& Arguments = {});
    // A demo school opened from a copy of its own: the window locks what it opens, and
    // tests running side by side must not find each other's lock.
    void OuvrirExemple(const QString& Nom);
    // Series S1 (Maths 16, Francais 12, Anglais 8 without a teacher); teachers P1 (Maths)
    // and P2 (Francais); classes C1 and C2 of S1, each with both teachers. C1 and P2 are
    // shown.
    void ConstruireEcole();
    // A course on a class and on its teacher, as the file reader places it.
    void Placer(const std::string& Classe, const std::string& Matiere, TJour Jour, TQuart Debut,
                TQuart Fin);
    void Montrer(const std::string& Classe, const std::string& Prof);

    template <class T> T* Controle(const QString& Nom) const {
        T* c = Table->findChild<T*>(Nom);
        EXPECT_NE(c, nullptr) << Nom.toStdString();
        return c;
    }
    QTableWidget* SGclasse() const { return Controle<QTableWidget>(QStringLiteral("SGclasse")); }
    QTableWidget* SGProf() const { return Controle<QTableWidget>(QStringLiteral("SGProf")); }
    QScrollBar* SBClasse() const { return Controle<QScrollBar>(QStringLiteral("SBClasse")); }
    QScrollBar* SBProf() const { return Controle<QScrollBar>(QStringLiteral("SBProf")); }
    QComboBox* CBclasse() const { return Controle<QComboBox>(QStringLiteral("CBclasse")); }
    QComboBox* CBprof() const { return Controle<QComboBox>(QStringLiteral("CBprof")); }
    // The block widget of that identifier, or nullptr.
    TBlocVue* Bloc(const char* Identifiant) const;
    // The texts of a grid's row; a summary's row 0 is its header.
    std::vector<std::string> Cellules(const char* Grille, int Rangee) const;

    // The pointer, at a point of a widget.
    void Appuyer(QWidget* Widget, QPoint Point, Qt::KeyboardModifiers Touches = {},
                 Qt::MouseButton Bouton = Qt::LeftButton);
    void Bouger(QWidget* Widget, QPoint Point);
    void Relacher(QWidget* Widget, QPoint Point, Qt::MouseButton Bouton = Qt::LeftButton);
    // A right click on the block opens the course menu; the menu is closed again, as a
    // menu closes before running the entry chosen. Then the entry, when one is named, runs
    // with the pointer resting on the block.
    void MenuSur(const char* Identifiant, const char* Entree = nullptr);
    // A point of a grid's cell, in the grid's own coordinates.
    static QPoint DansCellule(TJour Jour, TQuart Quart, int dx = 10, int dy = 9);

    // Runs of a name in a grid, read back cell by cell: "day:first-last".
    static std::string Plages(const TActeur& Acteur, const std::string& Nom);
    int EtapesMemorisees() const { return Sauveur->Courant; }

    TClasse* C1() const { return LesClasses->Trouver("C1"); }
    TClasse* C2() const { return LesClasses->Trouver("C2"); }
    TProf* P1() const { return LesProfs->Trouver("P1"); }
    TProf* P2() const { return LesProfs->Trouver("P2"); }

    TMessagesScriptes Messages; // installed before the window, so no box ever opens
    TDialoguesScriptes Dialogues;
    QTemporaryDir Copies;
    std::unique_ptr<TFTable> Table;
};
