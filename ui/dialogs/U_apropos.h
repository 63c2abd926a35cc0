#pragma once
// The title picture shown at start-up and by the about command.
#include <QDialog>

#include <memory>

namespace Ui {
class TF_apropos;
}

class TF_apropos : public QDialog {
    Q_OBJECT
public:
    explicit TF_apropos(QWidget* Proprietaire);
    ~TF_apropos() override;

public slots:
    // Bound to the window, the picture and "Fermer": hides the box, which stays owned.
    void FormClick();
    void BInfosClick();

protected:
    void mousePressEvent(QMouseEvent* Evenement) override;
    void paintEvent(QPaintEvent* Evenement) override;
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    std::unique_ptr<Ui::TF_apropos> ui;
};

// Creates a new box owned by the window, lets pending events run, shows it without
// waiting and returns it. Each call makes a new box.
TF_apropos* OuvrirAPropos(QWidget* Proprietaire);
