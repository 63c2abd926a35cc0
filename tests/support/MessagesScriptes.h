#pragma once
// Records every text the code shows and answers its questions from a queue.
#include "model/U_messages.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class TMessagesScriptes final : public IMessages {
public:
    TMessagesScriptes() { InstallerMessages(this); }
    ~TMessagesScriptes() override { InstallerMessages(nullptr); }

    void Erreur(const std::string& Texte) override { Montrer("Erreur: " + Texte); }
    void Message(const std::string& Texte) override { Montrer(Texte); }
    bool Confirmer(const std::string& Texte) override;
    TReponse ConfirmerAvecAbandon(const std::string& Texte) override;
    void Bip() override { ++Bips; }
    void TraiterEvenements() override {
        ++Evenements;
        if (PendantTravail)
            PendantTravail();
    }

    // Texts shown, UTF-8 for readable assertions; errors carry an "Erreur: " prefix.
    std::vector<std::string> MontresUtf8() const;

    std::deque<TReponse> Reponses; // an empty queue answers No
    std::vector<std::string> Montres;
    std::vector<std::string> Questions;
    int Bips = 0;
    long Evenements = 0;
    // Run when a box would show, and when long work lets events run: what a user may do then.
    std::function<void()> AuMessage;
    std::function<void()> PendantTravail;

private:
    void Montrer(const std::string& Texte) {
        Montres.push_back(Texte);
        if (AuMessage)
            AuMessage();
    }
};
