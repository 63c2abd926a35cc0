// The window "Heures non placées" on the demo lycée after the automatic placement at
// 4/09h00/11h30/13h30/15h00: its refresh after a command, as the main window asks for it,
// until the list is painted.
// Run from a Release build, on the offscreen platform:
//   bench_nonplacees --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "bench/BancFormes.h"
#include "model/U_classe.h"
#include "ui/main/U_nonplacees.h"

#include <QTableWidget>

#include <tuple>

namespace {

void Rafraichir(benchmark::State& Etat) {
    Sauveur->LireFichier(HORALO_EXAMPLES "/lycee.edt");
    std::tie(Automate->DureeMax, Automate->DebutJournee, Automate->DebutPause, Automate->FinPause,
             Automate->FinJournee) = std::tuple(4, 36, 46, 54, 60);
    Automate->PlacementAutomatique();
    Temoin.Notes.clear(); // the placement says it is done
    FTable->findChild<QAction*>(QStringLiteral("NonPlacees1"))->trigger();
    QCoreApplication::processEvents();
    if (!Temoin.Notes.empty() || LesClasses->Nombre() == 0) {
        static std::string Raison;
        Raison = "the lycée did not open, or the window was refused: " + Temoin.Notes;
        Etat.SkipWithError(Raison.c_str());
        return;
    }
    for (auto _ : Etat) {
        FTable->ActualiserCommandes();
        QCoreApplication::processEvents(); // painted
    }
    Etat.counters["lignes"] = FTable->F_NonPlacees->findChild<QTableWidget*>()->rowCount();
}

BENCHMARK(Rafraichir)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return ExecuterBancs(argc, argv);
}
