#include "ui/main/U_application.h"

#include "model/U_messages.h"
#include "model/U_texte.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void TraduireQt() {
    static const bool Fait = [] {
        for (const char* Module : {"qtbase", "qt_help"}) {
            auto* Traduction = new QTranslator(QCoreApplication::instance());
            if (Traduction->load(QLocale(QLocale::French), QLatin1String(Module),
                                 QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(Traduction);
            else
                delete Traduction;
        }
        return true;
    }();
    (void)Fait;
}

void AfficherErreur(const std::exception& Erreur) {
    // Storage writes its messages in UTF-8; the messages seam speaks Windows-1252.
    Messages().Erreur(Ansi(Erreur.what()));
}

void ExecuterProtege(const std::function<void()>& Commande) {
    try {
        Commande();
    } catch (const std::exception& Erreur) {
        AfficherErreur(Erreur);
    }
}

bool TApplication::notify(QObject* Destinataire, QEvent* Evenement) {
    try {
        return QApplication::notify(Destinataire, Evenement);
    } catch (const std::exception& Erreur) {
        AfficherErreur(Erreur);
    }
    return false;
}
