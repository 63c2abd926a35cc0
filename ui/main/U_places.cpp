#include "ui/main/U_places.h"

#include "model/U_classe.h"
#include "model/U_prof.h"

#include <QPainter>

// Pale green: unlike the pastel subject colours, and dark text stays readable on it.
const QColor TDelegueTeinte::Teinte(214, 245, 200);

bool PlaceLibre(const TClasse& Classe, const TProf& Prof, TJour Jour, TQuart Debut, int Duree) {
    const auto Fin = static_cast<TQuart>(Debut + Duree);
    return Classe.PlageLibre(Prof.Matiere, Jour, Debut, Fin) &&
           Prof.PlageLibre(Classe.Nom, Jour, Debut, Fin);
}

void TPlacesPossibles::Calculer(const TClasse& Classe, const TProf& Prof, int Duree) {
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
            Cases[d][s - QuartDebutGrille] =
                PlaceLibre(Classe, Prof, d, static_cast<TQuart>(s), Duree);
}

void TDelegueTeinte::paint(QPainter* Peintre, const QStyleOptionViewItem& Option,
                           const QModelIndex& Index) const {
    // Column 0 holds the times; column d + 1 is day d, row r slot 32 + r.
    if (Index.column() > 0 && Places.Possible(static_cast<TJour>(Index.column() - 1),
                                              static_cast<TQuart>(QuartDebutGrille + Index.row())))
        Peintre->fillRect(Option.rect, Teinte);
    QStyledItemDelegate::paint(Peintre, Option, Index);
}
