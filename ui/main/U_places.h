#pragma once
// Where a held course may go: the rule a drop applies, and the cells it allows, which both
// views tint while the course is held, in one shade where the course would cost the class
// and the teacher nothing more, in another where it would add a gap, a doublon or an évité
// cell.
#include "model/U_types.h"
#include "scheduling/U_qualite.h"
#include "scheduling/U_refus.h"

#include <QString>

#include <QStyledItemDelegate>

#include <array>
#include <bitset>
#include <functional>

class TActeur;
class TClasse;
class TProf;

// Diagonal lines over a cell: dense for interdit, sparse for à éviter.
void Hachurer(QPainter& Peintre, const QRect& Cadre, bool Dense);

class TPlacesPossibles {
public:
    void Calculer(const TClasse& Classe, const TProf& Prof, int Duree);
    void Effacer() { Cases = {}; }
    bool Possible(TJour Jour, TQuart Debut) const {
        return Jour < NombreJours && Debut >= QuartDebutGrille && Debut < QuartFinGrille &&
               Cases[Jour][Debut - QuartDebutGrille];
    }
    // What starting there would add to the class's and the teacher's day; only meaningful
    // where the course is possible.
    const TAjoutCours& Ajout(TJour Jour, TQuart Debut) const {
        return Ajouts[Jour][static_cast<std::size_t>(Debut - QuartDebutGrille)];
    }

private:
    std::array<std::bitset<QuartFinGrille - QuartDebutGrille>, NombreJours> Cases{};
    std::array<TAjoutsJour, NombreJours> Ajouts{};
};

// What a start would add, in the user's words ("Ajouterait ... à la classe, ... au
// professeur."); empty when it adds nothing.
QString TexteAjout(const TAjoutCours& Ajout);

// Paints under a timetable grid's cells the availability of the actor shown (interdit
// cells grey and densely hatched, à éviter ones sparsely) and the tint of the possible starts.
class TDelegueTeinte final : public QStyledItemDelegate {
public:
    TDelegueTeinte(const TPlacesPossibles& Places, std::function<const TActeur*()> Acteur,
                   QObject* Parent)
        : QStyledItemDelegate(Parent), Places(Places), Acteur(std::move(Acteur)) {}
    void paint(QPainter* Peintre, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override;

    static const QColor Teinte;         // adds nothing
    static const QColor TeinteCouteuse; // adds a gap, a doublon or an évité cell

private:
    const TPlacesPossibles& Places;
    std::function<const TActeur*()> Acteur;
};
