#pragma once
// The classes: created with their series, given another series, deleted.
#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class TF_classe;
}

class TF_classe : public QDialog {
    Q_OBJECT
public:
    explicit TF_classe(QWidget* Proprietaire);
    ~TF_classe() override;

    // What the caller shows first: the name box takes that name; CB_nomClick loads it.
    void FixerNom(const std::string& Nom);

    void CB_nomClick();
    void CB_nomKeyPress();
    void B_AjouterClick();
    void B_ModifierClick();
    void B_SupprimerClick();
    void B_aideClick();
    void B_finClick();

private:
    void FormCreate();

    std::unique_ptr<Ui::TF_classe> ui;
};
