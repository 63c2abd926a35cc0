#pragma once
// The series: each a named list of subjects with their weekly volume and colour, edited
// in a grid of one row per subject.
#include <QDialog>

#include <memory>
#include <string>
#include <vector>

struct TLigneMatiere;

namespace Ui {
class TF_serie;
}

class TF_serie : public QDialog {
    Q_OBJECT
public:
    // The grid never shows fewer data rows, and always one empty row after its subjects.
    static constexpr int RangeesMin = 19;

    explicit TF_serie(QWidget* Proprietaire);
    ~TF_serie() override;

    // What the caller shows first: the name box takes that name; CB_nomClick loads it.
    void FixerNom(const std::string& Nom);

    void CB_nomClick();
    void CB_nomKeyPress();
    void SGHeureMatiereSelectCell(int Colonne, int Rangee);
    void B_AjouterClick();
    void B_ModifierClick();
    void B_SupprimerClick();
    void B_aideClick();
    void B_finClick();

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    void FormCreate();
    void ViderGrille(int Rangees = RangeesMin);
    // One empty row after the last one filled.
    void AjusterRangees();
    QString Cellule(int Rangee, int Colonne) const;
    void EcrireCellule(int Rangee, int Colonne, const QString& Texte);
    std::vector<TLigneMatiere> LireGrille() const;
    // Stores the grid into the series named in the box; false when there is none.
    bool Modifier();
    bool MatieresNommees() const;

    std::unique_ptr<Ui::TF_serie> ui;
    bool BoutonEnfonce = false; // a click selects its cell on release
};
