#include "scheduling/U_amelioration.h"
#include "scheduling/U_optimiseur.h"
#include "scheduling/U_probleme.h"
#include "scheduling/U_recherchelocale.h"
#include "scheduling/U_recherchequalite.h"
#include "tests/scheduling/VerificateurRegles.h"
#include "tests/support/ModeleDeTest.h"
#include "tools/generateur/U_ecoles.h"

#include <algorithm>

namespace {

TAutomate Reglages(int DureeMax, int Debut, int Pause, int FinPause, int Fin) {
    TAutomate a;
    a.DureeMax = static_cast<std::uint8_t>(DureeMax);
    a.DebutJournee = static_cast<TQuart>(Debut);
    a.DebutPause = static_cast<TQuart>(Pause);
    a.FinPause = static_cast<TQuart>(FinPause);
    a.FinJournee = static_cast<TQuart>(Fin);
    return a;
}

// Quarter-hours placed, each subject up to its volume, for the subjects a course can be
// placed for: a teacher exists and lists the class.
long Places() {
    long n = 0;
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m) {
            const THeures& h = *Classe.Serie->Heures->Numero(m);
            const TProf* Prof = LesProfs->Trouver(Classe.ProfDe(h.Nom));
            if (Prof && Prof->Heures->Existe(Classe.Nom))
                n += std::min<long>(h.Volume, Classe.CompterQuarts(h.Nom));
        }
    }
    return n;
}

// Cells holding a course that are à éviter for their class or teacher.
long AEviterCouverts() {
    long n = 0;
    for (const TLesActeurs* Liste :
         {static_cast<const TLesActeurs*>(LesClasses), static_cast<const TLesActeurs*>(LesProfs)})
        for (std::size_t i = 1; i <= Liste->Nombre(); ++i)
            for (TJour j = 0; j < NombreJours; ++j)
                for (TQuart q = QuartDebutGrille; q < QuartFinGrille; ++q) {
                    const auto& a =
                        static_cast<const TActeur&>(*Liste->Trouver(Liste->NomNumero(i)));
                    n += !a.CaseLibre(j, q) && a.Dispo(j, q) == TDispo::AEviter;
                }
    return n;
}

// Quarter-hours of each subject of each class, placed or not.
std::vector<int> QuartsParMatiere() {
    std::vector<int> n;
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        const TClasse& Classe = *LesClasses->Numero(c);
        for (std::size_t m = 1; m <= Classe.Serie->Heures->Nombre(); ++m)
            n.push_back(Classe.CompterQuarts(Classe.Serie->Heures->Numero(m)->Nom));
    }
    return n;
}

// The locked runs, with their subject and length, after locking every third run of each
// class if Poser.
std::vector<std::string> Verrouilles(bool Poser) {
    std::vector<std::string> Verrous;
    for (std::size_t c = 1; c <= LesClasses->Nombre(); ++c) {
        TClasse& Classe = *LesClasses->Numero(c);
        int n = 0;
        for (TJour j = 0; j < NombreJours; ++j)
            for (const TRunClasse& r : RunsDeClasse(Classe, j)) {
                const auto Debut = static_cast<TQuart>(r.Cours.Debut);
                if (Poser && n++ % 3 == 0)
                    Classe.Verrouiller(j, Debut, true);
                if (Classe.Verrouillee(j, Debut))
                    Verrous.push_back(Classe.Nom + std::to_string(j) + r.Matiere +
                                      std::to_string(Debut) + "+" +
                                      std::to_string(r.Cours.Longueur));
            }
    }
    return Verrous;
}

TLignes Classes() {
    TLignes l;
    LesClasses->Sauver(l);
    return l;
}

class TProgressionEnregistree final : public IProgressionOptimisation {
public:
    bool Continuer(long Places, long APlacer) override {
        Vus.emplace_back(Places, APlacer);
        return static_cast<int>(Vus.size()) < ArretA;
    }
    std::vector<std::pair<long, long>> Vus;
    int ArretA = 1 << 30;
};

} // namespace

class Optimiseur : public ModeleTest {
protected:
    // Classes first: their destruction clears their courses from the teachers.
    void Recommencer() {
        LesClasses->Vider();
        LesProfs->Vider();
        LesSeries->Vider();
    }
    // A school of random shape, with courses placed by hand (where both grids allow, the
    // day bounds ignored), subjects without teacher or unlisted, and random day bounds.
    TAutomate EcoleAleatoire(std::uint64_t Graine) {
        THasard h(Graine);
        const int NbMatieres = 2 + h.Tirer(6);
        const int NbSeries = 1 + h.Tirer(3);
        const auto M = [](int m) { return "M" + std::to_string(m); };
        for (int s = 0; s < NbSeries; ++s) {
            TSerie* Serie = LesSeries->AjouterSerie("S" + std::to_string(s));
            for (int m = 0; m < NbMatieres; ++m)
                if (h.Tirer(5))
                    Serie->FixerVolume(M(m), static_cast<std::uint16_t>(h.Tirer(25)));
        }
        std::vector<int> ProfsParMatiere;
        for (int m = 0; m < NbMatieres; ++m) {
            ProfsParMatiere.push_back(1 + h.Tirer(3));
            for (int k = 0; k < ProfsParMatiere.back(); ++k)
                LesProfs->AjouterProf("P" + std::to_string(m) + "_" + std::to_string(k), M(m));
        }
        const int NbClasses = 1 + h.Tirer(8);
        for (int c = 0; c < NbClasses; ++c) {
            const std::string Nom = "C" + std::to_string(c);
            TClasse* Classe =
                LesClasses->AjouterClasse(Nom, "S" + std::to_string(h.Tirer(NbSeries)));
            for (int m = 0; m < NbMatieres; ++m) {
                const std::uint16_t Volume = Classe->Serie->VolumeDe(M(m));
                if (!Classe->Serie->Heures->Existe(M(m)) || !h.Tirer(10))
                    continue;
                const std::string Prof =
                    "P" + std::to_string(m) + "_" +
                    std::to_string(h.Tirer(ProfsParMatiere[static_cast<std::size_t>(m)]));
                Classe->AssocierProf(M(m), Prof);
                if (h.Tirer(20))
                    LesProfs->Trouver(Prof)->FixerVolumeClasse(Nom,
                                                               std::max<std::uint16_t>(Volume, 1));
            }
        }
        for (int n = h.Tirer(4 * NbClasses); n > 0; --n) {
            TClasse& Classe = *LesClasses->Numero(static_cast<std::size_t>(1 + h.Tirer(NbClasses)));
            const std::string Matiere = M(h.Tirer(NbMatieres));
            TProf* Prof = LesProfs->Trouver(Classe.ProfDe(Matiere));
            const auto j = static_cast<TJour>(h.Tirer(6));
            const auto s = static_cast<TQuart>(32 + h.Tirer(48));
            const auto f = static_cast<TQuart>(std::min(79, s + h.Tirer(8)));
            if (Prof && Classe.PlageLibre(Matiere, j, s, f) &&
                Prof->PlageLibre(Classe.Nom, j, s, f))
                Placer(Classe.Nom, Matiere, j, s, f);
        }
        const int Pause = 40 + h.Tirer(16);
        if (Graine > 20)
            Contraindre(Graine);
        return Reglages(h.Tirer(5) ? 1 + h.Tirer(10) : 60 * h.Tirer(2), 28 + h.Tirer(16), Pause,
                        Pause - 2 + h.Tirer(12), 48 + h.Tirer(40));
    }

    // A new random school, placed by the automatic pass.
    TAutomate EcolePlacee(std::uint64_t Graine) {
        Recommencer();
        TAutomate R = EcoleAleatoire(Graine);
        R.PlacementAutomatique();
        return R;
    }

    // A tenth of every actor's cells interdit and a tenth à éviter, by their own draw.
    static void Contraindre(std::uint64_t Graine) {
        THasard h(Graine * 7919);
        for (const TLesActeurs* Liste : {static_cast<const TLesActeurs*>(LesClasses),
                                         static_cast<const TLesActeurs*>(LesProfs)})
            for (std::size_t i = 1; i <= Liste->Nombre(); ++i)
                for (TJour j = 0; j < NombreJours; ++j)
                    for (TQuart q = QuartDebutGrille; q < QuartFinGrille; ++q)
                        if (const int t = h.Tirer(10); t < 2)
                            static_cast<TActeur*>(Liste->Trouver(Liste->NomNumero(i)))
                                ->FixerDispo(j, q, t ? TDispo::Interdit : TDispo::AEviter);
    }
};

// One class, one subject of more hours than a week holds: the class fills every day to
// what the day bounds let one day hold, and the bound says exactly that.
TEST_F(Optimiseur, ALoneClassFillsItsWeekToWhatTheDayBoundsAllow) {
    struct TCas {
        TAutomate R;
        long ParJour;
    };
    const TCas Cas[] = {
        {Reglages(6, 32, 44, 52, 56), 20}, // 32-37 39-43 | 52-54 56-61
        {Reglages(4, 36, 46, 54, 60), 16}, // 36-39 41-44 | 54-57 59-62
        {Reglages(3, 34, 40, 50, 70), 23}, // 34-36 38-39 | 50-52 54-56 ... 70-72
        {Reglages(8, 32, 48, 56, 80), 37}, // 32-39 41-47 | 56-63 65-72 74-79
        {Reglages(0, 32, 48, 56, 80), 0},
    };
    for (const TCas& c : Cas) {
        Recommencer();
        LesSeries->AjouterSerie("S")->FixerVolume("Maths", 250);
        LesProfs->AjouterProf("P", "Maths");
        LesClasses->AjouterClasse("C", "S")->AssocierProf("Maths", "P");
        LesProfs->Trouver("P")->FixerVolumeClasse("C", 250);
        const TVerificateurRegles Verificateur;
        const TBilanOptimisation b = PlacementOptimise(c.R);
        EXPECT_EQ(b.Borne, 6 * c.ParJour) << +c.R.DureeMax;
        EXPECT_EQ(b.Places, 6 * c.ParJour) << +c.R.DureeMax;
        EXPECT_EQ(b.APlacer, 250);
        EXPECT_EQ(Places(), b.Places);
        EXPECT_EQ(Verificateur.Verifier(c.R), std::vector<std::string>{}) << +c.R.DureeMax;
    }
}

// Classes asking more than their week holds reach the bound only by filling every day to the
// quarter-hour: a day holds runs of 6, 5 | 3, 6, and each subject's volume is a sum of such
// runs (A = 6+6+6+6+5+3, B = 6+6+6+5+5, ...), the week's runs shared out exactly, with the
// 4 quarter-hours of F left over. Each class has its own teachers, so such a timetable exists.
TEST_F(Optimiseur, ClassesFilledToTheQuarterHourReachTheBoundAtAnyEffort) {
    const TAutomate R = Reglages(6, 32, 44, 52, 56);
    const std::pair<std::string, std::uint16_t> Matieres[] = {{"A", 32}, {"B", 28}, {"C", 21},
                                                              {"D", 25}, {"E", 14}, {"F", 4}};
    for (const long Etapes : {20000L, 60000L, 150000L, EtapesParDefaut}) {
        Recommencer();
        TSerie* Serie = LesSeries->AjouterSerie("S");
        for (const auto& [Nom, Volume] : Matieres)
            Serie->FixerVolume(Nom, Volume);
        for (int c = 0; c < 8; ++c) {
            const std::string Classe = "C" + std::to_string(c);
            LesClasses->AjouterClasse(Classe, "S");
            for (const auto& [Nom, Volume] : Matieres) {
                const std::string Prof = Nom + std::to_string(c);
                LesProfs->AjouterProf(Prof, Nom);
                LesClasses->Trouver(Classe)->AssocierProf(Nom, Prof);
                LesProfs->Trouver(Prof)->FixerVolumeClasse(Classe, Volume);
            }
        }
        const TVerificateurRegles Verificateur;
        const TBilanOptimisation b = PlacementOptimise(R, Etapes);
        EXPECT_EQ(b.Borne, 8 * 120) << Etapes;
        EXPECT_EQ(b.Places, b.Borne) << Etapes;
        EXPECT_EQ(Verificateur.Verifier(R), std::vector<std::string>{}) << Etapes;
    }
}

// Schools of many shapes and day bounds, with courses already placed: every rule holds,
// the result is never below the automatic pass from the same state, the figures agree with
// the model, and the same school gives the same timetable.
TEST_F(Optimiseur, GeneratedSchoolsKeepEveryRuleAndNeverFallBelowTheAutomaticPass) {
    for (std::uint64_t Graine = 1; Graine <= 40; ++Graine) {
        SCOPED_TRACE("graine " + std::to_string(Graine));
        EcolePlacee(Graine);
        const long Glouton = Places();
        const long EviterGlouton = AEviterCouverts();
        const TLignes ClassesGlouton = Classes();

        Recommencer();
        const TAutomate R = EcoleAleatoire(Graine);
        const long Avant = Places();
        const std::vector<std::string> Verrous = Verrouilles(true);
        const TVerificateurRegles Verificateur;
        const long Etapes = Graine % 5 == 0 ? 0 : 3000;
        const TBilanOptimisation b = PlacementOptimise(R, Etapes);
        EXPECT_EQ(Verificateur.Verifier(R), std::vector<std::string>{});
        EXPECT_EQ(Verrouilles(false), Verrous); // locked courses stay where they are
        EXPECT_GE(b.Places, Glouton);
        EXPECT_GE(b.Places, Avant);
        EXPECT_EQ(b.Places, Places());
        EXPECT_LE(b.Places, b.Borne);
        EXPECT_LE(b.Borne, b.APlacer);
        EXPECT_FALSE(b.Interrompu);
        if (b.Places == Glouton) { // as many hours: never more à éviter cells
            EXPECT_LE(AEviterCouverts(), EviterGlouton);
        }
        if (Etapes == 0 && Graine <= 20) { // no effort, no à éviter cell: the automatic pass's runs
            EXPECT_EQ(Classes(), ClassesGlouton);
        }

        if (Graine % 4 == 0) {
            const TLignes Premier = Classes();
            Recommencer();
            PlacementOptimise(EcoleAleatoire(Graine), Etapes);
            EXPECT_EQ(Classes(), Premier);
        }
    }
}

// A timetable already as full as it can be, on the à éviter cells of its class or of its
// teacher: the search still moves it to the one morning free of them.
TEST(RechercheLocale, AFullTimetableMovesOffAvoidedCells) {
    for (const int Evitant : {0, 1}) {
        TProbleme P;
        P.Regles = {4, 32, 48, 56, 80};
        P.NbClasses = 1;
        P.NbActeurs = 2;
        P.Taches = {{0, 1, 8, 8}};
        P.Fixe.assign(2, TSemaine{});
        P.Eviter.assign(2, TSemaine{});
        P.Eviter[static_cast<std::size_t>(Evitant)].fill(~TMasque{0});
        P.Eviter[static_cast<std::size_t>(Evitant)][3] = ~TMasque{0xFFFF}; // Thursday morning
        const TSolution Depart = {{0, 0, 32, 4}, {0, 0, 37, 4}};
        TEffort Effort(2000, nullptr, 0, 8, 8);
        THasard Hasard(7);
        const TSolution S = RechercheLocale(P, Depart, Effort, Hasard);
        EXPECT_EQ(std::pair(QuartsPlaces(P, S), CasesAEviter(P, S)), std::pair(8L, 0L)) << Evitant;
    }
}

// The demo collège with tight day bounds: the search reports its progress, and stopping it
// keeps a timetable at least as good as the last one reported, every rule kept. These
// bounds keep it searching for tens of thousands of steps, long enough to be stopped.
TEST_F(Optimiseur, StoppingKeepsTheBestTimetableFoundSoFar) {
    const TAutomate R = Reglages(4, 36, 46, 54, 60);
    ConstruireExemple(TEcole::College);
    TAutomate Automatique = R;
    Automatique.PlacementAutomatique();
    const long Glouton = Places();
    Recommencer();
    ConstruireExemple(TEcole::College);
    const TVerificateurRegles Verificateur;
    TProgressionEnregistree Progression;
    Progression.ArretA = 3;
    const TBilanOptimisation b = PlacementOptimise(R, EtapesParDefaut, &Progression);
    ASSERT_EQ(Progression.Vus.size(), 3u);
    EXPECT_TRUE(b.Interrompu);
    for (std::size_t i = 1; i < Progression.Vus.size(); ++i)
        EXPECT_GE(Progression.Vus[i].first, Progression.Vus[i - 1].first);
    EXPECT_EQ(Progression.Vus.back().second, b.APlacer);
    EXPECT_GE(b.Places, Progression.Vus.back().first);
    EXPECT_GE(Progression.Vus.front().first, Glouton);
    EXPECT_EQ(Verificateur.Verifier(R), std::vector<std::string>{});
}

// Improving generated schools (some with interdit and à éviter cells), placed by the automatic
// pass over courses placed by hand, a third of the runs locked: every course that moved keeps
// the rules, the locked ones stay, no subject gains or loses a quarter-hour, the weighted
// measures never get worse, and the same school gives the same timetable.
TEST_F(Optimiseur, ImprovingKeepsEveryRuleAndEveryQuarterHour) {
    for (std::uint64_t Graine = 1; Graine <= 40; ++Graine) {
        SCOPED_TRACE("graine " + std::to_string(Graine));
        TAutomate R = EcolePlacee(Graine);
        const std::vector<std::string> Verrous = Verrouilles(true);
        const std::vector<int> Avant = QuartsParMatiere();
        const TVerificateurRegles Verificateur;
        const long Etapes = Graine % 5 == 0 ? 0 : 4000;
        const TBilanAmelioration b = Ameliorer(R, Etapes);
        EXPECT_EQ(Verificateur.Verifier(R, true), std::vector<std::string>{});
        EXPECT_EQ(QuartsParMatiere(), Avant);
        EXPECT_EQ(Verrouilles(false), Verrous);
        EXPECT_LE(CoutQualite(b.Apres), CoutQualite(b.Avant));
        EXPECT_EQ(QualiteEnCsv(b.Apres), QualiteEnCsv(MesurerQualite(R)));
        if (Graine % 4 == 0) {
            const TLignes Premier = Classes();
            TAutomate R2 = EcolePlacee(Graine);
            Verrouilles(true);
            Ameliorer(R2, Etapes);
            EXPECT_EQ(Classes(), Premier);
        }
    }
}

// Copies of a school share no class and no teacher: each is searched as the school alone
// would be, so together they place as much as the school alone times their number, every
// rule kept, at an effort too small for them all as one problem.
TEST_F(Optimiseur, CopiesOfASchoolEachPlaceWhatTheSchoolAlonePlaces) {
    const TAutomate R = Reglages(4, 36, 46, 54, 60);
    std::vector<TBilanOptimisation> Bilans;
    for (const int Copies : {1, 3}) {
        Recommencer();
        ConstruireExemple(TEcole::College);
        CopierEcole(Copies);
        const TVerificateurRegles Verificateur;
        Bilans.push_back(PlacementOptimise(R, 5000));
        EXPECT_EQ(Verificateur.Verifier(R), std::vector<std::string>{}) << Copies;
    }
    EXPECT_EQ(Bilans[1].APlacer, 3 * Bilans[0].APlacer);
    EXPECT_EQ(Bilans[1].Borne, 3 * Bilans[0].Borne);
    EXPECT_EQ(Bilans[1].Places, 3 * Bilans[0].Places);
}
