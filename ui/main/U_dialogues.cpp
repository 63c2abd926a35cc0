#include "ui/main/U_dialogues.h"

#include <QFileDialog>

QString DialogueEnregistrement(QWidget* Proprietaire, const QString& NomActuel) {
    QFileDialog Dialogue(Proprietaire, QStringLiteral("Horalo - Enregistrer sous"));
    Dialogue.setAcceptMode(QFileDialog::AcceptSave);
    Dialogue.setDefaultSuffix(QStringLiteral("edt"));
    Dialogue.setNameFilters({QStringLiteral("fichier emploi du temps (*.edt)"),
                             QStringLiteral("tous les fichiers (*.*)")});
    Dialogue.selectFile(NomActuel);
    if (Dialogue.exec() != QDialog::Accepted || Dialogue.selectedFiles().isEmpty())
        return {};
    return Dialogue.selectedFiles().constFirst();
}
