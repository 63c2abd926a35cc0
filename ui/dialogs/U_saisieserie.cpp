#include "U_saisieserie.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_formesaisie.h"
#include "ui/dialogs/U_modifduree.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_canevasqt.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"
#include "ui_saisieserie.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <optional>

namespace {

enum { ColonneNom, ColonneVolume, ColonneCouleur };

// The model's bytes of a name loaded into a cell, kept for as long as its text is not edited.
constexpr int RoleNom = Qt::UserRole;

// The colour a colour cell names: its text as an integer.
std::optional<QColor> CouleurCellule(const QModelIndex& Index) {
    std::int32_t Valeur = 0;
    if (Index.column() != ColonneCouleur || !TexteEntier(VersAnsi(Index.data().toString()), Valeur))
        return std::nullopt;
    return CouleurQt(static_cast<TCouleur>(Valeur));
}

// Cells are edited as names are typed; a colour cell is painted in its colour.
class TDelegueSerie final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* Parent, const QStyleOptionViewItem& Option,
                          const QModelIndex& Index) const override {
        QWidget* Editeur = QStyledItemDelegate::createEditor(Parent, Option, Index);
        if (auto* Ligne = qobject_cast<QLineEdit*>(Editeur))
            LimiterAnsi(*Ligne);
        return Editeur;
    }

    // A volume typed that would not read back as typed is refused: the cell keeps its value.
    void setModelData(QWidget* Editeur, QAbstractItemModel* Modele,
                      const QModelIndex& Index) const override {
        const auto* Ligne = qobject_cast<QLineEdit*>(Editeur);
        TQuart Quart = 0;
        if (Index.column() == ColonneVolume && Ligne && !Ligne->text().isEmpty() &&
            !HeureExacte(VersAnsi(Ligne->text()), Quart)) {
            // Said once the editor has closed: a box opening now would take the editor's
            // focus and have it committed a second time.
            QMetaObject::invokeMethod(
                parent(), [Texte = Ligne->text()] { RefuserHeure(Texte); }, Qt::QueuedConnection);
            return;
        }
        QStyledItemDelegate::setModelData(Editeur, Modele, Index);
    }

    // The style would draw the selection and the focus over the colour: a frame shows the
    // cell that has the focus instead.
    void paint(QPainter* Peintre, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override {
        QStyledItemDelegate::paint(Peintre, Option, Index);
        if (!CouleurCellule(Index) || !(Option.state & QStyle::State_HasFocus))
            return;
        Peintre->save();
        Peintre->setPen(QPen(Option.palette.highlight(), 2));
        Peintre->drawRect(QRectF(Option.rect).adjusted(1, 1, -1, -1));
        Peintre->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override {
        QStyledItemDelegate::initStyleOption(Option, Index);
        const std::optional<QColor> Fond = CouleurCellule(Index);
        if (!Fond)
            return;
        Option->backgroundBrush = *Fond;
        Option->palette.setColor(QPalette::Text, qGray(Fond->rgb()) < 128 ? Qt::white : Qt::black);
        Option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
};

} // namespace

TF_serie::TF_serie(QWidget* Proprietaire)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TF_serie>()) {
    ui->setupUi(this);
    PreparerFormeSaisie(*this, Rubrique::Series);
    PreparerBoiteNom(*ui->CB_nom, [this] { CB_nomKeyPress(); });
    connect(ui->CB_nom, &QComboBox::activated, this, &TF_serie::CB_nomClick);

    QTableWidget& Grille = *ui->SGHeureMatiere;
    Grille.setColumnCount(3);
    Grille.setHorizontalHeaderLabels({QStringLiteral("Matieres"), QStringLiteral("Nb d'heures"),
                                      QStringLiteral("Couleur Associée")});
    Grille.verticalHeader()->hide();
    Grille.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grille.verticalHeader()->setDefaultSectionSize(22);
    QHeaderView& Entete = *Grille.horizontalHeader();
    Entete.setSectionResizeMode(QHeaderView::Fixed);
    Entete.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Entete.setHighlightSections(false);
    // The colour column takes what the grid has left, so that its header is read whole.
    Entete.setStretchLastSection(true);
    int c = 0;
    for (const int Largeur : {102, 100, 90})
        Grille.setColumnWidth(c++, Largeur);
    Grille.setSelectionMode(QAbstractItemView::SingleSelection);
    Grille.setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    Grille.setTabKeyNavigation(true);
    Grille.setWordWrap(false);
    Grille.setItemDelegate(new TDelegueSerie(&Grille));
    // A click selects its cell when the button comes up, so that the dialog it opens gets
    // the release; the keyboard selects at once.
    Grille.viewport()->installEventFilter(this);
    connect(&Grille, &QTableWidget::currentCellChanged, this, [this](int Rangee, int Colonne) {
        if (!BoutonEnfonce && Rangee >= 0)
            SGHeureMatiereSelectCell(Colonne, Rangee);
    });
    connect(&Grille, &QTableWidget::cellClicked, this,
            [this](int Rangee, int Colonne) { SGHeureMatiereSelectCell(Colonne, Rangee); });
    connect(&Grille, &QTableWidget::itemChanged, this, &TF_serie::AjusterRangees);

    connect(ui->B_Ajouter, &QPushButton::clicked, this, &TF_serie::B_AjouterClick);
    connect(ui->B_Modifier, &QPushButton::clicked, this, &TF_serie::B_ModifierClick);
    connect(ui->B_Supprimer, &QPushButton::clicked, this, &TF_serie::B_SupprimerClick);
    connect(ui->B_aide, &QPushButton::clicked, this, &TF_serie::B_aideClick);
    connect(ui->B_fin, &QPushButton::clicked, this, &TF_serie::B_finClick);
    FormCreate();
}

TF_serie::~TF_serie() = default;

void TF_serie::FormCreate() {
    RemplirBoiteNom(*ui->CB_nom, *LesSeries);
    ui->CB_nom->setCurrentIndex(ui->CB_nom->count() > 0 ? 0 : -1);
    CB_nomClick();
}

void TF_serie::FixerNom(const std::string& Nom) {
    AfficherNom(*ui->CB_nom, Nom);
}

bool TF_serie::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (Objet == ui->SGHeureMatiere->viewport()) {
        const auto Type = Evenement->type();
        if (Type == QEvent::MouseButtonPress || Type == QEvent::MouseButtonDblClick)
            BoutonEnfonce = true;
        else if (Type == QEvent::MouseButtonRelease)
            BoutonEnfonce = false;
    }
    return QDialog::eventFilter(Objet, Evenement);
}

void TF_serie::ViderGrille(int Rangees) {
    QTableWidget& Grille = *ui->SGHeureMatiere;
    // Rows going away may move the current cell: that is no selection of the user's.
    const QSignalBlocker Bloque(Grille);
    Grille.clearContents();
    Grille.setRowCount(Rangees);
}

void TF_serie::AjusterRangees() {
    QTableWidget& Grille = *ui->SGHeureMatiere;
    int Derniere = -1;
    for (int r = Grille.rowCount() - 1; r >= 0 && Derniere < 0; --r)
        for (int c = 0; c < Grille.columnCount(); ++c)
            if (!Cellule(r, c).isEmpty())
                Derniere = r;
    const int Voulues = std::max(RangeesMin, Derniere + 2);
    if (Grille.rowCount() < Voulues)
        Grille.setRowCount(Voulues);
}

QString TF_serie::Cellule(int Rangee, int Colonne) const {
    const QTableWidgetItem* Item = ui->SGHeureMatiere->item(Rangee, Colonne);
    return Item ? Item->text() : QString();
}

void TF_serie::EcrireCellule(int Rangee, int Colonne, const QString& Texte) {
    QTableWidget& Grille = *ui->SGHeureMatiere;
    if (QTableWidgetItem* Item = Grille.item(Rangee, Colonne))
        Item->setText(Texte);
    else
        Grille.setItem(Rangee, Colonne, new QTableWidgetItem(Texte));
}

std::vector<TLigneMatiere> TF_serie::LireGrille() const {
    const QTableWidget& Grille = *ui->SGHeureMatiere;
    std::vector<TLigneMatiere> Lignes;
    Lignes.reserve(static_cast<std::size_t>(Grille.rowCount()));
    for (int r = 0; r < Grille.rowCount(); ++r) {
        std::string Nom = VersAnsi(Cellule(r, ColonneNom));
        if (const QTableWidgetItem* Item = Grille.item(r, ColonneNom)) {
            const std::string Charge = Item->data(RoleNom).toByteArray().toStdString();
            if (!Charge.empty() && VersQt(Charge) == Item->text())
                Nom = Charge;
        }
        Lignes.push_back({std::move(Nom), VersAnsi(Cellule(r, ColonneVolume)),
                          VersAnsi(Cellule(r, ColonneCouleur))});
    }
    return Lignes;
}

void TF_serie::CB_nomClick() {
    ViderGrille();
    const TSerie* Serie = LesSeries->Trouver(NomSaisi(*ui->CB_nom));
    if (!Serie)
        return;
    const QSignalBlocker Bloque(ui->SGHeureMatiere);
    ViderGrille(std::max<int>(RangeesMin, Serie->Heures->Nombre() + 1));
    for (std::size_t n = 1; n <= Serie->Heures->Nombre(); ++n) {
        const THeures& Matiere = *Serie->Heures->Numero(n);
        const int r = static_cast<int>(n - 1);
        EcrireCellule(r, ColonneNom, VersQt(Matiere.Nom));
        ui->SGHeureMatiere->item(r, ColonneNom)
            ->setData(RoleNom, QByteArray::fromStdString(Matiere.Nom));
        EcrireCellule(r, ColonneVolume, VersQt(TexteHeure(static_cast<TQuart>(Matiere.Volume))));
        // Signed, as the file writes it and as it reads back.
        EcrireCellule(r, ColonneCouleur,
                      QString::number(static_cast<std::int32_t>(Matiere.Couleur)));
    }
}

void TF_serie::CB_nomKeyPress() {
    ViderGrille();
}

void TF_serie::SGHeureMatiereSelectCell(int Colonne, int Rangee) {
    if (Colonne == ColonneVolume && FTable) {
        TFmodifduree Fmodifduree(this, FTable->DureeChoisie);
        Fmodifduree.FixerBornes(0, 40);
        Fmodifduree.FixerDuree(HeureTexte(VersAnsi(Cellule(Rangee, ColonneVolume))));
        if (FTable->ExecuterModal(Fmodifduree) == QDialog::Accepted)
            EcrireCellule(Rangee, ColonneVolume,
                          VersQt(TexteHeure(static_cast<TQuart>(FTable->DureeChoisie))));
    } else if (Colonne == ColonneCouleur) {
        // A colour of 0 or none: the picker shows the colour it showed last.
        std::optional<QColor> Actuelle;
        std::int32_t Valeur = 0;
        if (TexteEntier(VersAnsi(Cellule(Rangee, ColonneCouleur)), Valeur) && Valeur != 0)
            Actuelle = CouleurQt(static_cast<TCouleur>(Valeur));
        try {
            if (const std::optional<QColor> Choisie = Dialogues().ChoisirCouleur(this, Actuelle))
                EcrireCellule(Rangee, ColonneCouleur, QString::number(CouleurDeQt(*Choisie)));
        } catch (...) {
            Messages().Erreur(Ansi("Erreur lors de la sélection de couleurs"));
        }
    }
}

// A row whose name is empty is an empty row; one of blanks only names no subject.
bool TF_serie::MatieresNommees() const {
    for (const TLigneMatiere& Ligne : LireGrille())
        if (!Ligne.Nom.empty() && !NomDonne(Ligne.Nom, "de chaque matière"))
            return false;
    return true;
}

bool TF_serie::Modifier() {
    TSerie* Serie = LesSeries->Trouver(NomSaisi(*ui->CB_nom));
    if (!Serie) {
        Messages().Erreur(Ansi("La série n'existe pas"));
        return false;
    }
    return MatieresNommees() && Serie->Remplacer(LireGrille());
}

void TF_serie::B_AjouterClick() {
    FTable->Commande(
        [this] {
            const std::string Nom = NomSaisi(*ui->CB_nom);
            if (LesSeries->Existe(Nom)) {
                Messages().Erreur(Ansi("Une série de ce nom existe déjà"));
                return;
            }
            if (!NomDonne(Nom, "de la série") || !MatieresNommees())
                return;
            LesSeries->AjouterSerie(Nom);
            RemplirBoiteNom(*ui->CB_nom, *LesSeries);
            Modifier();
            Sauveur->Memoriser();
        },
        this);
}

void TF_serie::B_ModifierClick() {
    FTable->Commande(
        [this] {
            if (Modifier())
                Sauveur->Memoriser();
        },
        this);
}

void TF_serie::B_SupprimerClick() {
    FTable->Commande(
        [this] {
            const std::string Nom = NomSaisi(*ui->CB_nom);
            const bool Existait = LesSeries->Existe(Nom);
            // Its classes go with it, and their courses.
            LesSeries->Supprimer(Nom);
            ViderGrille();
            RemplirBoiteNom(*ui->CB_nom, *LesSeries, false);
            if (Existait)
                Sauveur->Memoriser();
        },
        this);
}

void TF_serie::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::Series);
}

void TF_serie::B_finClick() {
    reject();
}

void TFTable::Serie1Click() {
    TF_serie F_serie(this);
    QCoreApplication::processEvents();
    if (const TClasse* Classe = LesClasses->Trouver(ClasseAffichee())) {
        F_serie.FixerNom(Classe->Serie->Nom);
        F_serie.CB_nomClick();
    }
    ExecuterModal(F_serie);
}
