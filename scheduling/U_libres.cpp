#include "scheduling/U_libres.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"

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

} // namespace

std::vector<TProfLibre> QuiEstLibre(TJour Jour, TQuart Debut, TQuart Fin, const TClasse* Classe) {
    std::vector<TProfLibre> Liste;
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
        for (std::size_t i = 1; i < l.Cours.size(); ++i)
            l.Trous += l.Cours[i].first - l.Cours[i - 1].second - 1;
        const bool Avant = !l.Cours.empty() && l.Cours.front().first < Debut;
        const bool Apres = !l.Cours.empty() && l.Cours.back().second > Fin;
        l.Rang = Manque(Classe, Prof.Matiere) ? 0 : Avant && Apres ? 1 : 2;
        Liste.push_back(std::move(l));
    }
    std::stable_sort(Liste.begin(), Liste.end(),
                     [](const TProfLibre& a, const TProfLibre& b) { return a.Rang < b.Rang; });
    return Liste;
}
