#pragma once
// The main window: a class and a teacher side by side with their summaries. It creates,
// owns and destroys every global object of the program.
#include "model/U_types.h"
#include "storage/U_fenetre.h"
#include "ui/main/U_places.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class IProgressionOptimisation;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QPrinter;
class QScrollBar;
class QTableWidget;
class TBloc;
class TBlocVue;
class TClasse;
class TF_Assistant;
class TF_apropos;
class TF_quiestlibre;
class TFabriqueBlocsQt;
class TFNonPlacees;
class TGlisseur;
class TPaneQualite;
class TProf;
struct TReglagesFet;
class TVerrou;

namespace Ui {
class TFTable;
}

class TFTable : public QMainWindow, public IFenetre {
    Q_OBJECT
public:
    // Arguments: the command line after the program's name; joined, they name a file.
    explicit TFTable(const QStringList& Arguments = {});
    ~TFTable() override;

    // The one way into the model. Refused with a beep while a course is held, while long
    // work runs, or while one of the program's modal forms is open and the command does not
    // come from it (Source); otherwise run whole under the error handler, after which every
    // entry's state follows the model and the history. False when refused.
    bool Commande(const std::function<void()>& Action, const QWidget* Source = nullptr);
    bool Occupe(const QWidget* Source = nullptr) const;
    // One of the program's forms, modally, through the dialogs seam: its result.
    int ExecuterModal(QDialog& Dialogue);
    // Long work that lets events run: every command is refused while it lasts.
    void Travailler(const std::function<void()>& Travail);
    // Enables the entries whose commands have something to act on (undo, redo).
    void ActualiserCommandes();

    // What storage asks of the window.
    void RafraichirVues() override;
    void ViderAffichage() override;
    std::string ClasseAffichee() const override;
    std::string ProfAffiche() const override;
    void RetablirAffichage(const std::string& Classe, const std::string& Prof) override;

    // The views.
    void CBclasseChange();
    void CBprofChange();
    void SBClasseChange();
    void SBProfChange();
    void SGclasseMouseWheel(int Crans); // positive: wheel down
    void SGProfMouseWheel(int Crans);

    // Dragging a course block.
    void MemoClasseMouseDown(TBlocVue& Bloc, Qt::MouseButton Bouton, Qt::KeyboardModifiers Etat,
                             QPoint PositionGlobale);
    void MemoProfMouseDown(TBlocVue& Bloc, Qt::MouseButton Bouton, Qt::KeyboardModifiers Etat,
                           QPoint PositionGlobale);
    bool SelectionnerPartenaire(const TBloc& Bloc);
    // Brings a day into view in both grids: their actors' first courses of that day.
    void MontrerJour(TJour Jour);
    // The cells where the held course may start, tinted in both views while it is held.
    const TPlacesPossibles& PlacesPossibles() const { return Places; }
    // The whole course of a block, for its tooltip.
    QString InfoBulle(const TBloc& Bloc) const;
    // Escape during a drag: the course goes back where it was picked up, nothing recorded.
    void RemettreCours();
    void ExpliquerSous(QPoint PositionGlobale); // the pointer over a course not held
    bool FormDragOver(QTableWidget& Grille, int x, int y, QPoint PositionGlobale);
    void ImageMemoDragOver(TBloc& Bloc, int y);
    void MemoEndDrag();
    // Where the pointer is during a drag: hands it to the handler of what lies under it.
    void GlisserSur(QPoint PositionGlobale);
    TGlisseur& Glissement() { return *Glisseur; }

    // The course menu and the summary menus.
    void OuvrirPPMCours(TBlocVue& Bloc, QPoint PositionGlobale);
    void Deplacer1Click();
    void Dupliquer1Click();
    void Supprimer1Click();
    void Modifierduree1Click();
    void Aide2Click();
    void Verrouiller1Click();
    // Locked courses cannot move, be removed or change length; a course on a cell that
    // became interdit stays, framed in red and counted.
    bool CoursVerrouille(const TBloc& Bloc) const;
    bool CoursEnConflit(const TBloc& Bloc) const;
    void ModifierHeuresSerie1Click();
    void ModifierheuresProf1Click();

    // The menu bar's commands.
    void Nouveau1Click();
    void Ouvrir1Click();
    void Enregistrer1Click();
    void Enregistrersous1Click();
    void DialogFolderChange(const QString& Dossier);
    void ImporterCsv1Click();
    void ImporterFet1Click();
    void Publier1Click();
    void Imprimer1Click();
    void Configurationdelimpression1Click();
    void Quitter1Click();
    bool FormCloseQuery();
    void Edition1Click();
    void Annuler1Click();
    void Refaire1Click();
    void CopierClasse1Click();
    void CopierProf1Click();
    void Automatique1Click();
    void Optimise1Click();
    void Ameliorer1Click();
    // Long work under the progress dialog with "Arrêter", then its closing message, one
    // history step and a refresh.
    void TravailSuivi(const QString& Texte,
                      const std::function<QString(IProgressionOptimisation&)>& Travail);
    void Utiliserlaide1Click();
    void Index1Click();
    void Rechercher1Click();
    void Apropos1Click();
    // The commands that open the data-entry forms and the wizard.
    void Assistant1Click();
    void Serie1Click();
    void Classe1Click();
    void Professeur1Click();
    void Plagehoraire1Click();
    void Disponibilites1Click();     // on the class shown
    void DisponibilitesProf1Click(); // on the teacher shown
    void OuvrirDisponibilites(bool Prof);
    void NonPlacees1Click();
    // Holds a course of that class and subject, not placed, Duree quarter-hours long: it
    // shows that class and teacher; the cells where it may start are tinted.
    void TenirCours(const std::string& Classe, const std::string& Matiere, int Duree);
    // Over the list of hours not placed: a click there while a course is held is refused,
    // where a click anywhere else drops it.
    bool SurListe(QPoint PositionGlobale) const;
    void Options1Click();
    // "Qui est libre ?": from the Outils menu, and on the cell of the teacher view whose popup
    // was opened; an hour from Debut.
    void Quiestlibre1Click();
    void Quiestlibre2Click();
    void OuvrirQuiEstLibre(TJour Jour, TQuart Debut);

    std::int32_t DureeChoisie = 0;
    std::uint8_t JourPris = 0;
    std::uint8_t DebutPris = 32;
    std::uint8_t DureePrise = 0;
    // The block being dragged and its twin in the other view: taken over from the grids
    // while the drag lasts, destroyed when it ends.
    std::unique_ptr<TBloc> BlocPris;
    std::unique_ptr<TBloc> BlocJumeau;

    // The open and save dialogs' file names: the timetable's file, "Defaut" for none.
    std::string NomFichierOuverture;
    std::string NomFichierEnregistrement = "Defaut";

    TF_apropos* F_apropos = nullptr;
    QPointer<TF_Assistant> F_Assistant;     // forgotten when the wizard is destroyed
    QPointer<TF_quiestlibre> F_quiestlibre; // forgotten when closed
    QPointer<TFNonPlacees> F_NonPlacees;    // made at its first request, then kept
    QMenu* PPMCours = nullptr;
    QMenu* PPMSerie = nullptr;
    QMenu* PPMProf = nullptr;
    QMenu* PPMCaseProf = nullptr; // on an empty cell of the teacher view

protected:
    void closeEvent(QCloseEvent* Evenement) override;
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    void ConstruireVues();
    void ConstruireMenus();
    void ConstruirePPMCaseProf();
    void ConstruireQualite(); // the "Qualité" pane and its menu entry
    void ActualiserQualite();
    void FormCreate(const QStringList& Arguments);
    void RetablirTaille();
    // After a crash: offers the last state a program that no longer runs recorded.
    void ProposerRecuperation();
    // An empty timetable without a file, the base of a new history.
    void Vider();
    void FormDestroy();
    void RemplirSGens(TClasse& Classe);
    void RemplirSGcours(TProf& Prof);
    TClasse* ClasseDe(const QComboBox& Liste) const;
    TProf* ProfDe(const QComboBox& Liste) const;
    void PrendreBloc(TBlocVue& Vue, bool Copie, QPoint Origine);
    // The course just taken is held from Origine on, its places tinted.
    void Tenir(const TClasse& Classe, const TProf& Prof, QPoint Origine);
    // Places the held course at Jour, Debut on the class and the teacher found at pick-up,
    // when both grids still have room for it there.
    bool PoserCours(TJour Jour, TQuart Debut);
    void LacherBlocs();
    void MontrerRefus(const QString& Raison, QPoint PositionGlobale, const QString& Ajout);
    // Asks to save a modified timetable; false when it must stay (Abort, or a save that did
    // not happen).
    bool PeutRemplacer();
    // Reads a school to import, then replaces the timetable with it and shows the report.
    void Importer(const QString& Chemin, const TReglagesFet& Reglages);
    // Takes the lock of a timetable about to open; when another program holds it, says who
    // and offers it read-only. False when the user gives the opening up.
    bool AccederFichier(const QString& Chemin);
    void LacherFichier(); // the timetable's file is closed
    // Before a save to Chemin: its lock (moved there from the file left), and a question when
    // someone changed the file since it was read or written.
    bool PeutEcrire(const QString& Chemin);
    void MontrerFichier(const QString& Chemin); // the caption
    QPrinter& Imprimante();                     // kept from one print or set-up to the next
    void ChangerListe(QComboBox& Liste, const std::string& Legende, void (TFTable::*Change)());
    void SupprimerCours(const TBloc& Bloc);
    TClasse* ClasseDuCours(const TBloc& Bloc) const;
    bool RefuserVerrouille(const TBloc& Bloc) const; // beeps when locked
    void NommerVerrou(const TBloc& Bloc);
    void ConstruireConflits();
    void AfficherConflits();
    void ModifierDuree(const TBloc& Bloc);
    // Connects a menu entry to a command whose failures the user is told about.
    void Relier(QAction* Entree, void (TFTable::*Commande)());

    std::unique_ptr<Ui::TFTable> ui;
    std::unique_ptr<TFabriqueBlocsQt> FabriqueClasse;
    std::unique_ptr<TFabriqueBlocsQt> FabriqueProf;
    std::unique_ptr<TGlisseur> Glisseur;
    TPaneQualite* PaneQualite = nullptr; // owned by the window
    std::unique_ptr<QPrinter> FImprimante;
    // The names of the class and the teacher whose blocks are shown: what the hidden
    // captions of PClasse and PProf held. Kept as bytes, so any name round-trips.
    std::string LegendePClasse;
    std::string LegendePProf;
    QPointer<TBlocVue> BlocMenu; // the block PPMCours was opened on
    TJour JourMenu = 0;          // the cell PPMCaseProf was opened on
    TQuart QuartMenu = QuartDebutGrille;
    int RestantMolette = 0; // wheel movement short of a whole notch
    // The course held: its class and teacher as found at pick-up.
    std::string ClassePrise;
    std::string ProfPris;
    bool CopiePrise = false;
    bool VerrouPris = false; // a locked course, held only to say why it cannot move
    bool HorsGrille = false; // held from the list of hours not placed, on no cell yet
    TPlacesPossibles Places;
    QString DernierRefus; // why the last cell hovered refused the held course, or empty
    std::vector<const QDialog*> Modaux; // the program's forms shown modally, innermost last
    bool TravailEnCours = false;
    std::unique_ptr<TVerrou> Verrou; // the lock of the timetable's file, when held
    bool LectureSeule = false;       // another program holds it
};

extern TFTable* FTable;
