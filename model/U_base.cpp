#include "model/U_base.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::size_t LongueurMaxLigne = 255;

// Cuts the first line off Texte.
std::string CouperLigne(std::string_view& Texte) {
    // A plain scan: find_first_of calls memchr on its two-character set for every byte.
    std::size_t Fin = 0;
    while (Fin < Texte.size() && Texte[Fin] != '\r' && Texte[Fin] != '\n')
        ++Fin;
    std::string Ligne(Texte.substr(0, std::min(Fin, LongueurMaxLigne)));
    const bool CrLf = Fin + 1 < Texte.size() && Texte[Fin] == '\r' && Texte[Fin + 1] == '\n';
    Texte.remove_prefix(std::min(Texte.size(), Fin + (CrLf ? 2 : 1)));
    return Ligne;
}

} // namespace

TLignes TLignes::Lues(std::string_view Texte) {
    TLignes Lignes;
    Lignes.DuTexte = true;
    Lignes.Reste = Texte.substr(0, Texte.find('\0'));
    return Lignes;
}

bool TLignes::Ligne(std::size_t Position, std::string& Texte) const {
    if (!DuTexte) {
        if (Position >= size())
            return false;
        Texte = (*this)[Position];
        return true;
    }
    if (Position + 1 != Coupees) {
        if (Position != Coupees || Reste.empty())
            return false;
        Derniere = CouperLigne(Reste);
        ++Coupees;
    }
    Texte = Derniere;
    return true;
}

std::string LireLigne(const TLignes& Lignes, std::size_t& Position) {
    std::string Texte;
    if (!Lignes.Ligne(Position, Texte))
        throw ELectureArchive("ligne manquante");
    ++Position;
    return Texte;
}

bool TexteEntier(const std::string& Texte, std::int32_t& Valeur) {
    std::size_t i = 0;
    while (i < Texte.size() && Texte[i] == ' ')
        ++i;
    const bool Negatif = i < Texte.size() && Texte[i] == '-';
    if (i < Texte.size() && (Texte[i] == '-' || Texte[i] == '+'))
        ++i;
    // Leading zeros add nothing to the value, so they do not count towards its length.
    while (i + 1 < Texte.size() && Texte[i] == '0')
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

bool NomBlanc(const std::string& Nom) {
    return Nom.find_first_not_of(" \t\xA0") == std::string::npos;
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
    if (!Element || Element->Nom.empty() || Existe(Element->Nom) ||
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
