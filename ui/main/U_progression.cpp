#include "ui/main/U_progression.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

TFProgression::TFProgression(QWidget* Proprietaire, const QString& Texte, bool AvecArret)
    : QProgressDialog(Texte, QString(), 0, 0, Proprietaire,
                      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Progression"));
    setWindowTitle(QStringLiteral("Horalo"));
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    if (AvecArret) {
        auto* Bouton = new QPushButton(QStringLiteral("Arrêter"), this);
        Bouton->setObjectName(QStringLiteral("B_arreter"));
        setCancelButton(Bouton);
        // The button does not close the dialog: the work stops at its next look.
        disconnect(Bouton, &QPushButton::clicked, this, nullptr);
        connect(Bouton, &QPushButton::clicked, this, [this] { Arret = true; });
    }
}

void TFProgression::closeEvent(QCloseEvent* Evenement) {
    Evenement->ignore();
}

void TFProgression::keyPressEvent(QKeyEvent* Evenement) {
    if (Evenement->key() == Qt::Key_Escape)
        return;
    QProgressDialog::keyPressEvent(Evenement);
}
