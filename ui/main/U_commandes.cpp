// The menus of the main window and the commands on a course block.
#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "scheduling/U_optimiseur.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_apropos.h"
#include "ui/dialogs/U_modifduree.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_application.h"
#include "ui/main/U_blocvue.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_lots.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_progression.h"
#include "ui/main/U_texteqt.h"
#include "ui_princ.h"

#include <QCoreApplication>
#include <QCursor>

namespace {

const std::string& ErreurDuree() {
    static const std::string Texte = Ansi("Erreur : la modification de durée a échoué");
    return Texte;
}

// Lengthening a run of Actuelle quarter-hours at (Jour, Debut) to Voulue: the slots it
// gains must be free, and a free quarter-hour must still follow it. The class side also
// names the first gained slot, which PlageLibre checks anyway for the teacher.
bool AllongementPossible(const TActeur& Acteur, const std::string& Nom, TJour Jour, int Debut,
                         int Actuelle, int Voulue, bool CoteClasse) {
    const int Premier = Debut + Actuelle; // first slot gained
    if (Acteur.CouvreInterdit(Jour, static_cast<TQuart>(Premier), static_cast<TQuart>(Premier)))
        return false;
    if (Voulue - Actuelle == 1)
        return Acteur.CaseLibre(Jour, static_cast<TQuart>(Premier + 1));
    return Acteur.PlageLibre(Nom, Jour, static_cast<TQuart>(Premier + 1),
                             static_cast<TQuart>(Debut + Voulue - 1)) &&
           (!CoteClasse || Acteur.CaseLibre(Jour, static_cast<TQuart>(Premier)));
}

void Replacer(TActeur& Acteur, TJour Jour, TQuart Debut, int Duree, const std::string& Nom) {
    Acteur.EffacerPlage(Jour, Debut, true);
    Acteur.PlacerPlage(Jour, Debut, static_cast<TQuart>(Debut + Duree - 1), Nom);
}

} // namespace

void TFTable::Relier(QAction* Entree, void (TFTable::*Action)()) {
    connect(Entree, &QAction::triggered, this,
            [this, Action] { Commande([this, Action] { (this->*Action)(); }); });
}

void TFTable::ConstruireMenus() {
    connect(ui->Edition1, &QMenu::aboutToShow, this, &TFTable::Edition1Click);
    const std::pair<QAction*, void (TFTable::*)()> Entrees[] = {
        {ui->Nouveau1, &TFTable::Nouveau1Click},
        {ui->Ouvrir1, &TFTable::Ouvrir1Click},
        {ui->Assistant1, &TFTable::Assistant1Click},
        {ui->Enregistrer1, &TFTable::Enregistrer1Click},
        {ui->Enregistrersous1, &TFTable::Enregistrersous1Click},
        {ui->ImporterCsv1, &TFTable::ImporterCsv1Click},
        {ui->ImporterFet1, &TFTable::ImporterFet1Click},
        {ui->Publier1, &TFTable::Publier1Click},
        {ui->Imprimer1, &TFTable::Imprimer1Click},
        {ui->Configurationdelimpression1, &TFTable::Configurationdelimpression1Click},
        {ui->Quitter1, &TFTable::Quitter1Click},
        {ui->Annuler1, &TFTable::Annuler1Click},
        {ui->Refaire1, &TFTable::Refaire1Click},
        {ui->CopierClasse1, &TFTable::CopierClasse1Click},
        {ui->CopierProf1, &TFTable::CopierProf1Click},
        {ui->Assistant2, &TFTable::Assistant1Click},
        {ui->Serie1, &TFTable::Serie1Click},
        {ui->Classe1, &TFTable::Classe1Click},
        {ui->Professeur1, &TFTable::Professeur1Click},
        {ui->Automatique1, &TFTable::Automatique1Click},
        {ui->Optimise1, &TFTable::Optimise1Click},
        {ui->Ameliorer1, &TFTable::Ameliorer1Click},
        {ui->Plagehoraire1, &TFTable::Plagehoraire1Click},
        {ui->Disponibilites1, &TFTable::Disponibilites1Click},
        {ui->NonPlacees1, &TFTable::NonPlacees1Click},
        {ui->Options1, &TFTable::Options1Click},
        {ui->Quiestlibre1, &TFTable::Quiestlibre1Click},
        {ui->Utiliserlaide1, &TFTable::Utiliserlaide1Click},
        {ui->Index1, &TFTable::Index1Click},
        {ui->Rechercher1, &TFTable::Rechercher1Click},
        {ui->Apropos1, &TFTable::Apropos1Click},
    };
    for (const auto& [Entree, Action] : Entrees)
        Relier(Entree, Action);
    // The window's image list, images 0 to 6, drawn for Horalo.
    const std::pair<QAction*, const char*> Images[] = {
        {ui->Nouveau1, "nouveau"},   {ui->Ouvrir1, "ouvrir"},   {ui->Enregistrer1, "enregistrer"},
        {ui->Imprimer1, "imprimer"}, {ui->Quitter1, "quitter"}, {ui->Annuler1, "annuler"},
        {ui->Utiliserlaide1, "aide"}};
    for (const auto& [Entree, Nom] : Images)
        Entree->setIcon(QIcon(QStringLiteral(":/menu/%1.png").arg(QLatin1String(Nom))));
    PPMCours = new QMenu(this);
    PPMCours->setObjectName(QStringLiteral("PPMCours"));
    const auto Entree = [this](QMenu* Menu, const char* Nom, const QString& Texte,
                               void (TFTable::*Commande)()) {
        QAction* Action = Menu->addAction(Texte);
        Action->setObjectName(QLatin1String(Nom));
        Relier(Action, Commande);
    };
    Entree(PPMCours, "Deplacer1", QStringLiteral("&Déplacer"), &TFTable::Deplacer1Click);
    Entree(PPMCours, "Dupliquer1", QStringLiteral("&Dupliquer"), &TFTable::Dupliquer1Click);
    Entree(PPMCours, "Supprimer1", QStringLiteral("&Supprimer"), &TFTable::Supprimer1Click);
    PPMCours->addSeparator();
    Entree(PPMCours, "Modifierduree1", QStringLiteral("&Modifier durée"),
           &TFTable::Modifierduree1Click);
    Entree(PPMCours, "Verrouiller1", QStringLiteral("&Verrouiller"), &TFTable::Verrouiller1Click);
    PPMCours->addSeparator();
    Entree(PPMCours, "Aide2", QStringLiteral("&Aide"), &TFTable::Aide2Click);

    PPMSerie = new QMenu(this);
    PPMSerie->setObjectName(QStringLiteral("PPMSerie"));
    Entree(PPMSerie, "ModifierHeuresSerie1", QStringLiteral("&Modifier heures de cours"),
           &TFTable::ModifierHeuresSerie1Click);
    Entree(PPMSerie, "DisponibilitesClasse1", QStringLiteral("&Disponibilités..."),
           &TFTable::Disponibilites1Click);
    PPMProf = new QMenu(this);
    PPMProf->setObjectName(QStringLiteral("PPMProf"));
    Entree(PPMProf, "ModifierheuresProf1", QStringLiteral("&Modifier heures de cours"),
           &TFTable::ModifierheuresProf1Click);
    Entree(PPMProf, "DisponibilitesProf1", QStringLiteral("&Disponibilités..."),
           &TFTable::DisponibilitesProf1Click);
    connect(ui->SGens, &QWidget::customContextMenuRequested, this,
            [this](QPoint Point) { PPMSerie->popup(ui->SGens->viewport()->mapToGlobal(Point)); });
    connect(ui->SGcours, &QWidget::customContextMenuRequested, this,
            [this](QPoint Point) { PPMProf->popup(ui->SGcours->viewport()->mapToGlobal(Point)); });
    ConstruirePPMCaseProf();
}

// The menu opens without waiting, so that the block it names may die under a command
// without the block's own event still running.
void TFTable::OuvrirPPMCours(TBlocVue& Bloc, QPoint PositionGlobale) {
    if (Glisseur->Actif())
        return;
    BlocMenu = &Bloc;
    if (Bloc.Bloc())
        NommerVerrou(*Bloc.Bloc());
    PPMCours->popup(PositionGlobale);
}

void TFTable::Deplacer1Click() {
    if (BlocMenu && BlocMenu->Bloc())
        PrendreBloc(*BlocMenu, false, QCursor::pos());
}

void TFTable::Dupliquer1Click() {
    if (BlocMenu && BlocMenu->Bloc())
        PrendreBloc(*BlocMenu, true, QCursor::pos());
}

void TFTable::Supprimer1Click() {
    if (!BlocMenu || !BlocMenu->Bloc() || RefuserVerrouille(*BlocMenu->Bloc()))
        return;
    SupprimerCours(*BlocMenu->Bloc());
    RafraichirVues();
    Sauveur->Memoriser();
}

void TFTable::SupprimerCours(const TBloc& Bloc) {
    const TJour d = JourDeGauche(Bloc.Gauche());
    const TQuart r = QuartDeHaut(Bloc.Haut());
    if (Bloc.DeClasse()) {
        TClasse* Classe = ClasseDe(*ui->CBclasse);
        if (!Classe) {
            Messages().Message(Ansi("Erreur : cette classe ne peut pas être retrouvée"));
            return;
        }
        if (TProf* Prof = LesProfs->Trouver(Classe->ProfDe(Classe->LireCase(d, r))))
            Prof->EffacerPlage(d, r, true);
        else
            Messages().Message(Ansi("Erreur : le Prof associé ne peut pas être retrouvé"));
        Classe->EffacerPlage(d, r, true);
    } else {
        TProf* Prof = ProfDe(*ui->CBprof);
        if (!Prof) {
            Messages().Message(Ansi("Erreur : ce Prof ne peut pas être retrouvé"));
            return;
        }
        if (TClasse* Classe = LesClasses->Trouver(Prof->LireCase(d, r)))
            Classe->EffacerPlage(d, r, true);
        else
            Messages().Message(Ansi("Erreur : la Classe associée ne peut pas être retrouvée"));
        Prof->EffacerPlage(d, r, true);
    }
}

void TFTable::Modifierduree1Click() {
    if (!BlocMenu || !BlocMenu->Bloc() || RefuserVerrouille(*BlocMenu->Bloc()))
        return;
    const TBloc& Bloc = *BlocMenu->Bloc();
    const int s = QuartsDeHauteur(Bloc.Hauteur());
    TFmodifduree Fmodifduree(this, DureeChoisie);
    Fmodifduree.FixerDuree(static_cast<std::uint16_t>(s));
    if (ExecuterModal(Fmodifduree) != QDialog::Accepted) {
        RafraichirVues();
        return;
    }
    // The dialog's loop may have let the block go; then there is nothing left to change.
    if (BlocMenu && BlocMenu->Bloc())
        ModifierDuree(*BlocMenu->Bloc());
    Sauveur->Memoriser();
    RafraichirVues();
}

void TFTable::ModifierDuree(const TBloc& Bloc) {
    const TJour d = JourDeGauche(Bloc.Gauche());
    const TQuart r = QuartDeHaut(Bloc.Haut());
    const int s = QuartsDeHauteur(Bloc.Hauteur());
    const int p = DureeChoisie;
    if (p <= 0) {
        // Removal: either partner may be missing; the side that exists is still cleared.
        TClasse* Classe = nullptr;
        TProf* Prof = nullptr;
        if (Bloc.DeClasse()) {
            Classe = ClasseDe(*ui->CBclasse);
            Prof = Classe ? LesProfs->Trouver(Classe->ProfDe(Classe->LireCase(d, r))) : nullptr;
        } else {
            Prof = ProfDe(*ui->CBprof);
            Classe = Prof ? LesClasses->Trouver(Prof->LireCase(d, r)) : nullptr;
        }
        if (Prof)
            Prof->EffacerPlage(d, r, true);
        if (Classe)
            Classe->EffacerPlage(d, r, true);
        return;
    }
    if (Bloc.DeClasse()) {
        TClasse* Classe = ClasseDe(*ui->CBclasse);
        if (!Classe) {
            Messages().Message(Ansi("Erreur : cette classe ne peut pas être retrouvée"));
            return;
        }
        const std::string Matiere = Classe->LireCase(d, r);
        if (p > s && !AllongementPossible(*Classe, Matiere, d, r, s, p, true)) {
            Messages().Message(ErreurDuree());
            return;
        }
        TProf* Prof = LesProfs->Trouver(Classe->ProfDe(Matiere));
        if (!Prof || (p > s && !AllongementPossible(*Prof, Classe->Nom, d, r, s, p, false))) {
            Messages().Message(ErreurDuree());
            return;
        }
        Replacer(*Prof, d, r, p, Classe->Nom);
        Replacer(*Classe, d, r, p, Matiere);
    } else {
        TProf* Prof = ProfDe(*ui->CBprof);
        if (!Prof) {
            Messages().Message(Ansi("Erreur : ce Prof ne peut pas être retrouvé"));
            return;
        }
        const std::string NomClasse = Prof->LireCase(d, r);
        TClasse* Classe = LesClasses->Trouver(NomClasse);
        if (!Classe)
            return;
        const std::string Matiere = Classe->LireCase(d, r);
        if (p > s && (!AllongementPossible(*Prof, NomClasse, d, r, s, p, false) ||
                      !AllongementPossible(*Classe, Matiere, d, r, s, p, true))) {
            Messages().Message(ErreurDuree());
            return;
        }
        Replacer(*Classe, d, r, p, Matiere);
        Replacer(*Prof, d, r, p, NomClasse);
    }
}

void TFTable::Aide2Click() {
    Aide().AfficherRubrique(Rubrique::BlocCours);
}

void TFTable::ModifierHeuresSerie1Click() {
    Serie1Click();
}

void TFTable::ModifierheuresProf1Click() {
    Professeur1Click();
}

void TFTable::Edition1Click() {
    ActualiserCommandes();
}

// A shortcut reaches the command without the menu opening first.
void TFTable::Annuler1Click() {
    if (Sauveur->PeutAnnuler())
        Sauveur->Annuler();
}

void TFTable::Refaire1Click() {
    if (Sauveur->PeutRefaire())
        Sauveur->Refaire();
}

void TFTable::Automatique1Click() {
    // The pass lets the window repaint now and then; the dialog and the gate keep every other
    // command from starting meanwhile and pulling the collections from under it.
    Travailler([this] {
        TFProgression Progression(this, QStringLiteral("Placement automatique..."), false);
        Progression.show();
        Automate->PlacementAutomatique();
    });
    Sauveur->Memoriser();
    RafraichirVues();
}

namespace {

// The progress of the optimised placement: the bar follows what is placed; "Arrêter" stops
// the search at its next look, keeping the best timetable found.
class TSuiviOptimisation final : public IProgressionOptimisation {
public:
    explicit TSuiviOptimisation(TFProgression& Dialogue) : Dialogue(Dialogue) {}
    bool Continuer(long Places, long APlacer) override {
        Dialogue.setMaximum(static_cast<int>(APlacer));
        Dialogue.setValue(static_cast<int>(Places)); // a modal dialog lets events run here
        return !Dialogue.ArretDemande();
    }

private:
    TFProgression& Dialogue;
};

} // namespace

void TFTable::TravailSuivi(const QString& Texte,
                           const std::function<QString(IProgressionOptimisation&)>& Travail) {
    QString Bilan;
    Travailler([&] {
        TFProgression Progression(this, Texte, true);
        Progression.show();
        QCoreApplication::processEvents(); // the dialog shows before the search starts
        TSuiviOptimisation Suivi(Progression);
        Bilan = Travail(Suivi);
    });
    Messages().Bip();
    Messages().Message(VersAnsi(Bilan));
    Sauveur->Memoriser();
    RafraichirVues();
}

void TFTable::Optimise1Click() {
    TravailSuivi(QStringLiteral("Placement optimisé..."), [](IProgressionOptimisation& Suivi) {
        return TexteBilan(PlacementOptimise(*Automate, EtapesParDefaut, &Suivi));
    });
}

void TFTable::Apropos1Click() {
    F_apropos = OuvrirAPropos(this);
}

void TFTable::Utiliserlaide1Click() {
    Aide().Sommaire();
}

void TFTable::Index1Click() {
    Aide().Index();
}

void TFTable::Rechercher1Click() {
    Aide().Rechercher();
}
