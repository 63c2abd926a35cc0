#include "model/U_acteur.h"

#include "model/U_messages.h"
#include "model/U_texte.h"

#include <algorithm>

std::string NomDeComposant(const std::string& Texte) {
    std::string Resultat;
    Resultat.reserve(Texte.size()); // every block asks: one allocation, not one per doubling
    for (const char c : Texte)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            Resultat += c;
    return Resultat;
}

std::vector<std::string> LignesDeBloc(TQuart Debut, TQuart Fin, const std::string& Nom) {
    const int D = Fin - Debut;
    int Blancs = 0;
    if (D == 2)
        Blancs = 1;
    else if (D >= 3)
        Blancs = 1 + D / 2 - (D == 4 ? 2 : 1) + 1;
    std::vector<std::string> Lignes;
    Lignes.reserve(static_cast<std::size_t>(Blancs) + 1); // the name must not move them all
    Lignes.assign(static_cast<std::size_t>(Blancs), " ");
    Lignes.push_back(Nom);
    return Lignes;
}

bool TActeur::PlageDansGrille(TJour Jour, int Debut, int Fin) {
    return Jour < NombreJours && Debut >= QuartDebutGrille && Debut <= Fin && Fin < QuartFinGrille;
}

void TActeur::PlacerPlage(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom) {
    if (Jour >= NombreJours)
        return;
    if (Nom.empty()) {
        const int De = std::max<int>(Debut, QuartDebutGrille);
        const int A = std::min<int>(Fin, QuartFinGrille);
        for (int s = De; s <= A; ++s) {
            TCase& c = Case(Jour, static_cast<TQuart>(s));
            c.Contenu.clear();
            c.Bloc.reset();
            c.Verrou = false;
        }
        return;
    }
    if (!PlageDansGrille(Jour, Debut, Fin))
        return;
    for (int s = Debut + 1; s <= Fin; ++s)
        Case(Jour, static_cast<TQuart>(s)).Contenu = Nom;
}

void TActeur::AfficherBlocs(bool Visible_) {
    Visible = Visible_;
}

bool TActeur::PlageLibre(const std::string&, TJour Jour, TQuart Debut, TQuart Fin) const {
    if (Debut < QuartDebutGrille || Fin >= QuartFinGrille || Debut > Fin || Jour >= NombreJours)
        return false;
    if (Debut > QuartDebutGrille && !CaseLibre(Jour, Debut - 1))
        return false;
    if (Fin + 1 < QuartFinGrille && !CaseLibre(Jour, Fin + 1))
        return false;
    for (int i = Debut; i <= Fin; ++i)
        if (!CaseLibre(Jour, static_cast<TQuart>(i)))
            return false;
    // Interdit cells are not courses: the free quarter on each side is not asked of them.
    // Most grids have no constraint at all: they cost no call.
    return DispoVide() || !Dispos.Couvre(Jour, Debut, Fin);
}

std::string TActeur::LireCase(TJour Jour, TQuart Quart) const {
    return DansGrille(Jour, Quart) ? Case(Jour, Quart).Contenu : std::string();
}

TBloc* TActeur::BlocDe(TJour Jour, TQuart Quart) const {
    return DansGrille(Jour, Quart) ? Case(Jour, Quart).Bloc.get() : nullptr;
}

bool TActeur::CaseLibre(TJour Jour, TQuart Quart) const {
    return DansGrille(Jour, Quart) && Quart < QuartFinGrille && Case(Jour, Quart).Contenu.empty();
}

bool TActeur::CasesLibres(TJour Jour, TQuart Debut, TQuart Fin) const {
    for (int s = Debut; s <= Fin; ++s)
        if (!CaseLibre(Jour, static_cast<TQuart>(s)))
            return false;
    return true;
}

TQuart TActeur::FinDePlage(TJour Jour, TQuart Quart) const {
    const std::string N = LireCase(Jour, Quart);
    int f = Quart;
    while (!N.empty() && f < QuartFinGrille && LireCase(Jour, static_cast<TQuart>(f + 1)) == N)
        ++f;
    return static_cast<TQuart>(f);
}

std::uint16_t TActeur::CompterQuarts(const std::string& Nom) const {
    std::uint16_t n = 0;
    for (const auto& Jour : Cases)
        for (const TCase& c : Jour)
            if (c.Contenu == Nom)
                ++n;
    return n;
}

void TActeur::EffacerPlage(TJour Jour, TQuart Debut, bool LibererBloc) {
    if (!DansGrille(Jour, Debut))
        return;
    const std::string N = Case(Jour, Debut).Contenu;
    if (N.empty())
        return;
    for (int s = Debut; s <= QuartFinGrille && Case(Jour, static_cast<TQuart>(s)).Contenu == N;
         ++s) {
        TCase& c = Case(Jour, static_cast<TQuart>(s));
        c.Contenu.clear();
        c.Verrou = false;
        if (LibererBloc)
            c.Bloc.reset();
        else
            static_cast<void>(c.Bloc.release());
    }
}

void TActeur::EffacerPlagesDe(const std::string& Nom) {
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s <= QuartFinGrille; ++s)
            if (Case(d, static_cast<TQuart>(s)).Contenu == Nom)
                EffacerPlage(d, static_cast<TQuart>(s), true);
}

void TActeur::CreerBloc(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom,
                        TPanneau& Panneau, TCouleur Couleur) {
    constexpr int CW = TGrilleVue::LargeurColonne;
    constexpr int RH = TGrilleVue::HauteurLigne;
    TCase& Premiere = Case(Jour, Debut);
    Premiere.Contenu = Nom;
    std::string Texte = Panneau.Genre == 'C'
                            ? "MC" + this->Nom + NomJour(Jour) + std::to_string(Debut) + Nom
                            : "MP" + this->Nom + std::to_string(Jour) + std::to_string(Debut) + Nom;
    Texte.resize(std::min<std::size_t>(Texte.size(), 255));
    Premiere.Bloc.reset(); // a run placed over another one replaces its block and its lock
    Premiere.Verrou = false;
    Premiere.Bloc =
        std::make_unique<TBloc>(Panneau, NomDeComposant(Texte), LignesDeBloc(Debut, Fin, Nom),
                                Couleur, (Jour + 1) * (CW + 1) + 2, (RH + 1) * (Debut - 32) + 2, CW,
                                (Fin - Debut + 1) * (RH + 1) - 1, Visible);
}

void TActeur::Dessiner(ICanevas& Image) const {
    constexpr int CW = TGrilleVue::LargeurColonne;
    constexpr int RH = TGrilleVue::HauteurLigne;
    const int W = TGrilleVue::Largeur - 2;
    const int H = TGrilleVue::Hauteur + 37;
    Image.FixerTaille(W, H);
    Image.FixerPolice("MS Serif", 9);
    Image.FixerFond(Blanc);
    for (int c = 0; c <= TGrilleVue::Colonnes; ++c)
        Image.Ligne(39 * c, 20, 39 * c, H);
    for (int r = 0; r <= TGrilleVue::Rangees + 1; ++r)
        Image.Ligne(0, 20 + 19 * r, W - 1, 20 + 19 * r);
    for (TJour d = 0; d < NombreJours; ++d)
        Image.Texte((d + 1) * (CW + 1) + 2, 25, NomJour(d));
    for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
        Image.Texte(3, (RH + 1) * (s - 31) + 22, TexteHeure(static_cast<TQuart>(s)));
    DessinerDispos(Image);
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s <= QuartFinGrille; ++s) {
            const TCase& c = Case(d, static_cast<TQuart>(s));
            if (c.Contenu.empty() || !c.Bloc)
                continue;
            const int L = (d + 1) * (CW + 1) + 1;
            const int T = (RH + 1) * (s - 31) + 21;
            const int B = T + c.Bloc->Hauteur();
            Image.FixerFond(c.Bloc->Couleur());
            Image.Rectangle(L, T, L + c.Bloc->Largeur(), B);
            Image.Cadre(L, T, L + c.Bloc->Largeur(), B, CouleurCadre(c.Bloc->Couleur()));
            Image.Texte(L + 1, (T + B) / 2, c.Contenu);
        }
    Image.FixerFond(Blanc);
}

namespace {

// Lines x + y = constant every Pas pixels, clipped to the rectangle.
void Hachurer(ICanevas& Image, int Gauche, int Haut, int Droite, int Bas, int Pas) {
    for (int c = Gauche + Haut + Pas; c < Droite + Bas; c += Pas) {
        const int x1 = std::max(Gauche, c - Bas);
        const int x2 = std::min(Droite, c - Haut);
        Image.Ligne(x1, c - x1, x2, c - x2);
    }
}

} // namespace

// Under the blocks: interdit cells grey and densely hatched, à éviter ones sparsely.
void TActeur::DessinerDispos(ICanevas& Image) const {
    if (DispoVide())
        return;
    constexpr int CW = TGrilleVue::LargeurColonne;
    constexpr int RH = TGrilleVue::HauteurLigne;
    Image.FixerFond(GrisInterdit);
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s < QuartFinGrille; ++s) {
            const TDispo Etat = Dispo(d, static_cast<TQuart>(s));
            if (Etat == TDispo::Libre)
                continue;
            const int L = (d + 1) * (CW + 1) + 1;
            const int T = (RH + 1) * (s - 31) + 21;
            if (Etat == TDispo::Interdit)
                Image.Rectangle(L, T, L + CW, T + RH);
            Hachurer(Image, L, T, L + CW - 1, T + RH - 1, Etat == TDispo::Interdit ? 4 : 9);
        }
    Image.FixerFond(Blanc);
}

void TActeur::DessinerTitre(ICanevas& Image, const std::string& Titre) const {
    Image.Texte(10, 5, Titre);
}

void TActeur::PlacerPartenaire(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom,
                               const TLesHeures& Liste, TPanneau& Panneau) {
    if (Nom.empty()) {
        TActeur::PlacerPlage(Jour, Debut, Fin, Nom);
        return;
    }
    if (!PlageDansGrille(Jour, Debut, Fin))
        return;
    const THeures* Entree = Liste.Trouver(Nom);
    if (!Entree) {
        Messages().Message(Nom + Ansi(" est inexistante pour ") + this->Nom);
        return;
    }
    TActeur::PlacerPlage(Jour, Debut, Fin, Nom);
    CreerBloc(Jour, Debut, Fin, Nom, Panneau, Entree->Couleur);
}

void TActeur::AfficherBlocsSelon(bool Visible_, const TLesHeures& Liste) {
    TActeur::AfficherBlocs(Visible_);
    for (auto& Jour : Cases)
        for (TCase& c : Jour) {
            if (!c.Bloc)
                continue;
            if (const THeures* Entree = Liste.Trouver(c.Contenu))
                c.Bloc->FixerCouleur(Entree->Couleur);
            c.Bloc->FixerVisible(Visible);
        }
}
