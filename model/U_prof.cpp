#include "model/U_prof.h"

#include "model/U_classe.h"
#include "model/U_serie.h"

#include <algorithm>

TLesProfs* LesProfs = nullptr;

TProf::TProf(std::string Nom, std::string Matiere)
    : TActeur(std::move(Nom)), Matiere(std::move(Matiere)), Heures(std::make_unique<TLesHeures>()) {
}

TProf::~TProf() {
    if (LesClasses) {
        TClasse* Classe = nullptr; // runs are contiguous: remember the last class found
        for (TJour d = 0; d < NombreJours; ++d)
            for (int s = QuartDebutGrille; s <= QuartFinGrille; ++s) {
                const std::string& C = Case(d, static_cast<TQuart>(s)).Contenu;
                if (C.empty())
                    continue;
                if (!Classe || Classe->Nom != C)
                    Classe = LesClasses->Trouver(C);
                if (Classe)
                    Classe->EffacerPlage(d, static_cast<TQuart>(s), true);
            }
    }
    // A class may hold runs of this teacher that its grid lacks (a file may name a teacher
    // who does not list the class): a run without teacher could never be read back.
    if (LesClasses)
        for (std::size_t P = 1; P <= LesClasses->Nombre(); ++P) {
            TClasse* Classe = LesClasses->Numero(P);
            const TProfMatiere* Entree =
                Classe->Matieres ? Classe->Matieres->Trouver(Matiere) : nullptr;
            if (Entree && Entree->Prof() == this)
                Classe->EffacerPlagesDe(Matiere);
        }
    // No class entry may keep reaching a deleted teacher: they become entries without one.
    for (TProfMatiere* Lien : Liens)
        Lien->FProf = nullptr;
}

void TProf::OublierLien(TProfMatiere* Lien) {
    std::erase(Liens, Lien);
}

void TProf::Sauver(TLignes& Lignes) const {
    TBase::Sauver(Lignes);
    Lignes.push_back(Matiere);
    Heures->Sauver(Lignes);
}

void TProf::Charger(const TLignes& Lignes, std::size_t& Position) {
    Heures->Charger(Lignes, Position);
}

void TProf::PlacerPlage(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom) {
    PlacerPartenaire(Jour, Debut, Fin, Nom, *Heures, PanneauProf);
}

void TProf::AfficherBlocs(bool Visible_) {
    // A run whose class left the list keeps the colour it had.
    AfficherBlocsSelon(Visible_, *Heures);
}

bool TProf::PlageLibre(const std::string& Nom, TJour Jour, TQuart Debut, TQuart Fin) const {
    return TActeur::PlageLibre(Nom, Jour, Debut, Fin) && Heures->Existe(Nom) && LesClasses &&
           LesClasses->Existe(Nom);
}

void TProf::Dessiner(ICanevas& Image) const {
    TActeur::Dessiner(Image);
    DessinerTitre(Image, "Emploi du temps de : " + Nom + " , professeur de : " + Matiere);
}

std::uint16_t TProf::RafraichirVolume(const std::string& NomClasse) {
    THeures* Entree = Heures->Trouver(NomClasse);
    const TClasse* Classe = LesClasses ? LesClasses->Trouver(NomClasse) : nullptr;
    if (!Entree || !Classe)
        return 0;
    const std::uint16_t V = Classe->Serie->VolumeDe(Matiere);
    Entree->Volume = V;
    return V;
}

void TProf::FixerVolumeClasse(const std::string& NomClasse, std::uint16_t Volume) {
    THeures* Entree = Heures->Trouver(NomClasse);
    if (!Entree) {
        if (Volume > 0)
            Heures->AjouterHeures(NomClasse, Volume);
        return;
    }
    if (Volume != 0) {
        Entree->Volume = Volume;
        return;
    }
    EffacerPlagesDe(NomClasse);
    Heures->Supprimer(NomClasse);
}

void TProf::FixerClasses(const std::vector<TClasseProf>& Rangees) {
    std::vector<std::string> Anciennes;
    for (std::size_t k = 1; k <= Heures->Nombre(); ++k)
        Anciennes.push_back(Heures->NomNumero(k));
    Heures->Vider();
    for (const TClasseProf& Rangee : Rangees) {
        TClasse* Classe = LesClasses ? LesClasses->Trouver(Rangee.Classe) : nullptr;
        if (!Classe)
            continue;
        Classe->AssocierProf(Matiere, Nom);
        FixerVolumeClasse(Classe->Nom, Classe->Serie->VolumeDe(Matiere));
        std::int32_t Couleur = 0;
        if (THeures* Entree = Heures->Trouver(Classe->Nom))
            Entree->Couleur =
                TexteEntier(Rangee.Couleur, Couleur) ? static_cast<TCouleur>(Couleur) : Blanc;
    }
    for (const std::string& Classe : Anciennes)
        if (!Heures->Existe(Classe))
            RetirerCoursDe(Classe);
}

// The class's courses of the subject are this teacher's when its entry names it; another
// teacher's courses there stay.
void TProf::RetirerCoursDe(const std::string& NomClasse) {
    if (TClasse* Classe = LesClasses ? LesClasses->Trouver(NomClasse) : nullptr) {
        const TProfMatiere* Entree =
            Classe->Matieres ? Classe->Matieres->Trouver(Matiere) : nullptr;
        if (Entree && Entree->Prof() == this)
            Classe->EffacerPlagesDe(Matiere);
    }
    EffacerPlagesDe(NomClasse);
}

TProf* TLesProfs::AjouterProf(const std::string& Nom, const std::string& Matiere) {
    return static_cast<TProf*>(Ajouter(std::make_unique<TProf>(Nom, Matiere)));
}

void TLesProfs::ChargerElement(const TLignes& Lignes, std::size_t& Position) {
    const std::string Nom = LireLigne(Lignes, Position);
    const std::string Matiere = LireLigne(Lignes, Position);
    AjouterProf(Nom, Matiere);
    TProf* Prof = Trouver(Nom);
    if (!Prof) // a full list refuses it
        throw ELectureArchive("trop de professeurs");
    Prof->Charger(Lignes, Position);
}
