#include "tools/generateur/U_ecoles.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

// SplitMix64: a few lines of our own, so that the schools never depend on how a standard
// library implements its engines or distributions.
class TAleatoire {
public:
    explicit TAleatoire(std::uint64_t Graine) : Etat(Graine) {}
    std::uint64_t Suivant() {
        std::uint64_t z = (Etat += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < n; the bias of a modulo on 64 bits is of no matter here.
    std::size_t Tirer(std::size_t n) { return static_cast<std::size_t>(Suivant() % n); }

private:
    std::uint64_t Etat;
};

// Texts below are UTF-8; the model receives them through Ansi().
struct TMatiereDemo {
    const char* Nom;
    std::uint32_t Rvb; // 0xRRGGBB, as designers write colours
};

// Light colours, so that the black text of the blocks stays readable.
constexpr TMatiereDemo Matieres[] = {
    {"Français", 0xA7C7E7},
    {"Mathématiques", 0xF4A6A6},
    {"Histoire-Géographie", 0xF9D89C},
    {"Anglais", 0xB5EAD7},
    {"Espagnol", 0xFFDAC1},
    {"Latin", 0xE2CFEA},
    {"Sciences et technologie", 0xCDE7BE},
    {"SVT", 0xC1E1C1},
    {"Physique-Chimie", 0xC7CEEA},
    {"Technologie", 0xE3D5B8},
    {"Éducation physique", 0xFFF5BA},
    {"Arts plastiques", 0xF8C8DC},
    {"Éducation musicale", 0xD7BDE2},
    {"SES", 0xFBE3B9},
    {"Sciences", 0xC8E6C9},
    {"Littérature", 0xEAD1DC},
    {"Philosophie", 0xD0D7E1},
    {"EMC", 0xDCEDC8},
    {"Accompagnement personnalisé", 0xFFE0E9},
    {"TPE", 0xD4F1F4},
    {"Section européenne", 0xFFE5B4},
};

struct TSerieDemo {
    const char* Nom;
    const char* Prefixe; // class names: the prefix, then a letter or a number
    bool Lettres;
    int Classes;
};

// One row of a school's weekly grid: a subject's quarter-hours in each series, in the
// order of the series (0: not taught there). The rows give the subjects' order.
struct TLigneDemo {
    const char* Matiere;
    std::vector<std::uint16_t> Volumes;
};

struct TPlanDemo {
    std::uint64_t Graine;
    std::size_t Profs;
    std::vector<TSerieDemo> Series;
    std::vector<TLigneDemo> Grille;
};

// Each series totals 25 to 32 hours a week; no subject above the 10h00 the duration
// dialog offers.
const TPlanDemo& PlanCollege() {
    static const TPlanDemo Plan{1989,
                                35,
                                {{"Sixième", "6ème ", true, 4},
                                 {"Cinquième", "5ème ", true, 4},
                                 {"Quatrième", "4ème ", true, 4},
                                 {"Troisième", "3ème ", true, 4}},
                                {{"Français", {18, 18, 18, 16}},
                                 {"Mathématiques", {18, 14, 14, 18}},
                                 {"Histoire-Géographie", {12, 12, 12, 14}},
                                 {"Anglais", {16, 12, 12, 12}},
                                 {"Espagnol", {0, 10, 10, 10}},
                                 {"Latin", {0, 0, 8, 8}},
                                 {"Sciences et technologie", {16, 0, 0, 0}},
                                 {"SVT", {0, 6, 6, 6}},
                                 {"Physique-Chimie", {0, 6, 6, 6}},
                                 {"Technologie", {0, 6, 6, 6}},
                                 {"Éducation physique", {16, 12, 12, 12}},
                                 {"Arts plastiques", {4, 4, 4, 4}},
                                 {"Éducation musicale", {4, 4, 4, 4}}}};
    return Plan;
}

const TPlanDemo& PlanLycee() {
    static const TPlanDemo Plan{2024,
                                150,
                                {{"Seconde", "2nde ", false, 20},
                                 {"Seconde européenne", "2nde Euro ", false, 4},
                                 {"Première S", "1ère S", false, 8},
                                 {"Première ES", "1ère ES", false, 6},
                                 {"Première L", "1ère L", false, 4},
                                 {"Terminale S", "Tle S", false, 8},
                                 {"Terminale ES", "Tle ES", false, 6},
                                 {"Terminale L", "Tle L", false, 4}},
                                {{"Français", {16, 16, 16, 16, 24, 0, 0, 0}},
                                 {"Philosophie", {0, 0, 0, 0, 0, 12, 16, 32}},
                                 {"Mathématiques", {16, 16, 16, 12, 0, 24, 16, 0}},
                                 {"Histoire-Géographie", {12, 12, 16, 16, 16, 10, 16, 16}},
                                 {"Anglais", {12, 12, 10, 10, 12, 8, 10, 12}},
                                 {"Espagnol", {10, 10, 8, 8, 10, 8, 8, 10}},
                                 {"Physique-Chimie", {12, 12, 12, 0, 0, 20, 0, 0}},
                                 {"SVT", {6, 6, 12, 0, 0, 24, 0, 0}},
                                 {"SES", {6, 6, 0, 20, 0, 0, 24, 0}},
                                 {"Sciences", {0, 0, 0, 6, 6, 0, 0, 0}},
                                 {"Littérature", {0, 0, 0, 0, 8, 0, 0, 8}},
                                 {"Latin", {0, 0, 0, 0, 12, 0, 0, 12}},
                                 {"Section européenne", {0, 8, 0, 0, 0, 0, 0, 0}},
                                 {"Éducation physique", {8, 8, 8, 8, 8, 8, 8, 8}},
                                 {"EMC", {2, 2, 2, 2, 2, 2, 2, 2}},
                                 {"Accompagnement personnalisé", {8, 8, 0, 0, 0, 8, 8, 8}},
                                 {"TPE", {0, 0, 8, 8, 8, 0, 0, 0}}}};
    return Plan;
}

// More names than the lycée needs; drawn without replacement, so teachers stay unique.
constexpr const char* Patronymes[] = {
    "Lefèvre",   "Dupré",      "Hébert",   "Bérard",    "Léger",     "Séguin",      "Thévenin",
    "Frémont",   "Bénard",     "Lebœuf",   "Chrétien",  "Béranger",  "Géraud",      "Mérieux",
    "Pélissier", "Lévêque",    "Bélanger", "Côté",      "Gagné",     "Thérond",     "Crépin",
    "Sénéchal",  "Lécuyer",    "Évrard",   "Étienne",   "Émery",     "Guérin",      "Ménard",
    "Prévost",   "Rivière",    "Carré",    "Benoît",    "Noël",      "André",       "François",
    "Gérard",    "Clément",    "Rémy",     "Valéry",    "Bréhier",   "Chéreau",     "Dézé",
    "Fénelon",   "Mézière",    "Pérard",   "Quénard",   "Régnier",   "Sévérac",     "Têtu",
    "Vézinet",   "Martin",     "Bernard",  "Thomas",    "Petit",     "Robert",      "Richard",
    "Durand",    "Dubois",     "Moreau",   "Laurent",   "Simon",     "Michel",      "Garcia",
    "David",     "Bertrand",   "Roux",     "Vincent",   "Fournier",  "Morel",       "Girard",
    "Mercier",   "Dupont",     "Lambert",  "Bonnet",    "Legrand",   "Garnier",     "Faure",
    "Rousseau",  "Blanc",      "Muller",   "Henry",     "Roussel",   "Perrin",      "Morin",
    "Mathieu",   "Gauthier",   "Dumont",   "Lopez",     "Fontaine",  "Chevalier",   "Robin",
    "Masson",    "Sanchez",    "Nguyen",   "Boyer",     "Denis",     "Lemaire",     "Duval",
    "Joly",      "Roger",      "Roche",    "Roy",       "Meyer",     "Lucas",       "Meunier",
    "Perez",     "Marchand",   "Dufour",   "Blanchard", "Barbier",   "Brun",        "Dumas",
    "Brunet",    "Schmitt",    "Leroux",   "Colin",     "Fernandez", "Renard",      "Arnaud",
    "Rolland",   "Caron",      "Aubert",   "Giraud",    "Leclerc",   "Vidal",       "Bourgeois",
    "Renaud",    "Lemoine",    "Picard",   "Gaillard",  "Lacroix",   "Fabre",       "Dupuis",
    "Olivier",   "Rodriguez",  "Da Silva", "Hubert",    "Guillot",   "Le Gall",     "Guillaume",
    "Adam",      "Rey",        "Moulin",   "Gonzalez",  "Berger",    "Lecomte",     "Fleury",
    "Deschamps", "Carpentier", "Julien",   "Maillard",  "Marchal",   "Aubry",       "Vasseur",
    "Le Roux",   "Renault",    "Jacquet",  "Collet",    "Poirier",   "Charpentier", "Royer",
    "Huet",      "Baron",      "Dupuy",    "Pons",      "Bouvier",   "Schneider",   "Lemaître",
};

// A light tint of a hue (0..359), in the model's $00BBGGRR order.
TCouleur Pastel(int Teinte) {
    const int Monte = (Teinte % 60) * 255 / 60;
    const int Descend = 255 - Monte;
    // Red, green and blue of the six sectors of the colour wheel.
    const int Secteurs[6][3] = {{255, Monte, 0},   {Descend, 255, 0}, {0, 255, Monte},
                                {0, Descend, 255}, {Monte, 0, 255},   {255, 0, Descend}};
    const int* c = Secteurs[Teinte / 60 % 6];
    const auto Eclaircir = [](int x) { return static_cast<TCouleur>(255 - (255 - x) * 35 / 100); };
    return Eclaircir(c[0]) | Eclaircir(c[1]) << 8 | Eclaircir(c[2]) << 16;
}

TCouleur DepuisRvb(std::uint32_t Rvb) {
    return (Rvb >> 16 & 0xFF) | (Rvb & 0xFF00) | (Rvb & 0xFF) << 16;
}

TCouleur CouleurMatiere(const std::string& Matiere) {
    for (const TMatiereDemo& m : Matieres)
        if (Ansi(m.Nom) == Matiere)
            return DepuisRvb(m.Rvb);
    throw std::logic_error("matière sans couleur");
}

// What one subject needs across the school: its classes in order, with their volume.
struct TBesoin {
    std::string Matiere;
    std::vector<std::pair<std::string, std::uint16_t>> Classes;
    long Total = 0;
    std::size_t Profs = 0;
};

// Enough teachers for each subject to average at most 18h00, then the extra ones go where
// the average load is highest, until the school has its number.
void RepartirProfs(std::vector<TBesoin>& Besoins, std::size_t Profs) {
    constexpr long ChargeMax = 72;
    std::size_t Somme = 0;
    for (TBesoin& b : Besoins) {
        b.Profs = static_cast<std::size_t>((b.Total + ChargeMax - 1) / ChargeMax);
        Somme += b.Profs;
    }
    if (Somme > Profs)
        throw std::logic_error("trop peu de professeurs pour le plan");
    for (; Somme < Profs; ++Somme) {
        TBesoin* Choix = nullptr;
        for (TBesoin& b : Besoins)
            if (b.Profs < b.Classes.size() &&
                (!Choix || b.Total * static_cast<long>(Choix->Profs) >
                               Choix->Total * static_cast<long>(b.Profs)))
                Choix = &b;
        if (!Choix)
            throw std::logic_error("plus de professeurs que de classes");
        ++Choix->Profs;
    }
}

void ConstruireSeries(const TPlanDemo& Plan) {
    for (std::size_t k = 0; k < Plan.Series.size(); ++k) {
        TSerie* Serie = LesSeries->AjouterSerie(Ansi(Plan.Series[k].Nom));
        for (const TLigneDemo& Ligne : Plan.Grille)
            if (Ligne.Volumes.at(k) > 0) {
                const std::string Matiere = Ansi(Ligne.Matiere);
                Serie->FixerVolume(Matiere, Ligne.Volumes[k]);
                Serie->Heures->Trouver(Matiere)->Couleur = CouleurMatiere(Matiere);
            }
    }
}

// Classes in series order; one need per subject of the grid.
std::vector<TBesoin> ConstruireClasses(const TPlanDemo& Plan) {
    std::vector<TBesoin> Besoins;
    for (const TLigneDemo& Ligne : Plan.Grille)
        Besoins.push_back(TBesoin{Ansi(Ligne.Matiere), {}, 0, 0});
    for (std::size_t k = 0; k < Plan.Series.size(); ++k) {
        const TSerieDemo& s = Plan.Series[k];
        for (int n = 0; n < s.Classes; ++n) {
            const std::string Suffixe =
                s.Lettres ? std::string(1, static_cast<char>('A' + n)) : std::to_string(n + 1);
            const std::string Classe = Ansi(s.Prefixe) + Suffixe;
            LesClasses->AjouterClasse(Classe, Ansi(s.Nom));
            for (std::size_t m = 0; m < Plan.Grille.size(); ++m)
                if (const std::uint16_t Volume = Plan.Grille[m].Volumes[k]) {
                    Besoins[m].Classes.emplace_back(Classe, Volume);
                    Besoins[m].Total += Volume;
                }
        }
    }
    return Besoins;
}

std::vector<std::string> TirerNoms(TAleatoire& Hasard, std::size_t Nombre) {
    std::vector<std::string> Noms(std::begin(Patronymes), std::end(Patronymes));
    if (Nombre > Noms.size())
        throw std::logic_error("pas assez de noms");
    for (std::size_t i = Noms.size() - 1; i > 0; --i)
        std::swap(Noms[i], Noms[Hasard.Tirer(i + 1)]);
    Noms.resize(Nombre);
    for (std::string& Nom : Noms)
        Nom = Ansi((Hasard.Tirer(2) ? "Mme " : "M. ") + Nom);
    return Noms;
}

// Each class goes to the least loaded teacher of the subject, as a head of department
// shares them out; the teacher's list takes the class's own colour.
void AffecterClasses(const TBesoin& Besoin, const std::vector<TProf*>& Profs) {
    std::vector<long> Charges(Profs.size(), 0);
    for (const auto& [NomClasse, Volume] : Besoin.Classes) {
        std::size_t Choix = 0;
        for (std::size_t i = 1; i < Profs.size(); ++i)
            if (Charges[i] < Charges[Choix])
                Choix = i;
        Charges[Choix] += Volume;
        TProf* Prof = Profs[Choix];
        LesClasses->Trouver(NomClasse)->AssocierProf(Besoin.Matiere, Prof->Nom);
        Prof->FixerVolumeClasse(NomClasse, Volume);
        // Golden-angle steps keep the hues of any few classes well apart.
        const auto Rang = static_cast<int>(LesClasses->Indice(NomClasse));
        Prof->Heures->Trouver(NomClasse)->Couleur = Pastel(Rang * 137 % 360);
    }
}

const TPlanDemo& Plan(TEcole Ecole) {
    return Ecole == TEcole::College ? PlanCollege() : PlanLycee();
}

} // namespace

void ConstruireExemple(TEcole Ecole) {
    const TPlanDemo& P = Plan(Ecole);
    TAleatoire Hasard(P.Graine);
    ConstruireSeries(P);
    std::vector<TBesoin> Besoins = ConstruireClasses(P);
    RepartirProfs(Besoins, P.Profs);
    const std::vector<std::string> Noms = TirerNoms(Hasard, P.Profs);
    std::size_t Suivant = 0;
    for (const TBesoin& b : Besoins) {
        std::vector<TProf*> Profs;
        for (std::size_t i = 0; i < b.Profs; ++i)
            Profs.push_back(LesProfs->AjouterProf(Noms[Suivant++], b.Matiere));
        AffecterClasses(b, Profs);
    }
}

void CopierEcole(int Copies) {
    const std::size_t Series = LesSeries->Nombre(), Classes = LesClasses->Nombre(),
                      Profs = LesProfs->Nombre();
    for (int k = 2; k <= Copies; ++k) {
        const std::string x = std::to_string(k) + "-";
        for (std::size_t s = 1; s <= Series; ++s) {
            const TSerie& Serie = *LesSeries->Numero(s);
            TSerie* Copie = LesSeries->AjouterSerie(x + Serie.Nom);
            for (std::size_t m = 1; m <= Serie.Heures->Nombre(); ++m) {
                const THeures& h = *Serie.Heures->Numero(m);
                Copie->FixerVolume(h.Nom, h.Volume);
                Copie->Heures->Trouver(h.Nom)->Couleur = h.Couleur;
            }
        }
        for (std::size_t c = 1; c <= Classes; ++c)
            LesClasses->AjouterClasse(x + LesClasses->Numero(c)->Nom,
                                      x + LesClasses->Numero(c)->Serie->Nom);
        for (std::size_t p = 1; p <= Profs; ++p) {
            const TProf& Prof = *LesProfs->Numero(p);
            TProf* Copie = LesProfs->AjouterProf(x + Prof.Nom, Prof.Matiere);
            for (std::size_t c = 1; c <= Prof.Heures->Nombre(); ++c) {
                const THeures& h = *Prof.Heures->Numero(c);
                Copie->FixerVolumeClasse(x + h.Nom, h.Volume);
                if (THeures* Entree = Copie->Heures->Trouver(x + h.Nom)) // none at volume 0
                    Entree->Couleur = h.Couleur;
            }
        }
        for (std::size_t c = 1; c <= Classes; ++c) {
            const TClasse& Classe = *LesClasses->Numero(c);
            for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m) {
                const std::string& Matiere = Classe.Serie->Heures->Numero(m)->Nom;
                if (const std::string Prof = Classe.ProfDe(Matiere); !Prof.empty())
                    LesClasses->Trouver(x + Classe.Nom)->AssocierProf(Matiere, x + Prof);
            }
        }
    }
}

std::string NomFichierExemple(TEcole Ecole) {
    return Ecole == TEcole::College ? "college.edt" : "lycee.edt";
}
