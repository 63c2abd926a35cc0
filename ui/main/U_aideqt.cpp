#include "ui/main/U_aideqt.h"

#include "ui/main/U_application.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentItem>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

const QString NomCollection = QStringLiteral("horalo.qhc");
const QString NomDocumentation = QStringLiteral("horalo.qch"); // as the collection names it
const QUrl Accueil(QStringLiteral("qthelp://org.horalo.aide/aide/accueil.html"));

} // namespace

QStringList EmplacementsCollection(const QString& DossierProgramme) {
    const QDir Programme(DossierProgramme);
    QStringList Emplacements{Programme.filePath(NomCollection),
                             QDir::cleanPath(Programme.filePath(
                                 QStringLiteral("../share/horalo/aide/") + NomCollection))};
#ifdef HORALO_AIDE_CONSTRUITE
    // Programs of the build tree that do not lie beside it (tests, benchmarks).
    Emplacements << QStringLiteral(HORALO_AIDE_CONSTRUITE);
#endif
    return Emplacements;
}

QString TrouverCollection(const QString& DossierProgramme) {
    for (const QString& Chemin : EmplacementsCollection(DossierProgramme)) {
        const QFileInfo Collection(Chemin);
        if (Collection.isFile() && Collection.dir().exists(NomDocumentation))
            return Collection.absoluteFilePath();
    }
    return {};
}

QString CopierCollection(const QString& Collection, const QString& Dossier) {
    const QFileInfo Source(Collection);
    const QFileInfo Documentation(Source.dir().filePath(NomDocumentation));
    if (!Source.isFile() || !Documentation.isFile() || !QDir().mkpath(Dossier))
        return {};
    const QDir Cible(Dossier);
    const QString Copie = Cible.filePath(Source.fileName());
    // The engine writes into its collection, never into the documentation: the copy of the
    // documentation, stamped with the source's time, tells whether the source changed.
    const QFileInfo DocumentationCopiee(Cible.filePath(NomDocumentation));
    if (QFileInfo::exists(Copie) && DocumentationCopiee.size() == Documentation.size() &&
        DocumentationCopiee.lastModified() == Documentation.lastModified())
        return Copie;
    for (const QFileInfo& De : {Source, Documentation}) {
        const QString Vers = Cible.filePath(De.fileName());
        QFile::remove(Vers);
        if (!QFile::copy(De.absoluteFilePath(), Vers))
            return {};
        // An installed collection may be read-only; its copy is written by the engine.
        QFile Fichier(Vers);
        Fichier.setPermissions(Fichier.permissions() | QFileDevice::WriteOwner);
        if (!Fichier.open(QIODevice::ReadWrite) ||
            !Fichier.setFileTime(De.lastModified(), QFileDevice::FileModificationTime))
            return {};
    }
    // The search index of the replaced pages would answer for them.
    QDir(Cible.filePath(QStringLiteral(".") + Source.completeBaseName())).removeRecursively();
    return Copie;
}

QString CollectionUtilisable(const QString& DossierProgramme) {
    const QString Trouvee = TrouverCollection(DossierProgramme);
    if (Trouvee.isEmpty())
        return {};
    const QFileInfo Collection(Trouvee);
    if (Collection.isWritable() && QFileInfo(Collection.absolutePath()).isWritable())
        return Trouvee;
    return CopierCollection(Trouvee,
                            QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                QStringLiteral("/aide"));
}

TNavigateurAide::TNavigateurAide(QHelpEngine& Moteur, QWidget* Parent)
    : QTextBrowser(Parent), Moteur(Moteur) {}

QVariant TNavigateurAide::loadResource(int Type, const QUrl& Nom) {
    if (Nom.scheme() != QLatin1String("qthelp"))
        return QTextBrowser::loadResource(Type, Nom);
    const QByteArray Donnees = Moteur.fileData(Nom);
    if (Type == QTextDocument::HtmlResource || Type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(Donnees); // the pages are UTF-8
    return Donnees;
}

TFAide::TFAide(const QString& Collection)
    : QWidget(nullptr, Qt::Window), MoteurAide(new QHelpEngine(Collection, this)),
      Collection(Collection) {
    setObjectName(QStringLiteral("FAide"));
    setWindowTitle(QStringLiteral("Horalo - Aide"));
    // Closing the main window ends the program, even with the help still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(960, 660);
    TraduireQt(); // the search and index widgets come with their own labels

    MoteurAide->setUsesFilterEngine(true);
    // Made before the set-up, which is what starts its indexing.
    MoteurAide->searchEngine();
    Prete = !Collection.isEmpty() && MoteurAide->setupData();

    auto* Barre = new QHBoxLayout;
    auto* Precedent = new QPushButton(QStringLiteral("Précédent"), this);
    auto* Suivant = new QPushButton(QStringLiteral("Suivant"), this);
    auto* BAccueil = new QPushButton(QStringLiteral("Accueil"), this);
    Precedent->setObjectName(QStringLiteral("B_precedent"));
    Suivant->setObjectName(QStringLiteral("B_suivant"));
    BAccueil->setObjectName(QStringLiteral("B_accueil"));
    Precedent->setEnabled(false);
    Suivant->setEnabled(false);
    for (QPushButton* Bouton : {Precedent, Suivant, BAccueil})
        Barre->addWidget(Bouton);
    Barre->addStretch();

    auto* Partage = new QSplitter(this);
    Onglets = new QTabWidget(Partage);
    Onglets->setObjectName(QStringLiteral("Onglets"));
    Navigateur = new TNavigateurAide(*MoteurAide, Partage);
    Navigateur->setObjectName(QStringLiteral("Navigateur"));
    CreerOnglets();
    Partage->addWidget(Onglets);
    Partage->addWidget(Navigateur);
    Partage->setStretchFactor(1, 1);
    Partage->setSizes({300, 660});

    auto* Disposition = new QVBoxLayout(this);
    Disposition->addLayout(Barre);
    Disposition->addWidget(Partage, 1);

    connect(Precedent, &QPushButton::clicked, Navigateur, &QTextBrowser::backward);
    connect(Suivant, &QPushButton::clicked, Navigateur, &QTextBrowser::forward);
    connect(BAccueil, &QPushButton::clicked, this, [this] { AfficherPage(Accueil); });
    connect(Navigateur, &QTextBrowser::backwardAvailable, Precedent, &QWidget::setEnabled);
    connect(Navigateur, &QTextBrowser::forwardAvailable, Suivant, &QWidget::setEnabled);
    connect(Navigateur, &QTextBrowser::sourceChanged, this, &TFAide::SynchroniserSommaire);
}

void TFAide::CreerOnglets() {
    QHelpContentWidget* Sommaire = MoteurAide->contentWidget();
    Sommaire->setObjectName(QStringLiteral("ArbreSommaire"));
    Onglets->addTab(Sommaire, QStringLiteral("Sommaire"));
    connect(Sommaire, &QHelpContentWidget::linkActivated, this, &TFAide::AfficherPage);
    // A single click opens a page too, in the contents as in the index, as in a browser.
    connect(Sommaire, &QAbstractItemView::clicked, this, [this](const QModelIndex& Position) {
        if (const QHelpContentItem* Entree = MoteurAide->contentModel()->contentItemAt(Position))
            AfficherPage(Entree->url());
    });
    connect(MoteurAide->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        MoteurAide->contentWidget()->expandAll();
        SynchroniserSommaire();
    });

    auto* PageIndex = new QWidget;
    auto* DispositionIndex = new QVBoxLayout(PageIndex);
    FiltreIndex = new QLineEdit;
    FiltreIndex->setObjectName(QStringLiteral("FiltreIndex"));
    FiltreIndex->setPlaceholderText(QStringLiteral("Début du mot-clé"));
    QHelpIndexWidget* Liste = MoteurAide->indexWidget();
    Liste->setObjectName(QStringLiteral("ListeIndex"));
    DispositionIndex->addWidget(new QLabel(QStringLiteral("Rechercher le mot-clé :")));
    DispositionIndex->addWidget(FiltreIndex);
    DispositionIndex->addWidget(Liste, 1);
    Onglets->addTab(PageIndex, QStringLiteral("Index"));
    connect(FiltreIndex, &QLineEdit::textChanged, Liste,
            [Liste](const QString& Texte) { Liste->filterIndices(Texte); });
    connect(FiltreIndex, &QLineEdit::returnPressed, Liste, &QHelpIndexWidget::activateCurrentItem);
    connect(Liste, &QAbstractItemView::clicked, Liste, &QHelpIndexWidget::activateCurrentItem);
    // The index is built in the background: a filter typed meanwhile applies once it is ready.
    connect(MoteurAide->indexModel(), &QHelpIndexModel::indexCreated, this,
            [this, Liste] { Liste->filterIndices(FiltreIndex->text()); });
    connect(Liste, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& Lien) { AfficherPage(Lien.url); });
    connect(Liste, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& Liens) { AfficherPage(Liens.first().url); });

    QHelpSearchEngine* Recherche = MoteurAide->searchEngine();
    auto* PageRecherche = new QWidget;
    auto* DispositionRecherche = new QVBoxLayout(PageRecherche);
    QHelpSearchQueryWidget* Requete = Recherche->queryWidget();
    Requete->setObjectName(QStringLiteral("RequeteRecherche"));
    Indexation = new QLabel(QStringLiteral("Préparation de la recherche..."));
    Indexation->setObjectName(QStringLiteral("L_indexation"));
    QHelpSearchResultWidget* Resultats = Recherche->resultWidget();
    Resultats->setObjectName(QStringLiteral("ResultatsRecherche"));
    DispositionRecherche->addWidget(Requete);
    DispositionRecherche->addWidget(Indexation);
    DispositionRecherche->addWidget(Resultats, 1);
    Onglets->addTab(PageRecherche, QStringLiteral("Rechercher"));
    connect(Requete, &QHelpSearchQueryWidget::search, this, &TFAide::Chercher);
    connect(Resultats, &QHelpSearchResultWidget::requestShowLink, this, &TFAide::AfficherPage);
    connect(Recherche, &QHelpSearchEngine::indexingStarted, this, [this] {
        IndexPret = false;
        Indexation->show();
    });
    // A search asked for before the index was written waits for it: it would find nothing.
    connect(Recherche, &QHelpSearchEngine::indexingFinished, this, [this] {
        IndexPret = true;
        Indexation->hide();
        if (RechercheEnAttente)
            Chercher();
    });
}

void TFAide::AfficherRubrique(int Numero) {
    const QList<QHelpLink> Pages =
        Prete ? MoteurAide->documentsForIdentifier(QStringLiteral("rubrique-%1").arg(Numero))
              : QList<QHelpLink>();
    AfficherPage(Pages.isEmpty() ? Accueil : Pages.first().url);
}

void TFAide::AfficherOnglet(TOnglet Onglet) {
    Onglets->setCurrentIndex(static_cast<int>(Onglet));
    if (Navigateur->source().isEmpty())
        AfficherPage(Accueil);
    if (Onglet == TOnglet::Index)
        FiltreIndex->setFocus();
    else if (Onglet == TOnglet::Rechercher)
        MoteurAide->searchEngine()->queryWidget()->setFocus();
}

void TFAide::AfficherPage(const QUrl& Page) {
    if (!Prete)
        AfficherAbsence();
    else if (Page != Navigateur->source())
        Navigateur->setSource(Page);
}

void TFAide::AfficherAbsence() {
    QString Emplacements;
    for (const QString& Chemin : EmplacementsCollection(QCoreApplication::applicationDirPath()))
        Emplacements += QStringLiteral("<li>%1</li>").arg(Chemin.toHtmlEscaped());
    const QString Raison =
        Collection.isEmpty() ? QStringLiteral("Il a été cherché ici :<ul>%1</ul>").arg(Emplacements)
                             : MoteurAide->error().toHtmlEscaped();
    Navigateur->setHtml(
        QStringLiteral("<html><head><title>Aide introuvable</title></head><body>"
                       "<h1>Aide introuvable</h1><p>Le fichier d'aide de Horalo (%1) est "
                       "absent ou illisible. %2</p></body></html>")
            .arg(NomCollection, Raison));
}

void TFAide::Chercher() {
    RechercheEnAttente = !IndexPret;
    if (IndexPret)
        MoteurAide->searchEngine()->search(
            MoteurAide->searchEngine()->queryWidget()->searchInput());
}

void TFAide::SynchroniserSommaire() {
    QHelpContentWidget* Sommaire = MoteurAide->contentWidget();
    const QModelIndex Position = Sommaire->indexOf(Navigateur->source());
    if (Position.isValid())
        Sommaire->setCurrentIndex(Position);
}

QString TFAide::TitrePage() const {
    return Navigateur->documentTitle();
}

QUrl TFAide::UrlPage() const {
    return Navigateur->source();
}

void TFAide::Montrer() {
    Rattacher();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

// A dialog modal to the whole application (the platform's) blocks every window but its own:
// while one runs, the help window belongs to it, and leaves it when it closes (before its
// owner destroys it). The program's forms block only their own window: the help stays apart.
void TFAide::Rattacher() {
    QWidget* Modale = QApplication::activeModalWidget();
    if (Modale && Modale->windowModality() != Qt::ApplicationModal)
        Modale = nullptr;
    if (Modale != parentWidget())
        ChangerParent(Modale);
}

void TFAide::ChangerParent(QWidget* Parent) {
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    const bool Visible = isVisible();
    const QRect Cadre = geometry();
    setParent(Parent, Qt::Window);
    if (Parent)
        Parent->installEventFilter(this);
    if (Visible) { // where the user left it; a window not yet shown is placed by the desktop
        setGeometry(Cadre);
        show();
    }
}

bool TFAide::eventFilter(QObject* Objet, QEvent* Evenement) {
    if (Objet == parentWidget() && Evenement->type() == QEvent::Hide) {
        ChangerParent(nullptr);
        // Once this dialog has left, a modal dialog under it may still run.
        QTimer::singleShot(0, this, &TFAide::Rattacher);
    }
    return QWidget::eventFilter(Objet, Evenement);
}

TAideQt::TAideQt(QString Collection) : Collection(std::move(Collection)) {}

TAideQt::~TAideQt() {
    delete F.data();
}

TFAide& TAideQt::Ouvrir() {
    if (!F) {
        if (Collection.isEmpty())
            Collection = CollectionUtilisable(QCoreApplication::applicationDirPath());
        F = new TFAide(Collection);
    }
    F->Montrer();
    return *F;
}

void TAideQt::AfficherRubrique(int Numero) {
    Ouvrir().AfficherRubrique(Numero);
}

void TAideQt::Sommaire() {
    Ouvrir().AfficherOnglet(TFAide::TOnglet::Sommaire);
}

void TAideQt::Index() {
    Ouvrir().AfficherOnglet(TFAide::TOnglet::Index);
}

void TAideQt::Rechercher() {
    Ouvrir().AfficherOnglet(TFAide::TOnglet::Rechercher);
}
