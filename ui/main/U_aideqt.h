#pragma once
// The help viewer: contents, keyword index and full-text search over the French pages,
// compiled at build time into a Qt Help collection that ships beside the program.
#include "ui/main/U_aide.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLabel;
class QLineEdit;
class QTabWidget;

// Where the collection is looked for, in order, for a program lying in DossierProgramme:
// beside it, in ../share/horalo/aide (installed), then in the build tree.
QStringList EmplacementsCollection(const QString& DossierProgramme);
// The first of those that holds the collection and its documentation; empty if none does.
QString TrouverCollection(const QString& DossierProgramme);
// Copies the collection and its documentation into Dossier, unless the copy there is
// already that documentation; gives the copy, or empty when it cannot be made.
QString CopierCollection(const QString& Collection, const QString& Dossier);
// The collection to open: the one found, or its copy in the user's cache when its folder
// cannot be written (the engine keeps its search index beside the collection).
QString CollectionUtilisable(const QString& DossierProgramme);

// Shows the pages of the collection (qthelp:// addresses) and the style sheet they name.
class TNavigateurAide final : public QTextBrowser {
    Q_OBJECT
public:
    TNavigateurAide(QHelpEngine& Moteur, QWidget* Parent);
    QVariant loadResource(int Type, const QUrl& Nom) override;

private:
    QHelpEngine& Moteur;
};

class TFAide final : public QWidget {
    Q_OBJECT
public:
    enum class TOnglet { Sommaire, Index, Rechercher };

    explicit TFAide(const QString& Collection);

    void AfficherRubrique(int Numero); // unknown numbers show the welcome page
    void AfficherOnglet(TOnglet Onglet);
    // Brings the window in front, usable even while a modal dialog runs.
    void Montrer();

    QString TitrePage() const;
    QUrl UrlPage() const;
    QHelpEngine& Moteur() const { return *MoteurAide; }

protected:
    bool eventFilter(QObject* Objet, QEvent* Evenement) override;

private:
    void CreerOnglets();
    void AfficherPage(const QUrl& Page);
    void AfficherAbsence();
    void Chercher();
    void SynchroniserSommaire();
    void Rattacher();
    void ChangerParent(QWidget* Parent);

    QHelpEngine* MoteurAide;
    bool Prete;
    QString Collection;
    QTabWidget* Onglets;
    TNavigateurAide* Navigateur;
    QLineEdit* FiltreIndex;
    QLabel* Indexation;
    bool IndexPret = false;
    bool RechercheEnAttente = false;
};

// The help installed by the program: the window is made at the first request, then kept.
class TAideQt final : public IAide {
public:
    // Without a collection, the one beside the program is used (CollectionUtilisable).
    explicit TAideQt(QString Collection = {});
    ~TAideQt() override;
    TAideQt(const TAideQt&) = delete;
    TAideQt& operator=(const TAideQt&) = delete;

    void AfficherRubrique(int Numero) override;
    void Sommaire() override;
    void Index() override;
    void Rechercher() override;

    TFAide* Fenetre() const { return F.data(); } // none before the first request

private:
    TFAide& Ouvrir();

    QString Collection;
    QPointer<TFAide> F;
};
