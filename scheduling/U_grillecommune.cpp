#include "scheduling/U_grillecommune.h"

#include <algorithm>
#include <cstdint>

namespace {

// The week's periods of one length; colour c stands on day c % 6, so that the colours
// taken first spread a task over the week.
struct TLongueur {
    int Longueur;
    std::vector<int> Debuts; // the pattern's periods of this length
    int Couleurs() const { return JoursSemaine * static_cast<int>(Debuts.size()); }
    static int Jour(int c) { return c % JoursSemaine; }
    int Debut(int c) const { return Debuts[static_cast<std::size_t>(c / JoursSemaine)]; }
    TMasque Masque(int c) const { return MasquePlage(Debut(c), Longueur); }
    TMasque Cases(int c) const { return MasqueCases(Debut(c), Longueur); }
};

std::vector<TLongueur> Longueurs(const TJournee& Motif) {
    std::vector<TLongueur> L;
    for (const auto& [Debut, Longueur] : Motif.Periodes) {
        const int n = Longueur; // clang 14 cannot capture a structured binding
        auto i =
            std::find_if(L.begin(), L.end(), [n](const TLongueur& l) { return l.Longueur == n; });
        if (i == L.end())
            i = L.insert(L.end(), TLongueur{Longueur, {}});
        i->Debuts.push_back(Debut);
    }
    std::sort(L.begin(), L.end(),
              [](const TLongueur& a, const TLongueur& b) { return a.Longueur > b.Longueur; });
    return L;
}

// How many pieces of each length each task gets: no class and no teacher may hold more
// pieces of a length than it has free periods of that length. Annealed on the quarter-hours
// the pieces cover, overflow counting against them.
class TRepartition {
public:
    TRepartition(const TProbleme& P, const std::vector<TLongueur>& L);
    void Recuire(TEffort& Effort, long EtapesMax, THasard& Hasard);
    int Pieces(int Tache, int k) const { return Meilleur[Indice(Tache, k)]; }

private:
    std::size_t Indice(int Tache, int k) const {
        return static_cast<std::size_t>(Tache) * static_cast<std::size_t>(K) +
               static_cast<std::size_t>(k);
    }
    std::size_t IndiceActeur(int a, int k) const {
        return static_cast<std::size_t>(a) * static_cast<std::size_t>(K) +
               static_cast<std::size_t>(k);
    }
    long Appliquer(int Tache, int k, int d);
    int PieceAuHasard(int Tache, THasard& Hasard) const;
    void Retenir();
    int Libre(int a, int k) const {
        return std::max(0, Capacite[IndiceActeur(a, k)] - Charge[IndiceActeur(a, k)]);
    }
    long Reoptimiser(int a, std::vector<int> Taches, THasard& Hasard);
    long Voisinage(THasard& Hasard);

    const TProbleme& P;
    const std::vector<TLongueur>& L;
    int K;
    long Poids;                              // what one piece too many costs
    std::vector<int> Actives;                // tasks that miss something
    std::vector<std::vector<int>> ParActeur; // the active tasks of each class and teacher
    std::vector<int> x;                      // pieces by task and length
    std::vector<int> Capacite;               // free periods by actor and length
    std::vector<int> Charge;                 // pieces by actor and length
    std::vector<int> Couvert;                // quarter-hours the pieces of a task cover
    std::vector<long> CouvertActeur;         // the same, up to each need, by actor
    std::vector<long> Limite;                // what each actor can cover at most
    long Places = 0;
    long Debord = 0;
    long MeilleurPlaces = -1;
    std::vector<int> Meilleur;
};

TRepartition::TRepartition(const TProbleme& P, const std::vector<TLongueur>& L)
    : P(P), L(L), K(static_cast<int>(L.size())), Poids(2L * L.front().Longueur + 1),
      ParActeur(static_cast<std::size_t>(P.NbActeurs)), x(P.Taches.size() * L.size(), 0),
      Capacite(static_cast<std::size_t>(P.NbActeurs) * L.size(), 0), Charge(Capacite.size(), 0),
      Couvert(P.Taches.size(), 0), CouvertActeur(static_cast<std::size_t>(P.NbActeurs), 0),
      Limite(static_cast<std::size_t>(P.NbActeurs), 0) {
    for (int a = 0; a < P.NbActeurs; ++a)
        for (int k = 0; k < K; ++k)
            for (int c = 0; c < L[static_cast<std::size_t>(k)].Couleurs(); ++c) {
                const TLongueur& l = L[static_cast<std::size_t>(k)];
                if (!(P.Fixe[static_cast<std::size_t>(a)][static_cast<std::size_t>(l.Jour(c))] &
                      l.Masque(c)) &&
                    !(P.InterditsDe(a, l.Jour(c)) & l.Cases(c)))
                    ++Capacite[IndiceActeur(a, k)];
            }
    for (int i = 0; i < static_cast<int>(P.Taches.size()); ++i) {
        const TTache& t = P.Taches[static_cast<std::size_t>(i)];
        if (t.Besoin <= 0)
            continue;
        Actives.push_back(i);
        ParActeur[static_cast<std::size_t>(t.Classe)].push_back(i);
        ParActeur[static_cast<std::size_t>(t.Prof)].push_back(i);
        Limite[static_cast<std::size_t>(t.Classe)] += t.Besoin;
        Limite[static_cast<std::size_t>(t.Prof)] += t.Besoin;
    }
    for (int a = 0; a < P.NbActeurs; ++a) {
        long Quarts = 0;
        for (int k = 0; k < K; ++k)
            Quarts += static_cast<long>(Capacite[IndiceActeur(a, k)]) *
                      L[static_cast<std::size_t>(k)].Longueur;
        Limite[static_cast<std::size_t>(a)] = std::min(Limite[static_cast<std::size_t>(a)], Quarts);
    }
    // Start: each task in turn takes the longest pieces that fit what it misses, then
    // the shortest that covers the rest, wherever its class and teacher have room.
    for (const int i : Actives) {
        const TTache& t = P.Taches[static_cast<std::size_t>(i)];
        const auto Place = [&](int k) {
            return Charge[IndiceActeur(t.Classe, k)] < Capacite[IndiceActeur(t.Classe, k)] &&
                   Charge[IndiceActeur(t.Prof, k)] < Capacite[IndiceActeur(t.Prof, k)];
        };
        while (Couvert[static_cast<std::size_t>(i)] < t.Besoin) {
            const int Reste = t.Besoin - Couvert[static_cast<std::size_t>(i)];
            int Choix = -1;
            for (int k = 0; k < K && Choix < 0; ++k)
                if (L[static_cast<std::size_t>(k)].Longueur <= Reste && Place(k))
                    Choix = k;
            for (int k = K - 1; k >= 0 && Choix < 0; --k)
                if (Place(k))
                    Choix = k;
            if (Choix < 0)
                break;
            Appliquer(i, Choix, 1);
        }
    }
    Retenir();
}

long TRepartition::Appliquer(int Tache, int k, int d) {
    const TTache& t = P.Taches[static_cast<std::size_t>(Tache)];
    int& c = Couvert[static_cast<std::size_t>(Tache)];
    long Gain = -std::min(c, t.Besoin);
    c += d * L[static_cast<std::size_t>(k)].Longueur;
    Gain += std::min(c, t.Besoin);
    Places += Gain;
    CouvertActeur[static_cast<std::size_t>(t.Classe)] += Gain;
    CouvertActeur[static_cast<std::size_t>(t.Prof)] += Gain;
    for (const int a : {t.Classe, t.Prof}) {
        int& Ch = Charge[IndiceActeur(a, k)];
        const int Cap = Capacite[IndiceActeur(a, k)];
        const long Avant = std::max(0, Ch - Cap);
        Ch += d;
        const long Apres = std::max(0, Ch - Cap);
        Debord += Apres - Avant;
        Gain -= Poids * (Apres - Avant);
    }
    x[Indice(Tache, k)] += d;
    return Gain;
}

int TRepartition::PieceAuHasard(int Tache, THasard& Hasard) const {
    const int k = Hasard.Tirer(K);
    for (int j = 0; j < K; ++j)
        if (x[Indice(Tache, (k + j) % K)] > 0)
            return (k + j) % K;
    return -1;
}

void TRepartition::Retenir() {
    if (Debord == 0 && Places > MeilleurPlaces) {
        MeilleurPlaces = Places;
        Meilleur = x;
    }
}

// The tasks, none holding a piece, all of actor a, get the pieces that cover the most:
// exact over a's free periods of each length (a dynamic programme on how many of each a
// still has), the other actors' free periods taken as they are. Returns the work done, or
// -1 when a has too many combinations of free periods to go through.
long TRepartition::Reoptimiser(int a, std::vector<int> Taches, THasard& Hasard) {
    constexpr long EtatsMax = 1 << 14;
    std::vector<int> Base(static_cast<std::size_t>(K));
    long Etats = 1;
    for (int k = 0; k < K; ++k) {
        Base[static_cast<std::size_t>(k)] = static_cast<int>(Etats);
        Etats *= Libre(a, k) + 1;
        if (Etats > EtatsMax || Libre(a, k) > 255)
            return -1;
    }
    // What a still has free of each length, in each state.
    std::vector<std::uint8_t> Reste(static_cast<std::size_t>(Etats * K));
    for (long e = 0; e < Etats; ++e)
        for (int k = 0; k < K; ++k)
            Reste[static_cast<std::size_t>(e * K + k)] = static_cast<std::uint8_t>(
                Libre(a, k) - e / Base[static_cast<std::size_t>(k)] % (Libre(a, k) + 1));
    // The pieces a task may take: none is useless, that is the task already missed
    // something when its shortest piece was added.
    struct TOption {
        int Valeur;
        long Decalage;
        std::vector<int> y;
    };
    std::vector<std::vector<TOption>> Options(Taches.size());
    for (std::size_t n = Taches.size(); n > 1; --n)
        std::swap(Taches[n - 1],
                  Taches[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(n)))]);
    for (std::size_t i = 0; i < Taches.size(); ++i) {
        const TTache& t = P.Taches[static_cast<std::size_t>(Taches[i])];
        const int Autre = t.Classe == a ? t.Prof : t.Classe;
        std::vector<int> y(static_cast<std::size_t>(K), 0);
        const auto Enumerer = [&](const auto& Soi, int k, int Couvre, long Decalage) -> void {
            if (k == K) {
                Options[i].push_back({std::min(Couvre, t.Besoin), Decalage, y});
                return;
            }
            const int Longueur = L[static_cast<std::size_t>(k)].Longueur;
            const int Max = std::min(Libre(a, k), Libre(Autre, k));
            for (int n = 0; n <= Max && (n == 0 || Couvre + (n - 1) * Longueur < t.Besoin); ++n) {
                y[static_cast<std::size_t>(k)] = n;
                Soi(Soi, k + 1, Couvre + n * Longueur,
                    Decalage + n * Base[static_cast<std::size_t>(k)]);
            }
            y[static_cast<std::size_t>(k)] = 0;
        };
        Enumerer(Enumerer, 0, 0, 0);
    }
    long Travail = 0;
    std::vector<int> Valeur(static_cast<std::size_t>(Etats), -1);
    std::vector<int> Suivante(Valeur.size());
    std::vector<int> Choix(Taches.size() * Valeur.size(), -1);
    Valeur[0] = 0;
    for (std::size_t i = 0; i < Taches.size(); ++i) {
        std::fill(Suivante.begin(), Suivante.end(), -1);
        Travail += Etats;
        const bool Egal = Hasard.Tirer(2) != 0; // ties go either way: a walk, not a fixed point
        for (long e = 0; e < Etats; ++e) {
            if (Valeur[static_cast<std::size_t>(e)] < 0)
                continue;
            for (std::size_t o = 0; o < Options[i].size(); ++o) {
                const TOption& Op = Options[i][o];
                ++Travail;
                bool Tient = true;
                for (int k = 0; k < K && Tient; ++k)
                    Tient = Op.y[static_cast<std::size_t>(k)] <=
                            Reste[static_cast<std::size_t>(e * K + k)];
                if (!Tient)
                    continue;
                const auto f = static_cast<std::size_t>(e + Op.Decalage);
                const int v = Valeur[static_cast<std::size_t>(e)] + Op.Valeur;
                if (v > Suivante[f] || (Egal && v == Suivante[f])) {
                    Suivante[f] = v;
                    Choix[i * Valeur.size() + f] = static_cast<int>(o);
                }
            }
        }
        std::swap(Valeur, Suivante);
    }
    auto e = static_cast<long>(std::max_element(Valeur.begin(), Valeur.end()) - Valeur.begin());
    for (std::size_t i = Taches.size(); i-- > 0;) {
        const TOption& Op = Options[i][static_cast<std::size_t>(
            Choix[i * Valeur.size() + static_cast<std::size_t>(e)])];
        for (int k = 0; k < K; ++k)
            for (int n = 0; n < Op.y[static_cast<std::size_t>(k)]; ++n)
                Appliquer(Taches[i], k, 1);
        e -= Op.Decalage;
    }
    return Travail;
}

// An actor that covers less than it could, and one it shares a task with, get their
// pieces again, one after the other, each at its best given the rest; kept unless it loses.
// Returns the work done.
long TRepartition::Voisinage(THasard& Hasard) {
    std::vector<int> Manquent;
    for (int a = 0; a < P.NbActeurs; ++a)
        if (CouvertActeur[static_cast<std::size_t>(a)] < Limite[static_cast<std::size_t>(a)])
            Manquent.push_back(a);
    if (Manquent.empty())
        return 1;
    const int a =
        Manquent[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(Manquent.size())))];
    const std::vector<int>& Siennes = ParActeur[static_cast<std::size_t>(a)];
    const TTache& t = P.Taches[static_cast<std::size_t>(
        Siennes[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(Siennes.size())))])];
    int Premier = a;
    int Second = t.Classe == a ? t.Prof : t.Classe;
    if (Hasard.Tirer(2))
        std::swap(Premier, Second);
    std::vector<int> Taches = ParActeur[static_cast<std::size_t>(Premier)];
    std::vector<int> Autres;
    for (const int i : ParActeur[static_cast<std::size_t>(Second)])
        if (std::find(Taches.begin(), Taches.end(), i) == Taches.end())
            Autres.push_back(i);
    Taches.insert(Taches.end(), Autres.begin(), Autres.end());
    const long Avant = Places;
    const long DebordAvant = Debord;
    std::vector<int> Ancien;
    for (const int i : Taches)
        for (int k = 0; k < K; ++k) {
            Ancien.push_back(x[Indice(i, k)]);
            while (x[Indice(i, k)] > 0)
                Appliquer(i, k, -1);
        }
    const long t1 = Reoptimiser(Premier, ParActeur[static_cast<std::size_t>(Premier)], Hasard);
    const long t2 = t1 < 0 ? -1 : Reoptimiser(Second, Autres, Hasard);
    const long Travail = std::max(0L, t1) + std::max(0L, t2);
    if (t1 >= 0 && t2 >= 0 && Places >= Avant && Debord <= DebordAvant) {
        Retenir();
        return Travail + 1;
    }
    std::size_t n = 0;
    for (const int i : Taches)
        for (int k = 0; k < K; ++k) {
            while (x[Indice(i, k)] > 0)
                Appliquer(i, k, -1);
            for (int m = 0; m < Ancien[n]; ++m)
                Appliquer(i, k, 1);
            ++n;
        }
    return Travail + 1;
}

void TRepartition::Recuire(TEffort& Effort, long EtapesMax, THasard& Hasard) {
    if (Actives.empty())
        return;
    // Sixteen moves make a step: they cost far less than a move of the local search.
    // Cold: a loss of 1 kept at 1 %, then never. Hotter runs wandered among infeasible
    // counts and ended lower on the demo schools.
    const TRecuit Recuit(EtapesMax * 16, 655, 0);
    struct TChangement {
        int Tache, k, d;
    };
    const long Debut = Effort.Faits();
    constexpr long Calme = 512; // steps without a better count before the exact moves start
    long Progres = Debut;       // when the best count last grew
    long Avant = MeilleurPlaces;
    for (long n = 0; Effort.Faits() - Debut < EtapesMax && MeilleurPlaces < Effort.Cible; ++n) {
        if (n % 16 == 0 && !Effort.Pas())
            break;
        // Once the moves have found nothing better for a while, an actor below what it
        // could cover is redone exactly with a neighbour, every sixteenth step: the chains
        // of changes the single moves rarely string together.
        if (n % 256 == 255 && Effort.Faits() - Progres >= Calme) {
            // About 256 units of its work cost what a step of sixteen moves does.
            for (long c = Voisinage(Hasard) / 256; c > 0 && Effort.Pas(); --c) {
            }
            if (MeilleurPlaces > Avant)
                Progres = Effort.Faits();
            Avant = MeilleurPlaces;
            continue;
        }
        const int i =
            Actives[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(Actives.size())))];
        TChangement Fait[4];
        int Nombre = 0;
        const TTache& t = P.Taches[static_cast<std::size_t>(i)];
        const int Genre = Hasard.Tirer(10);
        const int k = PieceAuHasard(i, Hasard);
        // Another task of the class (of its teacher for the last kind of move).
        const std::vector<int>& Voisines =
            ParActeur[static_cast<std::size_t>(Genre == 9 ? t.Prof : t.Classe)];
        const int j =
            Voisines[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(Voisines.size())))];
        const int kj = PieceAuHasard(j, Hasard);
        if (Genre < 3) { // one piece more
            Fait[Nombre++] = {i, Hasard.Tirer(K), 1};
        } else if (Genre == 3 && k >= 0) { // one piece less
            Fait[Nombre++] = {i, k, -1};
        } else if (Genre < 6 && k >= 0 && K > 1) { // one piece of another length
            Fait[Nombre++] = {i, k, -1};
            Fait[Nombre++] = {i, (k + 1 + Hasard.Tirer(K - 1)) % K, 1};
        } else if (Genre < 8 && j != i && kj >= 0) { // a piece taken from another subject
            Fait[Nombre++] = {j, kj, -1};
            Fait[Nombre++] = {i, kj, 1};
        } else if (Genre >= 8 && j != i && k >= 0 && kj >= 0 && k != kj) {
            // Two tasks sharing a class (or a teacher) swap the lengths of one piece each:
            // that actor's loads stay as they are.
            Fait[Nombre++] = {i, k, -1};
            Fait[Nombre++] = {j, kj, -1};
            Fait[Nombre++] = {i, kj, 1};
            Fait[Nombre++] = {j, k, 1};
        }
        long Gain = 0;
        for (int m = 0; m < Nombre; ++m)
            Gain += Appliquer(Fait[m].Tache, Fait[m].k, Fait[m].d);
        if (Recuit.Accepte(Gain, (Effort.Faits() - Debut) * 16, Hasard)) {
            Retenir();
            if (MeilleurPlaces > Avant) {
                Progres = Effort.Faits();
                Avant = MeilleurPlaces;
            }
        } else
            for (int m = Nombre - 1; m >= 0; --m)
                Appliquer(Fait[m].Tache, Fait[m].k, -Fait[m].d);
    }
}

// König: a bipartite multigraph of maximum degree D has an edge colouring with D colours.
// An edge whose ends share no free colour gets the first free one of its class, a, after
// swapping a with b, the first free one of its teacher, along the a/b path from the teacher
// (that path never reaches the class). A common free colour that Libre accepts comes first.
template <class FLibre>
std::vector<int> Colorer(int Noeuds, int Couleurs, const std::vector<std::pair<int, int>>& Aretes,
                         FLibre Libre) {
    std::vector<int> Table(static_cast<std::size_t>(Noeuds) * static_cast<std::size_t>(Couleurs),
                           -1);
    std::vector<int> Couleur(Aretes.size(), -1);
    const auto A = [&](int n, int c) -> int& {
        return Table[static_cast<std::size_t>(n) * static_cast<std::size_t>(Couleurs) +
                     static_cast<std::size_t>(c)];
    };
    const auto Poser = [&](int e, int c) {
        Couleur[static_cast<std::size_t>(e)] = c;
        A(Aretes[static_cast<std::size_t>(e)].first, c) = e;
        A(Aretes[static_cast<std::size_t>(e)].second, c) = e;
    };
    std::vector<int> Chemin;
    for (int e = 0; e < static_cast<int>(Aretes.size()); ++e) {
        const auto [u, v] = Aretes[static_cast<std::size_t>(e)];
        int Commune = -1;
        for (int c = 0; c < Couleurs; ++c)
            if (A(u, c) < 0 && A(v, c) < 0 && (Commune < 0 || Libre(e, c))) {
                Commune = c;
                if (Libre(e, c))
                    break;
            }
        if (Commune >= 0) {
            Poser(e, Commune);
            continue;
        }
        int a = 0;
        while (A(u, a) >= 0)
            ++a;
        int b = 0;
        while (A(v, b) >= 0)
            ++b;
        Chemin.clear();
        for (int n = v, c = a; A(n, c) >= 0; c = c == a ? b : a) {
            const int f = A(n, c);
            Chemin.push_back(f);
            const auto& [f1, f2] = Aretes[static_cast<std::size_t>(f)];
            n = f1 == n ? f2 : f1;
        }
        for (const int f : Chemin) {
            A(Aretes[static_cast<std::size_t>(f)].first, Couleur[static_cast<std::size_t>(f)]) = -1;
            A(Aretes[static_cast<std::size_t>(f)].second, Couleur[static_cast<std::size_t>(f)]) =
                -1;
        }
        for (const int f : Chemin)
            Poser(f, Couleur[static_cast<std::size_t>(f)] == a ? b : a);
        Poser(e, a);
    }
    return Couleur;
}

} // namespace

TSolution GrilleCommune(const TProbleme& P, TEffort& Effort, long EtapesMax, THasard& Hasard) {
    const TJournee Motif = MeilleureJournee(P.Regles, 0);
    if (Motif.Quarts == 0)
        return {};
    const std::vector<TLongueur> L = Longueurs(Motif);
    TRepartition Repartition(P, L);
    Repartition.Recuire(Effort, EtapesMax, Hasard);

    // Each length's pieces get their periods, then each task its runs, longest first.
    struct TPiece {
        int Tache, Longueur, Jour, Debut;
    };
    std::vector<TPiece> Pieces;
    for (std::size_t k = 0; k < L.size(); ++k) {
        const TLongueur& l = L[k];
        std::vector<std::pair<int, int>> Aretes;
        std::vector<int> Tache;
        for (int i = 0; i < static_cast<int>(P.Taches.size()); ++i)
            for (int n = 0; n < Repartition.Pieces(i, static_cast<int>(k)); ++n) {
                const TTache& t = P.Taches[static_cast<std::size_t>(i)];
                Aretes.emplace_back(t.Classe, t.Prof);
                Tache.push_back(i);
            }
        const auto Libre = [&](int e, int c) {
            const std::size_t j = static_cast<std::size_t>(l.Jour(c));
            const auto [u, v] = Aretes[static_cast<std::size_t>(e)];
            return !((P.Fixe[static_cast<std::size_t>(u)][j] |
                      P.Fixe[static_cast<std::size_t>(v)][j]) &
                     l.Masque(c)) &&
                   !((P.InterditsDe(u, l.Jour(c)) | P.InterditsDe(v, l.Jour(c))) & l.Cases(c));
        };
        const std::vector<int> Couleur = Colorer(P.NbActeurs, l.Couleurs(), Aretes, Libre);
        for (std::size_t e = 0; e < Aretes.size(); ++e)
            Pieces.push_back({Tache[e], l.Longueur, l.Jour(Couleur[e]), l.Debut(Couleur[e])});
    }
    std::stable_sort(Pieces.begin(), Pieces.end(), [](const TPiece& a, const TPiece& b) {
        return a.Tache != b.Tache ? a.Tache < b.Tache : a.Longueur > b.Longueur;
    });
    TSolution S;
    std::vector<int> Reste(P.Taches.size());
    for (std::size_t i = 0; i < P.Taches.size(); ++i)
        Reste[i] = P.Taches[i].Besoin;
    for (const TPiece& p : Pieces) {
        const TTache& t = P.Taches[static_cast<std::size_t>(p.Tache)];
        const int Longueur = std::min(p.Longueur, Reste[static_cast<std::size_t>(p.Tache)]);
        const std::size_t j = static_cast<std::size_t>(p.Jour);
        if (Longueur == 0 ||
            ((P.Fixe[static_cast<std::size_t>(t.Classe)][j] |
              P.Fixe[static_cast<std::size_t>(t.Prof)][j]) &
             MasquePlage(p.Debut, Longueur)) ||
            P.Couvre(p.Tache, p.Jour, p.Debut, Longueur))
            continue;
        S.push_back({p.Tache, p.Jour, p.Debut, Longueur});
        Reste[static_cast<std::size_t>(p.Tache)] -= Longueur;
    }
    return S;
}
