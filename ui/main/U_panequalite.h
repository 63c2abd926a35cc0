#pragma once
// The "Qualité" pane beside the views: the school's measures, the shown class's and
// teacher's day by day, and what is left to place. The window refreshes it after every
// change; a click on a day's figure brings that day into view.
#include "model/U_types.h"
#include "scheduling/U_qualite.h"

#include <QDockWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QTableWidget;
class TActeur;
class TClasse;
class TProf;

class TPaneQualite final : public QDockWidget {
    Q_OBJECT
public:
    // MontrerJour: what a click on a figure of that day asks of the window.
    TPaneQualite(QWidget* Parent, std::function<void(TJour)> MontrerJour);
    // Measures the school again and shows these two (either may be missing).
    void Actualiser(const TClasse* Classe, const TProf* Prof);

private:
    struct TVueActeur {
        QGroupBox* Boite;
        QLabel* Resume;
        QTableWidget* Jours;
    };
    TVueActeur CreerVueActeur(const char* Nom, const QString& Titre);
    void Montrer(const TVueActeur& Vue, const QString& Titre, const TActeur* Acteur,
                 const std::vector<TQualiteActeur>& Mesures, unsigned Reste);

    std::function<void(TJour)> MontrerJour;
    QTableWidget* Ecole;
    QLabel* ResteEcole;
    TVueActeur VueClasse;
    TVueActeur VueProf;
};
