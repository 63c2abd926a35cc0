#include "model/U_base.h"

#include <limits>

const std::string& LireLigne(const TLignes& Lignes, std::size_t& Position) {
    if (Position >= Lignes.size())
        throw ELectureArchive("ligne manquante");
    return Lignes[Position++];
}

bool TexteEntier(const std::string& Texte, std::int32_t& Valeur) {
    std::size_t i = 0;
    while (i < Texte.size() && Texte[i] == ' ')
        ++i;
    const bool Negatif = i < Texte.size() && Texte[i] == '-';
    if (i < Texte.size() && (Texte[i] == '-' || Texte[i] == '+'))
        ++i;
    if (i == Texte.size() || Texte.size() - i > 11)
        return false;
    std::int64_t v = 0;
    for (; i < Texte.size(); ++i) {
        if (Texte[i] < '0' || Texte[i] > '9')
            return false;
        v = v * 10 + (Texte[i] - '0');
    }
    v = Negatif ? -v : v;
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return false;
    Valeur = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t LireEntier(const TLignes& Lignes, std::size_t& Position) {
    std::int32_t Valeur = 0;
    if (!TexteEntier(LireLigne(Lignes, Position), Valeur))
        throw ELectureArchive("nombre attendu");
    return Valeur;
}

void TBase::Sauver(TLignes& Lignes) const {
    Lignes.push_back(Nom);
}

TLesBases::~TLesBases() {
    Vider();
}

std::int16_t TLesBases::Indice(const std::string& Nom) const {
    for (std::size_t i = 0; i < Elements.size(); ++i)
        if (Elements[i]->Nom == Nom)
            return static_cast<std::int16_t>(i);
    return -1;
}

TBase* TLesBases::Trouver(const std::string& Nom) const {
    const auto i = Indice(Nom);
    return i < 0 ? nullptr : Elements[static_cast<std::size_t>(i)].get();
}

std::string TLesBases::NomNumero(std::size_t N) const {
    return N >= 1 && N <= Elements.size() ? Elements[N - 1]->Nom : std::string();
}

TBase* TLesBases::Ajouter(std::unique_ptr<TBase> Element) {
    if (!Element || Existe(Element->Nom) ||
        Elements.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        return nullptr;
    Elements.push_back(std::move(Element));
    return Elements.back().get();
}

void TLesBases::Supprimer(const std::string& Nom) {
    const auto i = Indice(Nom);
    if (i < 0)
        return;
    // Taken out before its destructor runs, which may reach the other collections.
    std::unique_ptr<TBase> Ancien = std::move(Elements[static_cast<std::size_t>(i)]);
    Elements.erase(Elements.begin() + i);
    Ancien.reset();
}

void TLesBases::Vider() {
    std::vector<std::unique_ptr<TBase>> Anciens;
    Anciens.swap(Elements);
    for (auto& Ancien : Anciens)
        Ancien.reset();
}

void TLesBases::Sauver(TLignes& Lignes) const {
    Lignes.push_back(std::to_string(Elements.size()));
    for (const auto& Element : Elements)
        Element->Sauver(Lignes);
}

void TLesBases::Charger(const TLignes& Lignes, std::size_t& Position) {
    const auto K = static_cast<std::uint16_t>(LireEntier(Lignes, Position));
    for (std::uint16_t k = 0; k < K; ++k)
        ChargerElement(Lignes, Position);
}
