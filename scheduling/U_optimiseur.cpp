#include "scheduling/U_optimiseur.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "scheduling/U_amelioration.h"
#include "scheduling/U_borne.h"
#include "scheduling/U_composantes.h"
#include "scheduling/U_eviter.h"
#include "scheduling/U_grillecommune.h"
#include "scheduling/U_probleme.h"
#include "scheduling/U_recherchelocale.h"

#include <algorithm>
#include <cassert>
#include <tuple>

namespace {

// Every subject of every class whose teacher exists and lists the class, in the order of
// the automatic pass: the only subjects a course can be placed for.
template <class F> void PourChaqueMatiere(F Faire) {
    for (std::size_t c = 1; LesClasses && LesProfs && c <= LesClasses->Nombre(); ++c) {
        TClasse& Classe = *LesClasses->Numero(c);
        const TLesHeures& Heures = *Classe.Serie->Heures;
        for (std::size_t m = 1; m <= Heures.Nombre(); ++m) {
            const THeures& Matiere = *Heures.Numero(m);
            TProf* Prof = LesProfs->Trouver(Classe.ProfDe(Matiere.Nom));
            if (Prof && Prof->Heures->Existe(Classe.Nom))
                Faire(c - 1, Classe, Matiere, *Prof);
        }
    }
}

// Each cell holding a name, and the one after it.
TSemaine Occupation(const TActeur& Acteur) {
    TSemaine s{};
    for (int j = 0; j < JoursSemaine; ++j) {
        TMasque Cases = 0;
        for (int q = PremierQuart; q <= DernierQuart; ++q)
            if (!Acteur.CaseLibre(static_cast<TJour>(j), static_cast<TQuart>(q)))
                Cases |= TMasque{1} << (q - PremierQuart);
        s[static_cast<std::size_t>(j)] = Cases | Cases << 1;
    }
    return s;
}

// The cells of one state, one mask a day.
TSemaine Cellules(const TActeur& Acteur, TDispo Etat) {
    TSemaine s{};
    for (int j = 0; j < JoursSemaine; ++j)
        for (int q = PremierQuart; q <= DernierQuart; ++q)
            if (Acteur.Dispo(static_cast<TJour>(j), static_cast<TQuart>(q)) == Etat)
                s[static_cast<std::size_t>(j)] |= TMasque{1} << (q - PremierQuart);
    return s;
}

// Availability goes into the copy only when some actor has any: the searches then skip it.
void CopierDispos(TProbleme& P, const std::vector<const TActeur*>& Acteurs) {
    if (std::all_of(Acteurs.begin(), Acteurs.end(),
                    [](const TActeur* a) { return a->DispoVide(); }))
        return;
    for (const TActeur* a : Acteurs) {
        P.Interdit.push_back(Cellules(*a, TDispo::Interdit));
        P.Eviter.push_back(Cellules(*a, TDispo::AEviter));
    }
}

// The names a solution needs to be written back, looked up again at that time.
struct TCopie {
    TProbleme P;
    std::vector<std::string> Classes;
    std::vector<std::string> Profs;
    std::vector<std::string> Matieres; // by task
};

TCopie Copier(const TAutomate& Reglages) {
    TCopie C;
    C.P.Regles = {Reglages.DureeMax, Reglages.DebutJournee, Reglages.DebutPause, Reglages.FinPause,
                  Reglages.FinJournee};
    std::vector<const TProf*> Profs;
    for (std::size_t p = 1; LesProfs && p <= LesProfs->Nombre(); ++p)
        Profs.push_back(LesProfs->Numero(p));
    C.P.NbClasses = LesClasses ? LesClasses->Nombre() : 0;
    C.P.NbActeurs = C.P.NbClasses + static_cast<int>(Profs.size());
    for (std::size_t c = 1; c <= static_cast<std::size_t>(C.P.NbClasses); ++c) {
        C.Classes.push_back(LesClasses->Numero(c)->Nom);
        C.P.Fixe.push_back(Occupation(*LesClasses->Numero(c)));
    }
    std::vector<const TActeur*> Acteurs;
    for (std::size_t c = 1; c <= static_cast<std::size_t>(C.P.NbClasses); ++c)
        Acteurs.push_back(LesClasses->Numero(c));
    for (const TProf* Prof : Profs) {
        C.Profs.push_back(Prof->Nom);
        C.P.Fixe.push_back(Occupation(*Prof));
        Acteurs.push_back(Prof);
    }
    CopierDispos(C.P, Acteurs);
    PourChaqueMatiere([&](std::size_t c, const TClasse& Classe, const THeures& Matiere,
                          const TProf& Prof) {
        const std::uint16_t Deja = Classe.CompterQuarts(Matiere.Nom);
        const auto p = std::find(Profs.begin(), Profs.end(), &Prof) - Profs.begin();
        C.P.Taches.push_back({static_cast<int>(c), C.P.NbClasses + static_cast<int>(p),
                              std::max(0, Matiere.Volume - Deja),
                              static_cast<std::int8_t>(static_cast<std::uint8_t>(Matiere.Volume) -
                                                       static_cast<std::uint8_t>(Deja))});
        C.Matieres.push_back(Matiere.Nom);
    });
    return C;
}

// Runs go in as every command places a course: both grids asked first, then both placed.
void Ecrire(const TCopie& C, TSolution S) {
    std::sort(S.begin(), S.end(), [](const TPlage& a, const TPlage& b) {
        return std::tie(a.Tache, a.Jour, a.Debut) < std::tie(b.Tache, b.Jour, b.Debut);
    });
    std::vector<int> Reste(C.P.Taches.size());
    for (std::size_t i = 0; i < Reste.size(); ++i)
        Reste[i] = C.P.Taches[i].Besoin;
    for (const TPlage& p : S) {
        const TTache& t = C.P.Taches[static_cast<std::size_t>(p.Tache)];
        const int Longueur = std::min(p.Longueur, Reste[static_cast<std::size_t>(p.Tache)]);
        TClasse* Classe = LesClasses->Trouver(C.Classes[static_cast<std::size_t>(t.Classe)]);
        TProf* Prof = LesProfs->Trouver(C.Profs[static_cast<std::size_t>(t.Prof - C.P.NbClasses)]);
        const std::string& Matiere = C.Matieres[static_cast<std::size_t>(p.Tache)];
        const auto Jour = static_cast<TJour>(p.Jour);
        const auto d = static_cast<TQuart>(p.Debut);
        const auto f = static_cast<TQuart>(p.Debut + Longueur - 1);
        if (Longueur <= 0 || !Classe || !Prof)
            continue;
        const bool Libre =
            Classe->PlageLibre(Matiere, Jour, d, f) && Prof->PlageLibre(Classe->Nom, Jour, d, f);
        assert(Libre && "the search placed a run the grids refuse");
        if (!Libre)
            continue;
        Classe->PlacerPlage(Jour, d, f, Matiere);
        Prof->PlacerPlage(Jour, d, f, Classe->Nom);
        Reste[static_cast<std::size_t>(p.Tache)] -= Longueur;
    }
}

// The progress of the last phase, shown as what is placed; the user's stop goes through.
class TSuiviFixe final : public IProgressionOptimisation {
public:
    TSuiviFixe(IProgressionOptimisation* Suivant, long Places, long APlacer)
        : Suivant(Suivant), Places(Places), APlacer(APlacer) {}
    bool Continuer(long, long) override { return !Suivant || Suivant->Continuer(Places, APlacer); }

private:
    IProgressionOptimisation* Suivant;
    long Places;
    long APlacer;
};

// Among the timetables that place as many, one with fewer doublons, gaps and avoided cells:
// the runs just placed move, the courses that were there stay. True when stopped.
bool AmeliorerPlaces(const TAutomate& Reglages, const TCopie& C, long Etapes,
                     IProgressionOptimisation* Progression) {
    long APlacer = 0;
    const long Places = QuartsPlacesDuModele(APlacer);
    TSuiviFixe Suivi(Progression, Places, APlacer);
    return AmeliorerSelon(
        Reglages, Etapes, &Suivi, [&C](const TClasse& Classe, TJour Jour, TQuart Debut, TQuart) {
            const auto c = static_cast<std::size_t>(LesClasses->Indice(Classe.Nom));
            return !(C.P.Fixe[c][Jour] >> (Debut - PremierQuart) & 1);
        });
}

// The automatic pass's result is the floor; the shared grid, then the local search, start
// from whichever of the two places more; then fewer à éviter cells for the same hours.
TSolution Optimiser(const TProbleme& P, TEffort& Effort) {
    TSolution Meilleure = PlacementGlouton(P);
    Effort.Meilleur = QuartsPlaces(P, Meilleure);
    THasard Hasard(0x4F7074696D697365ull);
    if (!Effort.Fini()) {
        const TSolution Grille = GrilleCommune(P, Effort, Effort.Total() / 4, Hasard);
        if (const long g = QuartsPlaces(P, Grille); g > Effort.Meilleur) {
            Meilleure = Grille;
            Effort.Meilleur = g;
        }
    }
    if (!Effort.Fini())
        Meilleure = RechercheLocale(P, Meilleure, Effort, Hasard);
    return MoinsAEviter(P, Meilleure);
}

} // namespace

long QuartsPlacesDuModele(long& APlacer) {
    long Places = 0;
    APlacer = 0;
    PourChaqueMatiere([&](std::size_t, const TClasse& Classe, const THeures& Matiere, TProf&) {
        APlacer += Matiere.Volume;
        Places += std::min<long>(Matiere.Volume, Classe.CompterQuarts(Matiere.Nom));
    });
    return Places;
}

TBilanOptimisation PlacementOptimise(const TAutomate& Reglages, long Etapes,
                                     IProgressionOptimisation* Progression) {
    const TCopie C = Copier(Reglages);
    long APlacer = 0;
    const long Deja = QuartsPlacesDuModele(APlacer);
    TBilanOptimisation Bilan{};
    Bilan.Borne = Deja;
    TSolution Solution;
    long Ajoutes = 0;
    // Each part gets the effort a school of its own would: parts many times the size of one
    // fare as well as one. Once the user stops, the parts left keep the automatic pass's.
    for (const TComposante& k : Composantes(C.P)) {
        const long Borne = BorneNouveaux(k.P);
        TEffort Effort(Bilan.Interrompu ? 0 : std::max(0L, Etapes), Progression, Deja + Ajoutes,
                       APlacer, Borne);
        for (TPlage p : Optimiser(k.P, Effort)) {
            p.Tache = k.Taches[static_cast<std::size_t>(p.Tache)];
            Solution.push_back(p);
        }
        Ajoutes += Effort.Meilleur;
        Bilan.Borne += Borne;
        Bilan.Interrompu = Bilan.Interrompu || Effort.Arret;
    }
    Ecrire(C, Solution);
    // The last phase's moves are cheap and its à éviter cells and gaps keep falling long after
    // the count has settled: four of its steps per step of the search.
    Bilan.Interrompu = Bilan.Interrompu || AmeliorerPlaces(Reglages, C, 4 * Etapes, Progression);
    Bilan.Places = QuartsPlacesDuModele(Bilan.APlacer);
    return Bilan;
}
