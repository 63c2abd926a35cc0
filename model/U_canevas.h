#pragma once
// The drawing surface of the week picture; the window paints a QImage through it.
#include <cstdint>
#include <string>

using TCouleur = std::uint32_t; // $00BBGGRR
constexpr TCouleur Blanc = 0xFFFFFF;

// The thin frame of a block: its colour darkened, so that even a white block stands out
// from the white grid.
constexpr TCouleur CouleurCadre(TCouleur Fond) {
    TCouleur Cadre = 0;
    for (int Decalage = 0; Decalage < 24; Decalage += 8)
        Cadre |= ((Fond >> Decalage & 0xFF) * 3 / 5) << Decalage;
    return Cadre;
}

class ICanevas {
public:
    virtual ~ICanevas() = default;
    virtual void FixerTaille(int Largeur, int Hauteur) = 0;
    virtual void FixerPolice(const std::string& Nom, int Hauteur) = 0;
    virtual void FixerFond(TCouleur Couleur) = 0; // fill of rectangles and text background
    virtual void Ligne(int x1, int y1, int x2, int y2) = 0;
    virtual void Rectangle(int Gauche, int Haut, int Droite, int Bas) = 0; // filled, no border
    // The one-pixel border inside the same bounds, in that colour.
    virtual void Cadre(int Gauche, int Haut, int Droite, int Bas, TCouleur Couleur) = 0;
    virtual void Texte(int x, int y, const std::string& Texte) = 0; // top-left at (x, y)
};
