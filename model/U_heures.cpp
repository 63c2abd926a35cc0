#include "model/U_heures.h"

void THeures::Sauver(TLignes& Lignes) const {
    TBase::Sauver(Lignes);
    Lignes.push_back(std::to_string(Volume));
    Lignes.push_back(std::to_string(static_cast<std::int32_t>(Couleur)));
}

void THeures::Charger(const TLignes& Lignes, std::size_t& Position) {
    Couleur = static_cast<TCouleur>(LireEntier(Lignes, Position));
}

THeures* TLesHeures::AjouterHeures(const std::string& Nom, std::uint16_t Volume) {
    return static_cast<THeures*>(Ajouter(std::make_unique<THeures>(Nom, Volume, Blanc)));
}

void TLesHeures::ChargerElement(const TLignes& Lignes, std::size_t& Position) {
    const std::string Nom = LireLigne(Lignes, Position);
    const auto Volume = static_cast<std::uint16_t>(LireEntier(Lignes, Position));
    AjouterHeures(Nom, Volume);
    THeures* Entree = Trouver(Nom);
    if (!Entree) // a full list refuses it
        throw ELectureArchive("trop d'entrées");
    Entree->Charger(Lignes, Position);
}
