#include "scheduling/U_amelioration.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "scheduling/U_recherchequalite.h"

#include <cassert>
#include <map>

namespace {

struct TCopieQualite {
    TProblemeQualite P;
    std::vector<std::string> Matieres; // by run
};

TMasque Cellules(const TActeur& Acteur, TJour Jour) {
    TMasque m = 0;
    for (int q = PremierQuart; q <= DernierQuart; ++q)
        if (!Acteur.CaseLibre(Jour, static_cast<TQuart>(q)))
            m |= TMasque{1} << (q - PremierQuart);
    return m;
}

// The teacher's grid holds the class over the whole run, and nothing touches it: a run the
// two grids disagree on stays where it is.
bool Jumeau(const TProf& Prof, const TClasse& Classe, TJour Jour, int Debut, int Fin) {
    for (int q = Debut; q <= Fin; ++q)
        if (Prof.LireCase(Jour, static_cast<TQuart>(q)) != Classe.Nom)
            return false;
    return Prof.LireCase(Jour, static_cast<TQuart>(Debut - 1)) != Classe.Nom &&
           Prof.LireCase(Jour, static_cast<TQuart>(Fin + 1)) != Classe.Nom;
}

TCopieQualite Copier(const TAutomate& Reglages, const TMobile& EstMobile) {
    TCopieQualite C;
    TProblemeQualite& P = C.P;
    P.Regles = {Reglages.DureeMax, Reglages.DebutJournee, Reglages.DebutPause, Reglages.FinPause,
                Reglages.FinJournee};
    P.Pause = MasquePause(Reglages);
    P.NbClasses = LesClasses ? LesClasses->Nombre() : 0;
    const int NbProfs = LesProfs ? LesProfs->Nombre() : 0;
    P.NbActeurs = P.NbClasses + NbProfs;
    std::vector<std::array<TMasque, JoursSemaine>> Cases(static_cast<std::size_t>(P.NbActeurs));
    for (int a = 0; a < P.NbActeurs; ++a) {
        const TActeur& Acteur =
            a < P.NbClasses
                ? static_cast<const TActeur&>(*LesClasses->Numero(static_cast<std::size_t>(a + 1)))
                : *LesProfs->Numero(static_cast<std::size_t>(a - P.NbClasses + 1));
        P.Dispo.emplace_back();
        for (TJour j = 0; j < JoursSemaine; ++j) {
            P.Dispo.back()[j] = DispoJour(Acteur, j);
            Cases[static_cast<std::size_t>(a)][j] = Cellules(Acteur, j);
        }
    }
    std::map<std::pair<int, std::string>, int> Cles;
    for (int c = 0; c < P.NbClasses; ++c) {
        const TClasse& Classe = *LesClasses->Numero(static_cast<std::size_t>(c + 1));
        for (TJour j = 0; j < JoursSemaine; ++j)
            for (const TRunClasse& r : RunsDeClasse(Classe, j)) {
                const int Debut = r.Cours.Debut;
                const int Fin = Debut + r.Cours.Longueur - 1;
                const int Prof = r.Prof ? P.NbClasses + LesProfs->Indice(r.Prof->Nom) : -1;
                const bool Mobile =
                    r.Prof && Jumeau(*r.Prof, Classe, j, Debut, Fin) &&
                    EstMobile(Classe, j, static_cast<TQuart>(Debut), static_cast<TQuart>(Fin));
                const int Cle = Cles.emplace(std::pair(c, r.Matiere), Cles.size()).first->second;
                P.Runs.push_back({c, Prof, Cle, j, Debut, r.Cours.Longueur, Mobile});
                C.Matieres.push_back(r.Matiere);
                if (Mobile)
                    for (const int a : {c, Prof})
                        Cases[static_cast<std::size_t>(a)][j] &=
                            ~MasquePlage(Debut, r.Cours.Longueur - 1);
            }
    }
    for (const auto& Semaine : Cases) {
        P.Fixe.emplace_back();
        for (std::size_t j = 0; j < JoursSemaine; ++j)
            P.Fixe.back()[j] = Semaine[j] | Semaine[j] << 1;
    }
    return C;
}

TProf* ProfDe(const TProblemeQualite& P, const TRunQualite& r) {
    return LesProfs->Numero(static_cast<std::size_t>(r.Prof - P.NbClasses + 1));
}

// Every run that moved leaves both grids first, then each goes in at its new place.
void Ecrire(const TCopieQualite& C, const std::vector<TRunQualite>& Runs) {
    std::vector<std::size_t> Bouges;
    for (std::size_t i = 0; i < Runs.size(); ++i) {
        const TRunQualite& Avant = C.P.Runs[i];
        if (Runs[i].Jour == Avant.Jour && Runs[i].Debut == Avant.Debut)
            continue;
        Bouges.push_back(i);
        const auto Jour = static_cast<TJour>(Avant.Jour);
        LesClasses->Numero(static_cast<std::size_t>(Avant.Classe + 1))
            ->EffacerPlage(Jour, static_cast<TQuart>(Avant.Debut), true);
        ProfDe(C.P, Avant)->EffacerPlage(Jour, static_cast<TQuart>(Avant.Debut), true);
    }
    for (const std::size_t i : Bouges) {
        const TRunQualite& r = Runs[i];
        TClasse* Classe = LesClasses->Numero(static_cast<std::size_t>(r.Classe + 1));
        TProf* Prof = ProfDe(C.P, r);
        const auto Jour = static_cast<TJour>(r.Jour);
        const auto d = static_cast<TQuart>(r.Debut);
        const auto f = static_cast<TQuart>(r.Debut + r.Longueur - 1);
        const bool Libre = Classe->PlageLibre(C.Matieres[i], Jour, d, f) &&
                           Prof->PlageLibre(Classe->Nom, Jour, d, f);
        assert(Libre && "the search moved a run where the grids refuse it");
        if (!Libre)
            continue;
        Classe->PlacerPlage(Jour, d, f, C.Matieres[i]);
        Prof->PlacerPlage(Jour, d, f, Classe->Nom);
    }
}

} // namespace

bool AmeliorerSelon(const TAutomate& Reglages, long Etapes, IProgressionOptimisation* Progression,
                    const TMobile& Mobile) {
    const TCopieQualite C = Copier(Reglages, Mobile);
    const TResultatQualite R = RechercheQualite(C.P, std::max(0L, Etapes), Progression);
    if (R.CoutApres < R.CoutAvant)
        Ecrire(C, R.Runs);
    return R.Interrompu;
}

TBilanAmelioration Ameliorer(const TAutomate& Reglages, long Etapes,
                             IProgressionOptimisation* Progression) {
    TBilanAmelioration Bilan{MesurerQualite(Reglages), {}, false};
    Bilan.Interrompu = AmeliorerSelon(Reglages, Etapes, Progression,
                                      [](const TClasse& Classe, TJour Jour, TQuart Debut, TQuart) {
                                          return !Classe.Verrouillee(Jour, Debut);
                                      });
    Bilan.Apres = MesurerQualite(Reglages);
    return Bilan;
}
