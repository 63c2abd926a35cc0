// "Qui est libre ?", from the Outils menu and from the popup of an empty cell of the teacher
// view.
#include "ui/dialogs/U_quiestlibre.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_princ.h"
#include "ui_princ.h"

#include <QMenu>

#include <algorithm>

namespace {
constexpr int UneHeure = 4;
} // namespace

void TFTable::ConstruirePPMCaseProf() {
    PPMCaseProf = new QMenu(this);
    PPMCaseProf->setObjectName(QStringLiteral("PPMCaseProf"));
    QAction* Entree = PPMCaseProf->addAction(QStringLiteral("&Qui est libre ?"));
    Entree->setObjectName(QStringLiteral("Quiestlibre2"));
    Relier(Entree, &TFTable::Quiestlibre2Click);
    ui->SGProf->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->SGProf, &QWidget::customContextMenuRequested, this, [this](QPoint Point) {
        if (Point.x() < GaucheDeJour(0)) // the times' column
            return;
        JourMenu = JourDuPointeur(Point.x());
        QuartMenu = QuartDeHaut(Point.y());
        PPMCaseProf->popup(ui->SGProf->viewport()->mapToGlobal(Point));
    });
}

// Open already, the window keeps its choice; else the start of Monday.
void TFTable::Quiestlibre1Click() {
    if (F_quiestlibre)
        F_quiestlibre->raise();
    else
        OuvrirQuiEstLibre(0, QuartDebutGrille);
}

void TFTable::Quiestlibre2Click() {
    OuvrirQuiEstLibre(JourMenu, QuartMenu);
}

// An hour from Debut, or up to 20h00.
void TFTable::OuvrirQuiEstLibre(TJour Jour, TQuart Debut) {
    if (!F_quiestlibre)
        F_quiestlibre = new TF_quiestlibre(this);
    F_quiestlibre->Choisir(Jour, Debut,
                           static_cast<TQuart>(std::min(Debut + UneHeure, +QuartFinGrille) - 1));
    F_quiestlibre->show();
    F_quiestlibre->raise();
}
