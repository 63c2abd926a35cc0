#pragma once
// The week picture painted with Qt: into a QImage (the clipboard), or straight onto a
// painter such as a printer's, where it stays sharp at any scale.
#include "model/U_canevas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

// $00BBGGRR to QColor.
QColor CouleurQt(TCouleur Couleur);
// QColor to $00BBGGRR.
TCouleur CouleurDeQt(const QColor& Couleur);

// Paints in the picture's own pixels on a painter that is already active.
class TCanevasPeintre : public ICanevas {
public:
    explicit TCanevasPeintre(QPainter& Peintre) : Peintre(Peintre), Fond(Qt::white) {}

    void FixerTaille(int Largeur, int Hauteur) override;
    void FixerPolice(const std::string& Nom, int Hauteur) override;
    void FixerFond(TCouleur Couleur) override;
    void Ligne(int x1, int y1, int x2, int y2) override;
    void Rectangle(int Gauche, int Haut, int Droite, int Bas) override;
    void Cadre(int Gauche, int Haut, int Droite, int Bas, TCouleur Couleur) override;
    void Texte(int x, int y, const std::string& Texte) override;

private:
    QPainter& Peintre;
    QFont Police;
    QColor Fond;
};

class TCanevasQt final : public ICanevas {
public:
    TCanevasQt() : Dessin(Peintre) {}

    void FixerTaille(int Largeur, int Hauteur) override;
    void FixerPolice(const std::string& Nom, int Hauteur) override {
        Dessin.FixerPolice(Nom, Hauteur);
    }
    void FixerFond(TCouleur Couleur) override { Dessin.FixerFond(Couleur); }
    void Ligne(int x1, int y1, int x2, int y2) override { Dessin.Ligne(x1, y1, x2, y2); }
    void Rectangle(int Gauche, int Haut, int Droite, int Bas) override {
        Dessin.Rectangle(Gauche, Haut, Droite, Bas);
    }
    void Cadre(int Gauche, int Haut, int Droite, int Bas, TCouleur Couleur) override {
        Dessin.Cadre(Gauche, Haut, Droite, Bas, Couleur);
    }
    void Texte(int x, int y, const std::string& Texte) override { Dessin.Texte(x, y, Texte); }

    // The picture painted so far; painting ends here.
    const QImage& Image();

private:
    QImage Picture;
    QPainter Peintre;
    TCanevasPeintre Dessin;
};
