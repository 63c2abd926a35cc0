#pragma once
// A name with a weekly volume and a block colour: a subject of a series,
// or a class taught by a teacher.
#include "model/U_base.h"
#include "model/U_canevas.h"

class THeures : public TBase {
public:
    THeures(std::string Nom, std::uint16_t Volume, TCouleur Couleur)
        : TBase(std::move(Nom)), Volume(Volume), Couleur(Couleur) {}
    void Sauver(TLignes& Lignes) const override;
    void Charger(const TLignes& Lignes, std::size_t& Position) override;

    std::uint16_t Volume; // quarter-hours a week
    TCouleur Couleur;
};

class TLesHeures : public TLesBasesDe<THeures> {
public:
    THeures* AjouterHeures(const std::string& Nom, std::uint16_t Volume);
    void ChargerElement(const TLignes& Lignes, std::size_t& Position) override;
};
