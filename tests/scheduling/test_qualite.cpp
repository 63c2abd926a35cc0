#include "model/U_texte.h"
#include "scheduling/U_qualite.h"
#include "scheduling/U_refus.h"
#include "tests/support/ModeleDeTest.h"

#include <set>

namespace {

std::uint64_t Cases(std::initializer_list<int> Quarts) {
    std::uint64_t m = 0;
    for (const int q : Quarts)
        m |= std::uint64_t{1} << (q - 32);
    return m;
}

} // namespace

// Hand-made days with the lunch at 12h00-14h00 (slots 48..55).
TEST(Qualite, DaysAreMeasuredAsTheTeachersLiveThem) {
    struct TCas {
        const char* Quoi;
        std::vector<TCoursJour> Cours;
        TDispoJour Dispo;
        TMesuresJour Attendu; // trous, doublons, charge, evites, conflits
    };
    const TCas Cas[] = {
        {"empty day", {}, {}, {}},
        {"from 08h00 to 19h45", {{32, 8, 0}, {74, 6, 1}}, {}, {34 - 8 - 1, 0, 14, 0, 0}},
        {"the one free quarter-hour", {{32, 4, 0}, {37, 4, 1}}, {}, {0, 0, 8, 0, 0}},
        {"two free quarter-hours", {{32, 4, 0}, {38, 4, 1}}, {}, {1, 0, 8, 0, 0}},
        {"only the lunch between", {{40, 8, 0}, {56, 4, 1}}, {}, {0, 0, 12, 0, 0}},
        {"the lunch and some", {{44, 4, 0}, {58, 2, 1}}, {}, {1, 0, 6, 0, 0}},
        {"interdit cells in the gap, in the lunch and under a course",
         {{40, 4, 0}, {60, 2, 1}},
         {0, Cases({45, 50, 41})},
         {16 - 8 - 1 - 1, 0, 6, 0, 1}},
        {"a voided cell under a course and in the gap",
         {{32, 4, 0}, {40, 4, 1}},
         {Cases({33, 34, 37}), 0},
         {3, 0, 8, 2, 0}},
        {"a subject three times",
         {{32, 4, 0}, {40, 4, 1}, {60, 4, 0}, {70, 2, 0}},
         {},
         {3 + 7 + 5, 2, 14, 0, 0}},
    };
    TAutomate Reglages;
    for (const TCas& c : Cas)
        EXPECT_EQ(MesurerJour(c.Cours, c.Dispo, MasquePause(Reglages)), c.Attendu) << c.Quoi;
}

class QualiteEcole : public ModeleTest {};

// A teacher's runs come from its classes; a subject without teacher counts for the class
// only; each actor's own cells count; names are quoted and written in UTF-8.
TEST_F(QualiteEcole, TheSchoolIsMeasuredFromTheClassesGrids) {
    ConstruireEcole();
    LesSeries->Trouver("S1")->FixerVolume("Dessin", 4);
    LesClasses->AjouterClasse(Ansi("C\"2;é"), "S1")->AssocierProf("Maths", "P1");
    LesProfs->Trouver("P1")->FixerVolumeClasse(Ansi("C\"2;é"), 16);
    Placer("C1", "Maths", 0, 32, 35);
    Placer(Ansi("C\"2;é"), "Maths", 0, 40, 43);
    Placer("C1", "Maths", 0, 60, 63);
    Placer("C1", "Francais", 2, 36, 43);
    LesClasses->Trouver("C1")->PlacerPlage(0, 37, 39, "Dessin");
    LesClasses->Trouver("C1")->FixerDispo(2, 36, TDispo::AEviter);
    LesProfs->Trouver("P2")->FixerDispo(2, 40, TDispo::Interdit);
    EXPECT_EQ(QualiteEnCsv(MesurerQualite(TAutomate())),
              "type;nom;trous;jours;doublons;chargemax;evites;conflits\n"
              "professeur;P1;10;1;1;12;0;0\n"
              "professeur;P2;0;1;0;8;0;1\n"
              "classe;C1;11;2;1;11;1;0\n"
              "classe;\"C\"\"2;é\";0;1;0;4;0;0\n"
              "total;professeurs;10;2;1;20;0;1\n"
              "total;classes;11;3;1;15;1;0\n");
}

// What a start would add is what the school's measures say once the course is there.
TEST_F(QualiteEcole, WhatAStartAddsIsTheGrowthOfBothDays) {
    ConstruireEcole();
    TClasse& C1 = *LesClasses->Trouver("C1");
    TProf& P1 = *LesProfs->Trouver("P1");
    LesClasses->AjouterClasse("C2", "S1")->AssocierProf("Maths", "P1");
    P1.FixerVolumeClasse("C2", 16);
    Placer("C1", "Maths", 0, 40, 43);
    Placer("C2", "Maths", 1, 32, 47);
    Placer("C1", "Francais", 2, 36, 39);
    C1.FixerDispo(3, 50, TDispo::AEviter);
    P1.FixerDispo(4, 34, TDispo::AEviter);
    const TAutomate Reglages;
    const TQualite Avant = MesurerQualite(Reglages);
    const auto Croissance = [](const TMesuresJour& a, const TMesuresJour& b) {
        return TMesuresJour{std::max(0, b.Trous - a.Trous), std::max(0, b.Doublons - a.Doublons),
                            b.Charge - a.Charge, std::max(0, b.Evites - a.Evites),
                            std::max(0, b.Conflits - a.Conflits)};
    };
    std::set<bool> Neutres; // both kinds of start are met
    for (TJour d = 0; d < NombreJours; ++d) {
        const auto Ajouts = AjoutsDuJour(C1, P1, d, 4, MasquePause(Reglages));
        for (auto q = TQuart{32}; q + 3 < 80; ++q) {
            if (!PlaceLibre(C1, P1, d, q, 3))
                continue;
            C1.PlacerPlage(d, q, static_cast<TQuart>(q + 3), "Maths");
            P1.PlacerPlage(d, q, static_cast<TQuart>(q + 3), "C1");
            const TQualite Apres = MesurerQualite(Reglages);
            C1.EffacerPlage(d, q, true);
            P1.EffacerPlage(d, q, true);
            const TAjoutCours& a = Ajouts[q - 32u];
            EXPECT_EQ(a.Classe, Croissance(Avant.Classes[0].Jours[d], Apres.Classes[0].Jours[d]))
                << int(d) << " " << int(q);
            EXPECT_EQ(a.Prof, Croissance(Avant.Profs[0].Jours[d], Apres.Profs[0].Jours[d]))
                << int(d) << " " << int(q);
            Neutres.insert(a.Neutre());
        }
    }
    EXPECT_EQ(Neutres.size(), 2u);
}
