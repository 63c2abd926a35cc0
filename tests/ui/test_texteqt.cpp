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

TEST(TexteQt, NameBoxesKeepWhatWindows1252CanHoldAndSayWhatGoes) {
    // Its first 12 characters kept | the cursor | the characters taken out | how many cut at
    // 255 | whether the validator took the text whole.
    const auto Garder = [](const QString& Tape, int Curseur) {
        QString Retires;
        int Coupes = -1;
        const QString Garde = GarderAnsi(Tape, Curseur, Retires, Coupes);
        QString Texte = Tape;
        const bool Entier = TValidateurAnsi().validate(Texte, Curseur) == QValidator::Acceptable;
        return QStringLiteral("%1|%2|%3|%4|%5")
            .arg(Garde.left(12))
            .arg(Curseur)
            .arg(Retires)
            .arg(Coupes)
            .arg(Entier)
            .toStdString();
    };
    EXPECT_EQ(Garder(QStringLiteral(u"Économie € œ"), 3), "Économie € œ|3||0|1");
    EXPECT_EQ(Garder(QString(), 0), "|0||0|1");
    EXPECT_EQ(Garder(QStringLiteral(u"Łódź"), 4), "ód|2|Łź|0|0");
    EXPECT_EQ(Garder(QStringLiteral(u"a\U0001F600b"), 3), "ab|1|\U0001F600|0|0");
    // A line break would split the name's line in the timetable file.
    EXPECT_EQ(Garder(QStringLiteral(u"6A\n6B\t"), 5), "6A6B|4|\n\t|0|0");
    EXPECT_EQ(Garder(QString(255, u'é'), 255), "éééééééééééé|255||0|1");
    // Pasted at the front: the end of the paste goes, not the name after it.
    EXPECT_EQ(Garder(QString(10, u'x') + QString(250, u'a'), 10), "xxxxxaaaaaaa|5||5|0");
    EXPECT_EQ(AvisRetraits(QStringLiteral(u"Łź\n"), 3).toStdString(),
              "Les caractères « Ł », « ź », « U+000A » ne peuvent pas être gardés dans un nom : "
              "ils ont été retirés.\nUn nom a au plus 255 caractères : 3 ont été retirés.");
}
