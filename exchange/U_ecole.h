#pragma once
// A school read from another program's file, before it becomes a timetable, and the report
// of what could not be taken.
#include "model/U_types.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// An input refused whole (unreadable, not of its kind, too large); the message is UTF-8.
class EErreurImport : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Names are Windows-1252, checked: not empty, at most 255 bytes, no control character.
struct TService {
    std::string Classe, Serie, Matiere, Prof; // Prof empty: the subject has no teacher yet
    std::uint16_t Volume = 0;                 // quarter-hours a week
    long Activites = 1;                       // the input's activities (or lines) it gathers
};

// A course placed and locked at a fixed time.
struct TCoursFixe {
    std::string Classe, Matiere;
    TJour Jour = 0;
    TQuart Debut = 0, Fin = 0;
};

struct TRapport {
    std::vector<std::string> Lignes; // UTF-8, one case each
    long Importees = 0, Quarts = 0, NonImportees = 0, QuartsNonImportes = 0;

    // A case the user must know of; past a thousand, only counted.
    void Signaler(const std::string& Ligne);
    // An activity (or line) left out, with its volume, and why.
    void Refuser(const std::string& Ligne, long Volume);
    // "Importé : N activités, Q quarts d'heure ; non importé : M activités, R quarts d'heure."
    std::string Bilan() const;
    // The cases, then "... et N autres cas." when some were only counted.
    std::vector<std::string> Cas() const;

private:
    long Tus = 0;
};

struct TEcoleImportee {
    std::vector<TService> Services; // one per class and subject
    std::vector<TCoursFixe> Fixes;
    TRapport Rapport;
};

// Fills the three collections, which must exist and be empty: series, classes, teachers
// and their classes, with default colours; then places and locks the fixed courses that
// fit (the others are reported). Sets the report's quarter-hours to the volumes the timetable
// holds.
void ConstruireEcole(TEcoleImportee& Ecole);

// A name as the model holds it (Windows-1252) from UTF-8, or why it cannot be one.
// Empty reason: Ansi holds the name.
std::string NomImporte(const std::string& Utf8, std::string& Ansi);
// A name shortened for a message.
std::string Extrait(const std::string& Utf8);
