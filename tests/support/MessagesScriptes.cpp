#include "tests/support/MessagesScriptes.h"

#include "model/U_texte.h"

bool TMessagesScriptes::Confirmer(const std::string& Texte) {
    return ConfirmerAvecAbandon(Texte) == TReponse::Oui;
}

TReponse TMessagesScriptes::ConfirmerAvecAbandon(const std::string& Texte) {
    Questions.push_back(Texte);
    if (Reponses.empty())
        return TReponse::Non;
    const TReponse r = Reponses.front();
    Reponses.pop_front();
    return r;
}

std::vector<std::string> TMessagesScriptes::MontresUtf8() const {
    std::vector<std::string> Textes;
    for (const auto& t : Montres)
        Textes.push_back(Utf8(t));
    return Textes;
}
