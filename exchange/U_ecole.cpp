#include "exchange/U_ecole.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"

#include <algorithm>

namespace {

constexpr std::size_t CasMax = 1000;

// Light colours ($00BBGGRR) under black text, far apart in hue; cycled.
constexpr TCouleur Palette[] = {0xE7C7A7, 0xA6A6F4, 0x9CD8F9, 0xD7EAB5, 0xC1DAFF, 0xEACFE2,
                                0xBEE7CD, 0xEACEC7, 0xB8D5E3, 0xBAF5FF, 0xDCC8F8, 0xE2BDD7,
                                0xB9E3FB, 0xC9E6C8, 0xDCD1EA, 0xE1D7D0};

TCouleur CouleurParDefaut(std::size_t Rang) {
    return Palette[Rang % std::size(Palette)];
}

// False when a collection is full: the service is then left out.
bool AjouterService(const TService& s, std::vector<std::string>& Matieres) {
    TSerie* Serie = LesSeries->Trouver(s.Serie);
    if (!Serie && !(Serie = LesSeries->AjouterSerie(s.Serie)))
        return false;
    if (!Serie->Heures->Existe(s.Matiere)) {
        Serie->FixerVolume(s.Matiere, s.Volume);
        const auto Rang = std::find(Matieres.begin(), Matieres.end(), s.Matiere) - Matieres.begin();
        if (static_cast<std::size_t>(Rang) == Matieres.size())
            Matieres.push_back(s.Matiere);
        Serie->Heures->Trouver(s.Matiere)->Couleur = CouleurParDefaut(Rang);
    }
    TClasse* Classe = LesClasses->Trouver(s.Classe);
    if (!Classe && !(Classe = LesClasses->AjouterClasse(s.Classe, s.Serie)))
        return false;
    if (s.Prof.empty())
        return true;
    TProf* Prof = LesProfs->Trouver(s.Prof);
    if (!Prof && !(Prof = LesProfs->AjouterProf(s.Prof, s.Matiere)))
        return false;
    Classe->AssocierProf(s.Matiere, s.Prof);
    Prof->FixerVolumeClasse(s.Classe, Serie->VolumeDe(s.Matiere));
    if (THeures* Entree = Prof->Heures->Trouver(s.Classe))
        Entree->Couleur = CouleurParDefaut(static_cast<std::size_t>(LesClasses->Indice(s.Classe)));
    return true;
}

void PlacerFixe(const TCoursFixe& f, TRapport& Rapport) {
    TClasse* Classe = LesClasses->Trouver(f.Classe);
    TProf* Prof = Classe ? LesProfs->Trouver(Classe->ProfDe(f.Matiere)) : nullptr;
    if (Prof && Classe->PlageLibre(f.Matiere, f.Jour, f.Debut, f.Fin) &&
        Prof->PlageLibre(Classe->Nom, f.Jour, f.Debut, f.Fin)) {
        Classe->PlacerPlage(f.Jour, f.Debut, f.Fin, f.Matiere);
        Prof->PlacerPlage(f.Jour, f.Debut, f.Fin, Classe->Nom);
        Classe->Verrouiller(f.Jour, f.Debut, true);
        return;
    }
    Rapport.Signaler(Utf8(f.Classe) + ", " + Utf8(f.Matiere) + " le " + NomJour(f.Jour) + " à " +
                     TexteHeure(f.Debut) +
                     " : la place n'est pas libre ; le cours reste à placer.");
}

} // namespace

void TRapport::Signaler(const std::string& Ligne) {
    if (Lignes.size() < CasMax)
        Lignes.push_back(Ligne);
    else
        ++Tus;
}

void TRapport::Refuser(const std::string& Ligne, long Volume) {
    Signaler(Ligne);
    ++NonImportees;
    QuartsNonImportes += Volume;
}

std::string TRapport::Bilan() const {
    return "Importé : " + std::to_string(Importees) + " activités, " + std::to_string(Quarts) +
           " quarts d'heure ; non importé : " + std::to_string(NonImportees) + " activités, " +
           std::to_string(QuartsNonImportes) + " quarts d'heure.";
}

std::vector<std::string> TRapport::Cas() const {
    std::vector<std::string> Tous = Lignes;
    if (Tus > 0)
        Tous.push_back("… et " + std::to_string(Tus) + " autres cas.");
    return Tous;
}

void ConstruireEcole(TEcoleImportee& Ecole) {
    std::vector<std::string> Matieres;
    for (const TService& s : Ecole.Services)
        if (!AjouterService(s, Matieres)) {
            Ecole.Rapport.Signaler(Utf8(s.Matiere) + " de " + Utf8(s.Classe) +
                                   " : trop de séries, de classes ou de professeurs (32767 au "
                                   "plus) ; non importée.");
            Ecole.Rapport.Importees -= s.Activites;
            Ecole.Rapport.NonImportees += s.Activites;
            Ecole.Rapport.QuartsNonImportes += s.Volume;
        }
    for (const TCoursFixe& f : Ecole.Fixes)
        PlacerFixe(f, Ecole.Rapport);
    Ecole.Rapport.Quarts = 0;
    for (std::size_t n = 1; n <= LesClasses->Nombre(); ++n) {
        const TLesHeures& Heures = *LesClasses->Numero(n)->Serie->Heures;
        for (std::size_t m = 1; m <= Heures.Nombre(); ++m)
            Ecole.Rapport.Quarts += Heures.Numero(m)->Volume;
    }
}

std::string NomImporte(const std::string& Utf8, std::string& Nom) {
    if (Utf8.empty())
        return "nom vide";
    if (std::any_of(Utf8.begin(), Utf8.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return "« " + Extrait(Utf8) + " » contient un caractère de contrôle";
    if (!RepresentableEnAnsi(Utf8))
        return "« " + Extrait(Utf8) + " » ne s'écrit pas en Windows-1252";
    Nom = Ansi(Utf8);
    if (Nom.size() > 255)
        return "« " + Extrait(Utf8) + " » est trop long (255 caractères au plus)";
    return {};
}

std::string Extrait(const std::string& Utf8) {
    std::size_t Fin = 0;
    for (int n = 0; Fin < Utf8.size() && n < 40; ++n)
        do
            ++Fin;
        while (Fin < Utf8.size() && (static_cast<unsigned char>(Utf8[Fin]) & 0xC0) == 0x80);
    return Fin < Utf8.size() ? Utf8.substr(0, Fin) + "…" : Utf8;
}
