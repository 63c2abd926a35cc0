#pragma once
// The course drag as a state machine fed with pointer moves and the button's release.
// While it runs, a widget of the window that stays shown holds the mouse, so that every
// move and the release reach the machine wherever the pointer goes: the pressed block
// cannot keep it, since the drag hides it at times, and a pick-up from a menu starts with
// no button down at all. The keyboard is held too: Escape puts the course back, any other
// key (a shortcut, an arrow in a list) is refused, since the course is in neither grid.
#include "model/U_bloc.h"
#include "model/U_types.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <algorithm>

class TFTable;

class TGlisseur final : public QObject {
public:
    static constexpr int Seuil = 18; // pixels the pointer moves before the drag begins

    TGlisseur(TFTable& Table, QWidget& Capteur) : Table(Table), Capteur(&Capteur) {}
    ~TGlisseur() override;

    void Commencer(QPoint Origine);
    void Bouger(QPoint PositionGlobale);
    void Relacher();
    // Ends the drag without a drop.
    void Abandonner() { Arreter(); }
    bool Actif() const { return Etat != TEtat::Inactif; }
    bool Commence() const { return Etat == TEtat::EnCours; }

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    enum class TEtat { Inactif, EnAttente, EnCours };
    void Arreter();
    bool FiltrerClavier(QEvent* Evenement);

    TFTable& Table;
    QPointer<QWidget> Capteur; // holds the mouse while the drag lasts
    TEtat Etat = TEtat::Inactif;
    QPoint Origine;
    bool SuiviAvant = false;
};

// Cells from positions, with the grid's column width w = 38 and row height h = 18.
// A block's left and top give back exactly its day and first slot.
inline TJour JourDeGauche(int Gauche) {
    constexpr int w = TGrilleVue::LargeurColonne;
    return static_cast<TJour>((Gauche - (w + 3)) / (w - 1));
}
inline TQuart QuartDeHaut(int Haut) {
    constexpr int h = TGrilleVue::HauteurLigne;
    return static_cast<TQuart>((Haut + 32 * h + 30) / (h + 1));
}
// The pointer may stand right of Saturday's column: it still means Saturday.
inline TJour JourDuPointeur(int x) {
    return std::min<TJour>(JourDeGauche(x), 5);
}
// Quarter-hours of a block, from its height of 19 n - 1 pixels.
inline int QuartsDeHauteur(int Hauteur) {
    constexpr int Pas = TGrilleVue::HauteurLigne + 1;
    return (Hauteur + Pas / 2) / Pas;
}
inline int GaucheDeJour(TJour Jour) {
    return (Jour + 1) * (TGrilleVue::LargeurColonne + 1) + 2;
}
inline int HautDeQuart(TQuart Quart) {
    return (TGrilleVue::HauteurLigne + 1) * (Quart - QuartDebutGrille) + 2;
}
