#include "scheduling/U_libres.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "scheduling/U_qualite.h"

#include <algorithm>

namespace {

bool Libre(const TProf& Prof, TJour Jour, TQuart Debut, TQuart Fin) {
    for (int q = Debut; q <= Fin; ++q)
        if (!Prof.CaseLibre(Jour, static_cast<TQuart>(q)) ||
            Prof.Dispo(Jour, static_cast<TQuart>(q)) == TDispo::Interdit)
            return false;
    return true;
}

bool Manque(const TClasse* Classe, const std::string& Matiere) {
    return Classe && Classe->Serie->Heures->Existe(Matiere) &&
           Classe->CompterQuarts(Matiere) < Classe->Serie->VolumeDe(Matiere);
}

// The gaps the quality pane would count for that day: the help defines them once.
int TrousDuJour(const TProf& Prof, TJour Jour, const TProfLibre& l, std::uint64_t Pause) {
    std::vector<TCoursJour> Cours;
    for (const auto& [Premier, Dernier] : l.Cours)
        Cours.push_back({Premier, Dernier - Premier + 1, 0});
    return MesurerJour(Cours, DispoJour(Prof, Jour), Pause).Trous;
}

} // namespace

std::vector<TProfLibre> QuiEstLibre(const TAutomate& Reglages, TJour Jour, TQuart Debut, TQuart Fin,
                                    const TClasse* Classe) {
    std::vector<TProfLibre> Liste;
    const std::uint64_t Pause = MasquePause(Reglages);
    for (std::size_t p = 1; LesProfs && p <= LesProfs->Nombre(); ++p) {
        const TProf& Prof = *LesProfs->Numero(p);
        if (Debut < QuartDebutGrille || Fin >= QuartFinGrille || Debut > Fin ||
            !Libre(Prof, Jour, Debut, Fin))
            continue;
        TProfLibre l{&Prof, 2, {}, 0};
        for (int q = QuartDebutGrille; q < QuartFinGrille; ++q) {
            const auto s = static_cast<TQuart>(q);
            if (Prof.CaseLibre(Jour, s))
                continue;
            if (!l.Cours.empty() && l.Cours.back().second + 1 == q &&
                Prof.LireCase(Jour, s) == Prof.LireCase(Jour, l.Cours.back().second))
                l.Cours.back().second = s;
            else
                l.Cours.emplace_back(s, s);
        }
        l.Trous = TrousDuJour(Prof, Jour, l, Pause);
        const bool Avant = !l.Cours.empty() && l.Cours.front().first < Debut;
        const bool Apres = !l.Cours.empty() && l.Cours.back().second > Fin;
        l.Rang = Manque(Classe, Prof.Matiere) ? 0 : Avant && Apres ? 1 : 2;
        Liste.push_back(std::move(l));
    }
    std::stable_sort(Liste.begin(), Liste.end(),
                     [](const TProfLibre& a, const TProfLibre& b) { return a.Rang < b.Rang; });
    return Liste;
}
