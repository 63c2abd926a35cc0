#include "scheduling/U_recherchequalite.h"

#include "scheduling/U_optimiseur.h"

#include <algorithm>
#include <bit>

namespace {

// A run's new place in a move.
struct TPas {
    int Run;
    int Jour;
    int Debut;
};

class TEtat {
public:
    explicit TEtat(const TProblemeQualite& P);
    long Cout() const { return Total; }
    // The starts of a run of Longueur on that day where both its actors are free (Sauf and
    // Sauf2 set aside), by the day bounds, off interdit cells.
    std::uint64_t Possibles(int Run, int Jour, int Sauf2) const;
    bool Faisable(const TPas* Pas, int n) const;
    void Deplacer(const TPas* Pas, int n);
    const std::vector<TRunQualite>& Runs() const { return R; }
    const std::vector<int>& DeLActeur(int a) const { return Liste[static_cast<std::size_t>(a)]; }

private:
    std::size_t Ij(int a, int Jour) const {
        return static_cast<std::size_t>(a) * JoursSemaine + static_cast<std::size_t>(Jour);
    }
    TMasque Occupe(int a, int Jour, int Sauf, int Sauf2) const;
    void Retirer(int Run);
    void Inserer(int Run);
    void Recalculer(int a, int Jour);

    const TProblemeQualite& P;
    std::vector<TRunQualite> R;
    std::vector<std::vector<int>> ParJour; // by actor and day: runs in start order
    std::vector<std::vector<int>> Liste;   // by actor: its mobile runs
    std::vector<TMesuresJour> Mesures;     // by actor and day
    std::vector<long> CoutActeur;          // by actor
    std::vector<TMasque> Debuts;           // by length: starts the day bounds allow
    long Total = 0;
};

TEtat::TEtat(const TProblemeQualite& P)
    : P(P), R(P.Runs), ParJour(static_cast<std::size_t>(P.NbActeurs) * JoursSemaine),
      Liste(static_cast<std::size_t>(P.NbActeurs)),
      Mesures(static_cast<std::size_t>(P.NbActeurs) * JoursSemaine),
      CoutActeur(static_cast<std::size_t>(P.NbActeurs), 0), Debuts(49, 0) {
    for (int L = 1; L <= 48; ++L)
        for (int s = PremierQuart; s <= DernierQuart; ++s)
            if (P.Regles.Permise(s, L))
                Debuts[static_cast<std::size_t>(L)] |= TMasque{1} << (s - PremierQuart);
    for (int i = 0; i < static_cast<int>(R.size()); ++i) {
        Inserer(i);
        const TRunQualite& r = R[static_cast<std::size_t>(i)];
        if (r.Mobile)
            for (const int a : {r.Classe, r.Prof})
                Liste[static_cast<std::size_t>(a)].push_back(i);
    }
    for (int a = 0; a < P.NbActeurs; ++a)
        for (int j = 0; j < JoursSemaine; ++j)
            Recalculer(a, j);
}

void TEtat::Inserer(int Run) {
    const TRunQualite& r = R[static_cast<std::size_t>(Run)];
    for (const int a : {r.Classe, r.Prof}) {
        if (a < 0)
            continue;
        std::vector<int>& l = ParJour[Ij(a, r.Jour)];
        const auto Ou = std::find_if(l.begin(), l.end(), [&](int k) {
            return R[static_cast<std::size_t>(k)].Debut > r.Debut;
        });
        l.insert(Ou, Run);
    }
}

void TEtat::Retirer(int Run) {
    const TRunQualite& r = R[static_cast<std::size_t>(Run)];
    for (const int a : {r.Classe, r.Prof})
        if (a >= 0)
            std::erase(ParJour[Ij(a, r.Jour)], Run);
}

void TEtat::Recalculer(int a, int Jour) {
    std::array<TCoursJour, 48> Cours;
    std::size_t n = 0;
    for (const int k : ParJour[Ij(a, Jour)]) {
        const TRunQualite& r = R[static_cast<std::size_t>(k)];
        Cours[n++] = {r.Debut, r.Longueur, a < P.NbClasses ? r.Cle : r.Classe};
    }
    Mesures[Ij(a, Jour)] =
        MesurerJour(std::span(Cours.data(), n),
                    P.Dispo[static_cast<std::size_t>(a)][static_cast<std::size_t>(Jour)], P.Pause);
    TSemaineMesuree Semaine;
    std::copy_n(Mesures.begin() + static_cast<long>(Ij(a, 0)), JoursSemaine, Semaine.begin());
    const long c = CoutMesures(Resumer(Semaine), a < P.NbClasses);
    Total += c - CoutActeur[static_cast<std::size_t>(a)];
    CoutActeur[static_cast<std::size_t>(a)] = c;
}

TMasque TEtat::Occupe(int a, int Jour, int Sauf, int Sauf2) const {
    TMasque m = P.Fixe[static_cast<std::size_t>(a)][static_cast<std::size_t>(Jour)];
    for (const int k : ParJour[Ij(a, Jour)]) {
        const TRunQualite& r = R[static_cast<std::size_t>(k)];
        if (k != Sauf && k != Sauf2 && r.Mobile)
            m |= MasquePlage(r.Debut, r.Longueur);
    }
    return m;
}

std::uint64_t TEtat::Possibles(int Run, int Jour, int Sauf2) const {
    const TRunQualite& r = R[static_cast<std::size_t>(Run)];
    TMasque Libre = ~TMasque{0};
    TMasque Permis = ~TMasque{0};
    for (const int a : {r.Classe, r.Prof}) {
        Libre &= ~Occupe(a, Jour, Run, Sauf2);
        Permis &= ~P.Dispo[static_cast<std::size_t>(a)][static_cast<std::size_t>(Jour)].Interdit;
    }
    TMasque Debut = r.Longueur <= 48 ? Debuts[static_cast<std::size_t>(r.Longueur)] : 0;
    for (int i = 0; i <= r.Longueur && Debut; ++i)
        Debut &= Libre >> i;
    for (int i = 0; i < r.Longueur && Debut; ++i)
        Debut &= Permis >> i;
    return Debut;
}

// Each run of the move fits where it goes, beside the others' new places.
bool TEtat::Faisable(const TPas* Pas, int n) const {
    for (int i = 0; i < n; ++i) {
        const int Autre = n == 2 ? Pas[1 - i].Run : -1;
        if (!(Possibles(Pas[i].Run, Pas[i].Jour, Autre) >> (Pas[i].Debut - PremierQuart) & 1))
            return false;
    }
    if (n < 2 || Pas[0].Jour != Pas[1].Jour)
        return true;
    const TRunQualite& a = R[static_cast<std::size_t>(Pas[0].Run)];
    const TRunQualite& b = R[static_cast<std::size_t>(Pas[1].Run)];
    const bool Partage = a.Classe == b.Classe || a.Prof == b.Prof;
    return !Partage ||
           !(MasquePlage(Pas[0].Debut, a.Longueur) & MasquePlage(Pas[1].Debut, b.Longueur));
}

void TEtat::Deplacer(const TPas* Pas, int n) {
    std::array<std::pair<int, int>, 8> Touches{};
    int t = 0;
    for (int i = 0; i < n; ++i) {
        TRunQualite& r = R[static_cast<std::size_t>(Pas[i].Run)];
        Retirer(Pas[i].Run);
        for (const int a : {r.Classe, r.Prof})
            for (const int j : {r.Jour, Pas[i].Jour})
                Touches[static_cast<std::size_t>(t++)] = {a, j};
        r.Jour = Pas[i].Jour;
        r.Debut = Pas[i].Debut;
    }
    for (int i = 0; i < n; ++i)
        Inserer(Pas[i].Run);
    std::sort(Touches.begin(), Touches.begin() + t);
    for (int i = 0; i < t; ++i)
        if (i == 0 ||
            Touches[static_cast<std::size_t>(i)] != Touches[static_cast<std::size_t>(i - 1)])
            Recalculer(Touches[static_cast<std::size_t>(i)].first,
                       Touches[static_cast<std::size_t>(i)].second);
}

// A start drawn among the bits of m.
int Tirer(TMasque m, THasard& Hasard) {
    for (int n = Hasard.Tirer(std::popcount(m)); n > 0; --n)
        m &= m - 1;
    return PremierQuart + std::countr_zero(m);
}

class TRecherche {
public:
    TRecherche(const TProblemeQualite& P, long Etapes)
        : Etat(P), Etapes(Etapes), Hasard(0x51756174697465ull) {
        for (int i = 0; i < static_cast<int>(P.Runs.size()); ++i)
            if (P.Runs[static_cast<std::size_t>(i)].Mobile)
                Mobiles.push_back(i);
    }
    void Pas(long Etape);
    TEtat Etat;
    std::vector<int> Mobiles;

private:
    int Proposer(TPas* Pas);
    long Etapes;
    THasard Hasard;
};

// Half the moves send a run elsewhere; the others trade the places of two runs of one
// class or of one teacher, which a full timetable leaves as the only way to move.
int TRecherche::Proposer(TPas* Pas) {
    const int a = Mobiles[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(Mobiles.size())))];
    const TRunQualite& r = Etat.Runs()[static_cast<std::size_t>(a)];
    if (Hasard.Tirer(2)) {
        const int Jour = Hasard.Tirer(JoursSemaine);
        const TMasque m = Etat.Possibles(a, Jour, -1);
        if (!m)
            return 0;
        Pas[0] = {a, Jour, Tirer(m, Hasard)};
        return 1;
    }
    const std::vector<int>& Voisins = Etat.DeLActeur(Hasard.Tirer(2) ? r.Classe : r.Prof);
    const int b = Voisins[static_cast<std::size_t>(Hasard.Tirer(static_cast<int>(Voisins.size())))];
    const TRunQualite& s = Etat.Runs()[static_cast<std::size_t>(b)];
    if (b == a || (s.Classe == r.Classe && s.Prof == r.Prof && s.Longueur == r.Longueur))
        return 0;
    Pas[0] = {a, s.Jour, s.Debut};
    Pas[1] = {b, r.Jour, r.Debut};
    return 2;
}

// Threshold accepting: a loss up to a bound falling to nothing over the steps.
void TRecherche::Pas(long Etape) {
    TPas Aller[2];
    const int n = Proposer(Aller);
    if (n == 0 || !Etat.Faisable(Aller, n))
        return;
    TPas Retour[2];
    for (int i = 0; i < n; ++i) {
        const TRunQualite& r = Etat.Runs()[static_cast<std::size_t>(Aller[i].Run)];
        Retour[i] = {Aller[i].Run, r.Jour, r.Debut};
    }
    const long Avant = Etat.Cout();
    Etat.Deplacer(Aller, n);
    const long Seuil = 3 * (Etapes - Etape) / std::max(1L, Etapes);
    if (Etat.Cout() - Avant > Seuil)
        Etat.Deplacer(Retour, n);
}

} // namespace

long CoutMesures(const TMesures& m, bool Classe) {
    return m.Conflits * TPoids::Conflit + m.Evites * TPoids::Evite + m.Doublons * TPoids::Doublon +
           m.Trous * TPoids::Trou + (Classe ? m.ChargeMax * TPoids::ChargeMax : 0);
}

long CoutQualite(const TQualite& Q) {
    long c = 0;
    for (const TQualiteActeur& a : Q.Profs)
        c += CoutMesures(a.Semaine, false);
    for (const TQualiteActeur& a : Q.Classes)
        c += CoutMesures(a.Semaine, true);
    return c;
}

TResultatQualite RechercheQualite(const TProblemeQualite& P, long Etapes,
                                  IProgressionOptimisation* Progression) {
    TRecherche Recherche(P, Etapes);
    TResultatQualite Res{P.Runs, Recherche.Etat.Cout(), Recherche.Etat.Cout(), false};
    if (Recherche.Mobiles.empty())
        return Res;
    long Instantane = -1;
    for (long e = 0; e < Etapes; ++e) {
        if (Progression && e % 2048 == 0 && !Progression->Continuer(e, Etapes)) {
            Res.Interrompu = true;
            break;
        }
        Recherche.Pas(e);
        // The best is copied now and then, not at every gain: copies would cost more than
        // the search while it still finds gains at nearly every step.
        if (Recherche.Etat.Cout() < Res.CoutApres && e - Instantane >= 512) {
            Res.Runs = Recherche.Etat.Runs();
            Res.CoutApres = Recherche.Etat.Cout();
            Instantane = e;
        }
    }
    if (Recherche.Etat.Cout() < Res.CoutApres) {
        Res.Runs = Recherche.Etat.Runs();
        Res.CoutApres = Recherche.Etat.Cout();
    }
    return Res;
}
