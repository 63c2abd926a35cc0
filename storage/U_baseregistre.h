#pragma once
// A small registry of our own: keys such as "Software\Horalo" hold named, typed values
// (32-bit integer, text, bytes). Everything lives in one file per user. Every operation
// reads the file again and every write replaces it whole, so two running programs see
// each other's settings.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// Writes a whole file through a temporary file and a rename, creating its folder: a failure
// leaves the old file as it was. False on any failure.
bool EcrireFichierSur(const QString& Chemin, const QByteArray& Octets);

class TBaseRegistre {
public:
    // The user's registry: Horalo/registre in the user's configuration folder.
    static QString FichierUtilisateur();

    explicit TBaseRegistre(QString Fichier = FichierUtilisateur());

    // Opens a key given from the root, backslash-separated ("Software\Horalo"); with
    // Creer, creates it when absent (which writes the file). A path with an empty part
    // ("a\\b") is refused. On failure no key stays open.
    bool OuvrirCle(const std::string& Chemin, bool Creer);
    void FermerCle();
    bool CleOuverte() const { return Ouverte; }

    // False when no key is open, the value is absent, or it holds another type.
    bool LireEntier(const std::string& Nom, std::uint32_t& Valeur) const;
    bool LireTexte(const std::string& Nom, std::string& Valeur) const;
    bool LireBinaire(const std::string& Nom, std::vector<std::uint8_t>& Valeur) const;

    // Replace the value whatever its type was; false when no key is open or the file
    // cannot be written (it is then left as it was).
    bool EcrireEntier(const std::string& Nom, std::uint32_t Valeur);
    bool EcrireTexte(const std::string& Nom, const std::string& Valeur);
    bool EcrireBinaire(const std::string& Nom, const std::vector<std::uint8_t>& Valeur);

    const QString& Fichier() const { return Chemin; }

private:
    QString Chemin;
    std::string Cle; // the open key, normalised
    bool Ouverte = false;
};
