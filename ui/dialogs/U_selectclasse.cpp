#include "U_selectclasse.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "ui/main/U_aide.h"
#include "ui/main/U_centrage.h"
#include "ui/main/U_listes.h"
#include "ui/main/U_rubriques.h"
#include "ui/main/U_texteqt.h"
#include "ui_selectclasse.h"

TFselectclasse::TFselectclasse(QWidget* Proprietaire)
    : QDialog(Proprietaire, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::TFselectclasse>()) {
    ui->setupUi(this);
    setFixedSize(size());
    FixerRubrique(this, Rubrique::ChoixClasse);
    FixerRubrique(ui->CBclasse, Rubrique::Classes);
    FixerRubrique(ui->E_serie, Rubrique::Classes);
    connect(ui->CBclasse, &QComboBox::activated, this, &TFselectclasse::CBclasseClick);
    connect(ui->B_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->B_aide, &QPushButton::clicked, this, &TFselectclasse::B_aideClick);
    CentrerSurEcran(this);
}

TFselectclasse::~TFselectclasse() = default;

void TFselectclasse::Preparer(const std::string& NomClasse, const std::string& Matiere) {
    ui->CBclasse->clear();
    for (std::size_t n = 1; LesClasses && n <= LesClasses->Nombre(); ++n) {
        const TClasse& Classe = *LesClasses->Numero(n);
        if (Classe.Serie && Classe.Serie->Heures->Existe(Matiere))
            ui->CBclasse->addItem(VersQt(Classe.Nom), QByteArray::fromStdString(Classe.Nom));
    }
    SelectionnerNom(*ui->CBclasse, NomClasse);
    ClasseChoisie = TexteListe(*ui->CBclasse);
}

void TFselectclasse::CBclasseClick() {
    const std::string Nom = TexteListe(*ui->CBclasse);
    const TClasse* Classe = LesClasses ? LesClasses->Trouver(Nom) : nullptr;
    if (!Classe) {
        Messages().Message(Ansi("Erreur: cette classe n'existe pas"));
        return;
    }
    ClasseChoisie = Nom;
    ui->E_serie->setText(VersQt(Classe->Serie->Nom));
}

void TFselectclasse::B_aideClick() {
    Aide().AfficherRubrique(Rubrique::ChoixClasse);
}
