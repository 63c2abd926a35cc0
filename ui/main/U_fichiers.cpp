// The file commands: new, open, save, save as, quit, and the save prompt.
#include "model/U_messages.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"
#include "storage/U_recuperation.h"
#include "storage/U_registre.h"
#include "storage/U_verrou.h"
#include "ui/main/U_dialogues.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

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
    if (PeutRemplacer()) {
        Vider();
        LacherFichier();
    }
}

// Keeps the lock: Open has just taken the one of the file it reads.
void TFTable::Vider() {
    Sauveur->ViderModele();
    NomFichierEnregistrement = "Defaut";
    Sauveur->Reinitialiser();
}

void TFTable::Ouvrir1Click() {
    const QString Chemin = Dialogues().OuvrirFichier(
        this, DossierRetenu(), QString::fromStdString(NomFichierOuverture),
        [this](const QString& Dossier) { DialogFolderChange(Dossier); });
    if (Chemin.isEmpty() || !PeutRemplacer() || !AccederFichier(Chemin))
        return;
    Vider();
    const bool Sain = Sauveur->LireFichier(Chemin.toStdString());
    Sauveur->Reinitialiser(); // the state read is the history's base
    NomFichierOuverture = Chemin.toStdString();
    // A file that failed to open is never the one a save writes over.
    if (Sain)
        NomFichierEnregistrement = Chemin.toStdString();
    else
        LacherFichier();
    MontrerFichier(Chemin);
}

void TFTable::Enregistrer1Click() {
    // Read-only: the file belongs to another program, so the save goes elsewhere.
    if (NomFichierEnregistrement == "Defaut" || LectureSeule) {
        Enregistrersous1Click();
        return;
    }
    const QString Chemin = QString::fromStdString(NomFichierEnregistrement);
    if (!PeutEcrire(Chemin))
        return;
    Sauveur->EcrireFichier(NomFichierEnregistrement);
    Verrou->NoterEtat();
    MontrerFichier(Chemin);
    Sauveur->Reinitialiser();
}

void TFTable::Enregistrersous1Click() {
    const QString Chemin = Dialogues().EnregistrerFichier(
        this, DossierRetenu(), QString::fromStdString(NomFichierEnregistrement),
        [this](const QString& Dossier) { DialogFolderChange(Dossier); });
    if (Chemin.isEmpty() || !PeutEcrire(Chemin))
        return;
    NomFichierEnregistrement = Chemin.toStdString();
    LectureSeule = false;
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

void TFTable::ProposerRecuperation() {
    const std::vector<TTravailPerdu> Travaux = TravauxPerdus();
    if (Travaux.empty())
        return;
    const TTravailPerdu& Dernier = Travaux.front();
    const bool SansFichier = Dernier.Fichier.empty() || Dernier.Fichier == "Defaut";
    // The file is named: Save writes there, so the user must see it before saying yes.
    const QString Travail =
        SansFichier
            ? QStringLiteral("du travail sans fichier")
            : QStringLiteral("du travail sur « %1 »").arg(QString::fromStdString(Dernier.Fichier));
    const QString Question =
        QStringLiteral("Horalo ne s'est pas fermé normalement. Voulez-vous récupérer le dernier "
                       "état %1 (enregistré le %2 à %3) ?")
            .arg(Travail, Dernier.Date.toString(QStringLiteral("dd/MM")),
                 Dernier.Date.toString(QStringLiteral("HH'h'mm")));
    if (!Messages().Confirmer(VersAnsi(Question))) {
        QDir(Dernier.Dossier).removeRecursively();
        return;
    }
    const std::optional<QByteArray> Octets = LireFichierPrive(Dernier.Instantane, TailleMaxFichier);
    if (!Octets) {
        Messages().Erreur(VersAnsi(QStringLiteral("Impossible de lire « %1 » : le travail reste "
                                                  "dans ce dossier.")
                                       .arg(Dernier.Instantane)));
        return;
    }
    // A damaged snapshot is told by the reader; its folder stays, for another try.
    if (!Sauveur->ChargerOctets(std::string_view(Octets->constData(), Octets->size()),
                                Dernier.Instantane.toStdString()))
        return;
    NomFichierEnregistrement =
        SansFichier || !AccederFichier(QString::fromStdString(Dernier.Fichier)) ? "Defaut"
                                                                                : Dernier.Fichier;
    if (NomFichierEnregistrement != "Defaut")
        MontrerFichier(QString::fromStdString(NomFichierEnregistrement));
    // The base of this program's own history, so that the work survives another crash; the
    // dead program's folder goes only once it is.
    Sauveur->Modifie = true;
    Sauveur->NoterFichier(NomFichierEnregistrement);
    Sauveur->Fonder();
    QDir(Dernier.Dossier).removeRecursively();
}
