#include "ui/main/U_glisser.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"
#include "ui/main/U_application.h"
#include "ui/main/U_blocvue.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_princ.h"
#include "ui_princ.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

#include <cstdlib>

TGlisseur::~TGlisseur() {
    Arreter();
}

void TGlisseur::Commencer(QPoint Origine_) {
    Origine = Origine_;
    Etat = TEtat::EnAttente;
    if (!Capteur)
        return;
    Capteur->installEventFilter(this);
    // A pick-up from a menu has no button down: moves come only to a tracking widget.
    SuiviAvant = Capteur->hasMouseTracking();
    Capteur->setMouseTracking(true);
    Capteur->grabMouse();
}

void TGlisseur::Bouger(QPoint PositionGlobale) {
    if (Etat == TEtat::EnAttente) {
        const QPoint Ecart = PositionGlobale - Origine;
        if (std::abs(Ecart.x()) < Seuil && std::abs(Ecart.y()) < Seuil)
            return;
        Etat = TEtat::EnCours;
    }
    if (Etat == TEtat::EnCours)
        Table.GlisserSur(PositionGlobale);
}

void TGlisseur::Relacher() {
    if (!Actif())
        return;
    Arreter();
    const TDestructionsDifferees Differer;
    Table.MemoEndDrag();
}

void TGlisseur::Arreter() {
    if (Etat != TEtat::Inactif && Capteur) {
        Capteur->releaseMouse();
        Capteur->setMouseTracking(SuiviAvant);
        Capteur->removeEventFilter(this);
    }
    Etat = TEtat::Inactif;
}

bool TGlisseur::eventFilter(QObject* Objet, QEvent* Evenement) {
    switch (Evenement->type()) {
    case QEvent::MouseMove:
        Bouger(static_cast<QMouseEvent*>(Evenement)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true; // the click that drops a block picked up from the menu starts nothing
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(Evenement)->button() == Qt::LeftButton)
            Relacher();
        return true;
    default:
        return QObject::eventFilter(Objet, Evenement);
    }
}

// ---- The window's side of the drag.

void TFTable::MemoClasseMouseDown(TBlocVue& Bloc, Qt::MouseButton Bouton,
                                  Qt::KeyboardModifiers Etat, QPoint PositionGlobale) {
    if (Bouton == Qt::LeftButton)
        ExecuterProtege(
            [&] { PrendreBloc(Bloc, Etat.testFlag(Qt::ControlModifier), PositionGlobale); });
}

void TFTable::MemoProfMouseDown(TBlocVue& Bloc, Qt::MouseButton Bouton, Qt::KeyboardModifiers Etat,
                                QPoint PositionGlobale) {
    MemoClasseMouseDown(Bloc, Bouton, Etat, PositionGlobale); // the block tells its view
}

bool TFTable::SelectionnerPartenaire(const TBloc& Bloc) {
    const TJour d = JourDeGauche(Bloc.Gauche());
    const TQuart s = QuartDeHaut(Bloc.Haut());
    if (Bloc.DeClasse()) {
        const TClasse* Classe = ClasseDe(*ui->CBclasse);
        if (!Classe) {
            Messages().Message(Ansi("Erreur : cette classe ne peut pas être retrouvée"));
            return false;
        }
        const std::string Prof = Classe->ProfDe(Classe->LireCase(d, s));
        if (!LesProfs || !LesProfs->Existe(Prof)) {
            Messages().Message(Ansi("Erreur : le Prof associé ne peut pas être retrouvé"));
            return false;
        }
        SelectionnerNom(*ui->CBprof, Prof);
        CBprofChange();
    } else {
        const TProf* Prof = ProfDe(*ui->CBprof);
        if (!Prof) {
            Messages().Message(Ansi("Erreur : ce Prof ne peut pas être retrouvé"));
            return false;
        }
        const std::string Classe = Prof->LireCase(d, s);
        if (!LesClasses || !LesClasses->Existe(Classe)) {
            Messages().Message(Ansi("Erreur : la Classe associée ne peut pas être retrouvée"));
            return false;
        }
        SelectionnerNom(*ui->CBclasse, Classe);
        CBclasseChange();
    }
    return true;
}

void TFTable::PrendreBloc(TBlocVue& Vue, bool Copie, QPoint Origine) {
    TBloc* Bloc = Vue.Bloc();
    if (!Bloc || Glisseur->Actif() || !SelectionnerPartenaire(*Bloc))
        return;
    TClasse* Classe = ClasseDe(*ui->CBclasse);
    TProf* Prof = ProfDe(*ui->CBprof);
    if (!Classe || !Prof)
        return;
    const TJour d = JourDeGauche(Bloc->Gauche());
    const TQuart s = QuartDeHaut(Bloc->Haut());
    TActeur& Proprietaire = Bloc->DeClasse() ? static_cast<TActeur&>(*Classe) : *Prof;
    TActeur& Partenaire = Bloc->DeClasse() ? static_cast<TActeur&>(*Prof) : *Classe;
    TBloc* Jumeau = Partenaire.BlocDe(d, s);
    // Both grids must hold this very course; a damaged timetable may not, and then
    // nothing is taken rather than the other grid's unrelated run.
    if (Proprietaire.BlocDe(d, s) != Bloc || !Jumeau)
        return;
    JourPris = d;
    DebutPris = s;
    DureePrise = static_cast<std::uint8_t>(Bloc->Hauteur() / (TGrilleVue::HauteurLigne + 1));
    Bloc->Renommer(Bloc->Identifiant() + "x");
    Jumeau->Renommer(Jumeau->Identifiant() + "x");
    Classe->EffacerPlage(d, s, false);
    Prof->EffacerPlage(d, s, false);
    BlocPris.reset(Bloc);
    BlocJumeau.reset(Jumeau);
    if (Copie) {
        Classe->PlacerPlage(d, s, static_cast<TQuart>(s + DureePrise), Prof->Matiere);
        Prof->PlacerPlage(d, s, static_cast<TQuart>(s + DureePrise), Classe->Nom);
        BlocJumeau->Tag = -2;
    } else {
        BlocJumeau->Tag = 1;
    }
    BlocPris->Tag = 0;
    Glisseur->Commencer(Origine);
}

void TFTable::GlisserSur(QPoint PositionGlobale) {
    QWidget* Dessous = childAt(mapFromGlobal(PositionGlobale));
    if (auto* Vue = qobject_cast<TBlocVue*>(Dessous)) {
        // Other blocks take no drop: over them nothing happens.
        if (BlocPris && Vue->Bloc() == BlocPris.get())
            ImageMemoDragOver(*BlocPris, Vue->mapFromGlobal(PositionGlobale).y());
        return;
    }
    for (QTableWidget* Grille : {ui->SGclasse, ui->SGProf})
        if (Dessous == Grille->viewport()) {
            const QPoint Point = Grille->viewport()->mapFromGlobal(PositionGlobale);
            FormDragOver(*Grille, Point.x(), Point.y(), PositionGlobale);
            return;
        }
}

bool TFTable::FormDragOver(QTableWidget& Grille, int x, int y, QPoint PositionGlobale) {
    if (!BlocPris || !BlocJumeau) {
        if (BlocJumeau)
            BlocJumeau->Tag = -1;
        return false;
    }
    constexpr int w = TGrilleVue::LargeurColonne;
    if (!((x / w) * (w + 1) + 2 > w + 1 && x < Grille.width() - 2))
        return true; // over the times: nothing moves
    if (BlocJumeau->Tag > 0)
        BlocJumeau->Tag = -1;

    // Near an edge both views scroll; the pointer moves with the grid so that it keeps
    // pointing at nearly the same row.
    constexpr int Marge = 50;
    constexpr int Pas = 50;
    constexpr int Decalage = 49;
    QScrollBar& Barre = *ui->SBClasse;
    const int P = Barre.value();
    if (y > P + 250 && P < Barre.maximum()) {
        QCursor::setPos(PositionGlobale - QPoint(0, Decalage));
        Barre.setValue(P + Pas);
    } else if (y < P + Marge && P > Barre.minimum()) {
        QCursor::setPos(PositionGlobale + QPoint(0, Decalage));
        Barre.setValue(P - Pas);
    }
    ui->SBProf->setValue(Barre.value());

    BlocPris->Tag = 0;
    BlocPris->FixerVisible(true);
    bool Accepte = false;
    const TClasse* Classe = ClasseDe(*ui->CBclasse);
    const TProf* Prof = ProfDe(*ui->CBprof);
    if (!Classe || !Prof) {
        Messages().Message(Ansi("Erreur : problème de coordination Classe / Professeur"));
    } else {
        const TJour d = JourDuPointeur(x);
        const TQuart s = QuartDeHaut(y);
        const auto e = static_cast<TQuart>(s + DureePrise);
        if (Classe->PlageLibre(Prof->Matiere, d, s, e) && Prof->PlageLibre(Classe->Nom, d, s, e)) {
            BlocPris->Deplacer(GaucheDeJour(d), HautDeQuart(s));
            BlocJumeau->Deplacer(GaucheDeJour(d), HautDeQuart(s));
            Accepte = true;
        }
    }
    if (Accepte)
        BlocJumeau->Tag = 1;
    else if (BlocJumeau->Tag > 0)
        BlocJumeau->Tag = -1;
    return Accepte;
}

// The dragged block lies under the pointer and hides the grid; once the pointer has gone
// more than 15 pixels up or down within it, it steps aside so that the grid snaps it.
void TFTable::ImageMemoDragOver(TBloc& Bloc, int y) {
    constexpr int Ecart = 15;
    if (Bloc.Tag <= 0)
        Bloc.Tag = y;
    else if (std::abs(Bloc.Tag - y) > Ecart)
        Bloc.FixerVisible(false);
}

void TFTable::MemoEndDrag() {
    ExecuterProtege([this] {
        TClasse* Classe = ClasseDe(*ui->CBclasse);
        TProf* Prof = ProfDe(*ui->CBprof);
        if (BlocPris && BlocJumeau && (BlocJumeau->Tag == 1 || BlocJumeau->Tag == -1) && Classe &&
            Prof) {
            const TJour d = JourDeGauche(BlocPris->Gauche());
            const TQuart s = QuartDeHaut(BlocPris->Haut());
            const auto Fin = static_cast<TQuart>(s + DureePrise);
            Classe->PlacerPlage(d, s, Fin, Prof->Matiere);
            Prof->PlacerPlage(d, s, Fin, Classe->Nom);
        }
        BlocPris.reset();
        BlocJumeau.reset();
        RafraichirVues();
        Sauveur->Memoriser();
    });
}
