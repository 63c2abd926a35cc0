#include "ui/main/U_places.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "ui/main/U_canevasqt.h"

#include <QPainter>

// Pale green: unlike the pastel subject colours, and dark text stays readable on it.
const QColor TDelegueTeinte::Teinte(214, 245, 200);

void TPlacesPossibles::Calculer(const TClasse& Classe, const TProf& Prof, int Duree) {
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
            Cases[d][s - QuartDebutGrille] =
                PlaceLibre(Classe, Prof, d, static_cast<TQuart>(s), Duree);
}

void TDelegueTeinte::paint(QPainter* Peintre, const QStyleOptionViewItem& Option,
                           const QModelIndex& Index) const {
    // Column 0 holds the times; column d + 1 is day d, row r slot 32 + r.
    const auto Jour = static_cast<TJour>(Index.column() - 1);
    const auto Quart = static_cast<TQuart>(QuartDebutGrille + Index.row());
    const TActeur* a = Index.column() > 0 ? Acteur() : nullptr;
    const TDispo Etat = a ? a->Dispo(Jour, Quart) : TDispo::Libre;
    if (Etat == TDispo::Interdit)
        Peintre->fillRect(Option.rect, CouleurQt(GrisInterdit));
    if (Index.column() > 0 && Places.Possible(Jour, Quart))
        Peintre->fillRect(Option.rect, Teinte);
    if (Etat != TDispo::Libre)
        Hachurer(*Peintre, Option.rect, Etat == TDispo::Interdit);
    QStyledItemDelegate::paint(Peintre, Option, Index);
}

void Hachurer(QPainter& Peintre, const QRect& Cadre, bool Dense) {
    Peintre.save();
    Peintre.setClipRect(Cadre);
    Peintre.setPen(QPen(Dense ? QColor(90, 90, 90) : QColor(150, 150, 150), 1));
    const int Pas = Dense ? 4 : 9;
    for (int c = Pas; c < Cadre.width() + Cadre.height(); c += Pas)
        Peintre.drawLine(Cadre.left() + c, Cadre.top(), Cadre.left() + c - Cadre.height(),
                         Cadre.top() + Cadre.height());
    Peintre.restore();
}
