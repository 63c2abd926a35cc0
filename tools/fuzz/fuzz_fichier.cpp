// Arbitrary bytes read as a timetable file. Besides the sanitizers, one property is
// checked: whatever model a file gives, written and read again, gives the same text.
#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "scheduling/U_automate.h"
#include "storage/U_fichier.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string Texte(const TLignes& Lignes) {
    std::string T;
    for (const std::string& Ligne : Lignes)
        T += Ligne + "\r\n";
    return T;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    static TSauveur Lecteur; // once: each instance makes a folder of its own
    TAutomate Reglages;
    Automate = &Reglages;

    Lecteur.ChargerOctets(std::string_view(reinterpret_cast<const char*>(Donnees), Taille),
                          "fuzz.edt");
    const TLignes Ecrites = LignesDuModele();
    Lecteur.ChargerOctets(Texte(Ecrites), "relu.edt");
    if (LignesDuModele() != Ecrites)
        __builtin_trap();

    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
    Automate = nullptr;
    return 0;
}
