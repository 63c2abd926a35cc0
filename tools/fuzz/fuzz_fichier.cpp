// Arbitrary bytes read as a timetable file, under the sanitizers and the round trip.
#include "scheduling/U_automate.h"
#include "tools/fuzz/AllerRetour.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    static TSauveur Lecteur; // once: each instance makes a folder of its own
    TAutomate Reglages;
    Automate = &Reglages;
    Lecteur.ChargerOctets(std::string_view(reinterpret_cast<const char*>(Donnees), Taille),
                          "fuzz.edt");
    VerifierAllerRetour(Lecteur);
    Automate = nullptr;
    return 0;
}
