// "Améliorer l'emploi du temps", from the Saisie menu.
#include "scheduling/U_amelioration.h"
#include "ui/main/U_lotsqualite.h"
#include "ui/main/U_princ.h"

void TFTable::Ameliorer1Click() {
    TravailSuivi(QStringLiteral("Amélioration de l'emploi du temps..."),
                 [](IProgressionOptimisation& Suivi) {
                     return TexteAmelioration(Ameliorer(*Automate, EtapesAmelioration, &Suivi));
                 });
}
