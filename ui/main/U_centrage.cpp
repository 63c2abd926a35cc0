#include "ui/main/U_centrage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void CentrerSurEcran(QWidget* Fenetre) {
    QScreen* Ecran = Fenetre->parentWidget() ? Fenetre->parentWidget()->screen() : nullptr;
    if (!Ecran)
        Ecran = QGuiApplication::primaryScreen();
    if (!Ecran)
        return;
    const QRect Libre = Ecran->availableGeometry();
    QRect Cadre = Fenetre->frameGeometry();
    Cadre.moveCenter(Libre.center());
    // Wider or taller than the screen, it keeps its caption and menus in view.
    Fenetre->move(std::max(Cadre.left(), Libre.left()), std::max(Cadre.top(), Libre.top()));
}
