#pragma once
// The optimised placement works on a compact copy of the model: one bit per quarter-hour,
// one task per (class, subject) to place. Nothing here reaches the model.
#include <array>
#include <cstdint>
#include <vector>

class IProgressionOptimisation;

constexpr int JoursSemaine = 6;
constexpr int PremierQuart = 32; // 08h00: bit 0 of a day's mask
constexpr int DernierQuart = 79; // 19h45: bit 47; bit 48 stands for 20h00

using TMasque = std::uint64_t;
using TSemaine = std::array<TMasque, JoursSemaine>;

// The quarter-hours a run s..f holds, with the one after it (bit 48 for a run ending at
// 19h45). Two runs of one grid may coexist exactly when these masks are disjoint: that is
// the free quarter-hour between runs, with nothing special at 08h00 or 20h00.
constexpr TMasque MasquePlage(int Debut, int Longueur) {
    return ((TMasque{1} << (Longueur + 1)) - 1) << (Debut - PremierQuart);
}

// The cells of a run s..f alone: an interdit cell right after a run does not refuse it.
constexpr TMasque MasqueCases(int Debut, int Longueur) {
    return ((TMasque{1} << Longueur) - 1) << (Debut - PremierQuart);
}

// The five day bounds of the automatic placement, as the rule every placed run obeys.
struct TRegles {
    std::uint8_t DureeMax;
    std::uint8_t DebutJournee;
    std::uint8_t DebutPause;
    std::uint8_t FinPause;
    std::uint8_t FinJournee;

    int LongueurMax() const { return DureeMax < 48 ? DureeMax : 48; }
    bool Permise(int Debut, int Longueur) const {
        const int Fin = Debut + Longueur - 1;
        return Longueur >= 1 && Longueur <= DureeMax && Debut >= PremierQuart &&
               Debut >= DebutJournee && Debut <= FinJournee && Fin <= DernierQuart &&
               !(Fin >= DebutPause && Debut < FinPause);
    }
};

// One subject of one class, with a teacher that lists the class: what may be placed.
struct TTache {
    int Classe;           // actor index
    int Prof;             // actor index, after every class
    int Besoin;           // quarter-hours still missing, on the full volume
    std::int8_t Restant8; // what the automatic pass computes, on 8 bits
};

struct TProbleme {
    TRegles Regles{};
    int NbClasses = 0;
    int NbActeurs = 0;
    std::vector<TTache> Taches; // in the automatic pass's order
    // Per actor, the masks of the courses already placed (each cell and the one after it).
    std::vector<TSemaine> Fixe;
    // Per actor, its interdit and its à éviter cells; empty when no actor has any.
    std::vector<TSemaine> Interdit;
    std::vector<TSemaine> Eviter;

    // Whether the run would cover an interdit cell of the task's class or teacher.
    bool Couvre(int Tache, int Jour, int Debut, int Longueur) const {
        return (Interdites(Tache, Jour) & MasqueCases(Debut, Longueur)) != 0;
    }
    TMasque Interdites(int Tache, int Jour) const;
    TMasque InterditsDe(int Acteur, int Jour) const {
        return Interdit.empty()
                   ? 0
                   : Interdit[static_cast<std::size_t>(Acteur)][static_cast<std::size_t>(Jour)];
    }
    // The à éviter cells of its class and of its teacher that the run covers.
    int AEviter(int Tache, int Jour, int Debut, int Longueur) const;
};

struct TPlage {
    int Tache;
    int Jour;
    int Debut;
    int Longueur;
};
using TSolution = std::vector<TPlage>;

// Quarter-hours a solution adds, each task counted up to what it misses.
long QuartsPlaces(const TProbleme& P, const TSolution& S);

// The most quarter-hours one day can hold beside the courses in Occupe, and its runs.
struct TJournee {
    int Quarts = 0;
    std::vector<std::pair<int, int>> Periodes; // (first slot, length), in day order
};
TJournee MeilleureJournee(const TRegles& R, TMasque Occupe, TMasque Interdit = 0);

// The automatic pass replayed on the copy: same order, same 8-bit arithmetic.
TSolution PlacementGlouton(const TProbleme& P);
// The à éviter cells a solution covers, in classes and teachers.
long CasesAEviter(const TProbleme& P, const TSolution& S);

// Deterministic on every platform: xorshift64*, no standard distribution.
class THasard {
public:
    explicit THasard(std::uint64_t Graine) : Etat(Graine ? Graine : 0x2545F4914F6CDD1Dull) {}
    std::uint64_t Suivant() {
        Etat ^= Etat >> 12;
        Etat ^= Etat << 25;
        Etat ^= Etat >> 27;
        return Etat * 0x2545F4914F6CDD1Dull;
    }
    int Tirer(int n) { return static_cast<int>((Suivant() >> 33) % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t Etat;
};

// The effort shared by the searches: a count of steps, the user's progress and stop,
// and the bound at which searching further is pointless.
class TEffort {
public:
    TEffort(long Etapes, IProgressionOptimisation* Progression, long Deja, long APlacer,
            long Cible);
    // Counts one step; false once the effort is spent, the user stopped or the bound is met.
    bool Pas();
    long Faits() const { return Compte; }
    long Total() const { return Etapes; }
    bool Fini() const { return Arret || Meilleur >= Cible || Compte >= Etapes; }
    // The same user and progress for Etapes more steps, with no bound to stop at.
    TEffort Prolonger(long Etapes) const;

    long Meilleur = 0; // quarter-hours added by the best solution so far
    long Cible;
    bool Arret = false;

private:
    long Etapes;
    long Compte = 0;
    IProgressionOptimisation* Progression;
    long Deja;
    long APlacer;
};

// Annealing acceptance in fixed point: a loss of k is kept with probability q^k, q going
// linearly from Debut to Fin (in 1/65536) over the steps.
class TRecuit {
public:
    TRecuit(long Duree, std::uint32_t Debut, std::uint32_t Fin)
        : Duree(Duree > 0 ? Duree : 1), Debut(Debut), Fin(Fin) {}
    bool Accepte(long Gain, long Etape, THasard& Hasard) const;

private:
    long Duree;
    std::uint32_t Debut;
    std::uint32_t Fin;
};
