#pragma once
// The week picture painted into a QImage (printing and the clipboard use it).
#include "model/U_canevas.h"

#include <QColor>
#include <QFont>
#include <QImage>

// $00BBGGRR to QColor.
QColor CouleurQt(TCouleur Couleur);

class TCanevasQt final : public ICanevas {
public:
    TCanevasQt();

    void FixerTaille(int Largeur, int Hauteur) override;
    void FixerPolice(const std::string& Nom, int Hauteur) override;
    void FixerFond(TCouleur Couleur) override;
    void Ligne(int x1, int y1, int x2, int y2) override;
    void Rectangle(int Gauche, int Haut, int Droite, int Bas) override;
    void Texte(int x, int y, const std::string& Texte) override;

    const QImage& Image() const { return Picture; }

private:
    QImage Picture;
    QFont Police;
    QColor Fond;
};
