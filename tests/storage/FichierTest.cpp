// The timetable file: what is written, byte for byte, and what is read back.
#include "tests/storage/SupportStockage.h"

#include "model/U_texte.h"

#include <gtest/gtest.h>

namespace {

using FichierTest = StockageTest;

TEST(DecouperLignes, FinsDeLigneNulEtLongueur) {
    const std::string Long(300, 'x');
    const struct {
        std::string Octets;
        TLignes Attendu;
    } Cas[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb\n\nc", {"a", "", "b", "", "c"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {std::string("\0a", 2), {}},
        {Long + "\r\n" + Long, {Long.substr(0, 255), Long.substr(0, 255)}},
    };
    for (const auto& c : Cas)
        EXPECT_EQ(DecouperLignes(c.Octets), c.Attendu) << c.Octets;
}

TEST_F(FichierTest, UnModeleRicheRevientALIdentique) {
    ConstruireEcoleRiche();
    const auto Avant = Decrire();
    Sauveur_->EcrireFichier(Chemin("riche.edt"));
    Sauveur_->ViderModele();
    *Automate = TAutomate{};
    Fenetre_.Appels.clear();

    Sauveur_->LireFichier(Chemin("riche.edt"));

    EXPECT_EQ(Decrire(), Avant);
    EXPECT_TRUE(Messages.Montres.empty());
    EXPECT_EQ(Fenetre_.Appels, std::vector<std::string>{"RafraichirVues"});
    Sauveur_->EcrireFichier(Chemin("encore.edt"));
    EXPECT_EQ(LireOctets(Chemin("encore.edt")), LireOctets(Chemin("riche.edt")));
}

TEST_F(FichierTest, LExempleSeRelitEtSeReecritALOctetPres) {
    Sauveur_->LireFichier(HORALO_EXAMPLES "/petit.edt");
    const TClasse* C1 = LesClasses->Trouver("C1");
    ASSERT_NE(C1, nullptr);
    EXPECT_EQ(C1->ProfDe("Maths"), "P1");
    EXPECT_EQ(C1->LireCase(0, 39), "Maths");
    EXPECT_EQ(C1->LireCase(0, 40), "");
    EXPECT_NE(LesProfs->Trouver("P1")->BlocDe(0, 32), nullptr);
    EXPECT_EQ(LesProfs->Trouver("P1")->LireCase(0, 39), "C1");
    EXPECT_EQ(LesSeries->Trouver("S1")->Heures->Trouver("Maths")->Couleur, 255u);

    Sauveur_->EcrireFichier(Chemin("petit.edt"));
    EXPECT_EQ(LireOctets(Chemin("petit.edt")), Exemple());
}

// A course may sit on a cell that became interdit: it is read and kept, not refused.
TEST_F(FichierTest, LesContraintesSeRelisentEtSeReecriventALOctetPres) {
    const std::string Golden = HORALO_TEST_DATA "/contraintes.edt";
    ASSERT_TRUE(Sauveur_->LireFichier(Golden));
    const TClasse* C1 = LesClasses->Trouver("C1");
    const TProf* P1 = LesProfs->Trouver("P1");
    EXPECT_EQ(P1->Dispo(0, 39), TDispo::Interdit);
    EXPECT_EQ(P1->Dispo(0, 48), TDispo::AEviter);
    EXPECT_EQ(P1->Dispo(4, 79), TDispo::AEviter);
    EXPECT_EQ(C1->Dispo(2, 55), TDispo::Libre);
    EXPECT_EQ(C1->Dispo(2, 56), TDispo::Interdit);
    EXPECT_TRUE(C1->Verrouillee(0, 32));
    EXPECT_EQ(C1->LireCase(0, 32), "Maths");
    const auto Avant = Decrire();
    Sauveur_->EcrireFichier(Chemin("contraintes.edt"));
    EXPECT_EQ(LireOctets(Chemin("contraintes.edt")), LireOctets(Golden));

    // Once every cell is libre and nothing is locked, the section is gone.
    LesClasses->Trouver("C1")->Verrouiller(0, 32, false);
    for (TActeur* a : {static_cast<TActeur*>(LesClasses->Trouver("C1")),
                       static_cast<TActeur*>(LesProfs->Trouver("P1"))})
        a->FixerDisponibilites(TGrilleDispo{});
    Sauveur_->EcrireFichier(Chemin("petit.edt"));
    EXPECT_EQ(LireOctets(Chemin("petit.edt")), Exemple());
    Sauveur_->LireFichier(Chemin("contraintes.edt"));
    EXPECT_EQ(Decrire(), Avant);
}

TEST_F(FichierTest, UnModeleVideSEcritEnNeufLignes) {
    Sauveur_->EcrireFichier(Chemin("vide.edt"));
    EXPECT_EQ(LireOctets(Chemin("vide.edt")), LireOctets(HORALO_TEST_DATA "/vide.edt"));
}

TEST_F(FichierTest, SansAutomateLesReglagesParDefautSontEcritsEtLusAPart) {
    DetruireGlobal(Automate);
    Sauveur_->EcrireFichier(Chemin("vide.edt"));
    EXPECT_EQ(LireOctets(Chemin("vide.edt")), LireOctets(HORALO_TEST_DATA "/vide.edt"));
    Sauveur_->LireFichier(HORALO_EXAMPLES "/petit.edt");
    EXPECT_EQ(LesClasses->Nombre(), 1);
}

TEST_F(FichierTest, LesNomsAccentuesGardentLeursOctetsWindows1252) {
    const std::string Serie = Ansi("Série générale"), Matiere = Ansi("Éducation œuvre €");
    const std::string Prof = Ansi("Mme Lefèvre"), Classe = Ansi("6ème A");
    LesSeries->AjouterSerie(Serie)->FixerVolume(Matiere, 12);
    LesProfs->AjouterProf(Prof, Matiere)->FixerVolumeClasse(Classe, 12);
    LesClasses->AjouterClasse(Classe, Serie)->AssocierProf(Matiere, Prof);
    Placer(Classe, Matiere, 3, 40, 45);

    Sauveur_->EcrireFichier(Chemin("accents.edt"));
    EXPECT_EQ(LireOctets(Chemin("accents.edt")), LireOctets(HORALO_TEST_DATA "/accents.edt"));

    const auto Avant = Decrire();
    Sauveur_->LireFichier(Chemin("accents.edt"));
    EXPECT_EQ(Decrire(), Avant);
    EXPECT_EQ(LesClasses->Trouver(Classe)->LireCase(3, 40), Matiere);
}

TEST_F(FichierTest, LesAutresFinsDeLigneEtUnNulFinalSeLisentPareil) {
    const auto Lignes = DecouperLignes(Exemple());
    const std::string Variantes[] = {
        Joindre(Lignes, "\n"),
        Joindre(Lignes, "\r"),
        Joindre(Lignes, "\n").substr(0, Joindre(Lignes, "\n").size() - 1), // no last end
        Exemple() + std::string("\0Horalo\r\n1\r\n", 12),
    };
    for (const auto& Octets : Variantes) {
        EcrireOctets(Chemin("variante.edt"), Octets);
        Sauveur_->LireFichier(Chemin("variante.edt"));
        Sauveur_->EcrireFichier(Chemin("relu.edt"));
        EXPECT_EQ(LireOctets(Chemin("relu.edt")), Exemple());
    }
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(FichierTest, LesLignesTropLonguesSontCoupeesA255) {
    auto Lignes = DecouperLignes(Exemple());
    const std::string Long(300, 'S');
    Lignes[2] = Long;  // the series' name...
    Lignes[16] = Long; // ...and the class's series, cut alike so they still match
    EcrireOctets(Chemin("long.edt"), Joindre(Lignes));

    Sauveur_->LireFichier(Chemin("long.edt"));

    ASSERT_EQ(LesSeries->Nombre(), 1);
    EXPECT_EQ(LesSeries->NomNumero(1), Long.substr(0, 255));
    EXPECT_EQ(LesClasses->Trouver("C1")->Serie, LesSeries->Numero(1));
}

} // namespace
