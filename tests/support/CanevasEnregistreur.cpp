#include "tests/support/CanevasEnregistreur.h"

std::vector<TTrace> TCanevasEnregistreur::Filtrer(const std::string& Quoi) const {
    std::vector<TTrace> Resultat;
    for (const auto& t : Traces)
        if (t.Quoi == Quoi)
            Resultat.push_back(t);
    return Resultat;
}

const TTrace* TCanevasEnregistreur::TexteEcrit(const std::string& Texte) const {
    for (const auto& t : Traces)
        if (t.Quoi == "texte" && t.Texte == Texte)
            return &t;
    return nullptr;
}
