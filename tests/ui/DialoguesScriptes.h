#pragma once
// Answers the platform's dialogs and the modal forms from a script, opening nothing.
#include "ui/main/U_dialogues.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

class TDialoguesScriptes final : public IDialogues {
public:
    TDialoguesScriptes() { InstallerDialogues(this); }
    ~TDialoguesScriptes() override { InstallerDialogues(nullptr); }
    TDialoguesScriptes(const TDialoguesScriptes&) = delete;
    TDialoguesScriptes& operator=(const TDialoguesScriptes&) = delete;

    QString OuvrirFichier(QWidget*, const QString& Dossier, const QString&,
                          const TSurDossier& DossierChange) override {
        DossiersDeDepart << Dossier;
        return Fichier(DossierChange);
    }
    QString EnregistrerFichier(QWidget*, const QString& Dossier, const QString& Nom,
                               const TSurDossier& DossierChange) override {
        DossiersDeDepart << Dossier;
        NomsProposes << Nom;
        return Fichier(DossierChange);
    }
    std::optional<QColor> ChoisirCouleur(QWidget*, std::optional<QColor> Actuelle) override {
        CouleursDeDepart.push_back(Actuelle);
        if (EchecCouleur)
            throw std::runtime_error("le sélecteur de couleurs a échoué");
        if (Couleurs.empty())
            return std::nullopt;
        const auto c = Couleurs.front();
        Couleurs.pop_front();
        return c;
    }
    std::optional<QAbstractPrintDialog::PrintRange> Imprimer(QWidget*,
                                                             QPrinter& Imprimante) override {
        if (AvantImpression)
            AvantImpression(Imprimante);
        return Plage;
    }
    bool ConfigurerImpression(QWidget*, QPrinter&) override {
        ++Configurations;
        if (EchecConfiguration)
            throw std::runtime_error("pas d'imprimante");
        return true;
    }
    // The form answers through Modal (Rejected without one), then closes as it would.
    int ExecuterModal(QDialog& Dialogue) override {
        Formes << Dialogue.objectName();
        bool Fini = false;
        const auto Lien = QObject::connect(&Dialogue, &QDialog::finished, [&Fini] { Fini = true; });
        const int Resultat = Modal ? Modal(Dialogue) : int(QDialog::Rejected);
        QObject::disconnect(Lien);
        if (!Fini)
            Dialogue.done(Resultat);
        return Resultat;
    }

    // The files chosen, in order; an empty text or an empty queue cancels.
    QStringList Fichiers;
    // Folders the user moves to in each file dialog before choosing.
    QStringList DossiersVisites;
    QStringList DossiersDeDepart, NomsProposes;
    std::deque<std::optional<QColor>> Couleurs;
    std::vector<std::optional<QColor>> CouleursDeDepart;
    bool EchecCouleur = false;
    std::optional<QAbstractPrintDialog::PrintRange> Plage = QAbstractPrintDialog::Selection;
    std::function<void(QPrinter&)> AvantImpression;
    int Configurations = 0;
    bool EchecConfiguration = false;
    std::function<int(QDialog&)> Modal;
    QStringList Formes; // the objectName of every form run, in order

private:
    QString Fichier(const TSurDossier& DossierChange) {
        for (const QString& Dossier : DossiersVisites)
            if (DossierChange)
                DossierChange(Dossier);
        return Fichiers.isEmpty() ? QString() : Fichiers.takeFirst();
    }
};
