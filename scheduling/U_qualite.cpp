#include "scheduling/U_qualite.h"

#include "model/U_classe.h"
#include "model/U_prof.h"
#include "model/U_texte.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int Premier = QuartDebutGrille;
constexpr int Dernier = QuartFinGrille - 1;

// Bits of the slots De..A of a day, clipped to the grid.
std::uint64_t Bits(int De, int A) {
    De = std::max(De, Premier);
    A = std::min(A, Dernier);
    if (De > A)
        return 0;
    return ((std::uint64_t{1} << (A - De + 1)) - 1) << (De - Premier);
}

TMesures Somme(const std::vector<TQualiteActeur>& Acteurs) {
    TMesures Total;
    for (const TQualiteActeur& a : Acteurs)
        Total.Ajouter(a.Semaine);
    return Total;
}

TQualiteActeur Mesurer(const TActeur& Acteur,
                       const std::array<std::vector<TCoursJour>, NombreJours>& Semaine,
                       std::uint64_t Pause) {
    TQualiteActeur q{Acteur.Nom, {}, {}};
    for (TJour j = 0; j < NombreJours; ++j)
        q.Jours[j] = MesurerJour(Semaine[j], DispoJour(Acteur, j), Pause);
    q.Semaine = Resumer(q.Jours);
    return q;
}

// A field quoted when it holds the separator, a quote or a line end.
std::string Champ(const std::string& Texte) {
    if (Texte.find_first_of(";\"\r\n") == std::string::npos)
        return Texte;
    std::string Cite = "\"";
    for (const char c : Texte) {
        Cite += c;
        if (c == '"')
            Cite += '"';
    }
    return Cite + '"';
}

std::string Ligne(const std::string& Type, const std::string& Nom, const TMesures& m) {
    std::string l = Type + ';' + Champ(Nom);
    for (const int v : {m.Trous, m.Jours, m.Doublons, m.ChargeMax, m.Evites, m.Conflits})
        l += ';' + std::to_string(v);
    return l + '\n';
}

} // namespace

void TMesures::Ajouter(const TMesures& Autre) {
    Trous += Autre.Trous;
    Jours += Autre.Jours;
    Doublons += Autre.Doublons;
    ChargeMax += Autre.ChargeMax;
    Evites += Autre.Evites;
    Conflits += Autre.Conflits;
}

std::uint64_t MasquePause(const TAutomate& Reglages) {
    return Bits(Reglages.DebutPause, Reglages.FinPause - 1);
}

TMesuresJour MesurerJour(std::span<const TCoursJour> Cours, const TDispoJour& Dispo,
                         std::uint64_t Pause) {
    TMesuresJour m;
    for (std::size_t i = 0; i < Cours.size(); ++i) {
        const TCoursJour& c = Cours[i];
        const std::uint64_t Tenues = Bits(c.Debut, c.Debut + c.Longueur - 1);
        m.Charge += c.Longueur;
        m.Evites += std::popcount(Tenues & Dispo.Evite);
        m.Conflits += std::popcount(Tenues & Dispo.Interdit);
        if (i == 0)
            continue;
        const TCoursJour& Avant = Cours[i - 1];
        const std::uint64_t Entre = Bits(Avant.Debut + Avant.Longueur, c.Debut - 1);
        // The free quarter-hour every course needs after the previous one is no gap.
        m.Trous += std::max(0, std::popcount(Entre & ~Pause & ~Dispo.Interdit) - 1);
        for (std::size_t k = 0; k < i; ++k)
            if (Cours[k].Cle == c.Cle) {
                ++m.Doublons;
                break;
            }
    }
    return m;
}

TMesures Resumer(const TSemaineMesuree& Jours) {
    TMesures s;
    for (const TMesuresJour& j : Jours) {
        s.Trous += j.Trous;
        s.Jours += j.Charge > 0;
        s.Doublons += j.Doublons;
        s.ChargeMax = std::max(s.ChargeMax, j.Charge);
        s.Evites += j.Evites;
        s.Conflits += j.Conflits;
    }
    return s;
}

std::vector<TRunClasse> RunsDeClasse(const TClasse& Classe, TJour Jour) {
    std::vector<TRunClasse> Runs;
    std::vector<std::string> Cles;
    for (int s = Premier; s <= Dernier;) {
        const std::string Nom = Classe.LireCase(Jour, static_cast<TQuart>(s));
        int f = s;
        while (f < Dernier && !Nom.empty() &&
               Classe.LireCase(Jour, static_cast<TQuart>(f + 1)) == Nom)
            ++f;
        if (!Nom.empty()) {
            const auto k = std::find(Cles.begin(), Cles.end(), Nom) - Cles.begin();
            if (k == static_cast<long>(Cles.size()))
                Cles.push_back(Nom);
            const TProf* Prof = LesProfs ? LesProfs->Trouver(Classe.ProfDe(Nom)) : nullptr;
            if (Prof && !Prof->Heures->Existe(Classe.Nom))
                Prof = nullptr;
            Runs.push_back({{s, f - s + 1, static_cast<int>(k)}, Nom, Prof});
        }
        s = f + 1;
    }
    return Runs;
}

TDispoJour DispoJour(const TActeur& Acteur, TJour Jour) {
    TDispoJour d;
    if (Acteur.DispoVide())
        return d;
    for (int q = Premier; q <= Dernier; ++q) {
        const TDispo Etat = Acteur.Dispo(Jour, static_cast<TQuart>(q));
        if (Etat == TDispo::Interdit)
            d.Interdit |= std::uint64_t{1} << (q - Premier);
        else if (Etat == TDispo::AEviter)
            d.Evite |= std::uint64_t{1} << (q - Premier);
    }
    return d;
}

TQualite MesurerQualite(const TAutomate& Reglages) {
    TQualite Q;
    const std::uint64_t Pause = MasquePause(Reglages);
    const std::size_t NbProfs = LesProfs ? LesProfs->Nombre() : 0;
    std::vector<std::array<std::vector<TCoursJour>, NombreJours>> ParProf(NbProfs);
    for (std::size_t c = 1; LesClasses && c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        std::array<std::vector<TCoursJour>, NombreJours> Semaine;
        for (TJour j = 0; j < NombreJours; ++j)
            for (const TRunClasse& r : RunsDeClasse(Classe, j)) {
                Semaine[j].push_back(r.Cours);
                if (r.Prof)
                    ParProf[static_cast<std::size_t>(LesProfs->Indice(r.Prof->Nom))][j].push_back(
                        {r.Cours.Debut, r.Cours.Longueur, static_cast<int>(c)});
            }
        Q.Classes.push_back(Mesurer(Classe, Semaine, Pause));
    }
    for (std::size_t p = 0; p < NbProfs; ++p) {
        for (std::vector<TCoursJour>& Jour : ParProf[p])
            std::sort(Jour.begin(), Jour.end(),
                      [](const TCoursJour& a, const TCoursJour& b) { return a.Debut < b.Debut; });
        Q.Profs.push_back(Mesurer(*LesProfs->Numero(p + 1), ParProf[p], Pause));
    }
    Q.TotalProfs = Somme(Q.Profs);
    Q.TotalClasses = Somme(Q.Classes);
    return Q;
}

std::vector<TCoursJour> RunsDeProf(const TProf& Prof, TJour Jour) {
    std::vector<TCoursJour> Runs;
    for (std::size_t k = 1; LesClasses && k <= Prof.Heures->Nombre(); ++k) {
        const std::string& Nom = Prof.Heures->Numero(k)->Nom;
        if (const TClasse* Classe = LesClasses->Trouver(Nom))
            for (const TRunClasse& r : RunsDeClasse(*Classe, Jour))
                if (r.Prof == &Prof)
                    Runs.push_back({r.Cours.Debut, r.Cours.Longueur, LesClasses->Indice(Nom)});
    }
    std::sort(Runs.begin(), Runs.end(),
              [](const TCoursJour& a, const TCoursJour& b) { return a.Debut < b.Debut; });
    return Runs;
}

bool TAjoutCours::Neutre() const {
    for (const TMesuresJour& m : {Classe, Prof})
        if (m.Trous > 0 || m.Doublons > 0 || m.Evites > 0)
            return false;
    return true;
}

TAjoutsJour AjoutsDuJour(const TClasse& Classe, const TProf& Prof, TJour Jour, int Longueur,
                         std::uint64_t Pause) {
    std::vector<TCoursJour> DeClasse;
    int CleMatiere = -1; // a subject the day does not have yet
    for (const TRunClasse& r : RunsDeClasse(Classe, Jour)) {
        DeClasse.push_back(r.Cours);
        if (r.Matiere == Prof.Matiere)
            CleMatiere = r.Cours.Cle;
    }
    const std::vector<TCoursJour> DeProf = RunsDeProf(Prof, Jour);
    const TDispoJour DispoClasse = DispoJour(Classe, Jour);
    const TDispoJour DispoProf = DispoJour(Prof, Jour);
    const TMesuresJour AvantClasse = MesurerJour(DeClasse, DispoClasse, Pause);
    const TMesuresJour AvantProf = MesurerJour(DeProf, DispoProf, Pause);
    const auto Ajout = [Pause](std::vector<TCoursJour> Runs, TCoursJour Nouveau,
                               const TDispoJour& Dispo, const TMesuresJour& Avant) {
        Runs.insert(std::find_if(Runs.begin(), Runs.end(),
                                 [&](const TCoursJour& r) { return r.Debut > Nouveau.Debut; }),
                    Nouveau);
        const TMesuresJour Apres = MesurerJour(Runs, Dispo, Pause);
        return TMesuresJour{std::max(0, Apres.Trous - Avant.Trous),
                            std::max(0, Apres.Doublons - Avant.Doublons),
                            Apres.Charge - Avant.Charge, std::max(0, Apres.Evites - Avant.Evites),
                            std::max(0, Apres.Conflits - Avant.Conflits)};
    };
    const int NumeroClasse = LesClasses ? LesClasses->Indice(Classe.Nom) : -1;
    TAjoutsJour Ajouts{};
    for (int s = Premier; s + Longueur - 1 <= Dernier; ++s)
        Ajouts[static_cast<std::size_t>(s - Premier)] = {
            Ajout(DeClasse, {s, Longueur, CleMatiere}, DispoClasse, AvantClasse),
            Ajout(DeProf, {s, Longueur, NumeroClasse}, DispoProf, AvantProf)};
    return Ajouts;
}

std::string QualiteEnCsv(const TQualite& Q) {
    std::string Csv = "type;nom;trous;jours;doublons;chargemax;evites;conflits\n";
    for (const TQualiteActeur& a : Q.Profs)
        Csv += Ligne("professeur", Utf8(a.Nom), a.Semaine);
    for (const TQualiteActeur& a : Q.Classes)
        Csv += Ligne("classe", Utf8(a.Nom), a.Semaine);
    return Csv + Ligne("total", "professeurs", Q.TotalProfs) +
           Ligne("total", "classes", Q.TotalClasses);
}
