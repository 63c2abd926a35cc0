#pragma once
// Series: the curricula, each a list of subjects with their weekly volume and colour.
#include "model/U_heures.h"

class TSerie : public TBase {
public:
    explicit TSerie(std::string Nom);
    ~TSerie() override;
    void Sauver(TLignes& Lignes) const override;
    void Charger(const TLignes& Lignes, std::size_t& Position) override;

    std::uint16_t VolumeDe(const std::string& Matiere) const;
    void FixerVolume(const std::string& Matiere, std::uint16_t Volume);

    std::unique_ptr<TLesHeures> Heures;
};

class TLesSeries : public TLesBasesDe<TSerie> {
public:
    TSerie* AjouterSerie(const std::string& Nom);
    void ChargerElement(const TLignes& Lignes, std::size_t& Position) override;
};

extern TLesSeries* LesSeries;
