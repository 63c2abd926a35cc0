#include "U_quiestlibre.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "scheduling/U_libres.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"
#include "ui_quiestlibre.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace {

// Why a teacher stands where it does in the list, by its rank.
QString RaisonRang(int Rang) {
    switch (Rang) {
    case 0:
        return QStringLiteral("enseigne une matière qui manque à la classe");
    case 1:
        return QStringLiteral("déjà présent ce jour-là");
    default:
        return QStringLiteral("autre");
    }
}

// "08h00-09h45 2nde 1, 13h00-14h00 1re S2": that day's courses of the teacher.
QString CoursDuJour(const TProfLibre& Libre, TJour Jour) {
    QStringList Cours;
    for (const auto& [Premier, Dernier] : Libre.Cours)
        Cours << VersQt(TexteHeure(Premier) + "-" + TexteHeure(static_cast<TQuart>(Dernier + 1)) +
                        " " + Libre.Prof->LireCase(Jour, Premier));
    return Cours.isEmpty() ? QStringLiteral("aucun") : Cours.join(QStringLiteral(", "));
}

QString TexteNombre(std::size_t n) {
    if (n == 0)
        return QStringLiteral("Aucun professeur libre.");
    return n == 1 ? QStringLiteral("1 professeur libre.")
                  : QStringLiteral("%1 professeurs libres.").arg(n);
}

} // namespace

TF_quiestlibre::TF_quiestlibre(QWidget* Proprietaire)
    : QDialog(Proprietaire, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TF_quiestlibre>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    FixerRubrique(this, Rubrique::QuiEstLibre);
    for (TJour d = 0; d < NombreJours; ++d)
        ui->CBjour->addItem(VersQt(NomJour(d)));
    for (int q = QuartDebutGrille; q < QuartFinGrille; ++q) {
        ui->CBdebut->addItem(VersQt(TexteHeure(static_cast<TQuart>(q))));
        ui->CBfin->addItem(VersQt(TexteHeure(static_cast<TQuart>(q + 1))));
    }
    QTableWidget& Liste = *ui->SGlibres;
    Liste.setColumnCount(5);
    Liste.setHorizontalHeaderLabels({QStringLiteral("Professeur"), QStringLiteral("Matière"),
                                     QStringLiteral("Rang"), QStringLiteral("Trous"),
                                     QStringLiteral("Cours ce jour-là")});
    Liste.verticalHeader()->hide();
    Liste.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Liste.horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    Liste.verticalHeader()->setDefaultSectionSize(Liste.fontMetrics().height() + 6);
    Liste.setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste.setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste.setSelectionMode(QAbstractItemView::SingleSelection);
    Liste.setWordWrap(false);
    connect(ui->CBjour, &QComboBox::currentIndexChanged, this, [this] { ChoixChange(true); });
    connect(ui->CBdebut, &QComboBox::currentIndexChanged, this, [this] { ChoixChange(true); });
    connect(ui->CBfin, &QComboBox::currentIndexChanged, this, [this] { ChoixChange(false); });
    connect(&Liste, &QTableWidget::cellDoubleClicked, this,
            [this](int Rangee) { SGlibresDblClick(Rangee); });
    connect(ui->B_fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->B_aide, &QPushButton::clicked, this,
            [] { Aide().AfficherRubrique(Rubrique::QuiEstLibre); });
    MontrerChoix();
}

TF_quiestlibre::~TF_quiestlibre() = default;

void TF_quiestlibre::Choisir(TJour Jour_, TQuart Debut_, TQuart Fin_) {
    Jour = Jour_;
    Debut = Debut_;
    Fin = Fin_;
    MontrerChoix();
    Actualiser();
}

void TF_quiestlibre::MontrerChoix() {
    const QSignalBlocker b1(ui->CBjour), b2(ui->CBdebut), b3(ui->CBfin);
    ui->CBjour->setCurrentIndex(Jour);
    ui->CBdebut->setCurrentIndex(Debut - QuartDebutGrille);
    ui->CBfin->setCurrentIndex(Fin - QuartDebutGrille);
}

// A start after the end takes the end with it, and the other way round: the range stays
// one the user can read.
void TF_quiestlibre::ChoixChange(bool DebutChoisi) {
    const auto j = static_cast<TJour>(ui->CBjour->currentIndex());
    auto d = static_cast<TQuart>(QuartDebutGrille + ui->CBdebut->currentIndex());
    auto f = static_cast<TQuart>(QuartDebutGrille + ui->CBfin->currentIndex());
    if (f < d && DebutChoisi)
        f = d;
    else if (f < d)
        d = f;
    if (!FTable || !FTable->Commande([&] { Choisir(j, d, f); }, this))
        MontrerChoix();
}

void TF_quiestlibre::Actualiser() {
    const std::string NomClasse = FTable ? FTable->ClasseAffichee() : std::string();
    const TClasse* Classe = LesClasses ? LesClasses->Trouver(NomClasse) : nullptr;
    ui->L_classe->setText(Classe ? QStringLiteral("Classe affichée : %1").arg(VersQt(Classe->Nom))
                                 : QStringLiteral("Aucune classe affichée."));
    const std::vector<TProfLibre> Libres =
        Automate ? QuiEstLibre(*Automate, Jour, Debut, Fin, Classe) : std::vector<TProfLibre>{};
    QTableWidget& Liste = *ui->SGlibres;
    const QList<QTableWidgetItem*> Choisis = Liste.selectedItems();
    const QByteArray Choisi =
        Choisis.isEmpty() ? QByteArray() : Choisis[0]->data(Qt::UserRole).toByteArray();
    Liste.clearContents();
    Liste.setRowCount(static_cast<int>(Libres.size()));
    for (int r = 0; r < Liste.rowCount(); ++r) {
        const TProfLibre& l = Libres[static_cast<std::size_t>(r)];
        const QString Textes[] = {VersQt(l.Prof->Nom), VersQt(l.Prof->Matiere), RaisonRang(l.Rang),
                                  VersQt(TexteHeure(static_cast<TQuart>(l.Trous))),
                                  CoursDuJour(l, Jour)};
        for (int c = 0; c < 5; ++c)
            Liste.setItem(r, c, new QTableWidgetItem(Textes[c]));
        Liste.item(r, 4)->setToolTip(Textes[4]); // a long day may not show whole
        // The exact bytes: names Windows-1252 leaves undefined may read alike.
        const QByteArray Nom(l.Prof->Nom.data(), static_cast<qsizetype>(l.Prof->Nom.size()));
        Liste.item(r, 0)->setData(Qt::UserRole, Nom);
        if (Nom == Choisi)
            Liste.selectRow(r);
    }
    ui->L_nombre->setText(TexteNombre(Libres.size()));
}

// As the teacher list does: that teacher in the teacher view, the class kept.
void TF_quiestlibre::SGlibresDblClick(int Rangee) {
    const QTableWidgetItem* Cellule = ui->SGlibres->item(Rangee, 0);
    if (!Cellule || !FTable)
        return;
    const QByteArray Octets = Cellule->data(Qt::UserRole).toByteArray();
    const std::string Nom(Octets.constData(), static_cast<std::size_t>(Octets.size()));
    FTable->Commande([Nom] { FTable->RetablirAffichage(FTable->ClasseAffichee(), Nom); }, this);
}
