#pragma once
// The dialogs the program does not draw itself (files, colours, printing), and the modal
// runs of its own forms: one seam, so that tests answer them without opening anything.
#include <QAbstractPrintDialog>
#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

class IDialogues {
public:
    using TSurDossier = std::function<void(const QString& Dossier)>;

    virtual ~IDialogues() = default;
    // The open and save dialogs start in Dossier, or in the folder of the file Nom proposed
    // (the last one opened, the timetable's own), and tell every folder the user moves to.
    // The chosen path; an empty text when cancelled.
    virtual QString OuvrirFichier(QWidget* Proprietaire, const QString& Dossier, const QString& Nom,
                                  const TSurDossier& DossierChange) = 0;
    virtual QString EnregistrerFichier(QWidget* Proprietaire, const QString& Dossier,
                                       const QString& Nom, const TSurDossier& DossierChange) = 0;
    // The colour picker, on Actuelle or else on the colour it showed last. Nothing when
    // cancelled.
    virtual std::optional<QColor> ChoisirCouleur(QWidget* Proprietaire,
                                                 std::optional<QColor> Actuelle) = 0;
    // The print dialog for that printer: the range chosen, nothing when cancelled.
    virtual std::optional<QAbstractPrintDialog::PrintRange> Imprimer(QWidget* Proprietaire,
                                                                     QPrinter& Imprimante) = 0;
    // The page set-up of that printer; true when confirmed.
    virtual bool ConfigurerImpression(QWidget* Proprietaire, QPrinter& Imprimante) = 0;
    // One of the program's own forms, modally: its result (QDialog::Accepted or Rejected).
    virtual int ExecuterModal(QDialog& Dialogue) = 0;
};

// The installed seam; the Qt dialogs when none is installed.
IDialogues& Dialogues();
// Installs an implementation (not owned); nullptr brings the Qt dialogs back.
void InstallerDialogues(IDialogues* Implementation);
