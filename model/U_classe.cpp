#include "model/U_classe.h"

#include "model/U_messages.h"
#include "model/U_prof.h"
#include "model/U_serie.h"
#include "model/U_texte.h"

TLesClasses* LesClasses = nullptr;

TClasse::TClasse(std::string Nom, const std::string& NomSerie) : TActeur(std::move(Nom)) {
    if (FixerSerie(NomSerie))
        Matieres = std::make_unique<TLesProfMatieres>();
}

TClasse::~TClasse() {
    if (LesProfs && Matieres) {
        std::string Matiere; // runs are contiguous: remember the last subject's teacher
        TProf* Prof = nullptr;
        for (TJour d = 0; d < NombreJours; ++d)
            for (int s = QuartDebutGrille; s <= QuartFinGrille; ++s) {
                const std::string& S = Case(d, static_cast<TQuart>(s)).Contenu;
                if (S.empty())
                    continue;
                if (S != Matiere) {
                    Matiere = S;
                    Prof = ProfExistant(S);
                }
                if (Prof)
                    Prof->EffacerPlage(d, static_cast<TQuart>(s), true);
            }
    }
}

bool TClasse::FixerSerie(const std::string& NomSerie) {
    Serie = LesSeries ? LesSeries->Trouver(NomSerie) : nullptr;
    if (!Serie)
        Messages().Message(Ansi("Vous tentez d'associer une classe à une série qui n'existe pas"));
    return Serie != nullptr;
}

std::string TClasse::ProfDe(const std::string& Matiere) const {
    const TProfMatiere* Entree = Matieres ? Matieres->Trouver(Matiere) : nullptr;
    return Entree && Entree->Prof() ? Entree->Prof()->Nom : std::string();
}

// The entry's teacher is the one LesProfs holds under its name: a teacher detaches its
// entries when destroyed. No lookup by name, as the placement and the reader ask often.
TProf* TClasse::ProfExistant(const std::string& Matiere) const {
    const TProfMatiere* Entree = Matieres ? Matieres->Trouver(Matiere) : nullptr;
    TProf* Prof = Entree ? Entree->Prof() : nullptr;
    return Prof && !Prof->Nom.empty() && LesProfs ? Prof : nullptr;
}

void TClasse::AssocierProf(const std::string& Matiere, const std::string& NomProf) {
    TProf* Nouveau = LesProfs ? LesProfs->Trouver(NomProf) : nullptr;
    if (!Nouveau || Nouveau->Matiere != Matiere || !Matieres)
        return;
    TProfMatiere* Entree = Matieres->Trouver(Matiere);
    if (!Entree) {
        Matieres->AjouterProfMatiere(Matiere, NomProf);
        return;
    }
    TProf* Ancien = Entree->Prof();
    if (Ancien == Nouveau)
        return;
    // An entry whose teacher was deleted has nobody to replace: no question to ask.
    if (Ancien && !Messages().Confirmer(Ansi(
                      "Un professeur est déjà associé à cette classe. Changer de professeur?")))
        return;
    EffacerPlagesDe(Matiere);
    if (Ancien)
        Ancien->FixerVolumeClasse(Nom, 0);
    Entree->FixerProf(Nouveau);
}

bool TClasse::DebutDePlage(TJour Jour, TQuart Quart) const {
    const std::string N = LireCase(Jour, Quart);
    return !N.empty() && (Quart == QuartDebutGrille || LireCase(Jour, Quart - 1) != N);
}

bool TClasse::Verrouillee(TJour Jour, TQuart Debut) const {
    return DebutDePlage(Jour, Debut) && Case(Jour, Debut).Verrou;
}

void TClasse::Verrouiller(TJour Jour, TQuart Debut, bool Verrou) {
    if (DebutDePlage(Jour, Debut))
        Case(Jour, Debut).Verrou = Verrou;
}

bool TClasse::EnConflit(TJour Jour, TQuart Debut) const {
    if (!DebutDePlage(Jour, Debut))
        return false;
    const TQuart Fin = FinDePlage(Jour, Debut);
    const TProf* Prof = ProfExistant(LireCase(Jour, Debut));
    return CouvreInterdit(Jour, Debut, Fin) || (Prof && Prof->CouvreInterdit(Jour, Debut, Fin));
}

std::size_t TClasse::CoursEnConflit() const {
    std::size_t n = 0;
    for (TJour d = 0; d < NombreJours; ++d)
        for (int q = QuartDebutGrille; q < QuartFinGrille; ++q)
            n += EnConflit(d, static_cast<TQuart>(q));
    return n;
}

void TClasse::PlacerPlage(TJour Jour, TQuart Debut, TQuart Fin, const std::string& Nom) {
    PlacerPartenaire(Jour, Debut, Fin, Nom, *Serie->Heures, PanneauClasse);
}

void TClasse::AfficherBlocs(bool Visible_) {
    AfficherBlocsSelon(Visible_, *Serie->Heures);
}

bool TClasse::PlageLibre(const std::string& Nom, TJour Jour, TQuart Debut, TQuart Fin) const {
    return TActeur::PlageLibre(Nom, Jour, Debut, Fin) && ProfExistant(Nom) &&
           Serie->Heures->Existe(Nom);
}

void TClasse::Dessiner(ICanevas& Image) const {
    TActeur::Dessiner(Image);
    DessinerTitre(Image,
                  "Emploi du temps de : " + Nom + Ansi(" , classe de série : ") + Serie->Nom);
}

void TClasse::Sauver(TLignes& Lignes) const {
    TBase::Sauver(Lignes);
    Lignes.push_back(Serie->Nom);
    Matieres->Sauver(Lignes);
    SauverPlages(Lignes);
}

// Runs are found by comparing each cell with the one before it; slot 80 is always
// empty, so every run gets its last slot.
void TClasse::SauverPlages(TLignes& Lignes) const {
    const std::size_t Compte = Lignes.size();
    Lignes.emplace_back("0");
    int Plages = 0;
    for (TJour d = 0; d < NombreJours; ++d) {
        const std::string* Precedent = nullptr;
        for (int s = QuartDebutGrille; s <= QuartFinGrille; ++s) {
            const std::string& Contenu = Case(d, static_cast<TQuart>(s)).Contenu;
            const bool PrecedentVide = !Precedent || Precedent->empty();
            if (PrecedentVide ? !Contenu.empty() : Contenu != *Precedent) {
                if (!PrecedentVide)
                    Lignes.push_back(std::to_string(s - 1));
                if (!Contenu.empty()) {
                    Lignes.push_back(Contenu);
                    Lignes.push_back(NomJour(d));
                    Lignes.push_back(std::to_string(s));
                    ++Plages;
                }
            }
            Precedent = &Contenu;
        }
    }
    Lignes[Compte] = std::to_string(Plages);
}

void TClasse::Charger(const TLignes& Lignes, std::size_t& Position) {
    Matieres->Charger(Lignes, Position);
    const auto R = static_cast<std::uint16_t>(LireEntier(Lignes, Position));
    for (std::uint16_t r = 0; r < R; ++r) {
        const std::string Matiere = LireLigne(Lignes, Position);
        const TJour Jour = NumeroJour(LireLigne(Lignes, Position));
        const std::int32_t Debut = LireEntier(Lignes, Position);
        const std::int32_t Fin = LireEntier(Lignes, Position);
        TProf* Prof = ProfExistant(Matiere);
        if (!Prof)
            throw ELectureArchive("plage sans professeur");
        // Only a damaged file holds a run outside the grid: it is left out.
        if (!PlageDansGrille(Jour, Debut, Fin))
            continue;
        const auto d = static_cast<TQuart>(Debut);
        const auto f = static_cast<TQuart>(Fin);
        // No sound program writes a course over another of its class or of its teacher.
        if (!CasesLibres(Jour, d, f) || !Prof->CasesLibres(Jour, d, f))
            throw ELectureArchive("deux cours à la fois");
        PlacerPlage(Jour, d, f, Matiere);
        // A half refused (and said so) takes the other with it: alone, it would leave the
        // class or the teacher free in one grid while busy in the other.
        if (LireCase(Jour, d) != Matiere)
            continue;
        Prof->PlacerPlage(Jour, d, f, Nom);
        if (Prof->LireCase(Jour, d) != Nom)
            EffacerPlage(Jour, d, true);
    }
}

TClasse* TLesClasses::AjouterClasse(const std::string& Nom, const std::string& NomSerie) {
    auto Classe = std::make_unique<TClasse>(Nom, NomSerie);
    if (!Classe->Serie)
        return nullptr;
    return static_cast<TClasse*>(Ajouter(std::move(Classe)));
}

void TLesClasses::Supprimer(const std::string& Nom) {
    if (!Existe(Nom))
        return;
    const std::string Classe = Nom; // Nom may be the name of the class about to go
    TLesBasesDe::Supprimer(Classe);
    // A teacher listing a class that is gone would count hours no class can take.
    if (LesProfs)
        for (std::size_t n = 1; n <= LesProfs->Nombre(); ++n)
            LesProfs->Numero(n)->Heures->Supprimer(Classe);
}

void TLesClasses::ChargerElement(const TLignes& Lignes, std::size_t& Position) {
    const std::string Nom = LireLigne(Lignes, Position);
    const std::string NomSerie = LireLigne(Lignes, Position);
    AjouterClasse(Nom, NomSerie);
    TClasse* Classe = Trouver(Nom);
    if (!Classe)
        throw ELectureArchive("classe sans série");
    Classe->Charger(Lignes, Position);
}
