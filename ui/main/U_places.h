#pragma once
// Where a held course may go: the rule a drop applies, and the cells it allows, which both
// views tint while the course is held.
#include "model/U_types.h"
#include "scheduling/U_refus.h"

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

private:
    std::array<std::bitset<QuartFinGrille - QuartDebutGrille>, NombreJours> Cases{};
};

// Paints under a timetable grid's cells the availability of the actor shown (interdit
// cells grey and densely hatched, à éviter ones sparsely) and the tint of the possible starts.
class TDelegueTeinte final : public QStyledItemDelegate {
public:
    TDelegueTeinte(const TPlacesPossibles& Places, std::function<const TActeur*()> Acteur,
                   QObject* Parent)
        : QStyledItemDelegate(Parent), Places(Places), Acteur(std::move(Acteur)) {}
    void paint(QPainter* Peintre, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override;

    static const QColor Teinte;

private:
    const TPlacesPossibles& Places;
    std::function<const TActeur*()> Acteur;
};
