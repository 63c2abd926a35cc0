#include "U_modifduree.h"

#include "tests/ui/AideEnregistreuse.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class ModifDuree : public ::testing::Test {
protected:
    template <class T> T* Controle(const char* Nom) {
        T* c = Dialogue.findChild<T*>(QString::fromLatin1(Nom));
        EXPECT_NE(c, nullptr) << Nom;
        return c;
    }
    QString Texte() { return Controle<QLineEdit>("E_qheure")->text(); }
    // One click on the up or down arrow, as the user makes it.
    void Pas(bool Haut) {
        auto* UpDown = Controle<QSpinBox>("UpDown1");
        QTest::keyClick(UpDown, Haut ? Qt::Key_Up : Qt::Key_Down);
    }

    std::int32_t DureeChoisie = -1;
    TFmodifduree Dialogue{nullptr, DureeChoisie};
};

} // namespace

TEST_F(ModifDuree, LayoutAndTexts) {
    EXPECT_EQ(Dialogue.windowTitle(), QStringLiteral(u"Modification de la durée"));
    EXPECT_EQ(Dialogue.size(), QSize(243, 127));
    EXPECT_EQ(Dialogue.minimumSize(), Dialogue.maximumSize());
    EXPECT_EQ(Controle<QGroupBox>("GroupBox1")->title(), QStringLiteral(u"Nouvelle durée"));
    auto* Edit = Controle<QLineEdit>("E_qheure");
    EXPECT_EQ(Edit->text(), QStringLiteral("00h00"));
    EXPECT_FALSE(Edit->isEnabled());
    EXPECT_TRUE(Edit->isReadOnly());
    auto* UpDown = Controle<QSpinBox>("UpDown1");
    EXPECT_EQ(UpDown->minimum(), 0);
    EXPECT_EQ(UpDown->maximum(), 40);
    EXPECT_TRUE(UpDown->wrapping());
    EXPECT_EQ(Controle<QLabel>("Label2")->text(), QStringLiteral("Heures"));
    EXPECT_EQ(Controle<QPushButton>("B_OK")->text(), QStringLiteral("OK"));
    EXPECT_TRUE(Controle<QPushButton>("B_OK")->isDefault());
    EXPECT_EQ(Controle<QPushButton>("B_aide")->text(), QStringLiteral("Aide"));
    EXPECT_EQ(Dialogue.findChildren<QPushButton*>().size(), 2); // no cancel button
}

TEST_F(ModifDuree, StepsShowTheTimeAndWriteTheCallersField) {
    Dialogue.FixerDuree(8);
    EXPECT_EQ(Texte(), QStringLiteral("02h00"));
    EXPECT_EQ(DureeChoisie, 8);
    Dialogue.show();
    Pas(true);
    EXPECT_EQ(Texte(), QStringLiteral("02h15"));
    EXPECT_EQ(DureeChoisie, 9);
    Pas(false);
    Pas(false);
    EXPECT_EQ(Texte(), QStringLiteral("01h45"));
    EXPECT_EQ(DureeChoisie, 7);

    // The arrows of the control work with the mouse too.
    auto* UpDown = Controle<QSpinBox>("UpDown1");
    QTest::mouseClick(UpDown, Qt::LeftButton, {}, QPoint(UpDown->width() / 2, 3));
    EXPECT_EQ(DureeChoisie, 8);
}

TEST_F(ModifDuree, StepsWrapAroundTheRange) {
    Dialogue.show();
    Dialogue.FixerDuree(40);
    EXPECT_EQ(Texte(), QStringLiteral("10h00"));
    Pas(true);
    EXPECT_EQ(Texte(), QStringLiteral("00h00"));
    EXPECT_EQ(DureeChoisie, 0);
    Pas(false);
    EXPECT_EQ(Texte(), QStringLiteral("10h00"));
    EXPECT_EQ(DureeChoisie, 40);
}

TEST_F(ModifDuree, TimesOfDayUseTheirOwnRangeAndCaptions) {
    Dialogue.FixerTitre(QStringLiteral("Nouvelle Heure"));
    Dialogue.FixerTitreGroupe(QStringLiteral("Heure"));
    Dialogue.FixerBornes(32, 80);
    Dialogue.FixerDuree(32);
    Dialogue.show();
    EXPECT_EQ(Dialogue.windowTitle(), QStringLiteral("Nouvelle Heure"));
    EXPECT_EQ(Controle<QGroupBox>("GroupBox1")->title(), QStringLiteral("Heure"));
    EXPECT_EQ(Texte(), QStringLiteral("08h00"));
    Pas(false);
    EXPECT_EQ(Texte(), QStringLiteral("20h00"));
    EXPECT_EQ(DureeChoisie, 80);
    Pas(true);
    EXPECT_EQ(Texte(), QStringLiteral("08h00"));
}

TEST_F(ModifDuree, SettingTheRangeOrTheValueIsNotAStep) {
    Dialogue.FixerDuree(8);
    Dialogue.FixerBornes(32, 80); // moves the control to 32, silently
    EXPECT_EQ(DureeChoisie, 8);
    EXPECT_EQ(Texte(), QStringLiteral("02h00"));
}

TEST_F(ModifDuree, EnterAcceptsAndTheCloseBoxRejects) {
    Dialogue.FixerDuree(8);
    Dialogue.show();
    Pas(true);
    QTest::keyClick(Controle<QSpinBox>("UpDown1"), Qt::Key_Return);
    EXPECT_EQ(Dialogue.result(), QDialog::Accepted);
    EXPECT_FALSE(Dialogue.isVisible());
    EXPECT_EQ(DureeChoisie, 9);

    std::int32_t Autre = 12;
    TFmodifduree Second(nullptr, Autre);
    Second.FixerDuree(12);
    QTimer::singleShot(0, &Second, [&] {
        QTest::keyClick(Second.findChild<QSpinBox*>(QStringLiteral("UpDown1")), Qt::Key_Up);
        Second.close();
    });
    EXPECT_EQ(Second.exec(), QDialog::Rejected);
    EXPECT_EQ(Autre, 13); // stepped before closing: the caller ignores it
}

TEST_F(ModifDuree, AideAsksForTopic26) {
    TAideEnregistreuse Aide;
    Dialogue.show();
    QTest::mouseClick(Controle<QPushButton>("B_aide"), Qt::LeftButton);
    EXPECT_EQ(Aide.Rubriques, std::vector<int>{26});
    EXPECT_TRUE(Dialogue.isVisible());
}
