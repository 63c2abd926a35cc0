// The series and class forms on the demo lycée once placed: opening each as its menu entry
// does (made, loaded on the shown class, painted; then closed, which refreshes the window),
// and the series form's "Modifier" on "Première S", a series of eight classes: with a
// colour changed, and with every subject taken away (every course of the eight classes
// cleared, the classes taken from their teachers). Each "Modifier" records a history step.
// Run from a Release build, on the offscreen platform:
//   bench_series_classes --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "bench/BancFormes.h"
#include "model/U_classe.h"
#include "model/U_serie.h"
#include "ui/dialogs/U_saisieserie.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

namespace {

const std::string SerieDeHuit = "Premi\xE8re S"; // Windows-1252

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

void OuvrirSerie(benchmark::State& Etat) {
    MesurerMenu(Etat, "Serie1", Ouvrir);
}

void OuvrirClasse(benchmark::State& Etat) {
    MesurerMenu(Etat, "Classe1", Ouvrir);
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
    return ExecuterBancs(argc, argv);
}
