#pragma once
// Importing a school from a file: a table of services (CSV) or a FET file.
#include "exchange/U_importfet.h"

#include <QString>

// Throws EErreurImport, its message naming the file, when it cannot be read, is too large
// or is refused whole.
TEcoleImportee LireImport(const QString& Chemin, bool Fet, const TReglagesFet& Reglages = {});
// Whether a file's name says it is a FET file (".fet").
bool EstFichierFet(const QString& Chemin);
