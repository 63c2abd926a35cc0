#include "model/U_types.h"

#include <array>
#include <cstdio>

namespace {

const std::array<std::string, NombreJours> NomsJours = {"Lundi", "Mardi",    "Mercredi",
                                                        "Jeudi", "Vendredi", "Samedi"};

// A two-character field as an integer: leading blanks, an optional sign, then digits only.
bool LireChamp(const std::string& Champ, int& Valeur) {
    std::size_t i = 0;
    while (i < Champ.size() && Champ[i] == ' ')
        ++i;
    bool Negatif = false;
    if (i < Champ.size() && (Champ[i] == '+' || Champ[i] == '-')) {
        Negatif = Champ[i] == '-';
        ++i;
    }
    if (i == Champ.size())
        return false;
    int v = 0;
    for (; i < Champ.size(); ++i) {
        if (Champ[i] < '0' || Champ[i] > '9')
            return false;
        v = v * 10 + (Champ[i] - '0');
    }
    Valeur = Negatif ? -v : v;
    return true;
}

} // namespace

std::string NomJour(TJour Jour) {
    return Jour < NombreJours ? NomsJours[Jour] : std::string();
}

TJour NumeroJour(const std::string& Texte) {
    for (TJour j = 0; j < NombreJours; ++j)
        if (NomsJours[j] == Texte)
            return j;
    return 0;
}

std::string TexteHeure(TQuart Quart) {
    char Tampon[16];
    std::snprintf(Tampon, sizeof Tampon, "%.2dh%.2d", Quart / 4, (Quart % 4) * 15);
    return Tampon;
}

TQuart HeureTexte(const std::string& Texte) {
    int Heures = 0;
    int Minutes = 0;
    if (Texte.size() != 5 || !LireChamp(Texte.substr(0, 2), Heures) || Heures < 0 ||
        Texte[2] != 'h' || !LireChamp(Texte.substr(3, 2), Minutes) || Minutes < 0)
        return 0;
    // Minutes snap to the nearest quarter; never exactly halfway for whole minutes.
    return static_cast<TQuart>((Heures * 4 + (2 * Minutes + 15) / 30) % 97);
}

bool HeureExacte(const std::string& Texte, TQuart& Quart) {
    const TQuart Lu = HeureTexte(Texte);
    if (TexteHeure(Lu) != Texte)
        return false;
    Quart = Lu;
    return true;
}
