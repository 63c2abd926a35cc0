#include "ui/main/U_lotsdiagnostic.h"

#include "scheduling/U_diagnostic.h"
#include "ui/main/U_lots.h"

bool EstTravailDiagnostic(const std::string& Commande) {
    return Commande == "--diagnostiquer";
}

int TravailDiagnostic(const QStringList& Arguments) {
    if (Arguments.size() != 2)
        return Erreur("--diagnostiquer attend FICHIER.edt.\n");
    return Placer(Arguments[1], QString(), [] {
        return QString::fromStdString(DiagnosticEnCsv(HeuresNonPlacees(*Automate))).chopped(1);
    });
}
