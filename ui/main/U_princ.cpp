#include "ui/main/U_princ.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"
#include "storage/U_registre.h"
#include "storage/U_verrou.h"
#include "ui/dialogs/U_apropos.h"
#include "ui/dialogs/U_modifduree.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_application.h"
#include "ui/main/U_blocvue.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_disposition.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_panequalite.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"
#include "ui_princ.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QStatusBar>
#include <QWheelEvent>

#include <algorithm>

TFTable* FTable = nullptr;

namespace {

constexpr int HauteurClient = 499;
constexpr int LargeurClient = 618;
constexpr int CransParMolette = 5; // rows scrolled by one notch of the wheel
constexpr int UnCran = 120;        // wheel delta of one notch

// Column 0 of the string grids is their fixed, grey column.
void EcrireCellule(QTableWidget& Grille, int Rangee, int Colonne, const QString& Texte) {
    QTableWidgetItem* Cellule = Grille.item(Rangee, Colonne);
    if (!Cellule) {
        Cellule = new QTableWidgetItem;
        Cellule->setFlags(Qt::ItemIsEnabled);
        if (Colonne == 0)
            Cellule->setBackground(Grille.palette().button());
        Grille.setItem(Rangee, Colonne, Cellule);
    }
    Cellule->setText(Texte);
}

void ViderRangee(QTableWidget& Grille, int Rangee) {
    for (int c = 0; c < Grille.columnCount(); ++c)
        if (QTableWidgetItem* Cellule = Grille.item(Rangee, c))
            Cellule->setText(QString());
}

// A summary's row 0 is its header, which stays in view when the rows scroll: the table's
// own header shows it, so table row r is the summary's row r + 1.
void PreparerResume(QTableWidget& Grille, int n) {
    Grille.setRowCount(n + 1); // n data rows, then one empty row
    ViderRangee(Grille, n);
}

void EcrireResume(QTableWidget& Grille, int Rangee, const std::string& Nom, unsigned APlacer,
                  unsigned Placees, unsigned Reference) {
    const int r = Rangee - 1;
    EcrireCellule(Grille, r, 0, VersQt(Nom));
    EcrireCellule(Grille, r, 1, TexteQuarts(APlacer));
    EcrireCellule(Grille, r, 2, TexteQuarts(Placees));
    EcrireCellule(Grille, r, 3,
                  Reference < Placees ? QStringLiteral("Dépassement")
                                      : TexteQuarts(Reference - Placees));
}

void ConfigurerGrilleHoraire(QTableWidget& Grille) {
    Grille.setColumnCount(TGrilleVue::Colonnes);
    Grille.setRowCount(TGrilleVue::Rangees);
    for (QHeaderView* Entete : {Grille.horizontalHeader(), Grille.verticalHeader()}) {
        Entete->hide();
        Entete->setMinimumSectionSize(1);
        Entete->setSectionResizeMode(QHeaderView::Fixed);
    }
    // A section holds the cell and its one-pixel line: 39 x 19 per cell.
    Grille.horizontalHeader()->setDefaultSectionSize(TGrilleVue::LargeurColonne + 1);
    Grille.verticalHeader()->setDefaultSectionSize(TGrilleVue::HauteurLigne + 1);
    Grille.setFrameShape(QFrame::NoFrame);
    Grille.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grille.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grille.setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille.setSelectionMode(QAbstractItemView::NoSelection);
    Grille.setFocusPolicy(Qt::ClickFocus);
    Grille.setTextElideMode(Qt::ElideNone);
    Grille.setWordWrap(false);
    Grille.viewport()->setMouseTracking(true);
}

void ConfigurerResume(QTableWidget& Grille, std::initializer_list<int> Largeurs) {
    Grille.setColumnCount(static_cast<int>(Largeurs.size()));
    Grille.setRowCount(1);
    for (QHeaderView* Entete : {Grille.horizontalHeader(), Grille.verticalHeader()}) {
        Entete->setMinimumSectionSize(1);
        Entete->setSectionResizeMode(QHeaderView::Fixed);
    }
    Grille.verticalHeader()->hide();
    Grille.horizontalHeader()->setFixedHeight(21);
    Grille.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Grille.horizontalHeader()->setHighlightSections(false);
    int c = 0;
    for (const int Largeur : Largeurs)
        Grille.setColumnWidth(c++, Largeur + 1);
    // The names' column takes what the others leave, so that its header reads whole and it
    // grows with the window.
    Grille.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Grille.verticalHeader()->setDefaultSectionSize(21);
    Grille.setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille.setSelectionMode(QAbstractItemView::NoSelection);
    Grille.setTextElideMode(Qt::ElideNone);
    Grille.setWordWrap(false);
    Grille.setContextMenuPolicy(Qt::CustomContextMenu);
}

} // namespace

TFTable::TFTable(const QStringList& Arguments)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                               Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFTable>()) {
    // Model code run by FormCreate (opening a file) reaches the window through these.
    FTable = this;
    Fenetre = this;
    ui->setupUi(this);
    qApp->installEventFilter(new TAideContextuelle(this));
    FixerRubrique(this, Rubrique::FenetrePrincipale);
    FixerRubrique(ui->CBclasse, Rubrique::ListeClasses);
    ConstruireVues();
    ConstruireMenus();
    ConstruireQualite();
    Glisseur = std::make_unique<TGlisseur>(*this, *centralWidget());
    FabriqueClasse = std::make_unique<TFabriqueBlocsQt>(*ui->PClasse, *this);
    FabriqueProf = std::make_unique<TFabriqueBlocsQt>(*ui->PProf, *this);
    PanneauClasse.Fabrique = FabriqueClasse.get();
    PanneauProf.Fabrique = FabriqueProf.get();
    FormCreate(Arguments);
    RetablirTaille();
    Sauveur->Reinitialiser(); // the timetable as opened is the history's base
    // A recovery that fails says so, and the window still comes up.
    ExecuterProtege([this] { ProposerRecuperation(); });
    ActualiserCommandes();
}

TFTable::~TFTable() {
    FormDestroy();
    PanneauClasse.Fabrique = nullptr;
    PanneauProf.Fabrique = nullptr;
    if (Fenetre == this)
        Fenetre = nullptr;
    if (FTable == this)
        FTable = nullptr;
}

void TFTable::ConstruireVues() {
    QFont Police(QStringLiteral("MS Sans Serif"));
    Police.setStyleHint(QFont::SansSerif);
    Police.setPixelSize(10);
    setFont(Police);
    QFont PoliceJours(QStringLiteral("MS Serif"));
    PoliceJours.setStyleHint(QFont::Serif);
    PoliceJours.setPixelSize(9);
    for (int n = 5; n <= 16; ++n) {
        auto* Jour = findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        Jour->setFont(PoliceJours);
        Jour->setAttribute(Qt::WA_TranslucentBackground);
    }

    for (QTableWidget* Grille : {ui->SGclasse, ui->SGProf}) {
        ConfigurerGrilleHoraire(*Grille);
        const bool DeClasse = Grille == ui->SGclasse;
        Grille->setItemDelegate(new TDelegueTeinte(
            Places,
            [this, DeClasse]() -> const TActeur* {
                return DeClasse ? static_cast<const TActeur*>(ClasseDe(*ui->CBclasse))
                                : ProfDe(*ui->CBprof);
            },
            Grille));
        Grille->viewport()->installEventFilter(this);
    }
    for (QWidget* Panneau : {ui->PClasse, ui->PProf})
        Panneau->installEventFilter(this); // the wheel over a block reaches its panel
    // The hours' columns a little narrower than the form's (62): with the scroll bar shown, the
    // names' column keeps room for its whole header.
    ConfigurerResume(*ui->SGens, {80, 59, 59, 60});
    ConfigurerResume(*ui->SGcours, {80, 59, 56, 60});
    for (QScrollBar* Barre : {ui->SBClasse, ui->SBProf}) {
        Barre->setRange(0, TGrilleVue::Hauteur - ui->PClasseFond->height());
        Barre->setSingleStep(TGrilleVue::HauteurLigne + 1);
        Barre->setPageStep(4 * (TGrilleVue::HauteurLigne + 1));
    }
    connect(ui->SBClasse, &QScrollBar::valueChanged, this, &TFTable::SBClasseChange);
    connect(ui->SBProf, &QScrollBar::valueChanged, this, &TFTable::SBProfChange);
    connect(ui->CBclasse, &QComboBox::activated, this,
            [this] { ChangerListe(*ui->CBclasse, LegendePClasse, &TFTable::CBclasseChange); });
    connect(ui->CBprof, &QComboBox::activated, this,
            [this] { ChangerListe(*ui->CBprof, LegendePProf, &TFTable::CBprofChange); });

    ConstruireConflits();
    new TDisposition(*ui, *centralWidget(), QSize(LargeurClient, HauteurClient));
    // The pane beside the views takes its width from the window, never from the views.
    centralWidget()->setMinimumSize(LargeurClient, HauteurClient);
    resize(LargeurClient,
           HauteurClient + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    CentrerSurEcran(this);
}

// The size the window had when it last closed, on the same screen centre.
void TFTable::RetablirTaille() {
    PaneQualite->setVisible(Registre->LireQualiteVisible());
    const std::optional<TTailleFenetre> Taille = Registre->LireFenetre();
    if (!Taille)
        return;
    resize(QSize(static_cast<int>(std::min<std::uint32_t>(Taille->Largeur, 0x7FFF)),
                 static_cast<int>(std::min<std::uint32_t>(Taille->Hauteur, 0x7FFF)))
               .expandedTo(minimumSize()));
    CentrerSurEcran(this);
    if (Taille->Agrandie)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TFTable::FormCreate(const QStringList& Arguments) {
    F_apropos = OuvrirAPropos(this);

    for (QTableWidget* Grille : {ui->SGclasse, ui->SGProf}) {
        int Rangee = 0;
        for (int Heure = 8; Heure <= 19; ++Heure)
            for (int Minute = 0; Minute < 60; Minute += 15)
                EcrireCellule(*Grille, Rangee++, 0, QString::asprintf("%.2dh%.2d", Heure, Minute));
    }
    for (QTableWidget* Resume : {ui->SGens, ui->SGcours})
        Resume->setHorizontalHeaderLabels(
            {QStringLiteral(" Cours   /   Heures"), QStringLiteral("  A placer"),
             QStringLiteral("  Placées"), QStringLiteral(" Restantes")});

    Sauveur = new TSauveur;
    Registre = new TRegistre;
    Registre->AssocierExtension();
    Automate = new TAutomate;

    // A path with blanks given without quotes arrives cut into several arguments. It is not
    // cut to any length: a shortened path could open, and later overwrite, another file.
    const QString Nom = Arguments.join(QLatin1Char(' '));
    if (Arguments.isEmpty() || !AccederFichier(Nom)) {
        LesSeries = new TLesSeries;
        LesProfs = new TLesProfs;
        LesClasses = new TLesClasses;
        return;
    }
    LesSeries = nullptr;
    LesProfs = nullptr;
    LesClasses = nullptr;
    bool Sain = false;
    try {
        Sain = Sauveur->LireFichier(Nom.toStdString());
    } catch (const EErreurFichier& Erreur) {
        LacherFichier();
        AfficherErreur(Erreur);
        return;
    }
    // A file that failed to open is never the one a save writes over: saving asks for a name.
    NomFichierOuverture = Nom.toStdString();
    if (Sain)
        NomFichierEnregistrement = Nom.toStdString();
    else
        LacherFichier();
    MontrerFichier(Nom);
}

void TFTable::FormDestroy() {
    // Blocks held by an unfinished drag go before the collections and the panels.
    BlocPris.reset();
    BlocJumeau.reset();
    delete Automate;
    Automate = nullptr;
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
    if (Registre) {
        const QRect Normale = normalGeometry().isValid() ? normalGeometry() : geometry();
        Registre->EcrireFenetre({static_cast<std::uint32_t>(Normale.width()),
                                 static_cast<std::uint32_t>(Normale.height()), isMaximized()});
        Registre->EcrireQualiteVisible(!PaneQualite->isHidden());
    }
    DetruireGlobal(Registre);
    DetruireGlobal(Sauveur);
}

TClasse* TFTable::ClasseDe(const QComboBox& Liste) const {
    return LesClasses ? LesClasses->Trouver(TexteListe(Liste)) : nullptr;
}

TProf* TFTable::ProfDe(const QComboBox& Liste) const {
    return LesProfs ? LesProfs->Trouver(TexteListe(Liste)) : nullptr;
}

void TFTable::CBclasseChange() {
    if (LesClasses)
        if (TClasse* Ancienne = LesClasses->Trouver(LegendePClasse))
            Ancienne->AfficherBlocs(false);
    const std::string Nom = TexteListe(*ui->CBclasse);
    if (TClasse* Classe = ClasseDe(*ui->CBclasse)) {
        Classe->AfficherBlocs(true);
        if (Classe->Serie)
            ui->L_serie->setText(VersQt(Classe->Serie->Nom));
        RemplirSGens(*Classe);
    }
    LegendePClasse = Nom;
    ui->SGclasse->viewport()->update(); // the cells show this class's availability
}

void TFTable::CBprofChange() {
    if (LesProfs)
        if (TProf* Ancien = LesProfs->Trouver(LegendePProf))
            Ancien->AfficherBlocs(false);
    const std::string Nom = TexteListe(*ui->CBprof);
    if (TProf* Prof = ProfDe(*ui->CBprof)) {
        Prof->AfficherBlocs(true);
        ui->L_matiere->setText(VersQt(Prof->Matiere));
        RemplirSGcours(*Prof);
    }
    LegendePProf = Nom;
    ui->SGProf->viewport()->update();
}

void TFTable::RemplirSGens(TClasse& Classe) {
    const TLesHeures* Heures = Classe.Serie ? Classe.Serie->Heures.get() : nullptr;
    const int n = Heures ? Heures->Nombre() : 0;
    PreparerResume(*ui->SGens, n);
    for (int k = 1; k <= n; ++k) {
        const THeures& Matiere = *Heures->Numero(static_cast<std::size_t>(k));
        const unsigned Placees = Classe.CompterQuarts(Matiere.Nom);
        EcrireResume(*ui->SGens, k, Matiere.Nom, Matiere.Volume, Placees, Matiere.Volume);
    }
}

void TFTable::RemplirSGcours(TProf& Prof) {
    const int n = Prof.Heures->Nombre();
    PreparerResume(*ui->SGcours, n);
    for (int k = 1; k <= n; ++k) {
        const THeures& Entree = *Prof.Heures->Numero(static_cast<std::size_t>(k));
        const unsigned APlacer = Prof.RafraichirVolume(Entree.Nom);
        const unsigned Placees = Prof.CompterQuarts(Entree.Nom);
        EcrireResume(*ui->SGcours, k, Entree.Nom, APlacer, Placees, Entree.Volume);
    }
}

void TFTable::RafraichirVues() {
    const std::string Prof = TexteListe(*ui->CBprof);
    if (LesProfs)
        RemplirListe(*ui->CBprof, *LesProfs);
    else
        ui->CBprof->clear();
    SelectionnerNom(*ui->CBprof, Prof);
    const std::string Classe = TexteListe(*ui->CBclasse);
    if (LesClasses)
        RemplirListe(*ui->CBclasse, *LesClasses);
    else
        ui->CBclasse->clear();
    SelectionnerNom(*ui->CBclasse, Classe);
    CBclasseChange();
    CBprofChange();
    AfficherConflits();
    ActualiserQualite();
}

void TFTable::ViderAffichage() {
    ui->CBclasse->clear();
    ui->CBprof->clear();
    for (QTableWidget* Resume : {ui->SGens, ui->SGcours})
        PreparerResume(*Resume, 0);
    ui->L_serie->setText(QStringLiteral("..."));
    ui->L_matiere->setText(QStringLiteral("..."));
}

std::string TFTable::ClasseAffichee() const {
    return TexteListe(*ui->CBclasse);
}

std::string TFTable::ProfAffiche() const {
    return TexteListe(*ui->CBprof);
}

void TFTable::RetablirAffichage(const std::string& Classe, const std::string& Prof) {
    SelectionnerNom(*ui->CBclasse, Classe);
    SelectionnerNom(*ui->CBprof, Prof);
    CBclasseChange();
    CBprofChange();
    AfficherConflits();
    ActualiserQualite();
}

void TFTable::SBClasseChange() {
    ui->PClasse->move(0, -ui->SBClasse->value());
}

void TFTable::SBProfChange() {
    ui->PProf->move(0, -ui->SBProf->value());
}

void TFTable::SGclasseMouseWheel(int Crans) {
    ui->SBClasse->setValue(ui->SBClasse->value() +
                           Crans * CransParMolette * ui->SBClasse->singleStep());
}

void TFTable::SGProfMouseWheel(int Crans) {
    ui->SBProf->setValue(ui->SBProf->value() + Crans * CransParMolette * ui->SBProf->singleStep());
}

bool TFTable::eventFilter(QObject* Objet, QEvent* Evenement) {
    const bool VueClasse = Objet == ui->SGclasse->viewport() || Objet == ui->PClasse;
    const bool VueProf = Objet == ui->SGProf->viewport() || Objet == ui->PProf;
    if (!VueClasse && !VueProf)
        return QMainWindow::eventFilter(Objet, Evenement);
    if (Evenement->type() == QEvent::Wheel) {
        // Whole notches only; a fine-grained wheel adds up until it makes one.
        RestantMolette -= static_cast<QWheelEvent*>(Evenement)->angleDelta().y();
        const int Crans = RestantMolette / UnCran;
        RestantMolette %= UnCran;
        if (Crans != 0)
            VueClasse ? SGclasseMouseWheel(Crans) : SGProfMouseWheel(Crans);
        return true;
    }
    if (Evenement->type() == QEvent::MouseMove && Objet != ui->PClasse && Objet != ui->PProf)
        (VueClasse ? ui->SGclasse : ui->SGProf)->setFocus(); // the wheel acts where the pointer is
    return QMainWindow::eventFilter(Objet, Evenement);
}

void TFTable::closeEvent(QCloseEvent* Evenement) {
    bool Fermer = false; // a save that failed keeps the window and its changes
    Commande([&] { Fermer = FormCloseQuery(); });
    if (Fermer)
        Evenement->accept();
    else
        Evenement->ignore();
}
