#include "ui/main/U_glisser.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"
#include "ui/main/U_application.h"
#include "ui/main/U_blocvue.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_places.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"
#include "ui_princ.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolTip>

#include <cstdlib>

TGlisseur::~TGlisseur() {
    Arreter();
}

void TGlisseur::Commencer(QPoint Origine_) {
    Origine = Origine_;
    Etat = TEtat::EnAttente;
    if (!Capteur)
        return;
    qApp->installEventFilter(this);
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
    }
    qApp->removeEventFilter(this);
    Etat = TEtat::Inactif;
}

// Every key goes through here while the drag lasts, shortcuts included (their override
// request is taken, so none fires).
bool TGlisseur::FiltrerClavier(QEvent* Evenement) {
    switch (Evenement->type()) {
    case QEvent::ShortcutOverride:
        Evenement->accept();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(Evenement)->key() == Qt::Key_Escape)
            Table.RemettreCours();
        else if (!static_cast<QKeyEvent*>(Evenement)->isAutoRepeat())
            Messages().Bip();
        return true;
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

bool TGlisseur::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (FiltrerClavier(Evenement))
        return true;
    // Windows pass their mouse events on to their widgets; only the widgets' copies count.
    if (!Objet->isWidgetType())
        return false;
    if (Objet != Capteur) {
        switch (Evenement->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
            return true; // nothing else starts while a course is held
        default:
            return false;
        }
    }
    switch (Evenement->type()) {
    case QEvent::MouseMove:
        Bouger(static_cast<QMouseEvent*>(Evenement)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true; // the click that drops a block picked up from the menu starts nothing
    case QEvent::MouseButtonRelease:
        if (Table.SurListe(static_cast<QMouseEvent*>(Evenement)->globalPosition().toPoint()))
            Messages().Bip();
        else if (static_cast<QMouseEvent*>(Evenement)->button() == Qt::LeftButton)
            Relacher();
        return true;
    default:
        return QObject::eventFilter(Objet, Evenement);
    }
}

// ---- The window's side of the drag.

namespace {

// The last slot of the run starting at Debut (Debut itself when the cell is free).
int FinDePlage(const TActeur& Acteur, TJour Jour, TQuart Debut) {
    const std::string Nom = Acteur.LireCase(Jour, Debut);
    int Fin = Debut;
    while (Fin + 1 < QuartFinGrille && Acteur.LireCase(Jour, static_cast<TQuart>(Fin + 1)) == Nom)
        ++Fin;
    return Fin;
}

// Both grids hold this very course at (Jour, Debut): the class's subject taught by that
// teacher, the teacher's class, the same run, each with its block. A damaged timetable may
// hold another class's course there in the teacher's grid.
bool MemeCours(const TClasse& Classe, const TProf& Prof, TJour Jour, TQuart Debut) {
    return Classe.LireCase(Jour, Debut) == Prof.Matiere &&
           Prof.LireCase(Jour, Debut) == Classe.Nom && Classe.ProfDe(Prof.Matiere) == Prof.Nom &&
           Classe.BlocDe(Jour, Debut) && Prof.BlocDe(Jour, Debut) &&
           FinDePlage(Classe, Jour, Debut) == FinDePlage(Prof, Jour, Debut);
}

} // namespace

void TFTable::MemoClasseMouseDown(TBlocVue& Bloc, Qt::MouseButton Bouton,
                                  Qt::KeyboardModifiers Etat, QPoint PositionGlobale) {
    if (Bouton == Qt::LeftButton)
        Commande([&] { PrendreBloc(Bloc, Etat.testFlag(Qt::ControlModifier), PositionGlobale); });
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

// "Histoire-Géographie — 3ème A — M. Rivière — Lundi 08h00–09h45": what the block's cell
// is too narrow to show.
QString TFTable::InfoBulle(const TBloc& Bloc) const {
    const TJour d = JourDeGauche(Bloc.Gauche());
    const TQuart s = QuartDeHaut(Bloc.Haut());
    const TActeur* Acteur = nullptr;
    std::string Matiere, Classe, Prof;
    if (Bloc.DeClasse()) {
        const TClasse* C = LesClasses ? LesClasses->Trouver(LegendePClasse) : nullptr;
        Acteur = C;
        if (C) {
            Matiere = C->LireCase(d, s);
            Classe = C->Nom;
            Prof = C->ProfDe(Matiere);
        }
    } else {
        const TProf* P = LesProfs ? LesProfs->Trouver(LegendePProf) : nullptr;
        Acteur = P;
        if (P) {
            Matiere = P->Matiere;
            Classe = P->LireCase(d, s);
            Prof = P->Nom;
        }
    }
    if (!Acteur || Acteur->LireCase(d, s).empty())
        return {};
    // Names are Windows-1252 bytes; so must the dashes be.
    const std::string Tiret = Ansi(" — ");
    const std::string Texte = Matiere + Tiret + Classe + (Prof.empty() ? "" : Tiret + Prof) +
                              Tiret + NomJour(d) + " " + TexteHeure(s) + Ansi("–") +
                              TexteHeure(static_cast<TQuart>(FinDePlage(*Acteur, d, s) + 1));
    return VersQt(Texte);
}

void TFTable::PrendreBloc(TBlocVue& Vue, bool Copie, QPoint Origine) {
    TBloc* Bloc = Vue.Bloc();
    if (!Bloc || Glisseur->Actif() || !SelectionnerPartenaire(*Bloc))
        return;
    // The message boxes of the selection may have let the block go.
    Bloc = Vue.Bloc();
    TClasse* Classe = ClasseDe(*ui->CBclasse);
    TProf* Prof = ProfDe(*ui->CBprof);
    if (!Bloc || !Classe || !Prof)
        return;
    const TJour d = JourDeGauche(Bloc->Gauche());
    const TQuart s = QuartDeHaut(Bloc->Haut());
    TActeur& Proprietaire = Bloc->DeClasse() ? static_cast<TActeur&>(*Classe) : *Prof;
    TActeur& Partenaire = Bloc->DeClasse() ? static_cast<TActeur&>(*Prof) : *Classe;
    // Nothing is taken unless both grids hold this very course.
    if (Proprietaire.BlocDe(d, s) != Bloc || !MemeCours(*Classe, *Prof, d, s))
        return;
    TBloc* Jumeau = Partenaire.BlocDe(d, s);
    JourPris = d;
    DebutPris = s;
    DureePrise = static_cast<std::uint8_t>(Bloc->Hauteur() / (TGrilleVue::HauteurLigne + 1));
    ClassePrise = Classe->Nom;
    ProfPris = Prof->Nom;
    CopiePrise = Copie;
    const bool Verrouille = Classe->Verrouillee(d, s);
    VerrouPris = !Copie && Verrouille; // a copy of a locked course may go
    Bloc->Renommer(Bloc->Identifiant() + "x");
    Jumeau->Renommer(Jumeau->Identifiant() + "x");
    Classe->EffacerPlage(d, s, false);
    Prof->EffacerPlage(d, s, false);
    BlocPris.reset(Bloc);
    BlocJumeau.reset(Jumeau);
    if (Copie) {
        Classe->PlacerPlage(d, s, static_cast<TQuart>(s + DureePrise), Prof->Matiere);
        Prof->PlacerPlage(d, s, static_cast<TQuart>(s + DureePrise), Classe->Nom);
        Classe->Verrouiller(d, s, Verrouille); // the original keeps its lock; the copy is free
        BlocJumeau->Tag = -2;
    } else {
        BlocJumeau->Tag = 1;
    }
    BlocPris->Tag = 0;
    Tenir(*Classe, *Prof, Origine);
}

void TFTable::Tenir(const TClasse& Classe, const TProf& Prof, QPoint Origine) {
    Glisseur->Commencer(Origine);
    if (VerrouPris) // no cell takes it: nothing is tinted and the reason shows at once
        MontrerRefus(VersQt(RaisonRefus(Classe, Prof, JourPris, DebutPris, DureePrise, true)),
                     Origine, {});
    else
        Places.Calculer(Classe, Prof, DureePrise);
    ui->SGclasse->viewport()->update();
    ui->SGProf->viewport()->update();
}

void TFTable::GlisserSur(QPoint PositionGlobale) {
    QWidget* Dessous = childAt(mapFromGlobal(PositionGlobale));
    if (auto* Vue = qobject_cast<TBlocVue*>(Dessous)) {
        // Other blocks take no drop: over them nothing moves, but the hover says why.
        if (BlocPris && Vue->Bloc() == BlocPris.get())
            ImageMemoDragOver(*BlocPris, Vue->mapFromGlobal(PositionGlobale).y());
        else
            ExpliquerSous(PositionGlobale);
        return;
    }
    for (QTableWidget* Grille : {ui->SGclasse, ui->SGProf})
        if (Dessous == Grille->viewport()) {
            const QPoint Point = Grille->viewport()->mapFromGlobal(PositionGlobale);
            FormDragOver(*Grille, Point.x(), Point.y(), PositionGlobale);
            return;
        }
}

void TFTable::ExpliquerSous(QPoint PositionGlobale) {
    const TClasse* Classe = LesClasses ? LesClasses->Trouver(ClassePrise) : nullptr;
    const TProf* Prof = LesProfs ? LesProfs->Trouver(ProfPris) : nullptr;
    if (!BlocPris || !Classe || !Prof)
        return;
    for (const QTableWidget* Grille : {ui->SGclasse, ui->SGProf}) {
        const QPoint Point = Grille->viewport()->mapFromGlobal(PositionGlobale);
        if (Grille->viewport()->rect().contains(Point)) {
            MontrerRefus(VersQt(RaisonRefus(*Classe, *Prof, JourDuPointeur(Point.x()),
                                            QuartDeHaut(Point.y()), DureePrise, VerrouPris)),
                         PositionGlobale, {});
            return;
        }
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
    constexpr int MargeBas = 58; // 250 pixels down the form's 308-pixel window
    constexpr int Pas = 50;
    constexpr int Decalage = 49;
    QScrollBar& Barre = *ui->SBClasse;
    const int P = Barre.value();
    if (y > P + ui->PClasseFond->height() - MargeBas && P < Barre.maximum()) {
        QCursor::setPos(PositionGlobale - QPoint(0, Decalage));
        Barre.setValue(P + Pas);
    } else if (y < P + Marge && P > Barre.minimum()) {
        QCursor::setPos(PositionGlobale + QPoint(0, Decalage));
        Barre.setValue(P - Pas);
    }
    ui->SBProf->setValue(Barre.value());

    BlocPris->Tag = 0;
    BlocPris->FixerVisible(!HorsGrille);
    const TClasse* Classe = LesClasses ? LesClasses->Trouver(ClassePrise) : nullptr;
    const TProf* Prof = LesProfs ? LesProfs->Trouver(ProfPris) : nullptr;
    if (!Classe || !Prof) {
        // No box while the mouse is held: the course goes back and the drag ends first.
        RemettreCours();
        Messages().Message(Ansi("Erreur : problème de coordination Classe / Professeur"));
        return false;
    }
    const TJour d = JourDuPointeur(x);
    const TQuart s = QuartDeHaut(y);
    const bool Accepte = !VerrouPris && PlaceLibre(*Classe, *Prof, d, s, DureePrise);
    MontrerRefus(VersQt(RaisonRefus(*Classe, *Prof, d, s, DureePrise, VerrouPris)), PositionGlobale,
                 Accepte ? TexteAjout(Places.Ajout(d, s)) : QString());
    if (Accepte) {
        HorsGrille = false;
        BlocPris->FixerVisible(true);
        BlocJumeau->FixerVisible(true);
        BlocPris->Deplacer(GaucheDeJour(d), HautDeQuart(s));
        BlocJumeau->Deplacer(GaucheDeJour(d), HautDeQuart(s));
        BlocJumeau->Tag = 1;
    } else if (BlocJumeau->Tag > 0) {
        BlocJumeau->Tag = -1;
    }
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

bool TFTable::PoserCours(TJour Jour, TQuart Debut) {
    TClasse* Classe = LesClasses ? LesClasses->Trouver(ClassePrise) : nullptr;
    TProf* Prof = LesProfs ? LesProfs->Trouver(ProfPris) : nullptr;
    const auto Fin = static_cast<TQuart>(Debut + DureePrise);
    if (!Classe || !Prof || !PlaceLibre(*Classe, *Prof, Jour, Debut, DureePrise))
        return false;
    Classe->PlacerPlage(Jour, Debut, Fin, Prof->Matiere);
    Prof->PlacerPlage(Jour, Debut, Fin, Classe->Nom);
    Classe->Verrouiller(Jour, Debut, VerrouPris); // a locked course only ever goes back
    return true;
}

// Why the held course may not start under the pointer, in its tooltip and the status bar;
// where it may, what it would add there, if anything.
void TFTable::MontrerRefus(const QString& Raison, QPoint PositionGlobale, const QString& Ajout) {
    DernierRefus = Raison;
    const QString& Texte = Raison.isEmpty() ? Ajout : Raison;
    if (Texte.isEmpty()) {
        QToolTip::hideText();
        statusBar()->clearMessage();
        return;
    }
    QToolTip::showText(PositionGlobale, Texte, this);
    statusBar()->showMessage(Texte);
}

void TFTable::LacherBlocs() {
    QToolTip::hideText(); // the last refusal's, which Escape would leave behind
    HorsGrille = false;
    VerrouPris = false;
    BlocPris.reset();
    BlocJumeau.reset();
    Places.Effacer();
    ui->SGclasse->viewport()->update();
    ui->SGProf->viewport()->update();
}

void TFTable::MemoEndDrag() {
    // A drop on a refused cell says why, instead of leaving the course silently elsewhere.
    const QString Refus = DernierRefus;
    const bool Inchange = VerrouPris; // a locked course went back: nothing to undo
    ExecuterProtege([this, Inchange] {
        if (BlocPris && BlocJumeau && (BlocJumeau->Tag == 1 || BlocJumeau->Tag == -1)) {
            // A move whose place is no longer free goes back where it came from.
            if (!PoserCours(JourDeGauche(BlocPris->Gauche()), QuartDeHaut(BlocPris->Haut())) &&
                !CopiePrise)
                PoserCours(JourPris, DebutPris);
        }
        LacherBlocs();
        RafraichirVues();
        if (!Inchange)
            Sauveur->Memoriser();
    });
    statusBar()->showMessage(Refus);
    DernierRefus.clear();
    ActualiserCommandes();
}

void TFTable::RemettreCours() {
    if (!Glisseur->Actif())
        return;
    Glisseur->Abandonner();
    const TDestructionsDifferees Differer;
    if (!CopiePrise)
        PoserCours(JourPris, DebutPris);
    LacherBlocs();
    RafraichirVues();
}
