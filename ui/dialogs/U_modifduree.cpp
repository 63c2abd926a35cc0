#include "U_modifduree.h"

#include "ui/main/U_aide.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"
#include "ui_modifduree.h"

#include "model/U_types.h"

#include <QSignalBlocker>

TFmodifduree::TFmodifduree(QWidget* Proprietaire, std::int32_t& DureeChoisie)
    : QDialog(Proprietaire, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFmodifduree>()), DureeChoisie(DureeChoisie) {
    ui->setupUi(this);
    setFixedSize(size());
    FixerRubrique(this, Rubrique::Duree);
    // The box is disabled so that only the arrows change the value, yet it is the value
    // the user is choosing: keep its text as dark as an enabled one.
    QPalette Palette = ui->E_qheure->palette();
    Palette.setColor(QPalette::Disabled, QPalette::Text,
                     Palette.color(QPalette::Active, QPalette::Text));
    ui->E_qheure->setPalette(Palette);
    connect(ui->UpDown1, &QSpinBox::valueChanged, this, &TFmodifduree::UpDown1Click);
    connect(ui->B_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->B_aide, &QPushButton::clicked, this, &TFmodifduree::B_aideClick);
    CentrerSurEcran(this);
}

TFmodifduree::~TFmodifduree() = default;

void TFmodifduree::FixerTitreGroupe(const QString& Titre) {
    ui->GroupBox1->setTitle(Titre);
}

void TFmodifduree::FixerBornes(int Min, int Max) {
    // A range change may move the position; that is not a step of the user's.
    const QSignalBlocker Bloque(ui->UpDown1);
    ui->UpDown1->setRange(Min, Max);
}

void TFmodifduree::FixerDuree(std::uint16_t Duree) {
    ui->E_qheure->setText(VersQt(TexteHeure(static_cast<TQuart>(Duree & 0xFF))));
    DureeChoisie = Duree;
    const QSignalBlocker Bloque(ui->UpDown1);
    ui->UpDown1->setValue(Duree);
}

void TFmodifduree::UpDown1Click() {
    const int Position = ui->UpDown1->value();
    ui->E_qheure->setText(VersQt(TexteHeure(static_cast<TQuart>(Position))));
    DureeChoisie = Position;
}

void TFmodifduree::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::Duree);
}
