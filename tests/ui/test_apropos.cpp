#include "U_apropos.h"

#include "tests/ui/AideEnregistreuse.h"
#include "ui/main/U_ressources.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class APropos : public ::testing::Test {
protected:
    APropos() { InitialiserRessources(); }
    template <class T> static T* Controle(QWidget* Boite, const char* Nom) {
        T* c = Boite->findChild<T*>(QString::fromLatin1(Nom));
        EXPECT_NE(c, nullptr) << Nom;
        return c;
    }
    static QLabel* Image(TF_apropos* Boite) { return Controle<QLabel>(Boite, "Image1"); }

    QWidget Fenetre; // stands for the main window
};

} // namespace

TEST_F(APropos, ABorderlessPictureWindowOnTopInTheMiddleOfTheScreen) {
    TF_apropos* Boite = OuvrirAPropos(&Fenetre);
    EXPECT_TRUE(Boite->isVisible());
    EXPECT_FALSE(Boite->isModal());
    EXPECT_EQ(Boite->parent(), &Fenetre);
    EXPECT_EQ(Boite->windowTitle(), QStringLiteral("A Propos d' Horalo"));
    EXPECT_TRUE(Boite->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(Boite->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Boite->size(), QSize(506, 356)); // the picture and a 3-pixel border
    EXPECT_EQ(Boite->frameGeometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());

    QLabel* Image1 = Image(Boite);
    EXPECT_EQ(Image1->geometry(), QRect(0, 0, 500, 350));
    EXPECT_EQ(Image1->mapTo(Boite, QPoint(0, 0)), QPoint(3, 3));
    EXPECT_EQ(Image1->pixmap().size(), QSize(500, 350)); // the artwork, decoded

    auto* BInfos = Controle<QPushButton>(Boite, "BInfos");
    EXPECT_EQ(BInfos->text(), QStringLiteral("Informations"));
    EXPECT_EQ(BInfos->parentWidget(), Image1->parentWidget()); // same coordinates
    EXPECT_EQ(BInfos->geometry(), QRect(320, 312, 75, 25));
    EXPECT_TRUE(BInfos->isVisible()); // in front of the picture
    auto* BOK = Controle<QPushButton>(Boite, "BOK");
    EXPECT_EQ(BOK->text(), QStringLiteral("Fermer"));
    EXPECT_EQ(BOK->parentWidget(), Image1->parentWidget());
    EXPECT_EQ(BOK->geometry(), QRect(408, 312, 75, 25));
}

TEST_F(APropos, AClickOnThePictureTheBorderOrFermerHidesIt) {
    TF_apropos* ParImage = OuvrirAPropos(&Fenetre);
    QTest::mouseClick(Image(ParImage), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(ParImage->isVisible());

    TF_apropos* ParBordure = OuvrirAPropos(&Fenetre);
    QTest::mouseClick(ParBordure, Qt::LeftButton, {}, QPoint(1, 200));
    EXPECT_FALSE(ParBordure->isVisible());

    TF_apropos* ParBouton = OuvrirAPropos(&Fenetre);
    QTest::mouseClick(Controle<QPushButton>(ParBouton, "BOK"), Qt::LeftButton);
    EXPECT_FALSE(ParBouton->isVisible());

    // Hidden, not destroyed: the window keeps them until it goes.
    EXPECT_EQ(Fenetre.findChildren<TF_apropos*>().size(), 3);
}

TEST_F(APropos, InformationsAsksForTopic11AndStaysOpen) {
    TAideEnregistreuse Aide;
    TF_apropos* Boite = OuvrirAPropos(&Fenetre);
    QTest::mouseClick(Controle<QPushButton>(Boite, "BInfos"), Qt::LeftButton);
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{11});
    EXPECT_TRUE(Boite->isVisible());
}

TEST_F(APropos, EachOpeningIsItsOwnBoxClosedByItsOwnClick) {
    TF_apropos* Premiere = OuvrirAPropos(&Fenetre);
    TF_apropos* Seconde = OuvrirAPropos(&Fenetre);
    ASSERT_NE(Premiere, Seconde);
    EXPECT_TRUE(Premiere->isVisible());
    EXPECT_TRUE(Seconde->isVisible());
    QTest::mouseClick(Image(Seconde), Qt::LeftButton);
    EXPECT_TRUE(Premiere->isVisible());
    EXPECT_FALSE(Seconde->isVisible());
    QTest::mouseClick(Image(Premiere), Qt::LeftButton);
    EXPECT_FALSE(Premiere->isVisible());
}
