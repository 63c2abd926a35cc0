#pragma once
// A class's subject-teacher entry: the subject and who teaches it in that class.
#include "model/U_base.h"

class TProf;

class TProfMatiere : public TBase {
public:
    TProfMatiere(std::string Matiere, TProf* Prof);
    ~TProfMatiere() override;
    void Sauver(TLignes& Lignes) const override;
    void Charger(const TLignes&, std::size_t&) override {}

    // The teacher, or nullptr for an entry without teacher (one never named, or deleted).
    TProf* Prof() const { return FProf; }
    void FixerProf(TProf* Prof);

private:
    friend class TProf; // a teacher being destroyed detaches the entries naming it
    TProf* FProf = nullptr;
};

class TLesProfMatieres : public TLesBasesDe<TProfMatiere> {
public:
    TProfMatiere* AjouterProfMatiere(const std::string& Matiere, const std::string& NomProf);
    void ChargerElement(const TLignes& Lignes, std::size_t& Position) override;
};
