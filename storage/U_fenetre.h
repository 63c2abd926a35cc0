#pragma once
// What storage needs of the main window, without knowing Qt.
#include <string>

class IFenetre {
public:
    virtual ~IFenetre() = default;
    virtual void RafraichirVues() = 0;
    // Empties the class and teacher lists, the summaries and the labels, and sets the
    // save dialog's file name back to "Defaut".
    virtual void ViderAffichage() = 0;
    virtual std::string ClasseAffichee() const = 0; // the texts of the two lists
    virtual std::string ProfAffiche() const = 0;
    // Selects the first item equal to each text (the first item when none is), then
    // shows both.
    virtual void RetablirAffichage(const std::string& Classe, const std::string& Prof) = 0;
};

// Installed by the main window; nullptr when there is none (tests, tools).
extern IFenetre* Fenetre;
