#include "tests/storage/SupportStockage.h"

#include <fstream>
#include <iterator>
#include <sstream>

StockageTest::StockageTest() {
    Fenetre = &Fenetre_;
    Automate = new TAutomate;
    Sauveur_ = std::make_unique<TSauveur>();
}

StockageTest::~StockageTest() {
    Sauveur_.reset();
    Fenetre = nullptr;
    DetruireGlobal(Automate);
}

std::string StockageTest::Chemin(const std::string& Nom) const {
    return Brouillon.filePath(QString::fromStdString(Nom)).toStdString();
}

std::vector<std::string> StockageTest::Decrire() {
    std::vector<std::string> D;
    const auto Grille = [&D](const TActeur& Acteur) {
        for (TJour j = 0; j < NombreJours; ++j)
            for (int s = QuartDebutGrille; s <= QuartFinGrille; ++s) {
                const auto q = static_cast<TQuart>(s);
                if (!Acteur.LireCase(j, q).empty())
                    D.push_back("  case " + std::to_string(j) + " " + std::to_string(s) + " " +
                                Acteur.LireCase(j, q) + (Acteur.BlocDe(j, q) ? " bloc" : ""));
                if (Acteur.Dispo(j, q) != TDispo::Libre)
                    D.push_back("  dispo " + std::to_string(j) + " " + std::to_string(s) + " " +
                                std::to_string(static_cast<int>(Acteur.Dispo(j, q))));
            }
    };
    const auto Heures = [&D](const TLesHeures& Liste) {
        for (std::size_t k = 1; k <= Liste.Nombre(); ++k) {
            const THeures* H = Liste.Numero(k);
            D.push_back("  heures " + H->Nom + " " + std::to_string(H->Volume) + " " +
                        std::to_string(H->Couleur));
        }
    };
    for (std::size_t i = 1; i <= LesSeries->Nombre(); ++i) {
        D.push_back("serie " + LesSeries->Numero(i)->Nom);
        Heures(*LesSeries->Numero(i)->Heures);
    }
    for (std::size_t i = 1; i <= LesProfs->Nombre(); ++i) {
        const TProf* P = LesProfs->Numero(i);
        D.push_back("prof " + P->Nom + " " + P->Matiere);
        Heures(*P->Heures);
        Grille(*P);
    }
    for (std::size_t i = 1; i <= LesClasses->Nombre(); ++i) {
        const TClasse* C = LesClasses->Numero(i);
        D.push_back("classe " + C->Nom + " " + C->Serie->Nom);
        for (std::size_t k = 1; k <= C->Matieres->Nombre(); ++k)
            D.push_back("  paire " + C->Matieres->Numero(k)->Nom + " " +
                        C->ProfDe(C->Matieres->Numero(k)->Nom));
        Grille(*C);
        for (TJour j = 0; j < NombreJours; ++j)
            for (int s = QuartDebutGrille; s < QuartFinGrille; ++s)
                if (C->Verrouillee(j, static_cast<TQuart>(s)))
                    D.push_back("  verrou " + std::to_string(j) + " " + std::to_string(s));
    }
    D.push_back("reglages " + std::to_string(Automate->DureeMax) + " " +
                std::to_string(Automate->DebutJournee) + " " +
                std::to_string(Automate->DebutPause) + " " + std::to_string(Automate->FinPause) +
                " " + std::to_string(Automate->FinJournee));
    return D;
}

void StockageTest::ConstruireEcoleRiche() {
    ConstruireEcole();
    TSerie* S1 = LesSeries->Trouver("S1");
    S1->FixerVolume("Anglais", 8);
    S1->Heures->Trouver("Maths")->Couleur = 255;
    S1->Heures->Trouver("Anglais")->Couleur = 0x80FF0000; // saved as a negative number
    TSerie* S2 = LesSeries->AjouterSerie("S2");
    S2->FixerVolume("Physique", 20);
    S2->FixerVolume("Maths", 12);
    LesProfs->AjouterProf("P3", "Physique");
    LesProfs->AjouterProf("P4", "Anglais");
    TClasse* C1 = LesClasses->Trouver("C1");
    C1->Matieres->AjouterProfMatiere("Anglais", ""); // pair without teacher
    TClasse* C2 = LesClasses->AjouterClasse("C2", "S2");
    C2->AssocierProf("Maths", "P1");
    C2->AssocierProf("Physique", "P3");
    LesProfs->Trouver("P1")->FixerVolumeClasse("C2", 12);
    LesProfs->Trouver("P1")->Heures->Trouver("C2")->Couleur = 0x00FF00;
    LesProfs->Trouver("P3")->FixerVolumeClasse("C2", 20);
    LesClasses->AjouterClasse("C3", "S2");
    Placer("C1", "Maths", 0, 32, 39);
    Placer("C1", "Francais", 0, 40, 43); // touches the run before it
    Placer("C1", "Francais", 2, 50, 51);
    Placer("C1", "Maths", 5, 72, 79);
    Placer("C2", "Physique", 1, 32, 35);
    Placer("C2", "Maths", 0, 44, 47);
    Placer("C2", "Maths", 4, 60, 63);
    *Automate = TAutomate{6, 34, 46, 54, 72};
}

std::vector<std::string> StockageTest::EchecOuverture(const std::string& Fichier) const {
    return {"Erreur : lors de l'ouverture de " + Fichier};
}

bool StockageTest::ModeleVide() const {
    return LesSeries->Nombre() == 0 && LesProfs->Nombre() == 0 && LesClasses->Nombre() == 0;
}

std::string LireOctets(const std::string& Chemin) {
    std::ifstream Flux(Chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(Flux), std::istreambuf_iterator<char>()};
}

void EcrireOctets(const std::string& Chemin, const std::string& Octets) {
    std::ofstream(Chemin, std::ios::binary) << Octets;
}

std::string Joindre(const std::vector<std::string>& Lignes, const std::string& Fin) {
    std::string Texte;
    for (const auto& Ligne : Lignes)
        Texte += Ligne + Fin;
    return Texte;
}

std::string Exemple() {
    return LireOctets(HORALO_EXAMPLES "/petit.edt");
}
