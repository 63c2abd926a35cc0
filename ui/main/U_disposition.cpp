#include "ui/main/U_disposition.h"

#include "model/U_bloc.h"
#include "ui_princ.h"

#include <QEvent>
#include <QResizeEvent>

TDisposition::TDisposition(Ui::TFTable& ui, QWidget& Centre, QSize Base)
    : QObject(&Centre), Base(Base) {
    const auto Jours = [&Centre](int Premier) {
        QList<QWidget*> Labels;
        for (int n = Premier; n < Premier + 6; ++n)
            Labels << Centre.findChild<QWidget*>(QStringLiteral("Label%1").arg(n));
        return Labels;
    };
    Moities = {{ui.GBTotalClasse, Jours(5) << ui.PClasseFond, ui.PClasseFond, ui.SBClasse,
                ui.Label2, ui.SGens},
               {ui.GBTotalProf, Jours(11) << ui.PProfFond, ui.PProfFond, ui.SBProf, ui.Label4,
                ui.SGcours}};
    for (const TMoitie& Moitie : Moities) {
        QList<QWidget*> Controles = Moitie.Grille;
        Controles << Moitie.Boite << Moitie.Barre << Moitie.Legende << Moitie.Resume;
        for (QWidget* Controle : Controles)
            Formes.insert(Controle, Controle->geometry());
    }
    Centre.installEventFilter(this);
}

bool TDisposition::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (Evenement->type() == QEvent::Resize)
        Disposer(static_cast<QResizeEvent*>(Evenement)->size());
    return QObject::eventFilter(Objet, Evenement);
}

void TDisposition::Disposer(QSize Taille) {
    const int Largeur = std::max(0, Taille.width() - Base.width());
    const int Hauteur = std::max(0, Taille.height() - Base.height());
    const int Grille =
        std::min(Hauteur, TGrilleVue::Hauteur - Formes.value(Moities.front().Fond).height());
    Disposer(Moities[0], 0, Largeur / 2, Grille, Hauteur - Grille);
    Disposer(Moities[1], Largeur / 2, Largeur - Largeur / 2, Grille, Hauteur - Grille);
}

void TDisposition::Disposer(const TMoitie& Moitie, int Decalage, int Largeur, int HauteurGrille,
                            int HauteurResume) {
    Placer(Moitie.Boite, Decalage, 0, Largeur, HauteurGrille + HauteurResume);
    for (QWidget* Controle : Moitie.Grille)
        Placer(Controle, Largeur / 2, 0, 0, Controle == Moitie.Fond ? HauteurGrille : 0);
    Placer(Moitie.Barre, 0, 0, 0, HauteurGrille);
    Placer(Moitie.Legende, 0, HauteurGrille, 0, 0);
    Placer(Moitie.Resume, 0, HauteurGrille, Largeur, HauteurResume);
    // The grid scrolls by what its window does not show.
    Moitie.Barre->setMaximum(TGrilleVue::Hauteur - Moitie.Fond->height());
}

void TDisposition::Placer(QWidget* Controle, int dx, int dy, int dl, int dh) {
    Controle->setGeometry(Formes.value(Controle).adjusted(dx, dy, dx + dl, dy + dh));
}
