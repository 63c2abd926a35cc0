#pragma once
// What the benchmarks of the data-entry forms share: the messages, kept to be reported; the
// modal runs, shown, painted and closed; the demo lycée once placed; the program's main, on
// the offscreen platform with the main window open.
#include "model/U_messages.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_princ.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

// Whatever is said is kept: a figure taken while the reader complains would measure an
// empty timetable.
class TMessagesNotes final : public IMessages {
public:
    void Erreur(const std::string& Texte) override { Notes += Texte + "; "; }
    void Message(const std::string& Texte) override { Notes += Texte + "; "; }
    bool Confirmer(const std::string& Texte) override {
        Notes += Texte + "; ";
        return false;
    }
    TReponse ConfirmerAvecAbandon(const std::string&) override { return TReponse::Non; }
    void Bip() override { Notes += "bip; "; }
    void TraiterEvenements() override {}

    std::string Notes;
};

// A form run modally is shown and painted, then closed as "Fin" closes it.
class TDialoguesBanc final : public IDialogues {
public:
    QString OuvrirFichier(QWidget*, const QString&, const QString&, const TSurDossier&) override {
        return {};
    }
    QString EnregistrerFichier(QWidget*, const QString&, const QString&,
                               const TSurDossier&) override {
        return {};
    }
    std::optional<QColor> ChoisirCouleur(QWidget*, std::optional<QColor>) override { return {}; }
    std::optional<QAbstractPrintDialog::PrintRange> Imprimer(QWidget*, QPrinter&) override {
        return {};
    }
    bool ConfigurerImpression(QWidget*, QPrinter&) override { return false; }
    int ExecuterModal(QDialog& Dialogue) override {
        Dialogue.show();
        QCoreApplication::processEvents();
        Dialogue.done(QDialog::Rejected);
        return QDialog::Rejected;
    }
};

inline TMessagesNotes Temoin;

// The lycée after the automatic placement, written once beside the snapshots.
inline const std::string& LyceePlace() {
    static const std::string Chemin = [] {
        const std::string c = Sauveur->Dossier + "lycee-place.edt";
        Sauveur->LireFichier(HORALO_EXAMPLES "/lycee.edt");
        Automate->PlacementAutomatique();
        Sauveur->EcrireFichier(c);
        return c;
    }();
    return Chemin;
}

// Opening a form from its menu entry, shown, painted and closed, on the school Ouvrir gives.
inline void MesurerMenu(benchmark::State& Etat, const char* Entree,
                        bool (*Ouvrir)(benchmark::State&)) {
    if (!Ouvrir(Etat))
        return;
    auto* Action = FTable->findChild<QAction*>(QLatin1String(Entree));
    for (auto _ : Etat)
        Action->trigger();
    if (!Temoin.Notes.empty())
        Etat.SkipWithError("the menu entry was refused");
}

inline int ExecuterBancs(int argc, char** argv) {
    // Offscreen, and away from the user's own settings and desktop files.
    QTemporaryDir Maison;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* Variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(Variable, Maison.path().toLocal8Bit());
    QApplication Application(argc, argv);
    // The offscreen platform warns at every window shown that it cannot raise it.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    TDialoguesBanc Dialogues;
    InstallerMessages(&Temoin);
    InstallerDialogues(&Dialogues);
    int Resultat = 0;
    {
        TFTable Table;
        Table.show();
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            Resultat = 1;
        else
            benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    InstallerDialogues(nullptr);
    InstallerMessages(nullptr);
    return Resultat;
}
