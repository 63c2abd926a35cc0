#pragma once
// Leads a new user through the series, the classes, the teachers and the automatic
// placement, one step of the main window's commands at a time.
#include <QDialog>

#include <memory>

namespace Ui {
class TF_Assistant;
}

class TF_Assistant : public QDialog {
    Q_OBJECT
public:
    // Modeless, above its owner; destroyed when closed.
    explicit TF_Assistant(QWidget* Proprietaire);
    ~TF_Assistant() override;

public slots:
    void B_suivantClick();
    void B_precedentClick();
    void B_annulerClick();
    void B_aideClick();
    // The "ici" link: straight to the last page, without options and placement.
    void Label1Click();

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;
    void closeEvent(QCloseEvent* Evenement) override;
    void reject() override;

private:
    void MontrerLien(bool Visible);

    std::unique_ptr<Ui::TF_Assistant> ui;
    int Etape = 0;
    bool Passer = false; // set by the link: no placement at step 3
};
