#include "ui/main/U_nonplacees.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "scheduling/U_automate.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"
#include "ui_princ.h"

#include <QCursor>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <QVBoxLayout>

TFNonPlacees::TFNonPlacees(TFTable& Table)
    : QWidget(&Table, Qt::Window), Table(Table), SGnonplacees(new QTableWidget(this)) {
    setObjectName(QStringLiteral("F_nonplacees"));
    setWindowTitle(QStringLiteral("Heures non placées"));
    FixerRubrique(this, Rubrique::NonPlacees);
    SGnonplacees->setObjectName(QStringLiteral("SGnonplacees"));
    SGnonplacees->setColumnCount(5);
    SGnonplacees->setHorizontalHeaderLabels({QStringLiteral("Classe"), QStringLiteral("Matière"),
                                             QStringLiteral("Professeur"), QStringLiteral("Manque"),
                                             QStringLiteral("Raison")});
    SGnonplacees->verticalHeader()->hide();
    int c = 0;
    for (const int Largeur : {90, 130, 130, 60})
        SGnonplacees->setColumnWidth(c++, Largeur);
    SGnonplacees->horizontalHeader()->setStretchLastSection(true);
    SGnonplacees->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGnonplacees->setSelectionBehavior(QAbstractItemView::SelectRows);
    SGnonplacees->setSelectionMode(QAbstractItemView::SingleSelection);
    SGnonplacees->setWordWrap(false);
    SGnonplacees->viewport()->installEventFilter(this);
    // Undo and redo work from here too: a drop made from the list is undone beside it.
    for (const char* Nom : {"Annuler1", "Refaire1"})
        addAction(Table.findChild<QAction*>(QLatin1String(Nom)));
    auto* Disposition = new QVBoxLayout(this);
    Disposition->setContentsMargins(4, 4, 4, 4);
    Disposition->addWidget(SGnonplacees);
    resize(720, 360);
}

// Hidden, it waits: the command that shows it reads the list.
void TFNonPlacees::Actualiser() {
    if (!isVisible())
        return;
    Liste = Automate ? HeuresNonPlacees(*Automate) : std::vector<TManque>();
    SGnonplacees->setUpdatesEnabled(false);
    SGnonplacees->setRowCount(static_cast<int>(Liste.size()));
    int r = 0;
    for (const TManque& m : Liste) {
        const QString Textes[] = {VersQt(m.Classe), VersQt(m.Matiere), VersQt(m.Prof),
                                  TexteQuarts(static_cast<unsigned>(m.Manque)),
                                  QString::fromStdString(TexteRaison(m))};
        for (int c = 0; c < 5; ++c) {
            QTableWidgetItem* Cellule = SGnonplacees->item(r, c);
            if (!Cellule) {
                Cellule = new QTableWidgetItem;
                SGnonplacees->setItem(r, c, Cellule);
            }
            Cellule->setText(Textes[c]);
        }
        ++r;
    }
    SGnonplacees->setUpdatesEnabled(true);
}

// The button's release after a double-click holds the course: held at the double-click
// itself, the course would be dropped at once by that release.
bool TFNonPlacees::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (Objet == SGnonplacees->viewport()) {
        if (Evenement->type() == QEvent::MouseButtonDblClick) {
            const auto* Souris = static_cast<QMouseEvent*>(Evenement);
            if (Souris->button() == Qt::LeftButton)
                RangeeDoubleClic = SGnonplacees->rowAt(Souris->position().toPoint().y());
        } else if (Evenement->type() == QEvent::MouseButtonRelease && RangeeDoubleClic >= 0) {
            const int Rangee = RangeeDoubleClic;
            RangeeDoubleClic = -1;
            SGnonplaceesDblClick(Rangee);
        }
    }
    return QWidget::eventFilter(Objet, Evenement);
}

void TFNonPlacees::SGnonplaceesDblClick(int Rangee) {
    if (Rangee >= static_cast<int>(Liste.size()))
        return;
    const TManque m = Liste[static_cast<std::size_t>(Rangee)];
    Table.Commande([&] { Table.TenirCours(m.Classe, m.Matiere, m.Duree); }, this);
}

// ---- The window's side.

void TFTable::NonPlacees1Click() {
    if (!F_NonPlacees)
        F_NonPlacees = new TFNonPlacees(*this);
    F_NonPlacees->show();
    F_NonPlacees->raise();
    F_NonPlacees->activateWindow();
}

bool TFTable::SurListe(QPoint PositionGlobale) const {
    return F_NonPlacees && F_NonPlacees->isVisible() &&
           F_NonPlacees->frameGeometry().contains(PositionGlobale);
}

// Held as a copy is: nothing goes back on a refused drop. Its blocks show from the first cell
// that accepts it.
void TFTable::TenirCours(const std::string& NomClasse, const std::string& Matiere, int Duree) {
    TClasse* Classe = LesClasses ? LesClasses->Trouver(NomClasse) : nullptr;
    TProf* Prof = Classe && LesProfs ? LesProfs->Trouver(Classe->ProfDe(Matiere)) : nullptr;
    const THeures* Sujet =
        Classe && Classe->Serie ? Classe->Serie->Heures->Trouver(Matiere) : nullptr;
    const THeures* Entree = Prof ? Prof->Heures->Trouver(Classe->Nom) : nullptr;
    if (!Sujet || !Entree || Duree < 1 || Duree > QuartFinGrille - QuartDebutGrille) {
        Messages().Bip();
        return;
    }
    SelectionnerNom(*ui->CBclasse, Classe->Nom);
    CBclasseChange();
    SelectionnerNom(*ui->CBprof, Prof->Nom);
    CBprofChange();
    const auto Creer = [Duree](TPanneau& Panneau, const std::string& Id, const std::string& Nom,
                               TCouleur Couleur) {
        const auto Debut = static_cast<TQuart>(QuartDebutGrille);
        return std::make_unique<TBloc>(
            Panneau, NomDeComposant(Id) + "x",
            LignesDeBloc(Debut, static_cast<TQuart>(Debut + Duree - 1), Nom), Couleur,
            GaucheDeJour(0), HautDeQuart(Debut), TGrilleVue::LargeurColonne,
            Duree * (TGrilleVue::HauteurLigne + 1) - 1, false);
    };
    BlocPris = Creer(PanneauClasse, "MC" + Classe->Nom + Matiere, Matiere, Sujet->Couleur);
    BlocJumeau = Creer(PanneauProf, "MP" + Prof->Nom + Classe->Nom, Classe->Nom, Entree->Couleur);
    BlocPris->Tag = 0;
    BlocJumeau->Tag = -2;
    ClassePrise = Classe->Nom;
    ProfPris = Prof->Nom;
    DureePrise = static_cast<std::uint8_t>(Duree - 1);
    CopiePrise = true;
    HorsGrille = true;
    Tenir(*Classe, *Prof, QCursor::pos());
}
