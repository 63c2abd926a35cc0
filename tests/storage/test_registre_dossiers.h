#pragma once
// Gives each registry test configuration and data folders of its own inside the build
// tree's temporary folder, so tests running side by side never share a registry file.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

class TDossiersUtilisateur {
public:
    TDossiersUtilisateur() {
        EXPECT_TRUE(Racine.isValid());
        Config = Racine.filePath(QStringLiteral("config"));
        Donnees = Racine.filePath(QStringLiteral("data"));
        Systeme = Racine.filePath(QStringLiteral("systeme"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Config));
        qputenv("XDG_DATA_HOME", QFile::encodeName(Donnees));
        // Whatever this machine has installed stays out of the tests.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(Systeme));
    }
    ~TDossiersUtilisateur() {
        Retablir("XDG_CONFIG_HOME", AncienConfig);
        Retablir("XDG_DATA_HOME", AncienDonnees);
        Retablir("XDG_DATA_DIRS", AncienSysteme);
    }
    TDossiersUtilisateur(const TDossiersUtilisateur&) = delete;
    TDossiersUtilisateur& operator=(const TDossiersUtilisateur&) = delete;

    QString FichierRegistre() const { return Config + QStringLiteral("/Horalo/registre"); }

    static void Ecrire(const QString& Chemin, const QByteArray& Octets) {
        ASSERT_TRUE(QDir().mkpath(Chemin.section(u'/', 0, -2)));
        QFile f(Chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(Octets), Octets.size());
    }
    static QByteArray Lire(const QString& Chemin) {
        QFile f(Chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir Racine;
    QString Config;
    QString Donnees;
    QString Systeme; // the system's data folders

private:
    static std::optional<QByteArray> Valeur(const char* Nom) {
        return qEnvironmentVariableIsSet(Nom) ? std::optional(qgetenv(Nom)) : std::nullopt;
    }
    static void Retablir(const char* Nom, const std::optional<QByteArray>& Ancienne) {
        if (Ancienne)
            qputenv(Nom, *Ancienne);
        else
            qunsetenv(Nom);
    }

    const std::optional<QByteArray> AncienConfig = Valeur("XDG_CONFIG_HOME");
    const std::optional<QByteArray> AncienDonnees = Valeur("XDG_DATA_HOME");
    const std::optional<QByteArray> AncienSysteme = Valeur("XDG_DATA_DIRS");
};
