#include "tests/ui/FenetreDeTest.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTest>
#include <QWindow>

FenetreTest::~FenetreTest() {
    Table.reset();
    // Widgets of blocks dropped during a drag are deleted from the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FenetreTest::Ouvrir(const QStringList& Arguments) {
    Table = std::make_unique<TFTable>(Arguments);
    Table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Table.get()));
}

void FenetreTest::OuvrirExemple(const QString& Nom) {
    const QString Copie = Copies.filePath(Nom);
    QFile::remove(Copie);
    ASSERT_TRUE(QFile::copy(QStringLiteral(HORALO_EXAMPLES "/") + Nom, Copie));
    Ouvrir({Copie});
}

void FenetreTest::ConstruireEcole() {
    TSerie* S1 = LesSeries->AjouterSerie("S1");
    S1->FixerVolume("Maths", 16);
    S1->FixerVolume("Francais", 12);
    S1->FixerVolume("Anglais", 8);
    LesProfs->AjouterProf("P1", "Maths");
    LesProfs->AjouterProf("P2", "Francais");
    for (const char* Nom : {"C1", "C2"}) {
        TClasse* C = LesClasses->AjouterClasse(Nom, "S1");
        C->AssocierProf("Maths", "P1");
        C->AssocierProf("Francais", "P2");
        P1()->FixerVolumeClasse(Nom, 16);
        P2()->FixerVolumeClasse(Nom, 12);
    }
    Table->RafraichirVues();
    Montrer("C1", "P2");
}

void FenetreTest::Placer(const std::string& Classe, const std::string& Matiere, TJour Jour,
                         TQuart Debut, TQuart Fin) {
    TClasse* C = LesClasses->Trouver(Classe);
    C->PlacerPlage(Jour, Debut, Fin, Matiere);
    LesProfs->Trouver(C->ProfDe(Matiere))->PlacerPlage(Jour, Debut, Fin, Classe);
    Table->RafraichirVues();
}

void FenetreTest::Montrer(const std::string& Classe, const std::string& Prof) {
    Table->RetablirAffichage(Classe, Prof);
}

TBlocVue* FenetreTest::Bloc(const char* Identifiant) const {
    return Table->findChild<TBlocVue*>(QString::fromLatin1(Identifiant));
}

std::vector<std::string> FenetreTest::Cellules(const char* Grille, int Rangee) const {
    auto* G = Controle<QTableWidget>(QString::fromLatin1(Grille));
    const bool Entete = !G->horizontalHeader()->isHidden();
    std::vector<std::string> Textes;
    for (int c = 0; c < G->columnCount(); ++c) {
        const QTableWidgetItem* Cellule =
            Entete && Rangee == 0 ? G->horizontalHeaderItem(c) : G->item(Rangee - Entete, c);
        Textes.push_back(Cellule ? Cellule->text().toStdString() : "");
    }
    return Textes;
}

namespace {

QPoint DansFenetre(const TFTable& Table, QWidget* Widget, QPoint Point) {
    return Table.windowHandle()->mapFromGlobal(Widget->mapToGlobal(Point));
}

} // namespace

void FenetreTest::Appuyer(QWidget* Widget, QPoint Point, Qt::KeyboardModifiers Touches,
                          Qt::MouseButton Bouton) {
    QTest::mousePress(Table->windowHandle(), Bouton, Touches, DansFenetre(*Table, Widget, Point));
}

void FenetreTest::Bouger(QWidget* Widget, QPoint Point) {
    QTest::mouseMove(Table->windowHandle(), DansFenetre(*Table, Widget, Point));
}

void FenetreTest::Relacher(QWidget* Widget, QPoint Point, Qt::MouseButton Bouton) {
    QTest::mouseRelease(Table->windowHandle(), Bouton, {}, DansFenetre(*Table, Widget, Point));
}

void FenetreTest::MenuSur(const char* Identifiant, const char* Entree) {
    TBlocVue* Vue = Bloc(Identifiant);
    ASSERT_NE(Vue, nullptr) << Identifiant;
    const QPoint Point(19, 10);
    Appuyer(Vue, Point, {}, Qt::RightButton);
    Relacher(Vue, Point, Qt::RightButton);
    ASSERT_TRUE(Table->PPMCours->isVisible());
    Table->PPMCours->close();
    if (!Entree)
        return;
    QCursor::setPos(Vue->mapToGlobal(Point));
    QCoreApplication::processEvents();
    auto* Action = Table->findChild<QAction*>(QLatin1String(Entree));
    ASSERT_NE(Action, nullptr) << Entree;
    Action->trigger();
}

QPoint FenetreTest::DansCellule(TJour Jour, TQuart Quart, int dx, int dy) {
    return {39 * (Jour + 1) + dx, 19 * (Quart - 32) + dy};
}

std::string FenetreTest::Plages(const TActeur& Acteur, const std::string& Nom) {
    std::string Texte;
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = 32; s < 80; ++s) {
            if (Acteur.LireCase(d, static_cast<TQuart>(s)) != Nom)
                continue;
            int Fin = s;
            while (Fin + 1 < 80 && Acteur.LireCase(d, static_cast<TQuart>(Fin + 1)) == Nom)
                ++Fin;
            Texte += (Texte.empty() ? "" : " ") + std::to_string(d) + ":" + std::to_string(s) +
                     "-" + std::to_string(Fin);
            s = Fin;
        }
    return Texte;
}
