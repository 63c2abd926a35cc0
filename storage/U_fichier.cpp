#include "storage/U_fichier.h"

#include "model/U_classe.h"
#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "scheduling/U_automate.h"
#include "storage/U_contraintes.h"
#include "storage/U_fenetre.h"
#include "storage/U_recuperation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>

TSauveur* Sauveur = nullptr;

namespace {

const std::string Magique = "Horalo";

QString EnQString(const std::string& Chemin) {
    return QString::fromStdString(Chemin);
}

// Qt's own error texts are English: the user gets a French reason instead.
std::string RaisonLecture(const std::string& Chemin) {
    const QFileInfo Info(EnQString(Chemin));
    if (!Info.exists())
        return "le fichier n'existe pas";
    if (Info.isDir())
        return "c'est un dossier";
    return "il ne peut pas être lu";
}

std::string RaisonEcriture(const std::string& Chemin) {
    const QFileInfo Info(EnQString(Chemin));
    if (Info.isDir())
        return "un dossier porte déjà ce nom";
    if (!Info.dir().exists())
        return "son dossier n'existe pas";
    return "l'écriture a échoué (disque plein ou accès refusé)";
}

[[noreturn]] void EchecLecture(const std::string& Chemin) {
    throw EErreurFichier("Impossible d'ouvrir le fichier « " + Chemin +
                         " » : " + RaisonLecture(Chemin) + ".");
}

[[noreturn]] void EchecTaille(const std::string& Chemin) {
    throw EErreurFichier("Impossible d'ouvrir le fichier « " + Chemin + " » : il fait plus de " +
                         std::to_string(TailleMaxFichier >> 20) +
                         " Mio, aucun emploi du temps n'est aussi gros.");
}

// The first line tells a timetable at once: of any other file, no more is read (a start
// shorter than the magic line and its end is the whole file).
bool PeutEtreMagique(const QByteArray& Debut) {
    const auto n = static_cast<qsizetype>(Magique.size());
    return Debut.size() <= n ||
           (Debut.startsWith(Magique.c_str()) && (Debut[n] == '\r' || Debut[n] == '\n'));
}

QByteArray LireOctets(const std::string& Chemin) {
    QFile Fichier(EnQString(Chemin));
    if (!Fichier.open(QIODevice::ReadOnly))
        EchecLecture(Chemin);
    if (Fichier.size() > TailleMaxFichier)
        EchecTaille(Chemin);
    QByteArray Octets = Fichier.peek(static_cast<qint64>(Magique.size()) + 1);
    // In one piece (no second copy), and bounded even where the size says nothing (a pipe).
    if (PeutEtreMagique(Octets))
        Octets = Fichier.isSequential() ? Fichier.read(TailleMaxFichier + 1) : Fichier.readAll();
    if (Fichier.error() != QFileDevice::NoError)
        EchecLecture(Chemin);
    if (Octets.size() > TailleMaxFichier)
        EchecTaille(Chemin);
    return Octets;
}

std::string_view Vue(const QByteArray& Octets) {
    return {Octets.constData(), static_cast<std::size_t>(Octets.size())};
}

// The start-up state: a failed first open still leaves a model to work on.
void CreerCollectionsManquantes() {
    if (!LesSeries)
        LesSeries = new TLesSeries;
    if (!LesProfs)
        LesProfs = new TLesProfs;
    if (!LesClasses)
        LesClasses = new TLesClasses;
}

} // namespace

TLignes DecouperLignes(std::string_view Octets) {
    const TLignes Lues = TLignes::Lues(Octets);
    TLignes Lignes;
    std::string Ligne;
    while (Lues.Ligne(Lignes.size(), Ligne))
        Lignes.push_back(std::move(Ligne));
    return Lignes;
}

TLignes LignesDuModele() {
    TLignes Lignes{Magique};
    for (const TLesBases* Liste :
         {static_cast<const TLesBases*>(LesSeries), static_cast<const TLesBases*>(LesProfs),
          static_cast<const TLesBases*>(LesClasses)}) {
        if (Liste)
            Liste->Sauver(Lignes);
        else
            Lignes.emplace_back("0");
    }
    const TAutomate Defaut;
    (Automate ? *Automate : Defaut).Sauver(Lignes);
    SauverContraintes(Lignes);
    return Lignes;
}

TSauveur::TSauveur() {
    // A folder of this instance's own: two running programs never share snapshots. Only those
    // in the private folder are offered after a crash; the others still serve undo.
    for (const QString& Parent :
         {QString::fromStdString(DossierDesTravaux()), QDir::tempPath(), QDir::currentPath()}) {
        if (Parent.isEmpty())
            continue;
        QTemporaryDir Temporaire(QDir(Parent).filePath(QStringLiteral("horalo-XXXXXX")));
        Temporaire.setAutoRemove(false);
        if (Temporaire.isValid()) {
            Dossier = Temporaire.path().toStdString() + '/';
            DossierPropre = true;
            Noter();
            return;
        }
    }
    Dossier = QDir::currentPath().toStdString() + '/';
}

TSauveur::~TSauveur() {
    const int n = InstantanesEnService();
    for (int i = 1; i <= n; ++i)
        if (!QFile::remove(EnQString(NomInstantane(i))))
            break;
    // Undone states beyond the ring's count are ours too: the whole folder goes.
    if (DossierPropre)
        QDir(EnQString(Dossier)).removeRecursively();
}

void TSauveur::EcrireFichier(const std::string& Chemin) const {
    std::string Texte;
    for (const std::string& Ligne : LignesDuModele()) {
        Texte += Ligne;
        Texte += "\r\n";
    }
    // Written beside the old file and renamed over it: a failure leaves the old one whole.
    // The explicit flush matters: commit() loses the errors of its own flush (QTBUG-75077)
    // and would rename a truncated file over the old one.
    QSaveFile Fichier(EnQString(Chemin));
    const auto Taille = static_cast<qint64>(Texte.size());
    if (!Fichier.open(QIODevice::WriteOnly) || Fichier.write(Texte.data(), Taille) != Taille ||
        !Fichier.flush() || !Fichier.commit()) {
        Fichier.cancelWriting();
        throw EErreurFichier("Impossible d'enregistrer le fichier « " + Chemin +
                             " » : " + RaisonEcriture(Chemin) + ".");
    }
}

bool TSauveur::LireFichier(const std::string& Chemin) {
    QByteArray Octets;
    try {
        Octets = LireOctets(Chemin);
    } catch (const EErreurFichier&) {
        CreerCollectionsManquantes();
        throw;
    }
    return ChargerOctets(Vue(Octets), Chemin);
}

bool TSauveur::ChargerOctets(std::string_view Octets, const std::string& Chemin) {
    bool Sain = true;
    try {
        const TLignes Lignes = TLignes::Lues(Octets);
        std::size_t Position = 0;
        if (LireLigne(Lignes, Position) != Magique)
            throw ELectureArchive("Erreur : archive pas valide");
        DetruireGlobal(LesClasses);
        DetruireGlobal(LesProfs);
        DetruireGlobal(LesSeries);
        CreerCollectionsManquantes();
        LesSeries->Charger(Lignes, Position);
        LesProfs->Charger(Lignes, Position);
        LesClasses->Charger(Lignes, Position);
        TAutomate Temporaire;
        (Automate ? *Automate : Temporaire).Charger(Lignes, Position);
        ChargerContraintes(Lignes, Position);
    } catch (const std::exception&) {
        Messages().Message(Ansi("Erreur : lors de l'ouverture de ") + Ansi(Chemin));
        ViderModele();
        Sain = false;
    }
    if (Fenetre)
        Fenetre->RafraichirVues();
    return Sain;
}

void TSauveur::ViderModele() {
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesSeries);
    if (Fenetre)
        Fenetre->ViderAffichage();
    CreerCollectionsManquantes();
}

std::int8_t TSauveur::Niveaux() const {
    // The ring's arithmetic divides by it: an out-of-range setting must not reach it.
    return std::clamp<std::int8_t>(NiveauxMax, 1, 99);
}

void TSauveur::Memoriser() {
    Modifie = true;
    if (!Actif)
        return;
    const std::int8_t Max = Niveaux();
    const auto Suivant = static_cast<std::int8_t>(Courant % Max + 1);
    // The counters move only once the snapshot really holds the state; until then the
    // state in force is one no snapshot holds.
    EtatNonMemorise = true;
    EcrireFichier(NomInstantane(Suivant));
    EtatNonMemorise = false;
    Courant = Suivant;
    NbAnnuler = static_cast<std::int8_t>(std::min(Max - 1, NbAnnuler + 1));
    NbRefaire = 0;
    Noter();
}

void TSauveur::Annuler() {
    if (!PeutAnnuler())
        return;
    // A change whose snapshot failed is undone by the last state recorded, not the one before.
    if (EtatNonMemorise)
        Restaurer(Courant, 0);
    else
        Restaurer(static_cast<std::int8_t>(Courant > 1 ? Courant - 1 : Niveaux()), -1);
}

void TSauveur::Refaire() {
    if (PeutRefaire())
        Restaurer(static_cast<std::int8_t>(Courant % Niveaux() + 1), +1);
}

// Sens is -1 for an undo, +1 for a redo, 0 to bring the current snapshot back.
void TSauveur::Restaurer(std::int8_t Numero, int Sens) {
    const std::string Chemin = NomInstantane(Numero);
    // Read before anything is emptied: an unreadable snapshot must not cost the timetable.
    const QByteArray Octets = LireOctets(Chemin);
    const std::string Classe = Fenetre ? Fenetre->ClasseAffichee() : std::string();
    const std::string Prof = Fenetre ? Fenetre->ProfAffiche() : std::string();
    ViderModele();
    Courant = Numero;
    EtatNonMemorise = false;
    ChargerOctets(Vue(Octets), Chemin);
    const int Plafond = Niveaux() - 1;
    NbAnnuler = static_cast<std::int8_t>(std::clamp(NbAnnuler + Sens, 0, Plafond));
    NbRefaire = static_cast<std::int8_t>(std::clamp(NbRefaire - Sens, 0, Plafond));
    Noter();
    if (Fenetre)
        Fenetre->RetablirAffichage(Classe, Prof);
}

void TSauveur::Reinitialiser() {
    Modifie = false;
    try {
        Fonder();
    } catch (const EErreurFichier&) {
        // The state is the file's own, or an empty one: the next change starts the history.
    }
}

void TSauveur::Fonder() {
    // As at creation until the base is written: undo only reaches this history's snapshots.
    Courant = 0;
    NbAnnuler = -1;
    NbRefaire = 0;
    EtatNonMemorise = false;
    Noter();
    EcrireFichier(NomInstantane(1));
    Courant = 1;
    NbAnnuler = 0;
    Noter();
}

void TSauveur::NoterFichier(const std::string& Chemin) {
    if (Chemin == Fichier)
        return;
    Fichier = Chemin;
    Noter();
}

void TSauveur::Noter() const {
    if (DossierPropre)
        EcrireProprietaire(Dossier, Courant, Modifie, Fichier);
}

std::string TSauveur::NomInstantane(int N) const {
    return Dossier + "horalo" + std::to_string(N) + ".edt";
}

int TSauveur::InstantanesEnService() const {
    return Courant < NbAnnuler ? NiveauxMax : Courant + NbRefaire;
}
