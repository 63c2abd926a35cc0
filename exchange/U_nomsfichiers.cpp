#include "exchange/U_nomsfichiers.h"

#include "model/U_classe.h"
#include "model/U_prof.h"

#include <set>

namespace {

// The ASCII letter of Windows-1252's accented letters 0xC0..0xFF; '-' where none fits.
constexpr char Lettres[] = "AAAAAAACEEEEIIIIDNOOOOO-OUUUUYTsaaaaaaaceeeeiiiidnooooo-ouuuuyty";

char Ascii(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return static_cast<char>(c);
    if (c >= 0xC0)
        return Lettres[c - 0xC0];
    switch (c) {
    case 0x8A:
        return 'S';
    case 0x8C:
        return 'O';
    case 0x8E:
        return 'Z';
    case 0x9A:
        return 's';
    case 0x9C:
        return 'o';
    case 0x9E:
        return 'z';
    default:
        return '-';
    }
}

template <class TListe>
void Nommer(const TListe& Liste, const char* Prefixe, std::set<std::string>& Pris,
            std::map<std::string, std::string>& Noms) {
    for (std::size_t n = 1; n <= Liste.Nombre(); ++n) {
        const std::string Base = Prefixe + NomDeFichier(Liste.Numero(n)->Nom);
        std::string Nom = Base;
        for (int k = 2; !Pris.insert(Nom).second; ++k)
            Nom = Base + '-' + std::to_string(k);
        Noms[Liste.Numero(n)->Nom] = Nom;
    }
}

} // namespace

std::string NomDeFichier(const std::string& Ansi) {
    std::string Nom;
    for (const char c : Ansi) {
        const char a = Ascii(static_cast<unsigned char>(c));
        if (a != '-' || (!Nom.empty() && Nom.back() != '-'))
            Nom += a;
        if (Nom.size() == 60)
            break;
    }
    while (!Nom.empty() && Nom.back() == '-')
        Nom.pop_back();
    return Nom.empty() ? "sans-nom" : Nom;
}

TAnnuaire AnnuaireDuModele() {
    TAnnuaire Annuaire;
    std::set<std::string> Pris;
    if (LesClasses)
        Nommer(*LesClasses, "classe-", Pris, Annuaire.Classes);
    if (LesProfs)
        Nommer(*LesProfs, "prof-", Pris, Annuaire.Profs);
    return Annuaire;
}
