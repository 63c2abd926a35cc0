#pragma once
// iCalendar files (RFC 5545): each course a weekly event over a period, in Paris time.
#include "exchange/U_cours.h"

#include <QDate>

#include <string>
#include <vector>

struct TPeriode {
    QDate Du, Au; // both included
};

// The school year that contains the date, 1 September to 5 July; in the summer between
// two, the coming one.
TPeriode AnneeScolaire(QDate Jour);

// The calendar of one class (ParClasse) or one teacher, named Nom (UTF-8): every course
// weekly from its
// first day in the period to the period's end. CR LF line ends, folded at 75 octets.
std::string Calendrier(const std::string& Nom, const std::vector<const TCoursPublie*>& Cours,
                       bool ParClasse, const TPeriode& Periode);

// A text value escaped as iCalendar wants (backslash, semicolon, comma, line end).
std::string EchapperIcs(const std::string& Utf8);
// A content line folded at 75 octets, never inside a UTF-8 character, with its CR LF.
std::string LigneIcs(const std::string& Ligne);
