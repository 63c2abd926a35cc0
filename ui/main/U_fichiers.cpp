// The file commands: new, open, save, save as, quit, and the save prompt.
#include "model/U_messages.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"
#include "storage/U_registre.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_princ.h"

#include <QCoreApplication>

namespace {

const QString Legende = QStringLiteral("Horalo - Emploi du temps - ");

QString DossierRetenu() {
    return Registre ? QString::fromStdString(Registre->LireDossier()) : QString();
}

} // namespace

bool TFTable::PeutRemplacer() {
    if (!Sauveur || !Sauveur->Modifie)
        return true;
    switch (Messages().ConfirmerAvecAbandon(Ansi("Voulez vous sauvegarder ?"))) {
    case TReponse::Oui:
        // A save that did not happen (cancelled, or failed) keeps the timetable as it is.
        Enregistrer1Click();
        return !Sauveur->Modifie;
    case TReponse::Non:
        return true;
    case TReponse::Abandon:
        break;
    }
    return false;
}

void TFTable::Nouveau1Click() {
    if (!PeutRemplacer())
        return;
    Sauveur->ViderModele();
    Sauveur->Reinitialiser();
}

void TFTable::Ouvrir1Click() {
    const QString Chemin = Dialogues().OuvrirFichier(
        this, DossierRetenu(), [this](const QString& Dossier) { DialogFolderChange(Dossier); });
    if (Chemin.isEmpty() || !PeutRemplacer())
        return;
    Sauveur->ViderModele();
    Sauveur->Reinitialiser();
    const bool Sain = Sauveur->LireFichier(Chemin.toStdString());
    NomFichierOuverture = Chemin.toStdString();
    // A file that failed to open is never the one a save writes over.
    if (Sain)
        NomFichierEnregistrement = Chemin.toStdString();
    setWindowTitle(Legende + Chemin);
}

void TFTable::Enregistrer1Click() {
    if (NomFichierEnregistrement == "Defaut") {
        Enregistrersous1Click();
        return;
    }
    Sauveur->EcrireFichier(NomFichierEnregistrement);
    setWindowTitle(Legende + QString::fromStdString(NomFichierEnregistrement));
    Sauveur->Reinitialiser();
}

void TFTable::Enregistrersous1Click() {
    const QString Chemin = Dialogues().EnregistrerFichier(
        this, DossierRetenu(), QString::fromStdString(NomFichierEnregistrement),
        [this](const QString& Dossier) { DialogFolderChange(Dossier); });
    if (Chemin.isEmpty())
        return;
    NomFichierEnregistrement = Chemin.toStdString();
    Enregistrer1Click();
}

void TFTable::DialogFolderChange(const QString& Dossier) {
    if (Registre)
        Registre->EcrireDossier(Dossier.toStdString());
}

void TFTable::Quitter1Click() {
    close();
}

bool TFTable::FormCloseQuery() {
    QCoreApplication::processEvents();
    return PeutRemplacer();
}
