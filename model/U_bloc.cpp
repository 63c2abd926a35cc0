#include "model/U_bloc.h"

TPanneau PanneauClasse{'C'};
TPanneau PanneauProf{'P'};

TBloc::TBloc(TPanneau& Panneau, std::string Identifiant, std::vector<std::string> Lignes,
             TCouleur Couleur, int Gauche, int Haut, int Largeur, int Hauteur, bool Visible)
    : FIdentifiant(std::move(Identifiant)), FLignes(std::move(Lignes)), FCouleur(Couleur),
      FGauche(Gauche), FHaut(Haut), FLargeur(Largeur), FHauteur(Hauteur), FVisible(Visible) {
    if (Panneau.Fabrique)
        FVue = Panneau.Fabrique->CreerVue(*this);
}

TBloc::~TBloc() = default;

void TBloc::Actualiser() {
    if (FVue)
        FVue->Actualiser();
}

void TBloc::Renommer(std::string Identifiant) {
    FIdentifiant = std::move(Identifiant);
    Actualiser();
}

void TBloc::Deplacer(int Gauche, int Haut) {
    if (Gauche == FGauche && Haut == FHaut)
        return;
    FGauche = Gauche;
    FHaut = Haut;
    Actualiser();
}

void TBloc::FixerCouleur(TCouleur Couleur) {
    if (Couleur == FCouleur)
        return;
    FCouleur = Couleur;
    Actualiser();
}

void TBloc::FixerVisible(bool Visible) {
    if (Visible == FVisible)
        return;
    FVisible = Visible;
    Actualiser();
}
