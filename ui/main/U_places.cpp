#include "ui/main/U_places.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "ui/main/U_canevasqt.h"

#include <QPainter>
#include <QStringList>

// Pale green: unlike the pastel subject colours, and dark text stays readable on it. The
// costly shade is a pale straw, told apart from the green at a glance.
const QColor TDelegueTeinte::Teinte(214, 245, 200);
const QColor TDelegueTeinte::TeinteCouteuse(250, 236, 170);

namespace {

QString Quarts(int n, const char* Suite) {
    return (n == 1 ? QStringLiteral("un quart d'heure")
                   : QStringLiteral("%1 quarts d'heure").arg(n)) +
           QString::fromUtf8(Suite);
}

// "2 quarts d'heure de trou et un doublon", or empty.
QString Ajouts(const TMesuresJour& m) {
    QStringList Parties;
    if (m.Trous > 0)
        Parties << Quarts(m.Trous, " de trou");
    if (m.Doublons > 0)
        Parties << (m.Doublons == 1 ? QStringLiteral("un doublon")
                                    : QStringLiteral("%1 doublons").arg(m.Doublons));
    if (m.Evites > 0)
        Parties << Quarts(m.Evites,
                          m.Evites == 1 ? " sur une case à éviter" : " sur des cases à éviter");
    if (Parties.size() <= 1)
        return Parties.join(QString());
    const QString Dernier = Parties.takeLast();
    return Parties.join(QStringLiteral(", ")) + QStringLiteral(" et ") + Dernier;
}

} // namespace

void TPlacesPossibles::Calculer(const TClasse& Classe, const TProf& Prof, int Duree) {
    const std::uint64_t Pause = Automate ? MasquePause(*Automate) : 0;
    for (TJour d = 0; d < NombreJours; ++d) {
        for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
            Cases[d][s - QuartDebutGrille] =
                PlaceLibre(Classe, Prof, d, static_cast<TQuart>(s), Duree);
        // Only the days where the course may go are measured.
        Ajouts[d] =
            Cases[d].any() ? AjoutsDuJour(Classe, Prof, d, Duree + 1, Pause) : TAjoutsJour{};
    }
}

QString TexteAjout(const TAjoutCours& Ajout) {
    QStringList Acteurs;
    if (const QString Classe = Ajouts(Ajout.Classe); !Classe.isEmpty())
        Acteurs << Classe + QStringLiteral(" à la classe");
    if (const QString Prof = Ajouts(Ajout.Prof); !Prof.isEmpty())
        Acteurs << Prof + QStringLiteral(" au professeur");
    if (Acteurs.isEmpty())
        return {};
    return QStringLiteral("Ajouterait ") + Acteurs.join(QStringLiteral(", ")) + QLatin1Char('.');
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
        Peintre->fillRect(Option.rect,
                          Places.Ajout(Jour, Quart).Neutre() ? Teinte : TeinteCouteuse);
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
