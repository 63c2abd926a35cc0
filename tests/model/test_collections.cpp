#include "model/U_heures.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace {

void Trois(TLesHeures& h) {
    h.AjouterHeures("A", 1);
    h.AjouterHeures("B", 2);
    h.AjouterHeures("C", 3);
}

} // namespace

TEST(Collection, KeepsInsertionOrderAndRefusesADuplicateName) {
    TLesHeures h;
    h.AjouterHeures("Maths", 12)->Couleur = 255;
    EXPECT_EQ(h.AjouterHeures("Maths", 40), nullptr);
    h.AjouterHeures("maths", 4);
    h.AjouterHeures("Maths ", 5);
    ASSERT_EQ(h.Nombre(), 3);
    EXPECT_EQ(h.Trouver("Maths")->Volume, 12);
    EXPECT_EQ(h.Trouver("Maths")->Couleur, 255u);
    EXPECT_EQ(h.Indice("Maths"), 0);
    EXPECT_EQ(h.Indice("Maths "), 2);
    EXPECT_EQ(h.Indice("Absente"), -1);
    EXPECT_EQ(h.Ajouter(nullptr), nullptr);
}

TEST(Collection, RemovalMovesLaterElementsUpAndNumbersAreOneBased) {
    TLesHeures h;
    Trois(h);
    EXPECT_EQ(h.NomNumero(0), "");
    EXPECT_EQ(h.NomNumero(4), "");
    h.Supprimer("A");
    h.Supprimer("absent");
    EXPECT_EQ(h.Nombre(), 2);
    EXPECT_EQ(h.NomNumero(1), "B");
    EXPECT_EQ(h.NomNumero(2), "C");
    EXPECT_EQ(h.NomNumero(3), "");
    EXPECT_EQ(h.Numero(2)->Volume, 3);
    h.Vider();
    EXPECT_EQ(h.Nombre(), 0);
    EXPECT_FALSE(h.Existe("B"));
}

TEST(Collection, FindsTheLastOfSeveralHundred) {
    TLesHeures h;
    for (int i = 0; i < 700; ++i)
        h.AjouterHeures("E" + std::to_string(i), static_cast<std::uint16_t>(i));
    ASSERT_NE(h.Trouver("E699"), nullptr);
    EXPECT_EQ(h.Trouver("E699")->Volume, 699);
    EXPECT_EQ(h.Indice("E699"), 699);
}

TEST(Collection, SavesCountThenRecordsAndLoadsThemBack) {
    TLesHeures h;
    Trois(h);
    h.Trouver("B")->Couleur = 0x00FF8040;
    TLignes Lignes;
    h.Sauver(Lignes);
    EXPECT_EQ(Lignes,
              (TLignes{"3", "A", "1", "16777215", "B", "2", "16744512", "C", "3", "16777215"}));
    TLesHeures Relue;
    std::size_t Position = 0;
    Relue.Charger(Lignes, Position);
    EXPECT_EQ(Position, Lignes.size());
    ASSERT_EQ(Relue.Nombre(), 3);
    EXPECT_EQ(Relue.Trouver("B")->Couleur, 0x00FF8040u);
}

TEST(Collection, EmptyCollectionIsOneLineAndLoadingItAddsNothing) {
    TLesHeures h;
    TLignes Lignes;
    h.Sauver(Lignes);
    EXPECT_EQ(Lignes, TLignes{"0"});
    Lignes.push_back("suite");
    std::size_t Position = 0;
    h.Charger(Lignes, Position);
    EXPECT_EQ(Position, 1u);
    EXPECT_EQ(h.Nombre(), 0);
}

TEST(Collection, LoadingADuplicateNameReadsItsColourIntoTheFirst) {
    TLesHeures h;
    std::size_t Position = 0;
    h.Charger({"2", "X", "4", "255", "X", "9", "65280"}, Position);
    ASSERT_EQ(h.Nombre(), 1);
    EXPECT_EQ(h.Trouver("X")->Volume, 4);
    EXPECT_EQ(h.Trouver("X")->Couleur, 65280u);
}

TEST(Collection, NegativeColoursAndBadNumbersAreHandled) {
    TLesHeures h;
    std::size_t Position = 0;
    h.Charger({"1", "X", "4", "-1"}, Position);
    EXPECT_EQ(h.Trouver("X")->Couleur, 0xFFFFFFFFu);
    TLignes Sauve;
    h.Sauver(Sauve);
    EXPECT_EQ(Sauve.back(), "-1");

    for (const TLignes& Abimee :
         {TLignes{"un"}, TLignes{"1", "X", "4"}, TLignes{"1", "X", "4 ", "1"},
          TLignes{"1", "X", "4", "99999999999"}, TLignes{"2", "X", "4", "1"}}) {
        TLesHeures Autre;
        std::size_t p = 0;
        EXPECT_THROW(Autre.Charger(Abimee, p), ELectureArchive) << Abimee.size();
    }
}

TEST(Collection, NumbersTakeLeadingBlanksAndASignLikeEveryConversion) {
    struct TCas {
        const char* Texte;
        bool Lu;
        std::int32_t Valeur;
    };
    for (const TCas& c :
         {TCas{" 1", true, 1}, TCas{"  -12", true, -12}, TCas{"+7", true, 7},
          TCas{"-2147483648", true, INT32_MIN}, TCas{"1 ", false, 0}, TCas{" ", false, 0},
          TCas{"- 1", false, 0}, TCas{"", false, 0}, TCas{"2147483648", false, 0},
          TCas{"000000000000001", true, 1}, TCas{"-0002147483648", true, INT32_MIN},
          TCas{"0000", true, 0}, TCas{"0000000000002147483648", false, 0}}) {
        std::int32_t v = 0;
        EXPECT_EQ(TexteEntier(c.Texte, v), c.Lu) << c.Texte;
        EXPECT_EQ(v, c.Valeur) << c.Texte;
    }
}
