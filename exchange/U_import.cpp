#include "exchange/U_import.h"

#include "exchange/U_importcsv.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Far above any school's data, far below what would strain memory or time.
constexpr qint64 TailleMaxCsv = 16 << 20;
constexpr qint64 TailleMaxFet = 64 << 20;

[[noreturn]] void Refuser(const QString& Chemin, const std::string& Raison) {
    throw EErreurImport("Impossible d'importer « " + Chemin.toStdString() + " » : " + Raison + ".");
}

} // namespace

bool EstFichierFet(const QString& Chemin) {
    return QFileInfo(Chemin).suffix().compare(QStringLiteral("fet"), Qt::CaseInsensitive) == 0;
}

TEcoleImportee LireImport(const QString& Chemin, bool Fet, const TReglagesFet& Reglages) {
    QFile Fichier(Chemin);
    if (QFileInfo(Chemin).isDir() || !Fichier.open(QIODevice::ReadOnly))
        Refuser(Chemin, "le fichier ne peut pas être lu");
    const qint64 Limite = Fet ? TailleMaxFet : TailleMaxCsv;
    if (Fichier.size() > Limite)
        Refuser(Chemin, "il dépasse " + std::to_string(Limite >> 20) + " Mo");
    const QByteArray Octets = Fichier.read(Limite + 1); // a pipe has no size to check
    if (Fichier.error() != QFileDevice::NoError)
        Refuser(Chemin, "le fichier ne peut pas être lu");
    if (Octets.size() > Limite)
        Refuser(Chemin, "il dépasse " + std::to_string(Limite >> 20) + " Mo");
    try {
        return Fet ? LireEcoleFet(Octets, Reglages)
                   : LireServicesCsv(std::string_view(Octets.constData(), Octets.size()));
    } catch (const EErreurImport& Erreur) {
        Refuser(Chemin, Erreur.what());
    }
}
