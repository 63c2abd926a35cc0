#include "ui/main/U_dialogues.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {

const QStringList& Filtres() {
    static const QStringList Liste = {QStringLiteral("fichier emploi du temps (*.edt)"),
                                      QStringLiteral("tous les fichiers (*.*)")};
    return Liste;
}

// A remembered folder that has gone, or none at all, starts in the user's documents.
QString DossierDeDepart(const QString& Dossier) {
    if (!Dossier.isEmpty() && QDir(Dossier).exists())
        return Dossier;
    const QString Documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(Documents).exists() ? Documents : QDir::homePath();
}

// Qt's own dialog rather than the desktop's: it reports every folder the user enters. A file
// proposed with its folder opens there, when that folder still exists.
QString ExecuterFichier(QFileDialog& Dialogue, const QString& Dossier, const QString& Nom,
                        const IDialogues::TSurDossier& DossierChange) {
    Dialogue.setOption(QFileDialog::DontUseNativeDialog);
    Dialogue.setDefaultSuffix(QStringLiteral("edt"));
    Dialogue.setNameFilters(Filtres());
    Dialogue.setDirectory(DossierDeDepart(Dossier));
    const QFileInfo Propose(Nom);
    if (!Nom.isEmpty())
        Dialogue.selectFile(Propose.isAbsolute() && Propose.dir().exists() ? Nom
                                                                           : Propose.fileName());
    QObject::connect(&Dialogue, &QFileDialog::directoryEntered, &Dialogue,
                     [&DossierChange](const QString& Nouveau) {
                         if (DossierChange)
                             DossierChange(Nouveau);
                     });
    if (Dialogue.exec() != QDialog::Accepted || Dialogue.selectedFiles().isEmpty())
        return {};
    return Dialogue.selectedFiles().constFirst();
}

class TDialoguesQt final : public IDialogues {
public:
    QString OuvrirFichier(QWidget* Proprietaire, const QString& Dossier, const QString& Nom,
                          const TSurDossier& DossierChange) override {
        QFileDialog Dialogue(Proprietaire, QStringLiteral("Horalo - Ouvrir"));
        Dialogue.setAcceptMode(QFileDialog::AcceptOpen);
        Dialogue.setFileMode(QFileDialog::ExistingFile);
        return ExecuterFichier(Dialogue, Dossier, Nom, DossierChange);
    }
    QString EnregistrerFichier(QWidget* Proprietaire, const QString& Dossier, const QString& Nom,
                               const TSurDossier& DossierChange) override {
        QFileDialog Dialogue(Proprietaire, QStringLiteral("Horalo - Enregistrer sous"));
        Dialogue.setAcceptMode(QFileDialog::AcceptSave); // asks before overwriting
        return ExecuterFichier(Dialogue, Dossier, Nom, DossierChange);
    }
    std::optional<QColor> ChoisirCouleur(QWidget* Proprietaire,
                                         std::optional<QColor> Actuelle) override {
        if (Actuelle)
            Derniere = *Actuelle;
        const QColor Choisie = QColorDialog::getColor(Derniere, Proprietaire);
        if (!Choisie.isValid())
            return std::nullopt;
        Derniere = Choisie;
        return Choisie;
    }
    std::optional<QAbstractPrintDialog::PrintRange> Imprimer(QWidget* Proprietaire,
                                                             QPrinter& Imprimante) override {
        QPrintDialog Dialogue(&Imprimante, Proprietaire);
        Dialogue.setOption(QAbstractPrintDialog::PrintSelection);
        Dialogue.setPrintRange(QAbstractPrintDialog::Selection);
        Dialogue.setMinMax(1, 2);
        Dialogue.setFromTo(1, 2);
        if (Dialogue.exec() != QDialog::Accepted)
            return std::nullopt;
        return Dialogue.printRange();
    }
    bool ConfigurerImpression(QWidget* Proprietaire, QPrinter& Imprimante) override {
        QPageSetupDialog Dialogue(&Imprimante, Proprietaire);
        return Dialogue.exec() == QDialog::Accepted;
    }
    int ExecuterModal(QDialog& Dialogue) override { return Dialogue.exec(); }

private:
    QColor Derniere = Qt::white;
};

TDialoguesQt DialoguesQt;
IDialogues* Installes = &DialoguesQt;

} // namespace

IDialogues& Dialogues() {
    return *Installes;
}

void InstallerDialogues(IDialogues* Implementation) {
    Installes = Implementation ? Implementation : &DialoguesQt;
}
