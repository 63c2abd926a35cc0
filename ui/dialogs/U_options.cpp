#include "U_options.h"

#include "model/U_base.h"
#include "model/U_types.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_formesaisie.h"
#include "ui/dialogs/U_modifduree.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"
#include "ui_options.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

QString TexteQt(TQuart Quart) {
    return VersQt(TexteHeure(Quart));
}

TQuart Heure(const QLineEdit& Champ) {
    return HeureTexte(VersAnsi(Champ.text()));
}

} // namespace

TF_options::TF_options(QWidget* Proprietaire)
    : QDialog(Proprietaire, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::TF_options>()) {
    ui->setupUi(this);
    setFixedSize(size());
    FixerRubrique(this, Rubrique::Options);
    for (QLineEdit* Champ : {ui->E_debut, ui->E_fin, ui->E_PauseDebut, ui->E_PauseFin, ui->E_max})
        Champ->installEventFilter(this);
    connect(ui->CB_annule, &QCheckBox::toggled, this, &TF_options::CB_annuleClick);
    connect(ui->UpDown1, &QSpinBox::valueChanged, this, &TF_options::UpDown1Click);
    connect(ui->B_OK, &QPushButton::clicked, this,
            [this] { FTable->Commande([this] { B_OKClick(); }, this); });
    connect(ui->B_aide, &QPushButton::clicked, this, &TF_options::B_aideClick);
    FormCreate();
    CentrerSurEcran(this);
}

TF_options::~TF_options() = default;

void TF_options::FormCreate() {
    ui->E_max->setText(TexteQt(Automate->DureeMax));
    MaxPrecedent = ui->E_max->text();
    ui->E_debut->setText(TexteQt(Automate->DebutJournee));
    ui->E_fin->setText(TexteQt(Automate->FinJournee));
    ui->E_PauseDebut->setText(TexteQt(Automate->DebutPause));
    ui->E_PauseFin->setText(TexteQt(Automate->FinPause));
    ui->UpDown1->setValue(Sauveur->NiveauxMax);
    // A count outside 1..99 (from the settings file) shows where the control stopped.
    ui->E_niveau_annule->setText(QString::number(ui->UpDown1->value()));
    ui->CB_annule->setChecked(Sauveur->Actif);
    CB_annuleClick();
}

void TF_options::CB_annuleClick() {
    const bool Actif = ui->CB_annule->isChecked();
    ui->UpDown1->setEnabled(Actif);
    ui->Label1->setEnabled(Actif);
}

void TF_options::UpDown1Click() {
    ui->E_niveau_annule->setText(QString::number(ui->UpDown1->value()));
}

bool TF_options::eventFilter(QObject* Objet, QEvent* Evenement) {
    // A click opens the duration dialog, as the times are never typed (but E_max may be).
    if (Evenement->type() == QEvent::MouseButtonRelease) {
        const auto* Souris = static_cast<QMouseEvent*>(Evenement);
        auto* Champ = qobject_cast<QLineEdit*>(Objet);
        if (Champ && Souris->button() == Qt::LeftButton &&
            Champ->rect().contains(Souris->position().toPoint()))
            FTable->Commande(
                [this, Champ] {
                    if (Champ == ui->E_max)
                        E_maxClick();
                    else
                        EditClick(Champ);
                },
                this);
    }
    return QDialog::eventFilter(Objet, Evenement);
}

void TF_options::EditClick(QLineEdit* Sender) {
    ChoisirHeure(*Sender, true);
}

void TF_options::E_maxClick() {
    ChoisirHeure(*ui->E_max, false);
}

void TF_options::ChoisirHeure(QLineEdit& Champ, bool HeureDuJour) {
    TFmodifduree Fmodifduree(this, FTable->DureeChoisie);
    if (HeureDuJour) {
        Fmodifduree.FixerTitre(QStringLiteral("Nouvelle Heure"));
        Fmodifduree.FixerTitreGroupe(QStringLiteral("Heure"));
        Fmodifduree.FixerBornes(QuartDebutGrille, QuartFinGrille);
    }
    Fmodifduree.FixerDuree(Heure(Champ));
    if (FTable->ExecuterModal(Fmodifduree) == QDialog::Accepted) {
        Champ.setText(TexteQt(static_cast<TQuart>(FTable->DureeChoisie)));
        if (&Champ == ui->E_max)
            MaxPrecedent = Champ.text();
    }
}

void TF_options::B_OKClick() {
    TQuart DureeMax = 0; // the one time typed: refused unless it reads back as typed
    if (!HeureExacte(VersAnsi(ui->E_max->text()), DureeMax)) {
        RefuserHeure(ui->E_max->text());
        ui->E_max->setText(MaxPrecedent);
        return;
    }
    const TQuart DebutJournee = Heure(*ui->E_debut);
    const TQuart FinJournee = Heure(*ui->E_fin);
    const TQuart DebutPause = Heure(*ui->E_PauseDebut);
    const TQuart FinPause = Heure(*ui->E_PauseFin);
    // The placement settings are saved in the timetable file: changing them is a change
    // to save. And a history that restarts empty must not make unsaved work look saved.
    const bool Modifie = Sauveur->Modifie || DureeMax != Automate->DureeMax ||
                         DebutJournee != Automate->DebutJournee ||
                         FinJournee != Automate->FinJournee || DebutPause != Automate->DebutPause ||
                         FinPause != Automate->FinPause;

    const TAutomate Avant = *Automate;
    Automate->DureeMax = DureeMax;
    Automate->DebutJournee = DebutJournee;
    Automate->FinJournee = FinJournee;
    Automate->DebutPause = DebutPause;
    Automate->FinPause = FinPause;
    // The undo history restarts from the state in force (settings included), recorded before
    // the old history goes: a crash then loses no more than before. A failure keeps it all.
    auto Nouveau = std::make_unique<TSauveur>();
    Nouveau->NiveauxMax = static_cast<std::int8_t>(ui->UpDown1->value());
    Nouveau->Actif = ui->CB_annule->isChecked();
    Nouveau->Modifie = Modifie;
    Nouveau->NoterFichier(FTable->NomFichierEnregistrement);
    try {
        Nouveau->Fonder();
    } catch (const EErreurFichier&) {
        *Automate = Avant;
        throw;
    }
    DetruireGlobal(Sauveur);
    Sauveur = Nouveau.release();
    FTable->ActualiserCommandes();
    accept();
}

void TF_options::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::Options);
}

void TFTable::Options1Click() {
    TF_options F_options(this);
    QCoreApplication::processEvents();
    ExecuterModal(F_options);
}
