#include "U_importation.h"

#include "model/U_messages.h"
#include "model/U_types.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_texteqt.h"
#include "ui_publication.h"
#include "ui_rapportimport.h"
#include "ui_reglagesfet.h"

#include <QPushButton>

TFreglagesfet::TFreglagesfet(QWidget* Proprietaire)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TFreglagesfet>()) {
    ui->setupUi(this);
    for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
        ui->CB_debut->addItem(VersQt(TexteHeure(static_cast<TQuart>(q))), q);
    ui->CB_debut->setCurrentIndex(0);
    connect(ui->Boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->Boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    CentrerSurEcran(this);
}

TFreglagesfet::~TFreglagesfet() = default;

TReglagesFet TFreglagesfet::Reglages() const {
    return {ui->SE_periode->value() / 15 * 15,
            static_cast<TQuart>(ui->CB_debut->currentData().toInt())};
}

TFrapportimport::TFrapportimport(QWidget* Proprietaire, const std::string& Bilan,
                                 const std::vector<std::string>& Cas)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TFrapportimport>()) {
    ui->setupUi(this);
    ui->L_bilan->setText(QString::fromStdString(Bilan));
    QStringList Lignes;
    for (const std::string& c : Cas)
        Lignes << QString::fromStdString(c);
    ui->M_rapport->setPlainText(Lignes.isEmpty() ? QStringLiteral("Rien à signaler.")
                                                 : Lignes.join(QLatin1Char('\n')));
    connect(ui->Boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    CentrerSurEcran(this);
}

TFrapportimport::~TFrapportimport() = default;

TFpublication::TFpublication(QWidget* Proprietaire)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TFpublication>()) {
    ui->setupUi(this);
    const TPeriode Annee = AnneeScolaire(QDate::currentDate());
    ui->DE_du->setDate(Annee.Du);
    ui->DE_au->setDate(Annee.Au);
    connect(ui->Boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->Boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    CentrerSurEcran(this);
}

TFpublication::~TFpublication() = default;

TPeriode TFpublication::Periode() const {
    return {ui->DE_du->date(), ui->DE_au->date()};
}

void TFpublication::accept() {
    if (ui->DE_du->date() > ui->DE_au->date()) {
        Messages().Erreur(VersAnsi(QStringLiteral("La période finit avant de commencer.")));
        return;
    }
    QDialog::accept();
}
