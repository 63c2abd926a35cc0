#pragma once
// The teachers: name, subject, and the classes taught with the colour of their blocks.
#include "storage/U_fichier.h"

#include <QDialog>
#include <QTableWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TClasseProf;

namespace Ui {
class TF_prof;
}

// A grid whose cells are chosen rather than typed into: a click on a cell, or a key that
// moves to another cell, chooses it. Giving the grid the focus or filling it chooses nothing.
class TGrilleChoix : public QTableWidget {
    Q_OBJECT
public:
    using QTableWidget::QTableWidget;

signals:
    void CelluleChoisie(int Rangee, int Colonne);

protected:
    void keyPressEvent(QKeyEvent* Evenement) override;
    void mousePressEvent(QMouseEvent* Evenement) override;
    void mouseReleaseEvent(QMouseEvent* Evenement) override;

private:
    QPersistentModelIndex Appui; // the cell the left button went down on
};

class TF_prof : public QDialog {
    Q_OBJECT
public:
    static constexpr int RangeesMin = 19; // data rows shown at least

    explicit TF_prof(QWidget* Proprietaire);
    ~TF_prof() override;

    // The name box shows that teacher; CB_nomClick then loads it.
    void FixerNom(const std::string& Nom);

public slots:
    void CB_nomClick();
    void CB_nomKeyPress();
    void SGProfSelectCell(int Colonne, int Rangee); // Rangee counts data rows from 1
    void B_AjouterClick();
    void B_ModifierClick();
    void B_SupprimerClick();
    void B_aideClick();

private:
    // The buttons' work on the teacher named Nom, read once from the name box.
    void Ajouter(const std::string& Nom);
    void Modifier(const std::string& Nom);
    void Supprimer(const std::string& Nom, bool ViderChamps);
    void ChoisirClasse(int Rangee);
    void ChoisirCouleur(int Rangee);
    // A history step; a snapshot that cannot be written fails the button only once its
    // whole work is done, so that a teacher being replaced is never left deleted.
    void Memoriser();
    void Bouton(const std::function<void(const std::string& Nom)>& Travail);

    std::string MatiereSaisie() const;
    void ViderSaisie();
    std::string ClasseDe(int Rangee) const;
    void EcrireClasse(int Rangee, const std::string& Classe);
    void EcrireCouleur(int Rangee, const QString& Texte);
    // One empty row after the last class, and never fewer than RangeesMin rows.
    void AjusterRangees();
    std::vector<TClasseProf> Rangees() const;

    std::unique_ptr<Ui::TF_prof> ui;
    std::string MatiereChargee; // the loaded teacher's subject, byte for byte
    std::optional<EErreurFichier> EchecMemoire;
};
