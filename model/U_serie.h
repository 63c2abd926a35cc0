#pragma once
// Series: the curricula, each a list of subjects with their weekly volume and colour.
#include "model/U_heures.h"

#include <vector>

// A subject as the series dialog's grid holds it, texts as typed: the name, the weekly
// volume as HHhMM and the colour as a decimal integer.
struct TLigneMatiere {
    std::string Nom;
    std::string Volume;
    std::string Couleur;
};

class TSerie : public TBase {
public:
    explicit TSerie(std::string Nom);
    ~TSerie() override;
    void Sauver(TLignes& Lignes) const override;
    void Charger(const TLignes& Lignes, std::size_t& Position) override;

    std::uint16_t VolumeDe(const std::string& Matiere) const;
    void FixerVolume(const std::string& Matiere, std::uint16_t Volume);
    // The subjects become those of the rows, in their order: a row counts when it has a
    // name and a volume other than 00h00; of two rows of one name the lower wins; a colour
    // that is not an integer is white. A subject no row keeps leaves the series with its
    // courses in every class of the series, and those classes leave its teacher. False
    // when nothing changed.
    bool Remplacer(const std::vector<TLigneMatiere>& Lignes);

    std::unique_ptr<TLesHeures> Heures;
};

class TLesSeries : public TLesBasesDe<TSerie> {
public:
    TSerie* AjouterSerie(const std::string& Nom);
    void ChargerElement(const TLignes& Lignes, std::size_t& Position) override;
};

extern TLesSeries* LesSeries;
