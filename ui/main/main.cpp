// Horalo: the program's entry.
#include "model/U_messages.h"
#include "ui/main/U_aideqt.h"
#include "ui/main/U_application.h"
#include "ui/main/U_lots.h"
#include "ui/main/U_messagesqt.h"
#include "ui/main/U_princ.h"
#include "ui/main/U_ressources.h"

#include <cstdio>

namespace {

// Without any display Qt would abort with a terse message; say how to run Horalo instead.
bool AffichageDisponible() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    // Batch work needs no display: it paints off screen.
    const bool Lot = EstTravailEnLot(argc, argv);
    if (Lot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!AffichageDisponible()) {
        std::fprintf(stderr,
                     "Horalo a besoin d'un affichage graphique, et aucun n'est disponible.\n"
                     "Pour le lancer dans un affichage virtuel :\n"
                     "  xvfb-run -a %s [fichier.edt]\n",
                     argc > 0 ? argv[0] : "horalo");
        return 2;
    }
    TApplication Application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalo"));
    InitialiserRessources();
    TraduireQt();
    if (Lot)
        return TravailEnLot(QApplication::arguments().mid(1));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/horalo.png")));

    TMessagesQt MessagesQt;
    InstallerMessages(&MessagesQt);
    TAideQt AideQt; // its window is made at the first request for help
    InstallerAide(&AideQt);
    QStringList Arguments = QApplication::arguments();
    Arguments.removeFirst();
    int Resultat = 0;
    try {
        TFTable Table(Arguments);
        Table.show();
        Resultat = QApplication::exec();
    } catch (const std::exception& Erreur) {
        // Whatever start-up or shut-down let through is told, not left to abort().
        std::fprintf(stderr, "Horalo : %s\n", Erreur.what());
        AfficherErreur(Erreur);
        Resultat = 1;
    }
    InstallerAide(nullptr);
    InstallerMessages(nullptr);
    return Resultat;
}
