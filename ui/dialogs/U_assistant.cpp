#include "U_assistant.h"

#include "ui/main/U_aide.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_jpeg.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_rubriques.h"
#include "ui_assistant.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>

namespace {

// The page texts. Their runs of blanks stand where the box is meant to wrap.
const QString W0 = QStringLiteral(
    u"  Vous pouvez à tout moment cliquer sur Aide si vous êtes bloqués. Vous pouvez aussi cliquer "
    u"sur Précédent pour revenir en arrière.                                Vous devez tout "
    u"d'abord créer les séries pour ce faire, cliquez sur Suivant.");
const QString W0b = QStringLiteral(
    u"  Vous pouvez à tout moment cliquer sur Aide si vous êtes bloqués. Vous pouvez aussi cliquer "
    u"sur Précédent pour revenir en arrière.                                Vous devez tout "
    u"d'abord créer les séries pour ce faire cliquer sur Suivant.");
const QString W1 =
    QStringLiteral(u"  Si vous voulez retourner à la création des séries vous pouvez cliquer sur "
                   u"Précédent.                              Vous devez maintenant créer les "
                   u"classes, pour cela veuillez cliquer sur Suivant.");
const QString W2 =
    QStringLiteral(u"  Si vous voulez retourner à la création des     classes, vous pouvez cliquer "
                   u"sur Précédent.               Vous devez maintenant créer les professeurs, "
                   u"pour cela veuillez cliquer sur Suivant.");
const QString W2b =
    QStringLiteral(u"  Si vous voulez retourner à la création des classes, vous pouvez cliquer sur "
                   u"Précédent.               Vous devez maintenant créer les professeurs, pour "
                   u"cela veuillez cliquer sur Suivant.");
const QString W3 =
    QStringLiteral(u"  Si vous voulez retourner à la création des professeurs vous pouvez cliquer "
                   u"sur Précédent.         Il suffit maintenant de cliquer sur Suivant pour qu'un "
                   u"emploi du temps soit créé automatiquement.");
const QString W3b =
    QStringLiteral(u"  Si vous voulez retourner à la création des     professeurs   vous pouvez "
                   u"cliquer sur Précédent.       Il suffit maintenant de cliquer sur Suivant pour "
                   u"qu'un emploi du temps soit crée aléatoirement.");
const QString W4 = QStringLiteral(
    u"Félicitation,                                                               vous venez de "
    u"créer un emploi du temps, cliquez sur Terminer pour quitter  l'assistant et éventuelle- "
    u"-ment modifier manuellement votre emploi du temps.");

QFont Police(const QFont& Base, bool Souligne, int Pixels) {
    QFont Resultat(Base);
    Resultat.setBold(true);
    Resultat.setUnderline(Souligne);
    if (Pixels > 0)
        Resultat.setPixelSize(Pixels);
    return Resultat;
}

} // namespace

TF_Assistant::TF_Assistant(QWidget* Proprietaire)
    : QDialog(Proprietaire, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TF_Assistant>()) {
    ui->setupUi(this);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    FixerRubrique(this, Rubrique::Assistant);
    ui->Image1->setPixmap(QPixmap::fromImage(ChargerJpeg(QStringLiteral(":/assistant.jpg"))));
    ui->ST_bienvenu->setFont(Police(font(), true, 13));
    ui->ST_bienvenu->setText(
        QStringLiteral(u"   Bienvenu dans l'assistant de création d'emplois du temps"));
    ui->ST_text->setFont(Police(font(), false, 13));
    ui->ST_text->setText(W0);
    ui->Label2->setFont(Police(font(), false, 0));
    ui->Label1->setFont(Police(font(), true, 0));
    QPalette Lien = ui->Label1->palette();
    Lien.setColor(QPalette::WindowText, Qt::blue);
    ui->Label1->setPalette(Lien);
    ui->Label1->installEventFilter(this);
    MontrerLien(false);

    // Every button is a command: refused while a step's form is open or the placement runs.
    const auto Relier = [this](QPushButton* Bouton, void (TF_Assistant::*Action)()) {
        connect(Bouton, &QPushButton::clicked, this,
                [this, Action] { FTable->Commande([this, Action] { (this->*Action)(); }, this); });
    };
    Relier(ui->B_suivant, &TF_Assistant::B_suivantClick);
    Relier(ui->B_precedent, &TF_Assistant::B_precedentClick);
    Relier(ui->B_annuler, &TF_Assistant::B_annulerClick);
    Relier(ui->B_aide, &TF_Assistant::B_aideClick);
    CentrerSurEcran(this);
}

TF_Assistant::~TF_Assistant() = default;

void TF_Assistant::MontrerLien(bool Visible) {
    ui->Label2->setVisible(Visible);
    ui->Label1->setVisible(Visible);
}

void TF_Assistant::B_suivantClick() {
    switch (Etape) {
    case 0:
        FTable->Serie1Click();
        ui->ST_text->setText(W1);
        ui->ST_bienvenu->hide();
        Etape = 1;
        ui->B_precedent->setEnabled(true);
        break;
    case 1:
        FTable->Classe1Click();
        ui->ST_text->setText(W2);
        Etape = 2;
        break;
    case 2:
        FTable->Professeur1Click();
        ui->ST_text->setText(W3);
        MontrerLien(true);
        Etape = 3;
        break;
    case 3:
        if (!Passer) {
            FTable->Options1Click();
            // The menu's command: the pass under its progress dialog, one history step, the
            // views refreshed.
            FTable->Automatique1Click();
        }
        ui->ST_text->setText(W4);
        MontrerLien(false);
        Etape = 4;
        ui->B_suivant->setText(QStringLiteral("Terminer"));
        break;
    default:
        close();
        break;
    }
}

void TF_Assistant::Label1Click() {
    Passer = true;
    Etape = 3;
    B_suivantClick();
}

void TF_Assistant::B_precedentClick() {
    switch (Etape) {
    case 4:
        ui->ST_text->setText(W3b);
        Etape = 3;
        ui->B_suivant->setText(QStringLiteral("Suivant"));
        MontrerLien(true);
        Passer = false;
        break;
    case 3:
        Etape = 2;
        ui->ST_text->setText(W2b);
        MontrerLien(false);
        break;
    case 2:
        ui->ST_text->setText(W1);
        Etape = 1;
        break;
    default:
        Etape = 0;
        ui->ST_text->setText(W0b);
        ui->ST_bienvenu->show();
        ui->B_precedent->setEnabled(false);
        break;
    }
}

void TF_Assistant::B_annulerClick() {
    close();
}

void TF_Assistant::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::Assistant);
}

bool TF_Assistant::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (Objet == ui->Label1 && Evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(Evenement)->button() == Qt::LeftButton) {
        FTable->Commande([this] { Label1Click(); }, this);
        return true;
    }
    return QDialog::eventFilter(Objet, Evenement);
}

// Escape closes as "Annuler" does.
void TF_Assistant::reject() {
    FTable->Commande([this] { B_annulerClick(); }, this);
}

void TF_Assistant::closeEvent(QCloseEvent* Evenement) {
    // Not while a step's form is open or the placement runs: they work for this wizard.
    if (FTable && FTable->Occupe(this)) {
        Evenement->ignore();
        return;
    }
    // Not QDialog's, which would reject, which closes.
    Evenement->accept();
}

void TFTable::Assistant1Click() {
    // One wizard at a time: a new one starts at step 0 in place of the one open.
    if (F_Assistant)
        F_Assistant->close();
    F_Assistant = new TF_Assistant(this);
    QCoreApplication::processEvents();
    if (F_Assistant)
        F_Assistant->show();
}
