// Locked courses and courses standing on interdit cells, as the window guards and shows them.
#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "storage/U_fichier.h"
#include "ui/main/U_blocvue.h"
#include "ui/main/U_glisser.h"
#include "ui/main/U_princ.h"
#include "ui_princ.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

TClasse* TFTable::ClasseDuCours(const TBloc& Bloc) const {
    if (Bloc.DeClasse())
        return ClasseDe(*ui->CBclasse);
    const TProf* Prof = ProfDe(*ui->CBprof);
    return Prof && LesClasses ? LesClasses->Trouver(Prof->LireCase(JourDeGauche(Bloc.Gauche()),
                                                                   QuartDeHaut(Bloc.Haut())))
                              : nullptr;
}

bool TFTable::CoursVerrouille(const TBloc& Bloc) const {
    const TClasse* Classe = ClasseDuCours(Bloc);
    return Classe && Classe->Verrouillee(JourDeGauche(Bloc.Gauche()), QuartDeHaut(Bloc.Haut()));
}

bool TFTable::CoursEnConflit(const TBloc& Bloc) const {
    const TClasse* Classe = ClasseDuCours(Bloc);
    return Classe && Classe->EnConflit(JourDeGauche(Bloc.Gauche()), QuartDeHaut(Bloc.Haut()));
}

bool TFTable::RefuserVerrouille(const TBloc& Bloc) const {
    if (!CoursVerrouille(Bloc))
        return false;
    Messages().Bip();
    return true;
}

void TFTable::Verrouiller1Click() {
    const TBloc* Bloc = BlocMenu ? BlocMenu->Bloc() : nullptr;
    TClasse* Classe = Bloc ? ClasseDuCours(*Bloc) : nullptr;
    if (!Classe)
        return;
    const TJour d = JourDeGauche(Bloc->Gauche());
    const TQuart r = QuartDeHaut(Bloc->Haut());
    Classe->Verrouiller(d, r, !Classe->Verrouillee(d, r));
    Sauveur->Memoriser();
    RafraichirVues();
}

void TFTable::NommerVerrou(const TBloc& Bloc) {
    if (auto* Entree = PPMCours->findChild<QAction*>(QStringLiteral("Verrouiller1")))
        Entree->setText(CoursVerrouille(Bloc) ? QStringLiteral("Dé&verrouiller")
                                              : QStringLiteral("&Verrouiller"));
}

void TFTable::ConstruireConflits() {
    auto* Etiquette = new QLabel(this);
    Etiquette->setObjectName(QStringLiteral("L_conflits"));
    Etiquette->setStyleSheet(QStringLiteral("color: #c00000"));
    statusBar()->addWidget(Etiquette);
    statusBar()->setSizeGripEnabled(false);
}

// A course that a cell made interdit after it was placed stays; the user is told how many.
void TFTable::AfficherConflits() {
    std::size_t n = 0;
    for (std::size_t c = 1; LesClasses && c <= LesClasses->Nombre(); ++c)
        n += LesClasses->Numero(c)->CoursEnConflit();
    auto* Etiquette = findChild<QLabel*>(QStringLiteral("L_conflits"));
    Etiquette->setText(n == 0   ? QString()
                       : n == 1 ? QStringLiteral("1 cours sur une case interdite")
                                : QStringLiteral("%1 cours sur des cases interdites").arg(n));
}
