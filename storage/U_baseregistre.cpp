#include "storage/U_baseregistre.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <string_view>

// The file, one item a line, LF (CR LF accepted on reading):
//   Horalo registre 1
//   [Software\Horalo]
//   AnnuleActif<TAB>entier<TAB>1
//   SaveDir<TAB>texte<TAB>/home/marie/EDT
//   EditFlags<TAB>binaire<TAB>00000000
// Key paths, names and texts are bytes: '%', '[', ']', control bytes and bytes from 127 up
// are written %XX, so any byte survives and a line never holds a stray tab or newline.
// Whatever the writer would not have written makes the whole file read as empty.

namespace {

const std::string_view Entete = "Horalo registre 1";
// Settings are a few lines; anything this large is not ours.
constexpr qint64 TailleMax = 1 << 20;

enum class TType : std::uint8_t { Entier, Texte, Binaire };

struct TValeur {
    std::string Nom;
    TType Type = TType::Entier;
    std::uint32_t Entier = 0;
    std::string Octets; // text or bytes
};

struct TCle {
    std::string Chemin;
    std::vector<TValeur> Valeurs;
};

using TContenu = std::vector<TCle>;

// Names compare as the platform's registry does: letter case does not count.
bool MemeNom(std::string_view A, std::string_view B) {
    auto Minuscule = [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
    };
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [&](char a, char b) {
               return Minuscule(static_cast<unsigned char>(a)) ==
                      Minuscule(static_cast<unsigned char>(b));
           });
}

// One leading and one trailing backslash are allowed; an empty part is not.
std::optional<std::string> Normaliser(std::string_view Chemin) {
    if (!Chemin.empty() && Chemin.front() == '\\')
        Chemin.remove_prefix(1);
    if (!Chemin.empty() && Chemin.back() == '\\')
        Chemin.remove_suffix(1);
    if (Chemin.empty())
        return std::string();
    if (Chemin.front() == '\\' || Chemin.back() == '\\' ||
        Chemin.find("\\\\") != std::string_view::npos)
        return std::nullopt;
    return std::string(Chemin);
}

const char Hex[] = "0123456789abcdef";

int ValeurHex(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string Encoder(std::string_view Texte) {
    std::string Resultat;
    Resultat.reserve(Texte.size());
    for (char c : Texte) {
        const auto o = static_cast<unsigned char>(c);
        if (o < 0x20 || o >= 0x7F || c == '%' || c == '[' || c == ']') {
            Resultat += '%';
            Resultat += Hex[o >> 4];
            Resultat += Hex[o & 0xF];
        } else {
            Resultat += c;
        }
    }
    return Resultat;
}

bool Decoder(std::string_view Texte, std::string& Resultat) {
    Resultat.clear();
    for (std::size_t i = 0; i < Texte.size(); ++i) {
        const auto o = static_cast<unsigned char>(Texte[i]);
        if (o < 0x20 || o >= 0x7F || o == '[' || o == ']')
            return false;
        if (o != '%') {
            Resultat += Texte[i];
            continue;
        }
        if (i + 2 >= Texte.size())
            return false;
        const int Fort = ValeurHex(Texte[i + 1]);
        const int Faible = ValeurHex(Texte[i + 2]);
        if (Fort < 0 || Faible < 0)
            return false;
        Resultat += static_cast<char>(Fort * 16 + Faible);
        i += 2;
    }
    return true;
}

bool DecoderEntier(std::string_view Texte, std::uint32_t& Valeur) {
    if (Texte.empty() || Texte.size() > 10)
        return false;
    std::uint64_t v = 0;
    for (char c : Texte) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (v > 0xFFFFFFFFu)
        return false;
    Valeur = static_cast<std::uint32_t>(v);
    return true;
}

bool DecoderBinaire(std::string_view Texte, std::string& Octets) {
    if (Texte.size() % 2 != 0)
        return false;
    Octets.clear();
    for (std::size_t i = 0; i < Texte.size(); i += 2) {
        const int Fort = ValeurHex(Texte[i]);
        const int Faible = ValeurHex(Texte[i + 1]);
        if (Fort < 0 || Faible < 0)
            return false;
        Octets += static_cast<char>(Fort * 16 + Faible);
    }
    return true;
}

TCle* TrouverCle(TContenu& Contenu, std::string_view Chemin) {
    for (auto& Cle : Contenu)
        if (MemeNom(Cle.Chemin, Chemin))
            return &Cle;
    return nullptr;
}

TValeur* TrouverValeur(TCle& Cle, std::string_view Nom) {
    for (auto& Valeur : Cle.Valeurs)
        if (MemeNom(Valeur.Nom, Nom))
            return &Valeur;
    return nullptr;
}

bool AnalyserValeur(std::string_view Ligne, TValeur& Valeur) {
    const auto Tab1 = Ligne.find('\t');
    if (Tab1 == std::string_view::npos)
        return false;
    const auto Tab2 = Ligne.find('\t', Tab1 + 1);
    if (Tab2 == std::string_view::npos || Ligne.find('\t', Tab2 + 1) != std::string_view::npos)
        return false;
    const auto Type = Ligne.substr(Tab1 + 1, Tab2 - Tab1 - 1);
    const auto Donnees = Ligne.substr(Tab2 + 1);
    if (!Decoder(Ligne.substr(0, Tab1), Valeur.Nom))
        return false;
    if (Type == "entier") {
        Valeur.Type = TType::Entier;
        return DecoderEntier(Donnees, Valeur.Entier);
    }
    if (Type == "texte") {
        Valeur.Type = TType::Texte;
        return Decoder(Donnees, Valeur.Octets);
    }
    if (Type == "binaire") {
        Valeur.Type = TType::Binaire;
        return DecoderBinaire(Donnees, Valeur.Octets);
    }
    return false;
}

std::optional<TContenu> Analyser(std::string_view Texte) {
    TContenu Contenu;
    bool PremiereLigne = true;
    while (!Texte.empty()) {
        const auto Fin = Texte.find('\n');
        std::string_view Ligne = Texte.substr(0, Fin);
        Texte.remove_prefix(Fin == std::string_view::npos ? Texte.size() : Fin + 1);
        if (!Ligne.empty() && Ligne.back() == '\r')
            Ligne.remove_suffix(1);
        if (PremiereLigne) {
            if (Ligne != Entete)
                return std::nullopt;
            PremiereLigne = false;
            continue;
        }
        if (Ligne.empty())
            continue;
        if (Ligne.front() == '[') {
            if (Ligne.back() != ']' || Ligne.size() < 2)
                return std::nullopt;
            TCle Cle;
            if (!Decoder(Ligne.substr(1, Ligne.size() - 2), Cle.Chemin) ||
                Normaliser(Cle.Chemin) != Cle.Chemin || TrouverCle(Contenu, Cle.Chemin))
                return std::nullopt;
            Contenu.push_back(std::move(Cle));
            continue;
        }
        TValeur Valeur;
        if (Contenu.empty() || !AnalyserValeur(Ligne, Valeur) ||
            TrouverValeur(Contenu.back(), Valeur.Nom))
            return std::nullopt;
        Contenu.back().Valeurs.push_back(std::move(Valeur));
    }
    if (PremiereLigne)
        return std::nullopt;
    return Contenu;
}

// A missing, unreadable or damaged file reads as an empty registry; Abime tells the last
// two apart from a missing one.
TContenu LireContenu(const QString& Fichier, bool* Abime = nullptr) {
    QFile f(Fichier);
    // Only a regular file is opened: a pipe in its place would hold the start-up forever.
    const bool Regulier = QFileInfo(Fichier).isFile();
    if (Abime)
        *Abime = Regulier;
    if (!Regulier || !f.open(QIODevice::ReadOnly) || f.size() > TailleMax)
        return {};
    const QByteArray Octets = f.read(TailleMax + 1);
    if (Octets.size() > TailleMax)
        return {};
    auto Contenu =
        Analyser(std::string_view(Octets.constData(), static_cast<std::size_t>(Octets.size())));
    if (Abime)
        *Abime = !Contenu;
    return Contenu.value_or(TContenu{});
}

// What a write starts from. A file that cannot be read is first put aside under a name of
// its own, so that the user's values can still be recovered from it.
TContenu LireAvantEcriture(const QString& Fichier) {
    bool Abime = false;
    TContenu Contenu = LireContenu(Fichier, &Abime);
    if (Abime) {
        QString Cote = Fichier + QStringLiteral(".damaged");
        for (int n = 2; QFile::exists(Cote); ++n)
            Cote = Fichier + QStringLiteral(".damaged.%1").arg(n);
        QFile::rename(Fichier, Cote);
    }
    return Contenu;
}

std::string Formater(const TContenu& Contenu) {
    std::string Texte(Entete);
    Texte += '\n';
    for (const auto& Cle : Contenu) {
        Texte += '[' + Encoder(Cle.Chemin) + "]\n";
        for (const auto& Valeur : Cle.Valeurs) {
            Texte += Encoder(Valeur.Nom);
            switch (Valeur.Type) {
            case TType::Entier:
                Texte += "\tentier\t" + std::to_string(Valeur.Entier);
                break;
            case TType::Texte:
                Texte += "\ttexte\t" + Encoder(Valeur.Octets);
                break;
            case TType::Binaire:
                Texte += "\tbinaire\t";
                for (char c : Valeur.Octets) {
                    const auto o = static_cast<unsigned char>(c);
                    Texte += Hex[o >> 4];
                    Texte += Hex[o & 0xF];
                }
                break;
            }
            Texte += '\n';
        }
    }
    return Texte;
}

bool EcrireContenu(const QString& Fichier, const TContenu& Contenu) {
    const std::string Texte = Formater(Contenu);
    return EcrireFichierSur(Fichier,
                            QByteArray(Texte.data(), static_cast<qsizetype>(Texte.size())));
}

// Reads the file, replaces or adds the value in the open key (created again if someone
// removed it meanwhile), and writes the file back.
bool EcrireValeur(const QString& Fichier, const std::string& Chemin, TValeur Nouvelle) {
    TContenu Contenu = LireAvantEcriture(Fichier);
    TCle* Cle = TrouverCle(Contenu, Chemin);
    if (!Cle) {
        Contenu.push_back(TCle{Chemin, {}});
        Cle = &Contenu.back();
    }
    if (TValeur* Ancienne = TrouverValeur(*Cle, Nouvelle.Nom)) {
        // The name keeps the spelling it was first written with.
        Nouvelle.Nom = Ancienne->Nom;
        *Ancienne = std::move(Nouvelle);
    } else {
        Cle->Valeurs.push_back(std::move(Nouvelle));
    }
    return EcrireContenu(Fichier, Contenu);
}

// Nothing is read while no key is open.
std::optional<TValeur> Lire(bool Ouverte, const QString& Fichier, const std::string& Chemin,
                            std::string_view Nom, TType Type) {
    if (!Ouverte)
        return std::nullopt;
    TContenu Contenu = LireContenu(Fichier);
    TCle* Cle = TrouverCle(Contenu, Chemin);
    if (!Cle)
        return std::nullopt;
    const TValeur* Valeur = TrouverValeur(*Cle, Nom);
    if (!Valeur || Valeur->Type != Type)
        return std::nullopt;
    return *Valeur;
}

} // namespace

bool EcrireFichierSur(const QString& Chemin, const QByteArray& Octets) {
    if (!QDir().mkpath(QFileInfo(Chemin).absolutePath()))
        return false;
    QSaveFile f(Chemin);
    // commit() loses the errors of its own flush (QTBUG-75077): flush first, or a truncated
    // file could replace the old one.
    return f.open(QIODevice::WriteOnly) && f.write(Octets) == Octets.size() && f.flush() &&
           f.commit();
}

QString TBaseRegistre::FichierUtilisateur() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Horalo/registre");
}

TBaseRegistre::TBaseRegistre(QString Fichier) : Chemin(std::move(Fichier)) {}

bool TBaseRegistre::OuvrirCle(const std::string& NomCle, bool Creer) {
    FermerCle();
    const auto Normalise = Normaliser(NomCle);
    if (!Normalise)
        return false;
    TContenu Contenu = LireContenu(Chemin);
    if (!TrouverCle(Contenu, *Normalise)) {
        if (!Creer)
            return false;
        Contenu = LireAvantEcriture(Chemin);
        Contenu.push_back(TCle{*Normalise, {}});
        if (!EcrireContenu(Chemin, Contenu))
            return false;
    }
    Cle = *Normalise;
    Ouverte = true;
    return true;
}

void TBaseRegistre::FermerCle() {
    Cle.clear();
    Ouverte = false;
}

bool TBaseRegistre::LireEntier(const std::string& Nom, std::uint32_t& Valeur) const {
    const auto Lu = Lire(Ouverte, Chemin, Cle, Nom, TType::Entier);
    if (Lu)
        Valeur = Lu->Entier;
    return Lu.has_value();
}

bool TBaseRegistre::LireTexte(const std::string& Nom, std::string& Valeur) const {
    const auto Lu = Lire(Ouverte, Chemin, Cle, Nom, TType::Texte);
    if (Lu)
        Valeur = Lu->Octets;
    return Lu.has_value();
}

bool TBaseRegistre::LireBinaire(const std::string& Nom, std::vector<std::uint8_t>& Valeur) const {
    const auto Lu = Lire(Ouverte, Chemin, Cle, Nom, TType::Binaire);
    if (Lu)
        Valeur.assign(Lu->Octets.begin(), Lu->Octets.end());
    return Lu.has_value();
}

bool TBaseRegistre::EcrireEntier(const std::string& Nom, std::uint32_t Valeur) {
    return Ouverte && EcrireValeur(Chemin, Cle, TValeur{Nom, TType::Entier, Valeur, {}});
}

bool TBaseRegistre::EcrireTexte(const std::string& Nom, const std::string& Valeur) {
    return Ouverte && EcrireValeur(Chemin, Cle, TValeur{Nom, TType::Texte, 0, Valeur});
}

bool TBaseRegistre::EcrireBinaire(const std::string& Nom, const std::vector<std::uint8_t>& Valeur) {
    return Ouverte && EcrireValeur(Chemin, Cle,
                                   TValeur{Nom, TType::Binaire, 0, {Valeur.begin(), Valeur.end()}});
}
