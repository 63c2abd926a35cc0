// Writes the demo schools: generateur [FOLDER], examples/ of the sources by default.
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"
#include "tools/generateur/U_ecoles.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    const std::string Dossier = argc > 1 ? argv[1] : HORALO_EXAMPLES;
    try {
        TSauveur Sauvegarde;
        TAutomate Reglages; // the default day bounds go into the files
        Automate = &Reglages;
        for (const TEcole Ecole : {TEcole::College, TEcole::Lycee}) {
            LesSeries = new TLesSeries;
            LesProfs = new TLesProfs;
            LesClasses = new TLesClasses;
            ConstruireExemple(Ecole);
            const std::string Chemin = Dossier + "/" + NomFichierExemple(Ecole);
            Sauvegarde.EcrireFichier(Chemin);
            std::printf("%s: %d series, %d teachers, %d classes\n", Chemin.c_str(),
                        LesSeries->Nombre(), LesProfs->Nombre(), LesClasses->Nombre());
            DetruireGlobal(LesClasses);
            DetruireGlobal(LesProfs);
            DetruireGlobal(LesSeries);
        }
        Automate = nullptr;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generateur: %s\n", e.what());
        return 1;
    }
    return 0;
}
