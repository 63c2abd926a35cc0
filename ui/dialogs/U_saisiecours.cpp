#include "U_saisiecours.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_formesaisie.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"
#include "ui_saisiecours.h"

TF_cours::TF_cours(QWidget* Proprietaire)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TF_cours>()) {
    ui->setupUi(this);
    PreparerFormeSaisie(*this, Rubrique::PlacementCours);
    // The boxes are disabled so that only the arrows change the times, yet they are the
    // values being chosen: their text stays as dark as an enabled one's.
    for (QLineEdit* Boite : {ui->E_debut, ui->E_duree}) {
        QPalette Palette = Boite->palette();
        Palette.setColor(QPalette::Disabled, QPalette::Text,
                         Palette.color(QPalette::Active, QPalette::Text));
        Boite->setPalette(Palette);
    }
    connect(ui->CBProf, &QComboBox::activated, this, &TF_cours::CBProfClick);
    connect(ui->CBClasse, &QComboBox::activated, this, &TF_cours::CBClasseClick);
    connect(ui->UPDDebut, &QSpinBox::valueChanged, this, &TF_cours::UPDDebutClick);
    connect(ui->UPDDuree, &QSpinBox::valueChanged, this, &TF_cours::UPDDureeClick);
    connect(ui->B_placer, &QPushButton::clicked, this, &TF_cours::B_placerClick);
    connect(ui->B_aide, &QPushButton::clicked, this, &TF_cours::B_aideClick);
    connect(ui->B_fin, &QPushButton::clicked, this, &QDialog::reject);

    if (LesProfs)
        RemplirListe(*ui->CBProf, *LesProfs);
    SelectionnerNom(*ui->CBProf, FTable ? FTable->ProfAffiche() : std::string());
    CBProfClick();
    if (LesClasses)
        RemplirListe(*ui->CBClasse, *LesClasses);
    SelectionnerNom(*ui->CBClasse, FTable ? FTable->ClasseAffichee() : std::string());
    CBClasseClick();
    for (TJour d = 0; d < NombreJours; ++d)
        ui->CBCours->addItem(VersQt(NomJour(d)));
    ui->CBCours->setCurrentIndex(0);
}

TF_cours::~TF_cours() = default;

void TF_cours::CBProfClick() {
    if (const TProf* Prof = LesProfs ? LesProfs->Trouver(TexteListe(*ui->CBProf)) : nullptr) {
        Matiere = Prof->Matiere;
        ui->E_matiere->setText(VersQt(Matiere));
    }
}

void TF_cours::CBClasseClick() {
    const TClasse* Classe = LesClasses ? LesClasses->Trouver(TexteListe(*ui->CBClasse)) : nullptr;
    if (Classe && Classe->Serie)
        ui->E_serie->setText(VersQt(Classe->Serie->Nom));
}

void TF_cours::UPDDebutClick() {
    ui->E_debut->setText(VersQt(TexteHeure(static_cast<TQuart>(ui->UPDDebut->value()))));
}

void TF_cours::UPDDureeClick() {
    ui->E_duree->setText(VersQt(TexteHeure(static_cast<TQuart>(ui->UPDDuree->value()))));
}

void TF_cours::B_placerClick() {
    FTable->Commande([this] { Placer(); }, this);
}

void TF_cours::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::PlacementCours);
}

void TF_cours::Placer() {
    TClasse* Classe = LesClasses->Trouver(TexteListe(*ui->CBClasse));
    TProf* Prof = LesProfs->Trouver(TexteListe(*ui->CBProf));
    if (!Classe || !Classe->Serie || Classe->Serie->VolumeDe(Matiere) == 0 || !Prof ||
        Classe->ProfDe(Matiere) != Prof->Nom || Prof->RafraichirVolume(Classe->Nom) == 0) {
        Messages().Message(Ansi("Ce professeur et cette classe n'ont pas de cours ensemble"));
        return;
    }
    const TJour Jour = NumeroJour(VersAnsi(ui->CBCours->currentText()));
    const int Debut = HeureTexte(VersAnsi(ui->E_debut->text()));
    const int Fin = Debut + HeureTexte(VersAnsi(ui->E_duree->text())) - 1;
    // A run past 19h45 would leave the grid: refused like any run that is not free.
    if (TActeur::PlageDansGrille(Jour, Debut, Fin)) {
        const auto d = static_cast<TQuart>(Debut);
        const auto f = static_cast<TQuart>(Fin);
        for (const auto& [Acteur, Qui] :
             {std::pair<const TActeur*, std::string>(Classe, Ansi("la classe ") + Classe->Nom),
              std::pair<const TActeur*, std::string>(Prof, Ansi("le professeur ") + Prof->Nom)})
            if (Acteur->CouvreInterdit(Jour, d, f)) {
                Messages().Message(Ansi("Cette plage horaire est interdite pour ") + Qui);
                return;
            }
    }
    if (!TActeur::PlageDansGrille(Jour, Debut, Fin) ||
        !Classe->PlageLibre(Matiere, Jour, static_cast<TQuart>(Debut), static_cast<TQuart>(Fin)) ||
        !Prof->PlageLibre(Classe->Nom, Jour, static_cast<TQuart>(Debut),
                          static_cast<TQuart>(Fin))) {
        Messages().Message(
            Ansi("Cette plage horaire n'est pas disponible pour affecter cet cours"));
        return;
    }
    Classe->PlacerPlage(Jour, static_cast<TQuart>(Debut), static_cast<TQuart>(Fin), Matiere);
    Prof->PlacerPlage(Jour, static_cast<TQuart>(Debut), static_cast<TQuart>(Fin), Classe->Nom);
    Sauveur->Memoriser();
}

void TFTable::Plagehoraire1Click() {
    TF_cours F_cours(this);
    // Lets the form paint, but no command may start before it is modal.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ExecuterModal(F_cours);
}
