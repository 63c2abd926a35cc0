#include "storage/U_verrou.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace {

QString NomVerrou(const QString& Fichier) {
    const QFileInfo Info(Fichier);
    return Info.absolutePath() + QStringLiteral("/.") + Info.fileName() + QStringLiteral(".verrou");
}

QString Utilisateur() {
    if (const passwd* Compte = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(Compte->pw_name);
    return qEnvironmentVariable("USER");
}

QByteArray ContenuNeuf() {
    return "Horalo\nutilisateur=" + Utilisateur().toUtf8() +
           "\nmachine=" + QSysInfo::machineHostName().toUtf8() +
           "\nprocessus=" + QByteArray::number(QCoreApplication::applicationPid()) +
           "\ndepuis=" + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + '\n';
}

QByteArray LireTout(const QString& Chemin) {
    QFile f(Chemin);
    return f.open(QIODevice::ReadOnly) ? f.read(4096) : QByteArray();
}

std::optional<TDetenteur> Lire(const QByteArray& Octets) {
    const QList<QByteArray> Lignes = Octets.split('\n');
    if (Lignes.value(0) != "Horalo")
        return std::nullopt;
    TDetenteur Detenteur;
    for (const QByteArray& Ligne : Lignes) {
        const qsizetype Egal = Ligne.indexOf('=');
        const QByteArray Cle = Ligne.left(Egal);
        const QString Valeur = QString::fromUtf8(Ligne.mid(Egal + 1));
        if (Cle == "utilisateur")
            Detenteur.Utilisateur = Valeur;
        else if (Cle == "machine")
            Detenteur.Machine = Valeur;
        else if (Cle == "processus")
            Detenteur.Processus = Valeur.toLongLong();
        else if (Cle == "depuis")
            Detenteur.Depuis = QDateTime::fromString(Valeur, Qt::ISODate);
    }
    if (Detenteur.Processus <= 0 || Detenteur.Machine.isEmpty())
        return std::nullopt;
    Detenteur.Ici = Detenteur.Machine == QSysInfo::machineHostName();
    return Detenteur;
}

// Whether another machine's program still runs cannot be asked: its lock holds.
bool Tient(const TDetenteur& Detenteur) {
    return !Detenteur.Ici || ProcessusVivant(Detenteur.Processus);
}

enum class TCreation { Faite, Existe, Impossible };

// Creates Chemin holding Octets unless it exists. Written aside and hard-linked to its
// name, it is never seen half written; where hard links are refused (some shares), it is
// created exclusively, then written.
TCreation Creer(const QString& Chemin, const QByteArray& Octets) {
    QTemporaryFile Brouillon(Chemin + QStringLiteral(".XXXXXX"));
    if (!Brouillon.open() || Brouillon.write(Octets) != Octets.size() || !Brouillon.flush())
        return TCreation::Impossible;
    if (::link(QFile::encodeName(Brouillon.fileName()).constData(),
               QFile::encodeName(Chemin).constData()) == 0)
        return TCreation::Faite;
    if (errno == EEXIST)
        return TCreation::Existe;
    QFile Verrou(Chemin);
    if (Verrou.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Verrou.write(Octets) == Octets.size() ? TCreation::Faite : TCreation::Impossible;
    return Verrou.exists() ? TCreation::Existe : TCreation::Impossible;
}

} // namespace

bool ProcessusVivant(qint64 Processus) {
    // kill() without a signal asks whether the process exists; EPERM: it does, as someone
    // else's.
    return Processus > 0 && (::kill(static_cast<pid_t>(Processus), 0) == 0 || errno == EPERM);
}

std::optional<TDetenteur> DetenteurDe(const QString& Fichier) {
    std::optional<TDetenteur> Detenteur = Lire(LireTout(NomVerrou(Fichier)));
    return Detenteur && Tient(*Detenteur) ? Detenteur : std::nullopt;
}

QString DecrireDetenteur(const TDetenteur& Detenteur) {
    const QDateTime Local = Detenteur.Depuis.toLocalTime();
    return QStringLiteral("%1 sur %2, depuis le %3 à %4")
        .arg(Detenteur.Utilisateur.isEmpty() ? QStringLiteral("?") : Detenteur.Utilisateur,
             Detenteur.Machine, Local.toString(QStringLiteral("dd/MM/yyyy")),
             Local.toString(QStringLiteral("HH'h'mm")));
}

TVerrou::TVerrou(QString Fichier) : Chemin(QFileInfo(Fichier).absoluteFilePath()) {}

TVerrou::~TVerrou() {
    const QString Nom = NomVerrou(Chemin);
    if (!Contenu.isEmpty() && LireTout(Nom) == Contenu)
        QFile::remove(Nom);
}

bool TVerrou::Prendre(bool AutreMachine) {
    const QString Nom = NomVerrou(Chemin);
    const QByteArray Neuf = ContenuNeuf();
    // A few tries: the lock may come and go between looking and taking.
    for (int Essai = 0; Essai < 3; ++Essai) {
        switch (Creer(Nom, Neuf)) {
        case TCreation::Faite:
            Contenu = Neuf;
            Detenteur.reset();
            return true;
        case TCreation::Impossible: // no lock can be put here: only one already there counts
            Detenteur = DetenteurDe(Chemin);
            return !Detenteur;
        case TCreation::Existe:
            break;
        }
        const QByteArray Present = LireTout(Nom);
        Detenteur = Lire(Present);
        if (Detenteur && Tient(*Detenteur) && (Detenteur->Ici || !AutreMachine))
            return false;
        // Taken over. Read again just before: a program that took it meanwhile keeps it.
        if (LireTout(Nom) == Present)
            QFile::remove(Nom);
    }
    return false;
}

void TVerrou::NoterEtat() {
    const QFileInfo Info(Chemin);
    Taille = Info.exists() ? Info.size() : -1;
    Date = Info.lastModified();
}

bool TVerrou::ChangeSurDisque() const {
    const QFileInfo Info(Chemin);
    return Taille >= 0 && Info.exists() && (Info.size() != Taille || Info.lastModified() != Date);
}
