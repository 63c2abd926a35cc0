#include "exchange/U_cours.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"

namespace {

TCoursPublie Cours(const TClasse& Classe, const std::string& Matiere, TJour Jour, int Debut,
                   int Fin) {
    TCoursPublie c;
    c.Classe = Classe.Nom;
    c.Serie = Classe.Serie ? Classe.Serie->Nom : std::string();
    c.Matiere = Matiere;
    c.Prof = Classe.ProfDe(Matiere);
    c.Jour = Jour;
    c.Debut = static_cast<TQuart>(Debut);
    c.Fin = static_cast<TQuart>(Fin);
    if (const THeures* h = Classe.Serie ? Classe.Serie->Heures->Trouver(Matiere) : nullptr)
        c.CouleurClasse = h->Couleur;
    if (const TProf* p = LesProfs ? LesProfs->Trouver(c.Prof) : nullptr)
        if (const THeures* h = p->Heures->Trouver(Classe.Nom))
            c.CouleurProf = h->Couleur;
    return c;
}

} // namespace

// Runs are found as the file writer finds them: a cell differing from the one before.
std::vector<TCoursPublie> CoursDuModele() {
    std::vector<TCoursPublie> Liste;
    for (std::size_t n = 1; LesClasses && n <= LesClasses->Nombre(); ++n) {
        const TClasse& Classe = *LesClasses->Numero(n);
        for (TJour d = 0; d < NombreJours; ++d) {
            std::string Courant; // slot 80 is always empty, so every run gets its end
            int Debut = QuartDebutGrille;
            for (int s = QuartDebutGrille; s <= QuartFinGrille; ++s) {
                std::string Ici = Classe.LireCase(d, static_cast<TQuart>(s));
                if (Ici == Courant)
                    continue;
                if (!Courant.empty())
                    Liste.push_back(Cours(Classe, Courant, d, Debut, s - 1));
                Courant = std::move(Ici);
                Debut = s;
            }
        }
    }
    return Liste;
}

std::string TexteAffiche(const std::string& Ansi) {
    std::string Propre = Ansi;
    for (char& c : Propre)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return Utf8(Propre);
}
