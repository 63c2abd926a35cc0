#include "ui/main/U_messagesqt.h"

#include "model/U_texte.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QMessageBox::StandardButtons Boutons(TGenreMessage Genre) {
    return ConstruireBoite(Genre, "x")->standardButtons();
}

// Clicks a button of the modal box as soon as it shows; gives up after a few seconds so
// that a box that never opens fails the test instead of hanging it.
void RepondreALaBoite(QMessageBox::StandardButton Bouton) {
    auto* Minuterie = new QTimer(qApp);
    auto* Chrono = new QElapsedTimer;
    Chrono->start();
    QObject::connect(Minuterie, &QTimer::timeout, [=] {
        auto* Boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (Boite || Chrono->elapsed() > 5000) {
            if (Boite)
                Boite->button(Bouton)->click();
            Minuterie->deleteLater();
            delete Chrono;
        }
    });
    Minuterie->start(10);
}

} // namespace

TEST(MessagesQt, EachKindHasItsIconButtonsAndTitle) {
    auto Erreur = ConstruireBoite(TGenreMessage::Erreur, Ansi("Opération impossible"));
    EXPECT_EQ(Erreur->windowTitle(), QStringLiteral("Horalo"));
    EXPECT_EQ(Erreur->text(), QStringLiteral(u"Opération impossible"));
    EXPECT_EQ(Erreur->icon(), QMessageBox::Critical);
    EXPECT_EQ(Erreur->standardButtons(), QMessageBox::Yes);

    auto Message = ConstruireBoite(TGenreMessage::Message, "x");
    EXPECT_EQ(Message->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(Message->standardButtons(), QMessageBox::Ok);

    EXPECT_EQ(Boutons(TGenreMessage::Confirmation), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(Boutons(TGenreMessage::ConfirmationAvecAbandon),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort);

    // The interface is French, translations installed or not.
    auto Invite = ConstruireBoite(TGenreMessage::ConfirmationAvecAbandon, "x");
    QStringList Textes;
    for (const auto Bouton : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Abort})
        Textes << Invite->button(Bouton)->text();
    EXPECT_EQ(Textes, (QStringList{QStringLiteral("&Oui"), QStringLiteral("&Non"),
                                   QStringLiteral("&Abandonner")}));
}

TEST(MessagesQt, EscapeAndCloseBoxAnswerNoOrAbort) {
    auto Question = ConstruireBoite(TGenreMessage::Confirmation, "x");
    EXPECT_EQ(Question->escapeButton(), Question->button(QMessageBox::No));
    auto Sauver = ConstruireBoite(TGenreMessage::ConfirmationAvecAbandon, "x");
    EXPECT_EQ(Sauver->escapeButton(), Sauver->button(QMessageBox::Abort));

    const auto Abandon = TGenreMessage::ConfirmationAvecAbandon;
    EXPECT_EQ(ReponseDe(Abandon, QMessageBox::Yes), TReponse::Oui);
    EXPECT_EQ(ReponseDe(Abandon, QMessageBox::No), TReponse::Non);
    EXPECT_EQ(ReponseDe(Abandon, QMessageBox::Abort), TReponse::Abandon);
    EXPECT_EQ(ReponseDe(TGenreMessage::Confirmation, QMessageBox::Abort), TReponse::Non);
}

TEST(MessagesQt, AnswersComeFromTheButtonClicked) {
    TMessagesQt Messages;
    RepondreALaBoite(QMessageBox::Yes);
    EXPECT_TRUE(Messages.Confirmer("Continuer ?"));
    RepondreALaBoite(QMessageBox::No);
    EXPECT_FALSE(Messages.Confirmer("Continuer ?"));
    RepondreALaBoite(QMessageBox::Abort);
    EXPECT_EQ(Messages.ConfirmerAvecAbandon("Voulez vous sauvegarder ?"), TReponse::Abandon);
    RepondreALaBoite(QMessageBox::No);
    EXPECT_EQ(Messages.ConfirmerAvecAbandon("Voulez vous sauvegarder ?"), TReponse::Non);
}

TEST(MessagesQt, PendingEventsRunAtMostEveryThirtyMilliseconds) {
    TMessagesQt Messages;
    bool Livre = false;
    QTimer::singleShot(0, qApp, [&] { Livre = true; });
    Messages.TraiterEvenements();
    EXPECT_TRUE(Livre);
    EXPECT_EQ(Messages.Traitements(), 1);

    // A burst of calls right after does not process again.
    for (int i = 0; i < 100; ++i)
        Messages.TraiterEvenements();
    EXPECT_EQ(Messages.Traitements(), 1);

    QThread::msleep(TMessagesQt::IntervalleMs + 5);
    Messages.TraiterEvenements();
    EXPECT_EQ(Messages.Traitements(), 2);

    // Busy for 200 ms: one processing per interval at most.
    QElapsedTimer Chrono;
    Chrono.start();
    while (Chrono.elapsed() < 200)
        Messages.TraiterEvenements();
    EXPECT_GE(Messages.Traitements(), 4);
    EXPECT_LE(Messages.Traitements(), 2 + 200 / TMessagesQt::IntervalleMs + 1);
}
