#pragma once
// The on-screen block of a course, as data. A view mirrors it with a widget made
// by its factory; without a factory a block is data only.
#include "model/U_canevas.h"

#include <memory>
#include <string>
#include <vector>

class TBloc;

// The widget side of a block; destroyed with its block.
class IVueBloc {
public:
    virtual ~IVueBloc() = default;
    // Called after every change of the block's name, bounds, colour or visibility.
    virtual void Actualiser() = 0;
};

class IFabriqueBlocs {
public:
    virtual ~IFabriqueBlocs() = default;
    virtual std::unique_ptr<IVueBloc> CreerVue(TBloc& Bloc) = 0;
};

// Geometry of both timetable grids of the window.
struct TGrilleVue {
    static constexpr int LargeurColonne = 38; // CW
    static constexpr int HauteurLigne = 18;   // RH
    static constexpr int Largeur = 277;
    static constexpr int Hauteur = 915;
    static constexpr int Colonnes = 7;
    static constexpr int Rangees = 48;
};

// A view's panel: where its blocks live, and how their identifiers start.
struct TPanneau {
    char Genre;                         // 'C' class view, 'P' teacher view
    IFabriqueBlocs* Fabrique = nullptr; // installed by the window
};
extern TPanneau PanneauClasse;
extern TPanneau PanneauProf;

class TBloc {
public:
    TBloc(TPanneau& Panneau, std::string Identifiant, std::vector<std::string> Lignes,
          TCouleur Couleur, int Gauche, int Haut, int Largeur, int Hauteur, bool Visible);
    ~TBloc();
    TBloc(const TBloc&) = delete;
    TBloc& operator=(const TBloc&) = delete;

    const std::string& Identifiant() const { return FIdentifiant; }
    const std::vector<std::string>& Lignes() const { return FLignes; }
    TCouleur Couleur() const { return FCouleur; }
    int Gauche() const { return FGauche; }
    int Haut() const { return FHaut; }
    int Largeur() const { return FLargeur; }
    int Hauteur() const { return FHauteur; }
    bool Visible() const { return FVisible; }
    bool DeClasse() const { return FIdentifiant.size() > 1 && FIdentifiant[1] == 'C'; }
    IVueBloc* Vue() const { return FVue.get(); }

    void Renommer(std::string Identifiant);
    void Deplacer(int Gauche, int Haut);
    void FixerCouleur(TCouleur Couleur);
    void FixerVisible(bool Visible);

    int Tag = 0; // drag state, used by the window only

private:
    void Actualiser();

    std::string FIdentifiant;
    std::vector<std::string> FLignes;
    TCouleur FCouleur;
    int FGauche, FHaut, FLargeur, FHauteur;
    bool FVisible;
    std::unique_ptr<IVueBloc> FVue;
};
