#pragma once
// Places one course by its teacher, class, day, start and duration.
#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class TF_cours;
}

class TF_cours : public QDialog {
    Q_OBJECT
public:
    // Starts from the teacher and the class the main window shows.
    explicit TF_cours(QWidget* Proprietaire);
    ~TF_cours() override;

public slots:
    void CBProfClick();
    void CBClasseClick();
    void UPDDebutClick();
    void UPDDureeClick();
    void B_placerClick();
    void B_aideClick();

private:
    void Placer();

    std::unique_ptr<Ui::TF_cours> ui;
    std::string Matiere; // the subject E_matiere shows, byte for byte
};
