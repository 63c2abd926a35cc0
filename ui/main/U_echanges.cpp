// The exchange commands: importing a school, publishing its timetables.
#include "exchange/U_import.h"
#include "exchange/U_publication.h"
#include "model/U_messages.h"
#include "storage/U_fichier.h"
#include "ui/dialogs/U_importation.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"

#include <QFileDialog>

namespace {

// Qt's own file dialog, run as one of the program's forms: the gate holds while it is
// open, and tests answer it by its name. A folder is chosen among those that exist (an
// empty one made in the dialog, or an earlier publication).
QString Choisir(TFTable& Table, const QString& Nom, const QString& Titre, const QString& Filtre,
                bool Dossier) {
    QFileDialog Dialogue(&Table, Titre);
    Dialogue.setObjectName(Nom);
    Dialogue.setOption(QFileDialog::DontUseNativeDialog);
    Dialogue.setFileMode(Dossier ? QFileDialog::Directory : QFileDialog::ExistingFile);
    if (!Dossier)
        Dialogue.setNameFilters({Filtre, QStringLiteral("tous les fichiers (*)")});
    if (Table.ExecuterModal(Dialogue) != QDialog::Accepted || Dialogue.selectedFiles().isEmpty())
        return {};
    return Dialogue.selectedFiles().constFirst();
}

} // namespace

void TFTable::ImporterCsv1Click() {
    Importer(Choisir(*this, QStringLiteral("DialogueImportCsv"),
                     QStringLiteral("Importer un tableau des services"),
                     QStringLiteral("tableau des services (*.csv *.txt)"), false),
             {});
}

void TFTable::ImporterFet1Click() {
    const QString Chemin = Choisir(*this, QStringLiteral("DialogueImportFet"),
                                   QStringLiteral("Importer une école FET"),
                                   QStringLiteral("école FET (*.fet)"), false);
    if (Chemin.isEmpty())
        return;
    TFreglagesfet Reglages(this);
    if (ExecuterModal(Reglages) == QDialog::Accepted)
        Importer(Chemin, Reglages.Reglages());
}

// Read first, so that a refused file leaves the open timetable alone; then the save prompt.
// The file's name tells its kind: the FET entry's dialog shows ".fet" files.
void TFTable::Importer(const QString& Chemin, const TReglagesFet& Reglages) {
    if (Chemin.isEmpty())
        return;
    TEcoleImportee Ecole;
    try {
        Ecole = LireImport(Chemin, EstFichierFet(Chemin), Reglages);
    } catch (const EErreurImport& Erreur) {
        Messages().Erreur(VersAnsi(QString::fromUtf8(Erreur.what())));
        return;
    }
    if (!PeutRemplacer())
        return;
    Sauveur->ViderModele();
    Sauveur->Reinitialiser();
    ConstruireEcole(Ecole);
    NomFichierEnregistrement = "Defaut";
    RafraichirVues();
    Sauveur->Memoriser(); // a new timetable, modified: closing asks to save it
    TFrapportimport Rapport(this, Ecole.Rapport.Bilan(), Ecole.Rapport.Cas());
    ExecuterModal(Rapport);
}

void TFTable::Publier1Click() {
    const QString Dossier = Choisir(*this, QStringLiteral("DialoguePublication"),
                                    QStringLiteral("Publier dans le dossier"), QString(), true);
    if (Dossier.isEmpty())
        return;
    TFpublication Periode(this);
    if (ExecuterModal(Periode) != QDialog::Accepted)
        return;
    try {
        EcrireDossier(Dossier, Publication(Periode.Periode()));
    } catch (const EErreurPublication& Erreur) {
        Messages().Erreur(VersAnsi(QString::fromUtf8(Erreur.what())));
        return;
    }
    Messages().Message(VersAnsi(
        QStringLiteral("Les emplois du temps sont publiés dans « %1 » : ouvrez index.html.")
            .arg(Dossier)));
}
