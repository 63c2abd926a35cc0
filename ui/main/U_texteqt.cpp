#include "ui/main/U_texteqt.h"

#include "model/U_texte.h"

QString VersQt(const std::string& Ansi) {
    return QString::fromStdString(Utf8(Ansi));
}

std::string VersAnsi(const QString& Texte) {
    return Ansi(Texte.toStdString());
}

QValidator::State TValidateurAnsi::validate(QString& Texte, int&) const {
    if (Texte.size() > LongueurMax)
        return Invalid;
    // Control characters are refused too: a line break inside a name would split its
    // line in the timetable file.
    for (const QChar c : Texte)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return Invalid;
    return RepresentableEnAnsi(Texte.toStdString()) ? Acceptable : Invalid;
}
