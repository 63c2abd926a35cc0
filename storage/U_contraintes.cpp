#include "storage/U_contraintes.h"

#include "model/U_classe.h"
#include "model/U_prof.h"

#include <set>

namespace {

const std::string Entete = "Contraintes";
const std::string GenreProf = "Professeur";
const std::string GenreClasse = "Classe";
constexpr char Codes[] = {'.', 'e', 'x'}; // indexed by TDispo

template <class T>
std::vector<const TActeur*> ActeursContraints(const TLesBasesDe<T, TLesActeurs>* Liste) {
    std::vector<const TActeur*> Acteurs;
    for (std::size_t P = 1; Liste && P <= Liste->Nombre(); ++P)
        if (!Liste->Numero(P)->DispoVide())
            Acteurs.push_back(Liste->Numero(P));
    return Acteurs;
}

void SauverGrille(const TActeur& Acteur, const std::string& Genre, TLignes& Lignes) {
    Lignes.push_back(Genre);
    Lignes.push_back(Acteur.Nom);
    for (TJour d = 0; d < NombreJours; ++d) {
        std::string Jour;
        for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
            Jour += Codes[static_cast<int>(Acteur.Dispo(d, static_cast<TQuart>(q)))];
        Lignes.push_back(std::move(Jour));
    }
}

struct TVerrou {
    const TClasse* Classe;
    TJour Jour;
    TQuart Debut;
};

std::vector<TVerrou> Verrous() {
    std::vector<TVerrou> Liste;
    for (std::size_t P = 1; LesClasses && P <= LesClasses->Nombre(); ++P)
        for (TJour d = 0; d < NombreJours; ++d)
            for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
                if (LesClasses->Numero(P)->Verrouillee(d, static_cast<TQuart>(q)))
                    Liste.push_back({LesClasses->Numero(P), d, static_cast<TQuart>(q)});
    return Liste;
}

std::size_t LireNombre(const TLignes& Lignes, std::size_t& Position) {
    const std::int32_t n = LireEntier(Lignes, Position);
    if (n < 0)
        throw ELectureArchive("nombre négatif");
    return static_cast<std::size_t>(n);
}

TDispo LireEtat(char Code) {
    for (int e = 0; e < 3; ++e)
        if (Codes[e] == Code)
            return static_cast<TDispo>(e);
    throw ELectureArchive("case de disponibilité inconnue");
}

TActeur& LireActeur(const TLignes& Lignes, std::size_t& Position) {
    const std::string& Genre = LireLigne(Lignes, Position);
    const std::string& Nom = LireLigne(Lignes, Position);
    TActeur* Acteur = nullptr;
    if (Genre == GenreProf && LesProfs)
        Acteur = LesProfs->Trouver(Nom);
    else if (Genre == GenreClasse && LesClasses)
        Acteur = LesClasses->Trouver(Nom);
    if (!Acteur)
        throw ELectureArchive("disponibilité d'un inconnu");
    return *Acteur;
}

// Each actor once: a second record cannot have come from the writer.
void ChargerGrille(const TLignes& Lignes, std::size_t& Position, std::set<const TActeur*>& Lus) {
    TActeur& Acteur = LireActeur(Lignes, Position);
    if (!Lus.insert(&Acteur).second)
        throw ELectureArchive("disponibilité donnée deux fois");
    TGrilleDispo Grille;
    for (TJour d = 0; d < NombreJours; ++d) {
        const std::string& Jour = LireLigne(Lignes, Position);
        if (Jour.size() != TGrilleDispo::QuartsParJour)
            throw ELectureArchive("jour de disponibilité mal formé");
        for (int i = 0; i < TGrilleDispo::QuartsParJour; ++i)
            Grille.Fixer(d, static_cast<TQuart>(QuartDebutGrille + i), LireEtat(Jour[i]));
    }
    Acteur.FixerDisponibilites(Grille);
}

void ChargerVerrou(const TLignes& Lignes, std::size_t& Position) {
    TClasse* Classe = LesClasses ? LesClasses->Trouver(LireLigne(Lignes, Position)) : nullptr;
    const std::string& NomDuJour = LireLigne(Lignes, Position);
    const TJour Jour = NumeroJour(NomDuJour);
    const std::int32_t Debut = LireEntier(Lignes, Position);
    const bool Place =
        Classe && NomJour(Jour) == NomDuJour && Debut >= QuartDebutGrille && Debut < QuartFinGrille;
    if (Place && Classe->Verrouillee(Jour, static_cast<TQuart>(Debut)))
        throw ELectureArchive("verrou donné deux fois");
    if (Place)
        Classe->Verrouiller(Jour, static_cast<TQuart>(Debut), true);
    if (!Place || !Classe->Verrouillee(Jour, static_cast<TQuart>(Debut)))
        throw ELectureArchive("verrou sans cours");
}

} // namespace

void SauverContraintes(TLignes& Lignes) {
    const std::vector<const TActeur*> Profs = ActeursContraints(LesProfs);
    const std::vector<const TActeur*> Classes = ActeursContraints(LesClasses);
    const std::vector<TVerrou> Liste = Verrous();
    if (Profs.empty() && Classes.empty() && Liste.empty())
        return;
    Lignes.push_back(Entete);
    Lignes.push_back(std::to_string(Profs.size() + Classes.size()));
    for (const TActeur* Prof : Profs)
        SauverGrille(*Prof, GenreProf, Lignes);
    for (const TActeur* Classe : Classes)
        SauverGrille(*Classe, GenreClasse, Lignes);
    Lignes.push_back(std::to_string(Liste.size()));
    for (const TVerrou& v : Liste) {
        Lignes.push_back(v.Classe->Nom);
        Lignes.push_back(NomJour(v.Jour));
        Lignes.push_back(std::to_string(v.Debut));
    }
}

void ChargerContraintes(const TLignes& Lignes, std::size_t& Position) {
    std::string Titre;
    if (!Lignes.Ligne(Position, Titre) || Titre != Entete)
        return;
    ++Position;
    std::set<const TActeur*> Lus;
    for (std::size_t n = LireNombre(Lignes, Position); n > 0; --n)
        ChargerGrille(Lignes, Position, Lus);
    for (std::size_t n = LireNombre(Lignes, Position); n > 0; --n)
        ChargerVerrou(Lignes, Position);
}
