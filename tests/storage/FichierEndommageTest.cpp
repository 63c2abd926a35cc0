// Damaged files, files that cannot be read, and files that cannot be written.
#include "tests/storage/SupportStockage.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

using FichierEndommageTest = StockageTest;

// Lines of examples/petit.edt, 0-based.
TLignes LignesExemple() {
    return DecouperLignes(Exemple());
}

// The action must fail with a file error that names the file.
template <class Action> void AttendreErreurNommant(const std::string& Fichier, Action Faire) {
    try {
        Faire();
        ADD_FAILURE() << Fichier << " : aucune erreur";
    } catch (const EErreurFichier& e) {
        EXPECT_NE(std::string(e.what()).find(Fichier), std::string::npos) << e.what();
    }
}

class LectureRatee : public StockageTest {
protected:
    // Reads the bytes over a model that is not empty, and checks the failure's whole road.
    void VerifierEchec(const std::string& Octets, const std::string& Pourquoi) {
        ConstruireEcole();
        Messages.Montres.clear();
        Fenetre_.Appels.clear();
        EcrireOctets(Chemin("abime.edt"), Octets);
        Sauveur_->LireFichier(Chemin("abime.edt"));
        // Last, since a class whose series went missing is announced first.
        ASSERT_FALSE(Messages.Montres.empty()) << Pourquoi;
        EXPECT_EQ(Messages.MontresUtf8().back(), EchecOuverture(Chemin("abime.edt"))[0])
            << Pourquoi;
        EXPECT_TRUE(ModeleVide()) << Pourquoi;
        EXPECT_EQ(Fenetre_.Appels, (std::vector<std::string>{"ViderAffichage", "RafraichirVues"}))
            << Pourquoi;
        DetruireGlobal(LesClasses); // ConstruireEcole of the next case starts afresh
        DetruireGlobal(LesProfs);
        DetruireGlobal(LesSeries);
        LesSeries = new TLesSeries;
        LesProfs = new TLesProfs;
        LesClasses = new TLesClasses;
    }
};

TEST_F(LectureRatee, ChaqueLigneOteeATourDeRole) {
    const auto Lignes = LignesExemple();
    for (std::size_t i = 0; i < Lignes.size(); ++i) {
        auto Abimees = Lignes;
        Abimees.erase(Abimees.begin() + static_cast<std::ptrdiff_t>(i));
        VerifierEchec(Joindre(Abimees), "ligne " + std::to_string(i + 1) + " otee");
    }
}

TEST_F(LectureRatee, ChaqueNombreRenduIllisible) {
    // Counts, volumes, colours, slots and the longest block.
    for (const std::size_t i : {1, 3, 5, 6, 7, 10, 12, 13, 14, 17, 20, 23, 24, 25})
        for (const char* Texte : {"x", "1x", "1 ", " ", "", "99999999999"}) {
            auto Lignes = LignesExemple();
            Lignes[i] = Texte;
            VerifierEchec(Joindre(Lignes), "ligne " + std::to_string(i + 1) + " = " + Texte);
        }
}

// A constraints section is read whole or the whole file is refused.
TEST_F(LectureRatee, UneSectionContraintesAbimee) {
    const TLignes Bonnes = DecouperLignes(LireOctets(HORALO_TEST_DATA "/contraintes.edt"));
    const std::size_t S = DecouperLignes(Exemple()).size(); // the "Contraintes" line
    const std::size_t Verrous = S + 2 + 16;
    const struct {
        std::size_t Ligne;
        std::string Texte;
    } Cas[] = {
        {S + 1, "x"},
        {S + 1, "-1"},
        {S + 1, "3"},
        {S + 2, "Prof"},
        {S + 3, "P9"},
        {S + 10, "Professeur"},
        {S + 4, "xxxxxxxx"},
        {S + 5, std::string(47, '.')},
        {S + 5, std::string(48, 'X')},
        {S + 5, std::string(49, '.')},
        {Verrous, "2"},
        {Verrous, "x"},
        {Verrous + 1, "C9"},
        {Verrous + 2, "lundi"},
        {Verrous + 3, "33"},
        {Verrous + 3, "80"},
        {Verrous + 3, "31"},
    };
    for (const auto& c : Cas) {
        auto Lignes = Bonnes;
        Lignes[c.Ligne] = c.Texte;
        VerifierEchec(Joindre(Lignes), "ligne " + std::to_string(c.Ligne + 1) + " = " + c.Texte);
    }
    auto Courtes = Bonnes;
    Courtes.pop_back();
    VerifierEchec(Joindre(Courtes), "section coupée");
    // The same actor, or the same lock, twice: no writer gives one of them.
    auto DeuxFois = Bonnes;
    DeuxFois[S + 10] = "Professeur";
    DeuxFois[S + 11] = "P1";
    VerifierEchec(Joindre(DeuxFois), "P1 deux fois");
    DeuxFois = Bonnes;
    DeuxFois[Verrous] = "2";
    DeuxFois.insert(DeuxFois.begin() + static_cast<std::ptrdiff_t>(Verrous) + 4,
                    Bonnes.begin() + static_cast<std::ptrdiff_t>(Verrous) + 1,
                    Bonnes.begin() + static_cast<std::ptrdiff_t>(Verrous) + 4);
    VerifierEchec(Joindre(DeuxFois), "verrou deux fois");
}

// Numbers are read as the program converts them everywhere: leading blanks and a sign.
TEST_F(FichierEndommageTest, LesNombresAcceptentBlancsEnTeteEtSigne) {
    const auto Lignes = LignesExemple();
    ASSERT_TRUE(Sauveur_->ChargerOctets(Joindre(Lignes), "petit"));
    const auto Attendu = Decrire();
    auto Ecartes = Lignes;
    for (const std::size_t i : {1, 3, 5, 6, 7, 10, 12, 13, 14, 17, 20, 23, 24, 25})
        Ecartes[i] = (Lignes[i][0] == '-' ? "  " : "  +") + Lignes[i];
    EXPECT_TRUE(Sauveur_->ChargerOctets(Joindre(Ecartes), "ecartes"));
    EXPECT_EQ(Decrire(), Attendu);
    EXPECT_TRUE(Messages.Montres.empty());
}

TEST_F(LectureRatee, MauvaiseLigneMagiqueOuTexteCoupe) {
    for (const char* Magique : {"horalo", "Horalo ", "", "\xEF\xBB\xBFHoralo"}) {
        auto Lignes = LignesExemple();
        Lignes[0] = Magique;
        VerifierEchec(Joindre(Lignes), std::string("magique ") + Magique);
    }
    VerifierEchec("", "fichier vide");
    std::string Coupe = Exemple();
    Coupe[Coupe.find("8\r\n08h00")] = '\0'; // the text ends before the settings
    VerifierEchec(Coupe, "nul avant les reglages");
}

TEST_F(LectureRatee, UneSeriePerdueAnnonceAussiLaClasse) {
    auto Lignes = LignesExemple();
    Lignes[16] = "S9";
    EcrireOctets(Chemin("serie.edt"), Joindre(Lignes));
    Sauveur_->LireFichier(Chemin("serie.edt"));
    const std::vector<std::string> Attendu = {
        "Vous tentez d'associer une classe à une série qui n'existe pas",
        EchecOuverture(Chemin("serie.edt"))[0]};
    EXPECT_EQ(Messages.MontresUtf8(), Attendu);
    EXPECT_TRUE(ModeleVide());
}

TEST_F(LectureRatee, UnCoursSansProfesseur) {
    auto SansProf = LignesExemple();
    SansProf[19] = ""; // the pair has no teacher
    VerifierEchec(Joindre(SansProf), "paire sans professeur");
    auto ProfInconnu = LignesExemple();
    ProfInconnu[19] = "P9";
    VerifierEchec(Joindre(ProfInconnu), "professeur absent du fichier");
    auto HorsGrille = LignesExemple(); // C1's run, of a subject with no teacher, off the grid
    HorsGrille[21] = "Physique";
    HorsGrille[23] = "20";
    VerifierEchec(Joindre(HorsGrille), "hors grille aussi");
}

// An empty name is what a free cell holds: no sound program writes one.
TEST_F(LectureRatee, UnNomVide) {
    // Series, subject, teacher, the teacher's class, class.
    for (const std::size_t i : {2, 4, 8, 11, 15}) {
        auto Lignes = LignesExemple();
        Lignes[i] = "";
        VerifierEchec(Joindre(Lignes), "nom vide, ligne " + std::to_string(i + 1));
    }
}

TEST_F(FichierEndommageTest, LesReglagesDejaLusGardentLeurValeur) {
    auto Lignes = LignesExemple();
    Lignes[25] = "5";
    Lignes[26] = "09h00";
    Lignes.resize(27);
    EcrireOctets(Chemin("reglages.edt"), Joindre(Lignes));
    Sauveur_->LireFichier(Chemin("reglages.edt"));
    EXPECT_TRUE(ModeleVide());
    EXPECT_EQ(Automate->DureeMax, 5);
    EXPECT_EQ(Automate->DebutJournee, 36);
    EXPECT_EQ(Automate->DebutPause, 48);
}

// Lines of a run of C1: subject, day, first slot, last slot.
TLignes AvecPlages(const std::vector<TLignes>& Plages) {
    auto Lignes = LignesExemple();
    TLignes Suite(Lignes.begin() + 21, Lignes.end());
    Lignes.resize(20);
    Lignes.push_back(std::to_string(Plages.size()));
    for (const auto& Plage : Plages)
        Lignes.insert(Lignes.end(), Plage.begin(), Plage.end());
    Lignes.insert(Lignes.end(), Suite.begin() + 4, Suite.end());
    return Lignes;
}

// Runs off the grid are left out without a word; so is a pair of no subject, which a teacher
// whose subject was left empty gives to each of its classes: such a file is sound and opens.
TEST_F(FichierEndommageTest, LesCoursHorsGrilleSontLaissesDeCote) {
    auto Lignes = AvecPlages({{"Maths", "Lundi", "31", "33"},
                              {"Maths", "Mardi", "78", "80"},
                              {"Maths", "Mercredi", "41", "40"},
                              {"Maths", "Jeudi", "-3", "300"},
                              {"Maths", "Vendredi", "32", "35"},
                              {"Maths", "Dimanche", "50", "51"}});
    Lignes[17] = "2";
    Lignes.insert(Lignes.begin() + 20, {"", "P1"});
    EcrireOctets(Chemin("hors.edt"), Joindre(Lignes));
    ASSERT_TRUE(Sauveur_->LireFichier(Chemin("hors.edt")));

    EXPECT_TRUE(Messages.Montres.empty());
    const TClasse* C1 = LesClasses->Trouver("C1");
    ASSERT_NE(C1, nullptr);
    EXPECT_EQ(C1->CompterQuarts("Maths"), 6);
    EXPECT_EQ(C1->LireCase(4, 35), "Maths");
    EXPECT_EQ(C1->LireCase(0, 51), "Maths"); // an unknown day reads as Monday
    EXPECT_EQ(LesProfs->Trouver("P1")->CompterQuarts("C1"), 6);
}

TEST_F(FichierEndommageTest, UneMatiereHorsSerieEstAnnonceeEtLaLectureContinue) {
    EcrireOctets(Chemin("matiere.edt"), Joindre(AvecPlages({{"Physique", "Lundi", "40", "41"}})));
    auto Lignes = DecouperLignes(LireOctets(Chemin("matiere.edt")));
    Lignes[18] = "Physique"; // paired to P1, but not a subject of S1
    EcrireOctets(Chemin("matiere.edt"), Joindre(Lignes));

    Sauveur_->LireFichier(Chemin("matiere.edt"));

    EXPECT_EQ(Messages.MontresUtf8(), std::vector<std::string>{"Physique est inexistante pour C1"});
    EXPECT_EQ(LesClasses->Trouver("C1")->CompterQuarts("Physique"), 0);
    EXPECT_EQ(LesProfs->Trouver("P1")->LireCase(0, 40), ""); // nor the teacher's half
}

// A course over another one of its class or of its teacher books someone twice.
TEST_F(LectureRatee, DeuxCoursALaMemeHeure) {
    auto Lignes = LignesExemple();
    Lignes.insert(Lignes.end() - 5, {"C2", "S1", "1", "Maths", "P1", "1", "Maths", "Lundi", "36",
                                     "43"}); // P1 is with C1 from 32 to 39
    Lignes[10] = Lignes[14] = "2";
    Lignes.insert(Lignes.begin() + 14, {"C2", "16", "16777215"});
    VerifierEchec(Joindre(Lignes), "professeur pris deux fois");
    VerifierEchec(
        Joindre(AvecPlages({{"Maths", "Lundi", "32", "39"}, {"Maths", "Lundi", "39", "40"}})),
        "classe prise deux fois");
}

TEST_F(FichierEndommageTest, LesLignesApresLesReglagesSontIgnorees) {
    EcrireOctets(Chemin("suite.edt"), Exemple() + "encore\r\n12\r\n");
    Sauveur_->LireFichier(Chemin("suite.edt"));
    EXPECT_TRUE(Messages.Montres.empty());
    Sauveur_->EcrireFichier(Chemin("suite.edt"));
    EXPECT_EQ(LireOctets(Chemin("suite.edt")), Exemple());
}

TEST_F(FichierEndommageTest, UnFichierIlliblePasseLErreurSansToucherAuModele) {
    ConstruireEcole();
    const auto Avant = Decrire();
    QDir(QString::fromStdString(Chemin("dossier.edt"))).mkpath(QStringLiteral("."));
    QFile Enorme(QString::fromStdString(Chemin("enorme.edt"))); // no timetable is that big
    ASSERT_TRUE(Enorme.open(QIODevice::WriteOnly) && Enorme.write("Horalo\r\n") == 8 &&
                Enorme.resize(qint64{64} << 20 | 1));
    Enorme.close();
    for (const auto& Fichier : {Chemin("absent.edt"), Chemin("dossier.edt"), Chemin("enorme.edt")})
        AttendreErreurNommant(Fichier, [&] { Sauveur_->LireFichier(Fichier); });
    EXPECT_EQ(Decrire(), Avant);
    EXPECT_TRUE(Messages.Montres.empty());
    EXPECT_TRUE(Fenetre_.Appels.empty());
}

TEST_F(FichierEndommageTest, AuDemarrageUnFichierIllibleLaisseUnModeleVide) {
    DetruireGlobal(LesClasses);
    DetruireGlobal(LesProfs);
    DetruireGlobal(LesSeries);
    EXPECT_THROW(Sauveur_->LireFichier(Chemin("absent.edt")), EErreurFichier);
    ASSERT_TRUE(LesSeries && LesProfs && LesClasses);
    EXPECT_TRUE(ModeleVide());
}

TEST_F(FichierEndommageTest, UneEcritureImpossibleLaisseLAncienFichierIntact) {
    ConstruireEcoleRiche();
    const QString Dossier = QString::fromStdString(Chemin("ancien.edt"));
    QDir(Dossier).mkpath(QStringLiteral("."));
    EcrireOctets(Chemin("ancien.edt/dedans"), "garde");
    for (const auto& Fichier : {Chemin("absent/x.edt"), Chemin("ancien.edt")})
        AttendreErreurNommant(Fichier, [&] { Sauveur_->EcrireFichier(Fichier); });
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(Chemin("absent"))));
    EXPECT_EQ(LireOctets(Chemin("ancien.edt/dedans")), "garde");
    EXPECT_EQ(QDir(Brouillon.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("ancien.edt")});
}

TEST_F(FichierEndommageTest, UnDisquePleinEnCoursDEcritureLaisseLAncienFichierIntact) {
    ConstruireEcoleRiche();
    EcrireOctets(Chemin("ancien.edt"), Exemple());
    // Root ignores read-only modes but not the file size limit: the write fails half-way.
    rlimit Avant{};
    getrlimit(RLIMIT_FSIZE, &Avant);
    rlimit Limite = Avant;
    Limite.rlim_cur = 100;
    const auto Signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &Limite);
    EXPECT_THROW(Sauveur_->EcrireFichier(Chemin("ancien.edt")), EErreurFichier);
    setrlimit(RLIMIT_FSIZE, &Avant);
    std::signal(SIGXFSZ, Signal);

    EXPECT_EQ(LireOctets(Chemin("ancien.edt")), Exemple());
    EXPECT_EQ(QDir(Brouillon.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("ancien.edt")});
}

} // namespace
