#include "ui/main/U_ressources.h"

#include <QtCore/qresource.h>

void InitialiserRessources() {
    // Registering twice would list every file twice; once per process is enough.
    static const bool Fait = [] {
        Q_INIT_RESOURCE(horalo);
        return true;
    }();
    (void)Fait;
}
