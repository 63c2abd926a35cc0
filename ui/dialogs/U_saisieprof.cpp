#include "U_saisieprof.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_texte.h"
#include "ui/dialogs/U_formesaisie.h"
#include "ui/dialogs/U_selectclasse.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_canevasqt.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"
#include "ui_saisieprof.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

void TGrilleChoix::keyPressEvent(QKeyEvent* Evenement) {
    const QModelIndex Avant = currentIndex();
    QTableWidget::keyPressEvent(Evenement);
    const QModelIndex Apres = currentIndex();
    if (Apres.isValid() && Apres != Avant)
        emit CelluleChoisie(Apres.row(), Apres.column());
}

void TGrilleChoix::mousePressEvent(QMouseEvent* Evenement) {
    Appui = Evenement->button() == Qt::LeftButton ? indexAt(Evenement->position().toPoint())
                                                  : QModelIndex();
    QTableWidget::mousePressEvent(Evenement);
}

void TGrilleChoix::mouseReleaseEvent(QMouseEvent* Evenement) {
    QTableWidget::mouseReleaseEvent(Evenement);
    const QModelIndex Ici = indexAt(Evenement->position().toPoint());
    if (Evenement->button() != Qt::LeftButton || !Ici.isValid() || Ici != Appui)
        return;
    Appui = QModelIndex();
    emit CelluleChoisie(Ici.row(), Ici.column());
}

namespace {

constexpr int ColonneClasse = 0;
constexpr int ColonneCouleur = 1;
constexpr int RoleNom = Qt::UserRole; // a class cell keeps its name's exact bytes

QTableWidgetItem& Cellule(QTableWidget& Grille, int Rangee, int Colonne) {
    QTableWidgetItem* Item = Grille.item(Rangee - 1, Colonne);
    if (!Item) {
        Item = new QTableWidgetItem;
        Item->setFlags(Qt::ItemIsEnabled);
        Grille.setItem(Rangee - 1, Colonne, Item);
    }
    return *Item;
}

} // namespace

TF_prof::TF_prof(QWidget* Proprietaire)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TF_prof>()) {
    ui->setupUi(this);
    PreparerFormeSaisie(*this, Rubrique::Profs);
    PreparerBoiteNom(*ui->CB_nom, [this] { CB_nomKeyPress(); });
    connect(ui->CB_nom, &QComboBox::activated, this, &TF_prof::CB_nomClick);
    LimiterAnsi(*ui->E_matiere);

    QTableWidget& Grille = *ui->SGProf;
    Grille.setColumnCount(2);
    Grille.setHorizontalHeaderLabels(
        {QStringLiteral("Classe"), QStringLiteral("Couleur Associée")});
    Grille.verticalHeader()->hide();
    for (QHeaderView* Entete : {Grille.horizontalHeader(), Grille.verticalHeader()}) {
        Entete->setMinimumSectionSize(1);
        Entete->setSectionResizeMode(QHeaderView::Fixed);
    }
    Grille.horizontalHeader()->setHighlightSections(false);
    Grille.setColumnWidth(ColonneClasse, 168 + 1);
    Grille.setColumnWidth(ColonneCouleur, 128 + 1);
    Grille.verticalHeader()->setDefaultSectionSize(21);
    Grille.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A highlighted cell would hide the colour it paints.
    Grille.setSelectionMode(QAbstractItemView::NoSelection);
    Grille.setRowCount(RangeesMin);

    connect(ui->SGProf, &TGrilleChoix::CelluleChoisie, this,
            [this](int Rangee, int Colonne) { SGProfSelectCell(Colonne, Rangee + 1); });
    connect(ui->B_Ajouter, &QPushButton::clicked, this, &TF_prof::B_AjouterClick);
    connect(ui->B_Modifier, &QPushButton::clicked, this, &TF_prof::B_ModifierClick);
    connect(ui->B_Supprimer, &QPushButton::clicked, this, &TF_prof::B_SupprimerClick);
    connect(ui->B_aide, &QPushButton::clicked, this, &TF_prof::B_aideClick);
    connect(ui->B_fin, &QPushButton::clicked, this, &QDialog::reject);

    RemplirBoiteNom(*ui->CB_nom, *LesProfs, false);
    ui->CB_nom->setCurrentIndex(ui->CB_nom->count() > 0 ? 0 : -1);
    CB_nomClick();
}

TF_prof::~TF_prof() = default;

void TF_prof::FixerNom(const std::string& Nom) {
    AfficherNom(*ui->CB_nom, Nom);
}

// The subject loaded keeps its bytes as long as its text is left as it was: a subject that
// merely reads back differently must not count as changed, which would delete the courses.
std::string TF_prof::MatiereSaisie() const {
    const QString Texte = ui->E_matiere->text();
    return !MatiereChargee.empty() && Texte == VersQt(MatiereChargee) ? MatiereChargee
                                                                      : VersAnsi(Texte);
}

void TF_prof::ViderSaisie() {
    ui->E_matiere->clear();
    MatiereChargee.clear();
    ui->SGProf->clearContents();
    ui->SGProf->setRowCount(RangeesMin);
}

std::string TF_prof::ClasseDe(int Rangee) const {
    const QTableWidgetItem* Item = ui->SGProf->item(Rangee - 1, ColonneClasse);
    if (!Item)
        return {};
    const QVariant Nom = Item->data(RoleNom);
    return Nom.isValid() ? Nom.toByteArray().toStdString() : VersAnsi(Item->text());
}

void TF_prof::EcrireClasse(int Rangee, const std::string& Classe) {
    QTableWidgetItem& Item = Cellule(*ui->SGProf, Rangee, ColonneClasse);
    Item.setText(VersQt(Classe));
    Item.setData(RoleNom, QByteArray::fromStdString(Classe));
}

// The cell shows its colour, the number readable on it.
void TF_prof::EcrireCouleur(int Rangee, const QString& Texte) {
    QTableWidgetItem& Item = Cellule(*ui->SGProf, Rangee, ColonneCouleur);
    Item.setText(Texte);
    std::int32_t Valeur = 0;
    const QColor Fond =
        CouleurQt(TexteEntier(VersAnsi(Texte), Valeur) ? static_cast<TCouleur>(Valeur) : Blanc);
    Item.setBackground(Fond);
    Item.setForeground(Fond.lightness() < 128 ? Qt::white : Qt::black);
}

void TF_prof::AjusterRangees() {
    int Derniere = 0;
    for (int r = 1; r <= ui->SGProf->rowCount(); ++r)
        if (!ClasseDe(r).empty())
            Derniere = r;
    ui->SGProf->setRowCount(std::max(RangeesMin, Derniere + 1));
}

std::vector<TClasseProf> TF_prof::Rangees() const {
    std::vector<TClasseProf> Lignes;
    for (int r = 1; r <= ui->SGProf->rowCount(); ++r) {
        const QTableWidgetItem* Couleur = ui->SGProf->item(r - 1, ColonneCouleur);
        Lignes.push_back({ClasseDe(r), Couleur ? VersAnsi(Couleur->text()) : std::string()});
    }
    return Lignes;
}

void TF_prof::CB_nomClick() {
    ViderSaisie();
    const TProf* Prof = LesProfs ? LesProfs->Trouver(NomSaisi(*ui->CB_nom)) : nullptr;
    if (!Prof)
        return;
    MatiereChargee = Prof->Matiere;
    ui->E_matiere->setText(VersQt(Prof->Matiere));
    const int n = Prof->Heures->Nombre();
    ui->SGProf->setRowCount(std::max(RangeesMin, n + 1));
    for (int k = 1; k <= n; ++k) {
        const THeures& Entree = *Prof->Heures->Numero(static_cast<std::size_t>(k));
        EcrireClasse(k, Entree.Nom);
        EcrireCouleur(k, QString::number(static_cast<std::int32_t>(Entree.Couleur)));
    }
}

void TF_prof::CB_nomKeyPress() {
    ViderSaisie();
}

void TF_prof::SGProfSelectCell(int Colonne, int Rangee) {
    FTable->Commande(
        [&] {
            if (Colonne == ColonneClasse)
                ChoisirClasse(Rangee);
            else if (Colonne == ColonneCouleur)
                ChoisirCouleur(Rangee);
        },
        this);
}

void TF_prof::ChoisirClasse(int Rangee) {
    TFselectclasse Fselectclasse(this);
    Fselectclasse.Preparer(ClasseDe(Rangee), MatiereSaisie());
    if (FTable->ExecuterModal(Fselectclasse) != QDialog::Accepted)
        return;
    EcrireClasse(Rangee, Fselectclasse.ClasseChoisie);
    AjusterRangees();
}

void TF_prof::ChoisirCouleur(int Rangee) {
    const QTableWidgetItem* Item = ui->SGProf->item(Rangee - 1, ColonneCouleur);
    std::int32_t Valeur = 0;
    std::optional<QColor> Actuelle;
    if (Item && TexteEntier(VersAnsi(Item->text()), Valeur) && Valeur != 0)
        Actuelle = CouleurQt(static_cast<TCouleur>(Valeur));
    try {
        if (const auto Choix = Dialogues().ChoisirCouleur(this, Actuelle))
            EcrireCouleur(Rangee, QString::number(static_cast<std::int32_t>(CouleurDeQt(*Choix))));
    } catch (const std::exception&) {
        Messages().Erreur(Ansi("Erreur lors de la sélection de couleurs"));
    }
}

void TF_prof::Bouton(const std::function<void(const std::string& Nom)>& Travail) {
    FTable->Commande(
        [this, &Travail] {
            EchecMemoire.reset();
            Travail(NomSaisi(*ui->CB_nom));
            if (EchecMemoire) {
                const EErreurFichier Echec = *EchecMemoire;
                EchecMemoire.reset();
                throw Echec;
            }
        },
        this);
}

void TF_prof::Memoriser() {
    try {
        Sauveur->Memoriser();
    } catch (const EErreurFichier& Echec) {
        if (!EchecMemoire)
            EchecMemoire = Echec;
    }
}

void TF_prof::B_AjouterClick() {
    Bouton([this](const std::string& Nom) { Ajouter(Nom); });
}

void TF_prof::B_ModifierClick() {
    Bouton([this](const std::string& Nom) { Modifier(Nom); });
}

void TF_prof::B_SupprimerClick() {
    Bouton([this](const std::string& Nom) { Supprimer(Nom, true); });
}

void TF_prof::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::Profs);
}

void TF_prof::Ajouter(const std::string& Nom) {
    if (LesProfs->Existe(Nom)) {
        Messages().Erreur(Ansi("Un prof de ce nom existe déjà"));
    } else if (NomDonne(Nom, "du prof")) {
        LesProfs->AjouterProf(Nom, MatiereSaisie());
        RemplirBoiteNom(*ui->CB_nom, *LesProfs);
        Modifier(Nom);
    }
    Memoriser();
}

void TF_prof::Modifier(const std::string& Nom) {
    TProf* Prof = LesProfs->Trouver(Nom);
    if (!Prof) {
        Messages().Erreur(Ansi("Ce prof n'existe pas"));
    } else if (MatiereSaisie() != Prof->Matiere) {
        // Another subject is another teacher: the old one goes with its courses, but the
        // person's availability stays.
        const TGrilleDispo Dispos = Prof->Disponibilites();
        Supprimer(Nom, false);
        Ajouter(Nom);
        if (TProf* Nouveau = LesProfs->Trouver(Nom))
            Nouveau->FixerDisponibilites(Dispos);
    } else {
        Prof->FixerClasses(Rangees());
    }
    Memoriser();
}

void TF_prof::Supprimer(const std::string& Nom, bool ViderChamps) {
    LesProfs->Supprimer(Nom);
    if (ViderChamps)
        ViderSaisie();
    RemplirBoiteNom(*ui->CB_nom, *LesProfs, !ViderChamps);
    Memoriser();
}

void TFTable::Professeur1Click() {
    TF_prof F_prof(this);
    // Lets the form paint, but no command may start before it is modal.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    F_prof.FixerNom(ProfAffiche());
    F_prof.CB_nomClick();
    ExecuterModal(F_prof);
}
