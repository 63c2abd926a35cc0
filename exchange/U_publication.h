#pragma once
// Publishing a timetable: web pages, a CSV table of every course and a calendar per class
// and per teacher, written as one folder, whole or not at all.
#include "exchange/U_calendrier.h"

#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

// The folder could not be written; the message is UTF-8, for the user.
class EErreurPublication : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TFichierPublie {
    std::string Nom; // in the folder
    std::string Octets;
};

constexpr const char* NomTableauCours = "emploi-du-temps.csv";

// Every file of the model's publication, in a fixed order: the same model and period
// always give the same bytes.
std::vector<TFichierPublie> Publication(const TPeriode& Periode);
// The CSV table: a header, then a line per course, "classe;serie;matiere;professeur;jour;
// debut;fin", UTF-8 with a byte order mark (spreadsheets then read the accents), CR LF.
std::string TableauCours(const std::vector<TCoursPublie>& Cours);

// Builds the folder beside Dossier and renames it into place. A folder there already must
// hold a publication only (its hidden entries, such as a version-control folder, move to
// the new one); anything else is refused and left as it was. Throws EErreurPublication.
void EcrireDossier(const QString& Dossier, const std::vector<TFichierPublie>& Fichiers);
