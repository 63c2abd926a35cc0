#pragma once
// An actor (class or teacher) and its weekly grid of quarter-hours.
#include "model/U_base.h"
#include "model/U_bloc.h"
#include "model/U_disponibilite.h"
#include "model/U_heures.h"
#include "model/U_types.h"

struct TCase {
    std::string Contenu;         // the partner's name; empty when free
    std::unique_ptr<TBloc> Bloc; // the block of the run starting here
    bool Verrou = false;         // the run starting here is locked (classes only)
};

class TActeur : public TBase {
public:
    static constexpr int QuartsParJour = QuartFinGrille - QuartDebutGrille + 1; // 49

    explicit TActeur(std::string Nom) : TBase(std::move(Nom)) {}

    virtual void PlacerPlage(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom);
    virtual void AfficherBlocs(bool Visible);
    virtual bool PlageLibre(const std::string& Nom, TJour Jour, TQuart Debut, TQuart Fin) const;
    virtual void Dessiner(ICanevas& Image) const;

    std::string LireCase(TJour Jour, TQuart Quart) const;
    TBloc* BlocDe(TJour Jour, TQuart Quart) const;
    bool CaseLibre(TJour Jour, TQuart Quart) const;
    // Every cell of Debut..Fin free (none of the quarter-hours around is asked).
    bool CasesLibres(TJour Jour, TQuart Debut, TQuart Fin) const;
    std::uint16_t CompterQuarts(const std::string& Nom) const;
    // Clears the run from Debut on. Without LibererBloc the block survives, detached:
    // whoever took it with BlocDe beforehand now owns it.
    void EffacerPlage(TJour Jour, TQuart Debut, bool LibererBloc);
    // Clears every run of that name, with its blocks.
    void EffacerPlagesDe(const std::string& Nom);

    TDispo Dispo(TJour Jour, TQuart Quart) const { return Dispos.Lire(Jour, Quart); }
    void FixerDispo(TJour Jour, TQuart Quart, TDispo Etat) { Dispos.Fixer(Jour, Quart, Etat); }
    bool DispoVide() const { return Dispos.Vide(); }
    bool CouvreInterdit(TJour Jour, TQuart Debut, TQuart Fin) const {
        return Dispos.Couvre(Jour, Debut, Fin);
    }
    // The last slot of the run that holds (Jour, Quart).
    TQuart FinDePlage(TJour Jour, TQuart Quart) const;
    const TGrilleDispo& Disponibilites() const { return Dispos; }
    void FixerDisponibilites(const TGrilleDispo& Grille) { Dispos = Grille; }

    // Only runs of 08h00..19h45 on Monday..Saturday can be placed.
    static bool PlageDansGrille(TJour Jour, int Debut, int Fin);

    bool Visible = false;

protected:
    bool DansGrille(TJour Jour, TQuart Quart) const {
        return Jour < NombreJours && Quart >= QuartDebutGrille && Quart <= QuartFinGrille;
    }
    TCase& Case(TJour Jour, TQuart Quart) { return Cases[Jour][Quart - QuartDebutGrille]; }
    const TCase& Case(TJour Jour, TQuart Quart) const {
        return Cases[Jour][Quart - QuartDebutGrille];
    }
    void CreerBloc(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom, TPanneau& Panneau,
                   TCouleur Couleur);
    void DessinerTitre(ICanevas& Image, const std::string& Titre) const;
    void DessinerDispos(ICanevas& Image) const;
    // Places a run of a partner listed in Liste, with its block in the partner's colour;
    // a partner missing from the list is reported and nothing is placed.
    void PlacerPartenaire(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom,
                          const TLesHeures& Liste, TPanneau& Panneau);
    // Shows or hides every block, in the colour Liste gives its partner (kept when absent).
    void AfficherBlocsSelon(bool Visible, const TLesHeures& Liste);

    TCase Cases[NombreJours][QuartsParJour];

private:
    TGrilleDispo Dispos;
};

class TLesActeurs : public TLesBases {};

// Keeps ASCII letters and digits only: block identifiers are built from it.
std::string NomDeComposant(const std::string& Texte);
// Text lines of a block of the run Debut..Fin, the name roughly in the middle.
std::vector<std::string> LignesDeBloc(TQuart Debut, TQuart Fin, const std::string& Nom);
