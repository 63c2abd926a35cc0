#pragma once
// The Qt side of the messages seam: message boxes titled "Horalo".
#include "model/U_messages.h"

#include <QElapsedTimer>
#include <QMessageBox>

#include <memory>

// The box of each kind, built but not shown, so that tests can inspect it.
enum class TGenreMessage { Erreur, Message, Confirmation, ConfirmationAvecAbandon };
std::unique_ptr<QMessageBox> ConstruireBoite(TGenreMessage Genre, const std::string& TexteAnsi,
                                             QWidget* Parent = nullptr);
// What the user's button (or Escape / the close box) means for each kind.
TReponse ReponseDe(TGenreMessage Genre, int Bouton);

class TMessagesQt final : public IMessages {
public:
    // Parent of the boxes when no other window of the program is in front; the main window
    // when none is given.
    explicit TMessagesQt(QWidget* Parent = nullptr) : Parent(Parent) {}
    QWidget* Proprietaire() const;

    void Erreur(const std::string& Texte) override;
    void Message(const std::string& Texte) override;
    bool Confirmer(const std::string& Texte) override;
    TReponse ConfirmerAvecAbandon(const std::string& Texte) override;
    void Bip() override;
    // Runs pending events at most once per IntervalleMs, however often it is called.
    void TraiterEvenements() override;

    static constexpr int IntervalleMs = 30;
    // How many times pending events were actually processed (for tests and measurements).
    long Traitements() const { return NbTraitements; }

private:
    int Executer(TGenreMessage Genre, const std::string& Texte);

    QWidget* Parent;
    QElapsedTimer Chrono;
    long NbTraitements = 0;
};
