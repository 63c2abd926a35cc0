// The undo/redo history: the ring of snapshot files and what each step restores.
#include "tests/storage/SupportStockage.h"

#include "storage/U_recuperation.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

bool Existe(const std::string& Chemin) {
    return QFileInfo::exists(QString::fromStdString(Chemin));
}

class HistoriqueTest : public StockageTest {
protected:
    HistoriqueTest() { LesSeries->AjouterSerie("S1"); }

    // Change k leaves a volume of k: the state in force is read back from it.
    void Changer(int k) {
        LesSeries->Trouver("S1")->FixerVolume("Maths", static_cast<std::uint16_t>(k));
        Sauveur_->Memoriser();
    }
    int Etat() const { return LesSeries->Trouver("S1")->VolumeDe("Maths"); }
    void VerifierCompteurs(int Courant, int NbAnnuler, int NbRefaire) const {
        EXPECT_EQ(Sauveur_->Courant, Courant);
        EXPECT_EQ(Sauveur_->NbAnnuler, NbAnnuler);
        EXPECT_EQ(Sauveur_->NbRefaire, NbRefaire);
    }
    // The snapshots, and whatever else than the folder's owner record stands there.
    QStringList Fichiers() const {
        QStringList Liste =
            QDir(QString::fromStdString(Sauveur_->Dossier))
                .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        Liste.removeOne(QStringLiteral("proprietaire"));
        return Liste;
    }
};

TEST_F(HistoriqueTest, TrenteNiveauxApresTrenteCinqChangements) {
    for (int k = 1; k <= 35; ++k)
        Changer(k);
    VerifierCompteurs(5, 29, 0);
    for (int n = 1; n <= 30; ++n)
        EXPECT_TRUE(Existe(Sauveur_->NomInstantane(n))) << n;
    EXPECT_FALSE(Existe(Sauveur_->NomInstantane(31)));
    EXPECT_EQ(Sauveur_->InstantanesEnService(), 30);

    for (int n = 0; n < 29; ++n)
        Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 6);
    VerifierCompteurs(6, 0, 29);
    EXPECT_FALSE(Sauveur_->PeutAnnuler());
    Sauveur_->Annuler(); // refused
    EXPECT_EQ(Etat(), 6);
    VerifierCompteurs(6, 0, 29);

    for (int n = 0; n < 29; ++n)
        Sauveur_->Refaire();
    EXPECT_EQ(Etat(), 35);
    VerifierCompteurs(5, 29, 0);
    EXPECT_FALSE(Sauveur_->PeutRefaire());
}

TEST_F(HistoriqueTest, UnNouveauChangementApresDesAnnulationsOublieLaSuite) {
    for (int k = 1; k <= 10; ++k)
        Changer(k);
    for (int n = 0; n < 3; ++n)
        Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 7);
    VerifierCompteurs(7, 6, 3);

    Changer(100);
    VerifierCompteurs(8, 7, 0);
    EXPECT_FALSE(Sauveur_->PeutRefaire());
    EXPECT_TRUE(Existe(Sauveur_->NomInstantane(9)));
    EXPECT_TRUE(Existe(Sauveur_->NomInstantane(10)));
    EXPECT_EQ(Sauveur_->InstantanesEnService(), 8);
    Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 7);
    Sauveur_->Refaire();
    EXPECT_EQ(Etat(), 100); // file 8 holds the new state

    // The folder is this instance's own: it goes with every snapshot, 9 and 10 included.
    const std::string Dossier = Sauveur_->Dossier;
    Sauveur_.reset();
    EXPECT_FALSE(Existe(Dossier));
}

TEST_F(HistoriqueTest, AvecUnSeulNiveauRienNeSAnnule) {
    Sauveur_->NiveauxMax = 1;
    for (int k = 1; k <= 4; ++k)
        Changer(k);
    VerifierCompteurs(1, 0, 0);
    EXPECT_FALSE(Sauveur_->PeutAnnuler());
    EXPECT_EQ(Fichiers(), QStringList{QStringLiteral("horalo1.edt")});
}

TEST_F(HistoriqueTest, UnNombreDeNiveauxHorsBornesCompteCommeUn) {
    Sauveur_->NiveauxMax = 0; // would divide by zero
    Changer(1);
    Changer(2);
    VerifierCompteurs(1, 0, 0);
}

TEST_F(HistoriqueTest, SansHistoriqueSeulModifieChange) {
    Sauveur_->Actif = false;
    Changer(1);
    Changer(2);
    EXPECT_TRUE(Sauveur_->Modifie);
    VerifierCompteurs(0, -1, 0);
    EXPECT_FALSE(Sauveur_->PeutAnnuler());
    EXPECT_FALSE(Sauveur_->PeutRefaire());
    EXPECT_TRUE(Fichiers().isEmpty());
}

TEST_F(HistoriqueTest, AnnulerRetablitLaClasseEtLeProfAffiches) {
    Changer(1);
    Changer(2);
    Sauveur_->Modifie = false;
    Fenetre_.Classe = "C2";
    Fenetre_.Prof = "P1";
    Fenetre_.Appels.clear();

    Sauveur_->Annuler();

    EXPECT_EQ(Etat(), 1);
    EXPECT_EQ(Fenetre_.Appels, (std::vector<std::string>{"ViderAffichage", "RafraichirVues",
                                                         "RetablirAffichage C2 P1"}));
    EXPECT_FALSE(Sauveur_->Modifie);
    Sauveur_->Refaire();
    EXPECT_EQ(Etat(), 2);
    EXPECT_EQ(Fenetre_.Appels.back(), "RetablirAffichage C2 P1");
    EXPECT_FALSE(Sauveur_->Modifie);
}

// The state in force (a file opened or saved) is the base: the first change can be undone.
TEST_F(HistoriqueTest, ReinitialiserRepartCommeALaCreation) {
    for (int k = 1; k <= 5; ++k)
        Changer(k);
    Sauveur_->Annuler();
    Sauveur_->Reinitialiser();
    VerifierCompteurs(1, 0, 0);
    EXPECT_FALSE(Sauveur_->Modifie);
    EXPECT_FALSE(Sauveur_->PeutAnnuler());
    EXPECT_FALSE(Sauveur_->PeutRefaire());

    Changer(50);
    VerifierCompteurs(2, 1, 0);
    Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 4);
    EXPECT_FALSE(Sauveur_->PeutAnnuler()); // file 5 of the old history is out of reach
}

TEST_F(HistoriqueTest, DeuxInstancesNePartagentAucunInstantane) {
    TSauveur Autre;
    EXPECT_NE(Autre.Dossier, Sauveur_->Dossier);
    for (const TSauveur* S : {&Autre, Sauveur_.get()}) {
        QDir Parent(QString::fromStdString(S->Dossier));
        ASSERT_TRUE(Parent.cdUp());
        EXPECT_EQ(Parent.canonicalPath() + u'/', QString::fromStdString(DossierDesTravaux()));
        EXPECT_FALSE(QFileInfo(Parent.path()).permissions() & QFile::Permissions(0x0077));
    }
    Changer(1);
    Autre.Memoriser();
    Changer(2);
    const std::string DossierAutre = Autre.Dossier;
    {
        TSauveur Ephemere;
        Ephemere.Memoriser();
        EXPECT_TRUE(Existe(Ephemere.NomInstantane(1)));
    }
    EXPECT_TRUE(Existe(Autre.NomInstantane(1)));
    Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 1);
}

TEST_F(HistoriqueTest, UnInstantaneImpossibleAEcrireNeDeplaceRien) {
    Changer(1);
    Changer(2);
    QDir().mkpath(QString::fromStdString(Sauveur_->NomInstantane(3))); // a folder in its way
    Sauveur_->Modifie = false;

    EXPECT_THROW(Changer(3), EErreurFichier);

    EXPECT_TRUE(Sauveur_->Modifie);
    VerifierCompteurs(2, 1, 0);
    // The first undo brings back the last recorded state, not the one before it.
    ASSERT_TRUE(Sauveur_->PeutAnnuler());
    Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 2);
    VerifierCompteurs(2, 1, 0);
    Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 1);
    Sauveur_->Refaire();
    EXPECT_EQ(Etat(), 2);
}

TEST_F(HistoriqueTest, UneSeuleEtapeDontLInstantaneAEchoueSAnnuleAussi) {
    Changer(1);
    QDir().mkpath(QString::fromStdString(Sauveur_->NomInstantane(2)));
    EXPECT_THROW(Changer(2), EErreurFichier);
    ASSERT_TRUE(Sauveur_->PeutAnnuler());
    Sauveur_->Annuler();
    EXPECT_EQ(Etat(), 1);
    EXPECT_FALSE(Sauveur_->PeutAnnuler());
}

TEST_F(HistoriqueTest, UnInstantaneIllibleNeCouteNiLeModeleNiLAffichage) {
    for (int k = 1; k <= 3; ++k)
        Changer(k);
    Sauveur_->Annuler();
    QFile::remove(QString::fromStdString(Sauveur_->NomInstantane(1)));
    QFile::remove(QString::fromStdString(Sauveur_->NomInstantane(3)));
    Fenetre_.Appels.clear();

    EXPECT_THROW(Sauveur_->Annuler(), EErreurFichier);
    EXPECT_THROW(Sauveur_->Refaire(), EErreurFichier);

    EXPECT_EQ(Etat(), 2);
    VerifierCompteurs(2, 1, 1);
    EXPECT_TRUE(Fenetre_.Appels.empty());
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(HistoriqueTest, UnInstantaneAbimeViderLeModeleMaisLeCompteurAvance) {
    Changer(1);
    Changer(2);
    EcrireOctets(Sauveur_->NomInstantane(1), "Horalo\r\nabime\r\n");
    Sauveur_->Annuler();
    EXPECT_TRUE(ModeleVide());
    EXPECT_EQ(Messages.MontresUtf8(), EchecOuverture(Sauveur_->NomInstantane(1)));
    VerifierCompteurs(1, 0, 1);
}

} // namespace
