#pragma once
// The modal progress dialog of long work. Neither Escape nor its close box ends it: the
// work it covers must end first. Only its "Arrêter" button, when it has one, asks the
// work to stop.
#include <QProgressDialog>

class TFProgression final : public QProgressDialog {
    Q_OBJECT
public:
    // Without AvecArret the dialog has no button at all.
    TFProgression(QWidget* Proprietaire, const QString& Texte, bool AvecArret);
    bool ArretDemande() const { return Arret; }

public slots:
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* Evenement) override;
    void keyPressEvent(QKeyEvent* Evenement) override;

private:
    bool Arret = false;
};
