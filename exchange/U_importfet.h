#pragma once
// A school from a FET file (.fet, XML): students groups, or years without groups, become
// classes; activities of one teacher and one students set become their subjects; classes
// of the same subjects and volumes share a series; a start locked at 100 % places its
// course. Whatever cannot be represented is reported.
#include "exchange/U_ecole.h"

#include <QByteArray>

struct TReglagesFet {
    int Periode = 60;                // minutes of one FET hour: a multiple of 15
    TQuart Debut = QuartDebutGrille; // when the first FET hour starts
};

// Throws EErreurImport when the bytes are not a FET file, hold a document type declaration
// (entities could multiply without end), or break XML.
TEcoleImportee LireEcoleFet(const QByteArray& Octets, const TReglagesFet& Reglages);
