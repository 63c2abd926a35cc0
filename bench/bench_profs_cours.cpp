// The teacher, course placement and availability forms on the demo lycée once placed, the teacher
// with the most classes shown: opening each as its menu entry does (made, loaded, shown and
// painted, then closed, which refreshes the window), and the teacher form's "Modifier" with
// one colour changed (the class list rebuilt, one history step).
// Run from a Release build, on the offscreen platform:
//   bench_profs_cours --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "bench/BancFormes.h"
#include "model/U_prof.h"
#include "ui/dialogs/U_saisieprof.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>

namespace {

std::string ProfChoisi; // the teacher with the most classes

// The placed lycée, that teacher shown; false, and the figure skipped, when something was
// said or no teacher has 20 classes.
bool Ouvrir(benchmark::State& Etat) {
    const std::string& Chemin = LyceePlace(); // placed once, before the notes are read
    Temoin.Notes.clear();
    Sauveur->LireFichier(Chemin);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::size_t Classes = 0;
    for (std::size_t n = 1; n <= LesProfs->Nombre(); ++n)
        if (const TProf* P = LesProfs->Numero(n); P->Heures->Nombre() > Classes) {
            Classes = P->Heures->Nombre();
            ProfChoisi = P->Nom;
        }
    FTable->RetablirAffichage(FTable->ClasseAffichee(), ProfChoisi);
    Etat.counters["classes"] = static_cast<double>(Classes);
    if (Temoin.Notes.empty() && Classes >= 20)
        return true;
    static std::string Raison;
    Raison = "the placed lycée is not as expected: " + Temoin.Notes;
    Etat.SkipWithError(Raison.c_str());
    return false;
}

void OuvrirProf(benchmark::State& Etat) {
    MesurerMenu(Etat, "Professeur1", Ouvrir);
}

void OuvrirCours(benchmark::State& Etat) {
    MesurerMenu(Etat, "Plagehoraire1", Ouvrir);
}

// The availability form from the teacher summary's menu, on that teacher.
void OuvrirDisponibilites(benchmark::State& Etat) {
    MesurerMenu(Etat, "DisponibilitesProf1", Ouvrir);
}

// "Modifier" on the teacher shown, the first colour changed at each turn: the class list is
// rebuilt, every course kept.
void ModifierProf(benchmark::State& Etat) {
    if (!Ouvrir(Etat))
        return;
    const auto Quarts = [] {
        long n = 0;
        const TProf* P = LesProfs->Trouver(ProfChoisi);
        for (std::size_t k = 1; P && k <= P->Heures->Nombre(); ++k)
            n += P->CompterQuarts(P->Heures->NomNumero(k));
        return n;
    };
    const long QuartsAvant = Quarts();
    long Etapes = 0;
    int Fois = 0;
    for (auto _ : Etat) {
        Etat.PauseTiming();
        TF_prof F_prof(FTable);
        F_prof.FixerNom(ProfChoisi);
        F_prof.CB_nomClick();
        auto* Grille = F_prof.findChild<QTableWidget*>(QStringLiteral("SGProf"));
        Grille->item(0, 1)->setText(QString::number(++Fois % 2 ? 255 : 65280));
        const int Avant = Sauveur->Courant;
        Etat.ResumeTiming();
        F_prof.findChild<QPushButton*>(QStringLiteral("B_Modifier"))->click();
        Etat.PauseTiming();
        Etapes += Sauveur->Courant != Avant;
        Etat.ResumeTiming();
    }
    if (Etapes != static_cast<long>(Etat.iterations()) || Quarts() != QuartsAvant ||
        !Temoin.Notes.empty())
        Etat.SkipWithError("\"Modifier\" lost courses, recorded no step or said something");
}

BENCHMARK(OuvrirProf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OuvrirCours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OuvrirDisponibilites)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ModifierProf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return ExecuterBancs(argc, argv);
}
