#include "ui/main/U_canevasqt.h"

#include "ui/main/U_texteqt.h"

#include <QFontMetrics>

QColor CouleurQt(TCouleur Couleur) {
    return QColor(Couleur & 0xFF, (Couleur >> 8) & 0xFF, (Couleur >> 16) & 0xFF);
}

TCouleur CouleurDeQt(const QColor& Couleur) {
    return static_cast<TCouleur>(Couleur.red()) | static_cast<TCouleur>(Couleur.green()) << 8 |
           static_cast<TCouleur>(Couleur.blue()) << 16;
}

void TCanevasPeintre::FixerTaille(int Largeur, int Hauteur) {
    Peintre.fillRect(QRect(0, 0, Largeur, Hauteur), Qt::white);
}

void TCanevasPeintre::FixerPolice(const std::string& Nom, int Hauteur) {
    // The named font rarely exists here. Times-like faces come nearest and are narrow
    // enough for "Mercredi" to stay inside its 38-pixel column; at this size their text
    // box (13 pixels) also stays inside a 19-pixel row, so backgrounds spare the lines.
    Police = QFont();
    Police.setFamilies({VersQt(Nom), QStringLiteral("Nimbus Roman"),
                        QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                        QStringLiteral("DejaVu Serif")});
    Police.setStyleHint(QFont::Serif);
    Police.setPixelSize(Hauteur);
}

void TCanevasPeintre::FixerFond(TCouleur Couleur) {
    Fond = CouleurQt(Couleur);
}

void TCanevasPeintre::Ligne(int x1, int y1, int x2, int y2) {
    // One picture pixel wide, so that a printer's scale widens it as it does the rest.
    Peintre.setPen(QPen(Qt::black, 1));
    Peintre.drawLine(x1, y1, x2, y2);
}

void TCanevasPeintre::Rectangle(int Gauche, int Haut, int Droite, int Bas) {
    // The right and bottom edges are outside, as the block's bounds are.
    Peintre.fillRect(QRect(Gauche, Haut, Droite - Gauche, Bas - Haut), Fond);
}

void TCanevasPeintre::Cadre(int Gauche, int Haut, int Droite, int Bas, TCouleur Couleur) {
    Peintre.setPen(QPen(CouleurQt(Couleur), 1));
    Peintre.setBrush(Qt::NoBrush);
    Peintre.drawRect(QRect(Gauche, Haut, Droite - Gauche - 1, Bas - Haut - 1));
}

void TCanevasPeintre::Texte(int x, int y, const std::string& Texte) {
    const QString T = VersQt(Texte);
    Peintre.setFont(Police);
    const QFontMetrics Mesures(Police, Peintre.device());
    Peintre.fillRect(QRect(x, y, Mesures.horizontalAdvance(T), Mesures.height()), Fond);
    Peintre.setPen(Qt::black);
    Peintre.drawText(x, y + Mesures.ascent(), T);
}

void TCanevasQt::FixerTaille(int Largeur, int Hauteur) {
    if (Peintre.isActive())
        Peintre.end();
    Picture = QImage(Largeur, Hauteur, QImage::Format_RGB32);
    Peintre.begin(&Picture);
    Dessin.FixerTaille(Largeur, Hauteur);
}

const QImage& TCanevasQt::Image() {
    if (Peintre.isActive())
        Peintre.end();
    return Picture;
}
