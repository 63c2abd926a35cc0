#include "scheduling/U_diagnostic.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"
#include "scheduling/U_borne.h"
#include "scheduling/U_refus.h"

#include <algorithm>
#include <map>

namespace {

TRegles Regles(const TAutomate& A) {
    return {A.DureeMax, A.DebutJournee, A.DebutPause, A.FinPause, A.FinJournee};
}

// Whether each actor can hold its whole load in some timetable: its courses' volumes
// against its exact maximum on a week empty but for its interdit cells. Actors of equal
// loads and cells share the answer.
class TCharges {
public:
    void Ajouter(const TActeur* Acteur, int Volume) { Volumes[Acteur].push_back(Volume); }
    bool Tient(const TRegles& R, const TActeur* Acteur) {
        TActeurSeul A;
        A.Besoins = Volumes[Acteur];
        std::sort(A.Besoins.begin(), A.Besoins.end());
        for (TJour d = 0; d < NombreJours && !Acteur->DispoVide(); ++d)
            for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
                if (Acteur->Dispo(d, static_cast<TQuart>(q)) == TDispo::Interdit)
                    A.Interdit[d] |= TMasque{1} << (q - QuartDebutGrille);
        auto [it, Neuf] = Reponses.try_emplace({A.Besoins, A.Interdit}, true);
        if (Neuf) {
            const std::vector<int>& v = A.Besoins;
            long Total = 0;
            for (const int b : v)
                Total += b;
            it->second = MaximumActeur(R, A) >= Total;
        }
        return it->second;
    }

private:
    std::map<const TActeur*, std::vector<int>> Volumes;
    std::map<std::pair<std::vector<int>, TSemaine>, bool> Reponses;
};

int Debuts(const TClasse& Classe, const TProf& Prof, int Duree) {
    int n = 0;
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
            n += PlaceLibre(Classe, Prof, d, static_cast<TQuart>(s), Duree - 1);
    return n;
}

// Whether the actor alone has a free place of Duree anywhere.
bool AUnePlace(const TActeur& Acteur, const std::string& Partenaire, int Duree) {
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s + Duree <= QuartFinGrille; ++s)
            if (Acteur.PlageLibre(Partenaire, d, static_cast<TQuart>(s),
                                  static_cast<TQuart>(s + Duree - 1)))
                return true;
    return false;
}

std::string Champ(const std::string& Texte) {
    if (Texte.find_first_of(";\"\r\n") == std::string::npos)
        return Texte;
    std::string q = "\"";
    for (const char c : Texte)
        q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

} // namespace

std::vector<TManque> HeuresNonPlacees(const TAutomate& Reglages) {
    std::vector<TManque> Liste;
    if (!LesClasses || !LesProfs)
        return Liste;
    const TRegles R = Regles(Reglages);
    TCharges Charges;
    std::vector<std::pair<const TClasse*, const THeures*>> Manquantes;
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m) {
            const THeures& Matiere = *Classe.Serie->Heures->Numero(m);
            const TProf* Prof = LesProfs->Trouver(Classe.ProfDe(Matiere.Nom));
            if (Prof && Prof->Heures->Existe(Classe.Nom)) {
                Charges.Ajouter(&Classe, Matiere.Volume);
                Charges.Ajouter(Prof, Matiere.Volume);
            }
            if (Classe.CompterQuarts(Matiere.Nom) < Matiere.Volume)
                Manquantes.emplace_back(&Classe, &Matiere);
        }
    }
    for (const auto& [Classe, Matiere] : Manquantes) {
        const TProf* Prof = LesProfs->Trouver(Classe->ProfDe(Matiere->Nom));
        TManque m{Classe->Nom,
                  Matiere->Nom,
                  Prof ? Prof->Nom : std::string(),
                  Matiere->Volume - Classe->CompterQuarts(Matiere->Nom),
                  TRaison::SansProfesseur,
                  {},
                  0,
                  0};
        const int Longueur = R.DureeMax > 0 ? std::min<int>(m.Manque, R.LongueurMax()) : m.Manque;
        m.Duree = std::clamp(Longueur, 1, QuartFinGrille - QuartDebutGrille);
        if (Prof && Prof->Heures->Existe(Classe->Nom)) {
            m.Places = Debuts(*Classe, *Prof, m.Duree);
            if (m.Places > 0)
                m.Raison = TRaison::Placable;
            else if (!Charges.Tient(R, Classe) || !Charges.Tient(R, Prof)) {
                m.Raison = TRaison::Impossible;
                m.Cause = Charges.Tient(R, Classe) ? Prof->Nom : Classe->Nom;
            } else {
                m.Raison = TRaison::AucunePlace;
                if (!AUnePlace(*Classe, Matiere->Nom, m.Duree))
                    m.Cause = Classe->Nom;
                else if (!AUnePlace(*Prof, Classe->Nom, m.Duree))
                    m.Cause = Prof->Nom;
            }
        }
        Liste.push_back(std::move(m));
    }
    return Liste;
}

const char* CodeRaison(TRaison Raison) {
    switch (Raison) {
    case TRaison::SansProfesseur:
        return "sans-professeur";
    case TRaison::AucunePlace:
        return "aucune-place";
    case TRaison::Impossible:
        return "impossible";
    case TRaison::Placable:
        break;
    }
    return "placable";
}

std::string TexteRaison(const TManque& m) {
    const std::string Cause = Utf8(m.Cause);
    switch (m.Raison) {
    case TRaison::SansProfesseur:
        return "Aucun professeur pour cette matière";
    case TRaison::AucunePlace:
        return Cause.empty() ? "La classe et le professeur n'ont aucune place libre en commun"
                             : Cause + " n'a aucune place libre assez longue cette semaine";
    case TRaison::Impossible:
        return "Impossible avec ces réglages : " + Cause +
               " ne peut pas recevoir toutes ses heures";
    case TRaison::Placable:
        break;
    }
    return "Plaçable : " + std::to_string(m.Places) +
           (m.Places > 1 ? " débuts possibles" : " début possible");
}

std::string DiagnosticEnCsv(const std::vector<TManque>& Liste) {
    std::string Csv = "classe;matiere;professeur;manque;raison;places\n";
    for (const TManque& m : Liste)
        Csv += Champ(Utf8(m.Classe)) + ";" + Champ(Utf8(m.Matiere)) + ";" + Champ(Utf8(m.Prof)) +
               ";" + std::to_string(m.Manque) + ";" + CodeRaison(m.Raison) + ";" +
               std::to_string(m.Places) + "\n";
    return Csv;
}
