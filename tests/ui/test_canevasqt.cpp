#include "ui/main/U_canevasqt.h"

#include "tests/support/ModeleDeTest.h"
#include "tests/ui/OutilsImages.h"

namespace {

constexpr TCouleur Saumon = 0x7280FA; // $00BBGGRR of (250, 128, 114)

} // namespace

TEST(CanevasQt, ColoursAreReadAsBlueGreenRed) {
    EXPECT_EQ(CouleurQt(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(CouleurQt(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(CouleurQt(Saumon), QColor(250, 128, 114));
}

TEST(CanevasQt, TextSitsOnAnOpaqueBackgroundBelowAndRightOfItsPoint) {
    TCanevasQt Canevas;
    Canevas.FixerTaille(100, 40);
    Canevas.FixerPolice("MS Serif", 9);
    Canevas.FixerFond(Saumon);
    Canevas.Texte(20, 10, "Lundi");
    const QImage Image = Canevas.Image();
    EXPECT_EQ(Image.pixelColor(20, 10), CouleurQt(Saumon)); // top-left is background
    EXPECT_EQ(Image.pixelColor(19, 10), QColor(Qt::white));
    EXPECT_EQ(Image.pixelColor(20, 9), QColor(Qt::white));
    EXPECT_TRUE(ContientDuNoir(Image, QRect(20, 10, 40, 15)));
    EXPECT_FALSE(ContientDuNoir(Image, QRect(0, 0, 100, 10)));
}

class CanevasSemaine : public ModeleTest {};

TEST_F(CanevasSemaine, AClassWeekIsPaintedWithItsBlocksAndGrid) {
    ConstruireEcole();
    LesSeries->Trouver("S1")->Heures->Trouver("Maths")->Couleur = Saumon;
    Placer("C1", "Maths", 0, 40, 43); // Monday 10h00, four quarter-hours

    TCanevasQt Canevas;
    LesClasses->Trouver("C1")->Dessiner(Canevas);
    const QImage Image = Canevas.Image();
    ASSERT_EQ(Image.size(), QSize(275, 952));

    // The block's rectangle runs from (40, 192) to (78, 267), right and bottom outside, its
    // edge a darker frame.
    const QColor Bloc = CouleurQt(Saumon);
    EXPECT_EQ(Image.pixelColor(40, 192), CouleurQt(CouleurCadre(Saumon)));
    EXPECT_EQ(Image.pixelColor(77, 266), CouleurQt(CouleurCadre(Saumon)));
    EXPECT_EQ(Image.pixelColor(41, 193), Bloc);
    EXPECT_EQ(Image.pixelColor(76, 265), Bloc);
    EXPECT_EQ(Image.pixelColor(70, 211), Bloc); // over the line between 10h00 and 10h15
    EXPECT_EQ(Image.pixelColor(78, 200), QColor(Qt::black));    // Tuesday's column line
    EXPECT_EQ(Image.pixelColor(60, 267), QColor(Qt::black));    // the line below the block
    EXPECT_EQ(Image.pixelColor(60, 191), QColor(Qt::black));    // and the one above
    EXPECT_EQ(Image.pixelColor(60, 280), QColor(Qt::white));    // an empty cell
    EXPECT_TRUE(ContientDuNoir(Image, QRect(41, 229, 36, 12))); // the subject's name

    // Grid: 8 vertical lines from y 20, 50 horizontal lines every 19 pixels.
    for (int c = 0; c <= 7; ++c)
        EXPECT_EQ(Image.pixelColor(std::min(39 * c, 274), 600), QColor(Qt::black)) << c;
    EXPECT_EQ(Image.pixelColor(100, 20 + 19 * 49), QColor(Qt::black));
    EXPECT_EQ(Image.pixelColor(100, 20 + 19 * 49 - 1), QColor(Qt::white));
    EXPECT_EQ(Image.pixelColor(39, 19), QColor(Qt::white)); // lines start at y 20

    // Title at (10, 5), day names in the header row, times in the first column.
    EXPECT_TRUE(ContientDuNoir(Image, QRect(10, 5, 200, 12)));
    EXPECT_TRUE(ContientDuNoir(Image, QRect(41, 25, 36, 12)));
    EXPECT_TRUE(ContientDuNoir(Image, QRect(3, 41, 35, 12)));
    // The day names fit their columns: their backgrounds leave the column lines whole.
    for (int c = 1; c <= 7; ++c)
        for (int y = 21; y < 39; ++y)
            EXPECT_EQ(Image.pixelColor(std::min(39 * c, 274), y), QColor(Qt::black))
                << c << ' ' << y;
}
