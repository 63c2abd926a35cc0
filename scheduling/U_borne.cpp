#include "scheduling/U_borne.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace {

// A multiset of run lengths: Compte[l - 1] runs of length l. A run may always be shortened,
// so A can stand for B when, for every s, A has at least as many runs of length >= s.
using TRuns = std::vector<std::uint8_t>;

// Past this many multisets a day or a week is not searched further.
constexpr std::size_t LimiteMultisets = 400;
constexpr long LimiteNoeuds = 200000;

bool Domine(const TRuns& A, const TRuns& B) {
    int a = 0;
    int b = 0;
    for (std::size_t l = A.size(); l-- > 0;) {
        a += A[l];
        b += B[l];
        if (a < b)
            return false;
    }
    return true;
}

int Total(const TRuns& A) {
    int t = 0;
    for (std::size_t l = 0; l < A.size(); ++l)
        t += A[l] * static_cast<int>(l + 1);
    return t;
}

// Keeps the multisets no other one can stand for; false past the limit.
bool Maximaux(std::vector<TRuns>& V) {
    if (V.size() > 8 * LimiteMultisets)
        return false;
    std::sort(V.begin(), V.end(), [](const TRuns& a, const TRuns& b) {
        const int ta = Total(a);
        const int tb = Total(b);
        return ta != tb ? ta > tb : a > b;
    });
    V.erase(std::unique(V.begin(), V.end()), V.end());
    std::vector<TRuns> Gardes;
    for (const TRuns& r : V) {
        // A multiset is only ever stood for by one of a larger or equal total.
        if (std::none_of(Gardes.begin(), Gardes.end(),
                         [&](const TRuns& g) { return Domine(g, r); }))
            Gardes.push_back(r);
        if (Gardes.size() > LimiteMultisets)
            return false;
    }
    V = std::move(Gardes);
    return true;
}

struct TJourSeul {
    TMasque Occupe;
    TMasque Interdit;
    bool operator<(const TJourSeul& o) const {
        return std::tie(Occupe, Interdit) < std::tie(o.Occupe, o.Interdit);
    }
};

bool Tient(const TRegles& R, const TJourSeul& J, int Debut, int L) {
    return R.Permise(Debut, L) && !(J.Occupe & MasquePlage(Debut, L)) &&
           !(J.Interdit & MasqueCases(Debut, L));
}

// Every way one day can be cut into runs of at most L, kept to the maximal ones: a
// dynamic programme from 19h45 back to 08h00 over the first free start.
bool CoupesDuJour(const TRegles& R, const TJourSeul& J, int L, std::vector<TRuns>& Coupes) {
    constexpr int Fin = DernierQuart + 2;
    std::vector<std::vector<TRuns>> Depuis(Fin - PremierQuart + 1);
    Depuis[Fin - PremierQuart] = {TRuns(static_cast<std::size_t>(L), 0)};
    for (int p = DernierQuart + 1; p >= PremierQuart; --p) {
        std::vector<TRuns> V = Depuis[static_cast<std::size_t>(p + 1 - PremierQuart)];
        for (int l = 1; l <= L && p + l - 1 <= DernierQuart; ++l) {
            if (!Tient(R, J, p, l))
                continue;
            for (TRuns r :
                 Depuis[static_cast<std::size_t>(std::min(p + l + 1, Fin) - PremierQuart)]) {
                ++r[static_cast<std::size_t>(l - 1)];
                V.push_back(std::move(r));
            }
        }
        if (!Maximaux(V))
            return false;
        Depuis[static_cast<std::size_t>(p - PremierQuart)] = std::move(V);
    }
    Coupes = std::move(Depuis[0]);
    return true;
}

// The most of the needs the runs can serve, each run going whole to one need. Runs longest
// first; needs of equal remainder are interchangeable, so only the first is tried.
class TService {
public:
    TService(std::vector<int> Runs, std::vector<int> Besoins, long Meilleur)
        : Runs(std::move(Runs)), Reste(std::move(Besoins)), Meilleur(Meilleur) {
        Apres.assign(this->Runs.size() + 1, 0);
        for (std::size_t i = this->Runs.size(); i-- > 0;)
            Apres[i] = Apres[i + 1] + this->Runs[i];
        for (const int b : Reste)
            ResteTotal += b;
    }
    // -1 past the search size.
    long Resoudre() {
        Chercher(0, 0);
        return Noeuds > LimiteNoeuds ? -1 : Meilleur;
    }

private:
    void Chercher(std::size_t i, long Servi) {
        if (++Noeuds > LimiteNoeuds || Servi + std::min(ResteTotal, Apres[i]) <= Meilleur)
            return;
        if (i == Runs.size() || ResteTotal == 0) {
            Meilleur = Servi;
            return;
        }
        const int r = Runs[i];
        std::vector<int> Essayes;
        for (int& b : Reste) {
            if (b == 0 || std::find(Essayes.begin(), Essayes.end(), b) != Essayes.end())
                continue;
            Essayes.push_back(b);
            const int Pris = std::min(r, b);
            b -= Pris;
            ResteTotal -= Pris;
            Chercher(i + 1, Servi + Pris);
            b += Pris;
            ResteTotal += Pris;
        }
        Chercher(i + 1, Servi);
    }

    std::vector<int> Runs;
    std::vector<int> Reste;
    std::vector<long> Apres;
    long ResteTotal = 0;
    long Meilleur;
    long Noeuds = 0;
};

std::vector<int> Deplie(const TRuns& r) {
    std::vector<int> v;
    for (std::size_t l = r.size(); l-- > 0;)
        v.insert(v.end(), static_cast<std::size_t>(r[l]), static_cast<int>(l + 1));
    return v;
}

// The most runs of exactly L one day holds.
int RunsPleins(const TRegles& R, const TJourSeul& J, int L) {
    std::vector<int> Best(DernierQuart + 3 - PremierQuart, 0);
    for (int p = DernierQuart; p >= PremierQuart; --p) {
        int& b = Best[static_cast<std::size_t>(p - PremierQuart)];
        b = Best[static_cast<std::size_t>(p + 1 - PremierQuart)];
        if (p + L - 1 <= DernierQuart && Tient(R, J, p, L))
            b = std::max(b, 1 + Best[static_cast<std::size_t>(
                                    std::min(p + L + 1, DernierQuart + 2) - PremierQuart)]);
    }
    return Best[0];
}

// What one day holds at most, with runs of at most L: the bound used past the search size.
int CapaciteJour(const TRegles& R, const TJourSeul& J, int L) {
    std::vector<int> Best(DernierQuart + 3 - PremierQuart, 0);
    for (int p = DernierQuart; p >= PremierQuart; --p) {
        int& b = Best[static_cast<std::size_t>(p - PremierQuart)];
        b = Best[static_cast<std::size_t>(p + 1 - PremierQuart)];
        for (int l = 1; l <= L && p + l - 1 <= DernierQuart; ++l)
            if (Tient(R, J, p, l))
                b = std::max(b, l + Best[static_cast<std::size_t>(
                                        std::min(p + l + 1, DernierQuart + 2) - PremierQuart)]);
    }
    return Best[0];
}

// The day cuts already computed, by length and day; empty past the search size.
using TCoupes = std::map<std::pair<int, TJourSeul>, std::vector<TRuns>>;

long Maximum(const TRegles& R, const TActeurSeul& Acteur, TCoupes& Coupes) {
    std::vector<int> Besoins;
    for (const int b : Acteur.Besoins)
        if (b > 0)
            Besoins.push_back(b);
    if (Besoins.empty())
        return 0;
    std::sort(Besoins.rbegin(), Besoins.rend());
    const long Besoin = std::accumulate(Besoins.begin(), Besoins.end(), 0L);
    // A run longer than the largest need is never used whole.
    const int L = std::min(R.LongueurMax(), Besoins.front());
    if (L <= 0)
        return 0;
    std::vector<TJourSeul> Jours;
    long Capacite = 0;
    long Pleins = 0;
    for (std::size_t j = 0; j < JoursSemaine; ++j) {
        Jours.push_back({Acteur.Occupe[j], Acteur.Interdit[j]});
        Capacite += CapaciteJour(R, Jours.back(), L);
        Pleins += RunsPleins(R, Jours.back(), L);
    }
    const long Relache = std::min(Besoin, Capacite);
    long RunsNecessaires = 0;
    for (const int b : Besoins)
        RunsNecessaires += (b + L - 1) / L;
    // One need takes every run; runs of full length for every need serve them all.
    if (Besoins.size() == 1 || Pleins >= RunsNecessaires)
        return Relache;

    std::vector<TRuns> Semaine = {TRuns(static_cast<std::size_t>(L), 0)};
    for (const TJourSeul& J : Jours) {
        auto [it, Neuf] = Coupes.try_emplace({L, J});
        if (Neuf && !CoupesDuJour(R, J, L, it->second))
            it->second.clear();
        if (it->second.empty())
            return Relache;
        std::vector<TRuns> Somme;
        for (const TRuns& a : Semaine)
            for (const TRuns& b : it->second) {
                TRuns s = a;
                for (std::size_t l = 0; l < s.size(); ++l)
                    s[l] = static_cast<std::uint8_t>(s[l] + b[l]);
                Somme.push_back(std::move(s));
            }
        if (!Maximaux(Somme))
            return Relache;
        Semaine = std::move(Somme);
    }

    // The week's cuts, largest first: none can serve more than its total.
    long Meilleur = 0;
    for (const TRuns& s : Semaine) {
        if (std::min<long>(Total(s), Besoin) <= Meilleur)
            break;
        Meilleur = TService(Deplie(s), Besoins, Meilleur).Resoudre();
        if (Meilleur < 0)
            return Relache;
    }
    return Meilleur;
}

} // namespace

long MaximumActeur(const TRegles& R, const TActeurSeul& Acteur) {
    TCoupes Coupes;
    return Maximum(R, Acteur, Coupes);
}

TActeurSeul ActeurSeul(const TProbleme& P, int a) {
    TActeurSeul A;
    A.Occupe = P.Fixe[static_cast<std::size_t>(a)];
    for (int j = 0; j < JoursSemaine; ++j)
        A.Interdit[static_cast<std::size_t>(j)] = P.InterditsDe(a, j);
    for (const TTache& t : P.Taches)
        if (t.Classe == a || t.Prof == a)
            A.Besoins.push_back(t.Besoin);
    return A;
}

std::vector<long> MaximaActeurs(const TProbleme& P) {
    std::vector<long> M(static_cast<std::size_t>(P.NbActeurs), 0);
    TCoupes Coupes;
    for (int a = 0; a < P.NbActeurs; ++a)
        M[static_cast<std::size_t>(a)] = Maximum(P.Regles, ActeurSeul(P, a), Coupes);
    return M;
}

std::vector<int> Groupes(const TProbleme& P) {
    std::vector<int> Groupe(static_cast<std::size_t>(P.NbActeurs));
    std::iota(Groupe.begin(), Groupe.end(), 0);
    const auto Racine = [&](int a) {
        while (Groupe[static_cast<std::size_t>(a)] != a)
            a = Groupe[static_cast<std::size_t>(a)] =
                Groupe[static_cast<std::size_t>(Groupe[static_cast<std::size_t>(a)])];
        return a;
    };
    for (const TTache& t : P.Taches)
        Groupe[static_cast<std::size_t>(Racine(t.Classe))] = Racine(t.Prof);
    for (int a = 0; a < P.NbActeurs; ++a)
        Groupe[static_cast<std::size_t>(a)] = Racine(a);
    return Groupe;
}

long BorneNouveaux(const TProbleme& P) {
    const std::vector<int> Groupe = Groupes(P);
    const std::vector<long> M = MaximaActeurs(P);
    std::vector<std::pair<long, long>> Sommes(static_cast<std::size_t>(P.NbActeurs));
    for (int a = 0; a < P.NbActeurs; ++a) {
        auto& [Classes, Profs] =
            Sommes[static_cast<std::size_t>(Groupe[static_cast<std::size_t>(a)])];
        (a < P.NbClasses ? Classes : Profs) += M[static_cast<std::size_t>(a)];
    }
    long Borne = 0;
    for (const auto& [Classes, Profs] : Sommes)
        Borne += std::min(Classes, Profs);
    return Borne;
}
