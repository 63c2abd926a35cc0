#include "scheduling/U_composantes.h"

#include "scheduling/U_borne.h"

#include <algorithm>

namespace {

bool SansDispo(const TProbleme& P) {
    const auto Vide = [](const TSemaine& s) {
        return std::all_of(s.begin(), s.end(), [](TMasque m) { return m == 0; });
    };
    return std::all_of(P.Interdit.begin(), P.Interdit.end(), Vide) &&
           std::all_of(P.Eviter.begin(), P.Eviter.end(), Vide);
}

} // namespace

std::vector<TComposante> Composantes(const TProbleme& P) {
    const std::vector<int> Groupe = Groupes(P);
    const auto n = static_cast<std::size_t>(P.NbActeurs);
    std::vector<int> Rang(n, -1); // by group, its part
    std::vector<TComposante> Parties;
    for (const TTache& t : P.Taches)
        if (int& r = Rang[static_cast<std::size_t>(Groupe[static_cast<std::size_t>(t.Classe)])];
            r < 0) {
            r = static_cast<int>(Parties.size());
            Parties.emplace_back();
            Parties.back().P.Regles = P.Regles;
        }
    std::vector<int> Nouveau(n, -1);      // by actor, its index in its part
    for (std::size_t a = 0; a < n; ++a) { // classes come first in P: so they do in each part
        const int r = Rang[static_cast<std::size_t>(Groupe[a])];
        if (r < 0)
            continue;
        TProbleme& Q = Parties[static_cast<std::size_t>(r)].P;
        Nouveau[a] = Q.NbActeurs++;
        Q.NbClasses += static_cast<int>(a) < P.NbClasses;
        Q.Fixe.push_back(P.Fixe[a]);
        if (!P.Interdit.empty()) {
            Q.Interdit.push_back(P.Interdit[a]);
            Q.Eviter.push_back(P.Eviter[a]);
        }
    }
    for (std::size_t i = 0; i < P.Taches.size(); ++i) {
        TTache t = P.Taches[i];
        TComposante& k = Parties[static_cast<std::size_t>(
            Rang[static_cast<std::size_t>(Groupe[static_cast<std::size_t>(t.Classe)])])];
        t.Classe = Nouveau[static_cast<std::size_t>(t.Classe)];
        t.Prof = Nouveau[static_cast<std::size_t>(t.Prof)];
        k.P.Taches.push_back(t);
        k.Taches.push_back(static_cast<int>(i));
    }
    // As the copy of a school whose actors have no availability: the searches skip it.
    for (TComposante& k : Parties)
        if (SansDispo(k.P)) {
            k.P.Interdit.clear();
            k.P.Eviter.clear();
        }
    return Parties;
}
