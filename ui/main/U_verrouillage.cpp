// One writer per timetable, as the window sees it: the lock taken when a file opens, the
// read-only offer when another program holds it, and the checks before a save.
#include "model/U_messages.h"
#include "storage/U_verrou.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"

#include <QFileInfo>

bool TFTable::AccederFichier(const QString& Chemin) {
    if (Verrou && Verrou->Fichier() == QFileInfo(Chemin).absoluteFilePath()) {
        Verrou->NoterEtat(); // read again
        return true;
    }
    auto Nouveau = std::make_unique<TVerrou>(Chemin);
    const auto Tenu = [&] { return DecrireDetenteur(Nouveau->Tenu().value_or(TDetenteur{})); };
    bool Pris = Nouveau->Prendre();
    if (!Pris && Nouveau->Tenu() && !Nouveau->Tenu()->Ici)
        Pris = Messages().Confirmer(VersAnsi(
                   QStringLiteral("« %1 » est verrouillé par %2. Horalo y est peut-être encore "
                                  "ouvert : reprenez le verrou seulement si vous êtes sûr qu'il "
                                  "ne l'est plus.\nVoulez-vous reprendre le verrou ?")
                       .arg(Chemin, Tenu()))) &&
               Nouveau->Prendre(true);
    if (!Pris &&
        !Messages().Confirmer(VersAnsi(QStringLiteral("« %1 » est déjà ouvert par %2.\nVoulez-vous "
                                                      "l'ouvrir en lecture seule ?")
                                           .arg(Chemin, Tenu()))))
        return false;
    Verrou = Pris ? std::move(Nouveau) : nullptr;
    LectureSeule = !Pris;
    if (Verrou)
        Verrou->NoterEtat(); // as about to be read
    return true;
}

void TFTable::LacherFichier() {
    Verrou.reset();
    LectureSeule = false;
}

bool TFTable::PeutEcrire(const QString& Chemin) {
    if (!Verrou || Verrou->Fichier() != QFileInfo(Chemin).absoluteFilePath()) {
        auto Nouveau = std::make_unique<TVerrou>(Chemin);
        if (!Nouveau->Prendre()) {
            Messages().Erreur(VersAnsi(
                QStringLiteral("« %1 » est ouvert par %2 : enregistrez sous un autre nom.")
                    .arg(Chemin, DecrireDetenteur(Nouveau->Tenu().value_or(TDetenteur{})))));
            return false;
        }
        Verrou = std::move(Nouveau); // saved elsewhere: the file left is free again
        return true;
    }
    return !Verrou->ChangeSurDisque() ||
           Messages().Confirmer(VersAnsi(
               QStringLiteral("« %1 » a été modifié sur le disque depuis son ouverture, peut-être "
                              "par un autre programme.\nVoulez-vous le remplacer par l'emploi du "
                              "temps affiché ?")
                   .arg(Chemin)));
}

void TFTable::MontrerFichier(const QString& Chemin) {
    setWindowTitle(QStringLiteral("Horalo - Emploi du temps - ") + Chemin +
                   (LectureSeule ? QStringLiteral(" (lecture seule)") : QString()));
}
