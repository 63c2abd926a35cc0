#include "U_disponibilites.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_formesaisie.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_canevasqt.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_places.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"
#include "ui_disponibilites.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Rangees = TGrilleDispo::QuartsParJour;

// Each cell in its state, from the grid being edited.
class TDelegueDispo final : public QStyledItemDelegate {
public:
    TDelegueDispo(std::function<const TGrilleDispo&()> Grille, QObject* Parent)
        : QStyledItemDelegate(Parent), Grille(std::move(Grille)) {}
    void paint(QPainter* Peintre, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override {
        const TDispo Etat = Grille().Lire(static_cast<TJour>(Index.column()),
                                          static_cast<TQuart>(QuartDebutGrille + Index.row()));
        Peintre->fillRect(Option.rect,
                          Etat == TDispo::Interdit ? CouleurQt(GrisInterdit) : QColor(Qt::white));
        if (Etat != TDispo::Libre)
            Hachurer(*Peintre, Option.rect, Etat == TDispo::Interdit);
    }

private:
    std::function<const TGrilleDispo&()> Grille;
};

} // namespace

TF_dispo::TF_dispo(QWidget* Proprietaire)
    : QDialog(Proprietaire), ui(std::make_unique<Ui::TF_dispo>()) {
    ui->setupUi(this);
    QTableWidget& G = *ui->SG_dispo;
    G.setColumnCount(NombreJours);
    G.setRowCount(Rangees);
    QStringList Jours, Heures;
    for (TJour d = 0; d < NombreJours; ++d)
        Jours << VersQt(NomJour(d));
    for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
        Heures << VersQt(TexteHeure(static_cast<TQuart>(q)));
    G.setHorizontalHeaderLabels(Jours);
    G.setVerticalHeaderLabels(Heures);
    G.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G.horizontalHeader()->setDefaultSectionSize(64);
    G.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G.verticalHeader()->setMinimumSectionSize(1);
    G.verticalHeader()->setDefaultSectionSize(11);
    QFont Petite = G.verticalHeader()->font();
    Petite.setPixelSize(9);
    G.verticalHeader()->setFont(Petite);
    G.setEditTriggers(QAbstractItemView::NoEditTriggers);
    G.setSelectionMode(QAbstractItemView::NoSelection);
    G.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G.setItemDelegate(
        new TDelegueDispo([this]() -> const TGrilleDispo& { return Grille(Courant); }, &G));
    G.setFixedSize(G.verticalHeader()->sizeHint().width() + NombreJours * 64 + 2 * G.frameWidth(),
                   G.horizontalHeader()->sizeHint().height() + Rangees * 11 + 2 * G.frameWidth());
    G.viewport()->installEventFilter(this);
    connect(G.horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int Jour) { Peindre(0, Rangees - 1, Jour, Jour); });
    connect(G.verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int Rang) { Peindre(Rang, Rang, 0, NombreJours - 1); });
    ui->RB_classe->setChecked(true);
    connect(ui->RB_prof, &QRadioButton::toggled, this, [this] { RemplirNoms(); });
    connect(ui->CB_nom, &QComboBox::currentIndexChanged, this, &TF_dispo::CB_nomClick);
    connect(ui->B_copier, &QPushButton::clicked, this, &TF_dispo::B_copierClick);
    connect(ui->B_ok, &QPushButton::clicked, this, &TF_dispo::B_okClick);
    connect(ui->B_annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->B_aide, &QPushButton::clicked, this,
            [] { Aide().AfficherRubrique(Rubrique::Disponibilites); });
    // Every teacher, then every class, may lend its grid.
    for (const bool Prof : {true, false}) {
        const TLesBases* Liste = Prof ? static_cast<const TLesBases*>(LesProfs) : LesClasses;
        for (std::size_t i = 1; Liste && i <= Liste->Nombre(); ++i)
            ui->CB_source->addItem(
                (Prof ? QStringLiteral("Professeur ") : QStringLiteral("Classe ")) +
                    VersQt(Liste->NomNumero(i)),
                QVariant::fromValue(QByteArray(Prof ? "P" : "C") +
                                    QByteArray::fromStdString(Liste->NomNumero(i))));
    }
    RemplirNoms();
    adjustSize();
    PreparerFormeSaisie(*this, Rubrique::Disponibilites);
}

TF_dispo::~TF_dispo() = default;

void TF_dispo::Choisir(bool Prof, const std::string& Nom) {
    (Prof ? ui->RB_prof : ui->RB_classe)->setChecked(true);
    SelectionnerNom(*ui->CB_nom, Nom);
}

void TF_dispo::RemplirNoms() {
    const QSignalBlocker Bloque(ui->CB_nom);
    ui->CB_nom->clear();
    if (ui->RB_prof->isChecked() ? LesProfs != nullptr : LesClasses != nullptr)
        RemplirListe(*ui->CB_nom, ui->RB_prof->isChecked()
                                      ? static_cast<const TLesBases&>(*LesProfs)
                                      : *LesClasses);
    CB_nomClick();
}

void TF_dispo::CB_nomClick() {
    Courant = {ui->RB_prof->isChecked(), TexteListe(*ui->CB_nom)};
    ui->SG_dispo->setEnabled(Acteur(Courant) != nullptr);
    ui->SG_dispo->viewport()->update();
}

TActeur* TF_dispo::Acteur(const TCle& Cle) const {
    if (Cle.first)
        return LesProfs ? LesProfs->Trouver(Cle.second) : nullptr;
    return LesClasses ? LesClasses->Trouver(Cle.second) : nullptr;
}

TGrilleDispo& TF_dispo::Grille(const TCle& Cle) {
    auto i = Modifiees.find(Cle);
    if (i == Modifiees.end()) {
        const TActeur* a = Acteur(Cle);
        i = Modifiees.emplace(Cle, a ? a->Disponibilites() : TGrilleDispo{}).first;
    }
    return i->second;
}

TDispo TF_dispo::EtatChoisi() const {
    if (ui->RB_interdit->isChecked())
        return TDispo::Interdit;
    return ui->RB_aeviter->isChecked() ? TDispo::AEviter : TDispo::Libre;
}

void TF_dispo::Peindre(int PremierRang, int DernierRang, int PremierJour, int DernierJour) {
    if (!Acteur(Courant))
        return;
    TGrilleDispo& G = Grille(Courant);
    for (int d = PremierJour; d <= DernierJour; ++d)
        for (int r = PremierRang; r <= DernierRang; ++r)
            G.Fixer(static_cast<TJour>(d), static_cast<TQuart>(QuartDebutGrille + r), EtatChoisi());
    ui->SG_dispo->viewport()->update();
}

// A fast drag skips cells between two moves: those on the way are painted too.
void TF_dispo::PeindrePoint(QPoint Position) {
    const QModelIndex Index = ui->SG_dispo->indexAt(Position);
    if (!Index.isValid())
        return;
    const QPoint Ici(Index.column(), Index.row());
    const QPoint De = Dernier.x() < 0 ? Ici : Dernier;
    const int Pas = std::max({std::abs(Ici.x() - De.x()), std::abs(Ici.y() - De.y()), 1});
    for (int k = 1; k <= Pas; ++k) {
        const int Jour = De.x() + (Ici.x() - De.x()) * k / Pas;
        const int Rang = De.y() + (Ici.y() - De.y()) * k / Pas;
        Peindre(Rang, Rang, Jour, Jour);
    }
    Dernier = Ici;
}

// Click a cell, or drag over several, to give them the chosen state.
bool TF_dispo::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (Objet != ui->SG_dispo->viewport())
        return QDialog::eventFilter(Objet, Evenement);
    const auto* Souris = dynamic_cast<QMouseEvent*>(Evenement); // null unless a mouse event
    switch (Evenement->type()) {
    case QEvent::MouseButtonPress:
        Peinture = Souris->button() == Qt::LeftButton;
        Dernier = QPoint(-1, -1);
        [[fallthrough]];
    case QEvent::MouseMove:
        if (Peinture)
            PeindrePoint(Souris->position().toPoint());
        return Peinture;
    case QEvent::MouseButtonRelease:
        Peinture = false;
        return true;
    default:
        return false;
    }
}

void TF_dispo::B_copierClick() {
    const std::string Source = ui->CB_source->currentData().toByteArray().toStdString();
    if (Source.empty() || !Acteur(Courant))
        return;
    Grille(Courant) = Grille({Source[0] == 'P', Source.substr(1)});
    ui->SG_dispo->viewport()->update();
}

// Every grid changed in the form goes in at once: one step of the history.
void TF_dispo::B_okClick() {
    FTable->Commande(
        [this] {
            bool Change = false;
            for (const auto& [Cle, G] : Modifiees)
                if (TActeur* a = Acteur(Cle); a && !(a->Disponibilites() == G)) {
                    a->FixerDisponibilites(G);
                    Change = true;
                }
            if (Change)
                Sauveur->Memoriser();
            accept();
        },
        this);
}

void TFTable::Disponibilites1Click() {
    OuvrirDisponibilites(false);
}

void TFTable::DisponibilitesProf1Click() {
    OuvrirDisponibilites(true);
}

void TFTable::OuvrirDisponibilites(bool Prof) {
    TF_dispo F_dispo(this);
    F_dispo.Choisir(Prof, Prof ? ProfAffiche() : ClasseAffichee());
    // Lets the form paint, but no command may start before it is modal.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ExecuterModal(F_dispo);
}
