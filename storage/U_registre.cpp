#include "storage/U_registre.h"

#include "model/U_messages.h"
#include "model/U_texte.h"
#include "storage/U_fichier.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QtEndian>

#include <array>
#include <cstdint>

TRegistre* Registre = nullptr;

namespace {

const std::string CleHoralo = "Software\\Horalo";
const std::string ValeurActif = "AnnuleActif";
const std::string ValeurNiveaux = "MaxAnnule";
const std::string ValeurDossier = "SaveDir";
const std::string ValeurLargeur = "Largeur";
const std::string ValeurHauteur = "Hauteur";
const std::string ValeurAgrandie = "Agrandie";
const std::string ValeurQualite = "PanneauQualite";

const QString TypeMime = QStringLiteral("application/x-horalo-edt");
const QString NomIcone = QStringLiteral("horalo");

QByteArray PaquetMime() {
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-horalo-edt\">\n"
        "    <comment>Horalo fichier</comment>\n"
        "    <sub-class-of type=\"text/plain\"/>\n"
        "    <icon name=\"horalo\"/>\n"
        "    <glob pattern=\"*.edt\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n");
}

// The program as one quoted argument, as desktop entries require: inside the
// quotes '"', '`', '$' and '\' take a backslash, '%' doubles; the value as a whole then
// escapes its backslashes and control characters.
QString LigneExec(const QString& Programme) {
    QString Argument = QStringLiteral("\"");
    for (const QChar c : Programme) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            Argument += u'\\';
        if (c == u'%')
            Argument += u'%';
        Argument += c;
    }
    Argument += QStringLiteral("\" %f");
    QString Valeur;
    for (const QChar c : Argument) {
        if (c == u'\\')
            Valeur += QStringLiteral("\\\\");
        else if (c == u'\n')
            Valeur += QStringLiteral("\\n");
        else if (c == u'\t')
            Valeur += QStringLiteral("\\t");
        else if (c == u'\r')
            Valeur += QStringLiteral("\\r");
        else
            Valeur += c;
    }
    return Valeur;
}

QByteArray EntreeBureau(const QString& Programme) {
    const QString Texte =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Horalo\n"
                       "GenericName=Emplois du temps\n"
                       "Comment=Emplois du temps hebdomadaires d'un établissement\n"
                       "Exec=") +
        LigneExec(Programme) + QStringLiteral("\nIcon=") + NomIcone +
        QStringLiteral("\nMimeType=") + TypeMime +
        QStringLiteral(";\n"
                       "Terminal=false\n"
                       "Categories=Office;Education;\n");
    return Texte.toUtf8();
}

// Where the icon goes under the data folder, from the PNG's own header (width and height
// big-endian at bytes 16 and 20): the hicolor theme only searches its listed sizes, other
// pictures go to the unthemed fallback folder; empty when it is no PNG.
QString DossierIcone(const QByteArray& Png) {
    static const QByteArray Signature("\x89PNG\r\n\x1a\n", 8);
    if (Png.size() < 24 || !Png.startsWith(Signature) || Png.mid(12, 4) != "IHDR")
        return {};
    const auto Largeur = qFromBigEndian<quint32>(Png.constData() + 16);
    const auto Hauteur = qFromBigEndian<quint32>(Png.constData() + 20);
    constexpr std::array<quint32, 13> Tailles{16, 22, 24,  32,  36,  48, 64,
                                              72, 96, 128, 192, 256, 512};
    for (const quint32 Taille : Tailles)
        if (Largeur == Taille && Hauteur == Taille)
            return QStringLiteral("icons/hicolor/%1x%1/apps").arg(Taille);
    return QStringLiteral("icons");
}

bool MemeContenu(const QString& Chemin, const QByteArray& Octets) {
    QFile f(Chemin);
    return f.open(QIODevice::ReadOnly) && f.readAll() == Octets;
}

// The desktop reads the mime database, not the packages: rebuild it when the package
// changed or the database is missing. Best effort, never reported, and never waited for:
// the window must not wait on it at start-up.
void MettreAJourBaseMime(const QString& DossierMime) {
    const QString Outil = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (Outil.isEmpty())
        return;
    QProcess Processus;
    Processus.setProgram(Outil);
    Processus.setArguments({DossierMime});
    Processus.setStandardOutputFile(QProcess::nullDevice());
    Processus.setStandardErrorFile(QProcess::nullDevice());
    Processus.startDetached();
}

// A package put the type and the menu entry in a system data folder: copies in the user's
// folder would show Horalo twice.
bool InstalleSurLeSysteme(const QString& Donnees) {
    for (const QString& Dossier :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (Dossier != Donnees &&
            QFileInfo::exists(Dossier + QStringLiteral("/mime/packages/horalo.xml")))
            return true;
    return false;
}

} // namespace

TRegistre::TRegistre() : Cle(std::make_unique<TBaseRegistre>()) {
    // Every failure keeps what was taken so far; the rest stays at Sauveur's defaults.
    if (!Cle->OuvrirCle(CleHoralo, true) || !Sauveur)
        return;
    std::uint32_t Valeur = 0;
    if (!Cle->LireEntier(ValeurActif, Valeur))
        return;
    Sauveur->Actif = Valeur != 0;
    if (!Cle->LireEntier(ValeurNiveaux, Valeur))
        return;
    // Outside 1..99 the history's 8-bit ring breaks (0 divides by zero): keep the default.
    const auto Niveaux = static_cast<std::uint8_t>(Valeur & 0xFFu);
    if (Niveaux >= 1 && Niveaux <= 99)
        Sauveur->NiveauxMax = static_cast<std::int8_t>(Niveaux);
}

TRegistre::~TRegistre() {
    if (!Cle)
        return;
    // Shut-down goes on whatever happens here: a failed write is not reported.
    if (Sauveur && Cle->EcrireEntier(ValeurActif, Sauveur->Actif ? 1 : 0))
        Cle->EcrireEntier(ValeurNiveaux, static_cast<std::uint8_t>(Sauveur->NiveauxMax));
    Cle->FermerCle();
}

std::string TRegistre::LireDossier() const {
    std::string Dossier;
    if (!Cle || !Cle->LireTexte(ValeurDossier, Dossier))
        return {};
    return Dossier;
}

void TRegistre::EcrireDossier(const std::string& Dossier) {
    if (!Cle || !Cle->EcrireTexte(ValeurDossier, Dossier))
        Messages().Message(Ansi("Erreur d'écriture dans la base de registre de windows"));
}

std::optional<TTailleFenetre> TRegistre::LireFenetre() const {
    TTailleFenetre Taille;
    std::uint32_t Agrandie = 0;
    if (!Cle || !Cle->LireEntier(ValeurLargeur, Taille.Largeur) ||
        !Cle->LireEntier(ValeurHauteur, Taille.Hauteur) ||
        !Cle->LireEntier(ValeurAgrandie, Agrandie))
        return std::nullopt;
    Taille.Agrandie = Agrandie != 0;
    return Taille;
}

void TRegistre::EcrireFenetre(const TTailleFenetre& Taille) {
    if (Cle && Cle->EcrireEntier(ValeurLargeur, Taille.Largeur) &&
        Cle->EcrireEntier(ValeurHauteur, Taille.Hauteur))
        Cle->EcrireEntier(ValeurAgrandie, Taille.Agrandie ? 1 : 0);
}

bool TRegistre::LireQualiteVisible() const {
    std::uint32_t Visible = 1;
    return !Cle || !Cle->LireEntier(ValeurQualite, Visible) || Visible != 0;
}

void TRegistre::EcrireQualiteVisible(bool Visible) {
    if (Cle)
        Cle->EcrireEntier(ValeurQualite, Visible ? 1 : 0);
}

void TRegistre::AssocierExtension() {
    // Without an application object there is no program path to name.
    const QString Programme =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    AssocierExtension(Programme, QStringLiteral(":/horalo.png"));
}

void TRegistre::AssocierExtension(const QString& Programme, const QString& Icone) {
    const QString Donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (Donnees.isEmpty())
        return;

    const QString Paquet = Donnees + QStringLiteral("/mime/packages/horalo-edt.xml");
    if (InstalleSurLeSysteme(Donnees)) {
        // What a run from a build tree declared before the package came goes.
        QFile::remove(Donnees + QStringLiteral("/applications/horalo.desktop"));
        if (QFile::remove(Paquet))
            MettreAJourBaseMime(Donnees + QStringLiteral("/mime"));
        return;
    }
    const bool PaquetChange = !MemeContenu(Paquet, PaquetMime());
    if (EcrireFichierSur(Paquet, PaquetMime()) &&
        (PaquetChange || !QFileInfo::exists(Donnees + QStringLiteral("/mime/mime.cache"))))
        MettreAJourBaseMime(Donnees + QStringLiteral("/mime"));

    if (!Programme.isEmpty())
        EcrireFichierSur(Donnees + QStringLiteral("/applications/horalo.desktop"),
                         EntreeBureau(Programme));

    QFile Source(Icone);
    if (!Source.open(QIODevice::ReadOnly))
        return;
    const QByteArray Png = Source.readAll();
    const QString Dossier = DossierIcone(Png);
    if (!Dossier.isEmpty())
        EcrireFichierSur(Donnees + u'/' + Dossier + u'/' + NomIcone + QStringLiteral(".png"), Png);
}
