#include "ui/main/U_texteqt.h"

#include <gtest/gtest.h>

TEST(TexteQt, NamesCrossIntoQtAndBackByteForByte) {
    // Every defined Windows-1252 byte survives the round trip.
    std::string Tous;
    for (int b = 1; b < 256; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            Tous += static_cast<char>(b);
    EXPECT_EQ(VersAnsi(VersQt(Tous)), Tous);

    const std::string Nom = "Fran\xE7"
                            "ais \x80\x9C"; // Français €œ
    EXPECT_EQ(VersQt(Nom), QStringLiteral(u"Français €œ"));
    EXPECT_EQ(VersAnsi(QStringLiteral(u"Ŝ1 日")), "?1 ?");
}

TEST(TexteQt, ValidatorKeepsNamesWindows1252CanHold) {
    TValidateurAnsi Validateur;
    int Position = 0;
    auto Etat = [&](QString Texte) { return Validateur.validate(Texte, Position); };

    EXPECT_EQ(Etat(QStringLiteral(u"Sciences économiques € œ")), QValidator::Acceptable);
    EXPECT_EQ(Etat(QString()), QValidator::Acceptable);
    EXPECT_EQ(Etat(QStringLiteral(u"Ŝ")), QValidator::Invalid);
    EXPECT_EQ(Etat(QStringLiteral(u"日本")), QValidator::Invalid);
    EXPECT_EQ(Etat(QStringLiteral(u"\U0001F600")), QValidator::Invalid); // outside the BMP
    // A line break would split the name's line in the timetable file.
    EXPECT_EQ(Etat(QStringLiteral(u"6A\n6B")), QValidator::Invalid);
    EXPECT_EQ(Etat(QStringLiteral(u"6A\t")), QValidator::Invalid);

    EXPECT_EQ(Etat(QString(255, QChar(u'é'))), QValidator::Acceptable);
    EXPECT_EQ(Etat(QString(256, QChar(u'a'))), QValidator::Invalid);
}
