#pragma once
// "Qui est libre ?": the teachers free over a range of one day, the most useful first, each
// with that day's courses and gaps. It stays open beside the timetable and follows it.
#include "model/U_types.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TF_quiestlibre;
}

class TF_quiestlibre : public QDialog {
    Q_OBJECT
public:
    explicit TF_quiestlibre(QWidget* Proprietaire);
    ~TF_quiestlibre() override;

    // The day and the range, its first and last slot, then the list for them.
    void Choisir(TJour Jour, TQuart Debut, TQuart Fin);
    // The list again, from the timetable and the class shown as they are now.
    void Actualiser();

private:
    void ChoixChange(bool DebutChoisi);
    void MontrerChoix(); // the lists show the range in force
    void SGlibresDblClick(int Rangee);

    std::unique_ptr<Ui::TF_quiestlibre> ui;
    TJour Jour = 0;
    TQuart Debut = QuartDebutGrille;
    TQuart Fin = QuartDebutGrille + 3;
};
