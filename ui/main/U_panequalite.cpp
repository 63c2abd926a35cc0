#include "ui/main/U_panequalite.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "storage/U_registre.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"
#include "ui_princ.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The week's measures, in the order of the school's table.
const char* const Mesures[] = {"Trous", "Jours", "Doublons", "Charge max", "Évités", "Conflits"};
// A day's, in the order of an actor's table; its last column sums the week.
const char* const MesuresJour[] = {"Trous", "Doublons", "Charge", "Évités", "Conflits"};

// Modele: the widest figure a column shows.
QTableWidget* CreerTable(QWidget* Parent, const char* Nom, const QStringList& Rangees,
                         const QStringList& Colonnes, const QString& Modele) {
    auto* Table = new QTableWidget(static_cast<int>(Rangees.size()),
                                   static_cast<int>(Colonnes.size()), Parent);
    Table->setObjectName(QLatin1String(Nom));
    Table->setVerticalHeaderLabels(Rangees);
    Table->setHorizontalHeaderLabels(Colonnes);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setFocusPolicy(Qt::NoFocus);
    Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int Largeur = Table->fontMetrics().horizontalAdvance(Modele) + 10;
    Table->horizontalHeader()->setDefaultSectionSize(Largeur);
    Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 5);
    for (int r = 0; r < Table->rowCount(); ++r)
        for (int c = 0; c < Table->columnCount(); ++c) {
            auto* Cellule = new QTableWidgetItem;
            Cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(r, c, Cellule);
        }
    // The whole table shows, without scrolling.
    Table->setFixedSize(Table->verticalHeader()->sizeHint().width() +
                            Table->columnCount() * Largeur + 2 * Table->frameWidth(),
                        Table->horizontalHeader()->sizeHint().height() +
                            Table->rowCount() * Table->verticalHeader()->defaultSectionSize() +
                            2 * Table->frameWidth());
    return Table;
}

QStringList Textes(const char* const* Debut, const char* const* Fin) {
    QStringList Liste;
    for (; Debut != Fin; ++Debut)
        Liste << QString::fromUtf8(*Debut);
    return Liste;
}

// Quarter-hours as a duration; the other figures as they are.
QString Chiffre(int Valeur, bool Duree) {
    return Duree ? TexteQuarts(static_cast<unsigned>(Valeur)) : QString::number(Valeur);
}

void EcrireSemaine(QTableWidget& Table, int Colonne, const TMesures& m) {
    const int Valeurs[] = {m.Trous, m.Jours, m.Doublons, m.ChargeMax, m.Evites, m.Conflits};
    for (int r = 0; r < 6; ++r)
        Table.item(r, Colonne)->setText(Chiffre(Valeurs[r], r == 0 || r == 3));
}

void EcrireJour(QTableWidget& Table, int Colonne, const int (&Valeurs)[5]) {
    for (int r = 0; r < 5; ++r)
        Table.item(r, Colonne)->setText(Chiffre(Valeurs[r], r == 0 || r == 2));
}

// The quarter-hours the summaries show as "Restantes", added up: a subject placed beyond
// its volume leaves nothing, and takes nothing from the others.
unsigned ResteClasse(const TClasse& Classe) {
    unsigned Reste = 0;
    const TLesHeures* Heures = Classe.Serie ? Classe.Serie->Heures.get() : nullptr;
    for (std::size_t k = 1; Heures && k <= Heures->Nombre(); ++k) {
        const THeures& Matiere = *Heures->Numero(k);
        Reste +=
            Matiere.Volume - std::min<unsigned>(Matiere.Volume, Classe.CompterQuarts(Matiere.Nom));
    }
    return Reste;
}

unsigned ResteProf(const TProf& Prof) {
    unsigned Reste = 0;
    for (std::size_t k = 1; k <= Prof.Heures->Nombre(); ++k) {
        const THeures& Entree = *Prof.Heures->Numero(k);
        Reste += Entree.Volume - std::min<unsigned>(Entree.Volume, Prof.CompterQuarts(Entree.Nom));
    }
    return Reste;
}

} // namespace

TPaneQualite::TPaneQualite(QWidget* Parent, std::function<void(TJour)> MontrerJour)
    : QDockWidget(QStringLiteral("Qualité"), Parent), MontrerJour(std::move(MontrerJour)) {
    setObjectName(QStringLiteral("PaneQualite"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    auto* Fond = new QWidget(this);
    auto* Pile = new QVBoxLayout(Fond);
    Pile->setContentsMargins(4, 0, 4, 4);
    auto* BoiteEcole = new QGroupBox(QStringLiteral("Établissement"), Fond);
    auto* PileEcole = new QVBoxLayout(BoiteEcole);
    PileEcole->setContentsMargins(6, 2, 6, 4);
    Ecole =
        CreerTable(BoiteEcole, "QualiteEcole", Textes(std::begin(Mesures), std::end(Mesures)),
                   {QStringLiteral("Profs"), QStringLiteral("Classes")}, QStringLiteral("0000h00"));
    Ecole->horizontalHeaderItem(0)->setToolTip(QStringLiteral("Professeurs"));
    ResteEcole = new QLabel(BoiteEcole);
    ResteEcole->setObjectName(QStringLiteral("ResteEcole"));
    PileEcole->addWidget(Ecole);
    PileEcole->addWidget(ResteEcole);
    Pile->addWidget(BoiteEcole);
    VueClasse = CreerVueActeur("Classe", QStringLiteral("Classe"));
    VueProf = CreerVueActeur("Prof", QStringLiteral("Professeur"));
    Pile->addWidget(VueClasse.Boite);
    Pile->addWidget(VueProf.Boite);
    Pile->addStretch();
    // A low window scrolls the pane rather than growing past the views.
    auto* Defilement = new QScrollArea(this);
    Defilement->setWidget(Fond);
    Defilement->setWidgetResizable(true);
    Defilement->setFrameShape(QFrame::NoFrame);
    Defilement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Defilement->setMinimumWidth(Fond->sizeHint().width() +
                                Defilement->verticalScrollBar()->sizeHint().width());
    setWidget(Defilement);
}

TPaneQualite::TVueActeur TPaneQualite::CreerVueActeur(const char* Nom, const QString& Titre) {
    auto* Boite = new QGroupBox(Titre, this);
    Boite->setObjectName(QStringLiteral("Boite%1").arg(QLatin1String(Nom)));
    auto* Pile = new QVBoxLayout(Boite);
    Pile->setContentsMargins(6, 2, 6, 4);
    auto* Resume = new QLabel(Boite);
    Resume->setObjectName(QStringLiteral("Resume%1").arg(QLatin1String(Nom)));
    QStringList Jours;
    for (TJour j = 0; j < NombreJours; ++j)
        Jours << VersQt(NomJour(j)).left(2);
    auto* Table = CreerTable(Boite, QStringLiteral("Jours%1").arg(QLatin1String(Nom)).toLatin1(),
                             Textes(std::begin(MesuresJour), std::end(MesuresJour)),
                             Jours << QStringLiteral("Sem."), QStringLiteral("00h00"));
    for (TJour j = 0; j < NombreJours; ++j)
        Table->horizontalHeaderItem(j)->setToolTip(VersQt(NomJour(j)));
    Table->horizontalHeaderItem(NombreJours)
        ->setToolTip(
            QStringLiteral("La semaine : les sommes, et la charge du jour le plus chargé"));
    connect(Table, &QTableWidget::cellClicked, this, [this](int, int Colonne) {
        if (Colonne < NombreJours)
            MontrerJour(static_cast<TJour>(Colonne));
    });
    Pile->addWidget(Resume);
    Pile->addWidget(Table);
    return {Boite, Resume, Table};
}

void TPaneQualite::Actualiser(const TClasse* Classe, const TProf* Prof) {
    const TQualite Qualite = Automate ? MesurerQualite(*Automate) : TQualite{};
    EcrireSemaine(*Ecole, 0, Qualite.TotalProfs);
    EcrireSemaine(*Ecole, 1, Qualite.TotalClasses);
    unsigned Reste = 0;
    for (std::size_t c = 1; LesClasses && c <= LesClasses->Nombre(); ++c)
        Reste += ResteClasse(*LesClasses->Numero(c));
    ResteEcole->setText(QStringLiteral("À placer : %1").arg(TexteQuarts(Reste)));
    Montrer(VueClasse, QStringLiteral("Classe"), Classe, Qualite.Classes,
            Classe ? ResteClasse(*Classe) : 0);
    Montrer(VueProf, QStringLiteral("Professeur"), Prof, Qualite.Profs,
            Prof ? ResteProf(*Prof) : 0);
}

void TPaneQualite::Montrer(const TVueActeur& Vue, const QString& Titre, const TActeur* Acteur,
                           const std::vector<TQualiteActeur>& Mesures, unsigned Reste) {
    const auto Trouve = std::find_if(Mesures.begin(), Mesures.end(), [Acteur](const auto& m) {
        return Acteur && m.Nom == Acteur->Nom;
    });
    const TQualiteActeur Vide{};
    const TQualiteActeur& Q = Trouve == Mesures.end() ? Vide : *Trouve;
    Vue.Boite->setTitle(Acteur ? Titre + QStringLiteral(" ") + VersQt(Acteur->Nom) : Titre);
    Vue.Resume->setText(Acteur ? QStringLiteral("%1 jour(s) de cours, à placer : %2")
                                     .arg(QString::number(Q.Semaine.Jours), TexteQuarts(Reste))
                               : QString());
    for (TJour j = 0; j < NombreJours; ++j) {
        const TMesuresJour& m = Q.Jours[j];
        EcrireJour(*Vue.Jours, j, {m.Trous, m.Doublons, m.Charge, m.Evites, m.Conflits});
    }
    const TMesures& s = Q.Semaine;
    EcrireJour(*Vue.Jours, NombreJours, {s.Trous, s.Doublons, s.ChargeMax, s.Evites, s.Conflits});
}

// A day's figure clicked: both grids scroll to their actor's first course of that day.
void TFTable::MontrerJour(TJour Jour) {
    const auto Montrer = [Jour](QScrollBar& Barre, int Debut) {
        if (Debut >= QuartDebutGrille) // one row of the morning above it
            Barre.setValue(HautDeQuart(static_cast<TQuart>(std::max(Debut - 1, 32))) - 2);
    };
    if (const TClasse* Classe = ClasseDe(*ui->CBclasse)) {
        const std::vector<TRunClasse> Runs = RunsDeClasse(*Classe, Jour);
        Montrer(*ui->SBClasse, Runs.empty() ? -1 : Runs.front().Cours.Debut);
    }
    if (const TProf* Prof = ProfDe(*ui->CBprof)) {
        const std::vector<TCoursJour> Runs = RunsDeProf(*Prof, Jour);
        Montrer(*ui->SBProf, Runs.empty() ? -1 : Runs.front().Debut);
    }
}

void TFTable::ConstruireQualite() {
    PaneQualite = new TPaneQualite(this, [this](TJour Jour) { MontrerJour(Jour); });
    addDockWidget(Qt::RightDockWidgetArea, PaneQualite);
    QAction* Entree = PaneQualite->toggleViewAction();
    Entree->setObjectName(QStringLiteral("Qualite1"));
    Entree->setText(QStringLiteral("Panneau &Qualité"));
    ui->Outils1->addAction(Entree);
}

void TFTable::ActualiserQualite() {
    // While a course is held the pane, like the grids, shows the timetable without it: the
    // tint's tooltip says what it would add to these figures.
    if (PaneQualite)
        PaneQualite->Actualiser(ClasseDe(*ui->CBclasse), ProfDe(*ui->CBprof));
}
