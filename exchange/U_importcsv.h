#pragma once
// A table of services: one line per class and subject, "classe;serie;matiere;volume;
// professeur", volume as HHhMM or a number of quarter-hours. ';' or ',' as separator,
// UTF-8 or Windows-1252, both detected; a header line is skipped.
#include "exchange/U_ecole.h"

#include <string_view>

// Every line is imported or reported; throws EErreurImport when the bytes are not text.
TEcoleImportee LireServicesCsv(std::string_view Octets);

// A weekly volume: "03h30", "3h30" or a number of quarter-hours, 1 to a full week. Zero
// when it does not read.
std::uint16_t VolumeLu(const std::string& Texte);
