#include "scheduling/U_eviter.h"

namespace {

class TDeplacement {
public:
    TDeplacement(const TProbleme& P, const TSolution& S) : P(P), Occupe(P.Fixe) {
        for (const TPlage& p : S)
            Basculer(p);
    }
    // Takes the run out, puts it back where it costs least; true when it moved.
    bool Ameliorer(TPlage& p) {
        int Cout = P.AEviter(p.Tache, p.Jour, p.Debut, p.Longueur);
        if (Cout == 0)
            return false;
        Basculer(p);
        const TPlage Avant = p;
        for (int j = 0; j < JoursSemaine; ++j)
            for (int d = PremierQuart; d + p.Longueur - 1 <= DernierQuart; ++d)
                if (Libre(p.Tache, j, d, p.Longueur))
                    if (const int k = P.AEviter(p.Tache, j, d, p.Longueur); k < Cout) {
                        Cout = k;
                        p = {p.Tache, j, d, p.Longueur};
                    }
        Basculer(p);
        return p.Jour != Avant.Jour || p.Debut != Avant.Debut;
    }

private:
    void Basculer(const TPlage& p) {
        const TTache& t = P.Taches[static_cast<std::size_t>(p.Tache)];
        for (const int a : {t.Classe, t.Prof})
            Occupe[static_cast<std::size_t>(a)][static_cast<std::size_t>(p.Jour)] ^=
                MasquePlage(p.Debut, p.Longueur);
    }
    bool Libre(int Tache, int Jour, int Debut, int Longueur) const {
        const TTache& t = P.Taches[static_cast<std::size_t>(Tache)];
        const auto j = static_cast<std::size_t>(Jour);
        return P.Regles.Permise(Debut, Longueur) &&
               !((Occupe[static_cast<std::size_t>(t.Classe)][j] |
                  Occupe[static_cast<std::size_t>(t.Prof)][j]) &
                 MasquePlage(Debut, Longueur)) &&
               !P.Couvre(Tache, Jour, Debut, Longueur);
    }

    const TProbleme& P;
    std::vector<TSemaine> Occupe;
};

} // namespace

TSolution MoinsAEviter(const TProbleme& P, TSolution S) {
    if (P.Eviter.empty())
        return S;
    TDeplacement D(P, S);
    // Each move lowers the count strictly, so the passes end.
    for (bool Bouge = true; Bouge;) {
        Bouge = false;
        for (TPlage& p : S)
            Bouge |= D.Ameliorer(p);
    }
    return S;
}
