#include "model/U_texte.h"
#include "model/U_types.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Heures, TexteHeureFormatsEverySlotIncludingPastMidnight) {
    EXPECT_EQ(TexteHeure(0), "00h00");
    EXPECT_EQ(TexteHeure(32), "08h00");
    EXPECT_EQ(TexteHeure(33), "08h15");
    EXPECT_EQ(TexteHeure(79), "19h45");
    EXPECT_EQ(TexteHeure(80), "20h00");
    EXPECT_EQ(TexteHeure(96), "24h00");
    EXPECT_EQ(TexteHeure(255), "63h45");
}

TEST(Heures, HeureTexteSnapsMinutesToTheNearestQuarterAndWrapsPast24h15) {
    const std::tuple<const char*, int, bool> Cas[] = {
        // text, slot, read back exactly
        {"08h00", 32, true},  {"08h07", 32, false}, {"08h08", 33, false}, {"08h22", 33, false},
        {"08h23", 34, false}, {"08h59", 36, false}, {"12h30", 50, true},  {"23h59", 96, false},
        {"24h00", 96, true},  {"24h15", 0, false},  {"99h99", 15, false}, {"99h00", 8, false},
        {" 8h00", 32, false}, {"+8h00", 32, false}, {"00h00", 0, true}};
    for (const auto& [Texte, Quart, Exacte] : Cas) {
        EXPECT_EQ(HeureTexte(Texte), Quart) << Texte;
        TQuart Lu = 7;
        EXPECT_EQ(HeureExacte(Texte, Lu), Exacte) << Texte;
        EXPECT_EQ(Lu, Exacte ? Quart : 7) << Texte;
    }
}

TEST(Heures, HeureTexteRefusesMalformedTexts) {
    for (const char* Texte : {"8h00", "08H00", "08:00", "-1h00", "08h-1", "abcde", "", "080000",
                              "08h0 ", "  h00", "0xh00"}) {
        EXPECT_EQ(HeureTexte(Texte), 0) << Texte;
        TQuart Lu = 0;
        EXPECT_FALSE(HeureExacte(Texte, Lu)) << Texte;
    }
}

TEST(Jours, NamesAndNumbersMatchExactly) {
    EXPECT_EQ(NomJour(0), "Lundi");
    EXPECT_EQ(NomJour(5), "Samedi");
    EXPECT_EQ(NomJour(6), "");
    EXPECT_EQ(NomJour(255), "");
    EXPECT_EQ(NumeroJour("Mercredi"), 2);
    EXPECT_EQ(NumeroJour("Samedi"), 5);
    EXPECT_EQ(NumeroJour("mercredi"), 0);
    EXPECT_EQ(NumeroJour("Dimanche"), 0);
    EXPECT_EQ(NumeroJour(""), 0);
}

TEST(Texte, Windows1252RoundTripKeepsAccentsAndTypographicSigns) {
    EXPECT_EQ(Ansi("é€œ–É"), "\xE9\x80\x9C\x96\xC9");
    const std::string Francais = "Éducation physique – 6ème A, œuvre « 1 € »";
    EXPECT_EQ(Utf8(Ansi(Francais)), Francais);
}

TEST(Texte, CharactersOutsideWindows1252AreRefusedOrReplaced) {
    EXPECT_TRUE(RepresentableEnAnsi("Français €"));
    EXPECT_FALSE(RepresentableEnAnsi("日本"));
    EXPECT_FALSE(RepresentableEnAnsi("\xff\xfe")); // not UTF-8 at all
    EXPECT_FALSE(RepresentableEnAnsi("caf\xc3"));  // sequence cut short
    EXPECT_EQ(Ansi("a日b"), "a?b");
    EXPECT_EQ(Ansi("caf\xc3"), "caf?");
    EXPECT_EQ(Utf8("\x81"), "\xEF\xBF\xBD"); // undefined byte
}
