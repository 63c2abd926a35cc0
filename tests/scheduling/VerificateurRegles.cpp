#include "tests/scheduling/VerificateurRegles.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"

#include <set>
#include <tuple>

namespace {

constexpr int Premier = 32;
constexpr int Dernier = 79;

std::vector<std::string> Grille(const TActeur& a) {
    std::vector<std::string> g;
    for (TJour d = 0; d < 6; ++d)
        for (int s = Premier; s <= Dernier; ++s)
            g.push_back(a.LireCase(d, static_cast<TQuart>(s)));
    return g;
}

std::size_t Cellule(int Jour, int Quart) {
    return static_cast<std::size_t>(Jour * 48 + Quart - Premier);
}

std::string Ou(const std::string& Nom, int Jour, int Debut, int Fin) {
    return Nom + " jour " + std::to_string(Jour) + " " + std::to_string(Debut) + ".." +
           std::to_string(Fin);
}

// Courses already there stay to the letter; whatever changed is a new cell.
void ComparerAnciennes(const std::string& Genre,
                       const std::map<std::string, std::vector<std::string>>& Avant,
                       const std::map<std::string, std::vector<std::string>>& Apres,
                       std::vector<std::string>& Fautes) {
    if (Avant.size() != Apres.size())
        Fautes.push_back(Genre + " : nombre changé");
    for (const auto& [Nom, g] : Avant) {
        const auto i = Apres.find(Nom);
        if (i == Apres.end()) {
            Fautes.push_back(Genre + " disparu : " + Nom);
            continue;
        }
        for (std::size_t k = 0; k < g.size(); ++k)
            if (!g[k].empty() && g[k] != i->second[k])
                Fautes.push_back(Genre + " : cours déplacé ou effacé chez " + Nom);
    }
}

// Avant without its runs that Apres does not hold whole at the same place.
void GarderLesRestes(std::vector<std::string>& Avant, const std::vector<std::string>& Apres) {
    for (int j = 0; j < 6; ++j)
        for (int s = Premier; s <= Dernier;) {
            const std::string Nom = Avant[Cellule(j, s)];
            int f = s;
            while (f < Dernier && !Nom.empty() && Avant[Cellule(j, f + 1)] == Nom)
                ++f;
            bool Garde = (s == Premier || Apres[Cellule(j, s - 1)] != Nom) &&
                         (f == Dernier || Apres[Cellule(j, f + 1)] != Nom);
            for (int q = s; q <= f; ++q)
                Garde = Garde && Apres[Cellule(j, q)] == Nom;
            for (int q = s; q <= f && !Garde; ++q)
                Avant[Cellule(j, q)].clear();
            s = f + 1;
        }
}

} // namespace

TVerificateurRegles::TVerificateurRegles() {
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c)
        Classes[LesClasses->Numero(c)->Nom] = Grille(*LesClasses->Numero(c));
    for (std::size_t p = 1; p <= LesProfs->Nombre(); ++p)
        Profs[LesProfs->Numero(p)->Nom] = Grille(*LesProfs->Numero(p));
}

std::vector<std::string> TVerificateurRegles::Verifier(const TAutomate& R, bool Deplaces) const {
    std::vector<std::string> Fautes;
    std::map<std::string, TGrille> ClassesApres;
    std::map<std::string, TGrille> ProfsApres;
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c)
        ClassesApres[LesClasses->Numero(c)->Nom] = Grille(*LesClasses->Numero(c));
    for (std::size_t p = 1; p <= LesProfs->Nombre(); ++p)
        ProfsApres[LesProfs->Numero(p)->Nom] = Grille(*LesProfs->Numero(p));
    std::map<std::string, TGrille> Classes = this->Classes;
    std::map<std::string, TGrille> Profs = this->Profs;
    for (const auto& [Avant, Apres] :
         {std::pair(&Classes, &ClassesApres), std::pair(&Profs, &ProfsApres)})
        for (auto& [Nom, g] : *Avant)
            if (Deplaces && Apres->count(Nom))
                GarderLesRestes(g, Apres->at(Nom));
    ComparerAnciennes("classe", Classes, ClassesApres, Fautes);
    ComparerAnciennes("professeur", Profs, ProfsApres, Fautes);
    if (!Fautes.empty())
        return Fautes;

    std::set<std::tuple<std::string, int, int>> Miroirs; // teacher cells the classes account for
    std::set<std::pair<std::string, std::string>> Ajoutees;
    for (const auto& [NomClasse, Apres] : ClassesApres) {
        const TGrille& Avant = Classes.at(NomClasse);
        const TClasse& Classe = *LesClasses->Trouver(NomClasse);
        const auto Neuve = [&](int j, int q) {
            return q >= Premier && q <= Dernier && Avant[Cellule(j, q)].empty() &&
                   !Apres[Cellule(j, q)].empty();
        };
        for (int j = 0; j < 6; ++j)
            for (int s = Premier; s <= Dernier; ++s) {
                const std::string& Matiere = Apres[Cellule(j, s)];
                if (!Neuve(j, s) || (Neuve(j, s - 1) && Apres[Cellule(j, s - 1)] == Matiere))
                    continue;
                int f = s;
                while (Neuve(j, f + 1) && Apres[Cellule(j, f + 1)] == Matiere)
                    ++f;
                const std::string Plage = Ou(NomClasse + " / " + Matiere, j, s, f);
                const int L = f - s + 1;
                if (L > R.DureeMax || s < R.DebutJournee || s > R.FinJournee ||
                    (f >= R.DebutPause && s < R.FinPause))
                    Fautes.push_back("hors des réglages : " + Plage);
                if ((s > Premier && !Apres[Cellule(j, s - 1)].empty()) ||
                    (f < Dernier && !Apres[Cellule(j, f + 1)].empty()))
                    Fautes.push_back("touche un autre cours de la classe : " + Plage);
                const TProf* Prof = LesProfs->Trouver(Classe.ProfDe(Matiere));
                if (!Classe.Serie->Heures->Existe(Matiere) || !Prof ||
                    !Prof->Heures->Existe(NomClasse)) {
                    Fautes.push_back("matière sans professeur qui a la classe : " + Plage);
                    continue;
                }
                const TGrille& ProfAvant = Profs.at(Prof->Nom);
                const TGrille& ProfApres = ProfsApres.at(Prof->Nom);
                for (int q = s; q <= f; ++q) {
                    if (!ProfAvant[Cellule(j, q)].empty() || ProfApres[Cellule(j, q)] != NomClasse)
                        Fautes.push_back("absente de la grille du professeur : " + Plage);
                    Miroirs.emplace(Prof->Nom, j, q);
                }
                if ((s > Premier && !ProfApres[Cellule(j, s - 1)].empty()) ||
                    (f < Dernier && !ProfApres[Cellule(j, f + 1)].empty()))
                    Fautes.push_back("touche un autre cours du professeur : " + Plage);
                for (int q = s; q <= f; ++q)
                    if (Classe.Dispo(j, q) == TDispo::Interdit ||
                        Prof->Dispo(j, q) == TDispo::Interdit)
                        Fautes.push_back("couvre une case interdite : " + Plage);
                Ajoutees.emplace(NomClasse, Matiere);
            }
    }
    for (const auto& [NomProf, Apres] : ProfsApres)
        for (int j = 0; j < 6; ++j)
            for (int q = Premier; q <= Dernier; ++q)
                if (Profs.at(NomProf)[Cellule(j, q)].empty() && !Apres[Cellule(j, q)].empty() &&
                    !Miroirs.count({NomProf, j, q}))
                    Fautes.push_back("cours du professeur sans classe : " + Ou(NomProf, j, q, q));
    for (const auto& [NomClasse, Matiere] : Deplaces ? decltype(Ajoutees){} : Ajoutees) {
        const TClasse& Classe = *LesClasses->Trouver(NomClasse);
        if (Classe.CompterQuarts(Matiere) > Classe.Serie->VolumeDe(Matiere))
            Fautes.push_back("volume dépassé : " + NomClasse + " / " + Matiere);
    }
    return Fautes;
}
