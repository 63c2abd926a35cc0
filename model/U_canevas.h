#pragma once
// The drawing surface of the week picture; the window paints a QImage through it.
#include <cstdint>
#include <string>

using TCouleur = std::uint32_t; // $00BBGGRR
constexpr TCouleur Blanc = 0xFFFFFF;

class ICanevas {
public:
    virtual ~ICanevas() = default;
    virtual void FixerTaille(int Largeur, int Hauteur) = 0;
    virtual void FixerPolice(const std::string& Nom, int Hauteur) = 0;
    virtual void FixerFond(TCouleur Couleur) = 0; // fill of rectangles and text background
    virtual void Ligne(int x1, int y1, int x2, int y2) = 0;
    virtual void Rectangle(int Gauche, int Haut, int Droite, int Bas) = 0; // filled, no border
    virtual void Texte(int x, int y, const std::string& Texte) = 0;        // top-left at (x, y)
};
