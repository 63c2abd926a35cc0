#include "model/U_serie.h"

#include "model/U_classe.h"

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
