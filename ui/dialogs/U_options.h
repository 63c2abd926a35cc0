#pragma once
// The automatic placement's day bounds and longest run, and the undo settings.
#include <QDialog>

#include <memory>

namespace Ui {
class TF_options;
}

class QLineEdit;

class TF_options : public QDialog {
    Q_OBJECT
public:
    explicit TF_options(QWidget* Proprietaire);
    ~TF_options() override;

public slots:
    void CB_annuleClick();
    void UpDown1Click();
    // The four times of day; Sender is the field clicked.
    void EditClick(QLineEdit* Sender);
    void E_maxClick();
    // Applies everything, then closes with the OK result.
    void B_OKClick();
    void B_aideClick();

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    void FormCreate();
    // The duration dialog on the field's time; on OK the field shows the time chosen.
    void ChoisirHeure(QLineEdit& Champ, bool HeureDuJour);

    std::unique_ptr<Ui::TF_options> ui;
    QString MaxPrecedent; // what E_max showed before it was typed into
};
