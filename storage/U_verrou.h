#pragma once
// One writer per timetable. A program that opens a file holds a small lock file beside it
// (".name.edt.verrou") naming its user, machine, process and the time it took it. The lock
// appears whole or not at all (written aside, then linked to its name), so of two programs
// taking it at once only one gets it.
#include <QDateTime>
#include <QString>

#include <optional>

struct TDetenteur {
    QString Utilisateur;
    QString Machine;
    qint64 Processus = 0;
    QDateTime Depuis;
    bool Ici = false; // on this machine, where whether it still runs can be asked
};

// Whether a process of this machine runs. A number taken again by another program counts
// as running: the safe side.
bool ProcessusVivant(qint64 Processus);

// Who holds Fichier's lock, when it may still run: a lock left by a program that no longer
// runs on this machine, or one that cannot be read, holds nothing.
std::optional<TDetenteur> DetenteurDe(const QString& Fichier);

// "marie sur salle-12, depuis le 09/12/2026 à 14h05", for the messages.
QString DecrireDetenteur(const TDetenteur& Detenteur);

class TVerrou {
public:
    explicit TVerrou(QString Fichier);
    // Gives the lock back, unless someone took it over meanwhile.
    ~TVerrou();
    TVerrou(const TVerrou&) = delete;
    TVerrou& operator=(const TVerrou&) = delete;

    // Takes the lock when it is free or held by nothing (see DetenteurDe); with
    // AutreMachine, also when another machine holds it. Otherwise false, and Tenu() says
    // who holds it. A folder where no lock can be made (read-only media) locks nothing.
    bool Prendre(bool AutreMachine = false);
    const std::optional<TDetenteur>& Tenu() const { return Detenteur; }
    const QString& Fichier() const { return Chemin; }

    // The file as read or written last, and whether someone changed it since (its time or
    // its size differ).
    void NoterEtat();
    bool ChangeSurDisque() const;

private:
    QString Chemin;
    QByteArray Contenu; // what our lock file holds, empty while not held
    std::optional<TDetenteur> Detenteur;
    qint64 Taille = -1;
    QDateTime Date;
};
