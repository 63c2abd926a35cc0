#include "ui/main/U_messagesqt.h"

#include "ui/main/U_princ.h"
#include "ui/main/U_texteqt.h"

#include <QAbstractButton>
#include <QApplication>

std::unique_ptr<QMessageBox> ConstruireBoite(TGenreMessage Genre, const std::string& TexteAnsi,
                                             QWidget* Parent) {
    QMessageBox::Icon Icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Boutons = QMessageBox::Ok;
    QMessageBox::StandardButton Echappement = QMessageBox::Ok;
    switch (Genre) {
    case TGenreMessage::Erreur:
        Icone = QMessageBox::Critical;
        Boutons = Echappement = QMessageBox::Yes;
        break;
    case TGenreMessage::Message:
        break;
    case TGenreMessage::Confirmation:
        Icone = QMessageBox::Question;
        Boutons = QMessageBox::Yes | QMessageBox::No;
        Echappement = QMessageBox::No;
        break;
    case TGenreMessage::ConfirmationAvecAbandon:
        Icone = QMessageBox::Question;
        Boutons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort;
        Echappement = QMessageBox::Abort;
        break;
    }
    auto Boite = std::make_unique<QMessageBox>(Icone, QStringLiteral("Horalo"), VersQt(TexteAnsi),
                                               Boutons, Parent);
    // The buttons speak French whether or not Qt's translations are installed.
    const std::pair<QMessageBox::StandardButton, QString> Textes[] = {
        {QMessageBox::Yes, QStringLiteral("&Oui")},
        {QMessageBox::No, QStringLiteral("&Non")},
        {QMessageBox::Abort, QStringLiteral("&Abandonner")},
        {QMessageBox::Ok, QStringLiteral("OK")}};
    for (const auto& [Bouton, Texte] : Textes)
        if (QAbstractButton* b = Boite->button(Bouton))
            b->setText(Texte);
    // Escape and the close box give this button's answer.
    Boite->setEscapeButton(Echappement);
    Boite->setDefaultButton(Genre == TGenreMessage::Message ? QMessageBox::Ok : QMessageBox::Yes);
    return Boite;
}

TReponse ReponseDe(TGenreMessage Genre, int Bouton) {
    switch (Bouton) {
    case QMessageBox::Yes:
        return TReponse::Oui;
    case QMessageBox::No:
        return TReponse::Non;
    default:
        return Genre == TGenreMessage::ConfirmationAvecAbandon ? TReponse::Abandon : TReponse::Non;
    }
}

// The box belongs to the window that shows it: the modal form in front, else a window kept
// on top (the about box at start-up, the wizard), else the main window. So it is never
// hidden under another of the program's windows.
QWidget* TMessagesQt::Proprietaire() const {
    if (QWidget* Modal = QApplication::activeModalWidget())
        return Modal;
    for (QWidget* Haut : QApplication::topLevelWidgets())
        if (Haut->isVisible() && Haut->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return Haut;
    return Parent ? Parent : FTable;
}

int TMessagesQt::Executer(TGenreMessage Genre, const std::string& Texte) {
    return ConstruireBoite(Genre, Texte, Proprietaire())->exec();
}

void TMessagesQt::Erreur(const std::string& Texte) {
    Executer(TGenreMessage::Erreur, Texte);
}

void TMessagesQt::Message(const std::string& Texte) {
    Executer(TGenreMessage::Message, Texte);
}

bool TMessagesQt::Confirmer(const std::string& Texte) {
    return ReponseDe(TGenreMessage::Confirmation, Executer(TGenreMessage::Confirmation, Texte)) ==
           TReponse::Oui;
}

TReponse TMessagesQt::ConfirmerAvecAbandon(const std::string& Texte) {
    const auto Genre = TGenreMessage::ConfirmationAvecAbandon;
    return ReponseDe(Genre, Executer(Genre, Texte));
}

void TMessagesQt::Bip() {
    QApplication::beep();
}

void TMessagesQt::TraiterEvenements() {
    // Long work calls this at every step; repainting more often than this only slows it.
    if (Chrono.isValid() && Chrono.elapsed() < IntervalleMs)
        return;
    QCoreApplication::processEvents();
    ++NbTraitements;
    Chrono.restart();
}
