#pragma once
// Picks a number of quarter-hours with an up/down control, shown as HHhMM.
#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class TFmodifduree;
}

class TFmodifduree : public QDialog {
    Q_OBJECT
public:
    // The chosen value is written into the caller's DureeChoisie as the user steps; the
    // caller reads it only when the dialog ends accepted.
    TFmodifduree(QWidget* Proprietaire, std::int32_t& DureeChoisie);
    ~TFmodifduree() override;

    // Callers that choose times of day rather than lengths change these before FixerDuree.
    void FixerTitre(const QString& Titre) { setWindowTitle(Titre); }
    void FixerTitreGroupe(const QString& Titre);
    void FixerBornes(int Min, int Max);

    void FixerDuree(std::uint16_t Duree);

public slots:
    void UpDown1Click();
    void B_aideClick();

private:
    std::unique_ptr<Ui::TFmodifduree> ui;
    std::int32_t& DureeChoisie;
};
