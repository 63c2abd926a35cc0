#include "scheduling/U_probleme.h"

#include "scheduling/U_optimiseur.h"

#include <algorithm>
#include <bit>
#include <limits>

long QuartsPlaces(const TProbleme& P, const TSolution& S) {
    std::vector<int> Places(P.Taches.size(), 0);
    for (const TPlage& p : S)
        Places[static_cast<std::size_t>(p.Tache)] += p.Longueur;
    long Total = 0;
    for (std::size_t i = 0; i < Places.size(); ++i)
        Total += std::min(Places[i], P.Taches[i].Besoin);
    return Total;
}

// Best[e]: the most quarter-hours of runs whose masks all lie below bit e. A run ending
// at f reaches bit f + 1 - 32, so the next run starts two slots after it at the earliest.
TJournee MeilleureJournee(const TRegles& R, TMasque Occupe, TMasque Interdit) {
    constexpr int Bits = DernierQuart - PremierQuart + 2; // 49: 08h00 to 20h00
    std::array<int, Bits + 1> Best{};
    std::array<std::pair<int, int>, Bits + 1> Choix{}; // run ending the best, or length 0
    const int LMax = R.LongueurMax();
    for (int e = 1; e <= Bits; ++e) {
        Best[e] = Best[e - 1];
        Choix[e] = {0, 0};
        const int Fin = PremierQuart + e - 2;
        for (int L = 1; L <= LMax; ++L) {
            const int Debut = Fin - L + 1;
            if (Debut < PremierQuart)
                break;
            if (!R.Permise(Debut, L) || (Occupe & MasquePlage(Debut, L)) ||
                (Interdit & MasqueCases(Debut, L)))
                continue;
            const int v = Best[Debut - PremierQuart] + L;
            if (v > Best[e]) {
                Best[e] = v;
                Choix[e] = {Debut, L};
            }
        }
    }
    TJournee J;
    J.Quarts = Best[Bits];
    for (int e = Bits; e > 0;) {
        if (Choix[e].second == 0) {
            --e;
            continue;
        }
        J.Periodes.push_back(Choix[e]);
        e = Choix[e].first - PremierQuart;
    }
    std::reverse(J.Periodes.begin(), J.Periodes.end());
    return J;
}

TSolution PlacementGlouton(const TProbleme& P) {
    const TRegles& R = P.Regles;
    std::vector<TSemaine> Occupe = P.Fixe;
    TSolution S;
    for (std::size_t i = 0; i < P.Taches.size(); ++i) {
        const TTache& T = P.Taches[i];
        TSemaine& Classe = Occupe[static_cast<std::size_t>(T.Classe)];
        TSemaine& Prof = Occupe[static_cast<std::size_t>(T.Prof)];
        std::int8_t Restant = T.Restant8;
        auto Longueur = static_cast<std::int8_t>(R.DureeMax);
        int Jour = 0;
        // One run a day at most, the earliest start free in both grids.
        const auto Blocs = [&](std::int8_t L) {
            while (Restant >= L && Jour <= 5) {
                for (int s = R.DebutJournee; Restant >= L && s <= R.FinJournee; ++s) {
                    const int f = s + L - 1;
                    if (f >= R.DebutPause && s < R.FinPause)
                        continue;
                    if (s < PremierQuart || f > DernierQuart || s > f)
                        continue;
                    const TMasque m = MasquePlage(s, L);
                    const auto j = static_cast<std::size_t>(Jour);
                    if (((Classe[j] | Prof[j]) & m) || P.Couvre(static_cast<int>(i), Jour, s, L))
                        continue;
                    Classe[j] |= m;
                    Prof[j] |= m;
                    S.push_back({static_cast<int>(i), Jour, s, L});
                    Restant = static_cast<std::int8_t>(Restant - L);
                    break;
                }
                ++Jour;
            }
        };
        while (Restant > 0 && Longueur >= 1) {
            Jour = 0;
            Blocs(Longueur);
            while (Longueur > Restant && Jour <= 5) {
                Longueur = Restant;
                Blocs(Longueur);
            }
            --Longueur;
        }
    }
    return S;
}

TMasque TProbleme::Interdites(int Tache, int Jour) const {
    const TTache& t = Taches[static_cast<std::size_t>(Tache)];
    return InterditsDe(t.Classe, Jour) | InterditsDe(t.Prof, Jour);
}

int TProbleme::AEviter(int Tache, int Jour, int Debut, int Longueur) const {
    if (Eviter.empty())
        return 0;
    const TTache& t = Taches[static_cast<std::size_t>(Tache)];
    const auto j = static_cast<std::size_t>(Jour);
    const TMasque m = MasqueCases(Debut, Longueur);
    return std::popcount(Eviter[static_cast<std::size_t>(t.Classe)][j] & m) +
           std::popcount(Eviter[static_cast<std::size_t>(t.Prof)][j] & m);
}

long CasesAEviter(const TProbleme& P, const TSolution& S) {
    long n = 0;
    for (const TPlage& p : S)
        n += P.AEviter(p.Tache, p.Jour, p.Debut, p.Longueur);
    return n;
}

TEffort::TEffort(long Etapes, IProgressionOptimisation* Progression, long Deja, long APlacer,
                 long Cible)
    : Cible(Cible), Etapes(Etapes), Progression(Progression), Deja(Deja), APlacer(APlacer) {}

TEffort TEffort::Prolonger(long Plus) const {
    TEffort Suite(Plus, Progression, Deja, APlacer, std::numeric_limits<long>::max());
    Suite.Meilleur = Meilleur;
    return Suite;
}

bool TEffort::Pas() {
    ++Compte;
    // Often enough for a progress bar, rarely enough to cost nothing.
    if (Progression && Compte % 2048 == 0 && !Progression->Continuer(Deja + Meilleur, APlacer))
        Arret = true;
    return !Fini();
}

bool TRecuit::Accepte(long Gain, long Etape, THasard& Hasard) const {
    if (Gain >= 0)
        return true;
    const long Pente =
        (static_cast<long>(Fin) - static_cast<long>(Debut)) * std::min(Etape, Duree) / Duree;
    const auto q = static_cast<std::uint64_t>(static_cast<long>(Debut) + Pente);
    std::uint64_t p = 65536;
    for (long k = 0; k < -Gain && p > 0; ++k)
        p = p * q >> 16;
    return (Hasard.Suivant() >> 48) < p;
}
