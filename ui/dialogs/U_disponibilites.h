#pragma once
// The availability form: a teacher's or a class's week painted libre, à éviter or interdit.
#include "model/U_disponibilite.h"

#include <QDialog>

#include <map>
#include <memory>
#include <string>
#include <utility>

class TActeur;

namespace Ui {
class TF_dispo;
}

class TF_dispo : public QDialog {
    Q_OBJECT
public:
    explicit TF_dispo(QWidget* Proprietaire);
    ~TF_dispo() override;

    // Shows that teacher's (Prof) or class's week; the first one when there is none.
    void Choisir(bool Prof, const std::string& Nom);

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    using TCle = std::pair<bool, std::string>; // (teacher, name)

    void RemplirNoms();
    void CB_nomClick();
    void B_copierClick();
    void B_okClick();
    void Peindre(int PremierRang, int DernierRang, int PremierJour, int DernierJour);
    void PeindrePoint(QPoint Position);
    TDispo EtatChoisi() const;
    TActeur* Acteur(const TCle& Cle) const;
    TGrilleDispo& Grille(const TCle& Cle); // the edited copy, made on first use

    std::unique_ptr<Ui::TF_dispo> ui;
    TCle Courant;
    std::map<TCle, TGrilleDispo> Modifiees;
    bool Peinture = false;  // the left button is held over the grid
    QPoint Dernier{-1, -1}; // the last cell painted by it (day, row)
};
