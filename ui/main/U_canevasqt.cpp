#include "ui/main/U_canevasqt.h"

#include "ui/main/U_texteqt.h"

#include <QFontMetrics>
#include <QPainter>

QColor CouleurQt(TCouleur Couleur) {
    return QColor(Couleur & 0xFF, (Couleur >> 8) & 0xFF, (Couleur >> 16) & 0xFF);
}

TCanevasQt::TCanevasQt() : Fond(Qt::white) {}

void TCanevasQt::FixerTaille(int Largeur, int Hauteur) {
    Picture = QImage(Largeur, Hauteur, QImage::Format_RGB32);
    Picture.fill(Qt::white);
}

void TCanevasQt::FixerPolice(const std::string& Nom, int Hauteur) {
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

void TCanevasQt::FixerFond(TCouleur Couleur) {
    Fond = CouleurQt(Couleur);
}

void TCanevasQt::Ligne(int x1, int y1, int x2, int y2) {
    QPainter Peintre(&Picture);
    Peintre.setPen(QPen(Qt::black, 0));
    Peintre.drawLine(x1, y1, x2, y2);
}

void TCanevasQt::Rectangle(int Gauche, int Haut, int Droite, int Bas) {
    // The right and bottom edges are outside, as the block's bounds are.
    QPainter Peintre(&Picture);
    Peintre.fillRect(QRect(Gauche, Haut, Droite - Gauche, Bas - Haut), Fond);
}

void TCanevasQt::Texte(int x, int y, const std::string& Texte) {
    const QString T = VersQt(Texte);
    QPainter Peintre(&Picture);
    Peintre.setFont(Police);
    const QFontMetrics Mesures(Police, &Picture);
    Peintre.fillRect(QRect(x, y, Mesures.horizontalAdvance(T), Mesures.height()), Fond);
    Peintre.setPen(Qt::black);
    Peintre.drawText(x, y + Mesures.ascent(), T);
}
