// The optimised placement on the demo schools, against the automatic pass and the bound.
// Run from a Release build, for instance:
//   bench_optimiseur --benchmark_repetitions=5 --benchmark_report_aggregates_only
// Counters: placed, bound and greedy as % of the quarter-hours to place, places the
// quarter-hours placed; prouve is 1 when the result meets the bound. lycee_x8 is eight
// copies of the lycée under other names. Also the list of hours not placed and "who is free".
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "scheduling/U_diagnostic.h"
#include "scheduling/U_libres.h"
#include "scheduling/U_optimiseur.h"
#include "scheduling/U_probleme.h"
#include "storage/U_fichier.h"
#include "tools/generateur/U_ecoles.h"

#include <benchmark/benchmark.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

long Etapes = EtapesParDefaut; // --etapes=N sets it

struct TReglages {
    const char* Nom;
    std::uint8_t DureeMax, DebutJournee, DebutPause, FinPause, FinJournee;
};

constexpr TReglages Jeux[] = {{"6_32_44_52_56", 6, 32, 44, 52, 56},
                              {"4_36_46_54_60", 4, 36, 46, 54, 60},
                              {"3_34_40_50_70", 3, 34, 40, 50, 70},
                              {"defauts", 8, 32, 48, 56, 80}};

TAutomate Automatique(const TReglages& r) {
    TAutomate a;
    std::tie(a.DureeMax, a.DebutJournee, a.DebutPause, a.FinPause, a.FinJournee) =
        std::tuple(r.DureeMax, r.DebutJournee, r.DebutPause, r.FinPause, r.FinJournee);
    return a;
}

long Places() {
    long APlacer = 0;
    return QuartsPlacesDuModele(APlacer);
}

// Keeps one course in three of the automatic pass, in file order: the others go.
void GarderUnTiers() {
    long n = 0;
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        TClasse& Classe = *LesClasses->Numero(c);
        for (TJour d = 0; d < NombreJours; ++d)
            for (int s = QuartDebutGrille; s < QuartFinGrille; ++s) {
                const std::string Matiere = Classe.LireCase(d, static_cast<TQuart>(s));
                if (Matiere.empty() || Classe.LireCase(d, static_cast<TQuart>(s - 1)) == Matiere)
                    continue;
                if (n++ % 3 == 0)
                    continue;
                TProf* Prof = LesProfs->Trouver(Classe.ProfDe(Matiere));
                Prof->EffacerPlage(d, static_cast<TQuart>(s), true);
                Classe.EffacerPlage(d, static_cast<TQuart>(s), true);
            }
    }
}

// Every class's Wednesday afternoon interdit; a tenth of each teacher's cells interdit and
// another tenth à éviter, drawn the same way on every run.
void Contraindre() {
    THasard h(0x436F6E7472);
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c)
        for (int q = 48; q < QuartFinGrille; ++q)
            LesClasses->Numero(c)->FixerDispo(2, static_cast<TQuart>(q), TDispo::Interdit);
    for (std::size_t p = 1; p <= LesProfs->Nombre(); ++p)
        for (TJour d = 0; d < NombreJours; ++d)
            for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
                if (const int t = h.Tirer(10); t < 2)
                    LesProfs->Numero(p)->FixerDispo(d, static_cast<TQuart>(q),
                                                    t ? TDispo::Interdit : TDispo::AEviter);
}

// Course cells that are à éviter for their class or their teacher.
long AEviterCouverts() {
    long n = 0;
    const auto Compter = [&n](const TActeur& a) {
        for (TJour d = 0; d < NombreJours; ++d)
            for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
                n += !a.CaseLibre(d, static_cast<TQuart>(q)) &&
                     a.Dispo(d, static_cast<TQuart>(q)) == TDispo::AEviter;
    };
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c)
        Compter(*LesClasses->Numero(c));
    for (std::size_t p = 1; p <= LesProfs->Nombre(); ++p)
        Compter(*LesProfs->Numero(p));
    return n;
}

enum class TDepart { Vide, Tiers, Contraint, Huit };

// The state the optimiser starts from: the shipped file, a third of the greedy's, the
// shipped file with constraints, or eight copies of it under other names.
void Preparer(const std::string& Fichier, const TAutomate& Reglages, TDepart Depart) {
    Sauveur->LireFichier(std::string(HORALO_EXAMPLES) + "/" + Fichier);
    if (Depart == TDepart::Contraint)
        Contraindre();
    if (Depart == TDepart::Huit)
        CopierEcole(8);
    if (Depart == TDepart::Tiers) {
        TAutomate Automatique = Reglages;
        Automatique.PlacementAutomatique();
        GarderUnTiers();
    }
}

void Optimiser(benchmark::State& Etat, const std::string& Fichier, TReglages r, TDepart Depart) {
    const TAutomate Reglages = Automatique(r);
    Preparer(Fichier, Reglages, Depart);
    TAutomate Automatique = Reglages;
    Automatique.PlacementAutomatique();
    const long Glouton = Places();
    const long EviterGlouton = AEviterCouverts();
    TBilanOptimisation Bilan{};
    for (auto _ : Etat) {
        Etat.PauseTiming();
        Preparer(Fichier, Reglages, Depart);
        if (LesClasses->Nombre() == 0) // a damaged file leaves an empty model
            Etat.SkipWithError("the file did not read");
        Etat.ResumeTiming();
        Bilan = PlacementOptimise(Reglages, Etapes);
    }
    const auto Pourcent = [&](long n) { return 100.0 * static_cast<double>(n) / Bilan.APlacer; };
    Etat.counters["place_pct"] = Pourcent(Bilan.Places);
    Etat.counters["borne_pct"] = Pourcent(Bilan.Borne);
    Etat.counters["glouton_pct"] = Pourcent(Glouton);
    Etat.counters["manque_borne"] = static_cast<double>(Bilan.Borne - Bilan.Places);
    Etat.counters["places"] = static_cast<double>(Bilan.Places);
    if (Depart == TDepart::Contraint) {
        Etat.counters["eviter"] = static_cast<double>(AEviterCouverts());
        Etat.counters["eviter_glouton"] = static_cast<double>(EviterGlouton);
    }
    Etat.counters["prouve"] = Bilan.Places >= Bilan.Borne ? 1 : 0;
}

// The list of hours not placed, as the window refreshes it, after the automatic pass.
void Diagnostiquer(benchmark::State& Etat, TReglages r) {
    const TAutomate Reglages = Automatique(r);
    Preparer("lycee.edt", Reglages, TDepart::Vide);
    TAutomate Automatique = Reglages;
    Automatique.PlacementAutomatique();
    std::size_t Lignes = 0;
    for (auto _ : Etat)
        Lignes = HeuresNonPlacees(Reglages).size();
    Etat.counters["lignes"] = static_cast<double>(Lignes);
}

// Who is free on Tuesday 10h00-11h00 of the placed lycée, for its first class.
void QuiLibre(benchmark::State& Etat) {
    Preparer("lycee.edt", Automatique(Jeux[3]), TDepart::Vide);
    TAutomate().PlacementAutomatique();
    std::size_t Libres = 0;
    for (auto _ : Etat)
        Libres = QuiEstLibre(TAutomate{}, 1, 40, 43, LesClasses->Numero(1)).size();
    Etat.counters["libres"] = static_cast<double>(Libres);
}

} // namespace

int main(int argc, char** argv) {
    int n = 1;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).starts_with("--etapes="))
            Etapes = std::stol(argv[i] + 9);
        else
            argv[n++] = argv[i];
    argc = n;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Sauveur = new TSauveur;
    for (const char* Fichier : {"college.edt", "lycee.edt"}) {
        const std::string Ecole = std::string(Fichier).substr(0, std::string(Fichier).find('.'));
        for (const TReglages& r : Jeux)
            for (const auto& [Depart, Suffixe] :
                 {std::pair(TDepart::Vide, ""), std::pair(TDepart::Contraint, "_contraint")})
                benchmark::RegisterBenchmark(("Optimiser/" + Ecole + Suffixe + "/" + r.Nom).c_str(),
                                             Optimiser, Fichier, r, Depart)
                    ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Optimiser/" + Ecole + "_tiers_fixe/" + Jeux[0].Nom).c_str(),
                                     Optimiser, Fichier, Jeux[0], TDepart::Tiers)
            ->Unit(benchmark::kMillisecond);
    }
    for (const TReglages& r : Jeux)
        benchmark::RegisterBenchmark((std::string("Optimiser/lycee_x8/") + r.Nom).c_str(),
                                     Optimiser, "lycee.edt", r, TDepart::Huit)
            ->Unit(benchmark::kMillisecond);
    for (const TReglages& r : Jeux)
        benchmark::RegisterBenchmark((std::string("Diagnostic/lycee/") + r.Nom).c_str(),
                                     Diagnostiquer, r)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("QuiEstLibre/lycee", QuiLibre)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
    DetruireGlobal(Sauveur);
    return 0;
}
