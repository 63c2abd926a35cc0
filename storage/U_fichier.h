#pragma once
// The timetable file, and the undo/redo history made of snapshot files.
#include "model/U_base.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Far above any school's timetable (the demo lycée, placed, is a tenth of a megabyte): a
// larger file, or snapshot in its place, is refused unread.
constexpr std::int64_t TailleMaxFichier = std::int64_t{64} << 20;

// A file that cannot be opened, read or written. The message is UTF-8, for the user.
class EErreurFichier : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lines of a file's bytes: CR LF, a lone CR or a lone LF ends a line, a NUL ends the
// text, and a line longer than 255 bytes keeps its first 255.
TLignes DecouperLignes(std::string_view Octets);
// The lines of the whole model and of the automatic placement settings, as written.
TLignes LignesDuModele();

class TSauveur {
public:
    TSauveur();
    ~TSauveur(); // deletes the snapshot files and their folder
    TSauveur(const TSauveur&) = delete;
    TSauveur& operator=(const TSauveur&) = delete;

    // Paths are the platform's (UTF-8); the names inside the file are Windows-1252.
    // Throws EErreurFichier when the file cannot be written; the old file is then intact.
    void EcrireFichier(const std::string& Chemin) const;
    // Throws EErreurFichier when the file cannot be read (the model is left as it was, or
    // created empty when there was none, and the views are not refreshed). A damaged file
    // shows the open-failure message and leaves an empty model. Once the file is read, ends
    // with the window's RafraichirVues whether its content was sound or not. False when it
    // was not: the model is then empty.
    bool LireFichier(const std::string& Chemin);
    // LireFichier once the bytes are in memory: Chemin only names the file in the message.
    bool ChargerOctets(std::string_view Octets, const std::string& Chemin);
    void ViderModele();

    // Marks the timetable modified and records a snapshot; throws EErreurFichier when the
    // snapshot cannot be written, and the history then stays as it was.
    void Memoriser();
    // Throw EErreurFichier when the snapshot cannot be read; the model, the window and
    // the history then stay as they were.
    void Annuler();
    void Refaire();
    bool PeutAnnuler() const {
        return Actif && (NbAnnuler > 0 || (EtatNonMemorise && Courant > 0));
    }
    bool PeutRefaire() const { return Actif && NbRefaire > 0; }
    // The state in force becomes the base of a new history, which undo can reach, and the
    // timetable reads unmodified (after New, Open and Save). A base that cannot be written
    // only leaves the first change beyond undo.
    void Reinitialiser();
    // The same, keeping the modified flag; throws EErreurFichier when the base cannot be
    // written, and no snapshot then holds the state in force.
    void Fonder();
    // The timetable's file ("Defaut" for none), kept with the snapshots so that a state
    // recovered after a crash saves where it belongs.
    void NoterFichier(const std::string& Chemin);
    std::string NomInstantane(int N) const; // Dossier + "horalo" + N + ".edt"
    // Snapshot files 1 to this number are those of the ring still in use.
    int InstantanesEnService() const;

    bool Actif = true;
    bool Modifie = false;
    std::int8_t NiveauxMax = 30;
    std::int8_t Courant = 0;
    std::int8_t NbAnnuler = -1;
    std::int8_t NbRefaire = 0;
    std::string Dossier; // this instance's own snapshot folder, ending with '/'

private:
    std::int8_t Niveaux() const;
    void Restaurer(std::int8_t Numero, int Sens);
    void Noter() const;           // the folder's owner record, for recovery after a crash
    bool DossierPropre = false;   // created by this instance, so removed with it
    bool EtatNonMemorise = false; // the last change's snapshot could not be written
    std::string Fichier = "Defaut";
};

extern TSauveur* Sauveur;
