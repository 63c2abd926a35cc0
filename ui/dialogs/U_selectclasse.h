#pragma once
// Picks one class among those whose series teaches a subject.
#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class TFselectclasse;
}

class TFselectclasse : public QDialog {
    Q_OBJECT
public:
    explicit TFselectclasse(QWidget* Proprietaire);
    ~TFselectclasse() override;

    // Offers the classes whose series teaches Matiere, in the order of LesClasses, on
    // NomClasse when it is one of them, else on the first.
    void Preparer(const std::string& NomClasse, const std::string& Matiere);

    // The class selected; empty when none is.
    std::string ClasseChoisie;

public slots:
    void CBclasseClick();
    void B_aideClick();

private:
    std::unique_ptr<Ui::TFselectclasse> ui;
};
