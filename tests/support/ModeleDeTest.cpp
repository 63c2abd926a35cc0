#include "tests/support/ModeleDeTest.h"

ModeleTest::ModeleTest() {
    LesSeries = new TLesSeries;
    LesProfs = new TLesProfs;
    LesClasses = new TLesClasses;
}

ModeleTest::~ModeleTest() {
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
}

void ModeleTest::ConstruireEcole() {
    TSerie* S1 = LesSeries->AjouterSerie("S1");
    S1->FixerVolume("Maths", 16);
    S1->FixerVolume("Francais", 12);
    LesProfs->AjouterProf("P1", "Maths");
    LesProfs->AjouterProf("P2", "Francais");
    TClasse* C1 = LesClasses->AjouterClasse("C1", "S1");
    C1->AssocierProf("Maths", "P1");
    C1->AssocierProf("Francais", "P2");
    LesProfs->Trouver("P1")->FixerVolumeClasse("C1", 16);
    LesProfs->Trouver("P2")->FixerVolumeClasse("C1", 12);
}

void ModeleTest::Placer(const std::string& Classe, const std::string& Matiere, TJour Jour,
                        TQuart Debut, TQuart Fin) {
    TClasse* C = LesClasses->Trouver(Classe);
    C->PlacerPlage(Jour, Debut, Fin, Matiere);
    LesProfs->Trouver(C->ProfDe(Matiere))->PlacerPlage(Jour, Debut, Fin, Classe);
}

std::string Matieres(const TSerie& Serie) {
    return Heures(*Serie.Heures);
}

std::string Heures(const TLesHeures& Liste) {
    std::string Texte;
    for (std::size_t n = 1; n <= Liste.Nombre(); ++n) {
        const THeures& H = *Liste.Numero(n);
        Texte += (n > 1 ? ", " : "") + H.Nom + " " + std::to_string(H.Volume) + " " +
                 std::to_string(static_cast<std::int32_t>(H.Couleur));
    }
    return Texte;
}

int DoublesReservations() {
    int n = 0;
    for (TJour d = 0; d < NombreJours; ++d)
        for (int s = QuartDebutGrille; s < QuartFinGrille; ++s) {
            const auto q = static_cast<TQuart>(s);
            for (std::size_t i = 1; i <= LesClasses->Nombre(); ++i) {
                const TClasse& C = *LesClasses->Numero(i);
                const TProf* P = LesProfs->Trouver(C.ProfDe(C.LireCase(d, q)));
                n += !C.CaseLibre(d, q) && (!P || P->LireCase(d, q) != C.Nom);
            }
            for (std::size_t i = 1; i <= LesProfs->Nombre(); ++i) {
                const TProf& P = *LesProfs->Numero(i);
                const TClasse* C = LesClasses->Trouver(P.LireCase(d, q));
                n += !P.CaseLibre(d, q) && (!C || C->ProfDe(C->LireCase(d, q)) != P.Nom);
            }
        }
    return n;
}
