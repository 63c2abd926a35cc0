#include "model/U_serie.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_types.h"

#include <algorithm>

TLesSeries* LesSeries = nullptr;

TSerie::TSerie(std::string Nom) : TBase(std::move(Nom)), Heures(std::make_unique<TLesHeures>()) {}

// Deleting a series deletes its classes, and with them their courses. Only the classes
// that follow this very series: a refused duplicate of a series' name owns none.
TSerie::~TSerie() {
    if (LesClasses) {
        std::size_t P = 1;
        while (P <= LesClasses->Nombre()) {
            const TClasse* Classe = LesClasses->Numero(P);
            if (Classe->Serie == this)
                LesClasses->Supprimer(Classe->Nom);
            else
                ++P;
        }
    }
}

void TSerie::Sauver(TLignes& Lignes) const {
    TBase::Sauver(Lignes);
    Heures->Sauver(Lignes);
}

void TSerie::Charger(const TLignes& Lignes, std::size_t& Position) {
    Heures->Charger(Lignes, Position);
}

std::uint16_t TSerie::VolumeDe(const std::string& Matiere) const {
    const THeures* Entree = Heures->Trouver(Matiere);
    return Entree ? Entree->Volume : 0;
}

void TSerie::FixerVolume(const std::string& Matiere, std::uint16_t Volume) {
    if (THeures* Entree = Heures->Trouver(Matiere))
        Entree->Volume = Volume;
    else
        Heures->AjouterHeures(Matiere, Volume);
}

namespace {

std::uint16_t VolumeDeLigne(const TLigneMatiere& Ligne) {
    return Ligne.Nom.empty() ? 0 : HeureTexte(Ligne.Volume);
}

} // namespace

bool TSerie::Remplacer(const std::vector<TLigneMatiere>& Lignes) {
    TLignes Avant;
    Heures->Sauver(Avant);
    bool Retiree = false;
    for (std::size_t n = 1; n <= Heures->Nombre(); ++n) {
        const std::string Matiere = Heures->NomNumero(n);
        if (std::any_of(Lignes.begin(), Lignes.end(), [&](const TLigneMatiere& Ligne) {
                return Ligne.Nom == Matiere && VolumeDeLigne(Ligne) != 0;
            }))
            continue;
        Retiree = true;
        for (std::size_t P = 1; LesClasses && P <= LesClasses->Nombre(); ++P) {
            TClasse* Classe = LesClasses->Numero(P);
            if (Classe->Serie != this)
                continue;
            Classe->EffacerPlagesDe(Matiere);
            const std::string NomProf = Classe->ProfDe(Matiere);
            if (TProf* Prof = LesProfs && !NomProf.empty() ? LesProfs->Trouver(NomProf) : nullptr)
                Prof->FixerVolumeClasse(Classe->Nom, 0);
        }
    }
    Heures->Vider();
    for (const TLigneMatiere& Ligne : Lignes) {
        const std::uint16_t Volume = VolumeDeLigne(Ligne);
        if (Volume == 0)
            continue;
        FixerVolume(Ligne.Nom, Volume);
        std::int32_t Couleur = 0;
        if (THeures* Entree = Heures->Trouver(Ligne.Nom)) // absent only from a full list
            Entree->Couleur =
                TexteEntier(Ligne.Couleur, Couleur) ? static_cast<TCouleur>(Couleur) : Blanc;
    }
    TLignes Apres;
    Heures->Sauver(Apres);
    return Retiree || Apres != Avant;
}

TSerie* TLesSeries::AjouterSerie(const std::string& Nom) {
    return static_cast<TSerie*>(Ajouter(std::make_unique<TSerie>(Nom)));
}

void TLesSeries::ChargerElement(const TLignes& Lignes, std::size_t& Position) {
    const std::string Nom = LireLigne(Lignes, Position);
    AjouterSerie(Nom);
    TSerie* Serie = Trouver(Nom);
    if (!Serie) // a full list refuses it
        throw ELectureArchive("trop de séries");
    Serie->Charger(Lignes, Position);
}
