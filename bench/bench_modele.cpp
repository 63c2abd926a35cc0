// The model and storage on the demo schools, without a window: reading, writing, the
// automatic placement, and the undo history. Run from a Release build, for instance:
//   bench_modele --benchmark_repetitions=7 --benchmark_report_aggregates_only
#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Silent, but counts what is shown: a demo file that reads with a message is broken, and
// its figures would mean nothing.
class TMessagesComptes final : public IMessages {
public:
    void Erreur(const std::string&) override { ++Montres; }
    void Message(const std::string&) override { ++Montres; }
    bool Confirmer(const std::string&) override { return false; }
    TReponse ConfirmerAvecAbandon(const std::string&) override { return TReponse::Non; }
    void Bip() override {}
    void TraiterEvenements() override {}

    int Montres = 0;
};

TMessagesComptes Compteur;

std::string Exemple(const std::string& Nom) {
    return std::string(HORALO_EXAMPLES) + "/" + Nom;
}

// Reads a file; false when the reading showed anything (the model is then empty).
bool Charger(const std::string& Chemin) {
    Compteur.Montres = 0;
    Sauveur->LireFichier(Chemin);
    return Compteur.Montres == 0;
}

struct TBilan {
    long NonPlaces = 0; // quarter-hours that found no room
    long Total = 0;     // quarter-hours the series ask for
};

TBilan Bilan() {
    TBilan b;
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m) {
            const THeures& Matiere = *Classe.Serie->Heures->Numero(m);
            b.Total += Matiere.Volume;
            b.NonPlaces += std::max(0, Matiere.Volume - Classe.CompterQuarts(Matiere.Nom));
        }
    }
    return b;
}

// The school as it is once the automatic placement has run: the state a user saves,
// undoes and redoes. Written once into the snapshot folder.
const std::string& Place(const std::string& Nom) {
    static std::map<std::string, std::string> Fichiers;
    auto [i, Nouveau] = Fichiers.try_emplace(Nom, Sauveur->Dossier + "place-" + Nom);
    if (Nouveau) {
        Charger(Exemple(Nom));
        Automate->PlacementAutomatique();
        Sauveur->EcrireFichier(i->second);
    }
    return i->second;
}

std::string Source(const std::string& Nom, bool Placee) {
    return Placee ? Place(Nom) : Exemple(Nom);
}

void Lecture(benchmark::State& Etat, const std::string& Nom, bool Placee) {
    const std::string Chemin = Source(Nom, Placee);
    for (auto _ : Etat)
        if (!Charger(Chemin))
            Etat.SkipWithError("the file reads with a message");
}

void Ecriture(benchmark::State& Etat, const std::string& Nom, bool Placee) {
    if (!Charger(Source(Nom, Placee)))
        Etat.SkipWithError("the file reads with a message");
    const std::string Chemin = Sauveur->Dossier + "ecrit-" + Nom;
    for (auto _ : Etat)
        Sauveur->EcrireFichier(Chemin);
}

void Placement(benchmark::State& Etat, const std::string& Nom) {
    for (auto _ : Etat) {
        Etat.PauseTiming();
        const bool Lu = Charger(Exemple(Nom));
        Etat.ResumeTiming();
        if (!Lu)
            Etat.SkipWithError("the file reads with a message");
        Automate->PlacementAutomatique();
    }
    const TBilan b = Bilan();
    Etat.counters["non_places"] = static_cast<double>(b.NonPlaces);
    Etat.counters["quarts"] = static_cast<double>(b.Total);
}

void Memorisation(benchmark::State& Etat, const std::string& Nom) {
    if (!Charger(Place(Nom)))
        Etat.SkipWithError("the file reads with a message");
    for (auto _ : Etat)
        Sauveur->Memoriser();
    Sauveur->Reinitialiser();
}

void AnnulerRefaire(benchmark::State& Etat, const std::string& Nom) {
    if (!Charger(Place(Nom)))
        Etat.SkipWithError("the file reads with a message");
    Sauveur->Memoriser();
    Sauveur->Memoriser();
    for (auto _ : Etat) {
        if (!Sauveur->PeutAnnuler()) {
            Etat.SkipWithError("nothing to undo");
            break;
        }
        Sauveur->Annuler();
        Sauveur->Refaire();
    }
    Sauveur->Reinitialiser();
}

// The drag tint's work for one course of the placed school: the placement rule at every
// start of the week, in the class's and the teacher's grids, as the window asks it.
void ReglePlaces(benchmark::State& Etat, const std::string& Nom) {
    if (!Charger(Place(Nom)))
        Etat.SkipWithError("the file reads with a message");
    const TClasse& Classe = *LesClasses->Numero(1);
    const std::string Matiere = Classe.Serie->Heures->Numero(1)->Nom;
    const TProf& Prof = *LesProfs->Trouver(Classe.ProfDe(Matiere));
    long Possibles = 0;
    for (auto _ : Etat)
        for (TJour d = 0; d < NombreJours; ++d)
            for (int s = QuartDebutGrille; s < QuartFinGrille; ++s) {
                const auto q = static_cast<TQuart>(s);
                const auto f = static_cast<TQuart>(s + 3);
                Possibles +=
                    Classe.PlageLibre(Matiere, d, q, f) && Prof.PlageLibre(Classe.Nom, d, q, f);
            }
    benchmark::DoNotOptimize(Possibles);
}

BENCHMARK_CAPTURE(ReglePlaces, lycee_place, "lycee.edt")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lecture, college, "college.edt", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lecture, lycee, "lycee.edt", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lecture, college_place, "college.edt", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Lecture, lycee_place, "lycee.edt", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ecriture, college, "college.edt", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ecriture, lycee, "lycee.edt", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ecriture, college_place, "college.edt", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ecriture, lycee_place, "lycee.edt", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Placement, college, "college.edt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Placement, lycee, "lycee.edt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Memorisation, college_place, "college.edt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Memorisation, lycee_place, "lycee.edt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnnulerRefaire, college_place, "college.edt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnnulerRefaire, lycee_place, "lycee.edt")->Unit(benchmark::kMillisecond);

// Bytes the allocator hands out, small blocks and mapped ones alike.
long long Alloue() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long long>(m.uordblks + m.hblkhd);
}

// What one school costs in memory, and what the automatic placement leaves to do by hand.
void Resumer(const std::string& Nom) {
    Sauveur->ViderModele();
    const long long Avant = Alloue();
    if (!Charger(Exemple(Nom))) {
        std::printf("%s: the file reads with a message\n", Nom.c_str());
        return;
    }
    const long long Charge = Alloue();
    Automate->PlacementAutomatique();
    const long long Rempli = Alloue();
    const TBilan b = Bilan();
    std::printf("%s: model in memory %.2f MB as shipped, %.2f MB once placed (mallinfo2 "
                "uordblks+hblkhd, delta from an empty model)\n",
                Nom.c_str(), static_cast<double>(Charge - Avant) / 1e6,
                static_cast<double>(Rempli - Avant) / 1e6);
    std::printf("%s: the automatic placement left %ld of %ld quarter-hours unplaced\n", Nom.c_str(),
                b.NonPlaces, b.Total);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    InstallerMessages(&Compteur);
    TAutomate Reglages;
    Automate = &Reglages;
    Sauveur = new TSauveur;
    for (const char* Nom : {"college.edt", "lycee.edt"})
        Resumer(Nom);
    std::fflush(stdout);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
    DetruireGlobal(Sauveur);
    Automate = nullptr;
    InstallerMessages(nullptr);
    return 0;
}
