#include "scheduling/U_recherchelocale.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int Cellules = DernierQuart - PremierQuart + 1; // 48

class TRecherche {
public:
    TRecherche(const TProbleme& P, THasard& Hasard);
    void Charger(const TSolution& S);
    void Remplir(int Tache);
    void Mouvement(bool GarderEvitees);
    TSolution Solution() const;
    bool Complet() const { return Manquants.empty(); }

    long Total = 0;   // quarter-hours placed, never beyond what a task misses
    long Evitees = 0; // à éviter cells covered, of classes and teachers

private:
    struct TRun {
        TPlage p;
        int Rang = -1; // position in ParTache; -1 when the slot is free
    };
    struct TOperation {
        bool Ajout;
        int Id;
        TPlage p;
    };
    int Ajouter(const TPlage& p);
    void Retirer(int Id);
    void Annuler();
    void Marquer(const TPlage& p, int Id);
    void Couper(int Id, int Debut, int Fin, std::vector<int>& Touchees);
    bool Etendre(int Tache);
    bool Nouvelle(int Tache);
    int Manque(int Tache) const {
        return P.Taches[static_cast<std::size_t>(Tache)].Besoin -
               Place[static_cast<std::size_t>(Tache)];
    }
    void MettreAJour(int Tache);
    int& Proprio(int a, int Jour, int Quart) {
        return Proprietaire[(static_cast<std::size_t>(a) * JoursSemaine +
                             static_cast<std::size_t>(Jour)) *
                                Cellules +
                            static_cast<std::size_t>(Quart - PremierQuart)];
    }
    TMasque& Occupe(int a, int Jour) {
        return Occupation[static_cast<std::size_t>(a)][static_cast<std::size_t>(Jour)];
    }

    const TProbleme& P;
    THasard& Hasard;
    int LMax;
    std::vector<TMasque> Debuts; // by length: the starts the day bounds allow, as bits
    std::vector<TSemaine> Occupation;
    std::vector<int> Proprietaire; // run holding each cell, -1 if none
    std::vector<TRun> Runs;
    std::vector<int> Libres; // freed run slots, reused last in first out
    std::vector<std::vector<int>> ParTache;
    std::vector<int> Place;
    std::vector<int> Manquants; // tasks still missing hours
    std::vector<int> RangManquant;
    std::vector<TOperation> Journal;
    bool Journaliser = false;
};

TRecherche::TRecherche(const TProbleme& P, THasard& Hasard)
    : P(P), Hasard(Hasard), LMax(P.Regles.LongueurMax()),
      Debuts(static_cast<std::size_t>(LMax) + 1, 0), Occupation(P.Fixe),
      Proprietaire(static_cast<std::size_t>(P.NbActeurs) * JoursSemaine * Cellules, -1),
      ParTache(P.Taches.size()), Place(P.Taches.size(), 0), RangManquant(P.Taches.size(), -1) {
    for (int L = 1; L <= LMax; ++L)
        for (int s = PremierQuart; s <= DernierQuart; ++s)
            if (P.Regles.Permise(s, L))
                Debuts[static_cast<std::size_t>(L)] |= TMasque{1} << (s - PremierQuart);
    for (int i = 0; i < static_cast<int>(P.Taches.size()); ++i)
        MettreAJour(i);
}

void TRecherche::MettreAJour(int Tache) {
    int& Rang = RangManquant[static_cast<std::size_t>(Tache)];
    if (Manque(Tache) > 0 && Rang < 0) {
        Rang = static_cast<int>(Manquants.size());
        Manquants.push_back(Tache);
    } else if (Manque(Tache) <= 0 && Rang >= 0) {
        const int Dernier = Manquants.back();
        Manquants[static_cast<std::size_t>(Rang)] = Dernier;
        RangManquant[static_cast<std::size_t>(Dernier)] = Rang;
        Manquants.pop_back();
        Rang = -1;
    }
}

void TRecherche::Marquer(const TPlage& p, int Id) {
    const TTache& t = P.Taches[static_cast<std::size_t>(p.Tache)];
    for (const int a : {t.Classe, t.Prof}) {
        for (int q = p.Debut; q < p.Debut + p.Longueur; ++q)
            Proprio(a, p.Jour, q) = Id;
        Occupe(a, p.Jour) ^= MasquePlage(p.Debut, p.Longueur);
    }
}

int TRecherche::Ajouter(const TPlage& p) {
    int Id;
    if (Libres.empty()) {
        Id = static_cast<int>(Runs.size());
        Runs.emplace_back();
    } else {
        Id = Libres.back();
        Libres.pop_back();
    }
    std::vector<int>& Liste = ParTache[static_cast<std::size_t>(p.Tache)];
    Runs[static_cast<std::size_t>(Id)] = {p, static_cast<int>(Liste.size())};
    Liste.push_back(Id);
    Marquer(p, Id);
    Place[static_cast<std::size_t>(p.Tache)] += p.Longueur;
    Total += p.Longueur;
    Evitees += P.AEviter(p.Tache, p.Jour, p.Debut, p.Longueur);
    MettreAJour(p.Tache);
    if (Journaliser)
        Journal.push_back({true, Id, p});
    return Id;
}

void TRecherche::Retirer(int Id) {
    TRun& r = Runs[static_cast<std::size_t>(Id)];
    const TPlage p = r.p;
    std::vector<int>& Liste = ParTache[static_cast<std::size_t>(p.Tache)];
    const int Dernier = Liste.back();
    Liste[static_cast<std::size_t>(r.Rang)] = Dernier;
    Runs[static_cast<std::size_t>(Dernier)].Rang = r.Rang;
    Liste.pop_back();
    r.Rang = -1;
    Marquer(p, -1);
    Libres.push_back(Id);
    Place[static_cast<std::size_t>(p.Tache)] -= p.Longueur;
    Total -= p.Longueur;
    Evitees -= P.AEviter(p.Tache, p.Jour, p.Debut, p.Longueur);
    MettreAJour(p.Tache);
    if (Journaliser)
        Journal.push_back({false, Id, p});
}

// Undone in reverse order, the freed slots come back last in first out: every run gets
// its former slot again, so the journal's slots stay right.
void TRecherche::Annuler() {
    Journaliser = false;
    for (auto o = Journal.rbegin(); o != Journal.rend(); ++o)
        if (o->Ajout)
            Retirer(o->Id);
        else
            Ajouter(o->p);
    Journal.clear();
}

void TRecherche::Charger(const TSolution& S) {
    for (const TPlage& p : S) {
        const TTache& t = P.Taches[static_cast<std::size_t>(p.Tache)];
        const int Longueur = std::min(p.Longueur, Manque(p.Tache));
        if (Longueur <= 0 ||
            ((Occupe(t.Classe, p.Jour) | Occupe(t.Prof, p.Jour)) &
             MasquePlage(p.Debut, Longueur)) ||
            P.Couvre(p.Tache, p.Jour, p.Debut, Longueur))
            continue;
        Ajouter({p.Tache, p.Jour, p.Debut, Longueur});
    }
}

TSolution TRecherche::Solution() const {
    TSolution S;
    for (const std::vector<int>& Liste : ParTache)
        for (const int Id : Liste)
            S.push_back(Runs[static_cast<std::size_t>(Id)].p);
    return S;
}

// Grows one of the task's runs at either end, as far as it misses and the rules allow.
bool TRecherche::Etendre(int Tache) {
    const TTache& t = P.Taches[static_cast<std::size_t>(Tache)];
    for (const int Id : ParTache[static_cast<std::size_t>(Tache)]) {
        const TPlage r = Runs[static_cast<std::size_t>(Id)].p;
        const TMasque Autres =
            (Occupe(t.Classe, r.Jour) | Occupe(t.Prof, r.Jour)) & ~MasquePlage(r.Debut, r.Longueur);
        for (int g = std::min(LMax - r.Longueur, Manque(Tache)); g >= 1; --g)
            for (const int Debut : {r.Debut, r.Debut - g})
                if (P.Regles.Permise(Debut, r.Longueur + g) &&
                    !(Autres & MasquePlage(Debut, r.Longueur + g)) &&
                    !P.Couvre(Tache, r.Jour, Debut, r.Longueur + g)) {
                    Retirer(Id);
                    Ajouter({Tache, r.Jour, Debut, r.Longueur + g});
                    return true;
                }
    }
    return false;
}

// The longest run the task misses that is free somewhere, from a day drawn at random.
bool TRecherche::Nouvelle(int Tache) {
    const TTache& t = P.Taches[static_cast<std::size_t>(Tache)];
    const int Premier = Hasard.Tirer(JoursSemaine);
    for (int L = std::min(LMax, Manque(Tache)); L >= 1; --L)
        for (int n = 0; n < JoursSemaine; ++n) {
            const int Jour = (Premier + n) % JoursSemaine;
            // Starts whose run and the quarter-hour after it are all free.
            const TMasque Libre = ~(Occupe(t.Classe, Jour) | Occupe(t.Prof, Jour));
            const TMasque Permises = ~P.Interdites(Tache, Jour);
            TMasque Possibles = Debuts[static_cast<std::size_t>(L)];
            for (int i = 0; i <= L && Possibles; ++i)
                Possibles &= Libre >> i & (i < L ? Permises >> i : ~TMasque{0});
            if (Possibles) {
                Ajouter({Tache, Jour, PremierQuart + std::countr_zero(Possibles), L});
                return true;
            }
        }
    return false;
}

void TRecherche::Remplir(int Tache) {
    while (Manque(Tache) > 0 && (Etendre(Tache) || Nouvelle(Tache))) {
    }
}

// Keeps what lies outside Debut - 1 .. Fin + 1 of the run: one piece on each side.
void TRecherche::Couper(int Id, int Debut, int Fin, std::vector<int>& Touchees) {
    const TPlage r = Runs[static_cast<std::size_t>(Id)].p;
    const int FinR = r.Debut + r.Longueur - 1;
    Retirer(Id);
    Touchees.push_back(r.Tache);
    if (Debut - 2 >= r.Debut)
        Ajouter({r.Tache, r.Jour, r.Debut, Debut - 1 - r.Debut});
    if (Fin + 2 <= FinR && P.Regles.Permise(Fin + 2, FinR - Fin - 1))
        Ajouter({r.Tache, r.Jour, Fin + 2, FinR - Fin - 1});
}

// With GarderEvitees, a change that keeps the count must not cover more à éviter cells.
void TRecherche::Mouvement(bool GarderEvitees) {
    const long Avant = Total;
    const long EviteesAvant = Evitees;
    Journaliser = true;
    int Tache;
    // One move in four takes a run of any task away first: the walk then also goes through
    // the timetables where the hours missing stay the same but lie elsewhere.
    if ((Hasard.Tirer(4) == 0 || Complet()) && !Runs.empty()) {
        const int Id = Hasard.Tirer(static_cast<int>(Runs.size()));
        if (Runs[static_cast<std::size_t>(Id)].Rang < 0) {
            Annuler();
            return;
        }
        Tache = Runs[static_cast<std::size_t>(Id)].p.Tache;
        Retirer(Id);
    } else {
        Tache =
            Manquants[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(Manquants.size())))];
    }
    const TTache& t = P.Taches[static_cast<std::size_t>(Tache)];
    const int Plus = std::min(LMax, Manque(Tache));
    const int L = Hasard.Tirer(2) ? Plus : 1 + Hasard.Tirer(Plus);
    TMasque Possibles = Debuts[static_cast<std::size_t>(L)];
    for (int n = Possibles ? Hasard.Tirer(std::popcount(Possibles)) : 0; n > 0; --n)
        Possibles &= Possibles - 1;
    const int Debut = PremierQuart + std::countr_zero(Possibles);
    const int Fin = Debut + L - 1;
    const int Jour = Hasard.Tirer(JoursSemaine);
    const TMasque m = Possibles ? MasquePlage(Debut, L) : 0;
    if (!Possibles ||
        ((P.Fixe[static_cast<std::size_t>(t.Classe)][static_cast<std::size_t>(Jour)] |
          P.Fixe[static_cast<std::size_t>(t.Prof)][static_cast<std::size_t>(Jour)]) &
         m) ||
        P.Couvre(Tache, Jour, Debut, L)) {
        Annuler();
        return;
    }
    std::vector<int> Touchees;
    for (const int a : {t.Classe, t.Prof})
        for (int q = std::max(PremierQuart, Debut - 1); q <= std::min(DernierQuart, Fin + 1); ++q)
            if (const int Id = Proprio(a, Jour, q); Id >= 0)
                Couper(Id, Debut, Fin, Touchees);
    Ajouter({Tache, Jour, Debut, L});
    std::sort(Touchees.begin(), Touchees.end());
    Touchees.erase(std::unique(Touchees.begin(), Touchees.end()), Touchees.end());
    for (const int j : Touchees)
        Remplir(j);
    Remplir(Tache);
    // Only changes that lose nothing are kept: a walk on the plateau. Keeping losses, even
    // rarely, did worse on the demo schools than walking the plateau longer.
    if (Total > Avant || (Total == Avant && (!GarderEvitees || Evitees <= EviteesAvant))) {
        Journaliser = false;
        Journal.clear();
    } else {
        Annuler();
    }
}

struct TMeilleure {
    TSolution S;
    long Total;
    long Evitees;
};

// Walks while the effort lasts, keeping the fullest timetable met and, among as full ones,
// the one with the fewest à éviter cells.
void Marcher(TRecherche& R, TEffort& Effort, bool GarderEvitees, TMeilleure& M) {
    while ((GarderEvitees ? R.Evitees > 0 : !R.Complet()) && Effort.Pas()) {
        R.Mouvement(GarderEvitees);
        if (R.Total > M.Total || (R.Total == M.Total && R.Evitees < M.Evitees)) {
            M = {R.Solution(), R.Total, R.Evitees};
            Effort.Meilleur = std::max(Effort.Meilleur, M.Total);
        }
    }
}

} // namespace

TSolution RechercheLocale(const TProbleme& P, const TSolution& Depart, TEffort& Effort,
                          THasard& Hasard) {
    TRecherche R(P, Hasard);
    R.Charger(Depart);
    for (int i = 0; i < static_cast<int>(P.Taches.size()); ++i)
        R.Remplir(i);
    TMeilleure M{R.Solution(), R.Total, R.Evitees};
    Effort.Meilleur = std::max(Effort.Meilleur, M.Total);
    Marcher(R, Effort, false, M);
    // The free walk wanders through timetables as full with many more à éviter cells: from
    // the best, a walk that never takes one more for the same count.
    if (P.Eviter.empty() || Effort.Arret)
        return M.S;
    TRecherche Descente(P, Hasard);
    Descente.Charger(M.S);
    TEffort Suite = Effort.Prolonger(Effort.Total() / 2);
    Marcher(Descente, Suite, true, M);
    Effort.Meilleur = Suite.Meilleur;
    Effort.Arret = Suite.Arret;
    return M.S;
}
