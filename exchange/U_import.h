#pragma once
// Importing a school from a file: a table of services (CSV) or a FET file, told apart by
// the name's extension (".fet").
#include "exchange/U_importfet.h"

#include <QString>

// Throws EErreurImport, its message naming the file, when it cannot be read, is too large
// or is refused whole.
TEcoleImportee LireImport(const QString& Chemin, const TReglagesFet& Reglages);
