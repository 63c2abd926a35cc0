#pragma once
// The application's error handler: a failure that reaches an event handler (a file that
// cannot be read or written) is shown to the user in an error box with its message.
#include <QApplication>

#include <exception>
#include <functional>

void AfficherErreur(const std::exception& Erreur);
// Runs a command; a failure ends it and is shown by AfficherErreur.
void ExecuterProtege(const std::function<void()>& Commande);

// Qt's own dialogs and widgets in French (file, colour and print dialogs, the help's
// search), when the translations are installed. Once per process; later calls do nothing.
void TraduireQt();

class TApplication final : public QApplication {
public:
    TApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    // Last resort: Qt cannot let an exception cross its event loop.
    bool notify(QObject* Destinataire, QEvent* Evenement) override;
};
