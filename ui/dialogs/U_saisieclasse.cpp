#include "U_saisieclasse.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_formesaisie.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_princ.h"
#include "ui_saisieclasse.h"

#include <QCoreApplication>

TF_classe::TF_classe(QWidget* Proprietaire)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TF_classe>()) {
    ui->setupUi(this);
    PreparerFormeSaisie(*this, Rubrique::Classes);
    PreparerBoiteNom(*ui->CB_nom, [this] { CB_nomKeyPress(); });
    connect(ui->CB_nom, &QComboBox::activated, this, &TF_classe::CB_nomClick);
    connect(ui->B_Ajouter, &QPushButton::clicked, this, &TF_classe::B_AjouterClick);
    connect(ui->B_Modifier, &QPushButton::clicked, this, &TF_classe::B_ModifierClick);
    connect(ui->B_Supprimer, &QPushButton::clicked, this, &TF_classe::B_SupprimerClick);
    connect(ui->B_aide, &QPushButton::clicked, this, &TF_classe::B_aideClick);
    connect(ui->B_fin, &QPushButton::clicked, this, &TF_classe::B_finClick);
    FormCreate();
}

TF_classe::~TF_classe() = default;

void TF_classe::FormCreate() {
    RemplirBoiteNom(*ui->CB_nom, *LesClasses);
    RemplirListe(*ui->CB_serie, *LesSeries);
    ui->CB_nom->setCurrentIndex(ui->CB_nom->count() > 0 ? 0 : -1);
    CB_nomClick();
}

void TF_classe::FixerNom(const std::string& Nom) {
    AfficherNom(*ui->CB_nom, Nom);
}

void TF_classe::CB_nomClick() {
    if (const TClasse* Classe = LesClasses->Trouver(NomSaisi(*ui->CB_nom)))
        SelectionnerNom(*ui->CB_serie, Classe->Serie->Nom);
    else
        ui->CB_serie->setCurrentIndex(-1);
}

void TF_classe::CB_nomKeyPress() {
    ui->CB_serie->setCurrentIndex(-1);
}

void TF_classe::B_AjouterClick() {
    FTable->Commande(
        [this] {
            const std::string Nom = NomSaisi(*ui->CB_nom);
            if (!NomDonne(Nom, "de la classe"))
                return;
            if (LesClasses->Existe(Nom)) {
                Messages().Erreur(Ansi("Une classe de ce nom existe déjà"));
                return;
            }
            if (ui->CB_serie->currentIndex() < 0) {
                Messages().Message(Ansi("Veuillez indiquer la série de cette classe"));
                return;
            }
            if (!LesClasses->AjouterClasse(Nom, TexteListe(*ui->CB_serie)))
                return;
            RemplirBoiteNom(*ui->CB_nom, *LesClasses);
            Sauveur->Memoriser();
        },
        this);
}

// A class cannot change its series in place: it is deleted, with its courses, and created
// again under the same name.
void TF_classe::B_ModifierClick() {
    FTable->Commande(
        [this] {
            const std::string Nom = NomSaisi(*ui->CB_nom);
            const TClasse* Classe = LesClasses->Trouver(Nom);
            if (!Classe) {
                Messages().Erreur(Ansi("La classe n'existe pas"));
                return;
            }
            const std::string Serie = TexteListe(*ui->CB_serie);
            if (ui->CB_serie->currentIndex() < 0 || Classe->Serie->Nom == Serie)
                return;
            const TGrilleDispo Dispos = Classe->Disponibilites(); // the pupils' week stays
            LesClasses->Supprimer(Nom);
            if (TClasse* Nouvelle = LesClasses->AjouterClasse(Nom, Serie))
                Nouvelle->FixerDisponibilites(Dispos);
            Sauveur->Memoriser();
        },
        this);
}

void TF_classe::B_SupprimerClick() {
    FTable->Commande(
        [this] {
            const std::string Nom = NomSaisi(*ui->CB_nom);
            const bool Existait = LesClasses->Existe(Nom);
            LesClasses->Supprimer(Nom);
            RemplirBoiteNom(*ui->CB_nom, *LesClasses, false);
            if (Existait)
                Sauveur->Memoriser();
        },
        this);
}

void TF_classe::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::Classes);
}

void TF_classe::B_finClick() {
    reject();
}

void TFTable::Classe1Click() {
    TF_classe F_classe(this);
    QCoreApplication::processEvents();
    F_classe.FixerNom(ClasseAffichee());
    F_classe.CB_nomClick();
    ExecuterModal(F_classe);
}
