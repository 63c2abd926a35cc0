#include "model/U_profmatiere.h"

#include "model/U_prof.h"

TProfMatiere::TProfMatiere(std::string Matiere, TProf* Prof) : TBase(std::move(Matiere)) {
    FixerProf(Prof);
}

TProfMatiere::~TProfMatiere() {
    FixerProf(nullptr);
}

void TProfMatiere::FixerProf(TProf* Prof) {
    if (FProf)
        FProf->OublierLien(this);
    FProf = Prof;
    if (FProf)
        FProf->RetenirLien(this);
}

void TProfMatiere::Sauver(TLignes& Lignes) const {
    TBase::Sauver(Lignes);
    Lignes.push_back(FProf ? FProf->Nom : std::string());
}

TProfMatiere* TLesProfMatieres::AjouterProfMatiere(const std::string& Matiere,
                                                   const std::string& NomProf) {
    if (Existe(Matiere))
        return nullptr;
    TProf* Prof = LesProfs && !NomProf.empty() ? LesProfs->Trouver(NomProf) : nullptr;
    return static_cast<TProfMatiere*>(Ajouter(std::make_unique<TProfMatiere>(Matiere, Prof)));
}

void TLesProfMatieres::ChargerElement(const TLignes& Lignes, std::size_t& Position) {
    const std::string Matiere = LireLigne(Lignes, Position);
    const std::string NomProf = LireLigne(Lignes, Position);
    AjouterProfMatiere(Matiere, NomProf);
}
