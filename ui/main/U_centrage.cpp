#include "ui/main/U_centrage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentrerSurEcran(QWidget* Fenetre) {
    QScreen* Ecran = Fenetre->parentWidget() ? Fenetre->parentWidget()->screen() : nullptr;
    if (!Ecran)
        Ecran = QGuiApplication::primaryScreen();
    if (!Ecran)
        return;
    QRect Cadre = Fenetre->frameGeometry();
    Cadre.moveCenter(Ecran->availableGeometry().center());
    Fenetre->move(Cadre.topLeft());
}
