#include "scheduling/U_refus.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_texte.h"

#include <cctype>

namespace {

// "la classe 2nde A a Maths avec DUPONT, de 08h00 à 09h00" for the run holding Quart.
std::string Cours(const TActeur& Acteur, const TClasse* Classe, TJour Jour, TQuart Quart,
                  const std::string& Verbe) {
    const std::string Nom = Acteur.LireCase(Jour, Quart);
    int Debut = Quart;
    while (Debut > QuartDebutGrille && Acteur.LireCase(Jour, static_cast<TQuart>(Debut - 1)) == Nom)
        --Debut;
    int Fin = Quart;
    while (Fin + 1 < QuartFinGrille && Acteur.LireCase(Jour, static_cast<TQuart>(Fin + 1)) == Nom)
        ++Fin;
    const std::string Heures = Ansi(", de ") + TexteHeure(static_cast<TQuart>(Debut)) +
                               Ansi(" à ") + TexteHeure(static_cast<TQuart>(Fin + 1));
    if (Classe) {
        const std::string Prof = Classe->ProfDe(Nom);
        return Ansi("la classe ") + Classe->Nom + " " + Verbe + " " + Nom +
               (Prof.empty() ? "" : Ansi(" avec ") + Prof) + Heures;
    }
    return Acteur.Nom + " " + Verbe + Ansi(" la classe ") + Nom + Heures;
}

// What in this actor's grid refuses the run Debut..Fin, or empty.
std::string Obstacle(const TActeur& Acteur, const TClasse* Classe, TJour Jour, int Debut, int Fin) {
    for (int q = Debut; q <= Fin; ++q)
        if (!Acteur.CaseLibre(Jour, static_cast<TQuart>(q))) {
            std::string Texte = Cours(Acteur, Classe, Jour, static_cast<TQuart>(q), Ansi("a déjà"));
            Texte[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(Texte[0])));
            return Texte + ".";
        }
    for (const int q : {Debut - 1, Fin + 1})
        if (q >= QuartDebutGrille && q < QuartFinGrille &&
            !Acteur.CaseLibre(Jour, static_cast<TQuart>(q)))
            return Ansi("Il faut un quart d'heure libre entre deux cours : ") +
                   Cours(Acteur, Classe, Jour, static_cast<TQuart>(q), "a") + ".";
    for (int q = Debut; q <= Fin; ++q)
        if (Acteur.Dispo(Jour, static_cast<TQuart>(q)) == TDispo::Interdit)
            return Ansi("Case interdite pour ") + (Classe ? Ansi("la classe ") : "") + Acteur.Nom +
                   " : " + NomJour(Jour) + " " + TexteHeure(static_cast<TQuart>(q)) + ".";
    return {};
}

} // namespace

bool PlaceLibre(const TClasse& Classe, const TProf& Prof, TJour Jour, TQuart Debut, int Duree) {
    const auto Fin = static_cast<TQuart>(Debut + Duree);
    return Classe.PlageLibre(Prof.Matiere, Jour, Debut, Fin) &&
           Prof.PlageLibre(Classe.Nom, Jour, Debut, Fin);
}

std::string RaisonRefus(const TClasse& Classe, const TProf& Prof, TJour Jour, TQuart Debut,
                        int Duree, bool Verrouille) {
    if (Verrouille)
        return Ansi("Ce cours est verrouillé : déverrouillez-le d'abord (clic droit, "
                    "Déverrouiller).");
    if (PlaceLibre(Classe, Prof, Jour, Debut, Duree))
        return {};
    const int Fin = Debut + Duree;
    if (Debut < QuartDebutGrille || Fin >= QuartFinGrille)
        return Ansi("Le cours sortirait de la journée : il finirait après 19h45.");
    for (const std::string& Texte :
         {Obstacle(Classe, &Classe, Jour, Debut, Fin), Obstacle(Prof, nullptr, Jour, Debut, Fin)})
        if (!Texte.empty())
            return Texte;
    return Ansi("Ce cours ne peut pas être posé ici.");
}
