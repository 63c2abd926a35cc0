#pragma once
// The timetable file, and the undo/redo history made of snapshot files.
#include "model/U_base.h"

#include <stdexcept>
#include <string>

// A file that cannot be opened, read or written. The message is UTF-8, for the user.
class EErreurFichier : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSauveur {
public:
    TSauveur();
    ~TSauveur(); // deletes the snapshot files and their folder

    // Paths are the platform's (UTF-8); the names inside the file are Windows-1252.
    // Throws EErreurFichier when the file cannot be written; the old file is then intact.
    void EcrireFichier(const std::string& Chemin) const;
    // Throws EErreurFichier when the file cannot be read (the model is left as it was, or
    // created empty when there was none). A damaged file shows the open-failure message
    // and leaves an empty model. Ends with the window's RafraichirVues either way.
    void LireFichier(const std::string& Chemin);
    void ViderModele();

    // Marks the timetable modified and records a snapshot; throws EErreurFichier when the
    // snapshot cannot be written.
    void Memoriser();
    void Annuler();
    void Refaire();
    bool PeutAnnuler() const { return Actif && NbAnnuler > 0; }
    bool PeutRefaire() const { return Actif && NbRefaire > 0; }
    void Reinitialiser();
    std::string NomInstantane(int N) const; // Dossier + "horalo" + N + ".edt"

    bool Actif = true;
    bool Modifie = false;
    std::int8_t NiveauxMax = 30;
    std::int8_t Courant = 0;
    std::int8_t NbAnnuler = -1;
    std::int8_t NbRefaire = 0;
    std::string Dossier; // this instance's own snapshot folder, ending with '/'
};

extern TSauveur* Sauveur;
