#include "ui/main/U_texteqt.h"

#include "model/U_texte.h"

#include <QLineEdit>
#include <QToolTip>

#include <cstdio>

QString VersQt(const std::string& Ansi) {
    return QString::fromStdString(Utf8(Ansi));
}

std::string VersAnsi(const QString& Texte) {
    return Ansi(Texte.toStdString());
}

namespace {

// Control characters are taken out too: a line break inside a name would split its line in
// the timetable file.
bool Gardable(const QString& Caractere) {
    const char16_t c = Caractere.front().unicode();
    return c >= 0x20 && c != 0x7F && RepresentableEnAnsi(Caractere.toStdString());
}

QString Nommer(const QString& Caractere) {
    const char32_t c = Caractere.toUcs4().value(0);
    return c < 0x20 || c == 0x7F ? QStringLiteral("U+%1").arg(c, 4, 16, QLatin1Char('0')).toUpper()
                                 : Caractere;
}

} // namespace

QString GarderAnsi(const QString& Texte, int& Position, QString& Retires, int& Coupes) {
    QString Garde;
    QStringList Noms;
    const int Curseur = Position;
    for (qsizetype i = 0; i < Texte.size();) {
        // A character outside the BMP is two UTF-16 units.
        const qsizetype n = Texte.at(i).isHighSurrogate() && i + 1 < Texte.size() ? 2 : 1;
        const QString Caractere = Texte.mid(i, n);
        if (Gardable(Caractere)) {
            Garde += Caractere;
        } else {
            if (!Noms.contains(Caractere))
                Noms << Caractere;
            if (i < Curseur)
                Position -= static_cast<int>(n);
        }
        i += n;
    }
    Retires = Noms.join(QString());
    Coupes = std::max(0, static_cast<int>(Garde.size()) - TValidateurAnsi::LongueurMax);
    if (Coupes > 0) {
        Position = std::max(0, Position - Coupes);
        Garde.remove(Position, Coupes);
    }
    return Garde;
}

QString AvisRetraits(const QString& Retires, int Coupes) {
    QStringList Avis;
    QStringList Noms;
    for (const char32_t c : Retires.toUcs4())
        Noms << QStringLiteral("« %1 »").arg(Nommer(QString::fromUcs4(&c, 1)));
    if (Noms.size() == 1)
        Avis << QStringLiteral("Le caractère %1 ne peut pas être gardé dans un nom : il a été "
                               "retiré.")
                    .arg(Noms.front());
    else if (!Noms.isEmpty())
        Avis << QStringLiteral("Les caractères %1 ne peuvent pas être gardés dans un nom : ils "
                               "ont été retirés.")
                    .arg(Noms.join(QStringLiteral(", ")));
    if (Coupes > 0)
        Avis << QStringLiteral("Un nom a au plus %1 caractères : %2 ont été retirés.")
                    .arg(TValidateurAnsi::LongueurMax)
                    .arg(Coupes);
    return Avis.join(QLatin1Char('\n'));
}

QValidator::State TValidateurAnsi::validate(QString& Texte, int& Position) const {
    int Curseur = Position;
    QString Retires;
    int Coupes = 0;
    return GarderAnsi(Texte, Curseur, Retires, Coupes) == Texte ? Acceptable : Intermediate;
}

void LimiterAnsi(QLineEdit& Ligne) {
    Ligne.setValidator(new TValidateurAnsi(&Ligne));
    // Only what the user types or pastes: a name shown by the program stays as it is.
    // Once the user has typed a name that keeps whole, the notice of what went is stale.
    const QString Propre = Ligne.toolTip();
    QObject::connect(
        &Ligne, &QLineEdit::textEdited, &Ligne, [&Ligne, Propre](const QString& Texte) {
            int Position = Ligne.cursorPosition();
            QString Retires;
            int Coupes = 0;
            const QString Garde = GarderAnsi(Texte, Position, Retires, Coupes);
            if (Garde == Texte) {
                Ligne.setToolTip(Propre);
                return;
            }
            Ligne.setText(Garde);
            Ligne.setCursorPosition(Position);
            const QString Avis = AvisRetraits(Retires, Coupes);
            Ligne.setToolTip(Avis);
            QToolTip::showText(Ligne.mapToGlobal(QPoint(0, Ligne.height())), Avis, &Ligne);
        });
}

QString TexteQuarts(unsigned Quarts) {
    char Tampon[16];
    std::snprintf(Tampon, sizeof Tampon, "%.2uh%.2u", Quarts / 4, (Quarts % 4) * 15);
    return QString::fromLatin1(Tampon);
}
