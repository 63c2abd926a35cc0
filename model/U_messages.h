#pragma once
// How the model and storage speak to the user without knowing the window.
// Texts are Windows-1252, as every name below the window.
#include <string>

enum class TReponse { Oui, Non, Abandon };

class IMessages {
public:
    virtual ~IMessages() = default;
    // Error icon and a single Yes button.
    virtual void Erreur(const std::string& Texte) = 0;
    // OK button, no icon.
    virtual void Message(const std::string& Texte) = 0;
    // Yes and No; true for Yes.
    virtual bool Confirmer(const std::string& Texte) = 0;
    // Yes, No and Abort (the save prompt).
    virtual TReponse ConfirmerAvecAbandon(const std::string& Texte) = 0;
    virtual void Bip() = 0;
    // Lets the window handle its pending events during long work.
    virtual void TraiterEvenements() = 0;
};

// The installed implementation; a silent one answering No when none is installed.
IMessages& Messages();
// Installs an implementation (not owned); nullptr brings the silent one back.
void InstallerMessages(IMessages* Implementation);
