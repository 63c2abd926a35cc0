// The series and class forms on the demo lycée once placed: opening each as its menu entry
// does (made, loaded on the shown class, painted; then closed, which refreshes the window),
// and the series form's "Modifier" on "Première S", a series of eight classes: with a
// colour changed, and with every subject taken away (every course of the eight classes
// cleared, the classes taken from their teachers). Each "Modifier" records a history step.
// Run from a Release build, on the offscreen platform:
//   bench_series_classes --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_serie.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_saisieserie.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_princ.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Whatever is said is kept, to be reported: a figure taken while the reader complains
// would measure an empty timetable.
class TMessagesNotes final : public IMessages {
public:
    void Erreur(const std::string& Texte) override { Notes += Texte + "; "; }
    void Message(const std::string& Texte) override { Notes += Texte + "; "; }
    bool Confirmer(const std::string&) override { return false; }
    TReponse ConfirmerAvecAbandon(const std::string&) override { return TReponse::Non; }
    void Bip() override { Notes += "bip; "; }
    void TraiterEvenements() override {}

    std::string Notes;
};

// A form run modally is shown and painted, then closed as "Fin" closes it.
class TDialoguesBanc final : public IDialogues {
public:
    QString OuvrirFichier(QWidget*, const QString&, const TSurDossier&) override { return {}; }
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

TMessagesNotes Temoin;
TDialoguesBanc DialoguesBanc;
const std::string SerieDeHuit = "Premi\xE8re S"; // Windows-1252

const std::string& LyceePlace() {
    static const std::string Chemin = [] {
        const std::string c = Sauveur->Dossier + "lycee-place.edt";
        Sauveur->LireFichier(HORALO_EXAMPLES "/lycee.edt");
        Automate->PlacementAutomatique();
        Sauveur->EcrireFichier(c);
        return c;
    }();
    return Chemin;
}

// The placed lycée, with 1ère S1 (of the series of eight) shown; false, and the figure
// skipped, when something was said.
bool Ouvrir(benchmark::State& Etat) {
    const std::string& Chemin = LyceePlace(); // the placement has its say first
    Temoin.Notes.clear();
    Sauveur->LireFichier(Chemin);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* Classes = FTable->findChild<QComboBox*>(QStringLiteral("CBclasse"));
    Classes->setCurrentIndex(Classes->findText(QStringLiteral(u"1ère S1")));
    FTable->CBclasseChange();
    const TSerie* Serie = LesSeries->Trouver(SerieDeHuit);
    std::size_t Classes8 = 0;
    for (std::size_t n = 1; n <= LesClasses->Nombre(); ++n)
        Classes8 += LesClasses->Numero(n)->Serie == Serie;
    if (Temoin.Notes.empty() && Serie && Classes8 == 8)
        return true;
    static std::string Raison;
    Raison = "the placed lycée is not as expected: " + Temoin.Notes;
    Etat.SkipWithError(Raison.c_str());
    return false;
}

void Menu(benchmark::State& Etat, const char* Entree) {
    if (!Ouvrir(Etat))
        return;
    auto* Action = FTable->findChild<QAction*>(QLatin1String(Entree));
    for (auto _ : Etat)
        Action->trigger();
    if (!Temoin.Notes.empty())
        Etat.SkipWithError("the menu entry was refused");
}

void OuvrirSerie(benchmark::State& Etat) {
    Menu(Etat, "Serie1");
}

void OuvrirClasse(benchmark::State& Etat) {
    Menu(Etat, "Classe1");
}

// "Modifier" on the series of the class shown; Preparer sets the grid beforehand, untimed.
template <class TPreparer>
void Modifier(benchmark::State& Etat, TPreparer Preparer, bool Recharger) {
    long Etapes = 0;
    if (!Ouvrir(Etat))
        return;
    for (auto _ : Etat) {
        Etat.PauseTiming();
        if (Recharger && !Ouvrir(Etat))
            break;
        TF_serie F_serie(FTable);
        F_serie.FixerNom(SerieDeHuit);
        F_serie.CB_nomClick();
        Preparer(F_serie);
        const int Avant = Sauveur->Courant;
        Etat.ResumeTiming();
        F_serie.findChild<QPushButton*>(QStringLiteral("B_Modifier"))->click();
        Etat.PauseTiming();
        Etapes += Sauveur->Courant != Avant;
        Etat.ResumeTiming();
    }
    if (Etapes != static_cast<long>(Etat.iterations()))
        Etat.SkipWithError("a \"Modifier\" changed nothing");
}

void ModifierCouleur(benchmark::State& Etat) {
    int Fois = 0;
    Modifier(
        Etat,
        [&Fois](TF_serie& F_serie) {
            auto* Grille = F_serie.findChild<QTableWidget*>(QStringLiteral("SGHeureMatiere"));
            Grille->item(0, 2)->setText(QString::number(++Fois % 2 ? 255 : 65280));
        },
        false);
}

void ModifierSansMatieres(benchmark::State& Etat) {
    Modifier(
        Etat, [](TF_serie& F_serie) { F_serie.CB_nomKeyPress(); }, true);
}

BENCHMARK(OuvrirSerie)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OuvrirClasse)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ModifierCouleur)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ModifierSansMatieres)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    // Offscreen, and away from the user's own settings and desktop files.
    QTemporaryDir Maison;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* Variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(Variable, Maison.path().toLocal8Bit());
    QApplication Application(argc, argv);
    // The offscreen platform warns at every window shown that it cannot raise it.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    InstallerMessages(&Temoin);
    InstallerDialogues(&DialoguesBanc);
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
