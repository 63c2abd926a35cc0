// Arbitrary bytes imported as a table of services or as a FET file, the school built as the
// window builds it, then the timetable's round trip. The first byte picks the reader and the
// FET settings; a refusal (EErreurImport) is a valid outcome, anything else is not.
#include "exchange/U_importcsv.h"
#include "exchange/U_importfet.h"
#include "scheduling/U_automate.h"
#include "tools/fuzz/AllerRetour.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    static TSauveur Lecteur;
    if (Taille == 0)
        return 0;
    TAutomate Reglages;
    Automate = &Reglages;
    const std::uint8_t Choix = Donnees[0];
    const std::string_view Octets(reinterpret_cast<const char*>(Donnees + 1), Taille - 1);
    try {
        TEcoleImportee Ecole;
        if (Choix & 1) {
            TReglagesFet Fet;
            Fet.Periode = 15 * (1 + (Choix >> 1 & 15)); // 15 to 240 minutes, as --periode
            Fet.Debut = static_cast<TQuart>(QuartDebutGrille + 6 * (Choix >> 5));
            Ecole =
                LireEcoleFet(QByteArray(Octets.data(), static_cast<qsizetype>(Octets.size())), Fet);
        } else {
            Ecole = LireServicesCsv(Octets);
        }
        Lecteur.ViderModele();
        ConstruireEcole(Ecole);
        VerifierAllerRetour(Lecteur);
    } catch (const EErreurImport&) {
    }
    Automate = nullptr;
    return 0;
}
